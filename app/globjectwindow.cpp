#include "app/globjectwindow.h"

#include "app/controlcolumn.h"
#include "app/formwidgets.h"
#include "app/figureexport.h"

#include "app/languages.h"
#include "app/lessonfiles.h"
#include "app/livetexts.h"
#include "app/lessonnotes.h"
#include "app/practicepanel.h"
#include "app/routemap.h"
#include "app/routespanel.h"
#include "app/presenter.h"
#include "app/routestepper.h"
#include "app/scenespanel.h"
#include "core/networkdocument.h"
#include "view/glbox.h"

#include <QAbstractSpinBox>
#include <QActionGroup>
#include <QCoreApplication>
#include <QDockWidget>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSpinBox>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QUndoStack>
#include <QVBoxLayout>

#include <array>
#include <initializer_list>

using namespace ts;

namespace {
constexpr int kViewFrameLineWidth = 3;
constexpr int kFrameAllowance = 40;   // the window manager's title bar and borders
constexpr int kSmallestViewSide = 240; // below this the model is too small to teach with


} // namespace

GLObjectWindow::GLObjectWindow(QWidget *parent, const char *name)
    : QMainWindow(parent, Qt::Window)
{
    if (name)
        setObjectName(QLatin1String(name));
    QMenuBar *bar = menuBar();
    QStatusBar *status = statusBar();

    auto *hbox = makeBox<QHBoxLayout>(this, "hbox");
    setCentralWidget(hbox);
    texts = new LiveTexts(this, this);
    doc = new NetworkDocument(this);
    files = new LessonFiles(this, doc);

    auto *file = new QMenu(bar);
    QAction *aboutItem = file->addAction(QString());
    connect(aboutItem, &QAction::triggered, this, &GLObjectWindow::about);
    QAction *exitItem = file->addAction(QString());
    texts->add([this, file, aboutItem, exitItem] {
        file->setTitle(tr("&File"));
        aboutItem->setText(tr("About"));
        exitItem->setText(tr("Exit"));
        setAccessibleName(tr("Transpose Switch"));
    });
    exitItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    // Quits at once unless an opened lesson has unsaved changes.
    connect(exitItem, &QAction::triggered, this, [this] {
        if (files->maybeSave())
            QCoreApplication::quit();
    });
    bar->addMenu(file);

    auto *column = addTo(hbox, makeBox<QVBoxLayout>(hbox, "vbox"));
    auto *frame = addTo(hbox, makeBox<QVBoxLayout, QFrame>(hbox, "f"));
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setLineWidth(kViewFrameLineWidth);

    auto *view = addTo(frame, new GLBox(frame, "glbox", doc));
    connect(view, &GLBox::report, status, [status](const QString &text) { status->showMessage(text); });

    auto *controls = new ControlColumn(column, view, this, doc);
    ikSpin = controls->offsetBox(PlaneFamily::IK);
    jiSpin = controls->offsetBox(PlaneFamily::JI);
    kjSpin = controls->offsetBox(PlaneFamily::KJ);
    // One consistent start: the panel shows what the view holds.
    controls->start();
    buildAdditions(bar, view, file);
    fitToScreen(view);
}

