// Variant studies: one variant of the default wall (its project read back, its dynamic
// characteristics and its fine-mode week) and the insulation sweep of the default wall on a pool
// of 1 and 2 threads, timed in real time since the pool's gain is the wall-clock time.
#include "engine/variants/StudyRunner.h"
#include "engine/variants/VariantStudy.h"
#include "model/KslDoc.h"

#include <benchmark/benchmark.h>

namespace {

using namespace quelvan::variants;

VariantStudy InsulationSweep(const char* range)
{
    const quelvan::KslDoc base;
    VariantStudy study;
    study.AddProject(base, "mur");
    study.SetAxes(*BuildAxes(base, { { { AxisKind::Thickness, "2", range } }, false, {} }));
    return study;
}

void StudyVariant(benchmark::State& state)
{
    const VariantStudy study = InsulationSweep("50");
    for (auto _ : state)
        benchmark::DoNotOptimize(ComputeVariant(study, 0, {}));
}

// Arg: the threads. 200 variants, 1 to 200 mm of glass wool.
void StudySweep(benchmark::State& state)
{
    const VariantStudy study = InsulationSweep("1:200:1");
    const int jobs = static_cast<int>(state.range(0));
    for (auto _ : state) {
        std::size_t computed = 0;
        RunStudy(study, {}, { jobs, 0, 1 },
            [&computed](VariantResult&& r) { computed += r.outcome.figures ? 1 : 0; });
        benchmark::DoNotOptimize(computed);
    }
    state.counters["variants/s"] = benchmark::Counter(
        static_cast<double>(study.Count()), benchmark::Counter::kIsIterationInvariantRate);
}

} // namespace

BENCHMARK(StudyVariant)->Unit(benchmark::kMicrosecond);
BENCHMARK(StudySweep)->Arg(1)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond);
