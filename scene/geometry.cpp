#include "scene/geometry.h"

#include <algorithm>

#include <cmath>
#include <cstdio>

namespace ts {

Colour colourFromBits(int bits, float level)
{
    return {(bits & 1) ? level : 0.0f, (bits & 2) ? level : 0.0f, (bits & 4) ? level : 0.0f};
}

CellGeometry::CellGeometry(int size)
    : CellGeometry(size, static_cast<float>(2.0 / (2 * size)))
{
}

CellGeometry::CellGeometry(int size, float halfCell)
    : n(size)
    , halfCell(halfCell)
    , boxScale(static_cast<float>(1.0 / (3 * size)))
{
}

const std::array<Vec3, 24> kUnitCube{{
    {1, 1, -1}, {1, -1, -1}, {-1, -1, -1}, {-1, 1, -1},  // z = -1
    {-1, 1, 1}, {-1, -1, 1}, {1, -1, 1}, {1, 1, 1},      // z = +1
    {-1, 1, -1}, {-1, -1, -1}, {-1, -1, 1}, {-1, 1, 1},  // x = -1
    {1, 1, 1}, {1, -1, 1}, {1, -1, -1}, {1, 1, -1},      // x = +1
    {1, -1, 1}, {-1, -1, 1}, {-1, -1, -1}, {1, -1, -1},  // y = -1
    {1, 1, -1}, {-1, 1, -1}, {-1, 1, 1}, {1, 1, 1},      // y = +1
}};

const Stipple &planeStipple(PlaneFamily family)
{
    // Built once from the family table, not on every frame.
    static const std::array<Stipple, kPlaneFamilyCount> stipples = [] {
        std::array<Stipple, kPlaneFamilyCount> all{};
        for (const PlaneFamilyInfo &f : kPlaneFamilies)
            for (std::size_t row = 0; row < 32; ++row)
                for (std::size_t byte = 0; byte < 4; ++byte)
                    all[static_cast<std::size_t>(index(f.family))][row * 4 + byte] =
                        (row % 2 == 0) ? f.stippleEvenRows : f.stippleOddRows;
        return all;
    }();
    return stipples[static_cast<std::size_t>(index(family))];
}

bool planeQuad(PlaneFamily family, int offset, const CellGeometry &g, std::array<Vec3, 4> &q)
{
    if (offset <= -g.n || offset >= g.n)
        return false;
    const float cell = 2.0f * g.halfCell;
    const float A = offset < 0 ? static_cast<float>(offset) * -cell : 0.0f;
    const float B = offset > 0 ? static_cast<float>(offset) * cell : 0.0f;
    auto value = [A, B](QuadTerm term) {
        switch (term) {
        case QuadTerm::Minus1: return -1.0f;
        case QuadTerm::Plus1: return 1.0f;
        case QuadTerm::AMinus1: return A - 1;
        case QuadTerm::OneMinusA: return 1 - A;
        case QuadTerm::BMinus1: return B - 1;
        case QuadTerm::OneMinusB: break;
        }
        return 1 - B;
    };
    const auto &corners = info(family).quad;
    for (std::size_t c = 0; c < corners.size(); ++c)
        q[c] = {value(corners[c][0]), value(corners[c][1]), value(corners[c][2])};
    return true;
}

const std::array<AxisStrip, 3> kAxisMarker{{
    {{1, 0, 0}, {-1, 1, -1}, {1, 0.8f, 0.8f},
     {{{1, 1, -1}, {0.9f, 0.95f, -1}, {0.9f, 1, -1}, {0.9f, 1, -0.95f}, {1, 1, -1}}}},
    {{0, 1, 0}, {-1, 1, -1}, {0.8f, 1, 0.8f},
     {{{-1, 1, 1}, {-0.95f, 1, 0.9f}, {-1, 1, 0.9f}, {-1, 0.95f, 0.9f}, {-1, 1, 1}}}},
    {{0, 0, 1}, {-1, 1, -1}, {0.8f, 0.8f, 1},
     {{{-1, -1, -1}, {-0.95f, -0.9f, -1}, {-1, -0.9f, -1}, {-1, -0.9f, -0.95f}, {-1, -1, -1}}}},
}};

std::vector<SceneLabel> sceneLabels(int n)
{
    constexpr int kEveryIndexUpTo = 8;
    constexpr int kStepBeyond = 5;
    constexpr float kMargin = 0.12f;
    const CellGeometry g(n);
    std::vector<SceneLabel> labels{{{0.95f, 1.25f, -1.1f}, "x (i)"},
                                   {{-1.1f, 1.25f, 0.95f}, "z (j)"},
                                   {{-1.3f, -0.7f, -1.1f}, "y (k)"}};
    const int every = n <= kEveryIndexUpTo ? 1 : kStepBeyond;
    for (int index = 0; index < n; index += every) {
        labels.push_back({{g.x(index), 1.0f, -1.0f - kMargin}, std::to_string(index)});
        labels.push_back({{-1.0f - kMargin, 1.0f, g.z(index)}, std::to_string(index)});
    }
    return labels;
}

int labelPixelSize(int width, int height)
{
    constexpr int kSizeDivisor = 50;
    constexpr int kMinPixels = 10;
    constexpr int kMaxPixels = 24;
    return std::clamp(std::min(width, height) / kSizeDivisor, kMinPixels, kMaxPixels);
}

Segment networkWire(WireKind kind, int a, int b, const CellGeometry &g)
{
    const float s = g.sideOffset();
    switch (kind) {
    case WireKind::Down:
        return {{g.shiftedX(a, s), 1, g.z(b)}, {g.shiftedX(a, s), g.lowest(), g.z(b)}};
    case WireKind::Up:
        return {{g.shiftedX(a, -s), 1, g.z(b)}, {g.shiftedX(a, -s), g.lowest(), g.z(b)}};
    case WireKind::AlongX:
        return {{g.first(), g.y(a), g.z(b)}, {g.last(), g.y(a), g.z(b)}};
    case WireKind::AlongZ:
        break;
    }
    return {{g.x(a), g.y(b), g.first()}, {g.x(a), g.y(b), g.last()}};
}

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
