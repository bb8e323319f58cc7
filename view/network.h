#pragma once

#include <array>

// The Transpose Switch itself: size, plane offsets and the user's marks, and
// the rules by which a terminal's route runs through the three plane families.
// No GL and no widgets here, so the rules can be checked without a display.

constexpr int kMaxNetworkSize = 15;
constexpr int kMinNetworkSize = 1;
constexpr int kDefaultNetworkSize = 4;

// Colour bits of marks and selections.
enum ColourBit : int { RedBit = 1, GreenBit = 2, BlueBit = 4 };

using TerminalGrid = std::array<std::array<int, kMaxNetworkSize>, kMaxNetworkSize>;
using SwitchGrid = std::array<TerminalGrid, kMaxNetworkSize>;

// The index t in 0..n-1 with value == t + offset, or -1. Worked in 64 bits,
// so that any int offset gives "no such index" rather than an overflow.
int planeIndex(int value, int offset, int n);

// Whether a == b + offset, without overflow for any int offset.
bool onPlane(int a, int b, int offset);

struct RouteTrace
{
    int k = -1;  // level of the first turn (IK family)
    int i1 = -1; // column where the x run ends (JI family)
    int j1 = -1; // row where the z run ends (KJ family)
    bool arrives() const { return j1 >= 0; }
};

class SwitchNetwork
{
public:
    SwitchNetwork();

    int size() const { return n; }
    int c1() const { return off1; }
    int c2() const { return off2; }
    int c3() const { return off3; }

    // These store without checks or recomputation; the caller (the view's
    // slots) validates and then calls recomputeMarks / clearSelections.
    void storeSize(int size) { n = size; }
    void storeOffsets(int c1, int c2, int c3) { off1 = c1; off2 = c2; off3 = c3; }

    static bool isValidSize(int size) { return size >= kMinNetworkSize && size <= kMaxNetworkSize; }

    RouteTrace trace(int i0, int j0) const;
    void traceRoute(int i0, int j0, int *k = nullptr, int *i1 = nullptr, int *j1 = nullptr) const;

    // Rebuilds every terminal mark from the terminal selection.
    void recomputeMarks();
    // Zeroes every entry with an index at or above start.
    void clearSelections(int start);

    // Out-of-range indices are ignored: a pick can never write outside the network.
    void toggleTerminal(int i, int j, int bit);
    void toggleSwitch(int i, int j, int k, int bit);

    int terminalSelection(int i, int j) const { return inRange(i, j) ? termSel[i][j] : 0; }
    int terminalMark(int i, int j) const { return inRange(i, j) ? termMarks[i][j] : 0; }
    int switchSelection(int i, int j, int k) const { return inRange(i, j, k) ? swSel[i][j][k] : 0; }

    const TerminalGrid &terminalSelections() const { return termSel; }
    const TerminalGrid &terminalMarks() const { return termMarks; }
    const SwitchGrid &switchSelections() const { return swSel; }

private:
    static bool inRange(int i, int j) { return i >= 0 && j >= 0 && i < kMaxNetworkSize && j < kMaxNetworkSize; }
    static bool inRange(int i, int j, int k) { return inRange(i, j) && k >= 0 && k < kMaxNetworkSize; }
    bool inNetwork(int i, int j) const { return i >= 0 && j >= 0 && i < n && j < n; }

    int n = kDefaultNetworkSize;
    int off1 = 0, off2 = 0, off3 = 0;
    TerminalGrid termSel{};
    TerminalGrid termMarks{};
    SwitchGrid swSel{};
};
