#include "engine/annual/AnnualBalance.h"

#include "core/Messages.h"
#include "core/Units.h"
#include "engine/EngineState.h"
#include "engine/SiWall.h"
#include "engine/annual/YearStepper.h"
#include "model/KslDoc.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace quelvan::annual {

namespace {

std::optional<AnnualProblem> Refuse(std::string* error, std::string message)
{
    if (error != nullptr)
        *error = std::move(message);
    return std::nullopt;
}

double Mean(const std::vector<double>& values)
{
    return values.empty()
        ? 0.0
        : std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(values.size());
}

// The boundary values at h hours from 1 January 0:00, the year repeating itself.
FineBoundary BoundaryAt(const YearBoundaries& year, int hour)
{
    const auto h = static_cast<std::size_t>(hour % kHoursPerYear);
    return { year.exterior.temperature[h], year.exterior.flux[h], year.interior.temperature[h],
        year.interior.flux[h] };
}

std::unique_ptr<YearStepper> MakeStepper(const AnnualProblem& problem)
{
    if (problem.mode == CalculationMode::Standard)
        return MakeStandardYearStepper(problem.network);
    return MakeFineYearStepper(problem.wall, problem.surfaces);
}

void Start(YearStepper& stepper, const AnnualProblem& problem, const AnnualOptions& options)
{
    if (static_cast<int>(options.startTemperatures.size()) == stepper.NodeCount()) {
        stepper.SetTemperatures(options.startTemperatures);
    } else if (options.startTemperature) {
        stepper.SetTemperatures(std::vector<double>(
            static_cast<std::size_t>(stepper.NodeCount()), *options.startTemperature));
    } else {
        const YearBoundaries& y = problem.year;
        stepper.SolveSteadyState({ Mean(y.exterior.temperature), Mean(y.exterior.flux),
            Mean(y.interior.temperature), Mean(y.interior.flux) });
    }
}

double LargestDifference(const std::vector<double>& a, const std::vector<double>& b)
{
    double largest = 0.0;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
        largest = std::max(largest, std::fabs(a[i] - b[i]));
    return largest;
}

} // namespace

std::optional<AnnualProblem> PrepareAnnualBalance(
    const KslDoc& doc, const CalculationInputs& inputs, CalculationMode mode, std::string* error)
{
    const CalculationCheck verdict = CheckInputs(doc, inputs);
    if (!verdict.Passed())
        return Refuse(error, verdict.message);
    const std::optional<SiWall> wall = SiWallFromProject(doc.layers, inputs.surfaces);
    if (!wall)
        return Refuse(error, msg::kInternalError);
    AnnualProblem problem;
    problem.mode = mode;
    problem.wall = *wall;
    problem.network.Build(doc.layers, inputs.surfaces);
    const ThermalNetwork& net = problem.network;
    problem.surfaces = { net.ExchangeExterior(), net.ExchangeInterior(), net.AbsorptionExterior(),
        net.AbsorptionInterior() };
    double resistance = wall->resistanceExterior + wall->resistanceInterior;
    for (const SiLayer& layer : wall->layers)
        resistance += layer.thickness / layer.conductivity;
    problem.u = 1.0 / resistance;

    const AmbianceContext context { inputs.azimuthIndex, inputs.inclinationIndex, inputs.weather,
        true };
    const std::pair<const CBCData*, SideYear*> sides[] = {
        { inputs.exteriorAmbiance, &problem.year.exterior },
        { inputs.interiorAmbiance, &problem.year.interior },
    };
    for (const auto& [record, year] : sides) {
        ReadError where;
        const ErrorCode code = BuildSideYear(*record, context, *year, &where);
        if (code == Failure::WeatherFile)
            return Refuse(error, FormatReadError(msg::kWeatherReadError, where));
        if (code.IsError())
            return Refuse(error, FailureMessage(code));
    }
    return problem;
}

std::optional<AnnualBalanceResult> RunAnnualBalance(
    const AnnualProblem& problem, const AnnualOptions& options, const AnnualProgress& progress)
{
    const std::unique_ptr<YearStepper> stepper = MakeStepper(problem);
    if (!stepper)
        return std::nullopt;
    Start(*stepper, problem, options);
    const FineSurfaces& s = problem.surfaces;
    AnnualBalanceResult result;
    result.mode = problem.mode;
    result.u = problem.u;
    result.hours.resize(kHoursPerYear);
    // The year is one period of a yearly cycle: its figures should be those of a wall that has
    // lived through the same year before, not of an arbitrary start. A wall stores heat for days
    // to weeks, so the year is run again from the state it ended in until it ends where it
    // started; the last pass is then, to the tolerance, the periodic year.
    const int maximumPasses = std::max(options.maximumPasses, 1);
    auto solAir = [&s](const FineBoundary& b) {
        return std::pair { b.exteriorTemperature
                + s.absorptionExterior * b.exteriorFlux / s.exchangeExterior,
            b.interiorTemperature + s.absorptionInterior * b.interiorFlux / s.exchangeInterior };
    };
    for (int pass = 1; pass <= maximumPasses; ++pass) {
        const std::vector<double> start = stepper->Temperatures();
        FineBoundary from = BoundaryAt(problem.year, 0);
        auto [exterior0, interior0] = solAir(from);
        for (int h = 1; h <= kHoursPerYear; ++h) {
            const FineBoundary to = BoundaryAt(problem.year, h);
            const HourHeat split = stepper->AdvanceHour(from, to);
            const double q1 = stepper->InteriorFlux(to);
            const auto [exterior1, interior1] = solAir(to);
            HourRecord& r = result.hours[static_cast<std::size_t>(h - 1)];
            r = { h, to.exteriorTemperature, exterior1, stepper->ExteriorSurfaceTemperature(),
                stepper->InteriorSurfaceTemperature(), to.interiorTemperature, q1, split.loss,
                split.gain,
                problem.u * ((interior0 - exterior0) + (interior1 - exterior1)) / 2
                    * units::kSecondsPerHour };
            from = to;
            exterior0 = exterior1;
            interior0 = interior1;
            if (h % 24 == 0 && progress && !progress(pass, h))
                return std::nullopt;
        }
        result.passes = pass;
        result.endTemperatures = stepper->Temperatures();
        result.endDifference = LargestDifference(result.endTemperatures, start);
        if (result.endDifference < options.tolerance) {
            result.converged = true;
            break;
        }
    }
    result.figures = SumFigures(result.hours);
    return result;
}

DailyRange DailySurfaceRange(const std::vector<HourRecord>& hours)
{
    DailyRange range;
    range.minimum.assign(kHoursPerYear / 24, 0.0);
    range.maximum.assign(kHoursPerYear / 24, 0.0);
    std::vector<bool> seen(range.minimum.size(), false);
    for (const HourRecord& r : hours) {
        const auto day = static_cast<std::size_t>((r.hour - 1) / 24);
        if (day >= seen.size())
            continue;
        const double t = r.interiorSurfaceTemperature;
        range.minimum[day] = seen[day] ? std::min(range.minimum[day], t) : t;
        range.maximum[day] = seen[day] ? std::max(range.maximum[day], t) : t;
        seen[day] = true;
    }
    return range;
}

} // namespace quelvan::annual
