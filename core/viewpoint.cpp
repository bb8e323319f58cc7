#include "core/viewpoint.h"

#include <algorithm>
#include <cmath>

namespace ts {

float normaliseAngle(float degrees)
{
    if (!std::isfinite(degrees))
        return 0.0f;
    // Far from the range, repeated steps of 360 would stop changing the
    // float; fmod is exact, so it lands where those steps would have.
    if (degrees < -720.0f || degrees >= 1080.0f)
        degrees = static_cast<float>(std::fmod(static_cast<double>(degrees), 360.0));
    while (degrees < 0.0f)
        degrees += 360.0f;
    while (degrees >= 360.0f)
        degrees -= 360.0f;
    return degrees;
}

double normaliseZoom(double zoom)
{
    return std::isfinite(zoom) ? std::clamp(zoom, kMinZoom, kMaxZoom) : 1.0;
}

double normalisePan(double pan)
{
    return std::isfinite(pan) ? std::clamp(pan, -kMaxPan, kMaxPan) : 0.0;
}

namespace {
float turnedTowards(float from, float to, double t)
{
    const double turn = std::fmod(double(to) - from + 540.0, 360.0) - 180.0;
    return normaliseAngle(static_cast<float>(from + turn * t));
}
} // namespace

ViewPoint viewPointBetween(const ViewPoint &from, const ViewPoint &to, double t)
{
    if (t <= 0.0)
        return from;
    if (t >= 1.0)
        return to;
    return {turnedTowards(from.rotX, to.rotX, t), turnedTowards(from.rotY, to.rotY, t),
            normaliseZoom(from.zoom * std::pow(to.zoom / from.zoom, t)), normalisePan(from.panX + (to.panX - from.panX) * t),
            normalisePan(from.panY + (to.panY - from.panY) * t)};
}

} // namespace ts
