#pragma once

#include "core/Calendar.h"

#include <array>
#include <optional>
#include <span>

namespace quelvan::annual {

// What the wall did at one whole hour of the year, and the heat of the hour that ended there.
// Flux densities are those of the results file's FSI: the interior surface flux, absorbed
// interior flux included, positive from the room into the wall.
struct HourRecord {
    int hour = 0; // 1 to 8760, the end of the hour in hours from 1 January 0:00
    double exteriorTemperature = 0.0; // °C
    double solAirExterior = 0.0; // T_ext + a_ext F_ext / h_ext
    double exteriorSurfaceTemperature = 0.0;
    double interiorSurfaceTemperature = 0.0;
    double interiorTemperature = 0.0;
    double interiorFlux = 0.0; // FSI at the end of the hour, W/m²
    double loss = 0.0; // heat the room lost through the face during the hour, J/m², >= 0
    double gain = 0.0; // heat the room gained through it, J/m², >= 0
    // U × (T_sol-air,int − T_sol-air,ext) × 1 h, J/m², the sol-air temperatures taken as the
    // mean of the hour's two ends (the boundary values run straight between them).
    double steady = 0.0;
};

// The figures of a month or of the year.
struct BalanceFigures {
    double loss = 0.0; // kWh/m², heat lost by the room through the interior face
    double gain = 0.0; // kWh/m², heat gained by the room through it
    double net = 0.0; // loss - gain
    // U × Σ (T_sol-air,int − T_sol-air,ext) × 1 h over the hours: the net a U-value
    // calculation gives (T_sol-air = T + a F / h on each side).
    double steady = 0.0;
    double tsiMin = 0.0; // °C, interior surface temperature at the whole hours
    double tsiMax = 0.0;
    int hoursAbove26 = 0; // hours whose interior surface ends above 26 °C
    int hoursBelow17 = 0; // and below 17 °C
    // Lowest (T_si − T_e) / (T_i − T_e) over the hours with T_i − T_e >= 5 K; none without such
    // an hour.
    std::optional<double> frsiMin;
    double peakIn = 0.0; // W/m², largest flux density into the room (0 when it never enters)
    double peakOut = 0.0; // W/m², largest flux density out of the room (0 when none leaves)
};

struct BalanceTable {
    std::array<BalanceFigures, kMonthCount> months;
    BalanceFigures year;
};

inline constexpr double kOverheatingSurface = 26.0; // °C
inline constexpr double kColdSurface = 17.0; // °C
inline constexpr double kFrsiMinimumDifference = 5.0; // K

// The figures of the months and of the year from the 8760 hours (in any order: each hour counts
// in the month its `hour` falls in).
BalanceTable SumFigures(std::span<const HourRecord> hours);

// The heat of one hour through the interior face, J/m², both >= 0: what the room lost and what
// it gained; their difference is the hour's net.
struct HourHeat {
    double loss = 0.0;
    double gain = 0.0;
};
// An hour whose flux density runs straight from q0 to q1 (W/m²), as the standard method's
// trapezoids take it: split where the line crosses zero.
HourHeat StraightHourHeat(double q0, double q1);

} // namespace quelvan::annual
