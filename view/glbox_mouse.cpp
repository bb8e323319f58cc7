// GLBox: turning the model by dragging, and picking by GL selection.

#include "view/glbox.h"
#include "scene/rotation.h"

#include "core/routetext.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QToolTip>
#include <QMouseEvent>
#include <QWheelEvent>

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <vector>
#include <cstdint>
#include <cmath>
#include <cstdlib>

using namespace ts;

namespace {
int colourBitForButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return RedBit;
    case Qt::MiddleButton: return GreenBit;
    case Qt::RightButton: return BlueBit;
    default: return 0;
    }
}

constexpr double kZoomStep = 1.25; // per key press or wheel notch

QPoint eventPoint(const QMouseEvent *event)
{
    return event->position().toPoint();
}
} // namespace

void GLBox::mousePressEvent(QMouseEvent *event)
{
    const QPoint p = eventPoint(event);
    pressX = p.x();
    pressY = p.y();
    pressRotX = rotationX();
    pressRotY = rotationY();
    // Shift held at the press moves the picture instead of turning it.
    pressPanning = event->modifiers() & Qt::ShiftModifier;
    pressPanX = doc->viewPoint().panX;
    pressPanY = doc->viewPoint().panY;
}

void GLBox::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint p = eventPoint(event);
    if (pressPanning) {
        // The picture follows the pointer: a view's width is 2 in pan.
        const double ratio = devicePixelRatioF();
        ViewPoint next = doc->viewPoint();
        next.panX = pressPanX + 2.0 * (p.x() - pressX) * ratio / std::max(1, viewW);
        next.panY = pressPanY - 2.0 * (p.y() - pressY) * ratio / std::max(1, viewH);
        doc->setViewPoint(next);
        return;
    }
    // Measured from the press, not the last move: returning to the press
    // point restores the press angles. update() collapses a burst of moves
    // into one frame showing the last of them.
    setRotation(dragAngle(pressRotX, static_cast<long long>(p.y()) - pressY),
                dragAngle(pressRotY, static_cast<long long>(pressX) - p.x()));
}

void GLBox::mouseReleaseEvent(QMouseEvent *event)
{
    const int bit = colourBitForButton(event->button());
    if (!bit)
        return;
    const QPoint p = eventPoint(event);
    if (std::llabs(static_cast<long long>(pressX) - p.x()) > kClickSlopPixels)
        return;
    if (std::llabs(static_cast<long long>(pressY) - p.y()) > kClickSlopPixels)
        return;
    applyPick(pickAt(pressX, pressY), bit);
}

PickResult GLBox::pickAt(int x, int y, int bufferEntries)
{
    // Mouse positions are logical pixels, the viewport device pixels.
    const double ratio = devicePixelRatioF();
    const double centreX = x * ratio, centreY = viewH - y * ratio;
    const double side = kPickWindowPixels * ratio;
    const PixelRect window = PixelRect::around(centreX, centreY, side, side);

    if (!isValid())
        return {}; // nothing drawn yet, so nothing to hit
    // Outside paintGL the widget's context is not current by itself.
    makeCurrent();
    std::vector<GLuint> buffer(static_cast<std::size_t>(std::max(bufferEntries, 4)));
    GLint hits = -1;
    // An overflowing buffer would leave the nearest box unread: grow it and
    // pick again rather than trust what fitted.
    for (bool first = true; hits < 0 && buffer.size() <= kSelectBufferLimit; first = false) {
        if (!first)
            buffer.resize(buffer.size() * 4);
        glSelectBuffer(static_cast<GLsizei>(buffer.size()), buffer.data());
        glRenderMode(GL_SELECT);
        glInitNames();
        glPushName(kUnnamed);
        GLint viewport[4];
        glGetIntegerv(GL_VIEWPORT, viewport);

        glMatrixMode(GL_PROJECTION);
        glPushMatrix();
        glLoadIdentity();
        gluPickMatrix(centreX, centreY, side, side, viewport);
        applyProjection();
        glMatrixMode(GL_MODELVIEW);

        drawScene(Pass::Select, &window);

        glMatrixMode(GL_PROJECTION);
        glPopMatrix();
        glMatrixMode(GL_MODELVIEW);
        glPopName();
        hits = glRenderMode(GL_RENDER);
    }
    doneCurrent();
    static_assert(sizeof(GLuint) == sizeof(std::uint32_t), "selection records are 32-bit");
    return walkHits(buffer.data(), buffer.size(), hits);
}

