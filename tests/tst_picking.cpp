// What the mouse does, as pure maths: pick names and the walk over a GL
// selection buffer, the angle of a drag and the status bar's angle text.
#include "core/viewpoint.h"
#include "scene/picking.h"
#include "scene/rotation.h"

#include <QtTest>

#include <climits>
#include <cmath>
#include <cstdint>
#include <tuple>
#include <vector>

using namespace ts;

class TestPicking : public QObject
{
    Q_OBJECT

private slots:
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

    // A smooth move between view points, against the geometry of the
    // circle for seeded pairs: at t the angle has gone t of the shorter arc
    // and has (1 - t) of it left, the zoom's logarithm moves evenly, the
    // ends are exact.
    void viewPointsBetweenTakeTheShortWay()
    {
        const auto arc = [](double a, double b) { // from a to b, signed, the shorter way
            return std::remainder(b - a, 360.0);
        };
        QRandomGenerator rng(20261209);
        for (int pair = 0; pair < 500; ++pair) {
            const ViewPoint from{float(rng.bounded(360.0)), float(rng.bounded(360.0)), std::exp(rng.bounded(2.7) - 0.69),
                                 rng.bounded(2.0) - 1, 0};
            const ViewPoint to{float(rng.bounded(360.0)), pair % 7 ? float(rng.bounded(360.0)) : from.rotY,
                               std::exp(rng.bounded(2.7) - 0.69), 0, rng.bounded(2.0) - 1};
            QVERIFY(viewPointBetween(from, to, 0.0) == from && viewPointBetween(from, to, 1.0) == to);
            for (double t = 0.1; t < 0.95; t += 0.1) {
                const ViewPoint at = viewPointBetween(from, to, t);
                for (const auto &[a, m, b] : {std::tuple{from.rotX, at.rotX, to.rotX}, std::tuple{from.rotY, at.rotY, to.rotY}}) {
                    const double whole = arc(a, b);
                    QVERIFY(m >= 0.0f && m < 360.0f);
                    QVERIFY2(std::abs(arc(a, m) - t * whole) < 1e-3 && std::abs(arc(m, b) - (1 - t) * whole) < 1e-3,
                             qPrintable(QStringLiteral("%1 -> %2 at %3: %4").arg(a).arg(b).arg(t).arg(m)));
                }
                QVERIFY(std::abs(std::log(at.zoom) - (std::log(from.zoom) + t * std::log(to.zoom / from.zoom))) < 1e-9);
                QVERIFY(std::abs(at.panX - (1 - t) * from.panX) < 1e-9 && std::abs(at.panY - t * to.panY) < 1e-9);
            }
        }
    }

    void angleTextIsZeroPadded()
    {
        QCOMPARE(QString::fromStdString(angleText(30.0f, 7.5f)), QStringLiteral("Angle(030.0,007.5)"));
        QCOMPARE(QString::fromStdString(angleText(0.0f, 359.9f)), QStringLiteral("Angle(000.0,359.9)"));
    }
};

QTEST_APPLESS_MAIN(TestPicking)
#include "tst_picking.moc"
