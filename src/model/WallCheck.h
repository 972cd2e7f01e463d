#pragma once

#include "core/NList.h"
#include "model/SurfaceTexts.h"

#include <optional>
#include <string>

namespace quelvan {

class NMaterialLayer;

// The calculation cuts every layer into this many cells of equal width.
inline constexpr int kCellsPerLayer = 5;
// Width of one cell per millimetre of layer thickness, in metres: a fifth of a millimetre.
// 1 / 5000 rounded once to single precision is the float the cell widths have always used.
inline constexpr float kCellWidthPerMillimetre = 1.0f / (1000.0f * kCellsPerLayer);
static_assert(kCellWidthPerMillimetre == 0.0002f);

// Why a wall cannot be computed; the values are the error codes the engine reports.
enum class WallFault : int {
    None = 0,
    NoLayer = 24001,
    LayerWithoutMaterial = 24002,
    BadThickness = 24003,
    BadConductivity = 24004,
    BadDensityOrCapacity = 24005,
    BadSurfaceResistance = 24006,
};

// The input a fault was found in.
enum class WallField {
    None,
    Material,
    Thickness,
    Conductivity,
    Density,
    Capacity,
    ResistanceExterior,
    ResistanceInterior,
};

// The verdict of the wall check: the first fault found, the layer it concerns (its number from
// the exterior face, 1 for the first layer; 0 when the fault is not a layer's) and the field.
struct WallCheck {
    WallFault fault = WallFault::None;
    int layer = 0;
    WallField field = WallField::None;

    bool Passed() const { return fault == WallFault::None; }
    int Code() const { return static_cast<int>(fault); }
    // The French message of the fault; empty when the wall passed.
    std::string Message() const;

    friend bool operator==(const WallCheck&, const WallCheck&) = default;
};

// Whether the calculation can be made on the wall, the one check that every command and window
// applies before the network is built: at least one layer; every layer with a material, a
// thickness and a conductivity that read as finite numbers above 0, a density and a heat
// capacity that are not negative (unreadable counts as 0) and cells whose conductance stays
// finite; no negative surface resistance. The first fault, layer by layer from the exterior face,
// then the surfaces.
WallCheck CheckWall(const NList<NMaterialLayer>& layers, const SurfaceTexts& surfaces);

// The message of a fault ("" for None).
const char* WallFaultMessage(WallFault fault);
// The fault an error code stands for, if it is a wall code.
std::optional<WallFault> WallFaultFromCode(int code);

} // namespace quelvan
