// The core's sentences go through the translator as whole templates: with a
// translator that marks what it was asked, every word of a sentence is
// inside one mark, and only notation is put into its places.
#include "core/lesson.h"
#include "core/practice.h"
#include "core/routetext.h"
#include "support/marksoracle.h"

#include <QCoreApplication>
#include <QTranslator>
#include <QtTest>

using namespace ts;
using oracle::networkWith;

namespace {
// «…» around the route words, ‹…› around practice, ⟦…⟧ around a lesson's
// refusals, so that the context is checked too; places and %n are kept for
// the caller to fill.
class MarkingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        const QString marks = qstrcmp(context, "Practice") == 0 ? QStringLiteral("\u2039\u203a")
                              : qstrcmp(context, "Lesson") == 0 ? QStringLiteral("\u27e6\u27e7")
                                                                : QStringLiteral("\u00ab\u00bb");
        return marks[0] + QString::fromUtf8(source) + marks[1];
    }
};

// Puts the places in another order, as a language may.
class ReorderingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *source, const char *, int) const override
    {
        const QByteArray s(source);
        if (s == "step %1 of %n: %2")
            return QStringLiteral("%2 \u2190 %1/%n");
        if (s == "Set c1, c2 and c3 so that terminal %1 arrives at %2.")
            return QStringLiteral("%2 \u2190 %1?");
        return {};
    }
};

Question question(QuestionKind kind, int a, int b, int c = 0, int d = 0)
{
    Question q;
    q.kind = kind;
    q.size = 4;
    q.a = a;
    q.b = b;
    q.c = c;
    q.d = d;
    return q;
}

SwitchNetwork marked()
{
    SwitchNetwork net = networkWith(4);
    net.toggleTerminal(1, 3, RedBit);
    net.toggleTerminal(0, 0, BlueBit);
    return net;
}

QString refusal(const char *json)
{
    Lesson lesson;
    QString error;
    return parseLesson(json, &lesson, &error) ? QStringLiteral("read") : error;
}

struct Text
{
    QString (*make)();
};
} // namespace

Q_DECLARE_METATYPE(Text)

