// A year of the default wall through the annual balance, outside the Mâcon weather and the room
// at 20 °C: the preparation (the wall, the weather file's five columns, the sun on the face for
// 8760 hours) and the periodic passes in the fine mode and in the standard method.
#include "engine/annual/AnnualBalance.h"
#include "model/KslDoc.h"

#include <benchmark/benchmark.h>

namespace {

using namespace quelvan;

CalculationInputs WeatherInputs(KslDoc& doc)
{
    doc.selectedExterior = doc.exteriorAmbiances.At(11).Index(); // Mâcon
    doc.selectedInterior = 1; // 20 °C
    return InputsFromDocument(doc);
}

void AnnualPrepare(benchmark::State& state)
{
    KslDoc doc;
    const CalculationInputs inputs = WeatherInputs(doc);
    for (auto _ : state)
        benchmark::DoNotOptimize(annual::PrepareAnnualBalance(doc, inputs, CalculationMode::Fine));
}

// Arg 1: the fine mode, 0: the standard method.
void AnnualYear(benchmark::State& state)
{
    KslDoc doc;
    const CalculationMode mode = state.range(0) ? CalculationMode::Fine : CalculationMode::Standard;
    const auto problem = annual::PrepareAnnualBalance(doc, WeatherInputs(doc), mode);
    if (!problem) {
        state.SkipWithError("no weather file");
        return;
    }
    for (auto _ : state) {
        const auto result = annual::RunAnnualBalance(*problem);
        state.counters["passes"] = result ? result->passes : 0;
        benchmark::DoNotOptimize(result);
    }
}

} // namespace

BENCHMARK(AnnualPrepare)->Unit(benchmark::kMillisecond);
BENCHMARK(AnnualYear)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
