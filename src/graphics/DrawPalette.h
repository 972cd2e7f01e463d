#pragma once

#include "model/Colour.h"

#include <QColor>

namespace quelvan::graphics {

// The fixed 20-colour drawing palette, addressed by index.
inline constexpr int kPaletteSize = 20;
inline constexpr int kPaletteGrey = 0;
inline constexpr int kPaletteRed = 4;
inline constexpr int kPaletteBlue = 14;
inline constexpr int kPaletteBlack = 15;
inline constexpr int kPaletteWhite = 16;
// "No fill colour": lines, polylines and texts, which never fill, are given this index.
inline constexpr int kNoFill = -1;

// The palette entry as a stored colour; -1 and any index outside the table give black.
Colour PaletteColour(int index);

QColor ToQColor(Colour colour);
inline QColor PaletteQColor(int index)
{
    return ToQColor(PaletteColour(index));
}

} // namespace quelvan::graphics
