// Memory in the real window: rounds of random clicks, undos, redos and
// changes at N = 15, each ended by File → New, which drops the history and
// the marks. What a round takes must come back at New, so the heap in use
// after New is the same round after round.
#include "support/heapinuse.h"
#include "support/randomsession.h"

#include <QtTest>

namespace {
constexpr int kRounds = 4;
constexpr int kActionsPerRound = 80;
constexpr double kAllowedGrowthMB = 3.0;
} // namespace

class TestMemory : public QObject
{
    Q_OBJECT

private slots:
    void newGivesTheMemoryBack()
    {
        GLObjectWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        RandomSession session(window, 20261208);
        session.startLesson();
        double heapMB[kRounds] = {};
        for (double &heap : heapMB) {
            for (int a = 0; a < kActionsPerRound; ++a)
                session.act(false);
            session.startLesson();
            heap = double(heapInUse()) / 1e6;
        }
        // The first round fills caches that stay (glyphs, shaders); the
        // rounds after it must hold no more than it.
        const QString rounds = QStringLiteral("heap in use after each New: %1, %2, %3, %4 MB")
                                   .arg(heapMB[0], 0, 'f', 1).arg(heapMB[1], 0, 'f', 1)
                                   .arg(heapMB[2], 0, 'f', 1).arg(heapMB[3], 0, 'f', 1);
        qInfo("%s", qPrintable(rounds));
        QVERIFY2(heapMB[3] - heapMB[1] <= kAllowedGrowthMB, qPrintable(rounds));
    }
};

QTEST_MAIN(TestMemory)
#include "tst_memory.moc"
