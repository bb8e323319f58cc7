#include "scene/camera.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace ts {

namespace {
constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180.0;
}

std::array<SceneStep, 3> sceneSteps(float rotX, float rotY)
{
    return {{{SceneStep::Rotate, rotX, 1, 0, 0}, {SceneStep::Rotate, -rotY, 0, 1, 0}, {SceneStep::Scale, 0, 1, 1, -1}}};
}

Mat4 Mat4::identity()
{
    Mat4 r;
    r.m[0] = r.m[5] = r.m[10] = r.m[15] = 1;
    return r;
}

Mat4 Mat4::operator*(const Mat4 &b) const
{
    Mat4 r;
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col) {
            double sum = 0;
            for (int k = 0; k < 4; ++k)
                sum += at(row, k) * b.at(k, col);
            r.m[static_cast<std::size_t>(col * 4 + row)] = sum;
        }
    return r;
}

namespace {
void set(Mat4 &a, int row, int col, double v)
{
    a.m[static_cast<std::size_t>(col * 4 + row)] = v;
}
} // namespace

Mat4 perspective(double fovDegrees, double aspect, double zNear, double zFar)
{
    const double f = 1.0 / std::tan(fovDegrees * kRadiansPerDegree / 2.0);
    Mat4 p;
    set(p, 0, 0, f / aspect);
    set(p, 1, 1, f);
    set(p, 2, 2, (zFar + zNear) / (zNear - zFar));
    set(p, 2, 3, 2.0 * zFar * zNear / (zNear - zFar));
    set(p, 3, 2, -1.0);
    return p;
}

Mat4 lookAtFromZ(double distance)
{
    // gluLookAt(0, 0, d, 0, 0, 0, 0, 1, 0) is a plain move by -d along z.
    Mat4 v = Mat4::identity();
    set(v, 2, 3, -distance);
    return v;
}

Mat4 rotation(double degrees, double x, double y, double z)
{
    const double len = std::sqrt(x * x + y * y + z * z);
    x /= len;
    y /= len;
    z /= len;
    const double a = degrees * kRadiansPerDegree, c = std::cos(a), s = std::sin(a), t = 1 - c;
    Mat4 r = Mat4::identity();
    set(r, 0, 0, x * x * t + c);
    set(r, 0, 1, x * y * t - z * s);
    set(r, 0, 2, x * z * t + y * s);
    set(r, 1, 0, y * x * t + z * s);
    set(r, 1, 1, y * y * t + c);
    set(r, 1, 2, y * z * t - x * s);
    set(r, 2, 0, x * z * t - y * s);
    set(r, 2, 1, y * z * t + x * s);
    set(r, 2, 2, z * z * t + c);
    return r;
}

Mat4 scaling(double x, double y, double z)
{
    Mat4 s = Mat4::identity();
    set(s, 0, 0, x);
    set(s, 1, 1, y);
    set(s, 2, 2, z);
    return s;
}

Mat4 translation(double x, double y, double z)
{
    Mat4 t = Mat4::identity();
    set(t, 0, 3, x);
    set(t, 1, 3, y);
    set(t, 2, 3, z);
    return t;
}

Mat4 FrameFit::deviceMatrix(int w, int h, int frameW, int frameH) const
{
    // ndc -> window -> frame -> the frame's ndc, along x and y alike.
    auto axis = [this](double size, double frameSize, double from, double to) {
        return std::pair<double, double>{scale * size / frameSize,
                                         2.0 * (to + scale * (size / 2.0 - from)) / frameSize - 1.0};
    };
    const auto [sx, tx] = axis(w, frameW, fromX, toX);
    const auto [sy, ty] = axis(h, frameH, fromY, toY);
    return translation(tx, ty, 0) * scaling(sx, sy, 1);
}

double fieldOfViewForZoom(double zoom)
{
    if (zoom == 1.0)
        return kFieldOfView;
    const double half = std::tan(kFieldOfView * kRadiansPerDegree / 2.0) / zoom;
    return 2.0 * std::atan(half) / kRadiansPerDegree;
}

double Camera::aspect() const
{
    return static_cast<double>(width) / std::max(height, 1);
}

Mat4 Camera::projection() const
{
    const Mat4 lens = perspective(fieldOfView(), aspect(), kNearPlane, kFarPlane);
    return panX != 0.0 || panY != 0.0 ? translation(panX, panY, 0) * lens : lens;
}

ViewPoint zoomedAbout(const ViewPoint &view, double zoom, double ndcX, double ndcY)
{
    // A point's place in the picture, before the pan, grows with the
    // cotangent of half the field of view.
    ViewPoint next = view;
    next.zoom = normaliseZoom(zoom);
    const double degreesToHalfRadians = std::acos(-1.0) / 360.0;
    const double grow = std::tan(fieldOfViewForZoom(view.zoom) * degreesToHalfRadians) /
                        std::tan(fieldOfViewForZoom(next.zoom) * degreesToHalfRadians);
    next.panX = normalisePan(ndcX - (ndcX - view.panX) * grow);
    next.panY = normalisePan(ndcY - (ndcY - view.panY) * grow);
    return next;
}

Mat4 Camera::modelView() const
{
    Mat4 m = lookAtFromZ(kEyeDistance);
    for (const SceneStep &step : sceneSteps(rotX, rotY))
        m = m * (step.kind == SceneStep::Rotate ? rotation(step.angle, step.x, step.y, step.z)
                                                : scaling(step.x, step.y, step.z));
    return m;
}

WindowPoint toWindow(const Mat4 &mvp, const Vec3 &p, int width, int height)
{
    double clip[4];
    for (int row = 0; row < 4; ++row)
        clip[row] = mvp.at(row, 0) * p.x + mvp.at(row, 1) * p.y + mvp.at(row, 2) * p.z + mvp.at(row, 3);
    const double w = clip[3];
    return {(clip[0] / w + 1.0) / 2.0 * width, (clip[1] / w + 1.0) / 2.0 * height, (clip[2] / w + 1.0) / 2.0};
}

WindowPoint Camera::toWindow(const Vec3 &p) const
{
    return ts::toWindow(modelViewProjection(), p, width, height);
}

Vec3 Camera::eyeInModel() const
{
    // The model-view matrix is a rotation (and mirror) followed by a move;
    // its inverse takes the eye (the origin of eye space) back to the model.
    const Mat4 mv = modelView();
    double e[3];
    for (int col = 0; col < 3; ++col)
        e[col] = -(mv.at(0, col) * mv.at(0, 3) + mv.at(1, col) * mv.at(1, 3) + mv.at(2, col) * mv.at(2, 3));
    return {static_cast<float>(e[0]), static_cast<float>(e[1]), static_cast<float>(e[2])};
}

} // namespace ts
