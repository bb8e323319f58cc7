// The network's rules, pick names and angle arithmetic, without a display.
#include "scene/geometry.h"
#include "core/viewpoint.h"
#include "scene/rotation.h"
#include "core/network.h"
#include "scene/picking.h"
#include "support/marksoracle.h"

#include <QtTest>

#include <climits>
#include <cmath>
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

    void pickNames_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("i");
        QTest::addColumn<int>("j");
        QTest::addColumn<int>("k"); // -1: terminal
        QTest::addColumn<uint>("name");
        QTest::newRow("N=4 terminal (2,3)") << 4 << 2 << 3 << -1 << 14u;
        QTest::newRow("N=4 switch (2,3,0)") << 4 << 2 << 3 << 0 << 30u;
        QTest::newRow("N=4 largest") << 4 << 3 << 3 << 3 << 79u;
        QTest::newRow("N=15 largest") << 15 << 14 << 14 << 14 << 3599u;
        QTest::newRow("N=1 terminal") << 1 << 0 << 0 << -1 << 0u;
        QTest::newRow("N=1 switch") << 1 << 0 << 0 << 0 << 1u;
    }

    void pickNames()
    {
        QFETCH(int, n);
        QFETCH(int, i);
        QFETCH(int, j);
        QFETCH(int, k);
        QFETCH(uint, name);
        QCOMPARE(k < 0 ? terminalPickName(i, j, n) : switchPickName(i, j, k, n), name);
        const PickedBox box = decodePickName(name, n);
        QCOMPARE(box.kind, k < 0 ? PickedBox::Terminal : PickedBox::Switch);
        QCOMPARE(box.i, i);
        QCOMPARE(box.j, j);
        QCOMPARE(box.k, k);
    }

    void namesNoBoxCarriesDecodeToNothing()
    {
        QCOMPARE(decodePickName(80, 4).kind, PickedBox::Nothing);
        QCOMPARE(decodePickName(kUnnamed, 4).kind, PickedBox::Nothing);
        QCOMPARE(decodePickName(0, 0).kind, PickedBox::Nothing);
        QCOMPARE(decodePickName(0, 16).kind, PickedBox::Nothing);
    }

    void hitWalk_data()
    {
        QTest::addColumn<QVector<uint>>("buffer");
        QTest::addColumn<int>("hits");
        QTest::addColumn<int>("kind");
        QTest::addColumn<uint>("name");
        const uint U = kUnnamed;
        QTest::newRow("nothing") << QVector<uint>{} << 0 << int(PickResult::Miss) << U;
        QTest::newRow("only unnamed") << QVector<uint>{1, 5, 9, U} << 1 << int(PickResult::Miss) << U;
        QTest::newRow("nearer wins") << QVector<uint>{1, 50, 60, 7, 1, 20, 30, 9} << 2 << int(PickResult::Hit) << 9u;
        QTest::newRow("equal depth: first drawn") << QVector<uint>{1, 20, 30, 7, 1, 20, 30, 9} << 2
                                                  << int(PickResult::Hit) << 7u;
        QTest::newRow("unnamed first, named later") << QVector<uint>{1, 1, 2, U, 1, 90, 95, 4} << 2
                                                    << int(PickResult::Hit) << 4u;
        QTest::newRow("unnamed nearer never wins") << QVector<uint>{1, 90, 95, 4, 1, 1, 2, U} << 2
                                                   << int(PickResult::Hit) << 4u;
        QTest::newRow("depths compare unsigned") << QVector<uint>{1, 0x7FFFFFFF, 1, 3, 1, 0x80000000u, 1, 5} << 2
                                                 << int(PickResult::Hit) << 3u;
        QTest::newRow("overflow trusts nothing") << QVector<uint>{1, 50, 60, 7, 1, 20} << -1
                                                 << int(PickResult::Overflowed) << 7u;
        QTest::newRow("overflow with nothing read") << QVector<uint>{3, 1} << -1 << int(PickResult::Overflowed) << U;
        QTest::newRow("count past the buffer") << QVector<uint>{1, 50, 60, 7} << 40 << int(PickResult::Hit) << 7u;
        QTest::newRow("name count past the buffer") << QVector<uint>{0xFFFFFFF0u, 1, 2, 3} << 1
                                                    << int(PickResult::Miss) << U;
    }

    void hitWalk()
    {
        QFETCH(QVector<uint>, buffer);
        QFETCH(int, hits);
        std::vector<std::uint32_t> copy(buffer.begin(), buffer.end());
        const PickResult r = walkHits(copy.data(), copy.size(), hits);
        QTEST(int(r.kind), "kind");
        QTEST(uint(r.name), "name");
    }

    void dragAngles()
    {
        QCOMPARE(normaliseAngle(dragAngle(0.0f, -10)), 358.0f);
        QCOMPARE(normaliseAngle(dragAngle(359.0f, 10)), 1.0f);
        QCOMPARE(normaliseAngle(-1e-6f), 0.0f); // 360 - tiny rounds to 360, then to 0
        QCOMPARE(normaliseAngle(720.5f), 0.5f);
        QCOMPARE(normaliseAngle(-719.5f), 0.5f);
        for (float wild : {1e10f, -1e10f, 3.4e38f, -3.4e38f, INFINITY, -INFINITY, NAN}) {
            const float a = normaliseAngle(wild);
            QVERIFY2(a >= 0.0f && a < 360.0f, qPrintable(QString::number(double(wild))));
        }
        QCOMPARE(normaliseAngle(dragAngle(100.0f, INT_MAX)), normaliseAngle(float(100.0 + 0.2 * INT_MAX)));
    }

    void angleTextIsZeroPadded()
    {
        QCOMPARE(QString::fromStdString(angleText(30.0f, 7.5f)), QStringLiteral("Angle(030.0,007.5)"));
        QCOMPARE(QString::fromStdString(angleText(0.0f, 359.9f)), QStringLiteral("Angle(000.0,359.9)"));
    }
};

QTEST_APPLESS_MAIN(TestNetwork)
#include "tst_network.moc"
