#include "scene/picking.h"

#include "core/network.h"

namespace ts {

PickName terminalPickName(int i, int j, int n)
{
    return static_cast<PickName>(i + j * n);
}

PickName switchPickName(int i, int j, int k, int n)
{
    return static_cast<PickName>(i + j * n + (k + 1) * n * n);
}

PickedBox decodePickName(PickName name, int n)
{
    PickedBox box;
    if (n < kMinNetworkSize || n > kMaxNetworkSize || name == kUnnamed)
        return box;
    const PickName side = static_cast<PickName>(n);
    const PickName layer = side * side;
    const PickName level = name / layer;
    if (level > side)
        return box;
    box.i = static_cast<int>(name % side);
    box.j = static_cast<int>((name % layer) / side);
    if (level == 0) {
        box.kind = PickedBox::Terminal;
    } else {
        box.kind = PickedBox::Switch;
        box.k = static_cast<int>(level) - 1;
    }
    return box;
}

PickResult walkHits(const std::uint32_t *buffer, std::size_t bufferLength, int hitCount)
{
    constexpr std::size_t kHeader = 3; // name count, minimum depth, maximum depth
    const bool overflowed = hitCount < 0;
    PickName winner = kUnnamed;
    std::uint32_t winnerDepth = 0;
    std::size_t pos = 0;
    for (int record = 0; overflowed || record < hitCount; ++record) {
        if (!buffer || pos + kHeader > bufferLength)
            break;
        const std::uint32_t names = buffer[pos];
        const std::uint32_t minDepth = buffer[pos + 1];
        if (names > bufferLength - pos - kHeader)
            break; // a record cut short by the end of the buffer
        if (names == 0) { // nothing to look at; GL never writes one while a name is pushed
            pos += kHeader;
            continue;
        }
        const PickName first = buffer[pos + kHeader];
        if (winner == kUnnamed) {
            winner = first;
            winnerDepth = minDepth;
        } else if (first != kUnnamed && minDepth < winnerDepth) {
            winner = first;
            winnerDepth = minDepth;
        }
        pos += kHeader + names;
    }

    PickResult result;
    result.name = winner;
    if (overflowed)
        result.kind = PickResult::Overflowed;
    else
        result.kind = winner != kUnnamed ? PickResult::Hit : PickResult::Miss;
    return result;
}

} // namespace ts
