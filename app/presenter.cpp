#include "app/presenter.h"

#include "app/livetexts.h"

#include "app/scenespanel.h"
#include "core/lesson.h"
#include "core/networkdocument.h"
#include "view/glbox.h"

#include <QAction>
#include <QDateTime>
#include <QDockWidget>
#include <QFont>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QPixmap>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include <cstdlib>

using namespace ts;

namespace {
constexpr char kSmoothKey[] = "present/smoothTransitions";
constexpr int kClickSlop = 3;
constexpr int kNextPictureSize = 360;

} // namespace

Presenter::Presenter(QMainWindow *window, GLBox *view, NetworkDocument *document)
    : QObject(window)
    , window(window)
    , view(view)
    , document(document)
    , present(new QAction(this))
    , smooth(new QAction(this))
    , counter(new QLabel(view))
    , transition(new QVariantAnimation(this))
{
    present->setObjectName(QStringLiteral("present"));
    present->setShortcut(QKeySequence(Qt::Key_F5));
    present->setShortcutContext(Qt::ApplicationShortcut);
    present->setCheckable(true);
    connect(present, &QAction::toggled, this, [this](bool on) { on ? start() : stop(); });
    window->addAction(present); // F5 works while the menu bar is hidden
    smooth->setObjectName(QStringLiteral("smooth_transitions"));
    smooth->setCheckable(true);
    smooth->setChecked(QSettings().value(QLatin1String(kSmoothKey), true).toBool());
    connect(smooth, &QAction::toggled, this, [](bool on) { QSettings().setValue(QLatin1String(kSmoothKey), on); });

    counter->setObjectName(QStringLiteral("present_counter"));
    counter->setTextFormat(Qt::PlainText); // a lesson's title is text, not markup
    QFont large = counter->font();
    // Read from the back of the room.
    if (large.pointSizeF() > 0)
        large.setPointSizeF(large.pointSizeF() * 1.5);
    else
        large.setPixelSize(large.pixelSize() * 3 / 2);
    counter->setFont(large);
    counter->setStyleSheet(QStringLiteral("QLabel { background: rgba(0, 0, 0, 160); color: white; padding: 6px; }"));
    counter->hide();
    connect(document, &NetworkDocument::currentSceneChanged, this, &Presenter::showCounter);
    connect(document, &NetworkDocument::scenesChanged, this, &Presenter::showCounter);
    connect(document, &NetworkDocument::lessonTextChanged, this, &Presenter::showCounter);

    auto *texts = new LiveTexts(this, window);
    texts->add([this] {
        present->setText(tr("&Present"));
        present->setToolTip(tr("Show the scenes one after another, full screen"));
        smooth->setText(tr("Smooth &Transitions"));
        if (notesScreen)
            notesScreen->setWindowTitle(tr("Presenter"));
        showCounter();
    });

    transition->setDuration(kTransitionMs);
    transition->setStartValue(0.0);
    transition->setEndValue(1.0);
    transition->setEasingCurve(QEasingCurve::InOutQuad);
    connect(transition, &QVariantAnimation::valueChanged, this, [this](const QVariant &value) {
        if (target < 0)
            return;
        this->document->setViewPoint(viewPointBetween(from, to, value.toDouble()));
    });
    connect(transition, &QVariantAnimation::finished, this, &Presenter::finishTransition);
}

void Presenter::goTo(int scene)
{
    if (transition->state() == QAbstractAnimation::Running) {
        transition->stop();
        finishTransition();
    }
    if (scene < 0 || scene >= document->sceneCount() || scene == document->currentScene())
        return;
    from = document->viewPoint();
    to = document->scene(scene).view;
    target = scene;
    if (!smooth->isChecked() || from == to)
        return finishTransition();
    transition->start();
}

void Presenter::finishTransition()
{
    if (target < 0)
        return;
    const int scene = target;
    target = -1;
    // The scene left keeps its own view point: the turn was the way out.
    document->setViewPoint(from);
    document->showScene(scene);
}

void Presenter::start()
{
    if (presenting)
        return;
    presenting = true;
    stateBefore = window->windowState();
    hidden.clear();
    auto hide = [this](QWidget *w) {
        if (w && w->isVisible()) {
            hidden.emplace_back(w);
            w->hide();
        }
    };
    onTop.clear();
    for (QDockWidget *dock : window->findChildren<QDockWidget *>()) {
        if (!dock->visibleRegion().isEmpty())
            onTop.emplace_back(dock);
        hide(dock);
    }
    hide(window->menuBar());
    hide(window->statusBar());
    hide(window->findChild<QWidget *>(QStringLiteral("vbox_scroll")));
    hide(window->findChild<QWidget *>(QStringLiteral("vbox")));
    window->showFullScreen();
    view->installEventFilter(this);
    view->setFocus();
    showCounter();

    // The presenter's own screen, where there is a second one.
    const QList<QScreen *> screens = QGuiApplication::screens();
    if (screens.size() > 1)
        openDesk((screens[0] == window->screen() ? screens[1] : screens[0])->availableGeometry());
}

