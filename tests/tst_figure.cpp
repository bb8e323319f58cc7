// Figures without a depth buffer: the back-to-front order of the figure's
// pieces checked against a z-buffer worked out here, for random states and
// eyes, polygons against polygons and lines and lines where they cross; and
// the fit's matrix for GL against the fit itself.
#include "scene/camera.h"
#include "scene/figurescene.h"

#include <QtTest>

#include <array>
#include <cmath>
#include <random>

using namespace ts;

namespace {
struct Projected
{
    std::vector<WindowPoint> corners;
    std::array<double, 3> depthPlane{}; // depth = a x + b y + c over the window
    bool flat = false;                  // seen edge on
};

// Perspective keeps planes planes, so a polygon's window depth is affine in
// window x and y.
Projected project(const OrderedPiece &piece, const Mat4 &mvp, int size)
{
    Projected p;
    for (const Vec3 &v : piece.points)
        p.corners.push_back(toWindow(mvp, v, size, size));
    const WindowPoint &a = p.corners[0];
    for (std::size_t k = 1; k + 1 < p.corners.size(); ++k) {
        const WindowPoint &b = p.corners[k], &c = p.corners[k + 1];
        const double det = (b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y);
        if (std::abs(det) < 1e-6)
            continue;
        const double gx = ((b.depth - a.depth) * (c.y - a.y) - (c.depth - a.depth) * (b.y - a.y)) / det;
        const double gy = ((c.depth - a.depth) * (b.x - a.x) - (b.depth - a.depth) * (c.x - a.x)) / det;
        p.depthPlane = {gx, gy, a.depth - gx * a.x - gy * a.y};
        return p;
    }
    p.flat = true;
    return p;
}

// Strictly inside, by a margin, so that shared edges decide nothing.
bool covers(const Projected &p, double x, double y)
{
    constexpr double kMargin = 0.05; // pixels
    if (p.flat)
        return false;
    int sign = 0;
    const std::size_t n = p.corners.size();
    for (std::size_t k = 0; k < n; ++k) {
        const WindowPoint &a = p.corners[k], &b = p.corners[(k + 1) % n];
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        if (length < 1e-9)
            continue;
        const double side = ((b.x - a.x) * (y - a.y) - (b.y - a.y) * (x - a.x)) / length;
        if (std::abs(side) < kMargin)
            return false;
        const int s = side > 0 ? 1 : -1;
        if (sign != 0 && s != sign)
            return false;
        sign = s;
    }
    return true;
}

double depthAt(const Projected &p, double x, double y)
{
    return p.depthPlane[0] * x + p.depthPlane[1] * y + p.depthPlane[2];
}

// Where two segments on screen cross inside both (not at an end), with
// each one's window depth there: depth is affine along a projected line.
bool crossing(const std::pair<WindowPoint, WindowPoint> &p, const std::pair<WindowPoint, WindowPoint> &q, double *depthP,
              double *depthQ)
{
    constexpr double kInside = 0.02;
    const double rx = p.second.x - p.first.x, ry = p.second.y - p.first.y;
    const double sx = q.second.x - q.first.x, sy = q.second.y - q.first.y;
    const double denominator = rx * sy - ry * sx;
    if (std::abs(denominator) < 1e-9)
        return false; // parallel or coinciding
    const double dx = q.first.x - p.first.x, dy = q.first.y - p.first.y;
    const double t = (dx * sy - dy * sx) / denominator, u = (dx * ry - dy * rx) / denominator;
    if (t <= kInside || t >= 1 - kInside || u <= kInside || u >= 1 - kInside)
        return false;
    *depthP = p.first.depth + t * (p.second.depth - p.first.depth);
    *depthQ = q.first.depth + u * (q.second.depth - q.first.depth);
    return true;
}

SwitchNetwork networkFor(int n, std::mt19937 &random)
{
    SwitchNetwork net;
    net.setSize(n);
    std::uniform_int_distribution<int> offset(-n + 1, n - 1), index(0, n - 1), bit(0, 2);
    for (PlaneFamily f : kAllPlaneFamilies)
        net.setOffset(f, offset(random));
    for (int m = 0; m < n; ++m)
        net.toggleTerminal(index(random), index(random), 1 << bit(random));
    return net;
}
} // namespace

class FigureTest : public QObject
{
    Q_OBJECT

private slots:
    void orderAgreesWithDepth_data();
    void orderAgreesWithDepth();
    void fitMatrixPlacesLikeTheFit();
};

void FigureTest::orderAgreesWithDepth_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("planes");
    QTest::addColumn<bool>("opaque");
    QTest::addColumn<int>("wires");
    QTest::addColumn<int>("switches");
    QTest::addColumn<unsigned>("seed");
    QTest::newRow("N 4, the start") << 4 << false << false << int(WiresOff) << int(SwitchesFill) << 1u;
    QTest::newRow("N 4, see-through planes through boxes") << 4 << true << false << int(WiresUsed) << int(SwitchesFill) << 2u;
    QTest::newRow("N 5, opaque planes crossing") << 5 << true << true << int(WiresAll) << int(SwitchesFill) << 3u;
    QTest::newRow("N 3, frames only") << 3 << true << false << int(WiresAll) << int(SwitchesFrame) << 4u;
    QTest::newRow("N 6, highlights only") << 6 << true << true << int(WiresOff) << int(SwitchesOff) << 5u;
}

