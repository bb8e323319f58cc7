// GLBox: GL set-up, projection and the drawing of the scene.

#include "view/glbox.h"

#include "view/latticerenderer.h"
#include "scene/routegeometry.h"

#include <QColor>
#include <QFontMetrics>
#include <QPainter>
#include <QOpenGLFramebufferObject>

#include <GL/gl.h>
#include <GL/glu.h>
#include <GL/glext.h>

#include <algorithm>

using namespace ts;

namespace {

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
    glLineStipple(kLineStippleFactor, kLineStipplePattern);
    glPolygonOffset(1.0f, 1.0f);
}

void GLBox::applyProjection() const
{
    gluPerspective(camera().fieldOfView(), camera().aspect(), kNearPlane, kFarPlane);
}

void GLBox::loadProjection()
{
    // Only a zoom changes the projection between resizes; before the first
    // one there is no context yet, and resizeGL will load it.
    if (!isValid())
        return;
    makeCurrent();
    projectionZoom = zoom();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    applyProjection();
    glMatrixMode(GL_MODELVIEW);
    doneCurrent();
}

void GLBox::resizeGL(int w, int h)
{
    // Qt hands over logical pixels; the framebuffer, the viewport and the
    // pick window work in device pixels.
    const qreal ratio = devicePixelRatioF();
    viewW = qRound(w * ratio);
    viewH = qRound(h * ratio);
    loadViewportAndCamera();
}

void GLBox::loadViewportAndCamera()
{
    glViewport(0, 0, viewW, viewH);
    projectionZoom = zoom();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    applyProjection();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(0, 0, kEyeDistance, 0, 0, 0, 0, 1, 0);
    glFrontFace(kFrontFacesClockwise ? GL_CW : GL_CCW);
}

QImage GLBox::renderImage(const QSize &devicePixels, const FrameFit *fit, const QSize &cameraPixels)
{
    if (!isValid() || devicePixels.isEmpty())
        return {};
    makeCurrent();
    QOpenGLFramebufferObject target(devicePixels, QOpenGLFramebufferObject::CombinedDepthStencil);
    QImage image;
    if (target.isValid() && target.bind()) {
        const int screenW = viewW, screenH = viewH;
        auto setViewport = [this](int w, int h) {
            viewW = w;
            viewH = h;
            loadViewportAndCamera();
        };
        setViewport(devicePixels.width(), devicePixels.height());
        if (fit && !cameraPixels.isEmpty()) {
            const Mat4 place = fit->deviceMatrix(cameraPixels.width(), cameraPixels.height(), devicePixels.width(),
                                                 devicePixels.height());
            glMatrixMode(GL_PROJECTION);
            glLoadIdentity();
            glMultMatrixd(place.m.data());
            gluPerspective(camera().fieldOfView(), double(cameraPixels.width()) / cameraPixels.height(), kNearPlane,
                           kFarPlane);
            glMatrixMode(GL_MODELVIEW);
        }
        drawScene(Pass::Display);
        glFinish();
        image = target.toImage();
        target.release();
        setViewport(screenW, screenH);
    }
    doneCurrent();
    return image;
}

int GLBox::largestPictureSide()
{
    if (!isValid())
        return 0;
    makeCurrent();
    GLint viewport[2] = {0, 0}, framebuffer = 0;
    glGetIntegerv(GL_MAX_VIEWPORT_DIMS, viewport);
    glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE, &framebuffer);
    doneCurrent();
    return std::min({viewport[0], viewport[1], framebuffer});
}

void GLBox::paintGL()
{
    ++frames;
    drawScene(Pass::Display);
    if (showLabels)
        drawLabels();
}

void GLBox::drawScene(Pass pass, const PixelRect *pickWindow)
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
    for (const SceneStep &step : sceneSteps(rotationX(), rotationY())) {
        if (step.kind == SceneStep::Rotate)
            glRotatef(step.angle, step.x, step.y, step.z);
        else
            glScalef(step.x, step.y, step.z);
    }

    glEnable(GL_POLYGON_OFFSET_FILL);
    drawLattice(pass, pickWindow);
    glDisable(GL_POLYGON_OFFSET_FILL);
    if (pass == Pass::Select && sceneDrawing == SceneDrawing::Batched) {
        // Everything after the lattice carries no name: it never wins a
        // pick and never hides a box from one, so a fast pick skips it.
        glPopMatrix();
        emit report(QString::fromStdString(angleText(rotationX(), rotationY())));
        return;
    }
    glLoadName(kUnnamed);
    glDisable(GL_CULL_FACE);
    glLineWidth(kPlaneOutlineWidth);
    drawPlanes();
    glDisable(GL_POLYGON_STIPPLE);
    glEnable(GL_CULL_FACE);
    drawAxisMarker();
    glLineWidth(1.0f);
    drawWireOverlay();
    const QString text = QString::fromStdString(angleText(rotationX(), rotationY()));
    drawMarkedRoutes();
    glPopMatrix();
    emit report(text);
}

void GLBox::drawLattice(Pass pass, const PixelRect *pickWindow)
{
    lattice.clear();
    if (focusRoutes) {
        const RouteBoxes onRoutes(network());
        buildLattice(network(), displayOptions(), lattice, &onRoutes);
    } else {
        buildLattice(network(), displayOptions(), lattice);
    }
    if (pass == Pass::Display) {
        if (sceneDrawing == SceneDrawing::Plain)
            drawLatticePerBox(lattice);
        else
            drawLatticeBatched(lattice, camera().eyeInModel());
        return;
    }
    // A pick: every box that can be hit, in drawing order, frame then fill
    // under its one name, so the hit records and their ties are as if the
    // whole lattice had been sent.
    const std::vector<LatticeBox> *sent = &lattice;
    if (sceneDrawing == SceneDrawing::Batched && pickWindow) {
        constexpr double kMarginPixels = 1.0;
        candidates.clear();
        boxesNearWindow(lattice, camera(), *pickWindow, kMarginPixels, candidates);
        sent = &candidates;
    }
    lastPickBoxes = static_cast<int>(sent->size());
    drawLatticePerBox(*sent);
}

