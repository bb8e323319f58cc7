// Routes and wire overlays as GL receives them: captured in feedback mode
// with identity matrices, so window coordinates map straight back to model
// coordinates. Plus a look at real pixels: marked routes solid, wires dashed.
#include "sceneprobe.h"
#include "support/viewdriver.h"
#include "scene/routegeometry.h"

#include <GL/gl.h>

#include <functional>
#include <vector>
#include "routerows.h"

using namespace ts;

namespace {
struct FeedbackVertex
{
    QVector3D position;
    QVector3D colour;
};

struct Polyline
{
    std::vector<FeedbackVertex> vertices;
};

// Mesa marks where a strip starts only while line stipple is off, so the
// overlays, which are stippled, are compared segment by segment.
size_t segmentCount(const std::vector<Polyline> &lines)
{
    size_t count = 0;
    for (const Polyline &l : lines)
        count += l.vertices.size() - 1;
    return count;
}

constexpr float kPosTolerance = 1e-4f;
constexpr float kFeedbackColourTolerance = 1e-3f;

bool near(const QVector3D &a, const QVector3D &b, float tolerance)
{
    return (a - b).length() <= tolerance;
}

QString text(const QVector3D &v)
{
    return QStringLiteral("(%1, %2, %3)").arg(v.x()).arg(v.y()).arg(v.z());
}

#define QCOMPARE_VEC(actual, expected, tolerance)                                                              \
    QVERIFY2(near((actual), (expected), (tolerance)),                                                          \
             qPrintable(text(actual) + QStringLiteral(" != ") + text(expected)))

} // namespace

class TestRoutes : public QObject
{
    Q_OBJECT

    std::unique_ptr<GLBox> view;

    // Lines drawn by fn, joined into the strips GL was given: every segment
    // that continues the previous one without a stipple reset extends it.
    std::vector<Polyline> capture(const std::function<void()> &fn, bool joinStrips = true)
    {
        view->makeCurrent();
        const int side = view->camera().width;
        glViewport(0, 0, side, side);
        glMatrixMode(GL_PROJECTION);
        glPushMatrix();
        glLoadIdentity();
        glMatrixMode(GL_MODELVIEW);
        glPushMatrix();
        glLoadIdentity();
        std::vector<GLfloat> buffer(1 << 16);
        glFeedbackBuffer(GLsizei(buffer.size()), GL_3D_COLOR, buffer.data());
        glRenderMode(GL_FEEDBACK);
        fn();
        const GLint used = glRenderMode(GL_RENDER);
        glPopMatrix();
        glMatrixMode(GL_PROJECTION);
        glPopMatrix();
        glMatrixMode(GL_MODELVIEW);
        view->doneCurrent();

        auto vertexAt = [&](int at) {
            const float x = buffer[at] / side * 2 - 1, y = buffer[at + 1] / side * 2 - 1, z = buffer[at + 2] * 2 - 1;
            return FeedbackVertex{{x, y, z}, {buffer[at + 3], buffer[at + 4], buffer[at + 5]}};
        };
        std::vector<Polyline> lines;
        for (int at = 0; at < used;) {
            const GLfloat token = buffer[at++];
            if (token != GL_LINE_TOKEN && token != GL_LINE_RESET_TOKEN) {
                qWarning("unexpected feedback token %f", double(token));
                return {};
            }
            const FeedbackVertex a = vertexAt(at), b = vertexAt(at + 7);
            at += 14;
            // GL_LINES segments come without reset tokens: a segment extends
            // a strip only where it starts at the strip's end.
            const bool continues = joinStrips && token == GL_LINE_TOKEN && !lines.empty() &&
                                   lines.back().vertices.back().position == a.position;
            if (!continues)
                lines.push_back({{a}});
            lines.back().vertices.push_back(b);
        }
        return lines;
    }

    void expectStrip(const Polyline &line, const std::vector<QVector3D> &points, const std::vector<QVector3D> &colours)
    {
        QCOMPARE(line.vertices.size(), points.size());
        for (size_t v = 0; v < points.size(); ++v) {
            QCOMPARE_VEC(line.vertices[v].position, points[v], kPosTolerance);
            QCOMPARE_VEC(line.vertices[v].colour, colours[v], kFeedbackColourTolerance);
        }
    }

private slots:
    void init() { view = shownView(); }
    void cleanup() { view.reset(); }

