// The network's rules, without a display.
#include "core/network.h"
#include "support/marksoracle.h"

#include <QtTest>

#include <vector>
#include "routerows.h"

using namespace ts;

namespace {
using oracle::networkWith;

void setOffsets(SwitchNetwork &net, int c1, int c2, int c3)
{
    net.setOffset(PlaneFamily::IK, c1);
    net.setOffset(PlaneFamily::JI, c2);
    net.setOffset(PlaneFamily::KJ, c3);
}
} // namespace

class TestNetwork : public QObject
{
    Q_OBJECT

private slots:
    void route_data()
    {
        addRouteColumns(true);
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("i1");
        QTest::addColumn<int>("j1");
        QTest::newRow("transpose (1,3)") << 4 << 0 << 0 << 0 << 1 << 3 << 1 << 3 << 1;
        QTest::newRow("all offsets") << 4 << 1 << -1 << 2 << 3 << 0 << 2 << 1 << 0;
        QTest::newRow("dead at IK") << 4 << 2 << 0 << 0 << 1 << 0 << -1 << -1 << -1;
        QTest::newRow("dead at JI") << 4 << 0 << 1 << 0 << 2 << 0 << 2 << -1 << -1;
        QTest::newRow("dead at KJ") << 4 << 0 << 0 << -1 << 3 << 1 << 3 << 1 << -1;
        QTest::newRow("N=1 to itself") << 1 << 0 << 0 << 0 << 0 << 0 << 0 << 0 << 0;
        QTest::newRow("N=15 corner") << 15 << 0 << 0 << 0 << 14 << 0 << 14 << 0 << 14;
        QTest::newRow("c1 INT_MAX") << 4 << INT_MAX << 0 << 0 << 3 << 0 << -1 << -1 << -1;
        QTest::newRow("c1 INT_MIN") << 4 << INT_MIN << 0 << 0 << 0 << 0 << -1 << -1 << -1;
        QTest::newRow("c2 INT_MIN") << 4 << 0 << INT_MIN << 0 << 1 << 2 << 1 << -1 << -1;
        QTest::newRow("c3 INT_MAX") << 4 << 0 << 0 << INT_MAX << 1 << 2 << 1 << 2 << -1;
        QTest::newRow("c3 INT_MIN") << 4 << 0 << 0 << INT_MIN << 1 << 2 << 1 << 2 << -1;
        QTest::newRow("source index INT_MIN") << 4 << 1 << 0 << 0 << INT_MIN << 0 << -1 << -1 << -1;
    }

    void route()
    {
        const auto [n, c1, c2, c3, i0, j0] = fetchRouteRow(true);
        const SwitchNetwork net = networkWith(n, c1, c2, c3);
        int k = 99, i1 = 99, j1 = 99;
        net.traceRoute(i0, j0, &k, &i1, &j1);
        QTEST(k, "k");
        QTEST(i1, "i1");
        QTEST(j1, "j1");
        // Each result alone, the others not asked for.
        int only = 99;
        net.traceRoute(i0, j0, nullptr, nullptr, &only);
        QTEST(only, "j1");
        net.traceRoute(i0, j0); // no places: nothing to write, nothing to crash
    }

    void destinationsAreNeverShared()
    {
        for (int n : {1, 4, 15}) {
            for (int c = -n; c <= n; ++c) {
                const SwitchNetwork net = networkWith(n, c, -c, c / 2);
                QSet<int> seen;
                for (int i = 0; i < n; ++i)
                    for (int j = 0; j < n; ++j) {
                        const RouteTrace r = net.trace(i, j);
                        if (!r.arrives())
                            continue;
                        const int destination = r.i1 * 100 + r.j1;
                        QVERIFY(!seen.contains(destination));
                        seen.insert(destination);
                    }
            }
        }
    }

