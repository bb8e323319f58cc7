#pragma once

#include <array>

// The three families of planes that wire the network, described once. Each
// family relates two of a switch's indices with one signed offset,
// lhs = rhs + c: IK is i = k + c1, JI is j = i + c2, KJ is k = j + c3. The
// same relation picks the switches a family highlights, places its plane and
// ends one run of every route. How a family is drawn is the scene's
// (scene/palette.h, scene/geometry.h).

namespace ts {

enum class PlaneFamily { IK, JI, KJ };
constexpr int kPlaneFamilyCount = 3;

enum class Axis { I, J, K }; // x index, z index, level from the top

struct SwitchIndex
{
    int i, j, k;
    int operator[](Axis a) const { return a == Axis::I ? i : a == Axis::J ? j : k; }
};

struct PlaneFamilyInfo
{
    PlaneFamily family;
    Axis lhs, rhs;              // the relation lhs = rhs + offset
    const char *key;        // "ik": the family's key in lesson files and the prefix of its controls' names
    const char *title;      // "i = k1 + c1", as the controls name the family
    const char *offsetName; // "c1"
    const char *relation;   // the relation in route words, "i = k + c1"
    const char *shortName;  // "IK", where room is short (map cells, a figure's legend)
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
