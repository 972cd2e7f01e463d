#pragma once

// The physical bounds of every number a calculation reads: wall, surfaces, ambiances and
// weather files. Each accepts every real building material, climate and test condition with a
// margin, and refuses what has no physical meaning or what single-precision arithmetic cannot
// resolve. docs/reliability.md gives the reason of each.
#include <cstdint>
#include <string>
#include <string_view>

namespace quelvan {

// A closed range and how messages state it ("de -100 à 150 °C").
struct Bounds {
    double low = 0.0;
    double high = 0.0;
    std::string_view text;

    // False for NaN.
    constexpr bool Contains(double v) const { return v >= low && v <= high; }
};

namespace bounds {
// Wall.
inline constexpr Bounds kThickness { 0.001, 10000.0, "de 0,001 à 10000 mm" };
inline constexpr Bounds kConductivity { 0.001, 1000.0, "de 0,001 à 1000 W/m.K" };
// Conductance of one cell, λ over a fifth of the thickness, W/(m².K); its lowest value follows
// from the bounds of λ and of the thickness.
inline constexpr Bounds kCellConductance { 0.0, 1e9, "au plus 1e9 W/m².K" };
inline constexpr Bounds kDensity { 0.0, 25000.0, "de 0 à 25000 kg/m³" };
inline constexpr Bounds kCapacity { 0.0, 100000.0, "de 0 à 100000 J/kg.K" };
inline constexpr Bounds kSurfaceResistance { 0.0, 10.0, "de 0 à 10 m².K/W" };
inline constexpr Bounds kAbsorption { 0.0, 1.0, "de 0 à 1" };
// Ambiances. The air of a test may be a fire-resistance furnace (above 1100 °C after four hours).
inline constexpr Bounds kAirTemperature { -100.0, 1500.0, "de -100 à 1500 °C" };
inline constexpr Bounds kFluxDensity { -2000.0, 2000.0, "de -2000 à 2000 W/m²" };
inline constexpr Bounds kPercent { 0.0, 100.0, "de 0 à 100 %" };
inline constexpr Bounds kLatitude { -90.0, 90.0, "de -90 à 90 degrés" };
// Hours of a profile may lie before or after its period (a ramp that ends beyond the week).
inline constexpr Bounds kHour { -8760.0, 8760.0, "de -8760 à 8760 h" };
// The day of a computed sun; 0 starts the year as day 1 does.
inline constexpr Bounds kSolarDay { 0.0, 365.0, "de 0 à 365" };
// The period of a sinusoidal regime whose dynamic characteristics are asked: from six minutes to
// a year, any regime in between has a meaning for a wall.
inline constexpr Bounds kPeriodHours { 0.1, 8760.0, "de 0,1 à 8760 h" };
// The day a weather file is read from.
inline constexpr Bounds kDayOfYear { 1.0, 365.0, "de 1 à 365" };
// Weather files: the climates of the Earth, as the EPW importer keeps them.
inline constexpr Bounds kWeatherTemperature { -100.0, 150.0, "de -100 à 150 °C" };
inline constexpr Bounds kIrradiance { 0.0, 2000.0, "de 0 à 2000 W/m²" };
inline constexpr Bounds kSunAzimuth { -180.0, 180.0, "de -180 à 180 degrés" };
// The true solar altitude, negative while the sun is below the horizon, as many files write it.
inline constexpr Bounds kSunHeight { -90.0, 90.0, "de -90 à 90 degrés" };
} // namespace bounds

// What is wrong with a typed number.
enum class ValueFault : std::uint8_t {
    None,
    NotANumber, // empty, or not read by ParseFloat
    NotAWholeNumber, // a number where ParseInt reads whole numbers only ("12.5")
    OutOfBounds,
};

// A number read with ParseFloat; a whole number read with ParseInt.
ValueFault CheckNumber(std::string_view text, const Bounds& bounds);
ValueFault CheckWholeNumber(std::string_view text, const Bounds& bounds);

// "« 1e20 » hors limites (de -100 à 150 °C)", "« abc » n'est pas un nombre", "« 1.5 » n'est pas
// un nombre entier", "sans valeur" (empty).
std::string DescribeValueFault(std::string_view text, ValueFault fault, const Bounds& bounds);

} // namespace quelvan
