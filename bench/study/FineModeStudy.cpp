// The measurements behind the fine mode's choices (docs/engine.md, "Fine mode"): errors of the
// periodic response against EN ISO 13786 and of the step response against the erfc solution,
// and the cost of a week, for meshes, mass matrices, time schemes and sub-step counts.
#include "engine/DynamicCharacteristics.h"
#include "engine/FineStepper.h"
#include "validation/ReferenceSolutions.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace quelvan;

const SiLayer kConcrete { 0.2, 2, 2450, 1000 };
const SiLayer kPolystyrene { 0.1, 0.037, 25, 1450 };
const SiLayer kGlassWool { 0.05, 0.041, 15, 1030 };
const SiLayer kPlaster { 0.01, 0.43, 1050, 1000 };

struct Wall {
    const char* name;
    std::vector<SiLayer> layers;
};
const Wall kWalls[] = {
    { "concrete", { kConcrete } },
    { "EPS+concrete", { kPolystyrene, kConcrete } },
    { "concrete+EPS", { kConcrete, kPolystyrene } },
    { "default", { kConcrete, kGlassWool, kPlaster } },
};
constexpr double kRse = 0.04;
constexpr double kRsi = 0.13;
const FineSurfaces kSurfaces { 1 / kRse, 1 / kRsi, 0.0, 0.0 };

struct Errors {
    double y12 = 0; // worst |relative error| of |Y12| against the exact value, %
    double y12Discrete = 0; // the same against the exact response to the interpolated input, %
    double shift = 0; // worst |error| of the time shift, h
};

// Exterior 20 + 10 cos(2π t / 24 h) sampled hourly, interior 20, run until periodic.
Errors Periodic(const FineSettings& settings)
{
    Errors worst;
    // The daily harmonic of an hourly-sampled wave interpolated linearly is (sin(π/24) / (π/24))².
    const double x = std::numbers::pi / 24;
    const double interpolation = std::pow(std::sin(x) / x, 2);
    for (const Wall& w : kWalls) {
        const auto exact = ComputeDynamicCharacteristics({ w.layers, kRse, kRsi });
        FineStepper stepper(w.layers, kSurfaces, settings);
        auto at = [](int h) {
            return FineBoundary { 20 + 10 * std::cos(2 * std::numbers::pi * h / 24), 0, 20, 0 };
        };
        stepper.SolveSteadyState(at(0));
        std::vector<double> drive, flux;
        const int days = 20;
        for (int h = 0; h < 24 * days; ++h) {
            stepper.AdvanceHour(at(h), at(h + 1));
            if (h + 1 > 24 * (days - 1)) {
                drive.push_back(at(h + 1).exteriorTemperature);
                flux.push_back(-stepper.SurfaceFluxes(at(h + 1)).interior); // into the room
            }
        }
        const auto d = validation::FundamentalHarmonic(drive);
        const auto q = validation::FundamentalHarmonic(flux);
        const double y12 = std::abs(q) / std::abs(d);
        const double shift = validation::LagHours(d, q, 24);
        worst.y12 = std::max(worst.y12, std::fabs(y12 / exact->y12 - 1) * 100);
        worst.y12Discrete
            = std::max(worst.y12Discrete, std::fabs(y12 / (exact->y12 * interpolation) - 1) * 100);
        double lag = std::fabs(shift - exact->shiftHours);
        worst.shift = std::max(worst.shift, std::min(lag, 24 - lag));
    }
    return worst;
}

// 3 m of concrete at 0 °C, its face exposed at t = 0 to 20 °C through R = 1e-6: worst error
// at depths 0 to 40 cm after 6, 24 and 72 h.
double Step(const FineSettings& settings)
{
    const SiLayer thick { 3.0, 2, 2450, 1000 };
    const double h = 1e6;
    FineStepper stepper({ thick }, { h, 1.0, 0, 0 }, settings);
    const double ends[] = { 0.0, 3.0 };
    const double zero[] = { 0.0, 0.0 };
    stepper.StartFrom(ends, zero);
    const FineBoundary air { 20, 0, 0, 0 };
    double worst = 0;
    for (int hour = 1; hour <= 72; ++hour) {
        stepper.AdvanceHour(air, air);
        if (hour != 6 && hour != 24 && hour != 72)
            continue;
        const auto& x = stepper.Mesh().Positions();
        for (std::size_t i = 0; i < x.size() && x[i] <= 0.4; ++i) {
            const double expected
                = validation::SemiInfiniteStepTemperature(x[i], hour * 3600.0, thick, h, 0, 20);
            worst = std::max(worst, std::fabs(stepper.Temperatures()[i] - expected));
        }
    }
    return worst;
}

