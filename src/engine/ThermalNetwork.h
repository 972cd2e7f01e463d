#pragma once

#include "core/NList.h"
#include "engine/NFloatArray.h"
#include "engine/NSparseMatrix.h"

#include <string>
#include <vector>

namespace quelvan {

class NMaterialLayer;

// Codes of a wall the engine refuses (numbering shared with EngineState.h).
inline constexpr int kWallOk = 0;
inline constexpr int kWallNoLayer = 24001;
inline constexpr int kWallLayerWithoutMaterial = 24002;
inline constexpr int kWallBadThickness = 24003;
inline constexpr int kWallBadConductivity = 24004;
inline constexpr int kWallBadDensityOrCapacity = 24005;
inline constexpr int kWallBadSurfaceResistance = 24006;

// The four surface numbers of the form, as typed.
struct SurfaceTexts {
    std::string absorptionExterior = "0.4";
    std::string resistanceExterior = "0.04";
    std::string absorptionInterior = "0.4";
    std::string resistanceInterior = "0.13";
};

// The finite-element network of a wall: five equal cells per layer from the exterior face
// (node 0) to the interior face (node N-1), one conductance and one capacity per cell, and the
// consistent mass matrix of linear elements. Capacities are in Wh/(m².K) so that one step of
// the implicit scheme A T(new) = M T(old) + b is one hour.
class ThermalNetwork {
public:
    static constexpr int kCellsPerLayer = 5;

    // Whether the engine can compute the wall: at least one layer, every layer with a
    // material, a readable positive thickness and conductivity, no negative density or heat
    // capacity, no negative surface resistance. kWallOk or the first fault's code.
    static int CheckWall(const NList<NMaterialLayer>& layers, const SurfaceTexts& surfaces);

    // Cell widths, conductances and capacities, surface coefficients, thickness, U-value and
    // node positions. The wall must have passed CheckWall.
    void Build(const NList<NMaterialLayer>& layers, const SurfaceTexts& surfaces);
    // Storage matrix M and steady matrix G (conductances and surface exchanges), finalised.
    void AssembleStorageAndSteady(NSparseMatrix& m, NSparseMatrix& g) const;
    // Adds the storage terms to the steady matrix in place: the same object then holds A = G + M.
    void AddStorage(NSparseMatrix& g) const;

    int NodeCount() const { return nodeCount_; }
    const NFloatArray& CellWidths() const { return dx_; } // metres, N-1 entries
    const NFloatArray& Conductances() const { return k_; } // W/(m².K)
    const NFloatArray& Capacities() const { return c_; } // Wh/(m².K)
    const std::vector<float>& Positions() const { return x_; } // N entries, metres
    float TotalThickness() const { return thickness_; } // metres
    float UValue() const { return u_; }
    float ExchangeExterior() const { return hExt_; }
    float ExchangeInterior() const { return hInt_; }
    float AbsorptionExterior() const { return aExt_; }
    float AbsorptionInterior() const { return aInt_; }

private:
    int nodeCount_ = 0;
    NFloatArray dx_;
    NFloatArray k_;
    NFloatArray c_;
    std::vector<float> x_;
    float thickness_ = 0.0f;
    float u_ = 0.0f;
    float hExt_ = 0.0f;
    float hInt_ = 0.0f;
    float aExt_ = 0.0f;
    float aInt_ = 0.0f;
};

// The message of a wall code (empty for kWallOk).
const char* WallErrorMessage(int code);

} // namespace quelvan
