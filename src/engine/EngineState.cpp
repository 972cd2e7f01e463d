#include "engine/EngineState.h"

#include "core/MessageSink.h"
#include "core/Messages.h"
#include "core/NumberText.h"
#include "engine/AmbianceProfile.h"
#include "engine/LinearSolver.h"
#include "engine/NCodedString.h"
#include "engine/NSparseMatrix.h"
#include "engine/NVector.h"
#include "engine/ThermalNetwork.h"
#include "model/KslDoc.h"

#include <algorithm>
#include <cmath>

namespace quelvan {

namespace {
// Where the solver's lines go when nobody listens.
NullMessageSink gSilentSink;
} // namespace

// What only the calculation itself needs: the network, the matrices and the four profiles.
struct EngineState::Calculation {
    ThermalNetwork network;
    NSparseMatrix storage; // M
    NSparseMatrix system; // G during the preparation, then A = G + M
    NCodedString interiorTemperature;
    NCodedString interiorFlux;
    NCodedString exteriorTemperature;
    NCodedString exteriorFlux;
    JacobiSolver solver; // keeps its work vectors from hour to hour
    bool ready = false; // the system matrix holds A and the run may step
};

const char* EngineErrorMessage(int code)
{
    if (code == kEngineOk)
        return "";
    if (code == kEngineWeatherError)
        return msg::kWeatherReadError;
    if (const auto fault = WallFaultFromCode(code))
        return WallFaultMessage(*fault);
    return msg::kInternalError;
}

std::string FormatClockText(double seconds, ClockPrecision precision)
{
    const double t = std::max(seconds, 0.0);
    const long long wholeHours = static_cast<long long>((t + 0.1) / 3600.0);
    const long long day = wholeHours / 24;
    const double s = t - static_cast<double>(day) * 86400.0;
    const long long hours = static_cast<long long>((s + 0.1) / 60.0) / 60;
    const long long rest = static_cast<long long>(s - static_cast<double>(hours) * 3600.0 + 0.1);
    std::string text = FormatInt("%3d", static_cast<int>(day + 1));
    auto field = [&text](long long value) {
        text.push_back(':');
        text.append(FormatInt("%2d", static_cast<int>(value)));
    };
    if (precision != ClockPrecision::Days)
        field(hours);
    if (precision == ClockPrecision::Seconds || precision == ClockPrecision::Minutes)
        field(rest / 60);
    if (precision == ClockPrecision::Seconds)
        field(rest % 60);
    std::replace(text.begin(), text.end(), ' ', '0');
    text.push_back(':');
    return text;
}

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

bool EngineState::IsPrepared() const
{
    return calc_ != nullptr && calc_->ready;
}

bool EngineState::CanAdvance() const
{
    return IsPrepared() && hours_ < kRecordedHours;
}

void EngineState::Unprepare()
{
    calc_.reset();
}

JacobiReport EngineState::LastSolve() const
{
    return calc_ ? calc_->solver.LastReport() : JacobiReport {};
}

std::string EngineState::LastErrorMessage() const
{
    if (!wallCheck_.Passed() && lastError_ == wallCheck_.Code())
        return wallCheck_.Message();
    return EngineErrorMessage(lastError_);
}

std::array<std::string, 2> EngineState::AbscissaLabels() const
{
    return { "0", FormatDouble("%.0f", totalThickness_ * 1000.0) };
}

const std::vector<float>& EngineState::CellConductances() const
{
    static const std::vector<float> kNone;
    return calc_ ? calc_->network.Conductances() : kNone;
}

EngineSnapshot EngineState::Snapshot() const
{
    EngineSnapshot s;
    s.prepared = IsPrepared();
    s.hours = hours_;
    s.series = series_;
    s.nodes = nodes_;
    s.totalThickness = totalThickness_;
    s.uValue = uValue_;
    s.bounds = bounds_;
    s.readouts = readouts_;
    s.current = current_;
    s.clock = clock_;
    s.exteriorEnergy = exteriorEnergy_;
    s.interiorEnergy = interiorEnergy_;
    s.lastError = lastError_;
    return s;
}

void EngineState::ResetRun(KslDoc& doc)
{
    doc.ResetResults();
    for (auto& s : series_) {
        s.clear();
        s.reserve(kRecordedHours);
    }
    hours_ = 0;
    lastError_ = 0;
    wallCheck_ = {};
}

int EngineState::CheckedBuild(KslDoc& doc, const CalculationInputs& inputs)
{
    wallCheck_ = CheckWall(doc.layers, inputs.surfaces);
    if (!wallCheck_.Passed())
        return wallCheck_.Code();
    calc_->network.Build(doc.layers, inputs.surfaces);
    const ThermalNetwork& net = calc_->network;
    const auto n = static_cast<size_t>(net.NodeCount());
    // Entries that existed keep their values (the previous calculation's temperatures).
    nodes_.T.resize(n, 0.0f);
    nodes_.Tmin.resize(n, 0.0f);
    nodes_.Tmax.resize(n, 0.0f);
    nodes_.Phi.resize(n, 0.0f);
    nodes_.x = net.Positions();
    totalThickness_ = net.TotalThickness();
    uValue_ = net.UValue();
    surfaces_ = { net.AbsorptionExterior(), net.AbsorptionInterior(), net.ExchangeExterior(),
        net.ExchangeInterior() };

    const AmbianceContext context { inputs.azimuthIndex, inputs.inclinationIndex, inputs.weather };
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
        const int code = BuildAmbianceProfile(b.record, b.component, *b.target, context);
        if (code != 0)
            return code;
    }
    return kEngineOk;
}