// A week with sun: exterior 8 ± 6 °C with a cold front on day 3, a clear-day flux up to
// 700 W/m² (a = 0.6), the room at 21 °C by day and 17 °C by night, 50 W/m² on the interior face
// at midday.
FineBoundary SunnyWeek(int h)
{
    const double pi = std::numbers::pi;
    const double hour = h % 24;
    const double front = h > 60 && h < 90 ? 8 : 0;
    const double sun = hour > 6 && hour < 18 ? 700 * std::sin(pi * (hour - 6) / 12) : 0;
    return { 8 + 6 * std::sin(2 * pi * (hour - 9) / 24) - front, sun,
        hour >= 7 && hour < 22 ? 21.0 : 17.0, hour >= 12 && hour < 14 ? 50.0 : 0.0 };
}

struct Week {
    std::vector<double> surfaces; // T_se and T_si of every hour
    std::vector<double> interiorFlux; // q_si of every hour
};

Week RunWeek(const std::vector<SiLayer>& layers, const FineSettings& settings)
{
    FineStepper stepper(layers, { 25, 1 / kRsi, 0.6, 0.4 }, settings);
    stepper.SolveSteadyState(SunnyWeek(0));
    Week w;
    for (int h = 0; h < 168; ++h) {
        stepper.AdvanceHour(SunnyWeek(h), SunnyWeek(h + 1));
        w.surfaces.push_back(stepper.ExteriorSurfaceTemperature());
        w.surfaces.push_back(stepper.InteriorSurfaceTemperature());
        w.interiorFlux.push_back(stepper.SurfaceFluxes(SunnyWeek(h + 1)).interior);
    }
    return w;
}

const std::vector<SiLayer> kSandwich { { 0.0007, 72, 7870, 450 }, { 0.08, 0.039, 80, 1030 },
    { 0.0007, 72, 7870, 450 } };
const std::vector<SiLayer> kSevenLayers { { 0.015, 1.3, 1900, 1000 }, { 0.16, 2, 2450, 1000 },
    { 0.1, 0.037, 25, 1450 }, { 0.02, 0.031, 1, 1000 }, { 0.03, 0.15, 500, 1600 },
    { 0.013, 0.25, 825, 1000 }, { 0.005, 0.43, 1050, 1000 } };
const std::vector<SiLayer>* const kWeekWalls[] = { &kWalls[3].layers, &kSandwich, &kSevenLayers };

// Worst hourly error of the surface temperatures (K) and of q_si (W/m²) over the sunny week of
// the default wall, the steel sandwich and the seven-layer wall, against 720 sub-steps per hour
// on cells of δ/64.
std::pair<double, double> SunnyWeekErrors(const FineSettings& settings)
{
    static std::vector<Week> references;
    if (references.empty()) {
        FineSettings fine;
        fine.subStepsPerHour = 720;
        fine.mesh.cellsPerPenetrationDepth = 64;
        for (const auto* layers : kWeekWalls)
            references.push_back(RunWeek(*layers, fine));
    }
    double temperature = 0, flux = 0;
    for (std::size_t w = 0; w < references.size(); ++w) {
        const Week week = RunWeek(*kWeekWalls[w], settings);
        for (std::size_t i = 0; i < week.surfaces.size(); ++i)
            temperature
                = std::max(temperature, std::fabs(week.surfaces[i] - references[w].surfaces[i]));
        for (std::size_t i = 0; i < week.interiorFlux.size(); ++i)
            flux = std::max(flux, std::fabs(week.interiorFlux[i] - references[w].interiorFlux[i]));
    }
    return { temperature, flux };
}

// Both surface resistances 0 (h = 2e6 W/(m².K)), exterior 5 °C with 25 °C from 8 h to 18 h read
// at whole hours, interior 20 °C, three days: worst hourly error of both surface fluxes over
// the default wall and the steel sandwich against 720 sub-steps per hour on cells of δ/64.
double BareSurfaceFluxError(const FineSettings& settings)
{
    const auto at = [](int h) {
        return FineBoundary { h % 24 >= 8 && h % 24 < 18 ? 25.0 : 5.0, 0, 20, 0 };
    };
    const auto fluxes = [&at](const std::vector<SiLayer>& layers, const FineSettings& s) {
        FineStepper stepper(layers, { 2e6, 2e6, 0, 0 }, s);
        stepper.SolveSteadyState(at(0));
        std::vector<double> q;
        for (int h = 0; h < 72; ++h) {
            stepper.AdvanceHour(at(h), at(h + 1));
            q.push_back(stepper.SurfaceFluxes(at(h + 1)).exterior);
            q.push_back(stepper.SurfaceFluxes(at(h + 1)).interior);
        }
        return q;
    };
    FineSettings converged;
    converged.subStepsPerHour = 720;
    converged.mesh.cellsPerPenetrationDepth = 64;
    double worst = 0;
    for (const auto* layers : { &kWalls[3].layers, &kSandwich }) {
        const std::vector<double> reference = fluxes(*layers, converged);
        const std::vector<double> q = fluxes(*layers, settings);
        for (std::size_t i = 0; i < q.size(); ++i)
            worst = std::max(worst, std::fabs(q[i] - reference[i]));
    }
    return worst;
}

