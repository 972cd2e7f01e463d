#pragma once

#include "core/ErrorCodes.h"
#include "core/NList.h"
#include "model/SurfaceTexts.h"

#include <string>

namespace quelvan {

class NMaterialLayer;

// The calculation cuts every layer into this many cells of equal width.
inline constexpr int kCellsPerLayer = 5;
// Width of one cell per millimetre of layer thickness, in metres: a fifth of a millimetre.
// 1 / 5000 rounded once to single precision is the float the cell widths have always used.
inline constexpr float kCellWidthPerMillimetre = 1.0f / (1000.0f * kCellsPerLayer);
static_assert(kCellWidthPerMillimetre == 0.0002f);
// The most layers a wall may have: as many as the layer list lets the user enter.
inline constexpr int kMaxLayerCount = 7;

// Why a wall cannot be computed.
enum class WallFault : int {
    None = 0,
    NoLayer = 24001,
    LayerWithoutMaterial = 24002,
    BadThickness = 24003,
    BadConductivity = 24004,
    BadDensityOrCapacity = 24005,
    BadSurfaceResistance = 24006,
    TooManyLayers = 24007,
    BadAbsorption = 24008,
    // A layer so thin for its conductivity that a cell's conductance leaves its bound.
    BadCellConductance = 24009,
};

template <> inline constexpr bool kIsErrorFamily<WallFault> = true;

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
    AbsorptionExterior,
    AbsorptionInterior,
};

// The verdict of the wall check: the first fault found, the layer it concerns (its number from
// the exterior face, 1 for the first layer; 0 when the fault is not a layer's), the field and
// the French message that says all three ("Couche 2 (Laine de verre) : conductivité « 1e15 »
// hors limites (de 0,001 à 1000 W/m.K) : calcul impossible"); empty when the wall passed.
struct WallCheck {
    WallFault fault = WallFault::None;
    int layer = 0;
    WallField field = WallField::None;
    std::string message;

    bool Passed() const { return fault == WallFault::None; }
    const std::string& Message() const { return message; }

    friend bool operator==(const WallCheck&, const WallCheck&) = default;
};

// Whether the calculation can be made on the wall, the one check that every command and window
// applies before the network is built: one to kMaxLayerCount layers; every layer with a
// material, its thickness, conductivity, density and heat capacity numbers within their
// physical bounds (core/PhysicalBounds.h) and cells whose conductance stays within its bound;
// surface resistances within theirs and absorption coefficients that read as numbers (their
// bounds matter only where a flux falls on the face: see CheckCalculation). The first fault,
// layer by layer from the exterior face, then the surfaces.
WallCheck CheckWall(const NList<NMaterialLayer>& layers, const SurfaceTexts& surfaces);

} // namespace quelvan
