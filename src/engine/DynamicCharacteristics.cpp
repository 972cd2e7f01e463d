#include "engine/DynamicCharacteristics.h"

#include "core/Units.h"
#include "engine/TransferMatrix.h"

#include <cmath>
#include <complex>
#include <numbers>

namespace quelvan {

namespace {

bool Finite(double x)
{
    return std::isfinite(x);
}

bool Computable(const SiWall& wall, double periodHours)
{
    if (wall.layers.empty() || !(periodHours > 0.0) || !Finite(periodHours))
        return false;
    if (!(wall.resistanceExterior >= 0.0) || !(wall.resistanceInterior >= 0.0)
        || !Finite(wall.resistanceExterior) || !Finite(wall.resistanceInterior))
        return false;
    for (const SiLayer& l : wall.layers) {
        if (!(l.thickness > 0.0) || !(l.conductivity > 0.0) || !(l.density >= 0.0)
            || !(l.heatCapacity >= 0.0))
            return false;
        if (!Finite(l.thickness) || !Finite(l.conductivity) || !Finite(l.density)
            || !Finite(l.heatCapacity))
            return false;
    }
    return true;
}

// A phase (radians) as a time in hours wrapped into [0, P).
double PhaseToHours(double phase, double periodHours)
{
    double hours = std::fmod(phase * periodHours / (2 * std::numbers::pi), periodHours);
    if (hours < 0.0)
        hours += periodHours;
    return hours >= periodHours ? 0.0 : hours;
}

bool AllFinite(const DynamicCharacteristics& v)
{
    for (double x : { v.u, v.y12, v.decrement, v.shiftHours, v.admittanceInterior,
             v.admittanceExterior, v.admittanceShiftInteriorHours, v.admittanceShiftExteriorHours,
             v.kappaInterior, v.kappaExterior, v.heatCapacity })
        if (!Finite(x))
            return false;
    return true;
}

} // namespace

std::optional<DynamicCharacteristics> ComputeDynamicCharacteristics(
    const SiWall& wall, double periodHours)
{
    if (!Computable(wall, periodHours))
        return std::nullopt;
    const double omega = 2 * std::numbers::pi / (periodHours * units::kSecondsPerHour);

    // Z = S_si L_n … L_1 S_se, built from the exterior air inward.
    TransferMatrix z = SurfaceMatrix(wall.resistanceExterior);
    double resistance = wall.resistanceExterior + wall.resistanceInterior;
    double capacity = 0.0;
    for (const SiLayer& l : wall.layers) {
        const double rhoC = l.density * l.heatCapacity;
        z = LayerMatrix(l.thickness, l.conductivity, rhoC, omega) * z;
        resistance += l.thickness / l.conductivity;
        capacity += rhoC * l.thickness;
    }
    z = SurfaceMatrix(wall.resistanceInterior) * z;

    // Z = s z with s = e^L 2^E: the scale cancels in the admittances and leaves 1/s elsewhere
    // (it may underflow to 0 for a very thick wall, which is the limit sought).
    const double unscale = std::ldexp(std::exp(-z.logScale), -z.exponent);
    DynamicCharacteristics v;
    v.periodHours = periodHours;
    v.u = 1.0 / resistance;
    v.y12 = unscale / std::abs(z.z12);
    v.decrement = v.y12 / v.u;
    v.shiftHours = PhaseToHours(-std::arg(-1.0 / z.z12), periodHours);
    const std::complex<double> yInt = -z.z22 / z.z12;
    const std::complex<double> yExt = -z.z11 / z.z12;
    v.admittanceInterior = std::abs(yInt);
    v.admittanceExterior = std::abs(yExt);
    v.admittanceShiftInteriorHours = PhaseToHours(std::arg(yInt), periodHours);
    v.admittanceShiftExteriorHours = PhaseToHours(std::arg(yExt), periodHours);
    v.kappaInterior = std::abs((z.z22 - unscale) / z.z12) / omega / 1000.0;
    v.kappaExterior = std::abs((z.z11 - unscale) / z.z12) / omega / 1000.0;
    v.heatCapacity = capacity / 1000.0;
    if (!AllFinite(v))
        return std::nullopt;
    return v;
}

PeriodicResponse ComputePeriodicResponse(
    const DynamicCharacteristics& values, int points, double exteriorAmplitude)
{
    PeriodicResponse response;
    if (points < 1)
        return response;
    const double p = values.periodHours;
    for (int k = 0; k <= points; ++k) {
        const double t = p * k / points;
        response.hours.push_back(t);
        response.exteriorTemperature.push_back(
            exteriorAmplitude * std::cos(2 * std::numbers::pi * t / p));
        response.interiorFlux.push_back(exteriorAmplitude * values.y12
            * std::cos(2 * std::numbers::pi * (t - values.shiftHours) / p));
    }
    return response;
}

} // namespace quelvan
