// Fine-mode weeks of the default wall (cells of at most δ/8 and 10 per layer, six Crank–Nicolson
// sub-steps per hour, direct solves), to set beside EngineWeek (the standard method, Jacobi
// sweeps): the whole calculation as the interface and quelvan-cli run it (FineEngineWeek), and
// the stepper alone on the hourly boundary values of the engine's own week (FineWeek).
#include "engine/EngineState.h"
#include "engine/FineStepper.h"
#include "engine/SiWall.h"
#include "model/KslDoc.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using namespace quelvan;

void FineWeek(benchmark::State& state)
{
    KslDoc doc; // the built-in three-layer wall and ambiances
    EngineState engine;
    engine.PrepareCalculation(doc, InputsFromDocument(doc));
    for (int h = 0; h < kRunHours; ++h)
        engine.AdvanceHour(doc, true, true);
    const RunView& run = engine.View();
    std::vector<FineBoundary> hours;
    for (std::size_t h = 0; h < run.Series(SeriesId::ExteriorTemperature).size(); ++h)
        hours.push_back({ run.Series(SeriesId::ExteriorTemperature)[h],
            run.Series(SeriesId::ExteriorFlux)[h], run.Series(SeriesId::InteriorTemperature)[h],
            run.Series(SeriesId::InteriorFlux)[h] });
    const std::vector<SiLayer> layers = SiWallFromProject(doc.layers, doc.surfaces)->layers;
    const SurfaceCoefficients& s = run.surfaces;
    const FineSurfaces surfaces { s.exchangeExterior, s.exchangeInterior, s.absorptionExterior,
        s.absorptionInterior };
    for (auto _ : state) {
        // Mesh, matrices and factors, the steady start, then the week.
        FineStepper stepper(layers, surfaces);
        stepper.SolveSteadyState(hours[0]);
        double interior = 0;
        for (std::size_t h = 1; h < hours.size(); ++h)
            interior += stepper.AdvanceHour(hours[h - 1], hours[h]).interiorSurface;
        benchmark::DoNotOptimize(interior);
        state.counters["nodes"] = stepper.Mesh().NodeCount();
    }
}

// The engine's week in the fine mode: preparation (mesh, factors, profiles, the steady hour 0)
// and 168 hours with results rows and read-outs, as EngineWeek/0/0 does in the standard mode.
void FineEngineWeek(benchmark::State& state)
{
    KslDoc doc;
    CalculationInputs inputs = InputsFromDocument(doc);
    inputs.mode = CalculationMode::Fine;
    for (auto _ : state) {
        EngineState engine;
        engine.PrepareCalculation(doc, inputs);
        for (int h = 0; h < kRunHours; ++h)
            engine.AdvanceHour(doc, true, true);
        benchmark::DoNotOptimize(engine.View().nodes.T.data());
        state.counters["nodes"] = engine.View().NodeCount();
    }
    state.SetLabel("default wall, fine mode");
}

} // namespace

BENCHMARK(FineWeek)->Unit(benchmark::kMicrosecond);
BENCHMARK(FineEngineWeek)->Unit(benchmark::kMillisecond);
