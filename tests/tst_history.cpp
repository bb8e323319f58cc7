// The Edit and File additions of the main window: undo and redo of every
// edit of the marks (clicks, clears, keys, a smaller size), and pictures of
// the view saved whole or not at all, or copied to the clipboard.
#include "app/globjectwindow.h"
#include "app/imagefile.h"
#include "app/markhistory.h"
#include "scenecamera.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QImageReader>
#include <QMenuBar>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QUndoStack>

using namespace ts;

class TestHistory : public QObject
{
    Q_OBJECT

    std::unique_ptr<GLObjectWindow> window;
    GLBox *view = nullptr;
    QSpinBox *grid = nullptr;

    QAction *action(const char *name) { return window->findChild<QAction *>(QLatin1String(name)); }
    NetworkState state() const { return view->network().snapshot(); }

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
        QCOMPARE(menus.size(), 4); // File, Edit, View, Help
        QCOMPARE(menus[0]->text(), QStringLiteral("&File"));
        QStringList file;
        for (QAction *a : menus[0]->menu()->actions())
            if (!a->isSeparator())
                file << a->text();
        QCOMPARE(file, (QStringList{QStringLiteral("Save Image..."), QStringLiteral("About"), QStringLiteral("Exit")}));
        QCOMPARE(action("undo")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
        QVERIFY(action("redo")->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Y)));
        QVERIFY(action("redo")->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));
        QVERIFY(!action("undo")->isEnabled()); // nothing to undo at the start
        QVERIFY(GLObjectWindow::keysAndMouseText().contains(QStringLiteral("Escape")));
    }

    void aClearIsUndone()
    {
        const NetworkState start = state();
        for (int t = 0; t < 12; ++t)
            clickTerminalFromAbove(*view, t % 4, t / 4, t % 3 == 0 ? Qt::LeftButton : Qt::RightButton);
        const NetworkState marked = state();
        int count = 0;
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j)
                count += view->network().terminalSelection(i, j) ? 1 : 0;
        QCOMPARE(count, 12);
        QTest::mouseClick(view, Qt::LeftButton, {}, {3, 3}); // empty space
        QVERIFY(state().marks == Marks{});
        action("undo")->trigger();
        QVERIFY(state() == marked);
        action("redo")->trigger();
        QVERIFY(state().marks == Marks{});
        action("undo")->trigger();
        for (int t = 0; t < 12; ++t)
            window->markHistory()->stack()->undo();
        QVERIFY(state() == start);
    }

    void aSmallerSizeIsUndone()
    {
        grid->setValue(8);
        view->setIKOffset(0);
        window->findChild<QSpinBox *>(QStringLiteral("ik_spin"))->setValue(6);
        clickTerminalFromAbove(*view, 7, 7, Qt::LeftButton);
        clickTerminalFromAbove(*view, 1, 2, Qt::MiddleButton);
        const NetworkState before = state();
        grid->setValue(3); // drops (7, 7) and pulls c1 from 6 to 3
        QCOMPARE(view->network().terminalSelection(7, 7), 0);
        QCOMPARE(view->network().offset(PlaneFamily::IK), 3);
        window->markHistory()->stack()->undo();
        QVERIFY(state() == before);
        QCOMPARE(grid->value(), 8); // the panel follows
        QCOMPARE(window->findChild<QSpinBox *>(QStringLiteral("ik_spin"))->value(), 6);
        window->markHistory()->stack()->redo();
        QCOMPARE(grid->value(), 3);
        QCOMPARE(view->network().size(), 3);
        QCOMPARE(view->network().terminalSelection(7, 7), 0);
        // A size change that drops nothing is not history.
        const int steps = window->markHistory()->stack()->count();
        grid->setValue(5);
        QCOMPARE(window->markHistory()->stack()->count(), steps);
    }

    void randomEditsUndoToTheStart()
    {
        QRandomGenerator rng(20261208);
        const NetworkState start = state();
        const CellGeometry g4(4);
        for (int step = 0; step < 60; ++step) {
            const int n = view->network().size();
            switch (rng.bounded(5)) {
            case 0:
                grid->setValue(rng.bounded(1, 9));
                break;
            case 1:
                QTest::mouseClick(view, Qt::LeftButton, {}, {2, 2});
                break;
            case 2: {
                PickedBox box;
                box.kind = PickedBox::Switch;
                box.i = rng.bounded(n);
                box.j = rng.bounded(n);
                box.k = rng.bounded(n);
                view->toggleMark(box, 1 << rng.bounded(3));
                break;
            }
            default:
                clickTerminalFromAbove(*view, rng.bounded(n), rng.bounded(n),
                                       rng.bounded(2) ? Qt::LeftButton : Qt::RightButton);
            }
        }
        QUndoStack *stack = window->markHistory()->stack();
        QVERIFY(stack->count() > 20);
        while (stack->canUndo())
            stack->undo();
        // Marks and size come back; offsets were never moved here.
        QCOMPARE(state().marks, start.marks);
        QCOMPARE(state().size, start.size);
        QCOMPARE(grid->value(), start.size);
    }

    void saveImageWritesTheFrame()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("view.png"));
        QVERIFY(window->saveViewImage(view, path));
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

    void copyImagePutsTheFrameOnTheClipboard()
    {
        QGuiApplication::clipboard()->clear();
        action("copy_image")->trigger();
        const QImage copied = QGuiApplication::clipboard()->image();
        QCOMPARE(copied.size(), view->size() * view->devicePixelRatio());
    }
};

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
