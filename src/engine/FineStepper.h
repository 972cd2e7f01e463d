#pragma once

#include "engine/FineMesh.h"
#include "engine/SiWall.h"
#include "engine/solver/TridiagonalFactor.h"

#include <span>
#include <vector>

namespace quelvan {

// The air temperature (°C) and the radiative flux density falling on the face (W/m²) on each
// side of the wall at one instant.
struct FineBoundary {
    double exteriorTemperature = 0.0;
    double exteriorFlux = 0.0;
    double interiorTemperature = 0.0;
    double interiorFlux = 0.0;

    friend bool operator==(const FineBoundary&, const FineBoundary&) = default;
};

// Exchange coefficients h (W/(m².K)) and absorption coefficients a of the two faces.
struct FineSurfaces {
    double exchangeExterior = 25.0;
    double exchangeInterior = 7.7;
    double absorptionExterior = 0.4;
    double absorptionInterior = 0.4;
};

enum class FineTimeScheme { CrankNicolson, ImplicitEuler };
enum class FineMassMatrix { Consistent, Lumped };

// The fine mode's choices; the defaults are those measured in docs/engine.md ("Fine mode").
struct FineSettings {
    FineMeshRule mesh;
    FineMassMatrix mass = FineMassMatrix::Consistent;
    FineTimeScheme scheme = FineTimeScheme::CrankNicolson;
    int subStepsPerHour = 6;
    // Crank–Nicolson only: the first sub-steps of every hour, this many, are each made as two
    // implicit Euler half-steps, which damp the stiff components that Crank–Nicolson would
    // leave oscillating. Every whole hour excites them: the boundary values change their slope
    // there (or jump, after a start). With dampEveryHour false only a start or a jump is damped
    // (the choice measured against in docs/engine.md).
    int startupSubSteps = 1;
    bool dampEveryHour = true;
};

// Heat of one hour in J/m², integrated over the sub-steps with the scheme's own weights, so that
// the change of StoredHeat over the hour equals Gain() to round-off. Signs as in the hourly
// series: the exterior surface flux leaves the wall, the interior one enters it.
struct FineHourEnergies {
    double exteriorSurface = 0.0; // ∫ h_ext (T_se − T_ext) dt
    double interiorSurface = 0.0; // ∫ h_int (T_int − T_si) dt
    double exteriorAbsorbed = 0.0; // ∫ a_ext F_ext dt
    double interiorAbsorbed = 0.0; // ∫ a_int F_int dt
    // The interior face's flux density q = h_int (T_int − T_si) + a_int F_int split by its sign
    // at every point of the quadrature: ∫ max(q, 0) dt, the heat the room gives the wall, and
    // ∫ max(−q, 0) dt, the heat it takes back. Their difference is interiorSurface +
    // interiorAbsorbed.
    double interiorLoss = 0.0;
    double interiorGain = 0.0;

    // Net heat that entered the wall.
    double Gain() const
    {
        return interiorSurface - exteriorSurface + exteriorAbsorbed + interiorAbsorbed;
    }
};

// Convective surface flux densities at one instant, W/m², signs as FineHourEnergies.
struct FineSurfaceFluxes {
    double exterior = 0.0; // h_ext (T_se − T_ext)
    double interior = 0.0; // h_int (T_int − T_si)
};

// The fine mode's time integration: the wall on a FineMesh, linear finite elements, several
// sub-steps per hour, every sub-step solved directly (Thomas algorithm, double precision) with
// factors made once. Between two whole hours the boundary values are interpolated linearly.
// AdvanceHour allocates nothing.
class FineStepper {
public:
    // Layers from the exterior face (thickness in m, λ, ρ, c in SI), computable as for
    // ComputeDynamicCharacteristics; h > 0 on both faces. All nodes start at 0 °C.
    FineStepper(const std::vector<SiLayer>& layers, const FineSurfaces& surfaces,
        const FineSettings& settings = {});

    // Whether the matrices could be factored (false only for inputs outside the above).
    bool IsUsable() const { return usable_; }

    // The steady state under constant boundary values (no storage term).
    void SolveSteadyState(const FineBoundary& boundary);
    // Starts from temperatures given at positions (m from the exterior face, increasing), for
    // example those of another mesh: each node takes the linear interpolation, the end values
    // beyond the given span.
    void StartFrom(std::span<const double> positions, std::span<const double> temperatures);
    // One hour from the values at its start to those at its end, linear in between.
    FineHourEnergies AdvanceHour(const FineBoundary& atStart, const FineBoundary& atEnd);

    const FineMesh& Mesh() const { return mesh_; }
    const FineSurfaces& Surfaces() const { return surfaces_; }
    const FineSettings& Settings() const { return settings_; }
    // Node temperatures, °C, node 0 on the exterior face.
    const std::vector<double>& Temperatures() const { return temperature_; }
    double ExteriorSurfaceTemperature() const { return temperature_.front(); }
    double InteriorSurfaceTemperature() const { return temperature_.back(); }
    FineSurfaceFluxes SurfaceFluxes(const FineBoundary& boundary) const;
    // Node flux densities positive toward the interior, W/m², as the hourly method shows them:
    // the mean of the conduction fluxes of the two cells around a node, the total surface flux
    // standing for the missing cell at a face. out takes NodeCount entries.
    void NodeFluxDensities(const FineBoundary& boundary, std::vector<double>& out) const;
    // Heat held by the wall, ∫ ρ c T dx over the linear temperature field, J/m² (0 at 0 °C).
    double StoredHeat() const;

private:
    // One step T_old → T_new over weights (seconds) on the old and new states:
    // (M + wNew K) T_new = (M − wOld K) T_old + wOld b_old + wNew b_new.
    void Step(const solver::TridiagonalFactor& lhs, const solver::Tridiagonal& rhs, double wOld,
        double wNew, const FineBoundary& oldValues, const FineBoundary& newValues,
        FineHourEnergies& energy);
    void Accumulate(double weight, const FineBoundary& b, FineHourEnergies& energy) const;

    FineMesh mesh_;
    FineSurfaces surfaces_;
    FineSettings settings_;
    solver::Tridiagonal conduction_; // K: conductances and surface exchanges
    solver::Tridiagonal storage_; // M
    solver::Tridiagonal explicitPart_; // M − (Δt/2) K (Crank–Nicolson) or M (implicit Euler)
    solver::TridiagonalFactor implicitPart_; // M + (Δt/2) K (Crank–Nicolson) or M + Δt K
    solver::TridiagonalFactor steady_; // K
    std::vector<double> temperature_;
    std::vector<double> work_;
    FineBoundary lastEnd_;
    bool continuous_ = false; // lastEnd_ holds the end of the previous hour since the start
    bool usable_ = false;
};

} // namespace quelvan
