#pragma once

#include "engine/CalculationInputs.h"
#include "engine/CalculationMode.h"
#include "engine/DynamicCharacteristics.h"
#include "engine/FineStepper.h"
#include "engine/ThermalNetwork.h"
#include "engine/annual/AnnualFigures.h"
#include "engine/annual/YearBoundaries.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quelvan {
class KslDoc;
}

namespace quelvan::annual {

// Everything a year of the wall needs, copied out of the project (no reference to it), so that
// the year may run on another thread while the project is edited.
struct AnnualProblem {
    CalculationMode mode = CalculationMode::Fine;
    SiWall wall;
    ThermalNetwork network; // the standard method's, and the surface coefficients of both
    FineSurfaces surfaces;
    double u = 0.0; // 1 / (R_se + Σ d/λ + R_si), W/(m².K)
    YearBoundaries year;
};

// Prepares the year of the project as the inputs give it (wall, surfaces, placement, chosen
// ambiances, weather folders). On failure gives nothing and the French message in *error: the
// check's for a wall or an ambiance it refuses, the weather message with the file, the line and
// the field for a weather file that does not read.
std::optional<AnnualProblem> PrepareAnnualBalance(const KslDoc& doc,
    const CalculationInputs& inputs, CalculationMode mode, std::string* error = nullptr);

struct AnnualOptions {
    // The first pass starts with every node at this temperature; by default from the steady
    // state under the year's mean boundary values.
    std::optional<double> startTemperature;
    // Or from these node temperatures (another year's end on the same wall and method).
    std::vector<double> startTemperatures;
    int maximumPasses = 5;
    double tolerance = 0.01; // K, between the year's end state and its start state
};

struct AnnualBalanceResult {
    CalculationMode mode = CalculationMode::Fine;
    int passes = 0;
    bool converged = false;
    double endDifference = 0.0; // K, largest node difference between the last pass's end and start
    double u = 0.0;
    BalanceTable figures;
    std::vector<HourRecord> hours; // the 8760 hours of the last pass
    std::vector<double> endTemperatures; // node temperatures at the end of the last pass
};

// Called every simulated day with the pass (from 1) and the hours done in it; false stops the
// calculation.
using AnnualProgress = std::function<bool(int pass, int hour)>;

// Runs the year in periodic passes and sums its figures. Nothing when stopped by the progress.
std::optional<AnnualBalanceResult> RunAnnualBalance(const AnnualProblem& problem,
    const AnnualOptions& options = {}, const AnnualProgress& progress = {});

// The interior face's daily extremes of the year (365 entries each), for the charts.
struct DailyRange {
    std::vector<double> minimum;
    std::vector<double> maximum;
};
DailyRange DailySurfaceRange(const std::vector<HourRecord>& hours);

} // namespace quelvan::annual
