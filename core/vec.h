#pragma once

// Plain model-space points and colours, as GL takes them.

namespace ts {

struct Vec3
{
    float x, y, z;
};

struct Colour
{
    float r, g, b;
};

} // namespace ts
