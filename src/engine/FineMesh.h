#pragma once

#include "engine/DynamicCharacteristics.h"
#include "engine/SiWall.h"

#include <span>
#include <vector>

namespace quelvan {

// How finely the fine mode cuts each layer: equal cells no wider than the layer's periodic
// penetration depth δ = √(λ P / (π ρ c)) divided by cellsPerPenetrationDepth, and at least
// minimumCellsPerLayer cells (a layer without capacity has no δ and takes the minimum).
struct FineMeshRule {
    double periodHours = kDailyPeriodHours; // P, the period of interest
    double cellsPerPenetrationDepth = 8.0;
    int minimumCellsPerLayer = 10;
    int maximumCellsPerLayer = 1000; // bounds the cost of absurdly thick layers
};

// The row of nodes across a wall for the fine mode, node 0 on the exterior face: linear
// elements, each cell with its conductance and its heat capacity, in SI units and double
// precision.
class FineMesh {
public:
    FineMesh() = default;
    // Cuts the layers (from the exterior face; thickness in m, λ, ρ, c in SI) by the rule.
    // The layers must be computable: thickness and λ positive and finite, ρ and c not negative.
    FineMesh(const std::vector<SiLayer>& layers, const FineMeshRule& rule = {});

    int NodeCount() const { return static_cast<int>(positions_.size()); }
    int CellCount() const { return static_cast<int>(conductances_.size()); }
    // Node positions from the exterior face, m (NodeCount entries).
    const std::vector<double>& Positions() const { return positions_; }
    // Cell conductances λ / dx, W/(m².K) (CellCount entries).
    const std::vector<double>& Conductances() const { return conductances_; }
    // Cell heat capacities ρ c dx, J/(m².K) (CellCount entries).
    const std::vector<double>& Capacities() const { return capacities_; }
    // Number of cells of each layer, in layer order.
    const std::vector<int>& CellsPerLayer() const { return cellsPerLayer_; }
    double TotalThickness() const { return positions_.empty() ? 0.0 : positions_.back(); }

    // The periodic penetration depth of a layer for a period in hours, m; infinity for a layer
    // without capacity.
    static double PenetrationDepth(const SiLayer& layer, double periodHours);

private:
    std::vector<double> positions_;
    std::vector<double> conductances_;
    std::vector<double> capacities_;
    std::vector<int> cellsPerLayer_;
};

// A temperature profile carried from one row of nodes to another: the values of the piecewise
// linear profile given at `positions` (increasing) taken at `at` (increasing, as many as `out`),
// the end values beyond the given span. `out` is left as it is when nothing is given.
void InterpolateProfile(std::span<const double> positions, std::span<const double> values,
    std::span<const double> at, std::span<double> out);

} // namespace quelvan
