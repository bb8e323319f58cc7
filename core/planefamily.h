#pragma once

#include <array>
#include "core/vec.h"

#include <cstdint>

// The three families of planes that wire the network, described once. Each
// family relates two of a switch's indices with one signed offset,
// lhs = rhs + c: IK is i = k + c1, JI is j = i + c2, KJ is k = j + c3. The
// same relation picks the switches a family highlights, places its plane and
// ends one run of every route; the rest of the table is how it is shown.

namespace ts {

enum class PlaneFamily { IK, JI, KJ };
constexpr int kPlaneFamilyCount = 3;

enum class Axis { I, J, K }; // x index, z index, level from the top

struct SwitchIndex
{
    int i, j, k;
    int operator[](Axis a) const { return a == Axis::I ? i : a == Axis::J ? j : k; }
};

// A corner coordinate of a plane's quad: +-1, or 1 - A, A - 1, 1 - B, B - 1
// with A = 2 max(0, -c)/N and B = 2 max(0, c)/N.
enum class QuadTerm : std::uint8_t { Minus1, Plus1, AMinus1, OneMinusA, BMinus1, OneMinusB };
using QuadCorner = std::array<QuadTerm, 3>; // x, y, z

struct PlaneFamilyInfo
{
    PlaneFamily family;
    Axis lhs, rhs;              // the relation lhs = rhs + offset
    const char *prefix;         // object names "ik_hilite", ...; groups "ik"
    const char *title;          // the panel group's title
    const char *offsetLabel;    // the label beside the offset box
    const char *offsetName;     // "c1"
    const char *relation;       // the relation in words, "i = k + c1"
    int highlightChannel;       // 0 red, 1 green, 2 blue of a highlighted switch's fill
    Colour colour;              // the plane's colour
    std::uint8_t stippleEvenRows, stippleOddRows; // the plane's 32x32 stipple, row by row
    std::array<QuadCorner, 4> quad;               // the plane's corners inside the cube, in drawing order
};

constexpr std::array<PlaneFamily, kPlaneFamilyCount> kAllPlaneFamilies{PlaneFamily::IK, PlaneFamily::JI,
                                                                    PlaneFamily::KJ};
extern const std::array<PlaneFamilyInfo, kPlaneFamilyCount> kPlaneFamilies;

constexpr int index(PlaneFamily f) { return static_cast<int>(f); }
inline const PlaneFamilyInfo &info(PlaneFamily f) { return kPlaneFamilies[static_cast<std::size_t>(f)]; }

// Whether switch s lies on family f at this offset: lhs == rhs + offset,
// worked in 64 bits so that any int offset is safe.
bool onFamily(PlaneFamily f, const SwitchIndex &s, int offset);

// The rhs index in 0..n-1 that family f pairs with this lhs value, or -1:
// the index at which a route's run ends when it meets the family.
int solveFamily(int lhsValue, int offset, int n);

} // namespace ts