void GLBox::applyPick(const PickResult &result, int colourBit)
{
    switch (result.kind) {
    case PickResult::Miss:
        clearMarks();
        break;
    case PickResult::Hit: {
        const PickedBox box = decodePickName(result.name, network().size());
        if (box.kind == PickedBox::Terminal)
            emit terminalClicked(box.i, box.j);
        toggleMark(box, colourBit);
        break;
    }
    case PickResult::Overflowed:
        // Something was hit but could not be read: keep the user's marks.
        update();
        break;
    }
}

void GLBox::panBy(double right, double up)
{
    ViewPoint next = doc->viewPoint();
    next.panX += 2.0 * right;
    next.panY += 2.0 * up;
    doc->setViewPoint(next);
}

void GLBox::zoomAbout(double zoom, double ndcX, double ndcY)
{
    doc->setViewPoint(zoomedAbout(doc->viewPoint(), zoom, ndcX, ndcY));
}

void GLBox::turnBy(int pixelsRight, int pixelsDown)
{
    // As a drag of that many pixels from here would turn it.
    setRotation(dragAngle(rotationX(), pixelsDown), dragAngle(rotationY(), -pixelsRight));
}

bool GLBox::event(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        // Words for screen readers, in the new language.
        setAccessibleName(tr("3D view of the network"));
        setAccessibleDescription(describeNetwork(network()));
    }
    if (event->type() != QEvent::ToolTip)
        return QOpenGLWidget::event(event);
    // Names the box under the pointer with the same pick a click makes.
    const QPoint at = static_cast<QHelpEvent *>(event)->pos();
    const PickResult r = pickAt(at.x(), at.y());
    const PickedBox box = r.kind == PickResult::Hit ? decodePickName(r.name, network().size()) : PickedBox{};
    QString text;
    if (box.kind == PickedBox::Terminal)
        text = answersHidden ? terminalName(box.i, box.j) : describeTerminal(network(), box.i, box.j);
    else if (box.kind == PickedBox::Switch)
        text = answersHidden ? switchName(box.i, box.j, box.k) : describeSwitch(network(), box.i, box.j, box.k);
    if (text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), text, this);
    }
    return true;
}

void GLBox::keyPressEvent(QKeyEvent *event)
{
    // 25 pixels of dragging make 5 degrees; with Shift, 5 pixels make 1.
    const int step = (event->modifiers() & Qt::ShiftModifier) ? 5 : 25;
    // With Ctrl the arrows move the picture by a twentieth of the view.
    constexpr double kPanStep = 0.05;
    if (event->modifiers() & Qt::ControlModifier) {
        switch (event->key()) {
        case Qt::Key_Left: panBy(-kPanStep, 0); break;
        case Qt::Key_Right: panBy(kPanStep, 0); break;
        case Qt::Key_Up: panBy(0, kPanStep); break;
        case Qt::Key_Down: panBy(0, -kPanStep); break;
        default: QOpenGLWidget::keyPressEvent(event); return;
        }
        event->accept();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left: turnBy(-step, 0); break;
    case Qt::Key_Right: turnBy(step, 0); break;
    case Qt::Key_Up: turnBy(0, -step); break;
    case Qt::Key_Down: turnBy(0, step); break;
    case Qt::Key_Plus:
    case Qt::Key_Equal: zoomAbout(zoom() * kZoomStep, 0, 0); break;
    case Qt::Key_Minus: zoomAbout(zoom() / kZoomStep, 0, 0); break;
    case Qt::Key_Home: resetView(); break;
    case Qt::Key_Escape:
        // While stepping through a route, Escape only ends the stepping.
        if (routeStep().active) {
            doc->presentation()->endRouteStep();
        } else {
            clearMarks();
        }
        break;
    default: QOpenGLWidget::keyPressEvent(event); return;
    }
    event->accept();
}

void GLBox::wheelEvent(QWheelEvent *event)
{
    const int notches = event->angleDelta().y() / 120;
    if (notches == 0) {
        event->ignore();
        return;
    }
    // The point under the pointer stays under it.
    const double ratio = devicePixelRatioF();
    const QPointF at = event->position();
    zoomAbout(zoom() * std::pow(kZoomStep, notches), 2.0 * at.x() * ratio / std::max(1, viewW) - 1.0,
              1.0 - 2.0 * at.y() * ratio / std::max(1, viewH));
    event->accept();
}
