#include "scene/palette.h"

namespace ts {

Colour colourFromBits(int bits, float level)
{
    return {(bits & 1) ? level : 0.0f, (bits & 2) ? level : 0.0f, (bits & 4) ? level : 0.0f};
}

const FamilyLook &familyLook(PlaneFamily family)
{
    // Stipples cover pairwise disjoint quarters, so overlapping dotted planes all show.
    static constexpr std::array<FamilyLook, kPlaneFamilyCount> looks{{
        {0, {1.0f, 0.6f, 0.6f}, 0x55, 0x00},
        {1, {0.6f, 1.0f, 0.6f}, 0x00, 0x55},
        {2, {0.6f, 0.6f, 1.0f}, 0xAA, 0x00},
    }};
    return looks[static_cast<std::size_t>(index(family))];
}

const Stipple &planeStipple(PlaneFamily family)
{
    // Built once, not on every frame.
    static const std::array<Stipple, kPlaneFamilyCount> stipples = [] {
        std::array<Stipple, kPlaneFamilyCount> all{};
        for (const PlaneFamily f : kAllPlaneFamilies)
            for (std::size_t row = 0; row < 32; ++row)
                for (std::size_t byte = 0; byte < 4; ++byte)
                    all[static_cast<std::size_t>(index(f))][row * 4 + byte] =
                        (row % 2 == 0) ? familyLook(f).stippleEvenRows : familyLook(f).stippleOddRows;
        return all;
    }();
    return stipples[static_cast<std::size_t>(index(family))];
}

} // namespace ts
