#pragma once

#include "engine/SiWall.h"

#include <optional>
#include <vector>

namespace quelvan {

// The daily regime: the period of interest of a wall's dynamic characteristics, and the one the
// fine mode cuts its cells for.
inline constexpr double kDailyPeriodHours = 24.0;

// The dynamic thermal characteristics of a wall under a sinusoidal regime of period P, from
// the air-to-air transfer matrix Z = S_si L_n … L_1 S_se (TransferMatrix.h: it maps exterior
// amplitudes to interior ones, fluxes counted positive toward the interior, ω = 2π / P).
// Every time shift is in hours in [0, P).
struct DynamicCharacteristics {
    double periodHours = kDailyPeriodHours; // P
    // U = 1 / (R_se + Σ d/λ + R_si), W/(m².K).
    double u = 0.0;
    // Periodic thermal transmittance |Y12|, Y12 = −1 / Z12, W/(m².K): the heat-flux density
    // entering the room through the interior surface per kelvin of exterior air amplitude,
    // the interior air being constant.
    double y12 = 0.0;
    // Decrement factor f = |Y12| / U (1 for a wall without capacity, toward 0 for heavy walls).
    double decrement = 0.0;
    // Time shift of Y12 = −arg(Y12) P / 2π: how long the peak of the heat flux entering the
    // room comes after the peak of the exterior air temperature.
    double shiftHours = 0.0;
    // Surface admittances: the heat-flux density entering the wall through a face per kelvin
    // of that side's air amplitude, the other side's air being constant.
    // Interior Y_ii = −Z22 / Z12, exterior Y_ee = −Z11 / Z12; |Y| in W/(m².K).
    double admittanceInterior = 0.0;
    double admittanceExterior = 0.0;
    // arg(Y) P / 2π: how long the flux entering the face peaks before its air temperature.
    double admittanceShiftInteriorHours = 0.0;
    double admittanceShiftExteriorHours = 0.0;
    // Areal heat capacities, kJ/(m².K): the amplitude of the heat stored in the wall per
    // kelvin of one side's air amplitude, over ω, the other air constant:
    // κ_int = |(Z22 − 1) / Z12| / ω, κ_ext = |(Z11 − 1) / Z12| / ω.
    double kappaInterior = 0.0;
    double kappaExterior = 0.0;
    // Σ ρ c d over the layers, kJ/(m².K).
    double heatCapacity = 0.0;
};

// The characteristics for a period in hours, or none when the wall is not computable: no
// layer, a thickness or a conductivity not positive, a negative density, heat capacity or
// surface resistance, a period not positive, or anything not finite. Any thickness, however
// thin or thick, and layers without capacity give finite values.
std::optional<DynamicCharacteristics> ComputeDynamicCharacteristics(
    const SiWall& wall, double periodHours = kDailyPeriodHours);

// One period of the response to an exterior air temperature wave of the given amplitude (K)
// peaking at hour 0, the interior air constant: points + 1 samples at hours k P / points,
// k = 0 … points (the first and last coincide on the wave, so a curve closes the period).
struct PeriodicResponse {
    std::vector<double> hours;
    std::vector<double> exteriorTemperature; // A cos(2π t / P), K about the mean
    // Heat-flux density entering the room through the interior surface, W/m² about the mean:
    // A |Y12| cos(2π (t − shift) / P). (The hourly run's interior surface flux is counted the
    // other way, from the room into the wall.)
    std::vector<double> interiorFlux;
};
PeriodicResponse ComputePeriodicResponse(
    const DynamicCharacteristics& values, int points = 24, double exteriorAmplitude = 1.0);

} // namespace quelvan
