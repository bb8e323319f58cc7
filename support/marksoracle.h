#pragma once
// The terminal marks as the rules define them, written out on their own so
// that the model's recomputation is checked against something it does not
// share: terminal (i0, j0) turns at level k = i0 - c1, runs along x to
// i1 = j0 - c2 and along z to j1 = k - c3, and arrives only if all three
// lie inside the network. No Qt, so the fuzzer uses it too.

#include "core/network.h"

namespace oracle {

// A network of size n with the three offsets, set through the model.
inline ts::SwitchNetwork networkWith(int n, int c1 = 0, int c2 = 0, int c3 = 0)
{
    ts::SwitchNetwork net;
    net.setSize(n);
    net.setOffset(ts::PlaneFamily::IK, c1);
    net.setOffset(ts::PlaneFamily::JI, c2);
    net.setOffset(ts::PlaneFamily::KJ, c3);
    return net;
}

inline bool insideNetwork(long long index, int n)
{
    return index >= 0 && index < n;
}

inline ts::TerminalGrid expectedMarks(const ts::SwitchNetwork &net)
{
    using ts::PlaneFamily;
    ts::TerminalGrid marks{};
    const int n = net.size();
    for (int i0 = 0; i0 < n; ++i0)
        for (int j0 = 0; j0 < n; ++j0) {
            const long long k = static_cast<long long>(i0) - net.offset(PlaneFamily::IK);
            const long long i1 = static_cast<long long>(j0) - net.offset(PlaneFamily::JI);
            const long long j1 = k - net.offset(PlaneFamily::KJ);
            if (insideNetwork(k, n) && insideNetwork(i1, n) && insideNetwork(j1, n))
                marks[static_cast<std::size_t>(i1)][static_cast<std::size_t>(j1)] |= net.terminalMark(i0, j0);
        }
    return marks;
}

// No mark or arrival at an index at or beyond the size.
inline bool nothingBeyondSize(const ts::SwitchNetwork &net)
{
    const int n = net.size();
    for (int i = 0; i < ts::kMaxNetworkSize; ++i)
        for (int j = 0; j < ts::kMaxNetworkSize; ++j) {
            if ((i >= n || j >= n) && (net.terminalMark(i, j) || net.arrivals(i, j)))
                return false;
            for (int k = 0; k < ts::kMaxNetworkSize; ++k)
                if ((i >= n || j >= n || k >= n) && net.switchMark(i, j, k))
                    return false;
        }
    return true;
}

} // namespace oracle
