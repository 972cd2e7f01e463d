#include "engine/FineStepper.h"

#include "core/Units.h"

#include <algorithm>
#include <cmath>

namespace quelvan {

using solver::Tridiagonal;
using solver::TridiagonalFactor;

namespace {

constexpr double kHour = units::kSecondsPerHour;

FineBoundary Interpolate(const FineBoundary& a, const FineBoundary& b, double s)
{
    auto mix = [s](double x, double y) { return x + (y - x) * s; };
    return { mix(a.exteriorTemperature, b.exteriorTemperature), mix(a.exteriorFlux, b.exteriorFlux),
        mix(a.interiorTemperature, b.interiorTemperature), mix(a.interiorFlux, b.interiorFlux) };
}

// a + factor × b, diagonal by diagonal.
Tridiagonal Combine(const Tridiagonal& a, double factor, const Tridiagonal& b)
{
    Tridiagonal sum(a.Size());
    for (std::size_t i = 0; i < a.Size(); ++i) {
        sum.lower[i] = a.lower[i] + factor * b.lower[i];
        sum.diag[i] = a.diag[i] + factor * b.diag[i];
        sum.upper[i] = a.upper[i] + factor * b.upper[i];
    }
    return sum;
}

} // namespace

FineStepper::FineStepper(
    const std::vector<SiLayer>& layers, const FineSurfaces& surfaces, const FineSettings& settings)
    : mesh_(layers, settings.mesh)
    , surfaces_(surfaces)
    , settings_(settings)
{
    settings_.subStepsPerHour = std::max(settings_.subStepsPerHour, 1);
    settings_.startupSubSteps = std::max(settings_.startupSubSteps, 0);
    const auto n = static_cast<std::size_t>(mesh_.NodeCount());
    conduction_ = Tridiagonal(n);
    storage_ = Tridiagonal(n);
    const bool lumped = settings_.mass == FineMassMatrix::Lumped;
    for (std::size_t j = 0; j + 1 < n; ++j) {
        const double k = mesh_.Conductances()[j];
        conduction_.diag[j] += k;
        conduction_.diag[j + 1] += k;
        conduction_.upper[j] = -k;
        conduction_.lower[j + 1] = -k;
        // Linear elements: consistent mass C/3, C/6, or the cell's capacity halved onto its nodes.
        const double c = mesh_.Capacities()[j];
        storage_.diag[j] += lumped ? c / 2 : c / 3;
        storage_.diag[j + 1] += lumped ? c / 2 : c / 3;
        storage_.upper[j] = lumped ? 0.0 : c / 6;
        storage_.lower[j + 1] = lumped ? 0.0 : c / 6;
    }
    conduction_.diag.front() += surfaces_.exchangeExterior;
    conduction_.diag.back() += surfaces_.exchangeInterior;

    const double dt = kHour / settings_.subStepsPerHour;
    const bool crankNicolson = settings_.scheme == FineTimeScheme::CrankNicolson;
    const double implicitWeight = crankNicolson ? dt / 2 : dt;
    explicitPart_ = crankNicolson ? Combine(storage_, -dt / 2, conduction_) : storage_;
    usable_ = implicitPart_.Factor(Combine(storage_, implicitWeight, conduction_))
        && steady_.Factor(conduction_);
    temperature_.assign(n, 0.0);
    work_.assign(n, 0.0);
}

void FineStepper::SolveSteadyState(const FineBoundary& boundary)
{
    if (!usable_)
        return;
    std::fill(temperature_.begin(), temperature_.end(), 0.0);
    const FineSurfaces& s = surfaces_;
    temperature_.front() += s.exchangeExterior * boundary.exteriorTemperature
        + s.absorptionExterior * boundary.exteriorFlux;
    temperature_.back() += s.exchangeInterior * boundary.interiorTemperature
        + s.absorptionInterior * boundary.interiorFlux;
    steady_.Solve(temperature_);
    continuous_ = false;
}

void FineStepper::StartFrom(std::span<const double> positions, std::span<const double> temperatures)
{
    InterpolateProfile(positions, temperatures, mesh_.Positions(), temperature_);
    continuous_ = false;
}

FineHourEnergies FineStepper::AdvanceHour(const FineBoundary& atStart, const FineBoundary& atEnd)
{
    FineHourEnergies energy;
    if (!usable_)
        return energy;
    // A start, a jump of the boundary values, or a change of their slope at the whole hour
    // excites the stiff components (a very light face cell, or a surface resistance near 0).
    const bool smooth = continuous_ && atStart == lastEnd_ && !settings_.dampEveryHour;
    int startup = smooth ? 0 : settings_.startupSubSteps;
    const int steps = settings_.subStepsPerHour;
    const double dt = kHour / steps;
    FineBoundary from = atStart;
    for (int k = 1; k <= steps; ++k) {
        const FineBoundary to = k == steps ? atEnd : Interpolate(atStart, atEnd, double(k) / steps);
        if (settings_.scheme == FineTimeScheme::ImplicitEuler) {
            Step(implicitPart_, explicitPart_, 0.0, dt, from, to, energy);
        } else if (startup > 0) {
            const FineBoundary middle = Interpolate(from, to, 0.5);
            Step(implicitPart_, storage_, 0.0, dt / 2, from, middle, energy);
            Step(implicitPart_, storage_, 0.0, dt / 2, middle, to, energy);
            --startup;
        } else {
            Step(implicitPart_, explicitPart_, dt / 2, dt / 2, from, to, energy);
        }
        from = to;
    }
    lastEnd_ = atEnd;
    continuous_ = true;
    return energy;
}

void FineStepper::Step(const TridiagonalFactor& lhs, const Tridiagonal& rhs, double wOld,
    double wNew, const FineBoundary& oldValues, const FineBoundary& newValues,
    FineHourEnergies& energy)
{
    const FineSurfaces& s = surfaces_;
    auto exteriorLoad = [&s](const FineBoundary& b) {
        return s.exchangeExterior * b.exteriorTemperature + s.absorptionExterior * b.exteriorFlux;
    };
    auto interiorLoad = [&s](const FineBoundary& b) {
        return s.exchangeInterior * b.interiorTemperature + s.absorptionInterior * b.interiorFlux;
    };
    if (wOld != 0.0)
        Accumulate(wOld, oldValues, energy);
    rhs.Multiply(temperature_, work_);
    work_.front() += wOld * exteriorLoad(oldValues) + wNew * exteriorLoad(newValues);
    work_.back() += wOld * interiorLoad(oldValues) + wNew * interiorLoad(newValues);
    lhs.Solve(work_);
    temperature_.swap(work_);
    Accumulate(wNew, newValues, energy);
}

void FineStepper::Accumulate(double weight, const FineBoundary& b, FineHourEnergies& energy) const
{
    const FineSurfaceFluxes q = SurfaceFluxes(b);
    energy.exteriorSurface += weight * q.exterior;
    energy.interiorSurface += weight * q.interior;
    energy.exteriorAbsorbed += weight * surfaces_.absorptionExterior * b.exteriorFlux;
    const double absorbed = surfaces_.absorptionInterior * b.interiorFlux;
    energy.interiorAbsorbed += weight * absorbed;
    const double room = q.interior + absorbed;
    (room >= 0.0 ? energy.interiorLoss : energy.interiorGain) += weight * std::fabs(room);
}

FineSurfaceFluxes FineStepper::SurfaceFluxes(const FineBoundary& b) const
{
    return { surfaces_.exchangeExterior * (temperature_.front() - b.exteriorTemperature),
        surfaces_.exchangeInterior * (b.interiorTemperature - temperature_.back()) };
}

void FineStepper::NodeFluxDensities(const FineBoundary& b, std::vector<double>& out) const
{
    const std::size_t n = temperature_.size();
    const std::vector<double>& t = temperature_;
    const std::vector<double>& k = mesh_.Conductances();
    out.assign(n, 0.0);
    const FineSurfaceFluxes q = SurfaceFluxes(b);
    // Each cell's conduction flux toward the interior, added half to each of its nodes.
    for (std::size_t j = 0; j + 1 < n; ++j) {
        const double flow = k[j] * (t[j] - t[j + 1]) / 2;
        out[j] += flow;
        out[j + 1] += flow;
    }
    out.front() += (-q.exterior + surfaces_.absorptionExterior * b.exteriorFlux) / 2;
    out.back() -= (q.interior + surfaces_.absorptionInterior * b.interiorFlux) / 2;
}

double FineStepper::StoredHeat() const
{
    double heat = 0.0;
    const std::vector<double>& c = mesh_.Capacities();
    for (std::size_t j = 0; j < c.size(); ++j)
        heat += c[j] * (temperature_[j] + temperature_[j + 1]) / 2;
    return heat;
}

} // namespace quelvan
