#include "scene/rotation.h"

#include <cstdio>

namespace ts {

float dragAngle(float pressAngle, int pixels)
{
    return static_cast<float>(pressAngle + kDegreesPerPixel * pixels);
}

std::string angleText(float rotX, float rotY)
{
    char text[64];
    std::snprintf(text, sizeof text, "Angle(%05.1f,%05.1f)", static_cast<double>(rotX),
                  static_cast<double>(rotY));
    return text;
}

} // namespace ts
