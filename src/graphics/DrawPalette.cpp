#include "graphics/DrawPalette.h"

#include <array>

namespace quelvan::graphics {

namespace {

constexpr std::array<Colour, kPaletteSize> kPalette { MakeColour(168, 168, 168),
    MakeColour(144, 144, 144), MakeColour(127, 127, 127), MakeColour(110, 110, 110),
    MakeColour(255, 0, 0), MakeColour(208, 73, 34), MakeColour(183, 64, 30),
    MakeColour(243, 243, 243), MakeColour(230, 230, 230), MakeColour(210, 210, 210),
    MakeColour(242, 240, 145), MakeColour(232, 227, 57), MakeColour(209, 205, 24),
    MakeColour(177, 173, 20), MakeColour(0, 0, 255), MakeColour(0, 0, 0), MakeColour(255, 255, 255),
    MakeColour(155, 0, 0), MakeColour(205, 0, 0), MakeColour(255, 0, 0) };

} // namespace

Colour PaletteColour(int index)
{
    if (index < 0 || index >= kPaletteSize)
        return MakeColour(0, 0, 0);
    return kPalette[static_cast<size_t>(index)];
}

QColor ToQColor(Colour colour)
{
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

} // namespace quelvan::graphics
