#pragma once

#include "core/planefamily.h"

#include <array>

// The Transpose Switch itself: size, plane offsets and the user's marks, and
// the rules by which a terminal's route runs through the three plane families.
// Every operation keeps the model's rules itself: entries beyond the size
// are 0 and the arrivals always follow from the marks. No GL and
// no widgets here, so the rules can be checked without a display.

namespace ts {

constexpr int kMaxNetworkSize = 15;
constexpr int kMinNetworkSize = 1;
constexpr int kDefaultNetworkSize = 4;

// Colour bits of marks and arrivals.
enum ColourBit : int { RedBit = 1, GreenBit = 2, BlueBit = 4 };

using TerminalGrid = std::array<std::array<int, kMaxNetworkSize>, kMaxNetworkSize>;
using SwitchGrid = std::array<TerminalGrid, kMaxNetworkSize>;
using Offsets = std::array<int, kPlaneFamilyCount>; // indexed by family

struct RouteTrace
{
    int k = -1;  // level of the first turn (IK family)
    int i1 = -1; // column where the x run ends (JI family)
    int j1 = -1; // row where the z run ends (KJ family)
    bool arrives() const { return j1 >= 0; }
    // The first family that has no switch for the route; only for a route
    // that does not arrive.
    PlaneFamily deadEnd() const { return k < 0 ? PlaneFamily::IK : i1 < 0 ? PlaneFamily::JI : PlaneFamily::KJ; }
};

// The user's marks and the arrivals that follow from them.
struct Marks
{
    TerminalGrid terminalMarks{};
    TerminalGrid arrivals{};
    SwitchGrid switchMarks{};
    bool operator==(const Marks &other) const;
    bool operator!=(const Marks &other) const { return !(*this == other); }
};

class SwitchNetwork
{
public:
    SwitchNetwork() = default;

    int size() const { return n; }
    int offset(PlaneFamily f) const { return offsets[static_cast<std::size_t>(index(f))]; }
    const Offsets &allOffsets() const { return offsets; }

    static bool isValidSize(int size) { return size >= kMinNetworkSize && size <= kMaxNetworkSize; }

    // A size outside 1..15 is refused (false) and changes nothing; otherwise
    // the entries beyond the new size are dropped and the marks rebuilt.
    bool setSize(int size);
    // Any int is taken; routes that leave the network become dead ends.
    void setOffset(PlaneFamily f, int offset);

    // Toggle a colour bit of a box of the network and rebuild the marks.
    // Indices outside the network change nothing.
    void toggleTerminal(int i, int j, int bit);
    void toggleSwitch(int i, int j, int k, int bit);
    // Zeroes every mark with an index at or above start (0 clears
    // everything) and rebuilds the marks.
    void clearFrom(int start);

    RouteTrace trace(int i0, int j0) const;
    void traceRoute(int i0, int j0, int *k = nullptr, int *i1 = nullptr, int *j1 = nullptr) const;

    int terminalMark(int i, int j) const { return inRange(i, j) ? state.terminalMarks[i][j] : 0; }
    int arrivals(int i, int j) const { return inRange(i, j) ? state.arrivals[i][j] : 0; }
    int switchMark(int i, int j, int k) const
    {
        return inRange(i, j, k) ? state.switchMarks[i][j][k] : 0;
    }
    const Marks &marks() const { return state; }
    // Puts back marks saved from a network of this size; the arrivals are
    // rebuilt rather than trusted.
    void restoreMarks(const Marks &saved);

    bool operator==(const SwitchNetwork &other) const
    {
        return n == other.n && offsets == other.offsets && state == other.state;
    }
    bool operator!=(const SwitchNetwork &other) const { return !(*this == other); }

private:
    static bool inRange(int i, int j) { return i >= 0 && j >= 0 && i < kMaxNetworkSize && j < kMaxNetworkSize; }
    static bool inRange(int i, int j, int k) { return inRange(i, j) && k >= 0 && k < kMaxNetworkSize; }
    bool inNetwork(int i) const { return i >= 0 && i < n; }
    void recomputeArrivals();
    void dropMarksFrom(int start);

    int n = kDefaultNetworkSize;
    Offsets offsets{};
    Marks state;
};

} // namespace ts
