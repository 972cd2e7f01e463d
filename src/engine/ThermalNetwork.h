#pragma once

#include "core/NList.h"
#include "engine/solver/NFloatArray.h"
#include "engine/solver/NSparseMatrix.h"
#include "model/SurfaceTexts.h"

#include <string>
#include <vector>

namespace quelvan {

class NMaterialLayer;

// The finite-element network of a wall: kCellsPerLayer equal cells per layer from the exterior face
// (node 0) to the interior face (node N-1), one conductance and one capacity per cell, and the
// consistent mass matrix of linear elements. Capacities are in Wh/(m².K) so that one step of
// the implicit scheme A T(new) = M T(old) + b is one hour.
class ThermalNetwork {
public:
    // Cell widths, conductances and capacities, surface coefficients, thickness, U-value and
    // node positions. The wall must have passed the wall check (model/WallCheck.h).
    void Build(const NList<NMaterialLayer>& layers, const SurfaceTexts& surfaces);
    // Storage matrix M and steady matrix G (conductances and surface exchanges), finalised.
    void AssembleStorageAndSteady(solver::NSparseMatrix& m, solver::NSparseMatrix& g) const;
    // Adds the storage terms to the steady matrix in place: the same object then holds A = G + M.
    void AddStorage(solver::NSparseMatrix& g) const;

    int NodeCount() const { return nodeCount_; }
    const solver::NFloatArray& CellWidths() const { return dx_; } // metres, N-1 entries
    const solver::NFloatArray& Conductances() const { return k_; } // W/(m².K)
    const solver::NFloatArray& Capacities() const { return c_; } // Wh/(m².K)
    const std::vector<float>& Positions() const { return x_; } // N entries, metres
    float TotalThickness() const { return thickness_; } // metres
    float UValue() const { return u_; }
    float ExchangeExterior() const { return hExt_; }
    float ExchangeInterior() const { return hInt_; }
    float AbsorptionExterior() const { return aExt_; }
    float AbsorptionInterior() const { return aInt_; }

private:
    int nodeCount_ = 0;
    solver::NFloatArray dx_;
    solver::NFloatArray k_;
    solver::NFloatArray c_;
    std::vector<float> x_;
    float thickness_ = 0.0f;
    float u_ = 0.0f;
    float hExt_ = 0.0f;
    float hInt_ = 0.0f;
    float aExt_ = 0.0f;
    float aInt_ = 0.0f;
};

} // namespace quelvan
