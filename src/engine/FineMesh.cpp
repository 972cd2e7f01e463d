#include "engine/FineMesh.h"

#include "core/Units.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace quelvan {

double FineMesh::PenetrationDepth(const SiLayer& layer, double periodHours)
{
    const double rhoC = layer.density * layer.heatCapacity;
    if (!(rhoC > 0.0))
        return std::numeric_limits<double>::infinity();
    return std::sqrt(
        layer.conductivity * periodHours * units::kSecondsPerHour / (std::numbers::pi * rhoC));
}

FineMesh::FineMesh(const std::vector<SiLayer>& layers, const FineMeshRule& rule)
{
    positions_.push_back(0.0);
    const int minimum = std::max(rule.minimumCellsPerLayer, 1);
    const int maximum = std::max(rule.maximumCellsPerLayer, minimum);
    for (const SiLayer& layer : layers) {
        const double widest
            = PenetrationDepth(layer, rule.periodHours) / rule.cellsPerPenetrationDepth;
        const double needed = std::ceil(layer.thickness / widest); // 0 without capacity
        int cells = minimum;
        if (!(needed < maximum)) // also a count that is not a number
            cells = maximum;
        else if (needed > minimum)
            cells = static_cast<int>(needed);
        cellsPerLayer_.push_back(cells);
        const double dx = layer.thickness / cells;
        const double start = positions_.back();
        for (int j = 0; j < cells; ++j) {
            conductances_.push_back(layer.conductivity / dx);
            capacities_.push_back(layer.density * layer.heatCapacity * dx);
            // Positions from the layer's start so that the interfaces carry no rounding drift.
            positions_.push_back(j + 1 == cells ? start + layer.thickness : start + (j + 1) * dx);
        }
    }
}

void InterpolateProfile(std::span<const double> positions, std::span<const double> values,
    std::span<const double> at, std::span<double> out)
{
    const std::size_t given = std::min(positions.size(), values.size());
    if (given == 0)
        return;
    std::size_t k = 0; // positions[k] <= at[i] < positions[k + 1] while inside the span
    for (std::size_t i = 0; i < std::min(at.size(), out.size()); ++i) {
        while (k + 1 < given && positions[k + 1] <= at[i])
            ++k;
        if (at[i] <= positions[0]) {
            out[i] = values[0];
        } else if (k + 1 >= given) {
            out[i] = values[given - 1];
        } else {
            const double s = (at[i] - positions[k]) / (positions[k + 1] - positions[k]);
            out[i] = values[k] + (values[k + 1] - values[k]) * s;
        }
    }
}

} // namespace quelvan
