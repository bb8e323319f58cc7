// GLBox: GL set-up, projection and the drawing of the scene.

#include "view/glbox.h"

#include "view/latticerenderer.h"
#include "view/routegeometry.h"

#include <QColor>

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>

namespace camera {
constexpr double fieldOfView = 20.0;
constexpr double nearPlane = 7.5;
constexpr double farPlane = 12.5;
constexpr double eyeDistance = 10.0;
} // namespace camera

namespace {
constexpr GLint kStippleFactor = 4;
constexpr GLushort kStipplePattern = 0x5555;
constexpr float kPlaneOutlineWidth = 2.0f;
constexpr float kAxisWidth = 2.0f;
constexpr float kMarkedRouteWidth = 3.0f;

void colour(const Colour &c)
{
    glColor3f(c.r, c.g, c.b);
}

void vertex(const Vec3 &v)
{
    glVertex3f(v.x, v.y, v.z);
}

void emitVertices(const RoutePrimitive &p)
{
    for (int v = 0; v < p.count; ++v) {
        colour(p.colour[v]);
        vertex(p.vertex[v]);
    }
}

void drawPrimitive(const RoutePrimitive &p)
{
    glBegin(p.kind == RoutePrimitive::Lines ? GL_LINES : GL_LINE_STRIP);
    emitVertices(p);
    glEnd();
}
} // namespace

void GLBox::initializeGL()
{
    const QColor black(Qt::black);
    glClearColor(static_cast<GLclampf>(black.redF()), static_cast<GLclampf>(black.greenF()),
                 static_cast<GLclampf>(black.blueF()), 1.0f);
    glShadeModel(GL_SMOOTH);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glLineStipple(kStippleFactor, kStipplePattern);
    glPolygonOffset(1.0f, 1.0f);
}

double GLBox::aspectRatio() const
{
    // A zero height (a harness or window manager can ask for one) must not
    // put an infinity into the projection.
    return static_cast<double>(viewW) / std::max(viewH, 1);
}

void GLBox::applyProjection(double aspect) const
{
    gluPerspective(camera::fieldOfView, aspect, camera::nearPlane, camera::farPlane);
}

void GLBox::resizeGL(int w, int h)
{
    // Qt hands over logical pixels; the framebuffer, the viewport and the
    // pick window work in device pixels.
    const qreal ratio = devicePixelRatioF();
    viewW = qRound(w * ratio);
    viewH = qRound(h * ratio);
    glViewport(0, 0, viewW, viewH);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    applyProjection(aspectRatio());
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(0, 0, camera::eyeDistance, 0, 0, 0, 0, 1, 0);
    glFrontFace(GL_CW);
}

void GLBox::paintGL()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
    glRotatef(rotX, 1, 0, 0);
    glRotatef(-rotY, 0, 1, 0);
    glScalef(1, 1, -1);
    const CellGeometry g(net.size());

    glEnable(GL_POLYGON_OFFSET_FILL);
    drawLattice();
    glDisable(GL_POLYGON_OFFSET_FILL);
    glLoadName(kUnnamed);
    glDisable(GL_CULL_FACE);
    glLineWidth(kPlaneOutlineWidth);
    drawPlanes(g);
    glDisable(GL_POLYGON_STIPPLE);
    glEnable(GL_CULL_FACE);
    drawAxisMarker();
    glLineWidth(1.0f);
    drawWireOverlay();
    const QString text = QString::fromStdString(angleText(rotX, rotY));
    drawMarkedRoutes();
    glPopMatrix();
    emit report(text);
}

void GLBox::drawLattice()
{
    lattice.clear();
    buildLattice(net, options, lattice);
    // Selection and feedback passes need every box under its own name.
    GLint renderMode = GL_RENDER;
    glGetIntegerv(GL_RENDER_MODE, &renderMode);
    if (sceneDrawing == SceneDrawing::Plain)
        drawLatticePerBox(lattice);
    else if (renderMode != GL_RENDER)
        drawLatticeNamed(lattice);
    else
        drawLatticeBatched(lattice, eyeInModel(rotX, rotY, camera::eyeDistance));
}

