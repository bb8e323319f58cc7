#include "view/network.h"

int planeIndex(int value, int offset, int n)
{
    const long long t = static_cast<long long>(value) - offset;
    return (t >= 0 && t < n) ? static_cast<int>(t) : -1;
}

bool onPlane(int a, int b, int offset)
{
    return static_cast<long long>(a) == static_cast<long long>(b) + offset;
}

SwitchNetwork::SwitchNetwork()
{
    clearSelections(0);
}

RouteTrace SwitchNetwork::trace(int i0, int j0) const
{
    RouteTrace r;
    r.k = planeIndex(i0, off1, n);
    if (r.k < 0)
        return r;
    r.i1 = planeIndex(j0, off2, n);
    if (r.i1 < 0)
        return r;
    r.j1 = planeIndex(r.k, off3, n);
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
    for (auto &row : termMarks)
        row.fill(0);
    for (int i = 0; i < kMaxNetworkSize; ++i) {
        for (int j = 0; j < kMaxNetworkSize; ++j) {
            if (termSel[i][j] == 0)
                continue;
            const RouteTrace r = trace(i, j);
            if (r.i1 >= 0 && r.j1 >= 0)
                termMarks[r.i1][r.j1] |= termSel[i][j];
        }
    }
}

void SwitchNetwork::clearSelections(int start)
{
    for (int i = 0; i < kMaxNetworkSize; ++i) {
        for (int j = 0; j < kMaxNetworkSize; ++j) {
            if (i >= start || j >= start) {
                termSel[i][j] = 0;
                termMarks[i][j] = 0;
            }
            for (int k = 0; k < kMaxNetworkSize; ++k) {
                if (i >= start || j >= start || k >= start)
                    swSel[i][j][k] = 0;
            }
        }
    }
}

void SwitchNetwork::toggleTerminal(int i, int j, int bit)
{
    if (inNetwork(i, j))
        termSel[i][j] ^= bit;
}

void SwitchNetwork::toggleSwitch(int i, int j, int k, int bit)
{
    if (inNetwork(i, j) && k >= 0 && k < n)
        swSel[i][j][k] ^= bit;
}
