#pragma once

#include <string>

// How a drag turns the model, and how the status bar says the angles.

namespace ts {

// Rotation of a drag: 5 pixels make one degree, measured from the press.
constexpr double kDegreesPerPixel = 0.2;
float dragAngle(float pressAngle, int pixels);

// "Angle(030.0,007.5)".
std::string angleText(float rotX, float rotY);

} // namespace ts
