#include "app/scenespanel.h"

#include "app/formwidgets.h"
#include "app/livetexts.h"
#include "core/networkdocument.h"
#include "figure/figure.h"

#include <QGridLayout>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

using namespace ts;

namespace {
// Changes in the scene shown are drawn into its picture once they rest.
constexpr int kRedrawDelayMs = 300;
} // namespace

SceneListModel::SceneListModel(NetworkDocument *document, QObject *parent)
    : QAbstractListModel(parent)
    , document(document)
    , redraw(new QTimer(this))
{
    redraw->setSingleShot(true);
    redraw->setInterval(kRedrawDelayMs);
    connect(redraw, &QTimer::timeout, this, &SceneListModel::redrawShown);
    connect(document, &NetworkDocument::scenesChanged, this, &SceneListModel::reset);
    for (auto changed : {&NetworkDocument::networkChanged, &NetworkDocument::displayOptionsChanged,
                         &NetworkDocument::viewPointChanged})
        connect(document, changed, redraw, qOverload<>(&QTimer::start));
    connect(document->presentation(), &PresentationState::changed, redraw, qOverload<>(&QTimer::start));
    reset();
}

void SceneListModel::reset()
{
    beginResetModel();
    pictures.assign(static_cast<std::size_t>(document->sceneCount()), QImage());
    endResetModel();
}

void SceneListModel::redrawShown()
{
    const int row = document->currentScene();
    if (row >= static_cast<int>(pictures.size()))
        return;
    pictures[static_cast<std::size_t>(row)] = QImage();
    emit dataChanged(index(row), index(row), {Qt::DecorationRole});
}

QImage SceneListModel::picture(int row) const
{
    QImage &drawn = pictures[static_cast<std::size_t>(row)];
    if (drawn.isNull())
        drawn = drawScene(document->scene(row), QSize(kPictureWidth, kPictureHeight));
    return drawn;
}

QImage SceneListModel::drawScene(const LessonScene &scene, QSize size)
{
    QImage drawn(size, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&drawn);
    painter.setRenderHint(QPainter::Antialiasing);
    Figure({scene.network, scene.options, scene.view, scene.presentation, QString()}, FigureOptions{}, size).paint(painter);
    return drawn;
}

int SceneListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(pictures.size());
}

QVariant SceneListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const int row = index.row();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole: {
        const QString title = document->scene(row).title;
        return title.isEmpty() ? tr("Scene %1").arg(row + 1) : tr("%1. %2").arg(row + 1).arg(title);
    }
    case Qt::EditRole:
        return document->scene(row).title;
    case Qt::ToolTipRole:
        return document->scene(row).notes.left(200);
    case Qt::DecorationRole:
        return picture(row);
    default:
        return {};
    }
}

void SceneListModel::reword()
{
    if (!pictures.empty())
        emit dataChanged(index(0), index(rowCount() - 1), {Qt::DisplayRole, Qt::AccessibleTextRole});
}

bool SceneListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return false;
    document->renameScene(index.row(), value.toString().trimmed());
    return true;
}

Qt::ItemFlags SceneListModel::flags(const QModelIndex &index) const
{
    return QAbstractListModel::flags(index) | (index.isValid() ? Qt::ItemIsEditable : Qt::NoItemFlags);
}

ScenesPanel::ScenesPanel(NetworkDocument *document, QWidget *parent)
    : QWidget(parent)
    , document(document)
    , model(new SceneListModel(document, this))
    , view(new QListView(this))
{
    view->setObjectName(QStringLiteral("scene_list"));
    view->setModel(model);
    view->setIconSize(QSize(SceneListModel::kPictureWidth, SceneListModel::kPictureHeight));
    view->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::DoubleClicked);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setUniformItemSizes(true);
    auto *texts = new LiveTexts(this, this);
    texts->add([this] {
        explain(view, tr("The lesson's scenes: choose one to show it"));
        model->reword();
    });

    // Two to a row: room for the longer words of other languages in a
    // dock as narrow as a laptop's screen leaves it.
    auto *buttons = new QGridLayout;
    auto button = [this, buttons, texts](const char *text, const char *name, const char *help, int row, int column) {
        auto *b = new QPushButton(this);
        b->setObjectName(QLatin1String(name));
        texts->add([b, text, help] {
            b->setText(tr(text));
            explain(b, tr(help));
        });
        buttons->addWidget(b, row, column);
        return b;
    };
    QPushButton *add = button(QT_TR_NOOP("Add"), "scene_add", QT_TR_NOOP("Add a scene showing what the view shows now"), 0, 0);
    QPushButton *duplicate = button(QT_TR_NOOP("Duplicate"), "scene_duplicate", QT_TR_NOOP("Copy the scene, with its title and notes"), 0, 1);
    deleteButton = button(QT_TR_NOOP("Delete"), "scene_delete", QT_TR_NOOP("Delete the scene"), 1, 0);
    upButton = button(QT_TR_NOOP("Move Up"), "scene_up", QT_TR_NOOP("Move the scene one place earlier"), 2, 0);
    downButton = button(QT_TR_NOOP("Move Down"), "scene_down", QT_TR_NOOP("Move the scene one place later"), 2, 1);
    QPushButton *rename = button(QT_TR_NOOP("Rename"), "scene_rename", QT_TR_NOOP("Give the scene a title"), 1, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(view, 1);
    layout->addLayout(buttons);

    connect(add, &QPushButton::clicked, document, &NetworkDocument::addScene);
    connect(duplicate, &QPushButton::clicked, document, &NetworkDocument::duplicateScene);
    connect(deleteButton, &QPushButton::clicked, this, [document] { document->deleteScene(document->currentScene()); });
    connect(upButton, &QPushButton::clicked, this,
            [document] { document->moveScene(document->currentScene(), document->currentScene() - 1); });
    connect(downButton, &QPushButton::clicked, this,
            [document] { document->moveScene(document->currentScene(), document->currentScene() + 1); });
    connect(rename, &QPushButton::clicked, this, [this] { view->edit(view->currentIndex()); });
    connect(view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [document](const QModelIndex &current) {
                if (current.isValid())
                    document->showScene(current.row());
            });
    connect(model, &QAbstractItemModel::modelReset, this, &ScenesPanel::selectShown);
    connect(document, &NetworkDocument::currentSceneChanged, this, &ScenesPanel::selectShown);
    selectShown();
}

void ScenesPanel::selectShown()
{
    const QModelIndex shown = model->index(document->currentScene());
    if (view->currentIndex() != shown)
        view->setCurrentIndex(shown);
    enableButtons();
}

void ScenesPanel::enableButtons()
{
    const int count = document->sceneCount(), shown = document->currentScene();
    deleteButton->setEnabled(count > 1);
    upButton->setEnabled(shown > 0);
    downButton->setEnabled(shown < count - 1);
}
