#include "core/planefamily.h"

namespace ts {

namespace {
constexpr QuadTerm M1 = QuadTerm::Minus1, P1 = QuadTerm::Plus1, AM = QuadTerm::AMinus1, MA = QuadTerm::OneMinusA,
                   BM = QuadTerm::BMinus1, MB = QuadTerm::OneMinusB;
} // namespace

// Stipples cover pairwise disjoint quarters, so overlapping dotted planes all show.
const std::array<PlaneFamilyInfo, kPlaneFamilyCount> kPlaneFamilies{{
    {PlaneFamily::IK, Axis::I, Axis::K, "ik", "i = k1 + c1", "c1:", "c1", "i = k + c1", 0, {1.0f, 0.6f, 0.6f},
     0x55, 0x00, {{{BM, MA, M1}, {BM, MA, P1}, {MA, BM, P1}, {MA, BM, M1}}}},
    {PlaneFamily::JI, Axis::J, Axis::I, "ji", "j = i + c2", "c2:", "c2", "j = i + c2", 1, {0.6f, 1.0f, 0.6f},
     0x00, 0x55, {{{AM, P1, BM}, {MB, P1, MA}, {MB, M1, MA}, {AM, M1, BM}}}},
    {PlaneFamily::KJ, Axis::K, Axis::J, "kj", "k2 = j + c3", "c3:", "c3", "k = j + c3", 2, {0.6f, 0.6f, 1.0f},
     0xAA, 0x00, {{{M1, MB, AM}, {P1, MB, AM}, {P1, AM, MB}, {M1, AM, MB}}}},
}};

bool onFamily(PlaneFamily f, const SwitchIndex &s, int offset)
{
    const PlaneFamilyInfo &family = info(f);
    return static_cast<long long>(s[family.lhs]) == static_cast<long long>(s[family.rhs]) + offset;
}

int solveFamily(int lhsValue, int offset, int n)
{
    const long long t = static_cast<long long>(lhsValue) - offset;
    return (t >= 0 && t < n) ? static_cast<int>(t) : -1;
}

} // namespace ts
