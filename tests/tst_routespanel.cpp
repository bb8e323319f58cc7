// The routes panel, the mark form, the view's tooltips and what assistive
// technology is told, on the real window.
#include "app/globjectwindow.h"
#include "app/figureexport.h"
#include "app/lessonfiles.h"
#include "app/notesview.h"
#include "app/practicepanel.h"
#include "app/presenter.h"
#include "core/lesson.h"
#include "core/networkdocument.h"
#include "core/routetext.h"
#include "figure/handout.h"
#include "support/viewdriver.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QDockWidget>
#include <QHelpEvent>
#include <QAbstractItemModel>
#include <QAbstractItemModelTester>
#include <QScrollBar>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QSignalSpy>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QUndoStack>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolTip>

using namespace ts;

// Measured for a lesson of 1 MiB: opened and shown in up to 0.3 s (0.6 s
// under the sanitizers), 131 s before; the notes dialog in up to 1.3 s (2.5 s), 47 s before.
constexpr qint64 kLargeLessonMs = 3000;
constexpr qint64 kNotesDialogMs = 10000;

class TestRoutesPanel : public QObject
{
    Q_OBJECT

    std::unique_ptr<GLObjectWindow> window;
    GLBox *view = nullptr;

    template <typename T>
    T *find(const char *name) const
    {
        T *found = window->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no %s", name);
        return found;
    }

    QStringList entries(const char *list = "route_list") const
    {
        QStringList texts;
        const QAbstractItemModel *model = find<QListView>(list)->model();
        for (int r = 0; r < model->rowCount(); ++r)
            texts << model->index(r, 0).data().toString();
        return texts;
    }

    // The tooltip the view gives at a point, or an empty string.
    QString tooltipAt(const QPointF &at)
    {
        QHelpEvent help(QEvent::ToolTip, at.toPoint(), view->mapToGlobal(at.toPoint()));
        QCoreApplication::sendEvent(view, &help);
        return help.isAccepted() && QToolTip::isVisible() ? QToolTip::text() : QString();
    }

    // Moves the keyboard focus with Tab alone until it reaches the widget.
    bool tabTo(const char *name)
    {
        QWidget *target = find<QWidget>(name);
        for (int t = 0; t < 120 && QApplication::focusWidget() != target; ++t)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        return QApplication::focusWidget() == target;
    }

    // Reads an interface as a screen reader does: its texts, every cell of a
    // table, and its children's.
    static void readAloud(QAccessibleInterface *a, int depth = 0)
    {
        if (!a || !a->isValid())
            return;
        a->text(QAccessible::Name);
        a->text(QAccessible::Description);
        if (QAccessibleTableInterface *table = a->tableInterface())
            for (int cell = 0; cell < table->rowCount() * table->columnCount(); ++cell)
                if (QAccessibleInterface *read = table->cellAt(cell / table->columnCount(), cell % table->columnCount()))
                    read->text(QAccessible::Name);
        for (int c = 0; depth < 2 && c < a->childCount(); ++c)
            readAloud(a->child(c), depth + 1);
    }

    void markWithForm(int i, int j, int k, const char *button)
    {
        find<QSpinBox>("mark_i")->setValue(i);
        find<QSpinBox>("mark_j")->setValue(j);
        find<QSpinBox>("mark_k")->setValue(k);
        find<QPushButton>(button)->click();
    }

private slots:
    void init()
    {
        window = std::make_unique<GLObjectWindow>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        view = find<GLBox>("glbox");
    }
    void cleanup() { window.reset(); }

    void panelFollowsTheNetwork()
    {
        auto *dock = find<QDockWidget>("routes");
        QVERIFY(dock->isVisible());
        QCOMPARE(window->dockWidgetArea(dock), Qt::RightDockWidgetArea);
        QCOMPARE(view->size(), QSize(800, 800)); // the view keeps its 800 x 800

        clickTerminalFromAbove(*view, 1, 3, Qt::LeftButton);
        QCOMPARE(entries().size(), 1);
        QVERIFY2(entries()[0].contains(QStringLiteral("red: terminal (1, 3): down to level k = 1 at switch (1, 3, 1)")),
                 qPrintable(entries()[0]));
        QVERIFY(entries()[0].contains(QStringLiteral("(3, 3, 1)")) && entries()[0].contains(QStringLiteral("(3, 1, 1)")));
        QVERIFY(entries()[0].endsWith(QStringLiteral("up to terminal (3, 1), where it arrives.")));
        QVERIFY(entries("route_summary").contains(QStringLiteral("terminal (3, 1) is reached by red")));

        // A click among many marked terminals adds its one line and words
        // no other: the list keeps its selection and scroll position.
        for (int i = 0; i < 4; ++i)
            view->toggleMark({PickedBox::Terminal, i, 0, -1}, GreenBit);
        const QAbstractItemModel *model = find<QListView>("route_list")->model();
        QSignalSpy inserted(model, &QAbstractItemModel::rowsInserted);
        QSignalSpy removed(model, &QAbstractItemModel::rowsRemoved);
        QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
        QSignalSpy reset(model, &QAbstractItemModel::modelReset);
        clickTerminalFromAbove(*view, 2, 2, Qt::LeftButton);
        QCOMPARE(inserted.size(), 1);
        QCOMPARE(inserted[0][1].toInt(), 4); // after (0, 0), (1, 0), (1, 3), (2, 0)
        clickTerminalFromAbove(*view, 1, 3, Qt::RightButton); // red + blue: one line changes
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed[0][0].toModelIndex().row(), 2);
        QCOMPARE(removed.size() + reset.size(), 0);
        view->document()->undoStack()->undo();
        view->document()->undoStack()->undo();
        for (int i = 0; i < 4; ++i)
            view->toggleMark({PickedBox::Terminal, i, 0, -1}, GreenBit);

