// GLBox: turning the model by dragging, and picking by GL selection.

#include "view/glbox.h"

#include <QMouseEvent>

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <vector>
#include <cstdint>
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
    pressRotX = rotX;
    pressRotY = rotY;
}

void GLBox::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint p = eventPoint(event);
    // Measured from the press, not the last move: returning to the press
    // point restores the press angles. update() collapses a burst of moves
    // into one frame showing the last of them.
    rotY = normaliseAngle(dragAngle(pressRotY, static_cast<long long>(pressX) - p.x()));
    rotX = normaliseAngle(dragAngle(pressRotX, static_cast<long long>(p.y()) - pressY));
    updateGL();
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
        net.clearFrom(0);
        break;
    case PickResult::Hit: {
        const PickedBox box = decodePickName(result.name, net.size());
        if (box.kind == PickedBox::Terminal)
            net.toggleTerminal(box.i, box.j, colourBit);
        else if (box.kind == PickedBox::Switch)
            net.toggleSwitch(box.i, box.j, box.k, colourBit);
        break;
    }
    case PickResult::Overflowed:
        // Something was hit but its record did not fit: keep the user's marks.
        break;
    }
    updateGL();
}
