// The scene's pure geometry without GL: route lines, the lattice's boxes and
// highlights, plane quads, network wires and the camera. Expected values are
// worked out here from the rules (cell centres x(t) = (2t+1)/N - 1, y(k) =
// 1 - (2k+1)/N, routes k = i0 - c1, i1 = j0 - c2, j1 = k - c3), never taken
// from the code under test.
#include "scene/camera.h"
#include "core/displayoptions.h"
#include "scene/geometry.h"
#include "scene/lattice.h"
#include "core/network.h"
#include "scene/routegeometry.h"
#include "support/marksoracle.h"

#include <QMatrix4x4>
#include <QtTest>

#include <cmath>
#include <vector>
#include "routerows.h"

using namespace ts;

namespace {
using Points = std::vector<QVector3D>;

float centre(int t, int n) { return float((2.0 * t + 1.0) / n - 1.0); }
float level(int k, int n) { return float(1.0 - (2.0 * k + 1.0) / n); }
float side(int n) { return float(1.0 / (9.0 * n)); }

using oracle::networkWith;

QVector3D q(const Vec3 &v) { return {v.x, v.y, v.z}; }
QVector3D q(const Colour &c) { return {c.r, c.g, c.b}; }

bool close(const QVector3D &a, const QVector3D &b, float tolerance = 1e-5f)
{
    return (a - b).length() <= tolerance;
}

QString text(const QVector3D &v) { return QStringLiteral("(%1, %2, %3)").arg(v.x()).arg(v.y()).arg(v.z()); }

#define QCOMPARE_NEAR(actual, expected)                                                                        \
    QVERIFY2(close((actual), (expected)), qPrintable(text(actual) + QStringLiteral(" != ") + text(expected)))

// The vertices of every primitive of a route drawing, in order.
Points vertices(const RouteDrawing &d, int primitive)
{
    Points p;
    for (int v = 0; v < d.primitive[primitive].count; ++v)
        p.push_back(q(d.primitive[primitive].vertex[v]));
    return p;
}

Points colours(const RouteDrawing &d, int primitive)
{
    Points p;
    for (int v = 0; v < d.primitive[primitive].count; ++v)
        p.push_back(q(d.primitive[primitive].colour[v]));
    return p;
}

const Colour kRed{1, 0, 0}, kHalfRed{0.5f, 0, 0};
const QVector3D kGrey(0.2f, 0.2f, 0.2f);
QVector3D red(double r) { return {float(r), 0, 0}; }
} // namespace

Q_DECLARE_METATYPE(Points)

