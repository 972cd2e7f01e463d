#pragma once

// The one home of every range a number is checked against: the physical bounds of what a
// calculation reads (wall, surfaces, ambiances, weather files, a regime's period), and what the
// form's fields accept while typed. Each physical bound accepts every real building material,
// climate and test condition with a margin, and refuses what has no physical meaning or what
// single-precision arithmetic cannot resolve. docs/reliability.md gives the reason of each.
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace quelvan {

// A closed range and the unit messages state it in.
struct Bounds {
    double low = 0.0;
    double high = 0.0;
    std::string_view unit; // empty for a ratio, a count or a day
    // Messages give only the upper bound (the lower one follows from other bounds).
    bool upperOnly = false;

    // False for NaN.
    constexpr bool Contains(double v) const { return v >= low && v <= high; }
    // How messages state the range, written from its numbers with a decimal comma:
    // "de -100 à 1500 °C", "de 0,001 à 10000 mm", "au plus 1e9 W/m².K", "de 0 à 1".
    std::string Text() const;
};

namespace bounds {
// Wall.
inline constexpr Bounds kThickness { 0.001, 10000.0, "mm" };
inline constexpr Bounds kConductivity { 0.001, 1000.0, "W/m.K" };
// Conductance of one cell, λ over a fifth of the thickness, W/(m².K); its lowest value follows
// from the bounds of λ and of the thickness.
inline constexpr Bounds kCellConductance { 0.0, 1e9, "W/m².K", true };
inline constexpr Bounds kDensity { 0.0, 25000.0, "kg/m³" };
inline constexpr Bounds kCapacity { 0.0, 100000.0, "J/kg.K" };
// Water-vapour resistance of a material: μ from still air (1) to vapour-tight (10⁷, the value
// the moisture check gives metal), s_d of a membrane from a tenth of a millimetre of air to far
// beyond any vapour barrier.
inline constexpr Bounds kVapourFactor { 1.0, 1e7, "" };
inline constexpr Bounds kEquivalentAirLayer { 1e-4, 1e5, "m" };
inline constexpr Bounds kSurfaceResistance { 0.0, 10.0, "m².K/W" };
inline constexpr Bounds kAbsorption { 0.0, 1.0, "" };
// Ambiances. The air of a test may be a fire-resistance furnace (above 1100 °C after four hours).
inline constexpr Bounds kAirTemperature { -100.0, 1500.0, "°C" };
inline constexpr Bounds kFluxDensity { -2000.0, 2000.0, "W/m²" };
inline constexpr Bounds kPercent { 0.0, 100.0, "%" };
inline constexpr Bounds kLatitude { -90.0, 90.0, "degrés" };
// Hours of a profile may lie before or after its period (a ramp that ends beyond the week).
inline constexpr Bounds kHour { -8760.0, 8760.0, "h" };
// The day of a computed sun; 0 starts the year as day 1 does.
inline constexpr Bounds kSolarDay { 0.0, 365.0, "" };
// The day a weather file is read from.
inline constexpr Bounds kDayOfYear { 1.0, 365.0, "" };
// Weather files: the climates of the Earth, as the EPW importer keeps them.
inline constexpr Bounds kWeatherTemperature { -100.0, 150.0, "°C" };
inline constexpr Bounds kIrradiance { 0.0, 2000.0, "W/m²" };
inline constexpr Bounds kSunAzimuth { -180.0, 180.0, "degrés" };
// The true solar altitude, negative while the sun is below the horizon, as many files write it.
inline constexpr Bounds kSunHeight { -90.0, 90.0, "degrés" };
// The period of a sinusoidal regime (the wall's dynamic characteristics), from six minutes to a
// year: a regime of any period in between has a meaning for a wall.
inline constexpr Bounds kPeriodHours { 0.1, 8760.0, "h" };
// What the form's numeric fields accept while they are typed (the edit kinds of
// IsValidEditText). The day field has always stopped at 358 while typed; the calculation then
// reads a day within kDayOfYear (weather) or kSolarDay (computed sun).
inline constexpr Bounds kUnitField = kAbsorption;
inline constexpr Bounds kPercentField = kPercent;
inline constexpr Bounds kLatitudeField = kLatitude;
inline constexpr Bounds kInclinationField { 0.0, 180.0, "degrés" };
inline constexpr Bounds kDayField { 1.0, 358.0, "" };
// Any number: what only has to read (an absorption where no flux falls).
inline constexpr Bounds kAnyNumber { -std::numeric_limits<double>::infinity(),
    std::numeric_limits<double>::infinity(), "" };
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