void GLObjectWindow::buildAdditions(QMenuBar *bar, GLBox *view, QMenu *file)
{
    // The lesson files and pictures come first, before "About" and "Exit".
    QAction *about = file->actions().constFirst();
    file->insertActions(about, files->actions());
    file->insertSeparator(about);
    exporter = new FigureExport(view, files, this);
    file->insertAction(about, exporter->exportAction());
    file->insertAction(about, exporter->handoutAction());
    file->insertSeparator(about);

    auto *edit = new QMenu(bar);
    QUndoStack *history = doc->undoStack();
    undoAction = history->createUndoAction(edit, tr("&Undo"));
    undoAction->setObjectName(QStringLiteral("undo"));
    undoAction->setShortcut(QKeySequence::Undo);
    redoAction = history->createRedoAction(edit, tr("&Redo"));
    redoAction->setObjectName(QStringLiteral("redo"));
    redoAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    edit->addAction(undoAction);
    edit->addAction(redoAction);
    edit->addSeparator();
    QAction *notes = edit->addAction(QString());
    notes->setObjectName(QStringLiteral("lesson_notes_edit"));
    // The stack's actions keep the prefix they were made with: worded here
    // again, as the stack words them, in the language in use.
    const auto wordHistory = [this, history] {
        const auto worded = [](const QString &prefix, const QString &command) {
            return command.isEmpty() ? prefix : prefix + QLatin1Char(' ') + command;
        };
        undoAction->setText(worded(tr("&Undo"), history->undoText()));
        redoAction->setText(worded(tr("&Redo"), history->redoText()));
    };
    connect(history, &QUndoStack::undoTextChanged, edit, wordHistory);
    connect(history, &QUndoStack::redoTextChanged, edit, wordHistory);
    texts->add([edit, notes, wordHistory] {
        edit->setTitle(tr("&Edit"));
        notes->setText(tr("Lesson &Notes..."));
        wordHistory();
    });
    connect(notes, &QAction::triggered, this, [this] { editLessonNotes(doc, this); });
    edit->addAction(exporter->copyAction());
    bar->addMenu(edit);


    auto *viewMenu = new QMenu(bar);
    QAction *focus = new QAction(viewMenu);
    focus->setObjectName(QStringLiteral("focus_routes"));
    focus->setCheckable(true);
    PresentationState *presentation = doc->presentation();
    connect(focus, &QAction::toggled, presentation, &PresentationState::setFocusRoutes);
    connect(presentation, &PresentationState::focusRoutesChanged, focus, &QAction::setChecked);
    QAction *labels = new QAction(viewMenu);
    labels->setObjectName(QStringLiteral("labels"));
    labels->setCheckable(true);
    connect(labels, &QAction::toggled, presentation, &PresentationState::setLabels);
    connect(presentation, &PresentationState::labelsChanged, labels, &QAction::setChecked);

    // The routes in words and the map of the network, on the right; the
    // View menu shows and hides them.
    auto *dock = new QDockWidget(this);
    dock->setObjectName(QStringLiteral("routes"));
    auto *tabs = new QTabWidget(dock);
    tabs->setObjectName(QStringLiteral("routes_tabs"));
    auto *stepper = new RouteStepper(doc, this);
    auto *panel = new RoutesPanel(doc, stepper, focus, tabs);
    tabs->addTab(panel, QString());
    auto *mapPage = new RouteMapPage(doc, tabs);
    tabs->addTab(mapPage, QString());
    dock->setWidget(tabs);
    addDockWidget(Qt::RightDockWidgetArea, dock);
    view->addActions(panel->stepActions());
    viewMenu->addAction(dock->toggleViewAction());

    // The lesson's scenes, a tab beside the routes.
    auto *scenesDock = new QDockWidget(this);
    scenesDock->setObjectName(QStringLiteral("scenes"));
    scenesDock->setWidget(new ScenesPanel(doc, scenesDock));
    addDockWidget(Qt::RightDockWidgetArea, scenesDock);
    tabifyDockWidget(dock, scenesDock);
    dock->raise();
    viewMenu->addAction(scenesDock->toggleViewAction());
    viewMenu->addAction(focus);
    viewMenu->addAction(labels);
    QAction *fullScreen = viewMenu->addAction(QString());
    fullScreen->setObjectName(QStringLiteral("full_screen"));
    fullScreen->setShortcut(QKeySequence(Qt::Key_F11));
    fullScreen->setCheckable(true);
    connect(fullScreen, &QAction::toggled, this, [this](bool on) { on ? showFullScreen() : showNormal(); });
    auto *presenter = new Presenter(this, view, doc);
    viewMenu->addSeparator();
    viewMenu->addAction(presenter->presentAction());
    viewMenu->addAction(presenter->smoothAction());
    buildLanguageMenu(viewMenu);
    bar->addMenu(viewMenu);

    // Practice, in a dock of its own that stays hidden until asked for.
    practiceDock = new QDockWidget(this);
    practiceDock->setObjectName(QStringLiteral("practice"));
    practice = new PracticePanel(doc, view, stepper, practiceDock);
    connect(practice, &PracticePanel::questionOpenChanged, mapPage, &RouteMapPage::setHiddenForQuestion);
    connect(practice, &PracticePanel::questionOpenChanged, view, &GLBox::setAnswersHidden);
    practiceDock->setWidget(practice);
    addDockWidget(Qt::RightDockWidgetArea, practiceDock);
    // A tab beside the routes, so that a question and its feedback get the
    // dock's whole height.
    tabifyDockWidget(dock, practiceDock);
    dock->raise();
    practiceDock->hide();
    auto *practiceMenu = new QMenu(bar);
    QAction *startPracticeItem = practiceMenu->addAction(QString());
    startPracticeItem->setObjectName(QStringLiteral("start_practice"));
    connect(startPracticeItem, &QAction::triggered, this, [this] {
        practiceDock->show();
        practiceDock->raise();
        practice->setFocus();
        // A lesson's set needs no choice: every student gets its round.
        if (document()->practiceSet())
            practice->startLessonRound();
    });
    bar->addMenu(practiceMenu);

    auto *help = new QMenu(bar);
    QAction *keys = help->addAction(QString());
    keys->setObjectName(QStringLiteral("keys_and_mouse"));
    connect(keys, &QAction::triggered, this, [this] {
        QMessageBox box(QMessageBox::NoIcon, tr("Keys and Mouse"), keysAndMouseText(), QMessageBox::Close, this);
        box.setTextFormat(Qt::RichText);
        box.exec();
    });
    help->addMenu(files->examplesMenu(help));
    bar->addMenu(help);

    texts->add([=] {
        viewMenu->setTitle(tr("&View"));
        focus->setText(tr("&Focus on Marked Routes"));
        focus->setToolTip(tr("Draw the boxes that no marked route touches as faint frames"));
        labels->setText(tr("&Labels"));
        dock->setWindowTitle(tr("Routes"));
        tabs->setTabText(0, tr("Routes"));
        tabs->setTabText(1, tr("Map"));
        scenesDock->setWindowTitle(tr("Scenes"));
        fullScreen->setText(tr("&Full Screen"));
        practiceDock->setWindowTitle(tr("Practice"));
        practiceMenu->setTitle(tr("&Practice"));
        startPracticeItem->setText(tr("&Start Practice..."));
        help->setTitle(tr("&Help"));
        keys->setText(tr("Keys and Mouse"));
    });

    // Undo and redo reach the history from every spin box too.
    for (QAbstractSpinBox *box : findChildren<QAbstractSpinBox *>())
        box->installEventFilter(this);
    // How the program starts is not an edit to take back.
    doc->undoStack()->clear();
}

