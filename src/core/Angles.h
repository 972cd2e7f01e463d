#pragma once

#include <numbers>

namespace quelvan {

// Radians per degree.
inline constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

// An angle in degrees in radians, computed as degrees × π / 180 in that order (the profiles'
// results depend on that rounding).
constexpr double DegreesToRadians(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

} // namespace quelvan
