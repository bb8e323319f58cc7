// The practice dock on the real window, as a student uses it: the map and
// hover keep the answer hidden while a question is open, Enter checks,
// a right second try is said to count as missed, the answer is spoken and
// the focus moves on, Stop leaves only the summary, and the summary carries
// the student's name to the clipboard and to a file.
#include "app/globjectwindow.h"
#include "app/practicepanel.h"
#include "core/networkdocument.h"
#include "support/viewdriver.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QClipboard>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolTip>

using namespace ts;


class TestPracticePanel : public QObject
{
    Q_OBJECT

    std::unique_ptr<GLObjectWindow> window;

    template <typename T>
    T *find(const char *name) { return window->findChild<T *>(QLatin1String(name)); }
    QString feedback() { return find<QLabel>("feedback")->text(); }

    void typeAndEnter(const char *box, int value)
    {
        auto *spin = find<QSpinBox>(box);
        spin->setFocus();
        spin->selectAll();
        QTest::keyClicks(spin, QString::number(value));
        QTest::keyClick(spin, Qt::Key_Return);
    }

    // What hovering over terminal (i, j) says, seen from above.
    QString hoverText(int i, int j)
    {
        auto *view = window->findChild<GLBox *>(QStringLiteral("glbox"));
        view->setRotation(90, 0);
        QCoreApplication::processEvents();
        const CellGeometry g(view->network().size());
        const QPoint at = project(*view, {g.x(i), 1, g.z(j)}).toPoint();
        QHelpEvent hover(QEvent::ToolTip, at, view->mapToGlobal(at));
        QCoreApplication::sendEvent(view, &hover);
        return QToolTip::text();
    }

private slots:
    void init()
    {
        window = std::make_unique<GLObjectWindow>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup() { window.reset(); }

    void aRoundAsAStudentMeetsIt()
    {
        window->startPractice(2718, PracticeLevel::Medium);
        // Turned, so that a route drawn later is seen in depth.
        QVERIFY(window->document()->viewPoint() == (ViewPoint{30.0f, 330.0f, 1.0}));

        // Nothing on screen gives the answer away while the question is open.
        auto *rule = find<QLabel>("map_rule");
        auto *map = find<QTableView>("map");
        QCOMPARE(rule->text(), QStringLiteral("hidden during the question"));
        QVERIFY(map->isHidden());
        QCOMPARE(hoverText(1, 3), QStringLiteral("terminal (1, 3)"));

        // "Which terminal arrives at (1, 3)?": (5, 2) does. Enter checks.
        typeAndEnter("answer_i", 0);
        QVERIFY(map->isHidden()); // a hint settles nothing
        QVERIFY2(feedback().startsWith(QStringLiteral("Not quite: try once more. ")), qPrintable(feedback()));
        find<QSpinBox>("answer_i")->setValue(5);
        typeAndEnter("answer_j", 2);
        QVERIFY2(feedback().startsWith(QStringLiteral("Right, on the second try: counted as missed. ")),
                 qPrintable(feedback()));
        QCOMPARE(find<QLabel>("score")->text(), QStringLiteral("0 of 1 right"));
        QVERIFY(!map->isHidden());
        QVERIFY(rule->text().contains(QStringLiteral("terminals arrive")));
        QVERIFY2(hoverText(1, 3).startsWith(QStringLiteral("terminal (1, 3): its route")), qPrintable(hoverText(1, 3)));
        // Named for a screen reader, and the focus on the way on, which says it again.
        QCOMPARE(find<QLabel>("feedback")->accessibleName(), feedback());
        auto *next = find<QPushButton>("practice_next");
        QTRY_COMPARE(QApplication::focusWidget(), next);
        QCOMPARE(next->accessibleDescription(), feedback());

        // Stop: the question, its counters and its buttons go; the summary stays.
        next->click();
        find<QPushButton>("practice_stop")->click();
        for (const char *gone : {"question", "score", "feedback"})
            QVERIFY2(!find<QLabel>(gone)->isVisible(), gone);
        for (const char *gone : {"practice_next", "practice_stop", "answer_check"})
            QVERIFY2(!find<QPushButton>(gone)->isVisible(), gone);
        QCOMPARE(find<QLabel>("round_over")->text(), QStringLiteral("The round is over: 0 of 2 right."));
        auto *summary = find<QListWidget>("practice_summary");
        QVERIFY(summary->isVisible());
        QCOMPARE(summary->item(0)->text(), QStringLiteral("Seed 2718, medium: 0 of 2 right"));

        // Handed in with a name: copied, and saved as a text file.
        find<QLineEdit>("student_name")->setText(QStringLiteral(" Ada Lovelace "));
        find<QPushButton>("copy_summary")->click();
        const QString copied = QGuiApplication::clipboard()->text();
        QVERIFY2(copied.startsWith(QStringLiteral("Student: Ada Lovelace\nSeed 2718, medium: 0 of 2 right\n")),
                 qPrintable(copied));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ada.txt"));
        QTimer::singleShot(0, this, [path] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->selectFile(path);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        find<QPushButton>("save_summary")->click();
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(saved.readAll()), copied);
    }
    // A practice set made in the Lesson Notes dialog (one undo step) gives
    // Start Practice the lesson's round: its seed, level and number of
    // questions, the same questions the core deals; the summary names the lesson.
    void aLessonsPracticeSetIsEveryonesRound()
    {
        NetworkDocument *doc = window->document();
        doc->setLessonText(QStringLiteral("Week 3"), QString());
        QVERIFY(find<QLabel>("practice_set")->isHidden());
        QTimer::singleShot(0, this, [this] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            find<QGroupBox>("practice_set_group")->setChecked(true);
            find<QSpinBox>("practice_set_seed")->setValue(4242);
            find<QComboBox>("practice_set_level")->setCurrentIndex(int(PracticeLevel::Large));
            find<QSpinBox>("practice_set_questions")->setValue(3);
            find<QLineEdit>("lesson_title_edit")->setText(QStringLiteral("Week 4"));
            dialog->accept();
        });
        find<QAction>("lesson_notes_edit")->trigger();
        QVERIFY(doc->practiceSet() == (PracticeSet{4242, PracticeLevel::Large, 3}));
        QCOMPARE(doc->title(), QStringLiteral("Week 4"));
        QVERIFY2(find<QLabel>("practice_set")->text().startsWith(QStringLiteral(
                     "This lesson's practice set: 3 questions, seed 4242, large.")),
                 qPrintable(find<QLabel>("practice_set")->text()));
        find<QAction>("undo")->trigger(); // the words and the set at once
        QVERIFY(!doc->practiceSet() && doc->title() == QStringLiteral("Week 3"));
        find<QAction>("redo")->trigger();

        // Saved and opened again, as a student gets it.
        const Lesson handedOut = doc->lesson();
        window->document()->open(Lesson{});
        QVERIFY(!doc->practiceSet());
        doc->open(handedOut);
        find<QSpinBox>("practice_seed")->setValue(1); // a student's own choice is not the lesson's
        find<QComboBox>("practice_level")->setCurrentIndex(0);
        doc->open(handedOut);
        find<QAction>("start_practice")->trigger();
        const PracticeRound &round = window->findChild<PracticePanel *>()->practiceRound();
        QCOMPARE(round.seed(), quint64(4242));
        QCOMPARE(round.level(), PracticeLevel::Large);
        PracticeRound oracle(4242, PracticeLevel::Large, 3);
        for (int q = 1; q <= 3; ++q) {
            oracle.next();
            QVERIFY2(find<QLabel>("question")->text().startsWith(QStringLiteral("Question %1 of 3 ").arg(q)),
                     qPrintable(find<QLabel>("question")->text()));
            QVERIFY(round.current() == oracle.current());
            find<QPushButton>("answer_dies")->click();
            find<QPushButton>("answer_dies")->click();
            find<QPushButton>("practice_next")->click();
        }
        QVERIFY(round.isOver());
        find<QPushButton>("copy_summary")->click();
        QVERIFY2(QGuiApplication::clipboard()->text().startsWith(
                     QStringLiteral("Lesson: Week 4\nSeed 4242, large: ")),
                 qPrintable(QGuiApplication::clipboard()->text()));
    }
};

QTEST_MAIN(TestPracticePanel)
#include "tst_practicepanel.moc"
