// Practice without a display: the same seed gives the same questions (a
// golden list checked by hand), every question's answer agrees with the
// closed form, the checker takes exactly the right answers, and a round
// counts only right first tries.
#include "core/practice.h"
#include "core/practiceround.h"

#include <QtTest>

using namespace ts;

namespace {
bool inside(long long v, int n)
{
    return v >= 0 && v < n;
}

// The answer from the closed form: (i, j) turns at k = i - c1 and arrives
// at (j - c2, k - c3) when all three lie in the network.
Answer rightAnswer(const Question &q)
{
    const int n = q.size;
    const long long c1 = q.offsets[0], c2 = q.offsets[1], c3 = q.offsets[2];
    auto trace = [&](int i, int j, long long *k, long long *i1, long long *j1) {
        *k = i - c1;
        *i1 = j - c2;
        *j1 = *k - c3;
        return !inside(*k, n) ? 0 : !inside(*i1, n) ? 1 : !inside(*j1, n) ? 2 : -1;
    };
    long long k = 0, i1 = 0, j1 = 0;
    Answer a;
    const int dies = trace(q.a, q.b, &k, &i1, &j1);
    switch (q.kind) {
    case QuestionKind::Arrival:
        if (dies < 0)
            a = {Answer::Terminal, int(i1), int(j1)};
        break;
    case QuestionKind::TurnLevel:
        if (dies != 0) {
            a.kind = Answer::Level;
            a.k = int(k);
        }
        break;
    case QuestionKind::EndingFamily:
        a.kind = dies < 0 ? Answer::None : Answer::Family;
        a.family = kAllPlaneFamilies[static_cast<std::size_t>(std::max(dies, 0))];
        break;
    case QuestionKind::Source:
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j)
                if (trace(i, j, &k, &i1, &j1) < 0 && i1 == q.c && j1 == q.d)
                    a = {Answer::Terminal, i, j};
        break;
    case QuestionKind::Construct:
        a.kind = Answer::Offsets;
        a.offsets = {q.a, q.b - q.c, -q.d}; // turn at level 0
        break;
    }
    return a;
}

Answer parse(const QString &text)
{
    const QStringList w = text.split(QLatin1Char(' '));
    Answer a;
    if (w[0] == QLatin1String("T"))
        a = {Answer::Terminal, w[1].toInt(), w[2].toInt()};
    else if (w[0] == QLatin1String("K"))
        a = {Answer::Level, 0, 0, w[1].toInt()};
    else if (w[0] == QLatin1String("F"))
        a = {Answer::Family, 0, 0, 0, kAllPlaneFamilies[static_cast<std::size_t>(w[1].toInt())]};
    else if (w[0] == QLatin1String("none"))
        a.kind = Answer::None;
    return a; // "dies"
}

// Some answer the closed form says is wrong.
Answer wrongAnswer(const Question &q)
{
    const Answer right = rightAnswer(q);
    for (const Answer &a : {Answer{Answer::Terminal, 0, 0}, Answer{Answer::Terminal, 1, 0}, Answer{},
                            Answer{Answer::Level, 0, 0, 1}, Answer{Answer::None},
                            Answer{Answer::Family, 0, 0, 0, PlaneFamily::KJ},
                            Answer{Answer::Family, 0, 0, 0, PlaneFamily::IK},
                            Answer{Answer::Offsets, 0, 0, 0, PlaneFamily::IK, {q.size, q.size, q.size}}})
        if (a.kind == right.kind && !isRight(q, a))
            return a;
    return Answer{Answer::Offsets, 0, 0, 0, PlaneFamily::IK, {q.size, q.size, q.size}}; // never of the right kind
}
} // namespace