class TestTranslation : public QObject
{
    Q_OBJECT

private slots:
    void wholeSentences_data()
    {
        QTest::addColumn<Text>("text");
        QTest::addColumn<QString>("want");
        QTest::newRow("route arrives")
            << Text{[] { return describeRoute(networkWith(4), 1, 3); }}
            << "«terminal (1, 3): «down to level k = 1 at switch (1, 3, 1) [i = k + c1]»; «along x to i1 = 3 at "
               "switch (3, 3, 1) [j = i + c2]»; «along z to j1 = 1 at switch (3, 1, 1) [k = j + c3]»; «up to "
               "terminal (3, 1), where it arrives».»";
        QTest::newRow("route dies")
            << Text{[] { return describeRoute(networkWith(4, 0, -2), 2, 3); }}
            << "«terminal (2, 3): «down to level k = 2 at switch (2, 3, 2) [i = k + c1]»; «then dies: no column i "
               "in 0..3 with 3 = i - 2 [j = i + c2]».»";
        QTest::newRow("first step") << Text{[] { return stepText(networkWith(4), 1, 3, 0); }}
                                    << "«step 0 of 4: at terminal (1, 3)»";
        QTest::newRow("later step") << Text{[] { return stepText(networkWith(4), 1, 3, 2); }}
                                    << "«step 2 of 4: «along x to i1 = 3 at switch (3, 3, 1) [j = i + c2]»»";
        QTest::newRow("terminal") << Text{[] { return describeTerminal(marked(), 1, 3); }}
                                  << "««terminal (1, 3): its route arrives at terminal (3, 1)»; marked «red»»";
        QTest::newRow("switch") << Text{[] { return describeSwitch(marked(), 0, 0, 0); }}
                                << "««switch (0, 0, 0): on i = k + c1, j = i + c2, k = j + c3»; marked routes turn "
                                   "here: from (0, 0)»";
        QTest::newRow("network, counted") << Text{[] { return describeNetwork(marked()); }}
                                          << "«N = 4, c1 = 0, c2 = 0, c3 = 0; «2 terminals marked»: «2 arrive», "
                                             "«0 die».»";
        QTest::newRow("map rule, counted")
            << Text{[] { return mapRuleText(networkWith(8, 1, -1, 2)); }}
            << "«35 of 64 terminals arrive; c1 = 1, c2 = -1, c3 = 2: (i, j) \u2192 (j + 1, i - 3)»";
        QTest::newRow("map cell") << Text{[] { return mapCellText(networkWith(4, 1), 0, 0); }} << "«dies: IK»";
        QTest::newRow("colours") << Text{[] { return colourWords(GreenBit | BlueBit); }} << "«green + blue»";
        QTest::newRow("question") << Text{[] { return questionText(question(QuestionKind::Arrival, 1, 3)); }}
                                  << "‹Where does terminal (1, 3) arrive?›";
        QTest::newRow("construction")
            << Text{[] { return questionText(question(QuestionKind::Construct, 1, 3, 2, 0)); }}
            << "‹Set c1, c2 and c3 so that terminal (1, 3) arrives at (2, 0).›";
        QTest::newRow("explained construction")
            << Text{[] { return explanation(question(QuestionKind::Construct, 1, 3, 2, 0)); }}
            << "‹for example c1 = 1, c2 = 1, c3 = 0: «terminal (1, 3): «down to level k = 0 at switch (1, 3, 0) "
               "[i = k + c1]»; «along x to i1 = 2 at switch (2, 3, 0) [j = i + c2]»; «along z to j1 = 0 at switch "
               "(2, 0, 0) [k = j + c3]»; «up to terminal (2, 0), where it arrives».»›";
        QTest::newRow("hint") << Text{[] {
            Answer wrong;
            wrong.kind = Answer::Offsets;
            wrong.offsets = {3, 0, 0};
            return hint(question(QuestionKind::Construct, 1, 3, 2, 0), wrong);
        }} << "‹With these offsets the route dies: the i = k1 + c1 family has no switch for it.›";
        QTest::newRow("lesson, range")
            << Text{[] { return refusal(R"({"format": "transpose-switch-lesson", "version": 1, "size": 16})"); }}
            << "⟦\"size\" must be from 1 to 15, not 16⟧";
        QTest::newRow("lesson, scene's mark")
            << Text{[] {
                   return refusal(R"({"format": "transpose-switch-lesson", "version": 2,
                                      "scenes": [{"marks": [{"terminal": [0, 9], "colours": ["red"]}]}]})");
               }}
            << "⟦\"scenes[0].marks[0].terminal\" lies outside the network of size 4⟧";
        QTest::newRow("lesson file") << Text{[] {
            Lesson lesson;
            QString error;
            readLessonFile(QStringLiteral("/nonexistent/none.tslesson"), &lesson, &error);
            return error;
        }} << "⟦/nonexistent/none.tslesson: ⟦there is no such file⟧⟧";
        QTest::newRow("kind") << Text{[] { return kindName(QuestionKind::Source); }} << "‹Which terminal arrives›";
    }

    void wholeSentences()
    {
        QFETCH(Text, text);
        MarkingTranslator marking;
        QVERIFY(QCoreApplication::installTranslator(&marking));
        const QString got = text.make();
        QCoreApplication::removeTranslator(&marking);
        QTEST(got, "want");
    }

    void placesReordered()
    {
        ReorderingTranslator reordering;
        QVERIFY(QCoreApplication::installTranslator(&reordering));
        const QString step = stepText(networkWith(4), 1, 3, 4);
        const QString asked = questionText(question(QuestionKind::Construct, 1, 3, 2, 0));
        QCoreApplication::removeTranslator(&reordering);
        QCOMPARE(step, QStringLiteral("up to terminal (3, 1), where it arrives \u2190 4/4"));
        QCOMPARE(asked, QStringLiteral("(2, 0) \u2190 (1, 3)?"));
    }
};

QTEST_GUILESS_MAIN(TestTranslation)
#include "tst_translation.moc"