void GLObjectWindow::buildLanguageMenu(QMenu *viewMenu)
{
    viewMenu->addSeparator();
    auto *menu = viewMenu->addMenu(QString());
    menu->setObjectName(QStringLiteral("language_menu"));
    texts->add([menu] { menu->setTitle(tr("Lan&guage")); });
    auto *choices = new QActionGroup(menu);
    choices->setExclusive(true);
    Languages *languages = Languages::of(QCoreApplication::instance());
    // Each language in its own words, never translated.
    for (const Languages::Language &language : languages->languages()) {
        QAction *item = menu->addAction(language.nativeName);
        item->setObjectName(QStringLiteral("language_") + language.code);
        item->setData(language.code);
        item->setCheckable(true);
        item->setChecked(language.code == languages->current());
        choices->addAction(item);
        connect(item, &QAction::triggered, languages, [languages, code = language.code] {
            if (languages->setLanguage(code))
                QSettings().setValue(QLatin1String(Languages::kSettingsKey), code);
        });
    }
    // Another window, or --lang, may change it too.
    connect(languages, &Languages::languageChanged, menu, [choices](const QString &code) {
        for (QAction *item : choices->actions())
            item->setChecked(item->data().toString() == code);
    });
}

QString GLObjectWindow::keysAndMouseText()
{
    const QString rows[][2] = {
        {tr("Drag with any button"), tr("Turn the model (5 pixels make a degree)")},
        {tr("Click with the left, middle or right button"), tr("Toggle a red, green or blue mark on a terminal or switch")},
        {tr("Click on empty space, or Escape"), tr("Clear every mark (Escape while stepping a route only ends the stepping)")},
        {tr("Period, Comma, P"), tr("Step the chosen route one leg further or back, play or pause it")},
        {tr("Shift+drag with any button"), tr("Move the picture in the view's plane")},
        {tr("Mouse wheel"), tr("Zoom in and out about the point under the pointer")},
        {tr("+ and -"), tr("Zoom in and out about the view's centre")},
        {tr("Arrow keys"), tr("Turn the model 5 degrees, as a drag of 25 pixels would; with Shift, 1 degree")},
        {tr("Ctrl+arrow keys"), tr("Move the picture by a twentieth of the view")},
        {tr("Home"), tr("Back to the start view: angles 0, 0, no zoom and no move")},
        {tr("Ctrl+Z, Ctrl+Shift+Z or Ctrl+Y"), tr("Undo and redo changes of the marks, the size and the offsets")},
        {tr("Ctrl+N, Ctrl+O, Ctrl+S, Ctrl+Shift+S"), tr("New lesson, open a lesson, save it, save it as")},
        {tr("Ctrl+E, Ctrl+C"), tr("Export a figure (PNG, SVG or PDF), copy the picture to the clipboard")},
        {tr("F11"), tr("Full screen, for a projector")},
        {tr("F5"), tr("Present the lesson's scenes one after another, full screen; F5 or Escape leaves")},
        {tr("PageDown, Space, Right or a click on empty space"), tr("While presenting: the next scene (PageUp, Left, Backspace: the one before; Home, End: the first, the last)")},
        {tr("Ctrl+Q"), tr("Quit")},
    };
    QString html = tr("<p>The keys work while the view has the keyboard focus (click it or Tab to it).</p>");
    html += QStringLiteral("<table cellspacing=\"4\">");
    for (const auto &row : rows)
        html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>").arg(row[0].toHtmlEscaped(), row[1].toHtmlEscaped());
    return html + QStringLiteral("</table>");
}

