#pragma once

// The ranges the moisture check accepts for the interior it is given.
#include "core/PhysicalBounds.h"

namespace quelvan::moisture::bounds {

inline constexpr Bounds kInteriorHumidity { 1.0, 100.0, "%" };
inline constexpr Bounds kHumidityClass { 1.0, 5.0, "" };
inline constexpr Bounds kVapourExcess { 0.0, 30.0, "g/m³" };
// A material's vapour diffusion resistance factor (1 for air, 10⁷ for metal) and a film's or a
// membrane's equivalent air layer thickness.
inline constexpr Bounds kMu { 1.0, 1e7, "" };
inline constexpr Bounds kSd { 0.001, 100000.0, "m" };
inline constexpr Bounds kInteriorTemperature { -30.0, 60.0, "°C" };

} // namespace quelvan::moisture::bounds
