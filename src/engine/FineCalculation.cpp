#include "engine/FineCalculation.h"

#include <algorithm>

namespace quelvan {

namespace {

FineBoundary BoundaryOf(const CurrentValues& v)
{
    return { v.exteriorTemperature, v.exteriorFlux, v.interiorTemperature, v.interiorFlux };
}

FineSurfaces SurfacesOf(const SurfaceCoefficients& s)
{
    return { s.exchangeExterior, s.exchangeInterior, s.absorptionExterior, s.absorptionInterior };
}

void CopyAsFloat(const std::vector<double>& from, std::vector<float>& to)
{
    to.resize(from.size());
    std::transform(
        from.begin(), from.end(), to.begin(), [](double v) { return static_cast<float>(v); });
}

} // namespace

FineCalculation::FineCalculation(const SiWall& wall, const SurfaceCoefficients& surfaces)
    : stepper_(wall.layers, SurfacesOf(surfaces))
{
}

std::vector<float> FineCalculation::Positions() const
{
    std::vector<float> x;
    CopyAsFloat(stepper_.Mesh().Positions(), x);
    return x;
}

void FineCalculation::SolveSteadyState(const CurrentValues& values)
{
    start_ = BoundaryOf(values);
    stepper_.SolveSteadyState(start_);
}

void FineCalculation::StartFrom(std::span<const float> positions,
    std::span<const float> temperatures, const CurrentValues& startValues)
{
    const std::vector<double> x(positions.begin(), positions.end());
    const std::vector<double> t(temperatures.begin(), temperatures.end());
    stepper_.StartFrom(x, t);
    start_ = BoundaryOf(startValues);
}

FineHourEnergies FineCalculation::AdvanceHour(const CurrentValues& values)
{
    const FineBoundary end = BoundaryOf(values);
    const FineHourEnergies energies = stepper_.AdvanceHour(start_, end);
    start_ = end;
    return energies;
}

void FineCalculation::CopyTemperatures(std::vector<float>& out) const
{
    CopyAsFloat(stepper_.Temperatures(), out);
}

FineSurfaceFluxes FineCalculation::SurfaceFluxes(const CurrentValues& values) const
{
    return stepper_.SurfaceFluxes(BoundaryOf(values));
}

void FineCalculation::NodeFluxDensities(const CurrentValues& values, std::vector<float>& out) const
{
    stepper_.NodeFluxDensities(BoundaryOf(values), work_);
    CopyAsFloat(work_, out);
}

} // namespace quelvan
