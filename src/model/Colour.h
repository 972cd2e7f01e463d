#pragma once

#include <cstdint>

namespace quelvan {

// A colour stored as the original platform does: red in the low byte, then green, then blue.
using Colour = std::uint32_t;

constexpr Colour MakeColour(int red, int green, int blue)
{
    return static_cast<Colour>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int RedOf(Colour c)
{
    return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(Colour c)
{
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(Colour c)
{
    return static_cast<int>((c >> 16) & 0xFF);
}

} // namespace quelvan
