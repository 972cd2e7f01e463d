#include "engine/variants/VariantFigures.h"

#include "core/Messages.h"
#include "core/Units.h"
#include "engine/CalculationInputs.h"
#include "engine/EngineState.h"
#include "engine/SiWall.h"
#include "engine/annual/AnnualBalance.h"
#include "model/KslDoc.h"

#include <algorithm>
#include <cmath>

namespace quelvan::variants {

namespace {

constexpr int kLastDayStart = kRunHours - 24;

VariantOutcome Refused(VariantOutcome outcome, std::string message)
{
    outcome.figures.reset();
    outcome.error = std::move(message);
    return outcome;
}

} // namespace

WeekFigures WeekFiguresOf(std::span<const float> tsi, std::span<const float> fsi)
{
    WeekFigures week;
    if (tsi.empty() || fsi.empty())
        return week;
    week.tsiMax = *std::max_element(tsi.begin(), tsi.end());
    for (const float q : fsi)
        week.peakFlux = std::max(week.peakFlux, std::fabs(static_cast<double>(q)));
    // Day 7 runs from hour 144 to hour 168, both ends included; a shorter series gives its last
    // 24 hours.
    const std::size_t lastDay
        = tsi.size() > 24 ? std::min<std::size_t>(tsi.size() - 25, kLastDayStart) : 0;
    const auto [low, high] = std::minmax_element(tsi.begin() + static_cast<std::ptrdiff_t>(lastDay),
        tsi.begin() + static_cast<std::ptrdiff_t>(std::min(lastDay + 25, tsi.size())));
    week.tsiDailyRange = static_cast<double>(*high) - static_cast<double>(*low);
    for (std::size_t h = 1; h < fsi.size(); ++h) {
        const double q0 = fsi[h - 1];
        const double q1 = fsi[h];
        const annual::HourHeat heat = annual::StraightHourHeat(q0, q1);
        week.loss += heat.loss / units::kJoulesPerWattHour;
        week.gain += heat.gain / units::kJoulesPerWattHour;
    }
    return week;
}

VariantOutcome ComputeVariantFigures(KslDoc& doc, const FigureOptions& options)
{
    VariantOutcome outcome;
    CalculationInputs inputs = InputsFromDocument(doc, options.weather);
    inputs.mode = CalculationMode::Fine;
    // A study has no previous calculation: such a project starts from the steady state.
    if (inputs.initialTemperatureMode == InitialTemperature::PreviousCalculation) {
        outcome.notes.emplace_back(msg::kNoPreviousCalculation);
        inputs.initialTemperatureMode = InitialTemperature::Automatic;
    }
    EngineState engine;
    engine.SetWritesResultsTable(false); // a study prints figures, never the hourly table
    if (engine.PrepareCalculation(doc, inputs).IsError())
        return Refused(std::move(outcome), engine.LastErrorMessage());
    const std::optional<SiWall> wall = SiWallFromProject(doc.layers, inputs.surfaces);
    const std::optional<DynamicCharacteristics> dynamic
        = wall ? ComputeDynamicCharacteristics(*wall, kDailyPeriodHours) : std::nullopt;
    if (!dynamic)
        return Refused(std::move(outcome), msg::kInternalError);
    for (int step = 0; step < kRunHours && engine.CanAdvance(); ++step)
        engine.AdvanceHour(doc, true, true);
    const RunView& run = engine.View();
    const std::vector<float>& tsi = run.Series(SeriesId::InteriorSurfaceTemperature);
    const std::vector<float>& fsi = run.Series(SeriesId::InteriorSurfaceFlux);
    const std::size_t hours = static_cast<std::size_t>(std::max(run.hours, 0));
    const std::span<const float> tsiHours(tsi.data(), std::min(hours, tsi.size()));
    const std::span<const float> fsiHours(fsi.data(), std::min(hours, fsi.size()));

    VariantFigures figures { *dynamic, WeekFiguresOf(tsiHours, fsiHours), std::nullopt,
        std::nullopt };
    if (options.keepSeries)
        outcome.series
            = { { tsiHours.begin(), tsiHours.end() }, { fsiHours.begin(), fsiHours.end() } };
    const bool moistureYear = options.moisture && NeedsYear(*options.moisture);
    std::optional<annual::AnnualBalanceResult> year;
    if (options.annual || moistureYear) {
        std::string error;
        const std::optional<annual::AnnualProblem> problem
            = annual::PrepareAnnualBalance(doc, inputs, CalculationMode::Fine, &error);
        year = problem ? annual::RunAnnualBalance(*problem) : std::nullopt;
        if (!year)
            return Refused(std::move(outcome), error.empty() ? msg::kInternalError : error);
        if (options.annual && !year->converged)
            outcome.notes.emplace_back(msg::kYearNotPeriodic);
        if (options.annual)
            figures.year = year->figures.year;
    }
    if (options.moisture) {
        MoistureOutcome moisture
            = CheckVariantMoisture(doc, inputs, *options.moisture, year ? &*year : nullptr);
        if (!moisture.summary)
            return Refused(std::move(outcome), std::move(moisture.error));
        figures.moisture = moisture.summary;
    }
    outcome.figures = figures;
    return outcome;
}

} // namespace quelvan::variants
