#pragma once

#include "core/ErrorCodes.h"
#include "engine/CalculationMode.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

// The values of a calculation that the interface, the printed report and the command-line tool
// read: hourly series, node profiles, chart bounds, read-out texts.
namespace quelvan {

inline constexpr int kRunHours = 168; // steps of a full run
inline constexpr int kRecordedHours = 169; // hours 0..168 of an automatic run

// The eight hourly series, in the order the report and the curve window use.
enum class SeriesId : int {
    ExteriorTemperature = 0,
    ExteriorSurfaceTemperature,
    InteriorSurfaceTemperature,
    InteriorTemperature,
    ExteriorFlux,
    ExteriorSurfaceFlux,
    InteriorSurfaceFlux,
    InteriorFlux,
};
inline constexpr int kSeriesCount = 8;
// "Température extérieure", ..., "Flux intérieur".
const char* SeriesTitle(SeriesId id);

// The last field a clock text shows.
enum class ClockPrecision : int { Seconds = 1000, Minutes = 1001, Hours = 1002, Days = 1003 };

// Day:hour:minute:second text of a clock in seconds, down to the given precision. 3600 s gives
// "001:01:00:00:".
std::string FormatClockText(double seconds, ClockPrecision precision = ClockPrecision::Seconds);

// Texts of the main form's read-outs (RunView::Readouts).
struct ReadoutTexts {
    std::string clock; // "001:01:00:00:"
    std::string hour; // "Heure": hour of the day, no leading zero
    std::string day; // "Jour": last digit of the day number
    std::string interiorTemperature; // 3 significant digits
    std::string exteriorTemperature;
    std::string interiorFlux; // 2 significant digits
    std::string exteriorFlux;
    std::string interiorSurfaceFlux; // q_int_tot, "0" below 0.01 W/m²
    std::string exteriorSurfaceFlux; // q_ext_tot
    std::string interiorEnergy; // MJ/m², 2 significant digits
    std::string exteriorEnergy;
};

struct NodeProfiles;

// Vertical bounds of the in-wall profile chart. The flags tell whether the last refresh moved a
// bound, in which case the chart relabels that axis end (with the bound's FloatText).
struct ChartBounds {
    float upper = -10000000.0f;
    float lower = 10000000.0f;
    bool upperChanged = false;
    bool lowerChanged = false;

    // Widens the bounds to whole degrees around the nodes' envelopes; they never narrow.
    void Follow(const NodeProfiles& nodes);
};

// Node values across the wall, node 0 on the exterior face. Every vector has N entries.
struct NodeProfiles {
    std::vector<float> x; // positions in metres
    std::vector<float> T; // current temperatures (°C)
    std::vector<float> Tmin; // envelopes of the current day
    std::vector<float> Tmax;
    std::vector<float> Phi; // node heat-flux densities (W/m²)
};

// Boundary and surface values of the last step.
struct CurrentValues {
    float exteriorTemperature = 0.0f; // T_ext
    float exteriorFlux = 0.0f; // F_ext
    float interiorTemperature = 0.0f; // T_int
    float interiorFlux = 0.0f; // F_int
    float exteriorSurfaceTemperature = 0.0f; // T_se
    float interiorSurfaceTemperature = 0.0f; // T_si
    float exteriorTotalFlux = 0.0f; // q_ext_tot
    float interiorTotalFlux = 0.0f; // q_int_tot
};

// What the read-outs show, kept at the last refresh. Their texts are made only when asked for:
// a batch run refreshes every hour but never shows them.
struct ReadoutValues {
    bool refreshed = false; // false until the first refresh: the texts are then empty
    double clock = 0.0; // seconds
    CurrentValues current;
    float exteriorEnergy = 0.0f; // J/m²
    float interiorEnergy = 0.0f;
};

// Surface coefficients read from the form at the last preparation.
struct SurfaceCoefficients {
    float absorptionExterior = 0.0f;
    float absorptionInterior = 0.0f;
    float exchangeExterior = 0.0f; // h_ext, W/(m².K)
    float exchangeInterior = 0.0f; // h_int
};

// The live view of a calculation: the interface (read-outs, profile chart, flux window), the
// printed report and the command-line tool all read it. The engine keeps it up to date after
// every preparation and step (EngineState::View); a copy keeps a finished run (the report).
struct RunView {
    bool prepared = false;
    CalculationMode mode = CalculationMode::Standard; // the mode of the last preparation
    int hours = 0; // hours recorded so far
    std::array<std::vector<float>, kSeriesCount> series;
    NodeProfiles nodes;
    float totalThickness = 0.0f; // metres
    float uValue = 0.0f; // W/(m².K)
    SurfaceCoefficients surfaces;
    ChartBounds bounds;
    ReadoutValues readoutValues;
    CurrentValues current;
    double clock = 0.0; // seconds
    float exteriorEnergy = 0.0f; // J/m²
    float interiorEnergy = 0.0f;
    ErrorCode lastError;

    const std::vector<float>& Series(SeriesId id) const
    {
        return series[static_cast<std::size_t>(id)];
    }
    int NodeCount() const { return static_cast<int>(nodes.T.size()); }
    // The texts of the read-outs at the last refresh.
    ReadoutTexts Readouts() const;
    // The 13 value texts of the current hour's results row, after its hour number: the eight
    // boundary and surface values, the two energies, the sol-air flux through U and the two
    // sol-air temperatures, each cut to its decimals.
    std::array<std::string, 13> ResultsRowTexts() const;
    // End labels of the in-wall chart's abscissa: "0" and the thickness in mm ("%.0f").
    std::array<std::string, 2> AbscissaLabels() const;
};

} // namespace quelvan
