#include "engine/EngineState.h"

#include "core/MessageSink.h"
#include "core/Messages.h"
#include "core/NumberText.h"
#include "core/Units.h"
#include "engine/AmbianceProfile.h"
#include "engine/FineCalculation.h"
#include "engine/FineMesh.h"
#include "engine/NCodedString.h"
#include "engine/SiWall.h"
#include "engine/ThermalNetwork.h"
#include "engine/solver/LinearSolver.h"
#include "engine/solver/NSparseMatrix.h"
#include "engine/solver/NVector.h"
#include "model/KslDoc.h"

#include <algorithm>
#include <optional>

namespace quelvan {

using solver::JacobiReport;
using solver::JacobiSolver;
using solver::NFloatArray;
using solver::NSparseMatrix;
using solver::NVector;

namespace {
// Where the solver's lines go when nobody listens.
NullMessageSink gSilentSink;
} // namespace

// What only the calculation itself needs: the network, the matrices and the four profiles; in
// the fine mode its stepper and the heat summed over its sub-steps.
struct EngineState::Calculation {
    ThermalNetwork network;
    NSparseMatrix storage; // M
    NSparseMatrix system; // G during the preparation, then A = G + M
    NCodedString interiorTemperature;
    NCodedString interiorFlux;
    NCodedString exteriorTemperature;
    NCodedString exteriorFlux;
    JacobiSolver solver; // keeps its work vectors from hour to hour
    std::optional<FineCalculation> fine;
    double fineExteriorEnergy = 0.0; // J/m², summed in double, shown as float
    double fineInteriorEnergy = 0.0;
};

EngineState::EngineState()
    : sink_(&gSilentSink)
{
}

EngineState::EngineState(MessageSink& sink)
    : sink_(&sink)
{
}

EngineState::~EngineState() = default;
EngineState::EngineState(EngineState&&) noexcept = default;
EngineState& EngineState::operator=(EngineState&&) noexcept = default;

void EngineState::SetMessageSink(MessageSink& sink)
{
    sink_ = &sink;
}

bool EngineState::CanAdvance() const
{
    return IsPrepared() && run_.hours < kRecordedHours;
}

void EngineState::Unprepare()
{
    calc_.reset();
    run_.prepared = false;
}

JacobiReport EngineState::LastSolve() const
{
    return calc_ ? calc_->solver.LastReport() : JacobiReport {};
}

std::string EngineState::LastErrorMessage() const
{
    if (!verdict_.Passed() && run_.lastError == verdict_.code)
        return verdict_.message;
    if (run_.lastError == Failure::WeatherFile)
        return FormatReadError(msg::kWeatherReadError, weatherError_);
    return FailureMessage(run_.lastError);
}

void EngineState::ResetRun(KslDoc& doc)
{
    doc.ResetResults();
    run_.prepared = false;
    for (auto& s : run_.series) {
        s.clear();
        s.reserve(kRecordedHours);
    }
    run_.hours = 0;
    run_.lastError = {};
    verdict_ = {};
}

ErrorCode EngineState::CheckedBuild(KslDoc& doc, const CalculationInputs& inputs)
{
    verdict_ = CheckInputs(doc, inputs);
    if (!verdict_.Passed())
        return verdict_.code;
    calc_->network.Build(doc.layers, inputs.surfaces);
    const ThermalNetwork& net = calc_->network;
    run_.totalThickness = net.TotalThickness();
    run_.uValue = net.UValue();
    run_.surfaces = { net.AbsorptionExterior(), net.AbsorptionInterior(), net.ExchangeExterior(),
        net.ExchangeInterior() };
    // The fine mode shows its own nodes; the thickness, U and the surfaces stay the network's.
    if (inputs.mode == CalculationMode::Fine) {
        // The wall passed the check above, so it is computable.
        const std::optional<SiWall> wall = SiWallFromProject(doc.layers, inputs.surfaces);
        if (wall)
            calc_->fine.emplace(*wall, run_.surfaces);
        if (!calc_->fine || !calc_->fine->IsUsable())
            return Failure::General;
    }
    run_.nodes.x = calc_->fine ? calc_->fine->Positions() : net.Positions();
    const size_t n = run_.nodes.x.size();
    // Entries that existed keep their values (the previous calculation's temperatures).
    run_.nodes.T.resize(n, 0.0f);
    run_.nodes.Tmin.resize(n, 0.0f);
    run_.nodes.Tmax.resize(n, 0.0f);
    run_.nodes.Phi.resize(n, 0.0f);

    const AmbianceContext context { inputs.azimuthIndex, inputs.inclinationIndex, inputs.weather,
        inputs.mode == CalculationMode::Fine };
    const struct {
        const CBCData* record;
        Component component;
        NCodedString* target;
    } builds[] = {
        { inputs.interiorAmbiance, Component::Temperature, &calc_->interiorTemperature },
        { inputs.interiorAmbiance, Component::Flux, &calc_->interiorFlux },
        { inputs.exteriorAmbiance, Component::Temperature, &calc_->exteriorTemperature },
        { inputs.exteriorAmbiance, Component::Flux, &calc_->exteriorFlux },
    };
    for (const auto& b : builds) {
        const ErrorCode code
            = BuildAmbianceProfile(b.record, b.component, *b.target, context, &weatherError_);
        if (code.IsError())
            return code;
    }
    return {};
}

ErrorCode EngineState::PrepareCalculation(KslDoc& doc, const CalculationInputs& inputs)
{
    const int previousNodes = computedNodes_;
    const std::vector<float> previous = run_.nodes.T; // for a start on another row of nodes
    ResetRun(doc);
    calc_ = std::make_unique<Calculation>();
    const ErrorCode code = CheckedBuild(doc, inputs);
    if (code.IsError()) {
        // Nothing usable: the run cannot start until a preparation succeeds.
        calc_.reset();
        run_.lastError = code;
        return code;
    }
    // The results recorded from here on belong to what this preparation read.
    const FormValues placement { inputs.azimuthIndex, inputs.inclinationIndex,
        inputs.initialTemperatureMode, inputs.surfaces, -1, -1 };
    doc.resultsSource
        = SourceOfCalculation(doc, placement, inputs.exteriorAmbiance, inputs.interiorAmbiance);
    Calculation& c = *calc_;
    run_.mode = inputs.mode;
    run_.clock = 0.0;
    run_.exteriorEnergy = 0.0f;
    run_.interiorEnergy = 0.0f;
    const float interior0
        = InitialAmbientTemperature(*inputs.interiorAmbiance, c.interiorTemperature, run_.clock);
    const float exterior0
        = InitialAmbientTemperature(*inputs.exteriorAmbiance, c.exteriorTemperature, run_.clock);
    if (!c.fine)
        c.network.AssembleStorageAndSteady(c.storage, c.system);

    const bool automatic = inputs.initialTemperatureMode != InitialTemperature::PreviousCalculation;
    // With "calcul précédent" but no previous temperatures for this wall, the start is the
    // steady state, not recorded, so that no node starts undefined.
    if (automatic || !StartFromPrevious(previousNodes, previous)) {
        // A straight line starts the sweeps; the fine mode solves directly.
        const float length = run_.totalThickness + 0.0000005f;
        for (size_t i = 0; i < run_.nodes.T.size() && !c.fine; ++i)
            run_.nodes.T[i] = interior0 + (exterior0 - interior0) * run_.nodes.x[i] / length;
        Step(doc, false, automatic);
    }
    if (!automatic)
        EvaluateBoundaries();
    run_.nodes.Tmin = run_.nodes.T;
    run_.nodes.Tmax = run_.nodes.T;
    if (!c.fine)
        c.network.AddStorage(c.system);
    run_.prepared = true; // the system matrix holds A: the run may step
    computedNodes_ = run_.NodeCount();
    previousPositions_ = run_.nodes.x;
    previousMode_ = inputs.mode;
    run_.bounds = ChartBounds {};
    RefreshResultsDisplay();
    return {};
}

bool EngineState::StartFromPrevious(int previousNodes, const std::vector<float>& previous)
{
    Calculation& c = *calc_;
    if (!c.fine && previousMode_ == CalculationMode::Standard)
        return previousNodes == run_.NodeCount(); // the resize kept them in place
    // Another row of nodes: the previous profile is interpolated at this calculation's nodes.
    if (previousNodes == 0 || previous.size() != previousPositions_.size())
        return false;
    if (c.fine) {
        // The first hour starts from the values of the hour before the clock's start, wrapped
        // into the profiles' spans, as the previous calculation's end would have seen them.
        c.fine->StartFrom(previousPositions_, previous, BoundariesAt(-units::kSecondsPerHour));
        c.fine->CopyTemperatures(run_.nodes.T);
        return true;
    }
    const std::vector<double> from(previousPositions_.begin(), previousPositions_.end());
    const std::vector<double> values(previous.begin(), previous.end());
    const std::vector<double> at(run_.nodes.x.begin(), run_.nodes.x.end());
    std::vector<double> carried(at.size());
    InterpolateProfile(from, values, at, carried);
    std::copy(carried.begin(), carried.end(), run_.nodes.T.begin());
    return true;
}

CurrentValues EngineState::BoundariesAt(double t)
{
    Calculation& c = *calc_;
    // The standard mode keeps the method's evaluation, which gives the whole hours of the first
    // span the value of the hour before; the fine mode takes every hour's own value.
    const auto at = [&c, t](NCodedString& profile) {
        return c.fine ? profile.ValueAtTrueTime(t) : profile.EvaluateProfile(t);
    };
    CurrentValues v = run_.current;
    v.interiorTemperature = at(c.interiorTemperature);
    v.exteriorTemperature = at(c.exteriorTemperature);
    v.interiorFlux = at(c.interiorFlux);
    v.exteriorFlux = at(c.exteriorFlux);
    return v;
}

void EngineState::EvaluateBoundaries()
{
    run_.current = BoundariesAt(run_.clock);
}

void EngineState::AdvanceHour(KslDoc& doc, bool transient, bool record)
{
    if (!CanAdvance())
        return;
    Step(doc, transient, record);
}

void EngineState::SolveStandard(bool transient)
{
    Calculation& c = *calc_;
    const int n = run_.NodeCount();
    NVector t(run_.nodes.T);
    NVector b(n, 0.0f);
    if (transient)
        NSparseMatrix::MultiplyInto(c.storage, t, b);
    const SurfaceCoefficients& s = run_.surfaces;
    const CurrentValues& v = run_.current;
    b[0] += s.exchangeExterior * v.exteriorTemperature + s.absorptionExterior * v.exteriorFlux;
    b[n - 1] += s.exchangeInterior * v.interiorTemperature + s.absorptionInterior * v.interiorFlux;
    c.solver.SetPath(solverPath_);
    c.solver.Solve(c.system, t, b, t, *sink_);
    run_.nodes.T = t.Values();
}

void EngineState::StandardNodeFluxes()
{
    // Node flux densities, positive toward the interior, for the in-wall flux chart.
    const int n = run_.NodeCount();
    const SurfaceCoefficients& s = run_.surfaces;
    const CurrentValues& v = run_.current;
    const std::vector<float>& T = run_.nodes.T;
    const NFloatArray& k = calc_->network.Conductances();
    std::vector<float> q(static_cast<size_t>(n - 1));
    for (size_t j = 0; j + 1 < static_cast<size_t>(n); ++j)
        q[j] = (T[j + 1] - T[j]) * k[j];
    const float exteriorTotal = s.exchangeExterior * (T[0] - v.exteriorTemperature)
        - s.absorptionExterior * v.exteriorFlux;
    run_.nodes.Phi[0] = -(q[0] + exteriorTotal) / 2.0f;
    for (size_t j = 1; j + 1 < static_cast<size_t>(n); ++j)
        run_.nodes.Phi[j] = -(q[j] + q[j - 1]) / 2.0f;
    const auto last = static_cast<size_t>(n - 1);
    run_.nodes.Phi[last] = -(s.exchangeInterior * (v.interiorTemperature - T[last])
                               + s.absorptionInterior * v.interiorFlux + q[last - 1])
        / 2.0f;
}

void EngineState::Step(KslDoc& doc, bool transient, bool record)
{
    Calculation& c = *calc_;
    EvaluateBoundaries();
    FineHourEnergies hour; // the fine mode's heat of the hour; none for a steady solve
    if (!c.fine) {
        SolveStandard(transient);
    } else {
        if (transient)
            hour = c.fine->AdvanceHour(run_.current);
        else
            c.fine->SolveSteadyState(run_.current);
        c.fine->CopyTemperatures(run_.nodes.T);
    }
    if (!record)
        return;
    if (c.fine)
        c.fine->NodeFluxDensities(run_.current, run_.nodes.Phi);
    else
        StandardNodeFluxes();

    const std::vector<float>& T = run_.nodes.T;
    const SurfaceCoefficients& s = run_.surfaces;
    CurrentValues& v = run_.current;
    const auto last = T.size() - 1;

    // The envelopes restart every day, except after the last one.
    if (run_.hours != kRunHours && run_.hours % 24 == 0) {
        run_.nodes.Tmin = T;
        run_.nodes.Tmax = T;
    }
    ++run_.hours;
    v.exteriorSurfaceTemperature = T[0];
    v.interiorSurfaceTemperature = T[last];
    float qse = s.exchangeExterior * (T[0] - v.exteriorTemperature);
    float qsi = s.exchangeInterior * (v.interiorTemperature - T[last]);
    v.exteriorTotalFlux = qse - s.absorptionExterior * v.exteriorFlux;
    v.interiorTotalFlux = s.absorptionInterior * v.interiorFlux + qsi;
    if (c.fine) {
        // h (T_s - T_air) from temperatures rounded to floats moves in steps of h times their
        // spacing, about 4 W/m² for h = 2e6: the fine mode forms its fluxes in double.
        const FineSurfaceFluxes q = c.fine->SurfaceFluxes(v);
        qse = static_cast<float>(q.exterior);
        qsi = static_cast<float>(q.interior);
        v.exteriorTotalFlux
            = static_cast<float>(q.exterior - double(s.absorptionExterior) * v.exteriorFlux);
        v.interiorTotalFlux
            = static_cast<float>(double(s.absorptionInterior) * v.interiorFlux + q.interior);
    }
    const float values[kSeriesCount] = { v.exteriorTemperature, T[0], T[last],
        v.interiorTemperature, v.exteriorFlux, qse, qsi, v.interiorFlux };
    for (int i = 0; i < kSeriesCount; ++i)
        run_.series[static_cast<size_t>(i)].push_back(values[i]);
    AccumulateEnergies(hour);
    if (writesResultsTable_)
        RecordResultsRow(doc);
    RefreshResultsDisplay();
    run_.clock += units::kSecondsPerHour;
}

void EngineState::AccumulateEnergies(const FineHourEnergies& hour)
{
    if (run_.hours <= 1)
        return;
    Calculation& c = *calc_;
    if (c.fine) {
        // The fine mode's heat, integrated over the sub-steps since the last recorded hour.
        c.fineInteriorEnergy += hour.interiorSurface;
        c.fineExteriorEnergy += hour.exteriorSurface;
        run_.interiorEnergy = static_cast<float>(c.fineInteriorEnergy);
        run_.exteriorEnergy = static_cast<float>(c.fineExteriorEnergy);
        return;
    }
    // Trapezoidal integration of the convective surface fluxes, J/m².
    const auto h = static_cast<size_t>(run_.hours);
    const auto& se = run_.Series(SeriesId::ExteriorSurfaceFlux);
    const auto& si = run_.Series(SeriesId::InteriorSurfaceFlux);
    run_.interiorEnergy += (si[h - 1] + si[h - 2]) * units::kSecondsPerHourFloat * 0.5f;
    run_.exteriorEnergy += (se[h - 1] + se[h - 2]) * units::kSecondsPerHourFloat * 0.5f;
}

void EngineState::RecordResultsRow(KslDoc& doc)
{
    const int row = doc.nextResultsRow;
    if (row < 1 || row >= doc.results.RowCount())
        return;
    doc.results.SetCell(row, 0, FormatInt("%d", row - 1));
    int column = 1;
    for (std::string& text : run_.ResultsRowTexts())
        doc.results.SetCell(row, column++, std::move(text));
    doc.nextResultsRow = row + 1;
}

void EngineState::RefreshResultsDisplay()
{
    for (size_t i = 0; i < run_.nodes.T.size(); ++i) {
        if (run_.nodes.T[i] > run_.nodes.Tmax[i])
            run_.nodes.Tmax[i] = run_.nodes.T[i];
        else if (run_.nodes.T[i] < run_.nodes.Tmin[i])
            run_.nodes.Tmin[i] = run_.nodes.T[i];
    }

    run_.bounds.Follow(run_.nodes);

    run_.readoutValues
        = { true, run_.clock, run_.current, run_.exteriorEnergy, run_.interiorEnergy };
}

} // namespace quelvan
