#pragma once

// Water vapour in air for the monthly method: its constants, the saturation pressure (the one
// of core/WaterVapour.h, named here too) and the interior vapour pressure from the humidity of
// the room.
#include "core/WaterVapour.h"

namespace quelvan::moisture {

using quelvan::SaturationPressure;
using quelvan::SaturationTemperature;

// Vapour permeability of still air, kg/(m·s·Pa), and the gas constant of water vapour, J/(kg·K).
inline constexpr double kAirPermeability = 2e-10;
inline constexpr double kVapourGasConstant = 462.0;
// Safety factor on the vapour excess of a humidity class.
inline constexpr double kClassSafetyFactor = 1.10;
// Relative humidity at the inner surface above which mould may grow, and the surface
// resistance of the mould check (m²·K/W).
inline constexpr double kMouldCriticalHumidity = 0.80;
inline constexpr double kMouldSurfaceResistance = 0.25;

// Vapour excess Δν in g/m³ of humidity class 1 to 5 at a monthly exterior temperature: 2, 4,
// 6, 8 or 10 g/m³ at or below 0 °C, falling linearly to 0 at 20 °C and above.
double ClassVapourExcess(int humidityClass, double exteriorC);

// Vapour pressure difference in Pa that an excess Δν (g/m³) makes at the mean of the interior
// and exterior temperatures, taken in kelvin: Δp = Δν·R_v·T̄.
double VapourPressureExcess(double excessGPerM3, double interiorC, double exteriorC);

} // namespace quelvan::moisture