GLObjectWindow::~GLObjectWindow() = default;

void GLObjectWindow::startPractice(quint64 seed, PracticeLevel level)
{
    practiceDock->show();
    practiceDock->raise();
    practice->start(seed, level);
}

void GLObjectWindow::fitToScreen(GLBox *view)
{
    // The view keeps its 800 x 800 where the screen has room; on a smaller
    // screen it gives up what the rest of the window needs, so that every
    // control and the status bar stay on screen.
    const QScreen *where = screen();
    if (!where)
        return;
    const QSize room = where->availableGeometry().size() - QSize(kFrameAllowance, kFrameAllowance);
    layout()->activate();
    const QSize wanted = minimumSizeHint();
    const QSize over(std::max(0, wanted.width() - room.width()), std::max(0, wanted.height() - room.height()));
    if (over.width() == 0 && over.height() == 0)
        return;
    const QSize minimum = view->minimumSize();
    view->setMinimumSize(std::max(kSmallestViewSide, minimum.width() - over.width()),
                         std::max(kSmallestViewSide, minimum.height() - over.height()));
    // The layouts up to the window take the new minimum now, not at the
    // next event loop pass, so that the size below is the real one.
    for (QWidget *w = view; w; w = w->parentWidget()) {
        w->updateGeometry();
        if (w->layout())
            w->layout()->invalidate();
    }
    layout()->activate();
    if (minimumSizeHint().height() > room.height()) {
        // Still too tall: the control column scrolls.
        QWidget *column = findChild<QWidget *>(QStringLiteral("vbox"));
        auto *scroll = new QScrollArea(centralWidget());
        scroll->setObjectName(QStringLiteral("vbox_scroll"));
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        scroll->setWidgetResizable(true);
        static_cast<QBoxLayout *>(centralWidget()->layout())->insertWidget(0, scroll);
        scroll->setWidget(column);
        scroll->setFixedWidth(column->sizeHint().width() + scroll->verticalScrollBar()->sizeHint().width());
        scroll->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
        centralWidget()->updateGeometry();
        layout()->invalidate();
        layout()->activate();
    }
    resize(sizeHint().boundedTo(room));
    // The view gave up room already; the docks may take more of it when
    // dragged wider, down to the smallest view that still teaches.
    view->setMinimumSize(kSmallestViewSide, kSmallestViewSide);
}

bool GLObjectWindow::event(QEvent *event)
{
    // Qt 6 menus send an empty status tip whenever the pointer is over an
    // item without one, which would wipe the angle text from the status bar.
    if (event->type() == QEvent::StatusTip && static_cast<QStatusTipEvent *>(event)->tip().isEmpty())
        return true;
    return QMainWindow::event(event);
}

void GLObjectWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        emit languageChanged();
}

bool GLObjectWindow::eventFilter(QObject *watched, QEvent *event)
{
    // A spin box claims Ctrl+Z for its own text. Once its value is taken
    // (nothing typed is pending), the keys belong to the document's history.
    if (event->type() == QEvent::ShortcutOverride) {
        const QKeySequence keys(static_cast<QKeyEvent *>(event)->keyCombination());
        const bool historyKeys = undoAction->shortcuts().contains(keys) || redoAction->shortcuts().contains(keys);
        const auto *edit = watched->findChild<QLineEdit *>();
        if (historyKeys && !(edit && edit->isUndoAvailable())) {
            event->ignore();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void GLObjectWindow::setSize(int n)
{
    for (QSpinBox *spin : {ikSpin, jiSpin, kjSpin})
        spin->setMaximum(n);
    for (QSpinBox *spin : {ikSpin, jiSpin, kjSpin})
        spin->setMinimum(-n);
}

void GLObjectWindow::about()
{
    QMessageBox::about(this, tr("About..."),
                       tr("Illustrates Tervain's Transpose Switch<br>Intended to illustrate the structure<br>"
                          "and behavior of the switch network.<br><br>Written By Orvel Stane<br>"
                          "ostane@transpose-switch.invalid"
                          "<br><br>First draft: 12 hours<br>Added Features: 8 hours<br>"
                          "Minor Adjustments: 0.5 hours<br>Total: 20.5 Hours"));
}