void GLBox::drawPlanes(const CellGeometry &g) const
{
    const PlaneOptions *planeOptions[] = {&options.ik, &options.ji, &options.kj};
    const int offsets[] = {net.c1(), net.c2(), net.c3()};
    for (size_t f = 0; f < kPlaneFamilies.size(); ++f) {
        const PlaneFamily family = kPlaneFamilies[f];
        const PlaneOptions &plane = *planeOptions[f];
        std::array<Vec3, 4> corners;
        if (!plane.plane || !planeQuad(family, offsets[f], g, corners))
            continue;
        colour(planeColour(family));
        if (plane.opaque) {
            glDisable(GL_POLYGON_STIPPLE);
        } else {
            glEnable(GL_POLYGON_STIPPLE);
            glPolygonStipple(planeStipple(family).data());
        }
        glBegin(GL_QUADS);
        for (const Vec3 &c : corners)
            vertex(c);
        glEnd();
        if (!plane.opaque) {
            glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
            glBegin(GL_QUADS);
            for (const Vec3 &c : corners)
                vertex(c);
            glEnd();
            glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
        }
    }
}

void GLBox::drawAxisMarker() const
{
    glPushMatrix();
    glScalef(kAxisMarkerScale, kAxisMarkerScale, kAxisMarkerScale);
    glLineWidth(kAxisWidth);
    for (const AxisStrip &axis : kAxisMarker) {
        glBegin(GL_LINE_STRIP);
        colour(axis.first);
        vertex(axis.start);
        colour(axis.then);
        for (const Vec3 &v : axis.rest)
            vertex(v);
        glEnd();
    }
    glPopMatrix();
}

void GLBox::drawRoute(int i0, int j0, float h, float s, float r0, float g0, float b0, float r1, float g1,
                      float b1)
{
    const RouteDrawing d = buildRoute(net, options.routeMode, i0, j0, h, s, {r0, g0, b0}, {r1, g1, b1});
    for (int p = 0; p < d.count; ++p)
        drawPrimitive(d.primitive[p]);
}

template <typename Colours>
void GLBox::drawRoutes(Colours colours)
{
    const CellGeometry g(net.size());
    const float s = g.sideOffset();
    // Wire-style routes are independent segments, so they can all share one
    // GL_LINES batch; path-style strips keep their own, and their dashes.
    const bool oneBatch = options.routeMode != RoutePath && sceneDrawing == SceneDrawing::Batched;
    if (oneBatch)
        glBegin(GL_LINES);
    for (int i = 0; i < g.n; ++i) {
        for (int j = 0; j < g.n; ++j) {
            Colour start{}, end{};
            if (!colours(i, j, start, end))
                continue;
            if (!oneBatch) {
                drawRoute(i, j, g.h, s, start.r, start.g, start.b, end.r, end.g, end.b);
                continue;
            }
            emitVertices(buildRoute(net, options.routeMode, i, j, g.h, s, start, end).primitive[0]);
        }
    }
    if (oneBatch)
        glEnd();
}

void GLBox::drawWireOverlay()
{
    if (options.wiresMode == WiresOff)
        return;
    const CellGeometry g(net.size());
    glEnable(GL_LINE_STIPPLE);
    if (options.wiresMode == WiresUsed) {
        drawRoutes([](int, int, Colour &start, Colour &end) {
            start = end = palette::wireOverlay;
            return true;
        });
    } else if (options.wiresMode == WiresAll) {
        colour(palette::wireOverlay);
        glBegin(GL_LINES);
        for (int a = 0; a < g.n; ++a) {
            for (int b = 0; b < g.n; ++b) {
                for (WireKind kind : {WireKind::Down, WireKind::Up, WireKind::AlongX, WireKind::AlongZ}) {
                    const Segment w = networkWire(kind, a, b, g);
                    vertex(w.from);
                    vertex(w.to);
                }
            }
        }
        glEnd();
    }
    glDisable(GL_LINE_STIPPLE);
}

void GLBox::drawMarkedRoutes()
{
    glLineWidth(kMarkedRouteWidth);
    drawRoutes([this](int i, int j, Colour &start, Colour &end) {
        const int bits = net.terminalSelection(i, j);
        start = colourFromBits(bits, palette::selected);
        end = colourFromBits(bits, palette::derived);
        return bits != 0;
    });
    glLineWidth(1.0f);
}