class TestPractice : public QObject
{
    Q_OBJECT

private slots:
    // A round from scripted tries at its questions: "r" right, "w" wrong,
    // "n" the next question, "s" stop. Only a right first try scores; a
    // settled question takes no more answers; Stop ends the round at once,
    // an open question counted as missed.
    void aRoundCountsFirstTries_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("outcomes"); // one letter per answer: R, 2 (right on the second try), H, S, I
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("done");
        QTest::newRow("right first") << "r" << "R" << 1 << 1;
        QTest::newRow("right second") << "wr" << "H2" << 0 << 1;
        QTest::newRow("shown") << "ww" << "HS" << 0 << 1;
        QTest::newRow("no answer once settled") << "rrw" << "RII" << 1 << 1;
        QTest::newRow("two questions") << "rnwr" << "RH2" << 1 << 2;
        QTest::newRow("stopped while open") << "rnws" << "RH" << 1 << 2;
        QTest::newRow("no answer after stop") << "srw" << "II" << 0 << 1;
        QTest::newRow("the whole round") << "rnrnrnrnrnrnrnrnrnrn" << "RRRRRRRRRR" << 10 << 10;
    }

    void aRoundCountsFirstTries()
    {
        QFETCH(QString, script);
        QFETCH(QString, outcomes);
        QFETCH(int, right);
        QFETCH(int, done);
        PracticeRound round(2718, PracticeLevel::Medium);
        QVERIFY(!round.started() && !round.isOpen());
        round.next();
        QString got;
        for (const QChar step : script) {
            if (step == QLatin1Char('n')) {
                round.next();
                continue;
            }
            if (step == QLatin1Char('s')) {
                round.stop();
                QVERIFY(round.isOver() && !round.isOpen() && !round.hasNext());
                continue;
            }
            const Question &q = round.current();
            const auto outcome = round.answer(step == QLatin1Char('r') ? rightAnswer(q) : wrongAnswer(q));
            got += QLatin1Char("R2HSI"[static_cast<int>(outcome)]);
        }
        QCOMPARE(got, outcomes);
        QCOMPARE(round.right(), right);
        QCOMPARE(round.done(), done);
        int counted = 0;
        for (const auto &kind : round.byKind())
            counted += kind[0] + kind[1];
        QCOMPARE(counted, round.number());
        round.next(); // past the last question, or after a stop: the round is over
        if (round.number() == kQuestionsPerRound || script.contains(QLatin1Char('s')))
            QVERIFY(round.isOver());
        // The seed named is the seed used, also for one beyond what the
        // dock's box holds, and it makes the same questions.
        const PracticeRound wide(kMaxPracticeSeed + 1 + 2718, PracticeLevel::Medium);
        QCOMPARE(wide.seed(), std::uint64_t(2718));
    }

    // The first ten questions of two sets, each answer worked out by hand
    // from the rules: "T i j" a terminal, "K k" a level, "F f" a family
    // (0 IK, 1 JI, 2 KJ), "none" it arrives, "dies" it dies or none arrives.
    void goldenList_data()
    {
        QTest::addColumn<quint64>("seed");
        QTest::addColumn<int>("level");
        QTest::addColumn<QList<QList<int>>>("questions"); // kind, N, c1, c2, c3, a, b, c, d
        QTest::addColumn<QStringList>("answers");
        QTest::newRow("2718 medium") << quint64(2718) << int(PracticeLevel::Medium)
                                     << QList<QList<int>>{{3, 6, 2, 1, 0, 0, 3, 1, 3}, {3, 5, 2, 2, 1, 0, 1, 1, 0},
                                                          {2, 7, -3, 1, -3, 3, 4, 4, 2}, {1, 8, 1, 3, 1, 4, 7, 7, 6},
                                                          {1, 4, 1, 2, 0, 2, 3, 2, 3}, {2, 4, 2, -1, 2, 0, 3, 2, 2},
                                                          {0, 8, 0, 2, 4, 5, 6, 1, 1}, {2, 8, -3, -3, 2, 6, 2, 3, 0},
                                                          {0, 4, 2, 2, 2, 3, 0, 0, 2}, {2, 6, 0, 2, 1, 5, 2, 1, 5}}
                                     << QStringList{"T 5 2", "T 3 3", "F 2", "K 3", "K 1",
                                                    "F 0", "T 4 1", "F 0", "dies", "none"};
        QTest::newRow("1 small") << quint64(1) << int(PracticeLevel::Small)
                                 << QList<QList<int>>{{0, 4, 0, 0, -3, 1, 0, 1, 1}, {0, 4, 0, -1, 0, 0, 2, 0, 3},
                                                      {0, 5, 0, 0, -4, 1, 4, 0, 1}, {3, 4, 0, -3, 0, 3, 2, 3, 0},
                                                      {0, 5, 0, -1, 0, 3, 4, 2, 4}, {0, 5, 0, -3, 0, 3, 3, 4, 3},
                                                      {2, 5, -4, 0, 0, 1, 4, 3, 2}, {3, 5, -2, 0, 0, 0, 3, 3, 3},
                                                      {0, 5, 0, -4, 0, 0, 0, 3, 0}, {2, 4, 0, -1, 0, 1, 1, 3, 2}}
                                 << QStringList{"dies", "T 3 0", "dies", "T 0 0", "dies",
                                                "dies", "F 0", "T 1 3", "T 4 0", "none"};
    }

    void goldenList()
    {
        QFETCH(quint64, seed);
        QFETCH(int, level);
        QFETCH(QList<QList<int>>, questions);
        QFETCH(QStringList, answers);
        PracticeGenerator generator(seed, static_cast<PracticeLevel>(level));
        for (int n = 0; n < questions.size(); ++n) {
            const QList<int> &w = questions[n];
            const Question want{static_cast<QuestionKind>(w[0]), w[1], {w[2], w[3], w[4]}, w[5], w[6], w[7], w[8]};
            QVERIFY2(generator.next() == want, qPrintable(QStringLiteral("question %1").arg(n + 1)));
            QVERIFY2(isRight(want, parse(answers[n])), qPrintable(answers[n]));
        }
    }

    // Thousands of questions at every level: the closed form's answer is
    // taken, a different one is not, and each question is told in words.
    void answersAgreeWithTheClosedForm()
    {
        for (const PracticeLevel level : {PracticeLevel::Small, PracticeLevel::Medium, PracticeLevel::Large}) {
            PracticeGenerator generator(20261208, level);
            for (int t = 0; t < 2000; ++t) {
                const Question q = generator.next();
                const int low = level == PracticeLevel::Small ? 3 : level == PracticeLevel::Medium ? 4 : 8;
                QVERIFY(q.size >= low && q.size <= (level == PracticeLevel::Small ? 5 : level == PracticeLevel::Medium ? 8 : 15));
                const Answer right = rightAnswer(q);
                QVERIFY2(isRight(q, right), qPrintable(questionText(q)));
                Answer wrong = right;
                if (right.kind == Answer::Terminal)
                    wrong.i = (right.i + 1) % q.size;
                else if (right.kind == Answer::Level)
                    wrong.k = (right.k + 1) % q.size;
                else if (right.kind == Answer::Offsets)
                    wrong.offsets[1] += 1; // the run along x ends one column further
                else
                    wrong = {Answer::Terminal, 0, 0};
                QVERIFY2(!isRight(q, wrong), qPrintable(questionText(q)));
                QVERIFY(!hint(q, wrong).isEmpty() && !explanation(q).isEmpty());
            }
        }
    }

    // A construction at N = 4: of all 729 offset triples in -4..4, exactly
    // those that the rules make send (3, 2) to (2, 0) are right.
    void everySolutionOfAConstruction()
    {
        const Question q{QuestionKind::Construct, 4, {}, 3, 2, 2, 0};
        int solutions = 0;
        for (int c1 = -4; c1 <= 4; ++c1)
            for (int c2 = -4; c2 <= 4; ++c2)
                for (int c3 = -4; c3 <= 4; ++c3) {
                    const int k = 3 - c1; // turns at k, runs to column 2 - c2, row k - c3
                    const bool solves = k >= 0 && k < 4 && 2 - c2 == 2 && k - c3 == 0;
                    Answer a;
                    a.kind = Answer::Offsets;
                    a.offsets = {c1, c2, c3};
                    QCOMPARE(isRight(q, a), solves);
                    solutions += solves ? 1 : 0;
                }
        QCOMPARE(solutions, 4); // (3, 0, 0), (2, 0, 1), (1, 0, 2), (0, 0, 3)
    }
};

QTEST_APPLESS_MAIN(TestPractice)
#include "tst_practice.moc"