int EngineState::PrepareCalculation(KslDoc& doc, const CalculationInputs& inputs)
{
    const int previousNodes = computedNodes_;
    ResetRun(doc);
    calc_ = std::make_unique<Calculation>();
    const int code = CheckedBuild(doc, inputs);
    if (code != kEngineOk) {
        // Nothing usable: the run cannot start until a preparation succeeds.
        calc_.reset();
        lastError_ = code;
        return code;
    }
    Calculation& c = *calc_;
    clock_ = 0.0;
    exteriorEnergy_ = 0.0f;
    interiorEnergy_ = 0.0f;
    const float interior0
        = InitialAmbientTemperature(*inputs.interiorAmbiance, c.interiorTemperature, clock_);
    const float exterior0
        = InitialAmbientTemperature(*inputs.exteriorAmbiance, c.exteriorTemperature, clock_);
    c.network.AssembleStorageAndSteady(c.storage, c.system);

    const bool automatic = inputs.initialTemperatureMode != InitialTemperature::PreviousCalculation;
    // With "calcul précédent" but no previous temperatures for this wall, the start is the
    // steady state, not recorded, so that no node starts undefined.
    const bool previousUsable = previousNodes == NodeCount();
    if (automatic || !previousUsable) {
        const float length = totalThickness_ + 0.0000005f;
        for (size_t i = 0; i < nodes_.T.size(); ++i)
            nodes_.T[i] = interior0 + (exterior0 - interior0) * nodes_.x[i] / length;
        Step(doc, false, automatic);
    }
    if (!automatic)
        EvaluateBoundaries();
    nodes_.Tmin = nodes_.T;
    nodes_.Tmax = nodes_.T;
    c.network.AddStorage(c.system);
    c.ready = true;
    computedNodes_ = NodeCount();
    bounds_ = ChartBounds {};
    RefreshResultsDisplay();
    return kEngineOk;
}

void EngineState::EvaluateBoundaries()
{
    Calculation& c = *calc_;
    current_.interiorTemperature = c.interiorTemperature.EvaluateProfile(clock_);
    current_.exteriorTemperature = c.exteriorTemperature.EvaluateProfile(clock_);
    current_.interiorFlux = c.interiorFlux.EvaluateProfile(clock_);
    current_.exteriorFlux = c.exteriorFlux.EvaluateProfile(clock_);
}

void EngineState::AdvanceHour(KslDoc& doc, bool transient, bool record)
{
    if (!CanAdvance())
        return;
    Step(doc, transient, record);
}

