// The network in words: route descriptions, tooltips and the view's summary,
// with every expected text written out here from the rules.
#include "core/routelegs.h"
#include "core/routetext.h"
#include "support/marksoracle.h"
#include "routerows.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace ts;
using oracle::networkWith;

class TestRouteText : public QObject
{
    Q_OBJECT

private slots:
    void routes_data()
    {
        addRouteColumns(true);
        QTest::addColumn<QString>("text");
        QTest::newRow("arrives") << 4 << 0 << 0 << 0 << 1 << 3
                                 << "terminal (1, 3): down to level k = 1 at switch (1, 3, 1) [i = k + c1]; "
                                    "along x to i1 = 3 at switch (3, 3, 1) [j = i + c2]; along z to j1 = 1 at "
                                    "switch (3, 1, 1) [k = j + c3]; up to terminal (3, 1), where it arrives.";
        QTest::newRow("dead at IK") << 4 << 1 << 0 << 0 << 0 << 0
                                    << "terminal (0, 0): dies at once: no level k in 0..3 with 0 = k + 1 "
                                       "[i = k + c1].";
        QTest::newRow("dead at JI, negative offset")
            << 4 << 0 << -2 << 0 << 2 << 3
            << "terminal (2, 3): down to level k = 2 at switch (2, 3, 2) [i = k + c1]; then dies: no column i "
               "in 0..3 with 3 = i - 2 [j = i + c2].";
        QTest::newRow("dead at KJ") << 4 << 0 << 0 << -1 << 3 << 1
                                    << "terminal (3, 1): down to level k = 3 at switch (3, 1, 3) [i = k + c1]; "
                                       "along x to i1 = 1 at switch (1, 1, 3) [j = i + c2]; then dies: no row j "
                                       "in 0..3 with 3 = j - 1 [k = j + c3].";
        QTest::newRow("all offsets") << 4 << 1 << -1 << 2 << 3 << 0
                                     << "terminal (3, 0): down to level k = 2 at switch (3, 0, 2) [i = k + c1]; "
                                        "along x to i1 = 1 at switch (1, 0, 2) [j = i + c2]; along z to j1 = 0 at "
                                        "switch (1, 0, 2) [k = j + c3]; up to terminal (1, 0), where it arrives.";
        QTest::newRow("N=1") << 1 << 0 << 0 << 0 << 0 << 0
                             << "terminal (0, 0): down to level k = 0 at switch (0, 0, 0) [i = k + c1]; along x "
                                "to i1 = 0 at switch (0, 0, 0) [j = i + c2]; along z to j1 = 0 at switch (0, 0, 0) "
                                "[k = j + c3]; up to terminal (0, 0), where it arrives.";
        QTest::newRow("offset INT_MIN") << 4 << 0 << 0 << INT_MIN << 1 << 1
                                        << "terminal (1, 1): down to level k = 1 at switch (1, 1, 1) [i = k + c1]; "
                                           "along x to i1 = 1 at switch (1, 1, 1) [j = i + c2]; then dies: no row j "
                                           "in 0..3 with 1 = j - 2147483648 [k = j + c3].";
    }

    void routes()
    {
        const auto [n, c1, c2, c3, i0, j0] = fetchRouteRow(true);
        QTEST(describeRoute(networkWith(n, c1, c2, c3), i0, j0), "text");
    }

    void colours()
    {
        QCOMPARE(colourWords(0), QStringLiteral("unmarked"));
        QCOMPARE(colourWords(RedBit), QStringLiteral("red"));
        QCOMPARE(colourWords(GreenBit | BlueBit), QStringLiteral("green + blue"));
        QCOMPARE(colourWords(7), QStringLiteral("red + green + blue"));
    }

