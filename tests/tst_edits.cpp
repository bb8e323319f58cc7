// The Edit and File additions of the main window, on the real window: undo
// and redo of every edit of the network from wherever the focus is, the
// controls showing the document however it changed, and pictures of the
// view saved whole or not at all, or copied to the clipboard.
#include "app/figureexport.h"
#include "app/globjectwindow.h"
#include "figure/imagefile.h"
#include "app/lessonfiles.h"
#include "core/lesson.h"
#include "figure/figurefile.h"
#include "support/filesizelimit.h"
#include "support/viewdriver.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QRadioButton>
#include <QDialog>
#include <QDir>
#include <QGuiApplication>
#include <QImageReader>
#include <QMenuBar>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

using namespace ts;

class TestEdits : public QObject
{
    Q_OBJECT

    std::unique_ptr<GLObjectWindow> window;
    GLBox *view = nullptr;
    QSpinBox *grid = nullptr;

    QAction *action(const char *name) { return window->findChild<QAction *>(QLatin1String(name)); }
    template <typename T = QSpinBox>
    T *find(const QString &name) { return window->findChild<T *>(name); }
    const SwitchNetwork &network() const { return view->network(); }
    QUndoStack *history() const { return window->document()->undoStack(); }

    // Every control of the panel shows what the document holds.
    void checkControlsShowTheDocument()
    {
        const SwitchNetwork &net = network();
        const DisplayOptions &options = view->displayOptions();
        QCOMPARE(grid->value(), net.size());
        for (const PlaneFamilyInfo &family : kPlaneFamilies) {
            const QString prefix = QLatin1String(family.key);
            const auto *spin = find(prefix + QStringLiteral("_spin"));
            QCOMPARE(spin->value(), net.offset(family.family));
            QCOMPARE(spin->maximum(), std::max(net.size(), net.offset(family.family)));
            QCOMPARE(spin->minimum(), std::min(-net.size(), net.offset(family.family)));
            const PlaneOptions &plane = options.plane(family.family);
            QCOMPARE(find<QCheckBox>(prefix + QStringLiteral("_hilite"))->isChecked(), plane.hilite);
            QCOMPARE(find<QCheckBox>(prefix + QStringLiteral("_plane"))->isChecked(), plane.plane);
            QCOMPARE(find<QCheckBox>(prefix + QStringLiteral("_opaque"))->isChecked(), plane.opaque);
        }
        QCOMPARE(find<QRadioButton>(options.routeMode == RoutePath ? "routing_path" : "routing_wire")->isChecked(), true);
        const char *wires[] = {"wires_off", "wires_used", "wires_all"};
        const char *switches[] = {"switches_fill", "switches_frame", "switches_off"};
        QVERIFY(find<QRadioButton>(QLatin1String(wires[options.wiresMode]))->isChecked());
        QVERIFY(find<QRadioButton>(QLatin1String(switches[options.switchesMode]))->isChecked());
    }

    void pressInFocus(QKeySequence keys)
    {
        QTest::keySequence(QApplication::focusWidget(), keys);
        QCoreApplication::processEvents();
    }

private slots:
    void init()
    {
        window = std::make_unique<GLObjectWindow>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        view = window->findChild<GLBox *>(QStringLiteral("glbox"));
        grid = window->findChild<QSpinBox *>(QStringLiteral("grid"));
    }
    void cleanup() { window.reset(); }