void EngineState::Step(KslDoc& doc, bool transient, bool record)
{
    Calculation& c = *calc_;
    EvaluateBoundaries();
    const int n = NodeCount();
    NVector t(nodes_.T);
    NVector b(n, 0.0f);
    if (transient)
        NSparseMatrix::MultiplyInto(c.storage, t, b);
    const SurfaceCoefficients& s = surfaces_;
    CurrentValues& v = current_;
    b[0] += s.exchangeExterior * v.exteriorTemperature + s.absorptionExterior * v.exteriorFlux;
    b[n - 1] += s.exchangeInterior * v.interiorTemperature + s.absorptionInterior * v.interiorFlux;
    c.solver.SetPath(solverPath_);
    c.solver.Solve(c.system, t, b, t, *sink_);
    nodes_.T = t.Values();
    if (!record)
        return;

    // Node flux densities, positive toward the interior, for the in-wall flux chart.
    const std::vector<float>& T = nodes_.T;
    const NFloatArray& k = c.network.Conductances();
    std::vector<float> q(static_cast<size_t>(n - 1));
    for (size_t j = 0; j + 1 < static_cast<size_t>(n); ++j)
        q[j] = (T[j + 1] - T[j]) * k[j];
    const float exteriorTotal = s.exchangeExterior * (T[0] - v.exteriorTemperature)
        - s.absorptionExterior * v.exteriorFlux;
    nodes_.Phi[0] = -(q[0] + exteriorTotal) / 2.0f;
    for (size_t j = 1; j + 1 < static_cast<size_t>(n); ++j)
        nodes_.Phi[j] = -(q[j] + q[j - 1]) / 2.0f;
    const auto last = static_cast<size_t>(n - 1);
    nodes_.Phi[last] = -(s.exchangeInterior * (v.interiorTemperature - T[last])
                           + s.absorptionInterior * v.interiorFlux + q[last - 1])
        / 2.0f;

    // The envelopes restart every day, except after the last one.
    if (hours_ != kRunHours && hours_ % 24 == 0) {
        nodes_.Tmin = T;
        nodes_.Tmax = T;
    }
    ++hours_;
    v.exteriorSurfaceTemperature = T[0];
    v.interiorSurfaceTemperature = T[last];
    const float qse = s.exchangeExterior * (T[0] - v.exteriorTemperature);
    const float qsi = s.exchangeInterior * (v.interiorTemperature - T[last]);
    const float values[kSeriesCount] = { v.exteriorTemperature, T[0], T[last],
        v.interiorTemperature, v.exteriorFlux, qse, qsi, v.interiorFlux };
    for (int i = 0; i < kSeriesCount; ++i)
        series_[static_cast<size_t>(i)].push_back(values[i]);
    v.exteriorTotalFlux = qse - s.absorptionExterior * v.exteriorFlux;
    v.interiorTotalFlux = s.absorptionInterior * v.interiorFlux + qsi;
    if (hours_ > 1) {
        // Trapezoidal integration of the convective surface fluxes, J/m².
        const auto h = static_cast<size_t>(hours_);
        const auto& se = Series(SeriesId::ExteriorSurfaceFlux);
        const auto& si = Series(SeriesId::InteriorSurfaceFlux);
        interiorEnergy_ += (si[h - 1] + si[h - 2]) * 3600.0f * 0.5f;
        exteriorEnergy_ += (se[h - 1] + se[h - 2]) * 3600.0f * 0.5f;
    }
    RecordResultsRow(doc);
    RefreshResultsDisplay();
    clock_ += 3600.0;
}