    void boxesAndSummary()
    {
        SwitchNetwork net = networkWith(4);
        net.toggleTerminal(1, 3, RedBit);
        net.toggleTerminal(0, 0, BlueBit);
        net.toggleSwitch(3, 3, 1, GreenBit);
        QCOMPARE(describeTerminal(net, 1, 3),
                 QStringLiteral("terminal (1, 3): its route arrives at terminal (3, 1); marked red"));
        QCOMPARE(describeTerminal(net, 3, 1),
                 QStringLiteral("terminal (3, 1): its route arrives at terminal (1, 3); reached by red"));
        // (3, 3, 1): i = 3 is not k + 0 = 1; j = 3 = i + 0; k = 1 is not j + 0 = 3.
        QCOMPARE(describeSwitch(net, 3, 3, 1),
                 QStringLiteral("switch (3, 3, 1): on j = i + c2; marked green; marked routes turn here: from (1, 3)"));
        QCOMPARE(describeSwitch(net, 0, 0, 0),
                 QStringLiteral("switch (0, 0, 0): on i = k + c1, j = i + c2, k = j + c3; marked routes turn "
                                "here: from (0, 0)"));
        QCOMPARE(describeSwitch(net, 2, 1, 3), QStringLiteral("switch (2, 1, 3): on no family"));
        QCOMPARE(describeNetwork(net),
                 QStringLiteral("N = 4, c1 = 0, c2 = 0, c3 = 0; 2 terminals marked: 2 arrive, 0 die."));
        net.setOffset(PlaneFamily::IK, 1); // (0, 0) now dies at the IK family
        QCOMPARE(describeTerminal(net, 0, 0),
                 QStringLiteral("terminal (0, 0): its route dies at [i = k + c1]; marked blue"));
        QCOMPARE(describeNetwork(net),
                 QStringLiteral("N = 4, c1 = 1, c2 = 0, c3 = 0; 2 terminals marked: 1 arrives, 1 dies."));
    }

    // Stepping through a route: the text of every step, from the start
    // terminal to the last leg; asking past the end stays at the end.
    void steps_data()
    {
        QTest::addColumn<QList<int>>("network"); // N, c1, c2, c3, i0, j0
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("arrives") << QList<int>{4, 0, 0, 0, 1, 3} << QStringList{
            "step 0 of 4: at terminal (1, 3)", "step 1 of 4: down to level k = 1 at switch (1, 3, 1) [i = k + c1]",
            "step 2 of 4: along x to i1 = 3 at switch (3, 3, 1) [j = i + c2]",
            "step 3 of 4: along z to j1 = 1 at switch (3, 1, 1) [k = j + c3]",
            "step 4 of 4: up to terminal (3, 1), where it arrives"};
        QTest::newRow("negative offsets") << QList<int>{5, -1, -2, 1, 0, 1} << QStringList{
            "step 0 of 4: at terminal (0, 1)", "step 1 of 4: down to level k = 1 at switch (0, 1, 1) [i = k + c1]",
            "step 2 of 4: along x to i1 = 3 at switch (3, 1, 1) [j = i + c2]",
            "step 3 of 4: along z to j1 = 0 at switch (3, 0, 1) [k = j + c3]",
            "step 4 of 4: up to terminal (3, 0), where it arrives"};
        QTest::newRow("dies at IK") << QList<int>{4, 2, 0, 0, 1, 0} << QStringList{
            "step 0 of 1: at terminal (1, 0)",
            "step 1 of 1: dies at once: no level k in 0..3 with 1 = k + 2 [i = k + c1]"};
        QTest::newRow("dies at JI") << QList<int>{4, 0, 1, 0, 1, 0} << QStringList{
            "step 0 of 2: at terminal (1, 0)", "step 1 of 2: down to level k = 1 at switch (1, 0, 1) [i = k + c1]",
            "step 2 of 2: then dies: no column i in 0..3 with 0 = i + 1 [j = i + c2]"};
        QTest::newRow("dies at KJ") << QList<int>{4, 0, 0, -3, 2, 2} << QStringList{
            "step 0 of 3: at terminal (2, 2)", "step 1 of 3: down to level k = 2 at switch (2, 2, 2) [i = k + c1]",
            "step 2 of 3: along x to i1 = 2 at switch (2, 2, 2) [j = i + c2]",
            "step 3 of 3: then dies: no row j in 0..3 with 2 = j - 3 [k = j + c3]"};
        QTest::newRow("N = 1") << QList<int>{1, 0, 0, 0, 0, 0} << QStringList{
            "step 0 of 4: at terminal (0, 0)", "step 1 of 4: down to level k = 0 at switch (0, 0, 0) [i = k + c1]",
            "step 2 of 4: along x to i1 = 0 at switch (0, 0, 0) [j = i + c2]",
            "step 3 of 4: along z to j1 = 0 at switch (0, 0, 0) [k = j + c3]",
            "step 4 of 4: up to terminal (0, 0), where it arrives"};
    }