void GLBox::drawPlanes() const
{
    const CellGeometry g(network().size());
    for (const PlaneFamily family : kAllPlaneFamilies) {
        const PlaneOptions &plane = displayOptions().plane(family);
        std::array<Vec3, 4> corners;
        if (!plane.plane || !planeQuad(family, network().offset(family), g, corners))
            continue;
        colour(info(family).colour);
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

void GLBox::drawRoute(int i0, int j0, Colour start, Colour end)
{
    const CellGeometry g(network().size());
    const RouteDrawing d = buildRoute(network(), displayOptions().routeMode, i0, j0, g.halfCell, g.sideOffset(), start, end);
    for (int p = 0; p < d.count; ++p)
        drawPrimitive(d.primitive[p]);
}

template <typename Colours>
void GLBox::drawRoutes(Colours colours)
{
    const CellGeometry g(network().size());
    // Wire-style routes are independent segments, so they can all share one
    // GL_LINES batch; path-style strips keep their own, and their dashes.
    const bool oneBatch = displayOptions().routeMode != RoutePath && sceneDrawing == SceneDrawing::Batched;
    if (oneBatch)
        glBegin(GL_LINES);
    for (int i = 0; i < g.n; ++i) {
        for (int j = 0; j < g.n; ++j) {
            Colour start{}, end{};
            if (!colours(i, j, start, end))
                continue;
            if (!oneBatch) {
                drawRoute(i, j, start, end);
                continue;
            }
            emitVertices(buildRoute(network(), displayOptions().routeMode, i, j, g.halfCell, g.sideOffset(), start, end).primitive[0]);
        }
    }
    if (oneBatch)
        glEnd();
}

void GLBox::drawWireOverlay()
{
    if (displayOptions().wiresMode == WiresOff)
        return;
    const CellGeometry g(network().size());
    glEnable(GL_LINE_STIPPLE);
    if (displayOptions().wiresMode == WiresUsed) {
        drawRoutes([](int, int, Colour &start, Colour &end) {
            start = end = palette::wireOverlay;
            return true;
        });
    } else if (displayOptions().wiresMode == WiresAll) {
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
    if (stepping.active) {
        drawSteppedRoute();
        return;
    }
    glLineWidth(kMarkedRouteWidth);
    drawRoutes([this](int i, int j, Colour &start, Colour &end) {
        const int bits = network().terminalMark(i, j);
        markedRouteColours(bits, false, start, end);
        return bits != 0;
    });
    glLineWidth(1.0f);
}

void GLBox::drawSteppedRoute()
{
    // The other marked routes, faint and thin.
    drawRoutes([this](int i, int j, Colour &start, Colour &end) {
        const int bits = network().terminalMark(i, j);
        markedRouteColours(bits, true, start, end);
        return bits != 0 && !(i == stepping.i0 && j == stepping.j0);
    });
    const SteppedRouteDrawing d = steppedRoute(network(), stepping, CellGeometry(network().size()));
    for (const ShadedLine &line : d.lines) {
        glLineWidth(line.width);
        glBegin(GL_LINES);
        colour(line.from);
        vertex(line.line.from);
        colour(line.to);
        vertex(line.line.to);
        glEnd();
    }
    glLineWidth(kRingWidth);
    colour(palette::white);
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    glPushMatrix();
    glTranslatef(d.ringCentre.x, d.ringCentre.y, d.ringCentre.z);
    glScalef(d.ringHalfSize.x, d.ringHalfSize.y, d.ringHalfSize.z);
    drawUnitCube();
    glPopMatrix();
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glLineWidth(1.0f);
}

void GLBox::drawLabels()
{
    // Text faces the viewer at the projected points; its size follows the
    // view, not the cube. Each label is set in a small image on the CPU and
    // put on the frame with glDrawPixels, in window coordinates.
    const Camera cam = camera();
    const std::vector<SceneLabel> labels = sceneLabels(network().size());
    QFont font;
    const double ratio = devicePixelRatioF();
    font.setPixelSize(qRound(labelPixelSize(width(), height()) * ratio));
    const QFontMetrics metrics(font);

    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, viewW, 0, viewH, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    for (const SceneLabel &label : labels) {
        const QString caption = QString::fromStdString(label.text);
        const QRect box = metrics.boundingRect(caption).adjusted(-1, -1, 1, 1);
        QImage text(box.size(), QImage::Format_RGBA8888);
        text.fill(Qt::transparent);
        QPainter painter(&text);
        painter.setFont(font);
        painter.setPen(QColor::fromRgbF(palette::label.r, palette::label.g, palette::label.b));
        painter.drawText(text.rect(), Qt::AlignCenter, caption);
        painter.end();
        const QImage rows = text.mirrored(); // GL reads the bottom row first
        const WindowPoint at = cam.toWindow(label.where);
        // From a raster position that is always valid, a zero-size bitmap
        // moves to where the label goes, even partly outside the view.
        glRasterPos2i(0, 0);
        glBitmap(0, 0, 0, 0, static_cast<GLfloat>(at.x - text.width() / 2.0),
                 static_cast<GLfloat>(at.y - text.height() / 2.0), nullptr);
        glDrawPixels(rows.width(), rows.height(), GL_RGBA, GL_UNSIGNED_BYTE, rows.constBits());
    }
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}
