// Timings of a whole simulated week: the engine as it runs (Jacobi sweeps certified by a
// direct solve) against a plain direct tridiagonal solve of the same hourly systems.
#include "core/MessageSink.h"
#include "engine/EngineState.h"
#include "engine/LinearSolver.h"
#include "engine/ThermalNetwork.h"
#include "model/KslDoc.h"

#include <benchmark/benchmark.h>

#include <utility>
#include <vector>

namespace {

using namespace quelvan;

using Wall = std::vector<std::pair<const char*, const char*>>;

const Wall kWalls[] = {
    {}, // the built-in three-layer wall
    { { "Enduit de mortier", "15" }, { "Béton lourd", "160" }, { "Polystyrène expansé", "100" },
        { "Lame d'air non ventilée", "20" }, { "Bois résineux", "30" },
        { "Plaque de plâtre à parement de carton", "13" }, { "Plâtre", "5" } },
    { { "Métal ferreux", "0.7" }, { "Laine de roche", "80" }, { "Métal ferreux", "0.7" } },
};
const char* const kWallNames[] = { "default wall", "seven layers", "steel sandwich" };

KslDoc Project(int wall)
{
    KslDoc doc;
    if (!kWalls[wall].empty()) {
        doc.layers.Clear();
        for (const auto& [material, thickness] : kWalls[wall])
            doc.AddLayer(doc.FindMaterialByName(material), thickness);
    }
    return doc;
}

void EngineWeek(benchmark::State& state)
{
    const int wall = static_cast<int>(state.range(0));
    KslDoc doc = Project(wall);
    NullMessageSink sink;
    for (auto _ : state) {
        EngineState engine(sink);
        engine.PrepareCalculation(doc, InputsFromDocument(doc));
        for (int h = 0; h < kRunHours; ++h)
            engine.AdvanceHour(doc, true, true);
        benchmark::DoNotOptimize(engine.Nodes().T.data());
    }
    state.SetLabel(kWallNames[wall]);
}

// The same week with the hourly systems solved directly: network and matrices built, then
// 168 products M T and tridiagonal solves, on the boundary values the engine used.
void DirectWeek(benchmark::State& state)
{
    const int wall = static_cast<int>(state.range(0));
    KslDoc doc = Project(wall);
    EngineState engine;
    engine.PrepareCalculation(doc, InputsFromDocument(doc));
    for (int h = 0; h < kRunHours; ++h)
        engine.AdvanceHour(doc, true, true);
    const auto& text = engine.Series(SeriesId::ExteriorTemperature);
    const auto& tint = engine.Series(SeriesId::InteriorTemperature);
    const SurfaceTexts surfaces;
    for (auto _ : state) {
        ThermalNetwork net;
        net.Build(doc.layers, surfaces);
        NSparseMatrix m, a;
        net.AssembleStorageAndSteady(m, a);
        const int n = net.NodeCount();
        NVector t(n, 0.0f), b(n, 0.0f);
        b[0] = net.ExchangeExterior() * text[0];
        b[n - 1] = net.ExchangeInterior() * tint[0];
        SolveTridiagonal(a, b, t);
        net.AddStorage(a);
        for (size_t h = 1; h < text.size(); ++h) {
            NSparseMatrix::MultiplyInto(m, t, b);
            b[0] += net.ExchangeExterior() * text[h];
            b[n - 1] += net.ExchangeInterior() * tint[h];
            SolveTridiagonal(a, b, t);
        }
        benchmark::DoNotOptimize(t.Values().data());
    }
    state.SetLabel(kWallNames[wall]);
}

} // namespace

BENCHMARK(EngineWeek)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(DirectWeek)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