    void steps()
    {
        QFETCH(QList<int>, network);
        QFETCH(QStringList, steps);
        const SwitchNetwork net = networkWith(network[0], network[1], network[2], network[3]);
        for (int s = 0; s <= steps.size(); ++s)
            QCOMPARE(stepText(net, network[4], network[5], s),
                     steps[std::min(s, int(steps.size()) - 1)]);
        // The route list says the same legs in one line.
        QStringList legs;
        for (int s = 1; s < steps.size(); ++s)
            legs << steps[s].section(QStringLiteral(": "), 1);
        QCOMPARE(describeRoute(net, network[4], network[5]),
                 QStringLiteral("terminal (%1, %2): %3.").arg(network[4]).arg(network[5]).arg(legs.join(QStringLiteral("; "))));
    }

    // The map agrees with the closed form (i, j) -> (j - c2, i - c1 - c3) in
    // every cell, naming the first family that has no switch otherwise; and
    // the boxes on a marked route hold its start, turns and end.
    void mapAgreesWithTheRule()
    {
        QRandomGenerator rng(20261208);
        for (int t = 0; t < 300; ++t) {
            const int n = rng.bounded(1, kMaxNetworkSize + 1);
            const int c1 = rng.bounded(-n, n + 1), c2 = rng.bounded(-n, n + 1), c3 = rng.bounded(-n, n + 1);
            SwitchNetwork net = networkWith(n, c1, c2, c3);
            int arrive = 0;
            for (int i = 0; i < n; ++i)
                for (int j = 0; j < n; ++j) {
                    const int k = i - c1, i1 = j - c2, j1 = i - c1 - c3;
                    auto in = [n](int v) { return v >= 0 && v < n; };
                    const QString want = !in(k)    ? QStringLiteral("dies: IK")
                                         : !in(i1) ? QStringLiteral("dies: JI")
                                         : !in(j1) ? QStringLiteral("dies: KJ")
                                                   : QStringLiteral("(%1, %2)").arg(i1).arg(j1);
                    arrive += want.startsWith(QLatin1Char('(')) ? 1 : 0;
                    QCOMPARE(mapCellText(net, i, j), want);
                }
            QVERIFY(mapRuleText(net).startsWith(QStringLiteral("%1 of %2 terminals arrive; ").arg(arrive).arg(n * n)));

            const int i0 = rng.bounded(n), j0 = rng.bounded(n);
            net.toggleTerminal(i0, j0, RedBit);
            const RouteBoxes boxes(net);
            QVERIFY(boxes.hasTerminal(i0, j0));
            for (const RouteLeg &leg : routeLegs(net, i0, j0)) {
                if (leg.dies)
                    continue;
                QVERIFY(leg.k < 0 ? boxes.hasTerminal(leg.i, leg.j) : boxes.hasSwitch(leg.i, leg.j, leg.k));
            }
            const RouteTrace r = net.trace(i0, j0);
            if (r.k >= 0 && r.k + 1 < n) // below the turn, the source column is off the route
                QVERIFY(!boxes.hasSwitch(i0, j0, r.k + 1));
        }
        QCOMPARE(mapRuleText(networkWith(8, 1, -1, 2)),
                 QStringLiteral("35 of 64 terminals arrive; c1 = 1, c2 = -1, c3 = 2: (i, j) \u2192 (j + 1, i - 3)"));
    }
};

QTEST_APPLESS_MAIN(TestRouteText)
#include "tst_routetext.moc"
