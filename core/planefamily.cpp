#include "core/planefamily.h"

namespace ts {

const std::array<PlaneFamilyInfo, kPlaneFamilyCount> kPlaneFamilies{{
    {PlaneFamily::IK, Axis::I, Axis::K, "ik", "i = k1 + c1", "c1", "i = k + c1", "IK"},
    {PlaneFamily::JI, Axis::J, Axis::I, "ji", "j = i + c2", "c2", "j = i + c2", "JI"},
    {PlaneFamily::KJ, Axis::K, Axis::J, "kj", "k2 = j + c3", "c3", "k = j + c3", "KJ"},
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
