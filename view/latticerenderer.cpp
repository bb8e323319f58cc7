#include "view/latticerenderer.h"

#include <GL/gl.h>

void drawUnitCube()
{
    glBegin(GL_QUADS);
    for (const Vec3 &v : kUnitCube)
        glVertex3f(v.x, v.y, v.z);
    glEnd();
}

void drawLatticePerBox(const std::vector<LatticeBox> &boxes)
{
    for (const LatticeBox &box : boxes) {
        glLoadName(box.name);
        glPushMatrix();
        glTranslatef(box.centre.x, box.centre.y, box.centre.z);
        glScalef(box.halfSize.x, box.halfSize.y, box.halfSize.z);
        if (box.hasFrame) {
            glLineWidth(box.frameWidth);
            glColor3f(box.frameColour.r, box.frameColour.g, box.frameColour.b);
            glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
            drawUnitCube();
        }
        if (box.hasFill) {
            glColor3f(box.fillColour.r, box.fillColour.g, box.fillColour.b);
            glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
            drawUnitCube();
        }
        glPopMatrix();
    }
    glLineWidth(1.0f);
}

namespace {
void emitBox(const LatticeBox &box, const Colour &colour)
{
    glColor3f(colour.r, colour.g, colour.b);
    const Vec3 c = box.centre;
    const Vec3 s = box.halfSize;
    for (const Vec3 &v : kUnitCube)
        glVertex3f(c.x + s.x * v.x, c.y + s.y * v.y, c.z + s.z * v.z);
}

void emitFrames(const std::vector<LatticeBox> &boxes, float width)
{
    bool begun = false;
    for (const LatticeBox &box : boxes) {
        if (!box.hasFrame || box.frameWidth != width)
            continue;
        if (!begun) {
            glLineWidth(width);
            glBegin(GL_QUADS);
            begun = true;
        }
        emitBox(box, box.frameColour);
    }
    if (begun)
        glEnd();
}
} // namespace

void drawLatticeBatched(const std::vector<LatticeBox> &boxes)
{
    // Within one box the frame wins over the fill by the polygon offset, not
    // by drawing order, so frames may all go first.
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    emitFrames(boxes, kThinLine);
    emitFrames(boxes, kThickLine);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glBegin(GL_QUADS);
    for (const LatticeBox &box : boxes)
        if (box.hasFill)
            emitBox(box, box.fillColour);
    glEnd();
    glLineWidth(1.0f);
}
