#pragma once

#include <QAbstractListModel>
#include <QImage>
#include <QWidget>

#include <vector>

class NetworkDocument;
namespace ts {
struct LessonScene;
}
class QListView;
class QPushButton;
class QTimer;

// The lesson's scenes as a list: each row the scene's number and title,
// with a small picture of it. Editing a row's text renames the scene.
class SceneListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit SceneListModel(NetworkDocument *document, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // The names of untitled scenes, again in the language in use.
    void reword();

    static constexpr int kPictureWidth = 96;
    static constexpr int kPictureHeight = 72;
    // A scene as the figure draws it, for lists and the presenter's screen.
    static QImage drawScene(const ts::LessonScene &scene, QSize size);

private:
    void reset();
    void redrawShown();
    QImage picture(int row) const;

    NetworkDocument *document;
    mutable std::vector<QImage> pictures; // drawn when first asked for
    QTimer *redraw;
};

// The "Scenes" dock: the list, and buttons that add, duplicate, delete,
// move and rename scenes, each an undoable edit. Choosing a row shows it.
class ScenesPanel : public QWidget
{
    Q_OBJECT

public:
    explicit ScenesPanel(NetworkDocument *document, QWidget *parent = nullptr);

    QListView *list() const { return view; }

private:
    void selectShown();
    void enableButtons();

    NetworkDocument *document;
    SceneListModel *model;
    QListView *view;
    QPushButton *deleteButton, *upButton, *downButton;
};
