// The moisture check of a seven-layer wall over a year of the monthly method: the usual check
// (goal: at most 2 ms of CPU) and with the layers cut into sub-layers of at most 0.05 K (goal:
// at most 20 ms).
#include "engine/moisture/MoistureCheck.h"
#include "engine/moisture/Psychrometrics.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>

namespace {

using namespace quelvan::moisture;

// Render, masonry, insulation between battens, a vapour retarder, an air gap, plasterboard and
// a plaster skim: an interface that condenses in winter and dries in summer.
MoistureWall SevenLayers()
{
    const auto layer = [](const char* name, double d, double lambda, double mu) {
        return MoistureLayer { name, d, d / lambda, mu * d };
    };
    MoistureWall wall;
    wall.layers = { layer("Enduit", 0.02, 1.3, 10), layer("Brique", 0.2, 0.6, 10),
        layer("Laine", 0.12, 0.04, 1), layer("Frein-vapeur", 0.0002, 0.2, 2500),
        layer("Lame d'air", 0.03, 0.18, 1), layer("Plaque", 0.0125, 0.25, 4),
        layer("Plâtre", 0.005, 0.43, 6) };
    return wall;
}

YearClimate Year()
{
    YearClimate year;
    for (int m = 0; m < 12; ++m) {
        const double thetaE = 10.0 - 9.0 * std::cos(2.0 * std::numbers::pi * m / 12.0);
        year[static_cast<std::size_t>(m)]
            = { thetaE, 0.85 * SaturationPressure(thetaE), 20.0, 0.6 * SaturationPressure(20.0) };
    }
    return year;
}

// Arg 1: with sub-layers.
void MoistureYear(benchmark::State& state)
{
    const MoistureWall wall = SevenLayers();
    const YearClimate climate = Year();
    const CheckOptions options { state.range(0) != 0, 0.05 };
    for (auto _ : state) {
        const CondensationResult result = CheckCondensation(wall, climate, options);
        state.counters["layers"] = result.subLayers;
        benchmark::DoNotOptimize(result.maxTotalGPerM2);
    }
}

} // namespace

BENCHMARK(MoistureYear)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