    // What GL receives of a marked route, through the scene's description,
    // is exactly what buildRoute returns: one strip, two at a path's dead
    // end, or one batch of whole wires. The geometry itself is checked
    // without GL in tst_geometry.
    void glReceivesTheBuiltRoute_data()
    {
        QTest::addColumn<int>("routeMode");
        addRouteColumns(false);
        for (int mode : {int(RoutePath), int(RouteWire)}) {
            const QString style = mode == RoutePath ? QStringLiteral("path ") : QStringLiteral("wire ");
            QTest::newRow(qPrintable(style + "arrives")) << mode << 0 << 0 << 0 << 1 << 3;
            QTest::newRow(qPrintable(style + "to itself")) << mode << 0 << 0 << 0 << 2 << 2;
            QTest::newRow(qPrintable(style + "dead at IK")) << mode << 2 << 0 << 0 << 1 << 0;
            QTest::newRow(qPrintable(style + "dead at JI")) << mode << 0 << 1 << 0 << 2 << 0;
            QTest::newRow(qPrintable(style + "dead at KJ")) << mode << 0 << 0 << -1 << 3 << 1;
        }
    }

    void glReceivesTheBuiltRoute()
    {
        QFETCH(int, routeMode);
        const auto [n4, c1, c2, c3, i0, j0] = fetchRouteRow(false);
        Q_UNUSED(n4);
        view->setRouteMode(routeMode);
        view->setIKOffset(c1);
        view->setJIOffset(c2);
        view->setKJOffset(c3);
        view->toggleMark({PickedBox::Terminal, i0, j0, -1}, BlueBit);
        const Colour start{0, 0, 1}, end{0, 0, 0.5f};
        const CellGeometry g(4);
        const RouteDrawing built = buildRoute(view->network(), routeMode, i0, j0, g.halfCell, g.sideOffset(), start, end);
        const auto lines = capture([&] { SceneProbe::drawMarkedRoutes(*view); }, routeMode == RoutePath);
        std::vector<FeedbackVertex> received;
        for (const Polyline &l : lines)
            for (size_t v = 0; v < l.vertices.size(); ++v)
                received.push_back(l.vertices[v]);
        std::vector<QVector3D> expected, expectedColours;
        for (int p = 0; p < built.count; ++p)
            for (int v = 0; v < built.primitive[p].count; ++v) {
                const Vec3 &x = built.primitive[p].vertex[v];
                const Colour &c = built.primitive[p].colour[v];
                expected.push_back({x.x, x.y, x.z});
                expectedColours.push_back({c.r, c.g, c.b});
            }
        QCOMPARE(lines.size(), size_t(routeMode == RoutePath ? built.count : built.primitive[0].count / 2));
        QCOMPARE(received.size(), expected.size());
        for (size_t v = 0; v < expected.size(); ++v) {
            QCOMPARE_VEC(received[v].position, expected[v], kPosTolerance);
            QCOMPARE_VEC(received[v].colour, expectedColours[v], kFeedbackColourTolerance);
        }
    }

    void allWires_data()
    {
        QTest::addColumn<int>("n");
        QTest::newRow("N=1") << 1;
        QTest::newRow("N=4") << 4;
        QTest::newRow("N=15") << 15;
    }

    void allWires()
    {
        QFETCH(int, n);
        view->setSize(n);
        view->setWiresMode(WiresAll);
        const auto lines = capture([&] { SceneProbe::drawWireOverlay(*view); }, false);
        QCOMPARE(int(lines.size()) * 2, 8 * n * n);
        for (const Polyline &l : lines)
            QCOMPARE_VEC(l.vertices[0].colour, QVector3D(0.7f, 0.7f, 0), kFeedbackColourTolerance);
        // In drawing order: for each (a, b), down, up, x and z wire, as
        // networkWire places them (its geometry is checked in tst_geometry).
        const CellGeometry g(n);
        size_t at = 0;
        for (int a = 0; a < n; ++a)
            for (int b = 0; b < n; ++b)
                for (WireKind kind : {WireKind::Down, WireKind::Up, WireKind::AlongX, WireKind::AlongZ}) {
                    const Segment w = networkWire(kind, a, b, g);
                    QCOMPARE_VEC(lines[at].vertices[0].position, QVector3D(w.from.x, w.from.y, w.from.z), kPosTolerance);
                    QCOMPARE_VEC(lines[at].vertices[1].position, QVector3D(w.to.x, w.to.y, w.to.z), kPosTolerance);
                    ++at;
                }
    }

    void usedWiresDrawEveryRoute()
    {
        view->setWiresMode(WiresUsed);
        const auto lines = capture([&] { SceneProbe::drawWireOverlay(*view); });
        QCOMPARE(segmentCount(lines), size_t(16 * 5)); // every terminal's route, none marked
        for (const Polyline &l : lines)
            for (const FeedbackVertex &v : l.vertices)
                QCOMPARE_VEC(v.colour, QVector3D(0.7f, 0.7f, 0), kFeedbackColourTolerance);
        view->setRouteMode(RouteWire);
        QCOMPARE(segmentCount(capture([&] { SceneProbe::drawWireOverlay(*view); })), size_t(16 * 4));
    }