class TestGeometry : public QObject
{
    Q_OBJECT

private slots:
    void pathRoutes_data()
    {
        addRouteColumns(true);
        QTest::addColumn<Points>("strip");
        QTest::addColumn<Points>("colours");
        QTest::addColumn<Points>("second"); // the other half of a dead run, if any
        const float s4 = side(4);
        {
            // (1, 3) at N = 4: k = 1, i1 = 3, j1 = 1, four colour steps.
            const float x0 = centre(1, 4) + s4, z0 = centre(3, 4), y = level(1, 4), x1 = centre(3, 4),
                        z1 = centre(1, 4);
            QTest::newRow("transpose (1,3)")
                << 4 << 0 << 0 << 0 << 1 << 3
                << Points{{x0, 1, z0}, {x0, y, z0}, {x1, y, z0}, {x1, y, z1}, {x1 - s4, y, z1}, {x1 - s4, 1, z1}}
                << Points{red(1), red(0.875), red(0.75), red(0.625), red(0.625), red(0.5)} << Points{};
        }
        {
            // (2, 2) goes to itself: two steps, a U of width 2s.
            const float x = centre(2, 4), z = centre(2, 4), y = level(2, 4);
            QTest::newRow("to itself")
                << 4 << 0 << 0 << 0 << 2 << 2
                << Points{{x + s4, 1, z}, {x + s4, y, z}, {x, y, z}, {x, y, z}, {x - s4, y, z}, {x - s4, 1, z}}
                << Points{red(1), red(0.75), red(0.75), red(0.75), red(0.75), red(0.5)} << Points{};
        }
        {
            // c1 = 1, c2 = -1, c3 = 2, (3, 0): k = 2, i1 = 1, j1 = 0.
            const float x0 = centre(3, 4) + s4, z0 = centre(0, 4), y = level(2, 4), x1 = centre(1, 4);
            QTest::newRow("all offsets")
                << 4 << 1 << -1 << 2 << 3 << 0
                << Points{{x0, 1, z0}, {x0, y, z0}, {x1, y, z0}, {x1, y, z0}, {x1 - s4, y, z0}, {x1 - s4, 1, z0}}
                << Points{red(1), red(5.0 / 6), red(2.0 / 3), red(2.0 / 3), red(2.0 / 3), red(0.5)} << Points{};
        }
        {
            // IK: c1 = 2 leaves (1, 0) no level: straight down to the bottom face.
            const float x0 = centre(1, 4) + s4, z0 = centre(0, 4);
            QTest::newRow("dead at IK") << 4 << 2 << 0 << 0 << 1 << 0 << Points{{x0, 1, z0}, {x0, -1, z0}}
                                        << Points{red(1), kGrey} << Points{};
        }
        {
            // IK with a negative offset: c1 = -3 at (2, 1) gives level 5, outside.
            const float x0 = centre(2, 4) + s4, z0 = centre(1, 4);
            QTest::newRow("dead at IK, c1 < 0") << 4 << -3 << 0 << 0 << 2 << 1 << Points{{x0, 1, z0}, {x0, -1, z0}}
                                                << Points{red(1), kGrey} << Points{};
        }
        {
            // JI: c2 = 1 leaves (2, 0) at level 2 with no column: grey runs to both x faces.
            const float x0 = centre(2, 4) + s4, z0 = centre(0, 4), y = level(2, 4);
            QTest::newRow("dead at JI") << 4 << 0 << 1 << 0 << 2 << 0
                                        << Points{{x0, 1, z0}, {x0, y, z0}, {-1, y, z0}}
                                        << Points{red(1), red(0.875), kGrey} << Points{{x0, y, z0}, {1, y, z0}};
        }
        {
            // KJ: c3 = -1 sends (3, 1) from level 3 to row 4: grey runs to both z faces.
            const float x0 = centre(3, 4) + s4, z0 = centre(1, 4), y = level(3, 4), x1 = centre(1, 4);
            QTest::newRow("dead at KJ") << 4 << 0 << 0 << -1 << 3 << 1
                                        << Points{{x0, 1, z0}, {x0, y, z0}, {x1, y, z0}, {x1, y, -1}}
                                        << Points{red(1), red(0.875), red(0.75), kGrey}
                                        << Points{{x1, y, z0}, {x1, y, 1}};
        }
        {
            // KJ with a positive offset: c3 = 2, (1, 2): level 1, column 2, row -1.
            const float x0 = centre(1, 4) + s4, z0 = centre(2, 4), y = level(1, 4), x1 = centre(2, 4);
            QTest::newRow("dead at KJ, c3 > 0") << 4 << 0 << 0 << 2 << 1 << 2
                                                << Points{{x0, 1, z0}, {x0, y, z0}, {x1, y, z0}, {x1, y, -1}}
                                                << Points{red(1), red(0.875), red(0.75), kGrey}
                                                << Points{{x1, y, z0}, {x1, y, 1}};
        }
        {
            const float s = side(1);
            QTest::newRow("N=1") << 1 << 0 << 0 << 0 << 0 << 0
                                 << Points{{s, 1, 0}, {s, 0, 0}, {0, 0, 0}, {0, 0, 0}, {-s, 0, 0}, {-s, 1, 0}}
                                 << Points{red(1), red(0.75), red(0.75), red(0.75), red(0.75), red(0.5)} << Points{};
        }
    }

