#include "view/network.h"

namespace ts {

bool Marks::operator==(const Marks &other) const
{
    return terminalSelections == other.terminalSelections && terminalMarks == other.terminalMarks &&
           switchSelections == other.switchSelections;
}

bool SwitchNetwork::setSize(int size)
{
    if (!isValidSize(size))
        return false;
    n = size;
    clearSelections(size);
    recomputeMarks();
    return true;
}

void SwitchNetwork::setOffset(PlaneFamily f, int offset)
{
    offsets[static_cast<std::size_t>(index(f))] = offset;
    recomputeMarks();
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

void SwitchNetwork::recomputeMarks()
{
    for (auto &row : state.terminalMarks)
        row.fill(0);
    for (int i = 0; i < kMaxNetworkSize; ++i) {
        for (int j = 0; j < kMaxNetworkSize; ++j) {
            const int bits = state.terminalSelections[i][j];
            if (bits == 0)
                continue;
            const RouteTrace r = trace(i, j);
            if (r.i1 >= 0 && r.j1 >= 0)
                state.terminalMarks[r.i1][r.j1] |= bits;
        }
    }
}

void SwitchNetwork::clearSelections(int start)
{
    for (int i = 0; i < kMaxNetworkSize; ++i) {
        for (int j = 0; j < kMaxNetworkSize; ++j) {
            if (i >= start || j >= start) {
                state.terminalSelections[i][j] = 0;
                state.terminalMarks[i][j] = 0;
            }
            for (int k = 0; k < kMaxNetworkSize; ++k) {
                if (i >= start || j >= start || k >= start)
                    state.switchSelections[i][j][k] = 0;
            }
        }
    }
}

void SwitchNetwork::clearFrom(int start)
{
    clearSelections(start);
    recomputeMarks();
}

void SwitchNetwork::toggleTerminal(int i, int j, int bit)
{
    if (inNetwork(i) && inNetwork(j))
        state.terminalSelections[i][j] ^= bit;
    recomputeMarks();
}

void SwitchNetwork::toggleSwitch(int i, int j, int k, int bit)
{
    if (inNetwork(i) && inNetwork(j) && inNetwork(k))
        state.switchSelections[i][j][k] ^= bit;
    recomputeMarks();
}

void SwitchNetwork::restoreMarks(const Marks &saved)
{
    state = saved;
    clearSelections(n);
    recomputeMarks();
}

} // namespace ts
