// Timings of a whole simulated week: the engine as it runs (Jacobi sweeps certified by a
// direct solve), on the banded kernel and on the sparse reference path, against a plain direct
// tridiagonal solve of the same hourly systems.
#include "core/MessageSink.h"
#include "engine/EngineState.h"
#include "engine/ThermalNetwork.h"
#include "engine/solver/LinearSolver.h"
#include "model/KslDoc.h"

#include <benchmark/benchmark.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using namespace quelvan;
using namespace quelvan::solver;

using Wall = std::vector<std::pair<const char*, const char*>>;

const Wall kSevenLayers
    = { { "Enduit de mortier", "15" }, { "Béton lourd", "160" }, { "Polystyrène expansé", "100" },
          { "Lame d'air non ventilée", "20" }, { "Bois résineux", "30" },
          { "Plaque de plâtre à parement de carton", "13" }, { "Plâtre", "5" } };
const Wall kSteelSandwich
    = { { "Métal ferreux", "1" }, { "Laine de roche", "100" }, { "Métal ferreux", "1" } };

// Case 0 is the built-in three-layer wall, cases 1 to 7 the first 1 to 7 layers of the
// seven-layer wall, case 8 the steel sandwich.
constexpr int kSandwichCase = 8;

Wall WallOf(int wallCase)
{
    if (wallCase == 0)
        return {};
    if (wallCase == kSandwichCase)
        return kSteelSandwich;
    return Wall(kSevenLayers.begin(), kSevenLayers.begin() + wallCase);
}

std::string WallName(int wallCase)
{
    if (wallCase == 0)
        return "default wall";
    if (wallCase == kSandwichCase)
        return "steel sandwich";
    return std::to_string(wallCase) + (wallCase == 1 ? " layer" : " layers");
}

KslDoc Project(int wallCase)
{
    KslDoc doc;
    const Wall wall = WallOf(wallCase);
    if (!wall.empty()) {
        doc.layers.Clear();
        for (const auto& [material, thickness] : wall)
            doc.AddLayer(doc.FindMaterialByName(material), thickness);
    }
    return doc;
}

// One week of the engine: preparation (steady hour 0 included) and 168 hours.
void RunWeek(KslDoc& doc, EngineState& engine, long* sweeps = nullptr,
    CalculationMode mode = CalculationMode::Standard)
{
    CalculationInputs inputs = InputsFromDocument(doc);
    inputs.mode = mode;
    engine.PrepareCalculation(doc, inputs);
    long total = engine.LastSolve().sweeps;
    for (int h = 0; h < kRunHours; ++h) {
        engine.AdvanceHour(doc, true, true);
        total += engine.LastSolve().sweeps;
    }
    if (sweeps != nullptr)
        *sweeps = total;
}

// A sink that wants the progress lines and drops them: the solver formats them, as every
// solve did before the sinks could decline them.
struct FormattedProgress final : MessageSink {
    void Message(std::string_view text) override { benchmark::DoNotOptimize(text.data()); }
};

// range(0): wall case; range(1): 0 banded kernel, 1 sparse reference path, 2 sparse path with
// the progress lines formatted (the engine before the banded kernel), 3 the fine mode.
void EngineWeek(benchmark::State& state)
{
    const int wallCase = static_cast<int>(state.range(0));
    const SolverPath path = state.range(1) == 0 ? SolverPath::Banded : SolverPath::Sparse;
    KslDoc doc = Project(wallCase);
    NullMessageSink quiet;
    FormattedProgress formatted;
    MessageSink& sink = state.range(1) == 2 ? static_cast<MessageSink&>(formatted) : quiet;
    long sweeps = 0;
    for (auto _ : state) {
        EngineState engine(sink);
        engine.SetSolverPath(path);
        RunWeek(doc, engine, &sweeps,
            state.range(1) == 3 ? CalculationMode::Fine : CalculationMode::Standard);
        benchmark::DoNotOptimize(engine.View().nodes.T.data());
        state.counters["nodes"] = static_cast<double>(engine.View().nodes.T.size());
    }
    state.counters["sweeps"] = static_cast<double>(sweeps);
    const char* const paths[]
        = { ", banded", ", sparse", ", sparse, progress formatted", ", fine mode" };
    state.SetLabel(WallName(wallCase) + paths[state.range(1)]);
}

// The boundary values of the engine's week, hour by hour.
struct Boundaries {
    std::vector<float> exteriorTemperature;
    std::vector<float> interiorTemperature;
    std::vector<float> exteriorFlux;
    std::vector<float> interiorFlux;
};

// The same week with the hourly systems solved directly: network and matrices built, then
// 168 products M T and tridiagonal solves, on the boundary values the engine used.
[[gnu::noinline]] void DirectSolveWeek(const KslDoc& doc, const Boundaries& v)
{
    const SurfaceTexts surfaces;
    ThermalNetwork net;
    net.Build(doc.layers, surfaces);
    NSparseMatrix m, a;
    net.AssembleStorageAndSteady(m, a);
    const int n = net.NodeCount();
    const auto boundaries = [&](NVector& b, size_t h) {
        b[0] += net.ExchangeExterior() * v.exteriorTemperature[h]
            + net.AbsorptionExterior() * v.exteriorFlux[h];
        b[n - 1] += net.ExchangeInterior() * v.interiorTemperature[h]
            + net.AbsorptionInterior() * v.interiorFlux[h];
    };
    NVector t(n, 0.0f), b(n, 0.0f);
    boundaries(b, 0);
    SolveTridiagonal(a, b, t);
    net.AddStorage(a);
    for (size_t h = 1; h < v.exteriorTemperature.size(); ++h) {
        NSparseMatrix::MultiplyInto(m, t, b);
        boundaries(b, h);
        SolveTridiagonal(a, b, t);
    }
    benchmark::DoNotOptimize(t.Values().data());
}

void DirectWeek(benchmark::State& state)
{
    const int wallCase = static_cast<int>(state.range(0));
    KslDoc doc = Project(wallCase);
    EngineState engine;
    RunWeek(doc, engine);
    const Boundaries values { engine.View().Series(SeriesId::ExteriorTemperature),
        engine.View().Series(SeriesId::InteriorTemperature),
        engine.View().Series(SeriesId::ExteriorFlux),
        engine.View().Series(SeriesId::InteriorFlux) };
    for (auto _ : state)
        DirectSolveWeek(doc, values);
    state.SetLabel(WallName(wallCase));
}

} // namespace

BENCHMARK(EngineWeek)
    ->ArgsProduct({ benchmark::CreateDenseRange(0, kSandwichCase, 1), { 0, 1, 2, 3 } })
    ->Unit(benchmark::kMillisecond);
BENCHMARK(DirectWeek)->DenseRange(0, kSandwichCase)->Unit(benchmark::kMicrosecond);
