#pragma once

#include <optional>
#include <string>

namespace quelvan {
class KslDoc;
}

// The ready-made variants of a wall a comparison offers beside the project: the wall reversed,
// and its insulation twice or half as thick.
namespace quelvan::variants {

enum class WallVariant { Reversed, ThickerInsulation, ThinnerInsulation };

// Makes the variant of the project in place and returns its name: "Paroi inversée", or
// "Épaisseur d'isolant × 2 (Laine de verre, 200 mm)" with the insulating layer's material and
// its new thickness. A thickness variant of a wall without an insulating layer changes nothing
// and has no name of its own.
std::optional<std::string> ApplyWallVariant(KslDoc& project, WallVariant variant);

} // namespace quelvan::variants