    void pathRoutes()
    {
        const auto [n, c1, c2, c3, i0, j0] = fetchRouteRow(true);
        QFETCH(Points, strip);
        QFETCH(Points, colours);
        QFETCH(Points, second);
        const SwitchNetwork net = networkWith(n, c1, c2, c3);
        const RouteDrawing d = buildRoute(net, RoutePath, i0, j0, float(1.0 / n), side(n), kRed, kHalfRed);
        QCOMPARE(d.count, second.empty() ? 1 : 2);
        QCOMPARE(d.primitive[0].kind, RoutePrimitive::LineStrip);
        const Points got = vertices(d, 0), gotColours = ::colours(d, 0);
        QCOMPARE(got.size(), strip.size());
        for (size_t v = 0; v < strip.size(); ++v) {
            QCOMPARE_NEAR(got[v], strip[v]);
            QCOMPARE_NEAR(gotColours[v], colours[v]);
        }
        if (!second.empty()) {
            const Points other = vertices(d, 1);
            QCOMPARE(other.size(), second.size());
            for (size_t v = 0; v < second.size(); ++v)
                QCOMPARE_NEAR(other[v], second[v]);
            // The dead run starts in the colour of the corner it leaves.
            QCOMPARE_NEAR(::colours(d, 1)[0], gotColours[gotColours.size() - 2]);
            QCOMPARE_NEAR(::colours(d, 1)[1], kGrey);
        }
    }

    void wireRoutes_data()
    {
        addRouteColumns(false);
        QTest::addColumn<int>("wires");
        QTest::newRow("arrives") << 0 << 0 << 0 << 1 << 3 << 4;
        QTest::newRow("dead at IK") << 2 << 0 << 0 << 1 << 0 << 1;
        QTest::newRow("dead at JI") << 0 << 1 << 0 << 2 << 0 << 2;
        QTest::newRow("dead at KJ") << 0 << 0 << -1 << 3 << 1 << 3;
        QTest::newRow("offsets, arrives") << 1 << -1 << 2 << 3 << 0 << 4;
    }

    void wireRoutes()
    {
        const auto [n4, c1, c2, c3, i0, j0] = fetchRouteRow(false);
        Q_UNUSED(n4);
        QFETCH(int, wires);
        const int n = 4;
        const float s = side(n);
        const SwitchNetwork net = networkWith(n, c1, c2, c3);
        const RouteDrawing d = buildRoute(net, RouteWire, i0, j0, 0.25f, s, kRed, kHalfRed);
        QCOMPARE(d.count, 1);
        QCOMPARE(d.primitive[0].kind, RoutePrimitive::Lines);
        const Points v = vertices(d, 0), c = colours(d, 0);
        QCOMPARE(int(v.size()), 2 * wires);
        const int k = i0 - c1, i1 = j0 - c2, j1 = k - c3;
        const float lo = centre(0, n), hi = centre(n - 1, n), bottom = level(n - 1, n);
        const Points whole[] = {{{centre(i0, n) + s, 1, centre(j0, n)}, {centre(i0, n) + s, bottom, centre(j0, n)}},
                                {{lo, level(k, n), centre(j0, n)}, {hi, level(k, n), centre(j0, n)}},
                                {{centre(i1, n), level(k, n), lo}, {centre(i1, n), level(k, n), hi}},
                                {{centre(i1, n) - s, 1, centre(j1, n)}, {centre(i1, n) - s, bottom, centre(j1, n)}}};
        const double shade[] = {1.0, 5.0 / 6, 2.0 / 3, 0.5};
        for (int w = 0; w < wires; ++w) {
            QCOMPARE_NEAR(v[2 * w], whole[w][0]);
            QCOMPARE_NEAR(v[2 * w + 1], whole[w][1]);
            QCOMPARE_NEAR(c[2 * w], red(shade[w]));
            QCOMPARE_NEAR(c[2 * w + 1], red(shade[w]));
        }
    }

