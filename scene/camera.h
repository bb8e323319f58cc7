#pragma once

#include "core/vec.h"
#include "core/viewpoint.h"

#include <array>

// The one camera of the view: perspective, look-at, and the scene transform
// (two rotations and a z mirror), as pure arithmetic. The GL code issues the
// same numbers through gluPerspective, gluLookAt, glRotatef and glScalef;
// picking, culling, the tests and the tools project points with the matrices
// here instead of writing the camera down again.

namespace ts {

constexpr double kFieldOfView = 20.0; // degrees, vertical
constexpr double kNearPlane = 7.5;
constexpr double kFarPlane = 12.5;
constexpr double kEyeDistance = 10.0; // eye at (0, 0, d) looking at the origin, y up

// The scene transform's steps, in the order they are multiplied onto the
// model-view matrix: about x by rotX, about y by -rotY, then z mirrored.
struct SceneStep
{
    enum Kind { Rotate, Scale } kind;
    float angle;  // degrees, for Rotate
    float x, y, z; // axis for Rotate, factors for Scale
};
std::array<SceneStep, 3> sceneSteps(float rotX, float rotY);

// The mirror turns the boxes' outside faces (counter-clockwise in model
// space) clockwise on screen, so clockwise faces are the front faces.
constexpr bool kFrontFacesClockwise = true;

// Column-major 4x4 matrix, as GL stores them.
struct Mat4
{
    std::array<double, 16> m{};
    static Mat4 identity();
    Mat4 operator*(const Mat4 &b) const;
    double at(int row, int column) const { return m[static_cast<std::size_t>(column * 4 + row)]; }
};

struct WindowPoint
{
    double x, y;  // device pixels, GL window coordinates (origin bottom left)
    double depth; // 0 at the near plane, 1 at the far plane
};

// Zoom narrows the field of view about the view's centre; at 1 the camera
// is exactly the one above.
double fieldOfViewForZoom(double zoom);

struct Camera
{
    float rotX = 0, rotY = 0;
    int width = 0, height = 0; // viewport in device pixels
    double zoom = 1.0;
    double panX = 0.0, panY = 0.0; // the picture moved, in halves of the view

    // Width over height; a zero height must not put an infinity in.
    double aspect() const;
    double fieldOfView() const { return fieldOfViewForZoom(zoom); }
    // glTranslated(panX, panY, 0) where panned, then
    // gluPerspective(fieldOfView(), aspect, near, far).
    Mat4 projection() const;
    Mat4 modelView() const;  // gluLookAt, then the scene steps
    Mat4 modelViewProjection() const { return projection() * modelView(); }
    WindowPoint toWindow(const Vec3 &model) const;
    // Where the eye lies in model coordinates.
    Vec3 eyeInModel() const;
};

// A new zoom about a point of the view (in normalised device coordinates,
// -1..1, y up) that stays where it is: the pan that keeps it there.
ViewPoint zoomedAbout(const ViewPoint &view, double zoom, double ndcX, double ndcY);

// Where a model point lands in a viewport of width x height device pixels
// under a model-view-projection matrix.
WindowPoint toWindow(const Mat4 &modelViewProjection, const Vec3 &model, int width, int height);

// A picture made from the camera's window (w x h pixels, y up) scaled by
// `scale` about the window point `from` and moved to the point `to` of a
// frame of frameW x frameH pixels (y up): how a figure fits the model.
struct FrameFit
{
    double scale = 1;
    double fromX = 0, fromY = 0;
    double toX = 0, toY = 0;
    // Where a window point lands in the frame.
    double frameX(double x) const { return toX + scale * (x - fromX); }
    double frameY(double y) const { return toY + scale * (y - fromY); }
    // The same as a matrix on normalised device coordinates: put before the
    // projection of a camera of w x h pixels drawing into the whole frame.
    Mat4 deviceMatrix(int w, int h, int frameW, int frameH) const;
};

Mat4 perspective(double fovDegrees, double aspect, double nearPlane, double farPlane);
Mat4 lookAtFromZ(double distance);
Mat4 rotation(double degrees, double x, double y, double z);
Mat4 scaling(double x, double y, double z);
Mat4 translation(double x, double y, double z);

} // namespace ts
