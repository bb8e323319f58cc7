#pragma once

#include "figure/figure.h"

#include "core/planefamily.h"
#include "core/practice.h"

#include <QMainWindow>

#include <array>

class GLBox;
class LessonFiles;
class PracticePanel;
class QDockWidget;
class NetworkDocument;
class QAbstractButton;
class QAction;
class QButtonGroup;
class QCheckBox;
class QMenu;
class QMenuBar;
class QSpinBox;
class QWidget;

// The main window: File menu, status bar, the control column on the left
// (ControlColumn) and the sunken frame with the 3D view on the right, the
// docks and the menus of the additions. It builds and connects the parts;
// each part does its own job.
class GLObjectWindow : public QMainWindow
{
    Q_OBJECT

public:
    GLObjectWindow(QWidget *parent = nullptr, const char *name = nullptr);
    ~GLObjectWindow() override;

    NetworkDocument *document() const { return doc; }
    LessonFiles *lessonFiles() const { return files; }
    // Shows the practice dock and starts a round of questions.
    void startPractice(quint64 seed, ts::PracticeLevel level);
    // The lessons that come with the program, wherever it was installed.
    static QStringList exampleLessons();
    // Writes a figure of what the view shows, its format by the name's
    // suffix and its size in pixels (millimetres for PDF): a picture as on
    // screen is drawn by GL, anything else as vectors. A failure is told in
    // a message box and leaves no file behind.
    bool exportFigure(GLBox *view, const QString &path, const ts::FigureOptions &options, const QSizeF &size);
    static QString keysAndMouseText();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void setSize(int n);
    void about();

private:
    void buildAdditions(QMenuBar *bar, GLBox *view, QMenu *file);
    void exportImage(GLBox *view);
    void fitToScreen(GLBox *view);

    QSpinBox *ikSpin = nullptr;
    QSpinBox *jiSpin = nullptr;
    QSpinBox *kjSpin = nullptr;
    NetworkDocument *doc = nullptr;
    LessonFiles *files = nullptr;
    QDockWidget *practiceDock = nullptr;
    PracticePanel *practice = nullptr;
    QAction *undoAction = nullptr;
    QAction *redoAction = nullptr;
};