        // c1 = 1: terminal (0, 0) dies at the i = k + c1 family.
        clickTerminalFromAbove(*view, 0, 0, Qt::RightButton);
        find<QSpinBox>("ik_spin")->setValue(1);
        const QStringList now = entries();
        QCOMPARE(now.size(), 2);
        QVERIFY2(now[0].startsWith(QStringLiteral("blue: terminal (0, 0): dies at once: no level k in 0..3 with 0 = k + 1 [i = k + c1]")),
                 qPrintable(now[0]));

        // A smaller network drops the entries beyond it.
        find<QSpinBox>("grid")->setValue(6);
        clickTerminalFromAbove(*view, 5, 5, Qt::MiddleButton);
        QCOMPARE(entries().size(), 3);
        find<QSpinBox>("grid")->setValue(3); // keeps (0, 0) only
        QCOMPARE(entries().size(), 1);
        QVERIFY(entries()[0].startsWith(QStringLiteral("blue: terminal (0, 0)")));
        QCOMPARE(find<QSpinBox>("mark_i")->maximum(), 2);
        QCOMPARE(find<QSpinBox>("mark_k")->maximum(), 2);
    }

    // Step through the selected route: the texts of its legs in turn; a
    // dead end stops at its family; Escape and a change of the marks end it.
    void steppingThroughARoute()
    {
        clickTerminalFromAbove(*view, 1, 3, Qt::LeftButton);
        auto *list = find<QListView>("route_list");
        list->setCurrentIndex(list->model()->index(0, 0));
        auto *text = find<QLabel>("step_text");
        const QStringList endings{"down to level k = 1 at switch (1, 3, 1) [i = k + c1]",
                                  "along x to i1 = 3 at switch (3, 3, 1) [j = i + c2]",
                                  "along z to j1 = 1 at switch (3, 1, 1) [k = j + c3]",
                                  "up to terminal (3, 1), where it arrives"};
        for (int s = 0; s < 4; ++s) {
            find<QAbstractButton>("step_next")->click();
            QCOMPARE(text->text(), QStringLiteral("step %1 of 4: ").arg(s + 1) + endings[s]);
        }
        QCOMPARE(view->routeStep().legs, 4);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        view->setFocus();
        QTest::keyClick(view, Qt::Key_Comma);
        QCOMPARE(view->routeStep().legs, 3);
        QTest::keyClick(view, Qt::Key_Escape); // ends the stepping, keeps the mark
        QVERIFY(!view->routeStep().active);
        QCOMPARE(view->network().terminalMark(1, 3), int(RedBit));

        // A lesson's scene brings its own step: the words and the next leg
        // go on from it, not from the start.
        Lesson stepped = window->document()->lesson();
        stepped.first().presentation.step = {true, 1, 3, 2};
        window->document()->open(stepped);
        QCOMPARE(text->text(), QStringLiteral("step 2 of 4: ") + endings[1]);
        find<QAbstractButton>("step_next")->click();
        QCOMPARE(view->routeStep().legs, 3);
        QCOMPARE(text->text(), QStringLiteral("step 3 of 4: ") + endings[2]);

        view->clearMarks();
        find<QSpinBox>("ik_spin")->setValue(2);
        view->toggleMark({PickedBox::Terminal, 1, 0, -1}, BlueBit);
        QTest::keyClick(view, Qt::Key_Period); // the first marked route when none is selected
        QTest::keyClick(view, Qt::Key_Period);
        QCOMPARE(text->text(),
                 QStringLiteral("step 1 of 1: dies at once: no level k in 0..3 with 1 = k + 2 [i = k + c1]"));
        view->toggleMark({PickedBox::Terminal, 2, 2, -1}, RedBit);
        QVERIFY(!view->routeStep().active); // the marks changed
    }

    // A click on a cell of the map marks that terminal red, one edit.
    void theMapMarks()
    {
        find<QSpinBox>("grid")->setValue(8);
        auto *map = find<QTableView>("map");
        QCOMPARE(map->model()->rowCount(), 8);
        QCOMPARE(map->model()->index(1, 2).data().toString(), QStringLiteral("(1, 2)"));
        const int edits = view->document()->undoStack()->count();
        find<QTabWidget>("routes_tabs")->setCurrentIndex(1);
        QTest::mouseClick(map->viewport(), Qt::LeftButton, {}, map->visualRect(map->model()->index(1, 2)).center());
        QCOMPARE(view->network().terminalMark(2, 1), int(RedBit));
        QCOMPARE(view->document()->undoStack()->count(), edits + 1);
        QCOMPARE(map->model()->index(1, 2).data(Qt::BackgroundRole).value<QColor>(), QColor::fromRgbF(0.5, 0, 0));
        map->setFocus();
        QTest::keyClick(map, Qt::Key_Space); // the current cell again: unmarked
        QCOMPARE(view->network().terminalMark(2, 1), 0);
        find<QSpinBox>("grid")->setValue(3);
        QCOMPARE(map->model()->columnCount(), 3);
    }

    // The map fits a narrow dock at any size: no sideways scrolling, every
    // column seen, each cell's whole sentence in its tooltip.
    void theMapFitsItsDock_data()
    {
        QTest::addColumn<int>("n");
        for (int n : {1, 8, 15})
            QTest::addRow("N = %d", n) << n;
    }

    void theMapFitsItsDock()
    {
        QFETCH(int, n);
        find<QSpinBox>("grid")->setValue(n);
        find<QTabWidget>("routes_tabs")->setCurrentIndex(1);
        auto *dock = find<QDockWidget>("routes");
        window->resizeDocks({dock}, {340}, Qt::Horizontal);
        QCoreApplication::processEvents();
        auto *map = find<QTableView>("map");
        QVERIFY(map->isVisible());
        QCOMPARE(map->horizontalScrollBar()->maximum(), 0);
        for (int c = 0; c < n; ++c) {
            const QRect cell = map->visualRect(map->model()->index(0, c));
            QVERIFY2(cell.left() >= 0 && cell.right() < map->viewport()->width() + 1, qPrintable(QString::number(c)));
        }
        const QModelIndex last = map->model()->index(n - 1, n - 1);
        QCOMPARE(last.data(Qt::ToolTipRole).toString(),
                 describeTerminal(view->network(), n - 1, n - 1));
        QVERIFY(find<QLabel>("map_key")->text().contains(QStringLiteral("IK: i = k1 + c1")));
    }

    // Short notes take the lines they need; the lists below get the rest.
    void shortNotesLeaveRoomToTheLists()
    {
        find<QTabWidget>("routes_tabs")->setCurrentIndex(0);
        Lesson lesson;
        lesson.notes = QStringLiteral("One line of notes.");
        window->document()->open(lesson);
        QCoreApplication::processEvents();
        auto *notes = find<NotesView>("lesson_notes");
        const int line = notes->fontMetrics().lineSpacing();
        QVERIFY2(notes->height() < 4 * line, qPrintable(QString::number(notes->height())));
        QVERIFY(find<QListView>("route_list")->height() > 4 * notes->height());
        lesson.notes = QStringLiteral("A line.\n").repeated(100);
        window->document()->open(lesson);
        QCoreApplication::processEvents();
        QVERIFY(notes->height() > 8 * line && notes->height() <= (NotesView::kMostLines + 2) * line);
    }

    // A whole round through the widgets: the first question answered wrong
    // twice, the rest right by the form, the buttons, the offset boxes or a
    // click on the terminal in the view.
    void aPracticeRound()
    {
        window->startPractice(2718, PracticeLevel::Medium);
        auto *panel = window->findChild<PracticePanel *>();
        auto *feedback = find<QLabel>("feedback");
        auto click = [this](const char *name) { find<QAbstractButton>(name)->click(); };
        auto set = [this](const char *name, int value) { find<QSpinBox>(name)->setValue(value); };
        for (int n = 0; n < kQuestionsPerRound; ++n) {
            const Question q = panel->question();
            QVERIFY(view->network() == q.network()); // the question set the network, marks cleared
            const RouteTrace r = q.network().trace(q.a, q.b);
            if (n == 1) { // "Which terminal arrives at (1, 0)?", by the keyboard alone: (3, 3)
                window->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(window.get()));
                view->setFocus();
                QVERIFY(tabTo("answer_i"));
                QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("3"));
                QVERIFY(tabTo("answer_j"));
                QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("3"));
                QVERIFY(tabTo("answer_check"));
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
                QVERIFY2(feedback->text().startsWith(QStringLiteral("Right. ")), qPrintable(feedback->text()));
                QVERIFY(tabTo("practice_next"));
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
                continue;
            }
            if (n == 0) { // "Which terminal arrives at (1, 3)?": (5, 2) does
                set("answer_i", 0);
                click("answer_check");
                QVERIFY(feedback->text().startsWith(QStringLiteral("Not quite: try once more. ")));
                click("answer_check");
                QCOMPARE(feedback->text(), QStringLiteral("Not quite: ") +
                                               describeRoute(q.network(), 5, 2));
                QVERIFY(view->routeStep().active && view->routeStep().i0 == 5 && view->routeStep().j0 == 2);
                QCOMPARE(view->network().terminalMark(5, 2), int(RedBit));
                click("practice_next");
                continue;
            }
            switch (q.kind) {
            case QuestionKind::Arrival:
                if (r.arrives())
                    clickTerminalFromAbove(*view, r.i1, r.j1, Qt::LeftButton);
                else
                    click("answer_dies");
                break;
            case QuestionKind::TurnLevel:
                set("answer_k", r.k);
                click(r.k >= 0 ? "answer_check" : "answer_dies");
                break;
            case QuestionKind::EndingFamily:
                click(r.k < 0 ? "answer_ik" : r.i1 < 0 ? "answer_ji" : r.j1 < 0 ? "answer_kj" : "answer_none");
                break;
            case QuestionKind::Source: {
                int i = 0, j = 0;
                const bool some = explainedTerminal(q, &i, &j);
                set("answer_i", i);
                set("answer_j", j);
                click(some ? "answer_check" : "answer_dies");
                break;
            }
            case QuestionKind::Construct:
                set("ik_spin", q.a);
                set("ji_spin", q.b - q.c);
                set("kj_spin", -q.d);
                click("answer_check");
                break;
            }
            QVERIFY2(feedback->text().startsWith(QStringLiteral("Right. ")), qPrintable(feedback->text()));
            click("practice_next");
        }
        QCOMPARE(find<QLabel>("score")->text(), QStringLiteral("9 of 10 right"));
        auto *summary = find<QListWidget>("practice_summary");
        QVERIFY(summary->count() >= 3);
        QCOMPARE(summary->item(summary->count() - 1)->text().left(10), QStringLiteral("Missed 1: "));
    }

    void clearAllIsAClickOnEmptySpace()
    {
        clickTerminalFromAbove(*view, 2, 1, Qt::LeftButton);
        markWithForm(1, 1, 2, "mark_blue");
        const Marks marked = view->network().marks();
        QTest::mouseClick(view, Qt::LeftButton, {}, {2, 2});
        const Marks afterClick = view->network().marks();
        view->document()->undoStack()->undo();
        QVERIFY(view->network().marks() == marked);
        find<QPushButton>("clear_marks")->click();
        QVERIFY(view->network().marks() == afterClick);
        QVERIFY(afterClick == Marks{});
        QCOMPARE(entries().size(), 1); // the "nothing marked" line
    }

    // Each button of the form toggles exactly what a click with its mouse
    // button on the same box does, for terminals and switches.
    void formEqualsTheMouse_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<int>("mouse");
        QTest::newRow("red") << QByteArray("mark_red") << int(Qt::LeftButton);
        QTest::newRow("green") << QByteArray("mark_green") << int(Qt::MiddleButton);
        QTest::newRow("blue") << QByteArray("mark_blue") << int(Qt::RightButton);
    }

    void formEqualsTheMouse()
    {
        QFETCH(QByteArray, button);
        QFETCH(int, mouse);
        const CellGeometry g(4);
        // A terminal: clicked from above, then the same with the form on a copy of the start.
        clickTerminalFromAbove(*view, 2, 3, Qt::MouseButton(mouse));
        const Marks byMouse = view->network().marks();
        view->clearMarks();
        markWithForm(2, 3, -1, button.constData());
        QVERIFY(view->network().marks() == byMouse);
        view->clearMarks();

        // A switch of the front layer, seen straight on.
        view->setRotation(0, 0);
        QCoreApplication::processEvents();
        QTest::mouseClick(view, Qt::MouseButton(mouse), {}, project(*view, {g.x(1), g.y(2), g.z(0)}).toPoint());
        const Marks switchByMouse = view->network().marks();
        QVERIFY(switchByMouse != Marks{});
        view->clearMarks();
        markWithForm(1, 0, 2, button.constData());
        QVERIFY(view->network().marks() == switchByMouse);
        markWithForm(1, 0, 2, button.constData()); // and toggles back
        QVERIFY(view->network().marks() == Marks{});
    }

    // Tab, arrows and Space alone reach the form from the view and mark a
    // switch and a terminal, and clear them, as the mouse would.
    void keyboardAlone()
    {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        view->setFocus();
        auto press = [](Qt::Key key, int times) {
            for (int t = 0; t < times; ++t)
                QTest::keyClick(QApplication::focusWidget(), key);
        };
        QVERIFY(tabTo("mark_i"));
        press(Qt::Key_Up, 2);
        QVERIFY(tabTo("mark_j"));
        press(Qt::Key_Up, 1);
        QVERIFY(tabTo("mark_k"));
        QCOMPARE(find<QSpinBox>("mark_k")->text(), QStringLiteral("top"));
        press(Qt::Key_Up, 3); // level 2
        QVERIFY(tabTo("mark_blue"));
        press(Qt::Key_Space, 1);
        QCOMPARE(view->network().switchMark(2, 1, 2), int(BlueBit));
        QVERIFY(tabTo("mark_k"));
        press(Qt::Key_Down, 3); // back to "top": the terminal (2, 1)
        QVERIFY(tabTo("mark_green"));
        press(Qt::Key_Space, 1);
        QCOMPARE(view->network().terminalMark(2, 1), int(GreenBit));
        QVERIFY(tabTo("clear_marks"));
        press(Qt::Key_Space, 1);
        QVERIFY(view->network().marks() == Marks{});
    }

    void tooltipsNameTheBoxUnderThePointer()
    {
        find<QSpinBox>("grid")->setValue(15);
        clickTerminalFromAbove(*view, 4, 9, Qt::LeftButton);
        const Marks before = view->network().marks();
        const CellGeometry g(15);
        QCOMPARE(tooltipAt(project(*view, {g.x(4), 1, g.z(9)})),
                 QStringLiteral("terminal (4, 9): its route arrives at terminal (9, 4); marked red"));
        QCOMPARE(tooltipAt(project(*view, {g.x(9), 1, g.z(4)})),
                 QStringLiteral("terminal (9, 4): its route arrives at terminal (4, 9); reached by red"));
        QCOMPARE(tooltipAt({3, 3}), QString()); // empty space: nothing
        view->setRotation(0, 0);
        QCoreApplication::processEvents();
        const QString sw = tooltipAt(project(*view, {g.x(7), g.y(7), g.z(0)}));
        QCOMPARE(sw, QStringLiteral("switch (7, 0, 7): on i = k + c1"));
        // Hovering, over boxes and empty space alike, changed no mark.
        QVERIFY(view->network().marks() == before);
    }

    // A screen reader reads the window while the network changes every way
    // it can, each item model under Qt's model tester. While a reader is
    // active Qt's views tell their accessible tables of each row and column
    // change; without an accessibility bus here, the test tells the map's.
    void aScreenReaderFollowsEveryChange()
    {
        std::vector<std::unique_ptr<QAbstractItemModelTester>> testers;
        for (QAbstractItemModel *model : window->findChildren<QAbstractItemModel *>())
            testers.push_back(std::make_unique<QAbstractItemModelTester>(
                model, QAbstractItemModelTester::FailureReportingMode::Fatal));
        auto *map = find<QTableView>("map");
        QAccessibleInterface *table = QAccessible::queryAccessibleInterface(map);
        using Change = QAccessibleTableModelChangeEvent;
        auto follow = [map, table](auto signal, Change::ModelChangeType type, bool rows) {
            connect(map->model(), signal, map, [=](const QModelIndex &, int first, int last) {
                Change change(map, type);
                rows ? change.setFirstRow(first) : change.setFirstColumn(first);
                rows ? change.setLastRow(last) : change.setLastColumn(last);
                table->tableInterface()->modelChange(&change);
                readAloud(table); // at once, as the bridge is told
            });
        };
        if (!QAccessible::isActive()) {
            follow(&QAbstractItemModel::rowsInserted, Change::RowsInserted, true);
            follow(&QAbstractItemModel::rowsRemoved, Change::RowsRemoved, true);
            follow(&QAbstractItemModel::columnsInserted, Change::ColumnsInserted, false);
            follow(&QAbstractItemModel::columnsRemoved, Change::ColumnsRemoved, false);
        }
        NetworkDocument *doc = window->document();
        auto size = [this](int n) { return [this, n] { find<QSpinBox>("grid")->setValue(n); }; };
        Lesson lesson;
        QVERIFY(lesson.first().network.setSize(9));
        lesson.first().network.toggleTerminal(8, 7, RedBit);
        const std::function<void()> changes[] = {
            [doc] { doc->toggleTerminal(1, 3, RedBit); }, size(15), size(1), size(4),
            [this] { find<QTabWidget>("routes_tabs")->setCurrentIndex(1); }, size(15), size(1), size(4),
            [doc] { doc->setOffset(PlaneFamily::JI, 2); }, [doc] { doc->toggleSwitch(3, 1, 2, BlueBit); },
            [doc] { doc->addScene(); }, size(12), [doc] { doc->showScene(0); }, [doc] { doc->moveScene(0, 1); },
            [doc] { doc->deleteScene(1); }, [doc] { doc->duplicateScene(); },
            [doc] { while (doc->undoStack()->canUndo()) doc->undoStack()->undo(); },
            [this] { window->startPractice(2718, PracticeLevel::Large); }, // a question's network
            [doc, &lesson] { doc->open(lesson); },
            [this] { find<QAction>("new_lesson")->trigger(); }};
        for (const auto &change : changes) {
            change();
            QCoreApplication::processEvents();
            for (QWidget *w : window->findChildren<QWidget *>())
                readAloud(QAccessible::queryAccessibleInterface(w));
            const int n = doc->network().size();
            QCOMPARE(table->tableInterface()->rowCount(), n);
            QCOMPARE(table->tableInterface()->cellAt(n - 1, n - 1)->text(QAccessible::Name),
                     map->model()->index(n - 1, n - 1).data(Qt::AccessibleTextRole).toString());
        }
    }

    // The Scenes dock: choosing a row shows its scene, with its words in the
    // Routes dock; the buttons edit the list through the history; each row
    // has a picture of its own scene.
    void scenesDockShowsAndEditsTheScenes()
    {
        NetworkDocument *doc = window->document();
        Lesson lesson;
        lesson.title = QStringLiteral("Tour");
        lesson.notes = QStringLiteral("The lesson's notes.");
        lesson.scenes.resize(3);
        for (int s = 0; s < 3; ++s) {
            LessonScene &scene = lesson.scenes[std::size_t(s)];
            QVERIFY(scene.network.setSize(3 + 4 * s));
            scene.title = s == 1 ? QString() : QStringLiteral("Step %1").arg(s);
            scene.notes = s == 2 ? QStringLiteral("Scene notes.") : QString();
        }
        doc->open(lesson);
        auto *list = find<QListView>("scene_list");
        QAbstractItemModel *model = list->model();
        QCOMPARE(model->rowCount(), 3);
        QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("1. Step 0"));
        QCOMPARE(model->index(1, 0).data().toString(), QStringLiteral("Scene 2"));
        const QImage first = model->index(0, 0).data(Qt::DecorationRole).value<QImage>();
        const QImage last = model->index(2, 0).data(Qt::DecorationRole).value<QImage>();
        QVERIFY(!first.isNull() && first != last);

        list->setCurrentIndex(model->index(2, 0));
        QCOMPARE(doc->currentScene(), 2);
        QCOMPARE(doc->network().size(), 11);
        QCOMPARE(viewFigureContent(view).network.size(), 11); // Export Image draws the scene shown
        // File → Export Handout: a page per scene, whichever is shown.
        QTemporaryDir dir;
        const QString handout = dir.filePath(QStringLiteral("tour.pdf"));
        QVERIFY(window->findChild<FigureExport *>()->exportHandout(handout, FigureFormat::Pdf, FigureOptions{},
                                                                   kHandoutPageMillimetres));
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {handout});
        QVERIFY(info.waitForFinished() && info.readAllStandardOutput().contains("Pages:           3\n"));
        QCOMPARE(find<QLabel>("lesson_title")->text(), QStringLiteral("Step 2"));
        QVERIFY(find<NotesView>("lesson_notes")->toPlainText() == QStringLiteral("Scene notes."));
        list->setCurrentIndex(model->index(1, 0));
        QCOMPARE(find<QLabel>("lesson_title")->text(), QStringLiteral("Tour")); // no words of its own
        QVERIFY(find<NotesView>("lesson_notes")->toPlainText() == lesson.notes);

        find<QPushButton>("scene_add")->click();
        QCOMPARE(model->rowCount(), 4);
        QCOMPARE(list->currentIndex().row(), 2);
        QCOMPARE(doc->network().size(), 7);
        QVERIFY(model->setData(model->index(2, 0), QStringLiteral("Added"), Qt::EditRole));
        QCOMPARE(model->index(2, 0).data().toString(), QStringLiteral("3. Added"));
        find<QPushButton>("scene_up")->click();
        QCOMPARE(model->index(1, 0).data().toString(), QStringLiteral("2. Added"));
        QCOMPARE(list->currentIndex().row(), 1);
        QVERIFY(doc->isModified());
        for (int edits = 3; edits > 0; --edits)
            find<QAction>("undo")->trigger();
        QCOMPARE(model->rowCount(), 3);
        QVERIFY(doc->lesson() == lesson);
        QVERIFY(!doc->isModified());
        for (int s = 0; s < 2; ++s)
            find<QPushButton>("scene_delete")->click();
        QCOMPARE(model->rowCount(), 1);
        QVERIFY(!find<QPushButton>("scene_delete")->isEnabled());
    }

    // Present: the view alone, full screen, with a counter; the presenter's
    // keys and a click on empty space walk the scenes, instantly or turning
    // the shortest way round; Escape gives the window back as it was.
    void presentWalksTheScenes()
    {
        NetworkDocument *doc = window->document();
        Lesson lesson;
        lesson.title = QStringLiteral("Tour <&>");
        lesson.notes = QStringLiteral("Lesson notes <b>");
        lesson.scenes.resize(3);
        for (int s = 0; s < 3; ++s) {
            LessonScene &scene = lesson.scenes[std::size_t(s)];
            QVERIFY(scene.network.setSize(2 + s));
            scene.title = s == 1 ? QString() : QStringLiteral("Scene <%1>").arg(s);
            scene.view.rotX = 20.0f;
            scene.view.rotY = s == 1 ? 10.0f : 340.0f; // the short way crosses 0
        }
        doc->open(lesson);
        auto *present = find<QAction>("present");
        auto *smooth = find<QAction>("smooth_transitions");
        auto *counter = find<QLabel>("present_counter");
        smooth->setChecked(false);
        QVERIFY(!counter->isVisible());

        present->trigger();
        QVERIFY(window->isFullScreen());
        for (const char *gone : {"routes", "scenes"})
            QVERIFY(!find<QDockWidget>(gone)->isVisible());
        QVERIFY(!window->menuBar()->isVisible() && !window->statusBar()->isVisible());
        QVERIFY(!find<QWidget>("vbox")->isVisible());
        QVERIFY(counter->isVisible());
        QCOMPARE(counter->text(), QStringLiteral("1 / 3  Scene <0>"));

        struct Step
        {
            Qt::Key key;
            int scene;
        };
        for (const Step &step : {Step{Qt::Key_PageDown, 1}, Step{Qt::Key_Space, 2}, Step{Qt::Key_Right, 2},
                                 Step{Qt::Key_Home, 0}, Step{Qt::Key_PageUp, 0}, Step{Qt::Key_End, 2},
                                 Step{Qt::Key_Backspace, 1}, Step{Qt::Key_Left, 0}}) {
            QTest::keyClick(view, step.key);
            QCOMPARE(doc->currentScene(), step.scene);
            QCOMPARE(doc->network().size(), 2 + step.scene);
        }
        QTest::keyClick(view, Qt::Key_PageDown);
        QCOMPARE(counter->text(), QStringLiteral("2 / 3  Tour <&>")); // no title of its own

        // The presenter's desk: this scene's words as text, the next scene's
        // title and picture, the end named at the end; closed on leaving.
        window->findChild<Presenter *>()->openDesk(QRect(0, 0, 640, 480));
        auto *desk = find<QWidget>("presenter_notes");
        QVERIFY(find<QLabel>("presenter_text")->text().contains(QStringLiteral("2 / 3  Tour &lt;&amp;&gt;")));
        QVERIFY(find<QLabel>("presenter_text")->text().contains(QStringLiteral("Lesson notes &lt;b&gt;")));
        QVERIFY(find<QLabel>("presenter_next")->text().contains(QStringLiteral("Scene &lt;2&gt;")));
        QVERIFY(!find<QLabel>("presenter_next_picture")->pixmap().isNull());
        QVERIFY(!find<QLabel>("presenter_clock")->text().isEmpty());
        QTest::keyClick(view, Qt::Key_End);
        QVERIFY(find<QLabel>("presenter_next")->text().contains(QStringLiteral("the end")));
        QVERIFY(find<QLabel>("presenter_next_picture")->pixmap().isNull());
        QTest::keyClick(view, Qt::Key_Left);
        QPointer<QWidget> closed(desk);
        present->trigger();
        QTRY_VERIFY(!closed);
        present->trigger();

        // A click on a terminal marks it; one on empty space goes on.
        clickTerminalFromAbove(*view, 0, 0, Qt::LeftButton);
        QCOMPARE(doc->currentScene(), 1);
        QCOMPARE(doc->network().terminalMark(0, 0), int(RedBit));
        view->setRotation(20.0f, 10.0f); // back to the scene's own view
        QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(doc->currentScene(), 2);

        // Smoothly: the turn crosses 0 rather than going the long way, the
        // network changes at its end, and the scene left keeps its view.
        smooth->setChecked(true);
        QList<float> turnedTo;
        QList<int> sizes;
        const auto watch = connect(doc, &NetworkDocument::viewPointChanged, this, [&] {
            turnedTo << doc->viewPoint().rotY;
            sizes << doc->network().size();
        });
        QTest::keyClick(view, Qt::Key_PageUp);
        QCOMPARE(doc->currentScene(), 2);
        QTRY_COMPARE(doc->currentScene(), 1);
        disconnect(watch);
        QVERIFY2(turnedTo.size() > 3, qPrintable(QString::number(turnedTo.size())));
        for (qsizetype t = 0; t + 1 < turnedTo.size(); ++t) {
            QVERIFY2(turnedTo[t] >= 340.0f || turnedTo[t] <= 10.0f, qPrintable(QString::number(turnedTo[t])));
            QCOMPARE(sizes[t], 4); // the network changes once the turn is over
        }
        QCOMPARE(doc->viewPoint().rotY, 10.0f);
        QCOMPARE(doc->scene(2).view.rotY, 340.0f);
        QCOMPARE(doc->network().size(), 3);
        QCOMPARE(doc->network().size(), 3);

        QTest::keyClick(view, Qt::Key_Escape);
        QVERIFY(!present->isChecked() && !counter->isVisible() && !window->isFullScreen());
        for (const char *back : {"routes", "vbox"})
            QVERIFY(find<QWidget>(back)->isVisible());
        QTRY_VERIFY(find<QDockWidget>("scenes")->visibleRegion().isEmpty()); // the tab on top stays on top
        QVERIFY(!find<QDockWidget>("routes")->visibleRegion().isEmpty());
        QVERIFY(window->menuBar()->isVisible() && window->statusBar()->isVisible());
        window->showMaximized(); // F5 twice comes back too, to the state it was in
        present->trigger();
        QVERIFY(counter->isVisible() && window->isFullScreen());
        present->trigger();
        QVERIFY(!counter->isVisible() && find<QWidget>("routes")->isVisible());
        QVERIFY(window->windowState() & Qt::WindowMaximized);
        QVERIFY(!window->isFullScreen());
    }

    // The largest lessons the format takes open at once at N = 15, their
    // notes read-only, selectable and whole in the panel and in the notes
    // dialog: one word of a million characters, short words, letters of two
    // code units after one of one (pieces cut by code units split them), and
    // a title as long.
    void aLargeLessonOpensAtOnce_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("notes");
        QTest::newRow("one word") << QString() << QString(1000000, QLatin1Char('x'));
        QTest::newRow("short words") << QString() << QStringLiteral("word ").repeated(200000);
        QTest::newRow("letters beyond 16 bits") << QString() << QStringLiteral("x\U0001D400").repeated(200000);
        QTest::newRow("a long title") << QString(1000000, QLatin1Char('t')) << QStringLiteral("Notes.");
    }

    void aLargeLessonOpensAtOnce()
    {
        QFETCH(QString, title);
        QFETCH(QString, notes);
        Lesson lesson;
        lesson.title = title;
        lesson.notes = notes;
        QVERIFY(lesson.first().network.setSize(15));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("large.tslesson"));
        QString error;
        QVERIFY(writeLessonFile(path, lesson, &error) && QFileInfo(path).size() > 1000000);
        QElapsedTimer clock;
        clock.start();
        QVERIFY2(window->lessonFiles()->open(path, &error), qPrintable(error)); // 1 MiB at most
        QCoreApplication::processEvents(); // and shown
        QVERIFY2(clock.elapsed() < kLargeLessonMs, qPrintable(QString::number(clock.elapsed())));

        auto *shown = find<QPlainTextEdit>("lesson_notes");
        QVERIFY(shown->isReadOnly() &&
                shown->textInteractionFlags().testFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard));
        shown->selectAll();
        shown->copy();
        QVERIFY(QGuiApplication::clipboard()->text() == notes);
        for (QTextBlock block = shown->document()->begin(); block.isValid(); block = block.next())
            QVERIFY(block.text().isEmpty() || !block.text().front().isLowSurrogate());
        shown->moveCursor(QTextCursor::End);
        QVERIFY(shown->viewport()->rect().contains(shown->cursorRect().center()));
        const QString heading = find<QLabel>("lesson_title")->text(); // whole, or cut with an ellipsis
        QVERIFY(heading == title || (heading.size() <= kShownTitleLength + 1 && heading.back() == QChar(0x2026) &&
                                     title.startsWith(heading.chopped(1))));
        QVERIFY(window->windowTitle().size() <= kShownTitleLength + 4); // and "[*]"

        bool whole = false;
        QTimer::singleShot(0, window.get(), [&] {
            whole = find<QPlainTextEdit>("lesson_notes_text")->toPlainText() == notes &&
                    find<QLineEdit>("lesson_title_edit")->text() == title;
            find<QDialog>("lesson_notes_dialog")->reject();
        });
        clock.restart();
        find<QAction>("lesson_notes_edit")->trigger();
        QVERIFY2(clock.elapsed() < kNotesDialogMs, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(whole);
    }

    // Ctrl+C copies what is selected where the focus is, as in any program,
    // and the picture while the view has it; the menu item, showing Ctrl+C,
    // copies the picture from anywhere.
    void ctrlCCopiesWhereTheFocusIs_data()
    {
        QTest::addColumn<QByteArray>("focus");
        QTest::addColumn<int>("selected"); // from the start; -1: nothing
        QTest::addColumn<bool>("menu");
        QTest::addColumn<QString>("copied"); // the text's start; none: a picture
        QTest::newRow("notes") << QByteArray("lesson_notes") << 6 << false << QStringLiteral("Ctrl+C");
        QTest::newRow("a route") << QByteArray("route_list") << -1 << false << QStringLiteral("red: terminal (1, 3): ");
        QTest::newRow("a step's words") << QByteArray("step_text") << 6 << false << QStringLiteral("step 1");
        QTest::newRow("practice feedback") << QByteArray("feedback") << 9 << false << QStringLiteral("Not quite");
        QTest::newRow("the view") << QByteArray("glbox") << -1 << false << QString();
        QTest::newRow("the menu item from the notes") << QByteArray("lesson_notes") << 6 << true << QString();
    }

    void ctrlCCopiesWhereTheFocusIs()
    {
        QFETCH(QByteArray, focus);
        QFETCH(int, selected);
        QFETCH(QString, copied);
        window->startPractice(2718, PracticeLevel::Medium);
        find<QAbstractButton>("answer_check")->click(); // wrong
        window->document()->setLessonText(QStringLiteral("Copying"), QStringLiteral("Ctrl+C copies this."));
        window->document()->toggleTerminal(1, 3, RedBit);
        auto *routes = find<QListView>("route_list");
        routes->setCurrentIndex(routes->model()->index(0, 0));
        find<QAbstractButton>("step_next")->click();
        find<QDockWidget>(focus == "feedback" ? "practice" : "routes")->raise();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QWidget *target = find<QWidget>(focus.constData());
        target->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), target);
        if (auto *notes = qobject_cast<QPlainTextEdit *>(target)) {
            QTextCursor cursor(notes->document());
            cursor.setPosition(selected, QTextCursor::KeepAnchor);
            notes->setTextCursor(cursor);
        } else if (auto *label = qobject_cast<QLabel *>(target)) {
            label->setSelection(0, selected);
        }

        QGuiApplication::clipboard()->clear();
        QAction *copyImage = find<QAction>("copy_image");
        QFETCH(bool, menu);
        menu ? copyImage->trigger() : QTest::keySequence(target, QKeySequence::Copy);
        const QString text = QGuiApplication::clipboard()->text();
        if (copied.isEmpty())
            QCOMPARE(QGuiApplication::clipboard()->image().size(), view->size() * view->devicePixelRatio());
        else
            QVERIFY2(text.startsWith(copied) && (selected < 0 || text.size() == selected), qPrintable(text));
        QCOMPARE(copyImage->shortcut(), QKeySequence(QKeySequence::Copy));
    }

    void assistiveTechnologyIsTold()
    {
        QCOMPARE(window->accessibleName(), QStringLiteral("Transpose Switch"));
        QVERIFY(view->focusPolicy() & Qt::TabFocus);
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(view);
        QVERIFY(a);
        QCOMPARE(a->text(QAccessible::Name), QStringLiteral("3D view of the network"));
        QCOMPARE(a->text(QAccessible::Description),
                 QStringLiteral("N = 4, c1 = 0, c2 = 0, c3 = 0; 0 terminals marked: 0 arrive, 0 die."));
        QVERIFY(a->state().focusable);
        clickTerminalFromAbove(*view, 1, 3, Qt::LeftButton);
        QCOMPARE(a->text(QAccessible::Description),
                 QStringLiteral("N = 4, c1 = 0, c2 = 0, c3 = 0; 1 terminal marked: 1 arrives, 0 die."));
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(find<QListView>("route_list"));
        QVERIFY(list && list->childCount() == 1);
        QVERIFY(list->child(0)->text(QAccessible::Name).contains(QStringLiteral("terminal (1, 3)")));
    }
};

QTEST_MAIN(TestRoutesPanel)
#include "tst_routespanel.moc"