    void menusKeepTheOriginalItems()
    {
        const QList<QAction *> menus = window->menuBar()->actions();
        QCOMPARE(menus.size(), 5); // File, Edit, View, Practice, Help
        QCOMPARE(menus[0]->text(), QStringLiteral("&File"));
        QStringList file;
        for (QAction *a : menus[0]->menu()->actions())
            if (!a->isSeparator())
                file << a->text();
        // The lesson files and the picture before the two original items.
        QCOMPARE(file, (QStringList{"&New", "&Open...", "Open &Recent", "&Save", "Save &As...", "&Export Image...",
                                    "Export &Handout...", "About", "Exit"}));
        QCOMPARE(action("save_lesson")->shortcut(), QKeySequence(QKeySequence::Save));
        QCOMPARE(action("export_image")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
        QCOMPARE(action("undo")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
        QVERIFY(action("redo")->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Y)));
        QVERIFY(action("redo")->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));
        QVERIFY(!action("undo")->isEnabled()); // how the program starts is not history
        QVERIFY(GLObjectWindow::keysAndMouseText().contains(QStringLiteral("Escape")));
    }

    // Mark, then change c1 by typing into its box: the first Ctrl+Z, right
    // there in the box, takes back c1 alone and keeps the mark.
    void undoTakesBackTheLastEditOnly()
    {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        clickTerminalFromAbove(*view, 0, 0, Qt::LeftButton);
        auto *c1 = find(QStringLiteral("ik_spin"));
        c1->setFocus();
        c1->selectAll();
        QTest::keyClicks(c1, QStringLiteral("1"));
        QTest::keyClick(c1, Qt::Key_Return);
        QCOMPARE(network().offset(PlaneFamily::IK), 1);
        QCOMPARE(QApplication::focusWidget(), c1);

        pressInFocus(QKeySequence::Undo);
        QCOMPARE(c1->value(), 0);
        QCOMPARE(network().offset(PlaneFamily::IK), 0);
        QCOMPARE(network().terminalMark(0, 0), int(RedBit));
        pressInFocus(QKeySequence::Undo);
        QCOMPARE(network().terminalMark(0, 0), 0);
        pressInFocus(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
        pressInFocus(QKeySequence(Qt::CTRL | Qt::Key_Y));
        QCOMPARE(c1->value(), 1);
        QCOMPARE(network().offset(PlaneFamily::IK), 1);
        QCOMPARE(network().terminalMark(0, 0), int(RedBit));

        // While a number is being typed, Ctrl+Z is the box's own.
        c1->selectAll();
        QTest::keyClicks(c1, QStringLiteral("3"));
        pressInFocus(QKeySequence::Undo);
        QCOMPARE(network().offset(PlaneFamily::IK), 1);
        QCOMPARE(history()->index(), 2);
    }

    // A smaller size through the box drops marks and pulls c1 into range:
    // one edit, undone whole, and spinning the size is one edit too.
    void aSmallerSizeIsOneEdit()
    {
        grid->setValue(8);
        find(QStringLiteral("ik_spin"))->setValue(6);
        clickTerminalFromAbove(*view, 7, 7, Qt::LeftButton);
        clickTerminalFromAbove(*view, 1, 2, Qt::MiddleButton);
        const SwitchNetwork before = network();
        const int edits = history()->count();
        for (int n = 7; n >= 3; --n)
            grid->setValue(n);
        QCOMPARE(history()->count(), edits + 1);
        QCOMPARE(network().terminalMark(7, 7), 0);
        QCOMPARE(network().offset(PlaneFamily::IK), 3);
        history()->undo();
        QVERIFY(network() == before);
        checkControlsShowTheDocument();
        history()->redo();
        QCOMPARE(network().size(), 3);
        QCOMPARE(network().offset(PlaneFamily::IK), 3);
        checkControlsShowTheDocument();
    }

    // Whatever changes the document, every control shows it afterwards.
    void controlsShowTheDocument_data()
    {
        QTest::addColumn<QByteArray>("slot");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("setIKOffset") << QByteArray("setIKOffset") << QVariant(2);
        QTest::newRow("setSize") << QByteArray("setSize") << QVariant(7);
        QTest::newRow("an offset beyond -N..N") << QByteArray("setJIOffset") << QVariant(9);
        QTest::newRow("setWiresMode") << QByteArray("setWiresMode") << QVariant(2);
        QTest::newRow("setRouteMode") << QByteArray("setRouteMode") << QVariant(1);
        QTest::newRow("setKJOpaque") << QByteArray("setKJOpaque") << QVariant(true);
    }

    void controlsShowTheDocument()
    {
        QFETCH(QByteArray, slot);
        QFETCH(QVariant, value);
        const SwitchNetwork start = network();
        const bool isInt = value.typeId() == QMetaType::Int;
        QVERIFY(isInt ? QMetaObject::invokeMethod(view, slot.constData(), Q_ARG(int, value.toInt()))
                      : QMetaObject::invokeMethod(view, slot.constData(), Q_ARG(bool, value.toBool())));
        checkControlsShowTheDocument();
        if (network() == start)
            return; // a display option: not history
        history()->undo();
        QVERIFY(network() == start);
        checkControlsShowTheDocument();
        history()->redo();
        QVERIFY(network() != start);
        checkControlsShowTheDocument();
    }

    // Random edits through the controls, the mouse and the form, then all
    // undone: the start comes back; all redone: the end comes back.
    void randomEditsUndoAndRedoWhole()
    {
        QRandomGenerator rng(20261208);
        const SwitchNetwork start = network();
        for (int step = 0; step < 60; ++step) {
            const int n = network().size();
            switch (rng.bounded(6)) {
            case 0: grid->setValue(rng.bounded(1, 9)); break;
            case 1: find(QStringLiteral("kj_spin"))->setValue(rng.bounded(-n, n + 1)); break;
            case 2: QTest::mouseClick(view, Qt::LeftButton, {}, {2, 2}); break;
            case 3: view->toggleMark({PickedBox::Switch, rng.bounded(n), rng.bounded(n), rng.bounded(n)},
                                     1 << rng.bounded(3));
                break;
            default:
                clickTerminalFromAbove(*view, rng.bounded(n), rng.bounded(n),
                                       rng.bounded(2) ? Qt::LeftButton : Qt::RightButton);
            }
        }
        const SwitchNetwork end = network();
        QVERIFY(history()->count() > 20);
        while (history()->canUndo())
            history()->undo();
        QVERIFY(network() == start);
        checkControlsShowTheDocument();
        while (history()->canRedo())
            history()->redo();
        QVERIFY(network() == end);
        checkControlsShowTheDocument();
    }

    // A lesson opened shows whole, gives the window its caption, and its
    // unsaved changes are asked about: Cancel keeps everything.
    void lessonsAreNeverLost()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("lesson.tslesson"));
        Lesson lesson;
        lesson.title = QStringLiteral("Shifted");
        lesson.notes = QStringLiteral("Read this out.");
        lesson.first().network.setSize(6);
        lesson.first().network.setOffset(PlaneFamily::JI, -2);
        lesson.first().network.toggleTerminal(5, 1, GreenBit);
        lesson.first().options.wiresMode = WiresAll;
        lesson.first().options.plane(PlaneFamily::KJ).opaque = true;
        lesson.first().view = {30.0f, 330.0f, 1.0};
        QString error;
        QVERIFY(writeLessonFile(path, lesson, &error));
        QVERIFY(window->windowTitle().isEmpty());

        // A broken file changes nothing, history included.
        clickTerminalFromAbove(*view, 1, 1, Qt::LeftButton);
        const int edits = history()->count();
        const QString broken = dir.filePath(QStringLiteral("broken.tslesson"));
        QFile(broken).open(QIODevice::WriteOnly);
        QVERIFY(!window->lessonFiles()->open(broken, &error));
        QCOMPARE(history()->count(), edits);
        QCOMPARE(network().terminalMark(1, 1), int(RedBit));

        QVERIFY(window->lessonFiles()->open(path, &error));
        QVERIFY(view->document()->lesson() == lesson);
        QVERIFY(!history()->canUndo());
        checkControlsShowTheDocument();
        QCOMPARE(window->findChild<QLabel *>(QStringLiteral("lesson_title"))->text(), lesson.title);
        QCOMPARE(window->windowTitle(), QStringLiteral("Shifted[*]"));
        QVERIFY(!window->isWindowModified());
        QTRY_COMPARE(window->statusBar()->currentMessage(), QStringLiteral("Angle(030.0,330.0)"));

        clickTerminalFromAbove(*view, 0, 0, Qt::RightButton);
        QVERIFY(window->isWindowModified());
        const SwitchNetwork edited = network();
        QTimer::singleShot(0, this, [] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            box->button(QMessageBox::Cancel)->click();
        });
        QVERIFY(!window->close());
        QVERIFY(window->isVisible());
        QVERIFY(network() == edited);

        QVERIFY(window->lessonFiles()->save());
        QVERIFY(!window->isWindowModified());
        Lesson saved;
        QVERIFY(readLessonFile(path, &saved, &error));
        QVERIFY(saved.first().network == edited);
        QVERIFY(window->close()); // nothing unsaved: no question
    }

    void saveImageWritesTheFrame()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("view.png"));
        FigureOptions exactly;
        exactly.fit = false;
        QVERIFY(window->figureExport()->exportFigure(path, exactly, view->size() * view->devicePixelRatio()));
        QImageReader reader(path);
        QCOMPARE(reader.format(), QByteArray("png"));
        QCOMPARE(reader.size(), view->size() * view->devicePixelRatio());
        // Any other format the writer knows, by the name's suffix.
        QString error;
        QVERIFY(writeImageFile(view->grabFramebuffer(), dir.filePath(QStringLiteral("view.bmp")), &error));
        QCOMPARE(QImageReader(dir.filePath(QStringLiteral("view.bmp"))).format(), QByteArray("bmp"));
    }

    void failedSavesLeaveNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("into a missing folder") << QStringLiteral("missing/view.png");
        QTest::newRow("onto a folder") << QStringLiteral("folder");
        QTest::newRow("an unknown format") << QStringLiteral("view.nosuchformat");
    }

    void failedSavesLeaveNothing()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
        const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        QString error;
        QVERIFY(!writeImageFile(view->grabFramebuffer(), dir.filePath(name), &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("folder"))).isDir());
    }

    // On a full disk (a file size limit here) every write from the window
    // fails whole: the old file is kept byte for byte with nothing beside
    // it, a message names the file and the system's reason, and an unsaved
    // lesson stays unsaved.
    void failedWritesAreSaidAndLoseNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("background"); // FigureBackground, for exports
        QTest::newRow("lesson, Save") << "keep.tslesson" << -1;
        QTest::newRow("PNG as on screen") << "keep.png" << int(FigureBackground::Screen);
        QTest::newRow("PNG for print") << "keep.png" << int(FigureBackground::Print);
        QTest::newRow("SVG") << "keep.svg" << int(FigureBackground::Screen);
        QTest::newRow("PDF") << "keep.pdf" << int(FigureBackground::Print);
    }

    void failedWritesAreSaidAndLoseNothing()
    {
        QFETCH(QString, name);
        QFETCH(int, background);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        Lesson small;
        small.title = QStringLiteral("Small");
        QVERIFY(writeLessonFile(path, small, nullptr));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray old = file.readAll();
        file.close();
        if (background < 0)
            QVERIFY(window->lessonFiles()->open(path, nullptr));
        clickTerminalFromAbove(*view, 1, 2, Qt::LeftButton);

        QString said;
        QTimer::singleShot(0, this, [&said] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            said = box->text();
            box->close();
        });
        bool written = true;
        {
            const support::FileSizeLimit disk(std::max<qint64>(old.size(), 64));
            if (background < 0) {
                written = window->lessonFiles()->save();
            } else {
                FigureOptions options;
                options.background = FigureBackground(background);
                const bool pdf = name.endsWith(QLatin1String(".pdf"));
                written = window->figureExport()->exportFigure(path, options, pdf ? QSizeF(kDefaultPdfMillimetres) : QSizeF(400, 400));
            }
        }
        QVERIFY(!written);
        QVERIFY2(said.contains(QDir::toNativeSeparators(path)) && said.contains(QStringLiteral("File too large")),
                 qPrintable(said));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{name});
        if (background < 0)
            QVERIFY(window->isWindowModified() && window->document()->isModified());
    }

    // Only one local lesson file dropped on the window is taken, and opened.
    void droppedLessonsOpen_data()
    {
        QTest::addColumn<QStringList>("names"); // in the test's folder; "http:" names a remote one
        QTest::addColumn<bool>("opened");
        QTest::newRow("a lesson") << QStringList{"a.tslesson"} << true;
        QTest::newRow("a text file") << QStringList{"a.txt"} << false;
        QTest::newRow("two lessons") << QStringList{"a.tslesson", "b.tslesson"} << false;
        QTest::newRow("a remote lesson") << QStringList{"http:a.tslesson"} << false;
    }

    void droppedLessonsOpen()
    {
        QFETCH(QStringList, names);
        QFETCH(bool, opened);
        QTemporaryDir dir;
        Lesson lesson;
        lesson.title = QStringLiteral("Dropped");
        lesson.first().network.setSize(3);
        QList<QUrl> urls;
        for (const QString &name : names) {
            QString error;
            const QString file = dir.filePath(QString(name).remove(QStringLiteral("http:")));
            QVERIFY(writeLessonFile(file, lesson, &error));
            urls << (name.startsWith(QLatin1String("http:")) ? QUrl(QStringLiteral("http://example.invalid/a.tslesson"))
                                                             : QUrl::fromLocalFile(file));
        }
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window.get(), &enter);
        QCOMPARE(enter.isAccepted(), opened);
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window.get(), &drop);
        QCOMPARE(window->windowTitle(), opened ? QStringLiteral("Dropped[*]") : QString());
        QCOMPARE(network().size(), opened ? 3 : kDefaultNetworkSize);
    }

    // An example opens as an untitled copy: Save asks where, and the
    // shipped file is never written over. Turning the view is a change.
    void examplesOpenAsUntitledCopies()
    {
        const QStringList examples = LessonFiles::exampleLessons();
        QVERIFY(!examples.isEmpty());
        QFile shipped(examples.last());
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        const QByteArray bytes = shipped.readAll();
        Lesson lesson;
        QVERIFY(readLessonFile(examples.last(), &lesson, nullptr));
        auto *menu = window->findChild<QMenu *>(QStringLiteral("example_lessons"));
        menu->actions().last()->trigger();
        QVERIFY(window->document()->lesson() == lesson);
        QVERIFY(window->lessonFiles()->currentFile().isEmpty());
        QCOMPARE(window->windowTitle(), lesson.title + QStringLiteral("[*]"));
        QVERIFY(!window->isWindowModified());

        view->setFocus();
        QTest::keyClick(view, Qt::Key_Right); // turns by 5 degrees
        QVERIFY(window->isWindowModified());
        QCOMPARE(history()->count(), 0);
        bool asked = false;
        QTimer::singleShot(0, this, [&asked] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            asked = dialog && dialog->windowTitle() == QStringLiteral("Save Lesson");
            if (dialog)
                dialog->reject();
        });
        QVERIFY(!window->lessonFiles()->save());
        QVERIFY(asked);
        shipped.seek(0);
        QCOMPARE(shipped.readAll(), bytes);
        QVERIFY(window->isWindowModified());
    }

    void copyImagePutsTheFrameOnTheClipboard()
    {
        QGuiApplication::clipboard()->clear();
        action("copy_image")->trigger();
        const QImage copied = QGuiApplication::clipboard()->image();
        QCOMPARE(copied.size(), view->size() * view->devicePixelRatio());
    }
};

QTEST_MAIN(TestEdits)
#include "tst_edits.moc"
