#pragma once

#include "core/planefamily.h"
#include "core/vec.h"

#include <array>
#include <cstdint>

// How the scene looks: its colours, line widths and stipples, and how each
// plane family is drawn.

namespace ts {

namespace palette {
constexpr Colour white{1.0f, 1.0f, 1.0f};
constexpr Colour switchGrey{0.3f, 0.3f, 0.3f};
constexpr Colour terminalGrey{0.7f, 0.7f, 0.7f};
constexpr Colour deadEndGrey{0.2f, 0.2f, 0.2f};
constexpr Colour wireOverlay{0.7f, 0.7f, 0.0f};
constexpr Colour faint{0.25f, 0.25f, 0.25f}; // boxes off the marked routes, with focus on
constexpr Colour label{220.0f / 255, 220.0f / 255, 220.0f / 255};
constexpr float faintRoute = 0.3f;           // per colour bit of the routes not stepped through
constexpr float highlight = 0.8f;
constexpr float marked = 1.0f;  // per colour bit of a user's mark
constexpr float derived = 0.5f; // per colour bit of an arrival or a route's end
} // namespace palette

// Each set colour bit (1 red, 2 green, 4 blue) gives level in its channel.
Colour colourFromBits(int bits, float level);

// How a family is drawn: the channel its highlighted switches fill, its
// plane's colour and its plane's stipple, row by row.
struct FamilyLook
{
    int highlightChannel; // 0 red, 1 green, 2 blue
    Colour colour;
    std::uint8_t stippleEvenRows, stippleOddRows;
};
const FamilyLook &familyLook(PlaneFamily family);

// 32x32 polygon stipple, bottom row first, most significant bit leftmost.
using Stipple = std::array<std::uint8_t, 128>;
const Stipple &planeStipple(PlaneFamily family);

// Widths of the view's lines in pixels, and the wire overlay's stipple:
// each of the pattern's bits covers kLineStippleFactor pixels.
constexpr float kPlaneOutlineWidth = 2.0f;
constexpr float kAxisWidth = 2.0f;
constexpr float kMarkedRouteWidth = 3.0f;
constexpr float kCurrentLegWidth = 6.0f; // the leg a stepped route has just taken
constexpr float kRingWidth = 2.0f;       // the ring around the box it has reached,
constexpr float kRingScale = 1.6f;       // this much larger than the box
constexpr int kLineStippleFactor = 4;
constexpr std::uint16_t kLineStipplePattern = 0x5555;

} // namespace ts
