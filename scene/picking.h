#pragma once

#include <cstddef>
#include <cstdint>

namespace ts {

// GL selection names of the drawn boxes and the rules that turn a selection
// buffer back into the box under the pointer. Raw numbers only, no GL.

using PickName = std::uint32_t;
constexpr PickName kUnnamed = 0xFFFFFFFFu; // everything drawn after the lattice

constexpr int kSelectBufferSize = 1024;
constexpr int kSelectBufferLimit = 1 << 20; // entries a pick may grow its buffer to
constexpr int kPickWindowPixels = 3;
constexpr int kClickSlopPixels = 3;

PickName terminalPickName(int i, int j, int n);
PickName switchPickName(int i, int j, int k, int n);

struct PickedBox
{
    enum Kind { Nothing, Terminal, Switch } kind = Nothing;
    int i = -1, j = -1, k = -1;
};

// Decodes a name for a network of size n; a name that no box of that
// network carries decodes to Nothing.
PickedBox decodePickName(PickName name, int n);

struct PickResult
{
    enum Kind {
        Miss,       // the pick window held no named box
        Hit,        // name is the nearest named box
        Overflowed, // the buffer overflowed: not a miss, and no box to trust
    } kind = Miss;
    PickName name = kUnnamed;
};

// Walks hitCount records in buffer order: the earliest named record with the
// smallest minimum depth wins, and any named record beats the unnamed one.
// A negative hitCount (overflow) is Overflowed whatever the records that fit
// say, since the nearest box may be among those that did not; nothing is
// read past bufferLength.
PickResult walkHits(const std::uint32_t *buffer, std::size_t bufferLength, int hitCount);

} // namespace ts
