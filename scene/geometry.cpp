#include "scene/geometry.h"

#include <algorithm>

#include <cmath>
#include <cstdint>

namespace ts {

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

namespace {
// A corner coordinate of a plane's quad: +-1, or 1 - A, A - 1, 1 - B, B - 1
// with A = 2 max(0, -c)/N and B = 2 max(0, c)/N.
enum class QuadTerm : std::uint8_t { Minus1, Plus1, AMinus1, OneMinusA, BMinus1, OneMinusB };
using QuadCorner = std::array<QuadTerm, 3>; // x, y, z
constexpr QuadTerm M1 = QuadTerm::Minus1, P1 = QuadTerm::Plus1, AM = QuadTerm::AMinus1, MA = QuadTerm::OneMinusA,
                   BM = QuadTerm::BMinus1, MB = QuadTerm::OneMinusB;
// Each family's plane corners inside the cube, in drawing order.
constexpr std::array<std::array<QuadCorner, 4>, kPlaneFamilyCount> kPlaneCorners{{
    {{{BM, MA, M1}, {BM, MA, P1}, {MA, BM, P1}, {MA, BM, M1}}},
    {{{AM, P1, BM}, {MB, P1, MA}, {MB, M1, MA}, {AM, M1, BM}}},
    {{{M1, MB, AM}, {P1, MB, AM}, {P1, AM, MB}, {M1, AM, MB}}},
}};
} // namespace

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
    const auto &corners = kPlaneCorners[static_cast<std::size_t>(index(family))];
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

} // namespace ts
