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

} // namespace ts