    void wiresOfTheNetwork_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<QVector3D>("from");
        QTest::addColumn<QVector3D>("to");
        const float s1 = side(1), s4 = side(4);
        QTest::newRow("N=1 down") << 1 << int(WireKind::Down) << 0 << 0 << QVector3D(s1, 1, 0) << QVector3D(s1, 0, 0);
        QTest::newRow("N=1 up") << 1 << int(WireKind::Up) << 0 << 0 << QVector3D(-s1, 1, 0) << QVector3D(-s1, 0, 0);
        QTest::newRow("N=1 x, zero length") << 1 << int(WireKind::AlongX) << 0 << 0 << QVector3D(0, 0, 0)
                                           << QVector3D(0, 0, 0);
        QTest::newRow("N=4 down (0,0)") << 4 << int(WireKind::Down) << 0 << 0 << QVector3D(-0.75f + s4, 1, -0.75f)
                                        << QVector3D(-0.75f + s4, -0.75f, -0.75f);
        QTest::newRow("N=4 x of level 3, row 0") << 4 << int(WireKind::AlongX) << 3 << 0
                                                 << QVector3D(-0.75f, -0.75f, -0.75f)
                                                 << QVector3D(0.75f, -0.75f, -0.75f);
        QTest::newRow("N=4 z of column 2, level 1") << 4 << int(WireKind::AlongZ) << 2 << 1
                                                    << QVector3D(0.25f, 0.25f, -0.75f) << QVector3D(0.25f, 0.25f, 0.75f);
        QTest::newRow("N=4 up (3,1)") << 4 << int(WireKind::Up) << 3 << 1 << QVector3D(0.75f - s4, 1, -0.25f)
                                      << QVector3D(0.75f - s4, -0.75f, -0.25f);
    }

    void wiresOfTheNetwork()
    {
        QFETCH(int, n);
        QFETCH(int, kind);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(QVector3D, from);
        QFETCH(QVector3D, to);
        const Segment w = networkWire(WireKind(kind), a, b, CellGeometry(n));
        QCOMPARE_NEAR(q(w.from), from);
        QCOMPARE_NEAR(q(w.to), to);
    }

    void planeQuads_data()
    {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("offset");
        QTest::addColumn<bool>("drawn");
        QTest::newRow("IK N=4 c=3") << 0 << 4 << 3 << true;
        QTest::newRow("IK N=4 c=-2") << 0 << 4 << -2 << true;
        QTest::newRow("IK N=4 c=4") << 0 << 4 << 4 << false;
        QTest::newRow("IK N=4 c=-4") << 0 << 4 << -4 << false;
        QTest::newRow("JI N=4 c=1") << 1 << 4 << 1 << true;
        QTest::newRow("JI N=5 c=-3") << 1 << 5 << -3 << true;
        QTest::newRow("KJ N=4 c=2") << 2 << 4 << 2 << true;
        QTest::newRow("KJ N=6 c=-5") << 2 << 6 << -5 << true;
        QTest::newRow("KJ N=1 c=0") << 2 << 1 << 0 << true;
        QTest::newRow("KJ N=1 c=1") << 2 << 1 << 1 << false;
    }

    // Each corner lies on the cube's surface and on the family's plane,
    // which holds the centres of exactly the switches the family picks:
    // IK x + y = 2c/N, JI z - x = 2c/N, KJ y + z = -2c/N.
    void planeQuads()
    {
        QFETCH(int, family);
        QFETCH(int, n);
        QFETCH(int, offset);
        QFETCH(bool, drawn);
        std::array<Vec3, 4> corners{};
        QCOMPARE(planeQuad(PlaneFamily(family), offset, CellGeometry(n), corners), drawn);
        if (!drawn)
            return;
        const double c = 2.0 * offset / n;
        for (const Vec3 &v : corners) {
            const double onPlane = family == 0 ? v.x + v.y - c : family == 1 ? v.z - v.x - c : v.y + v.z + c;
            QVERIFY2(std::abs(onPlane) < 1e-5, qPrintable(text(q(v))));
            const double outermost = std::max({std::abs(v.x), std::abs(v.y), std::abs(v.z)});
            QVERIFY2(std::abs(outermost - 1) < 1e-5, qPrintable(text(q(v))));
        }
        // A quad, not a sliver: consecutive corners differ and the diagonals cross at its middle.
        for (int a = 0; a < 4; ++a)
            QVERIFY(!close(q(corners[a]), q(corners[(a + 1) % 4])));
        QCOMPARE_NEAR((q(corners[0]) + q(corners[2])) / 2, (q(corners[1]) + q(corners[3])) / 2);
        // The centres of the switches the family highlights lie on the plane.
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j)
                for (int k = 0; k < n; ++k) {
                    const bool on = family == 0 ? i == k + offset : family == 1 ? j == i + offset : k == j + offset;
                    const double x = centre(i, n), y = level(k, n), z = centre(j, n);
                    const double d = family == 0 ? x + y - c : family == 1 ? z - x - c : y + z + c;
                    QCOMPARE(std::abs(d) < 1e-5, on);
                }
    }

    void planeQuadCornersAsGiven()
    {
        // N = 4, c1 = 3: from (0.5, 1, -1) and (0.5, 1, 1) to (1, 0.5, 1) and (1, 0.5, -1).
        std::array<Vec3, 4> c{};
        QVERIFY(planeQuad(PlaneFamily::IK, 3, CellGeometry(4), c));
        const Points want{{0.5f, 1, -1}, {0.5f, 1, 1}, {1, 0.5f, 1}, {1, 0.5f, -1}};
        for (int a = 0; a < 4; ++a)
            QCOMPARE_NEAR(q(c[a]), want[a]);
        QVERIFY(planeQuad(PlaneFamily::IK, -2, CellGeometry(4), c));
        const Points minus{{-1, 0, -1}, {-1, 0, 1}, {0, -1, 1}, {0, -1, -1}};
        for (int a = 0; a < 4; ++a)
            QCOMPARE_NEAR(q(c[a]), minus[a]);
    }

    void latticeHighlights_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("switchesMode");
        for (int n : {4, 15})
            for (int family = 0; family < 3; ++family)
                for (int offset : {-2, 0, 3})
                    for (int mode : {int(SwitchesFill), int(SwitchesOff)})
                        QTest::newRow(qPrintable(QStringLiteral("N=%1 family %2 c=%3 mode %4")
                                                     .arg(n).arg(family).arg(offset).arg(mode)))
                            << n << family << offset << mode;
    }

    void latticeHighlights()
    {
        QFETCH(int, n);
        QFETCH(int, family);
        QFETCH(int, offset);
        QFETCH(int, switchesMode);
        SwitchNetwork net;
        net.setSize(n);
        net.setOffset(PlaneFamily(family), offset);
        DisplayOptions options;
        options.switchesMode = SwitchesMode(switchesMode);
        options.plane(PlaneFamily(family)).hilite = true;
        std::vector<LatticeBox> boxes;
        buildLattice(net, options, boxes);

        int switches = 0, expectedHighlighted = 0;
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j)
                for (int k = 0; k < n; ++k)
                    expectedHighlighted += (family == 0 ? i == k + offset : family == 1 ? j == i + offset
                                                                                        : k == j + offset) ? 1 : 0;
        size_t at = 0;
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j) {
                for (int k = 0; k < n; ++k) {
                    const bool on = family == 0 ? i == k + offset : family == 1 ? j == i + offset : k == j + offset;
                    if (switchesMode == SwitchesOff && !on)
                        continue; // hidden, not even its frame
                    QVERIFY(at < boxes.size());
                    const LatticeBox &b = boxes[at++];
                    QCOMPARE(b.name, PickName(i + j * n + (k + 1) * n * n));
                    QCOMPARE_NEAR(q(b.centre), QVector3D(centre(i, n), level(k, n), centre(j, n)));
                    QVERIFY(b.hasFrame);
                    QCOMPARE(b.hasFill, on || switchesMode == SwitchesFill);
                    QVector3D fill(0.3f, 0.3f, 0.3f);
                    if (on)
                        fill[family] = 0.8f;
                    if (b.hasFill)
                        QCOMPARE_NEAR(q(b.fillColour), fill);
                    ++switches;
                }
                const LatticeBox &t = boxes[at++];
                QCOMPARE(t.name, PickName(i + j * n));
                QCOMPARE_NEAR(q(t.centre), QVector3D(centre(i, n), 1, centre(j, n)));
            }
        QCOMPARE(at, boxes.size());
        QCOMPARE(switches, switchesMode == SwitchesOff ? expectedHighlighted : n * n * n);
        QVERIFY(expectedHighlighted > 0);
    }

    void latticeFramesAndMarks()
    {
        SwitchNetwork net; // N = 4
        net.toggleTerminal(1, 3, RedBit);
        net.toggleSwitch(2, 3, 0, RedBit | BlueBit);
        DisplayOptions options;
        options.switchesMode = SwitchesFrame;
        std::vector<LatticeBox> boxes;
        buildLattice(net, options, boxes);
        auto find = [&](PickName name) -> const LatticeBox & {
            for (const LatticeBox &b : boxes)
                if (b.name == name)
                    return b;
            qFatal("no box %u", name);
        };
        const LatticeBox &sw = find(30); // switch (2, 3, 0)
        QVERIFY(!sw.hasFill);
        QCOMPARE(sw.frameWidth, 3.0f);
        QCOMPARE_NEAR(q(sw.frameColour), QVector3D(1, 0, 1));
        const LatticeBox &plain = find(31);
        QCOMPARE(plain.frameWidth, 1.0f);
        QCOMPARE_NEAR(q(plain.frameColour), QVector3D(1, 1, 1));
        QCOMPARE_NEAR(q(find(13).frameColour), QVector3D(1, 0, 0)); // terminal (1, 3), marked
        QCOMPARE_NEAR(q(find(7).fillColour), QVector3D(0.5f, 0, 0)); // (3, 1), where it arrives
        QCOMPARE_NEAR(q(find(0).fillColour), QVector3D(0.7f, 0.7f, 0.7f));
        QCOMPARE_NEAR(q(find(7).halfSize), QVector3D(1.0f / 12, 1.0f / 36, 1.0f / 12));
        QCOMPARE_NEAR(q(sw.halfSize), QVector3D(1.0f / 18, 1.0f / 18, 1.0f / 18));
    }

    void cameraMatchesAnIndependentOne_data()
    {
        QTest::addColumn<float>("rotX");
        QTest::addColumn<float>("rotY");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<double>("panX");
        QTest::addColumn<double>("panY");
        QTest::newRow("rest") << 0.0f << 0.0f << 800 << 800 << 0.0 << 0.0;
        QTest::newRow("turned") << 30.0f << 7.5f << 800 << 800 << 0.0 << 0.0;
        QTest::newRow("wide") << 300.0f << 200.0f << 1000 << 800 << 0.0 << 0.0;
        QTest::newRow("from above") << 90.0f << 0.0f << 1600 << 1600 << 0.0 << 0.0;
        QTest::newRow("panned") << 30.0f << 330.0f << 1000 << 800 << 0.3 << -0.45;
    }

    void cameraMatchesAnIndependentOne()
    {
        QFETCH(float, rotX);
        QFETCH(float, rotY);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(double, panX);
        QFETCH(double, panY);
        const Camera camera{rotX, rotY, width, height, 1.0, panX, panY};
        QMatrix4x4 m;
        m.translate(float(panX), float(panY)); // the picture moved after projecting
        m.perspective(20.0f, float(width) / float(height), 7.5f, 12.5f);
        m.lookAt({0, 0, 10}, {0, 0, 0}, {0, 1, 0});
        m.rotate(rotX, 1, 0, 0);
        m.rotate(-rotY, 0, 1, 0);
        m.scale(1, 1, -1);
        for (const QVector3D p : {QVector3D(0, 0, 0), QVector3D(1, 1, 1), QVector3D(-1, 0.5f, -0.25f),
                                  QVector3D(0.75f, -1, 0.1f)}) {
            const QVector3D ndc = m.map(p);
            const WindowPoint w = camera.toWindow({p.x(), p.y(), p.z()});
            QVERIFY(std::abs(w.x - (ndc.x() + 1) / 2 * width) < 1e-2);
            QVERIFY(std::abs(w.y - (ndc.y() + 1) / 2 * height) < 1e-2);
            QVERIFY(std::abs(w.depth - (ndc.z() + 1) / 2) < 1e-5);
        }
        // The eye: the model point that the model-view matrix takes to the origin.
        const Vec3 eye = camera.eyeInModel();
        QMatrix4x4 view;
        view.lookAt({0, 0, 10}, {0, 0, 0}, {0, 1, 0});
        view.rotate(rotX, 1, 0, 0);
        view.rotate(-rotY, 0, 1, 0);
        view.scale(1, 1, -1);
        QVERIFY(view.map(q(eye)).length() < 1e-4f);
    }

    // Zooming about a point of the view leaves the model point seen there
    // where it was.
    void zoomAboutAPointKeepsIt_data()
    {
        QTest::addColumn<double>("from");
        QTest::addColumn<double>("to");
        QTest::addColumn<double>("panX");
        QTest::addColumn<double>("panY");
        QTest::addColumn<QVector3D>("held");
        QTest::newRow("in, at a corner") << 1.0 << 1.25 << 0.0 << 0.0 << QVector3D(0.8f, 1, -0.9f);
        QTest::newRow("out, already panned") << 2.0 << 1.6 << 0.4 << -0.2 << QVector3D(-0.5f, 0.2f, 0.7f);
        QTest::newRow("far in") << 4.0 << 8.0 << -1.5 << 1.0 << QVector3D(0.1f, -0.6f, 0.3f);
        QTest::newRow("at the centre") << 1.0 << 3.0 << 0.0 << 0.0 << QVector3D(0, 0, 0);
    }

    void zoomAboutAPointKeepsIt()
    {
        QFETCH(double, from);
        QFETCH(double, to);
        QFETCH(double, panX);
        QFETCH(double, panY);
        QFETCH(QVector3D, held);
        const ViewPoint before{30.0f, 330.0f, from, panX, panY};
        auto camera = [](const ViewPoint &v) { return Camera{v.rotX, v.rotY, 900, 700, v.zoom, v.panX, v.panY}; };
        const WindowPoint at = camera(before).toWindow({held.x(), held.y(), held.z()});
        const ViewPoint after = zoomedAbout(before, to, at.x / 900 * 2 - 1, at.y / 700 * 2 - 1);
        QCOMPARE(after.zoom, to);
        const WindowPoint still = camera(after).toWindow({held.x(), held.y(), held.z()});
        QVERIFY2(std::abs(still.x - at.x) < 1e-6 && std::abs(still.y - at.y) < 1e-6,
                 qPrintable(QStringLiteral("%1,%2 then %3,%4").arg(at.x).arg(at.y).arg(still.x).arg(still.y)));
    }

    void cameraFacts()
    {
        // At rest +x points right, +y up, and z = -1 is the face nearest the eye.
        const Camera c{0, 0, 800, 800};
        QVERIFY(c.toWindow({1, 0, 0}).x > 400);
        QVERIFY(c.toWindow({0, 1, 0}).y > 400);
        QVERIFY(c.toWindow({0, 0, -1}).depth < c.toWindow({0, 0, 1}).depth);
        QCOMPARE(Camera({0, 0, 1000, 800}).aspect(), 1.25);
        QVERIFY(std::isfinite(Camera({0, 0, 300, 0}).aspect()));
    }
};

QTEST_APPLESS_MAIN(TestGeometry)
#include "tst_geometry.moc"
