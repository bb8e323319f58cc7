#include "view/latticerenderer.h"

#include <GL/gl.h>

namespace ts {

void drawUnitCube()
{
    // From a client array, not glBegin/glEnd: Mesa 22.3 never frees the
    // immediate-mode vertex buffers that a selection pass drew from once a
    // frame follows it, 512 KiB lost for every click.
    static_assert(sizeof(Vec3) == 3 * sizeof(GLfloat), "kUnitCube is packed xyz");
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, kUnitCube.data());
    glDrawArrays(GL_QUADS, 0, static_cast<GLsizei>(kUnitCube.size()));
    glDisableClientState(GL_VERTEX_ARRAY);
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
constexpr int kFaces = 6;

// A corner of the unit cube moved into the box's place, as its translate
// and scale would.
Vec3 placed(const LatticeBox &box, const Vec3 &v)
{
    return {box.centre.x + box.halfSize.x * v.x, box.centre.y + box.halfSize.y * v.y,
            box.centre.z + box.halfSize.z * v.z};
}

constexpr int kFaceVertices = 4;

// Issues, for each face of the box turned towards the eye, its corners in
// kUnitCube's order, moved into place: emit(corner index within the face, vertex).
// An axis-aligned face is turned towards the eye exactly when the eye lies
// outside its plane; kUnitCube's faces are z-, z+, x-, x+, y-, y+.
template <typename Emit>
void forEachVisibleFace(const LatticeBox &box, const Vec3 &eye, Emit emit)
{
    const Vec3 c = box.centre, s = box.halfSize;
    const bool visible[kFaces] = {eye.z < c.z - s.z, eye.z > c.z + s.z, eye.x < c.x - s.x,
                                  eye.x > c.x + s.x, eye.y < c.y - s.y, eye.y > c.y + s.y};
    for (int face = 0; face < kFaces; ++face) {
        if (!visible[face])
            continue;
        Vec3 corners[kFaceVertices];
        for (int corner = 0; corner < kFaceVertices; ++corner)
            corners[corner] = placed(box, kUnitCube[face * kFaceVertices + corner]);
        emit(corners);
    }
}

void vertex(const Vec3 &v)
{
    glVertex3f(v.x, v.y, v.z);
}

// A frame is the outline of each face towards the eye, edge by edge in the
// face's own order, as GL_LINE polygon mode draws it.
void emitFrames(const std::vector<LatticeBox> &boxes, float width, const Vec3 &eye)
{
    bool begun = false;
    for (const LatticeBox &box : boxes) {
        if (!box.hasFrame || box.frameWidth != width)
            continue;
        if (!begun) {
            glLineWidth(width);
            glBegin(GL_LINES);
            begun = true;
        }
        glColor3f(box.frameColour.r, box.frameColour.g, box.frameColour.b);
        forEachVisibleFace(box, eye, [](const Vec3 (&corners)[kFaceVertices]) {
            for (int corner = 0; corner < kFaceVertices; ++corner) {
                vertex(corners[corner]);
                vertex(corners[(corner + 1) % kFaceVertices]);
            }
        });
    }
    if (begun)
        glEnd();
}
} // namespace

void drawLatticeBatched(const std::vector<LatticeBox> &boxes, const Vec3 &eye)
{
    // Within one box the frame wins over the fill by the polygon offset, not
    // by drawing order, so frames may all go first.
    emitFrames(boxes, kThinLine, eye);
    emitFrames(boxes, kThickLine, eye);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glBegin(GL_QUADS);
    for (const LatticeBox &box : boxes) {
        if (!box.hasFill)
            continue;
        glColor3f(box.fillColour.r, box.fillColour.g, box.fillColour.b);
        forEachVisibleFace(box, eye, [](const Vec3 (&corners)[kFaceVertices]) {
            for (const Vec3 &v : corners)
                vertex(v);
        });
    }
    glEnd();
    glLineWidth(1.0f);
}

} // namespace ts
