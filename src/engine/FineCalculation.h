#pragma once

#include "engine/FineStepper.h"
#include "engine/RunView.h"

#include <span>
#include <vector>

namespace quelvan {

// The fine mode inside a calculation: the FineStepper of the project's wall and the boundary
// values at the last whole hour, from which the next hour starts. It takes and gives the single
// precision values a calculation shows and keeps its own state in double precision.
class FineCalculation {
public:
    // The wall must be computable (it passed the wall check); the surface coefficients are the
    // calculation's own.
    FineCalculation(const SiWall& wall, const SurfaceCoefficients& surfaces);

    bool IsUsable() const { return stepper_.IsUsable(); }
    // Node positions from the exterior face, m.
    std::vector<float> Positions() const;

    // The steady state under the values, which are then the start of the next hour.
    void SolveSteadyState(const CurrentValues& values);
    // Starts from another calculation's temperatures (positions in m, increasing), interpolated
    // at the nodes; the next hour starts from the given values.
    void StartFrom(std::span<const float> positions, std::span<const float> temperatures,
        const CurrentValues& startValues);
    // One hour from the last whole hour's values to these, which become the next start; gives
    // the heat of the hour integrated over the sub-steps.
    FineHourEnergies AdvanceHour(const CurrentValues& values);

    // Node temperatures (°C) and node flux densities (W/m², positive toward the interior, as the
    // standard method shows them) at the current whole hour, one entry per node.
    void CopyTemperatures(std::vector<float>& out) const;
    // The convective surface flux densities at the current whole hour, formed in double
    // precision from the stepper's own temperatures (signs as FineSurfaceFluxes).
    FineSurfaceFluxes SurfaceFluxes(const CurrentValues& values) const;
    void NodeFluxDensities(const CurrentValues& values, std::vector<float>& out) const;

private:
    FineStepper stepper_;
    FineBoundary start_; // the values at the last whole hour
    mutable std::vector<double> work_;
};

} // namespace quelvan