    void stippleOnlyAroundAnOverlay()
    {
        auto stippleAfter = [&](int mode) {
            view->setWiresMode(mode);
            view->makeCurrent();
            glEnable(GL_LINE_STIPPLE); // a mode that draws nothing must not touch it
            view->doneCurrent();
            const auto lines = capture([&] { SceneProbe::drawWireOverlay(*view); });
            view->makeCurrent();
            const bool on = glIsEnabled(GL_LINE_STIPPLE);
            glDisable(GL_LINE_STIPPLE);
            view->doneCurrent();
            return std::make_pair(on, lines.size());
        };
        QCOMPARE(stippleAfter(WiresOff), std::make_pair(true, size_t(0)));
        QCOMPARE(stippleAfter(7), std::make_pair(false, size_t(0)));
        QCOMPARE(stippleAfter(WiresAll).first, false);
    }

    // Stepping to leg 2 draws the route's first two legs and not the third;
    // with stepping, focus and labels off again the frame is the one before.
    void steppingDrawsTheLegsSoFar()
    {
        view->setSwitchesMode(SwitchesOff); // nothing hides the runs inside the lattice
        view->setRotation(30, 330);
        view->toggleMark({PickedBox::Terminal, 1, 3, -1}, RedBit);
        const QImage plain = view->grabFramebuffer();
        const CellGeometry g(4);
        const QPointF alongX = project(*view, {(g.x(1) + g.x(3)) / 2, g.y(1), g.z(3)});
        const QPointF alongZ = project(*view, {g.x(3), g.y(1), (g.z(3) + g.z(1)) / 2});
        auto reds = [](const QImage &frame, const QPointF &at) {
            int count = 0;
            for (int dy = -3; dy <= 3; ++dy)
                for (int dx = -3; dx <= 3; ++dx) {
                    const QColor c = pixelAt(frame, at + QPointF(dx, dy));
                    count += c.red() > 100 && c.green() < 60 && c.blue() < 60 ? 1 : 0;
                }
            return count;
        };
        QVERIFY(reds(plain, alongX) > 0 && reds(plain, alongZ) > 0);
        view->setRouteStep({true, 1, 3, 2});
        const QImage stepped = view->grabFramebuffer();
        QVERIFY(reds(stepped, alongX) > reds(plain, alongX)); // the current leg, thick
        QCOMPARE(reds(stepped, alongZ), 0);

        view->setRouteStep({});
        QCOMPARE(view->grabFramebuffer(), plain);
        view->setFocusOnRoutes(true);
        view->setLabels(true);
        QVERIFY(view->grabFramebuffer() != plain);
        view->setFocusOnRoutes(false);
        view->setLabels(false);
        QCOMPARE(view->grabFramebuffer(), plain);
    }

    void markedRoutesSolidAndWiresDashed()
    {
        if (view->devicePixelRatio() != 1)
            QSKIP("line widths are device pixels");
        clickTerminalFromAbove(*view, 1, 3, Qt::LeftButton);
        const CellGeometry g(4);
        QCOMPARE(view->network().terminalMark(1, 3), int(RedBit));
        view->setRotation(0, 0);
        view->setSwitchesMode(SwitchesOff);
        QImage image = view->grabFramebuffer();

        // The x run of (1, 3) at level 1, between columns 2 and 3: solid, 3 pixels thick.
        const QPointF from = project(*view, {g.x(2) + 0.05f, g.y(1), g.z(3)});
        const QPointF to = project(*view, {g.x(3) - 0.05f, g.y(1), g.z(3)});
        int lit = 0, total = 0;
        for (int x = int(from.x()); x <= int(to.x()); ++x, ++total) {
            int thick = 0;
            for (int y = int(from.y()) - 5; y <= int(from.y()) + 5; ++y)
                thick += image.pixelColor(x, y).red() > 100 && image.pixelColor(x, y).green() < 60 ? 1 : 0;
            lit += thick == 3 ? 1 : 0;
        }
        QVERIFY2(lit == total, qPrintable(QStringLiteral("%1 of %2").arg(lit).arg(total)));

        // The x wire of level 2 in row 0 (the front): dashes of 4 pixels.
        view->setWiresMode(WiresAll);
        image = view->grabFramebuffer();
        const QPointF a = project(*view, {g.x(1) + 0.05f, g.y(2), g.z(0)});
        const QPointF b = project(*view, {g.x(2) - 0.05f, g.y(2), g.z(0)});
        int yellow = 0, dark = 0;
        for (int x = int(a.x()); x <= int(b.x()); ++x) {
            bool on = false;
            for (int dy = -1; dy <= 1; ++dy) {
                const QColor c = image.pixelColor(x, int(a.y()) + dy);
                on = on || (c.red() > 150 && c.green() > 150 && c.blue() < 40);
            }
            (on ? yellow : dark) += 1;
        }
        QVERIFY2(yellow > 0 && dark > 0 && std::abs(yellow - dark) <= 8,
                 qPrintable(QStringLiteral("%1 lit, %2 dark").arg(yellow).arg(dark)));
    }
};

QTEST_MAIN(TestRoutes)
#include "tst_routes.moc"
