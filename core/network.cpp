#include "core/network.h"

namespace ts {

bool Marks::operator==(const Marks &other) const
{
    return terminalMarks == other.terminalMarks && arrivals == other.arrivals &&
           switchMarks == other.switchMarks;
}

bool SwitchNetwork::setSize(int size)
{
    if (!isValidSize(size))
        return false;
    n = size;
    dropMarksFrom(size);
    recomputeArrivals();
    return true;
}

void SwitchNetwork::setOffset(PlaneFamily f, int offset)
{
    offsets[static_cast<std::size_t>(index(f))] = offset;
    recomputeArrivals();
}

RouteTrace SwitchNetwork::trace(int i0, int j0) const
{
    // Each run ends where the route meets its family: IK gives the level
    // from the source column, JI the column from the source row, KJ the row
    // from the level.
    RouteTrace r;
    r.k = solveFamily(i0, offset(PlaneFamily::IK), n);
    if (r.k < 0)
        return r;
    r.i1 = solveFamily(j0, offset(PlaneFamily::JI), n);
    if (r.i1 < 0)
        return r;
    r.j1 = solveFamily(r.k, offset(PlaneFamily::KJ), n);
    return r;
}

void SwitchNetwork::traceRoute(int i0, int j0, int *k, int *i1, int *j1) const
{
    const RouteTrace r = trace(i0, j0);
    if (k)
        *k = r.k;
    if (i1)
        *i1 = r.i1;
    if (j1)
        *j1 = r.j1;
}

void SwitchNetwork::recomputeArrivals()
{
    for (auto &row : state.arrivals)
        row.fill(0);
    for (int i = 0; i < kMaxNetworkSize; ++i) {
        for (int j = 0; j < kMaxNetworkSize; ++j) {
            const int bits = state.terminalMarks[i][j];
            if (bits == 0)
                continue;
            const RouteTrace r = trace(i, j);
            if (r.i1 >= 0 && r.j1 >= 0)
                state.arrivals[r.i1][r.j1] |= bits;
        }
    }
}

void SwitchNetwork::dropMarksFrom(int start)
{
    for (int i = 0; i < kMaxNetworkSize; ++i) {
        for (int j = 0; j < kMaxNetworkSize; ++j) {
            if (i >= start || j >= start) {
                state.terminalMarks[i][j] = 0;
                state.arrivals[i][j] = 0;
            }
            for (int k = 0; k < kMaxNetworkSize; ++k) {
                if (i >= start || j >= start || k >= start)
                    state.switchMarks[i][j][k] = 0;
            }
        }
    }
}

void SwitchNetwork::clearFrom(int start)
{
    dropMarksFrom(start);
    recomputeArrivals();
}

void SwitchNetwork::toggleTerminal(int i, int j, int bit)
{
    if (inNetwork(i) && inNetwork(j))
        state.terminalMarks[i][j] ^= bit;
    recomputeArrivals();
}

void SwitchNetwork::toggleSwitch(int i, int j, int k, int bit)
{
    if (inNetwork(i) && inNetwork(j) && inNetwork(k))
        state.switchMarks[i][j][k] ^= bit;
    recomputeArrivals();
}

void SwitchNetwork::restoreMarks(const Marks &saved)
{
    state = saved;
    dropMarksFrom(n);
    recomputeArrivals();
}

} // namespace ts