void EngineState::RecordResultsRow(KslDoc& doc)
{
    const int row = doc.nextResultsRow;
    if (row < 1 || row >= doc.results.RowCount())
        return;
    const CurrentValues& v = current_;
    const SurfaceCoefficients& s = surfaces_;
    const float solAirExterior = v.exteriorTemperature
        + s.absorptionExterior * v.exteriorFlux / (s.exchangeExterior + 0.0000001f);
    const float solAirInterior = v.interiorTemperature
        + s.absorptionInterior * v.interiorFlux / (s.exchangeInterior + 0.0000001f);
    const struct {
        float value;
        int decimals;
    } cells[] = {
        { v.exteriorTemperature, 2 },
        { v.exteriorSurfaceTemperature, 2 },
        { v.interiorSurfaceTemperature, 2 },
        { v.interiorTemperature, 2 },
        { v.exteriorFlux, 3 },
        { v.exteriorTotalFlux, 2 },
        { v.interiorTotalFlux, 2 },
        { v.interiorFlux, 3 },
        { exteriorEnergy_, 0 },
        { interiorEnergy_, 0 },
        { (solAirInterior - solAirExterior) * uValue_, 2 },
        { solAirExterior, 2 },
        { solAirInterior, 2 },
    };
    doc.results.SetCell(row, 0, FormatInt("%d", row - 1));
    int column = 1;
    for (const auto& cell : cells)
        doc.results.SetCell(row, column++, KeepDecimals(FloatText(cell.value), cell.decimals));
    doc.nextResultsRow = row + 1;
}

void EngineState::RefreshResultsDisplay()
{
    readouts_.clock = FormatClockText(clock_);
    const long long wholeHours = static_cast<long long>((std::max(clock_, 0.0) + 0.1) / 3600.0);
    readouts_.hour = FormatInt("%d", static_cast<int>(wholeHours % 24));
    readouts_.day = FormatInt("%d", static_cast<int>((wholeHours / 24 + 1) % 10));

    for (size_t i = 0; i < nodes_.T.size(); ++i) {
        if (nodes_.T[i] > nodes_.Tmax[i])
            nodes_.Tmax[i] = nodes_.T[i];
        else if (nodes_.T[i] < nodes_.Tmin[i])
            nodes_.Tmin[i] = nodes_.T[i];
    }

    bounds_.upperChanged = false;
    bounds_.lowerChanged = false;
    if (!nodes_.T.empty()) {
        const float highest = *std::max_element(nodes_.Tmax.begin(), nodes_.Tmax.end());
        const float lowest = *std::min_element(nodes_.Tmin.begin(), nodes_.Tmin.end());
        const float upper = highest > 0.0f ? std::trunc(highest + 1.0f - 0.0000005f)
                                           : -std::trunc(std::fabs(highest));
        const float lower = lowest > 0.0f ? std::trunc(lowest + 0.0000005f)
                                          : -std::trunc(std::fabs(lowest) + 1.0f);
        if (upper > bounds_.upper + 0.01f) {
            bounds_.upper = upper;
            bounds_.upperChanged = true;
        }
        if (lower < bounds_.lower - 0.01f) {
            bounds_.lower = lower;
            bounds_.lowerChanged = true;
        }
    }

    const CurrentValues& v = current_;
    auto totalFlux = [](float q) {
        return std::fabs(q) < 0.01f ? std::string("0")
                                    : FormatNumber(q, SignificantDigits { 2 }, true);
    };
    readouts_.interiorTemperature
        = FormatNumber(v.interiorTemperature, SignificantDigits { 3 }, true);
    readouts_.exteriorTemperature
        = FormatNumber(v.exteriorTemperature, SignificantDigits { 3 }, true);
    readouts_.interiorFlux = FormatNumber(v.interiorFlux, SignificantDigits { 2 }, true);
    readouts_.exteriorFlux = FormatNumber(v.exteriorFlux, SignificantDigits { 2 }, true);
    readouts_.interiorSurfaceFlux = totalFlux(v.interiorTotalFlux);
    readouts_.exteriorSurfaceFlux = totalFlux(v.exteriorTotalFlux);
    readouts_.interiorEnergy
        = FormatNumber(interiorEnergy_ * 0.000001, SignificantDigits { 2 }, true);
    readouts_.exteriorEnergy
        = FormatNumber(exteriorEnergy_ * 0.000001, SignificantDigits { 2 }, true);
}

} // namespace quelvan
