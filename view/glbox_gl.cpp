// GLBox: GL set-up, projection and the drawing of the scene.

#include "view/glbox.h"
#include "scene/rotation.h"
#include "scene/palette.h"

#include "view/latticerenderer.h"

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

void emitVertices(const LineLayer &layer, const LinePrimitive &p)
{
    for (int v = p.first; v < p.first + p.count; ++v) {
        const ShadedVertex &at = layer.vertices[static_cast<std::size_t>(v)];
        if (!p.oneColour)
            colour(at.colour);
        vertex(at.at);
    }
}

void drawPlanes(const std::vector<ScenePlane> &planes)
{
    for (const ScenePlane &plane : planes) {
        glLineWidth(plane.outlineWidth);
        colour(plane.colour);
        if (plane.stippled) {
            glEnable(GL_POLYGON_STIPPLE);
            glPolygonStipple(plane.stipple.data());
        } else {
            glDisable(GL_POLYGON_STIPPLE);
        }
        glBegin(GL_QUADS);
        for (const Vec3 &c : plane.corners)
            vertex(c);
        glEnd();
        if (plane.outlined) {
            glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
            glBegin(GL_QUADS);
            for (const Vec3 &c : plane.corners)
                vertex(c);
            glEnd();
            glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
        }
    }
    glDisable(GL_POLYGON_STIPPLE);
    glLineWidth(1.0f);
}

// A frame around a box, in polygon mode, with no pick name of its own.
void drawRing(const LatticeBox &ring)
{
    glLineWidth(ring.frameWidth);
    colour(ring.frameColour);
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    glPushMatrix();
    glTranslatef(ring.centre.x, ring.centre.y, ring.centre.z);
    glScalef(ring.halfSize.x, ring.halfSize.y, ring.halfSize.z);
    drawUnitCube();
    glPopMatrix();
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glLineWidth(1.0f);
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
    glPolygonOffset(1.0f, 1.0f);
}

void GLBox::applyProjection() const
{
    // Only once panned, so that until then GL is given the calls it always was.
    const ViewPoint &v = doc->viewPoint();
    if (v.panned())
        glTranslated(v.panX, v.panY, 0);
    gluPerspective(camera().fieldOfView(), camera().aspect(), kNearPlane, kFarPlane);
}

void GLBox::loadProjection()
{
    // Only a zoom changes the projection between resizes; before the first
    // one there is no context yet, and resizeGL will load it.
    if (!isValid())
        return;
    makeCurrent();
    rememberProjection();
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
    rememberProjection();
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
    drawPlanes(scene().planes);
    glEnable(GL_CULL_FACE);
    drawLines(scene().axisMarker);
    drawWireOverlay();
    const QString text = QString::fromStdString(angleText(rotationX(), rotationY()));
    drawMarkedRoutes();
    glPopMatrix();
    emit report(text);
}

void GLBox::drawLattice(Pass pass, const PixelRect *pickWindow)
{
    const std::vector<LatticeBox> &lattice = scene().boxes;
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

// Each primitive is one glBegin/glEnd in the plain drawing; batched,
// neighbouring segments of one width share one, which draws the same
// pixels (a stipple starts again at every segment of GL_LINES).
void GLBox::drawLines(const LineLayer &layer) const
{
    if (layer.dashed) {
        glLineStipple(layer.stipple.factor, layer.stipple.pattern);
        glEnable(GL_LINE_STIPPLE);
    }
    if (layer.scale != 1.0f) {
        glPushMatrix();
        glScalef(layer.scale, layer.scale, layer.scale);
    }
    const bool batched = sceneDrawing == SceneDrawing::Batched;
    const std::vector<LinePrimitive> &primitives = layer.primitives;
    float width = 1.0f;
    for (std::size_t p = 0; p < primitives.size();) {
        const LinePrimitive &first = primitives[p];
        if (first.width != width) {
            width = first.width;
            glLineWidth(width);
        }
        if (first.oneColour && first.count > 0)
            colour(layer.vertices[static_cast<std::size_t>(first.first)].colour);
        const bool lines = first.kind == LinePrimitive::Lines;
        glBegin(lines ? GL_LINES : GL_LINE_STRIP);
        do {
            emitVertices(layer, primitives[p]);
            ++p;
        } while (batched && lines && !first.oneColour && p < primitives.size() &&
                 primitives[p].kind == LinePrimitive::Lines && !primitives[p].oneColour && primitives[p].width == width);
        glEnd();
    }
    if (width != 1.0f)
        glLineWidth(1.0f);
    if (layer.scale != 1.0f)
        glPopMatrix();
    if (layer.dashed)
        glDisable(GL_LINE_STIPPLE);
}

void GLBox::drawWireOverlay()
{
    drawLines(scene().wireOverlay);
}

void GLBox::drawMarkedRoutes()
{
    drawLines(scene().routes);
    if (scene().ring)
        drawRing(*scene().ring);
}

void GLBox::drawLabels()
{
    const SceneDescription &described = scene();
    if (described.labels.empty())
        return;
    // Text faces the viewer at the projected points; its size follows the
    // view, not the cube. Each label is set in a small image on the CPU and
    // put on the frame with glDrawPixels, in window coordinates.
    const Camera cam = camera();
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
    for (const SceneLabel &label : described.labels) {
        const QString caption = QString::fromStdString(label.text);
        const QRect box = metrics.boundingRect(caption).adjusted(-1, -1, 1, 1);
        QImage text(box.size(), QImage::Format_RGBA8888);
        text.fill(Qt::transparent);
        QPainter painter(&text);
        painter.setFont(font);
        painter.setPen(QColor::fromRgbF(described.labelColour.r, described.labelColour.g, described.labelColour.b));
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