// Processor microseconds of one week of the default wall.
double WeekCost(const FineSettings& settings)
{
    const auto& layers = kWalls[3].layers;
    const int repeats = 200;
    const std::clock_t start = std::clock();
    double sink = 0;
    for (int r = 0; r < repeats; ++r) {
        FineStepper stepper(layers, kSurfaces, settings);
        stepper.SolveSteadyState(SunnyWeek(0));
        for (int h = 0; h < 168; ++h)
            sink += stepper.AdvanceHour(SunnyWeek(h), SunnyWeek(h + 1)).interiorSurface;
    }
    const double spent = 1e6 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    if (sink == 12345.678) // keeps the work
        std::puts("");
    return spent / repeats;
}

std::string SchemeName(const FineSettings& s)
{
    if (s.scheme == FineTimeScheme::ImplicitEuler)
        return "implicit Euler";
    return s.startupSubSteps == 0 ? "Crank-Nicolson"
                                  : "CN + " + std::to_string(2 * s.startupSubSteps)
            + " IE half-steps" + (s.dampEveryHour ? " every hour" : " at a start");
}

int NodeCount(const FineSettings& s)
{
    return FineMesh(kWalls[3].layers, s.mesh).NodeCount();
}

void Row(const FineSettings& s)
{
    const Errors e = Periodic(s);
    const auto [temperature, flux] = SunnyWeekErrors(s);
    std::printf(
        "| %g | %d | %s | %s | %d | %d | %.2f %% | %.2f %% | %.3f h | %.4f K | %.4f K | %.3f W/m² "
        "| %.2f W/m² | %.0f µs |\n",
        s.mesh.cellsPerPenetrationDepth, s.mesh.minimumCellsPerLayer,
        s.mass == FineMassMatrix::Consistent ? "consistent" : "lumped", SchemeName(s).c_str(),
        s.subStepsPerHour, NodeCount(s), e.y12, e.y12Discrete, e.shift, Step(s), temperature, flux,
        BareSurfaceFluxError(s), WeekCost(s));
}

} // namespace

int main()
{
    std::puts("Periodic: worst over 200 mm concrete, 100 mm EPS + 200 mm concrete, the reverse and "
              "the default wall;\n|Y12| error against EN ISO 13786, then against its value for the "
              "hourly samples interpolated linearly (x (sin(pi/24)/(pi/24))^2 = 0.99430).\n"
              "Step: worst error of the erfc case at 6, 24, 72 h. Sunny week: worst hourly error "
              "of the surface temperatures and of q_si (default wall, steel sandwich, seven "
              "layers)\nagainst 720 sub-steps on cells of δ/64. R = 0: worst hourly error of both "
              "surface fluxes, both surface resistances 0,\nthree days of a 5/25 °C square wave "
              "(default wall, steel sandwich), against the same. Cost: processor time of a week "
              "of the default wall.\n");
    std::puts(
        "| cells/δ | min cells | mass | scheme | sub-steps/h | nodes (default wall) | |Y12| | "
        "|Y12| discrete | shift | step | week T | week q_si | R = 0 | cost |");
    std::puts("|---|---|---|---|---|---|---|---|---|---|---|---|---|---|");
    // The mesh rule alone (no minimum count), with 60 sub-steps so that the time error does not
    // count.
    for (FineMassMatrix mass : { FineMassMatrix::Consistent, FineMassMatrix::Lumped })
        for (double f : { 3.0, 4.0, 6.0, 8.0, 12.0, 16.0 }) {
            FineSettings s;
            s.subStepsPerHour = 60;
            s.mass = mass;
            s.mesh.cellsPerPenetrationDepth = f;
            s.mesh.minimumCellsPerLayer = 1;
            Row(s);
        }
    // The time scheme, on the default mesh.
    for (int steps : { 1, 2, 3, 4, 6, 12 }) {
        FineSettings s;
        s.subStepsPerHour = steps;
        Row(s);
    }
    for (int startup : { 0, 2 }) {
        FineSettings s;
        s.startupSubSteps = startup;
        Row(s);
    }
    // Damping the stiff components only after a start or a jump, as the mode first did.
    for (int steps : { 6, 12 }) {
        FineSettings s;
        s.subStepsPerHour = steps;
        s.dampEveryHour = false;
        Row(s);
    }
    for (int steps : { 4, 12, 30, 60, 120 }) {
        FineSettings s;
        s.scheme = FineTimeScheme::ImplicitEuler;
        s.subStepsPerHour = steps;
        Row(s);
    }
    return 0;
}