// Every polygon piece and the middle of every line piece, at a grid of
// window points: the piece drawn last must be the nearest there, as a
// z-buffer would have it, and a line must neither be drawn over a nearer
// polygon nor be covered by a farther one drawn after it.
void FigureTest::orderAgreesWithDepth()
{
    QFETCH(int, n);
    QFETCH(bool, planes);
    QFETCH(bool, opaque);
    QFETCH(int, wires);
    QFETCH(int, switches);
    QFETCH(unsigned, seed);
    constexpr int kSize = 200, kStep = 4, kEyes = 6;
    constexpr double kSameDepth = 1e-6;
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> angle(0.0f, 360.0f);
    const SwitchNetwork net = networkFor(n, random);
    DisplayOptions options;
    options.wiresMode = static_cast<WiresMode>(wires);
    options.switchesMode = static_cast<SwitchesMode>(switches);
    for (PlaneFamily f : kAllPlaneFamilies)
        options.plane(f) = {true, planes, opaque};

    for (int e = 0; e < kEyes; ++e) {
        Camera camera;
        camera.rotX = angle(random);
        camera.rotY = angle(random);
        camera.width = camera.height = kSize;
        const Mat4 mvp = camera.modelViewProjection();
        const FigureScene scene = buildFigureScene(describeScene(net, options, {}), camera.eyeInModel());
        const std::vector<OrderedPiece> pieces = scene.ordered(camera.eyeInModel());
        std::vector<Projected> polygons;
        for (std::size_t p = 0; p < pieces.size(); ++p)
            if (pieces[p].kind == OrderedPiece::Polygon) {
                polygons.push_back(project(pieces[p], mvp, kSize));
            }
        QVERIFY(!polygons.empty());
        const QString where = QStringLiteral("eye at angles %1, %2").arg(camera.rotX).arg(camera.rotY);

        for (int y = kStep / 2; y < kSize; y += kStep)
            for (int x = kStep / 2; x < kSize; x += kStep) {
                double nearest = 2, last = 2;
                for (const Projected &p : polygons)
                    if (covers(p, x, y)) {
                        last = depthAt(p, x, y);
                        nearest = std::min(nearest, last);
                    }
                QVERIFY2(last <= nearest + kSameDepth,
                         qPrintable(QStringLiteral("at (%1, %2), %3: a farther polygon is drawn last").arg(x).arg(y).arg(where)));
            }

        for (std::size_t p = 0, polygon = 0; p < pieces.size(); ++p) {
            if (pieces[p].kind == OrderedPiece::Polygon) {
                ++polygon;
                continue;
            }
            const Vec3 &a = pieces[p].points[0], &b = pieces[p].points[1];
            const WindowPoint m = toWindow(mvp, {(a.x + b.x) / 2, (a.y + b.y) / 2, (a.z + b.z) / 2}, kSize, kSize);
            for (std::size_t q = 0; q < polygons.size(); ++q) {
                if (!covers(polygons[q], m.x, m.y))
                    continue;
                const double d = depthAt(polygons[q], m.x, m.y);
                const bool drawnBefore = q < polygon;
                QVERIFY2(drawnBefore ? d >= m.depth - kSameDepth : d <= m.depth + kSameDepth,
                         qPrintable(QStringLiteral("a line piece at (%1, %2), %3: %4")
                                        .arg(m.x)
                                        .arg(m.y)
                                        .arg(where, drawnBefore ? QStringLiteral("drawn over a nearer polygon")
                                                                : QStringLiteral("covered by a farther polygon"))));
            }
        }
        // Where two line pieces cross on screen, the nearer one is drawn
        // last (lines that coincide are one depth and decide nothing).
        std::vector<std::pair<WindowPoint, WindowPoint>> lines;
        for (const OrderedPiece &piece : pieces)
            if (piece.kind == OrderedPiece::Segment)
                lines.emplace_back(toWindow(mvp, piece.points[0], kSize, kSize), toWindow(mvp, piece.points[1], kSize, kSize));
        for (std::size_t a = 0; a < lines.size(); ++a)
            for (std::size_t b = a + 1; b < lines.size(); ++b) {
                double depthA = 0, depthB = 0;
                if (!crossing(lines[a], lines[b], &depthA, &depthB))
                    continue;
                QVERIFY2(depthB <= depthA + kSameDepth,
                         qPrintable(QStringLiteral("line pieces %1 and %2, %3: the farther one is drawn over the nearer")
                                        .arg(a)
                                        .arg(b)
                                        .arg(where)));
            }
    }
}

// The GL picture is placed by a matrix on device coordinates; it must put
// every point where the figure's own fit puts it.
void FigureTest::fitMatrixPlacesLikeTheFit()
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int trial = 0; trial < 20; ++trial) {
        const int w = 100 + int(unit(random) * 700), h = 100 + int(unit(random) * 700);
        const int frameW = w + int(unit(random) * 300), frameH = h + int(unit(random) * 300);
        const FrameFit fit{0.5 + unit(random) * 2, unit(random) * w, unit(random) * h, unit(random) * frameW,
                           unit(random) * frameH};
        const Mat4 m = fit.deviceMatrix(w, h, frameW, frameH);
        const double wx = unit(random) * w, wy = unit(random) * h;
        const double ndcX = 2 * wx / w - 1, ndcY = 2 * wy / h - 1;
        const double outX = m.at(0, 0) * ndcX + m.at(0, 3), outY = m.at(1, 1) * ndcY + m.at(1, 3);
        QCOMPARE_LE(std::abs((outX + 1) / 2 * frameW - fit.frameX(wx)), 1e-9);
        QCOMPARE_LE(std::abs((outY + 1) / 2 * frameH - fit.frameY(wy)), 1e-9);
    }
}

QTEST_GUILESS_MAIN(FigureTest)
#include "tst_figure.moc"