    void arrivalsFollowMarksAndOffsets()
    {
        SwitchNetwork net = networkWith(4);
        net.toggleTerminal(1, 3, RedBit);
        net.toggleTerminal(1, 3, GreenBit);
        net.toggleTerminal(2, 0, BlueBit);
        QCOMPARE(net.arrivals(3, 1), RedBit | GreenBit);
        QCOMPARE(net.arrivals(0, 2), int(BlueBit));
        QVERIFY(net.marks().arrivals == oracle::expectedMarks(net));

        // A dead-end route marks nothing.
        setOffsets(net, 2, 0, 0);
        QCOMPARE(net.arrivals(3, 1), 0);
        QVERIFY(net.marks().arrivals == oracle::expectedMarks(net));

        // Every offset change rebuilds the marks by itself, for each family.
        for (int c1 : {-4, -1, 0, 3, INT_MAX})
            for (int c2 : {-1, 2})
                for (int c3 : {INT_MIN, -2, 0, 1}) {
                    setOffsets(net, c1, c2, c3);
                    QVERIFY(net.marks().arrivals == oracle::expectedMarks(net));
                }
    }

    void sizeChangesKeepTheRules()
    {
        SwitchNetwork net = networkWith(8, 1, -1, 0);
        for (int i = 0; i < 8; ++i)
            net.toggleTerminal(i, 7 - i, i % 2 ? RedBit : BlueBit);
        net.toggleSwitch(6, 6, 6, GreenBit);
        QVERIFY(!net.setSize(0));
        QVERIFY(!net.setSize(16));
        QCOMPARE(net.size(), 8);
        QVERIFY(net.setSize(3));
        QVERIFY(oracle::nothingBeyondSize(net));
        QVERIFY(net.marks().arrivals == oracle::expectedMarks(net));
        QVERIFY(net.setSize(8)); // nothing comes back
        QCOMPARE(net.terminalMark(6, 1), 0);
        QCOMPARE(net.switchMark(6, 6, 6), 0);
        QVERIFY(net.marks().arrivals == oracle::expectedMarks(net));
    }

    void clearingFromAStartIndex()
    {
        SwitchNetwork net = networkWith(8);
        for (int i : {1, 5})
            for (int j : {1, 5}) {
                net.toggleTerminal(i, j, RedBit);
                net.toggleSwitch(i, j, 1, GreenBit);
                net.toggleSwitch(1, 1, 6, BlueBit);
            }
        net.clearFrom(3);
        for (int i = 0; i < kMaxNetworkSize; ++i)
            for (int j = 0; j < kMaxNetworkSize; ++j) {
                const bool kept = i == 1 && j == 1;
                QCOMPARE(net.terminalMark(i, j), kept ? int(RedBit) : 0);
                for (int k = 0; k < kMaxNetworkSize; ++k)
                    QCOMPARE(net.switchMark(i, j, k), kept && k == 1 ? int(GreenBit) : 0);
                if (i >= 3 || j >= 3)
                    QCOMPARE(net.arrivals(i, j), 0);
            }
        QVERIFY(net.marks().arrivals == oracle::expectedMarks(net));
        net.clearFrom(15);
        QCOMPARE(net.terminalMark(1, 1), int(RedBit));
        net.clearFrom(0);
        QCOMPARE(net.terminalMark(1, 1), 0);
        QCOMPARE(net.switchMark(1, 1, 1), 0);
    }

    void togglesOutsideTheNetworkAreIgnored()
    {
        SwitchNetwork net = networkWith(3);
        net.toggleTerminal(3, 0, RedBit);
        net.toggleTerminal(-1, 0, RedBit);
        net.toggleSwitch(0, 0, 3, RedBit);
        net.toggleSwitch(0, 0, -1, RedBit);
        QVERIFY(net.marks() == Marks{});
        QCOMPARE(net.terminalMark(100, 100), 0);
    }
};

QTEST_APPLESS_MAIN(TestNetwork)
#include "tst_network.moc"
