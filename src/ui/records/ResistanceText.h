#pragma once

#include "core/NumberText.h"

#include <QString>

#include <string>

namespace quelvan {
class NMaterialLayer;
}

namespace quelvan::ui {

// A layer's resistance thickness × 0.001 / (conductivity + 1e-7) in m².K/W, four significant
// digits, three when that text is longer than 6 characters (lists and the info box).
QString LayerResistanceText(const NMaterialLayer& layer);
// The same resistance with a given number of significant digits (the layer dialog uses 2).
QString ResistanceText(
    const std::string& thickness, const std::string& conductivity, SignificantDigits digits);

} // namespace quelvan::ui