void Presenter::openDesk(const QRect &where)
{
    if (!presenting || notesScreen)
        return;
    auto *desk = new QWidget(window, Qt::Window);
    desk->setObjectName(QStringLiteral("presenter_notes"));
    desk->setAttribute(Qt::WA_DeleteOnClose);
    desk->setWindowTitle(tr("Presenter"));
    auto *layout = new QVBoxLayout(desk);
    layout->setContentsMargins(24, 24, 24, 24);
    for (const char *name : {"presenter_clock", "presenter_text", "presenter_next", "presenter_next_picture"}) {
        auto *label = new QLabel(desk);
        label->setObjectName(QLatin1String(name));
        label->setTextFormat(Qt::RichText);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
        layout->addWidget(label);
    }
    layout->addStretch(1);
    notesScreen = desk;
    auto *clock = new QTimer(desk);
    connect(clock, &QTimer::timeout, this, &Presenter::showClock);
    clock->start(1000);
    desk->setGeometry(where);
    desk->showFullScreen();
    showClock();
    showCounter();
}

void Presenter::stop()
{
    if (!presenting)
        return;
    presenting = false;
    if (transition->state() == QAbstractAnimation::Running) {
        transition->stop();
        finishTransition();
    }
    view->removeEventFilter(this);
    counter->hide();
    if (notesScreen)
        notesScreen->close();
    // Maximised, full screen or neither, as it was.
    window->setWindowState(stateBefore);
    for (const QPointer<QWidget> &w : hidden)
        if (w)
            w->show();
    // Shown again, a tabbed dock is not the tab on top: raise those that were.
    for (const QPointer<QWidget> &w : onTop)
        if (w)
            w->raise();
    hidden.clear();
    onTop.clear();
    present->setChecked(false);
}

void Presenter::showCounter()
{
    if (!presenting)
        return;
    const int shown = document->currentScene();
    const QString &title = sceneWords(document->sceneTitle(), document->title());
    counter->setText(title.isEmpty() ? tr("%1 / %2").arg(shown + 1).arg(document->sceneCount())
                                     : tr("%1 / %2  %3").arg(shown + 1).arg(document->sceneCount()).arg(title));
    counter->adjustSize();
    counter->move(12, 12);
    counter->show();
    counter->raise();
    if (!notesScreen)
        return;
    const int next = shown + 1;
    const QString &sceneNotes = sceneWords(document->sceneNotes(), document->notes());
    auto *text = notesScreen->findChild<QLabel *>(QStringLiteral("presenter_text"));
    text->setText(QStringLiteral("<h1>%1</h1><p>%2</p>")
                      .arg(counter->text().toHtmlEscaped(),
                           sceneNotes.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"))));
    auto *nextScene = notesScreen->findChild<QLabel *>(QStringLiteral("presenter_next"));
    auto *picture = notesScreen->findChild<QLabel *>(QStringLiteral("presenter_next_picture"));
    if (next < document->sceneCount()) {
        const LessonScene scene = document->scene(next);
        const QString nextTitle = scene.title.isEmpty() ? tr("Scene %1").arg(next + 1) : scene.title;
        nextScene->setText(tr("<p><b>Next:</b> %1</p>").arg(nextTitle.toHtmlEscaped()));
        picture->setPixmap(QPixmap::fromImage(SceneListModel::drawScene(scene, QSize(kNextPictureSize, kNextPictureSize))));
    } else {
        nextScene->setText(tr("<p><b>Next:</b> the end</p>"));
        picture->clear();
    }
}

void Presenter::showClock()
{
    if (notesScreen)
        notesScreen->findChild<QLabel *>(QStringLiteral("presenter_clock"))
            ->setText(QLocale().toString(QTime::currentTime(), QLocale::LongFormat));
}

bool Presenter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != view || !presenting)
        return QObject::eventFilter(watched, event);
    const int shown = target >= 0 ? target : document->currentScene();
    if (event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_PageDown:
        case Qt::Key_Space:
        case Qt::Key_Right: goTo(shown + 1); return true;
        case Qt::Key_PageUp:
        case Qt::Key_Left:
        case Qt::Key_Backspace: goTo(shown - 1); return true;
        case Qt::Key_Home: goTo(0); return true;
        case Qt::Key_End: goTo(document->sceneCount() - 1); return true;
        case Qt::Key_Escape: stop(); return true;
        default: break;
        }
    } else if (event->type() == QEvent::MouseButtonPress) {
        pressAt = static_cast<QMouseEvent *>(event)->position().toPoint();
    } else if (event->type() == QEvent::MouseButtonRelease) {
        // A click on empty space goes on; on a box it marks, as always.
        const QPoint at = static_cast<QMouseEvent *>(event)->position().toPoint();
        if (std::abs(at.x() - pressAt.x()) <= kClickSlop && std::abs(at.y() - pressAt.y()) <= kClickSlop &&
            view->pickAt(at.x(), at.y()).kind == PickResult::Miss) {
            goTo(shown + 1);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
