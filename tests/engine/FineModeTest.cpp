// The fine mode against solutions computed without it: the exact periodic response (complex
// transfer matrices, checked on their own in DynamicCharacteristicsTest), the semi-infinite
// body, series resistances, the heat of a half period, and the heat balance of a week.
#include "engine/DynamicCharacteristics.h"
#include "engine/FineStepper.h"
#include "engine/validation/ReferenceSolutions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace quelvan {
namespace {

using validation::FundamentalHarmonic;

constexpr double kPi = std::numbers::pi;
const DynamicLayer kConcrete { 0.2, 2, 2450, 1000 }; // "Béton lourd"
const DynamicLayer kPolystyrene { 0.1, 0.037, 25, 1450 }; // "Polystyrène expansé"
const DynamicLayer kGlassWool { 0.05, 0.041, 15, 1030 }; // "Laine de verre"
const DynamicLayer kPlaster { 0.01, 0.43, 1050, 1000 }; // "Plâtre"
const std::vector<DynamicLayer> kDefaultWall { kConcrete, kGlassWool, kPlaster };
constexpr double kRse = 0.04;
constexpr double kRsi = 0.13;
const FineSurfaces kNoSun { 1 / kRse, 1 / kRsi, 0, 0 };

// Exterior air mean ± amplitude over 24 h, sampled at whole hours as the engine hands them,
// interior air constant at the mean.
FineBoundary DailyWave(int hour, double mean, double amplitude)
{
    return { mean + amplitude * std::cos(2 * kPi * hour / 24), 0, mean, 0 };
}

struct PeriodicCase {
    const char* name;
    std::vector<DynamicLayer> layers;
    friend void PrintTo(const PeriodicCase& c, std::ostream* os) { *os << c.name; }
};
class FinePeriodicResponse : public ::testing::TestWithParam<PeriodicCase> { };

TEST_P(FinePeriodicResponse, InteriorFluxFollowsThePeriodicTransmittance)
{
    const auto exact = ComputeDynamicCharacteristics({ GetParam().layers, kRse, kRsi });
    ASSERT_TRUE(exact.has_value());
    FineStepper stepper(GetParam().layers, kNoSun);
    stepper.SolveSteadyState(DailyWave(0, 20, 10));
    std::vector<double> drive, intoRoom; // the last of 15 days
    for (int h = 0; h < 15 * 24; ++h) {
        const FineBoundary end = DailyWave(h + 1, 20, 10);
        stepper.AdvanceHour(DailyWave(h, 20, 10), end);
        if (h >= 14 * 24) {
            drive.push_back(end.exteriorTemperature);
            intoRoom.push_back(-stepper.SurfaceFluxes(end).interior);
        }
    }
    const auto d = FundamentalHarmonic(drive);
    const auto q = FundamentalHarmonic(intoRoom);
    EXPECT_NEAR(std::abs(q) / std::abs(d), exact->y12, 0.01 * exact->y12);
    EXPECT_NEAR(validation::LagHours(d, q, 24), exact->shiftHours, 0.1);
}
INSTANTIATE_TEST_SUITE_P(Walls, FinePeriodicResponse,
    ::testing::Values(PeriodicCase { "concrete", { kConcrete } },
        PeriodicCase { "polystyrene_outside_concrete", { kPolystyrene, kConcrete } },
        PeriodicCase { "concrete_outside_polystyrene", { kConcrete, kPolystyrene } }));

TEST(FineStepResponse, SemiInfiniteBodyFollowsTheErfcSolution)
{
    // 3 m of concrete: at 72 h the far face is 4.4 diffusion lengths away.
    const DynamicLayer thick { 3.0, 2, 2450, 1000 };
    const double exchange = 1e6; // R_se = 1e-6: the face takes the air temperature
    FineStepper stepper({ thick }, { exchange, 1.0, 0, 0 });
    const std::vector<double> ends { 0.0, 3.0 };
    stepper.StartFrom(ends, std::vector<double> { 5.0, 5.0 });
    const FineBoundary air { 25, 0, 5, 0 };
    const auto& x = stepper.Mesh().Positions();
    for (int hour = 1; hour <= 72; ++hour) {
        stepper.AdvanceHour(air, air);
        if (hour != 6 && hour != 24 && hour != 72)
            continue;
        for (double depth : { 0.05, 0.1, 0.2, 0.4 }) {
            std::size_t i = 0;
            while (x[i + 1] <= depth)
                ++i;
            const double expected = validation::SemiInfiniteStepTemperature(
                x[i], hour * 3600.0, thick, exchange, 5, 25);
            EXPECT_NEAR(stepper.Temperatures()[i], expected, 0.05)
                << "depth " << x[i] << " m after " << hour << " h";
        }
    }
}

// Node indices of the faces and of the interfaces between layers.
std::vector<std::size_t> InterfaceNodes(const FineMesh& mesh)
{
    std::vector<std::size_t> nodes { 0 };
    for (int cells : mesh.CellsPerLayer())
        nodes.push_back(nodes.back() + static_cast<std::size_t>(cells));
    return nodes;
}

TEST(FineSteadyState, MatchesSeriesResistancesAndStays)
{
    FineStepper stepper(kDefaultWall, kNoSun);
    const FineBoundary values { -5, 0, 20, 0 };
    const std::vector<double> expected
        = validation::SeriesResistanceTemperatures({ kDefaultWall, kRse, kRsi }, -5, 20);
    const double flux = (20 - expected.back()) / kRsi; // from the room toward the exterior
    stepper.SolveSteadyState(values);
    for (int pass = 0; pass < 2; ++pass) {
        const std::vector<std::size_t> nodes = InterfaceNodes(stepper.Mesh());
        ASSERT_EQ(nodes.size(), expected.size());
        for (std::size_t k = 0; k < nodes.size(); ++k)
            EXPECT_NEAR(stepper.Temperatures()[nodes[k]], expected[k], 0.001) << "pass " << pass;
        EXPECT_NEAR(stepper.SurfaceFluxes(values).interior, flux, 1e-6 * flux);
        EXPECT_NEAR(stepper.SurfaceFluxes(values).exterior, flux, 1e-6 * flux);
        std::vector<double> phi;
        stepper.NodeFluxDensities(values, phi);
        for (double p : phi)
            ASSERT_NEAR(p, -flux, 1e-6 * flux);
        for (int h = 0; h < 24; ++h)
            stepper.AdvanceHour(values, values);
    }
}

TEST(FineStart, TemperaturesOfAnotherMeshAreInterpolatedAtTheNodes)
{
    // The steady profile on the hourly method's five cells per layer is piecewise linear with
    // its kinks at nodes, so the fine nodes must land on the series-resistance line.
    const std::vector<double> faces
        = validation::SeriesResistanceTemperatures({ kDefaultWall, kRse, kRsi }, -5, 20);
    std::vector<double> positions { 0.0 }, temperatures { faces[0] };
    for (std::size_t k = 0; k < kDefaultWall.size(); ++k)
        for (int j = 1; j <= 5; ++j) {
            positions.push_back(positions[5 * k] + kDefaultWall[k].thickness * j / 5);
            temperatures.push_back(faces[k] + (faces[k + 1] - faces[k]) * j / 5);
        }
    FineStepper stepper(kDefaultWall, kNoSun);
    stepper.StartFrom(positions, temperatures);
    FineStepper steady(kDefaultWall, kNoSun);
    steady.SolveSteadyState({ -5, 0, 20, 0 });
    for (std::size_t i = 0; i < steady.Temperatures().size(); ++i)
        ASSERT_NEAR(stepper.Temperatures()[i], steady.Temperatures()[i], 1e-9) << "node " << i;
}

TEST(FineHalfPeriodHeat, HeatIntoTheRoomOverTheLastDayMatchesTheExactWave)
{
    // 20 ± 15 °C outside, 20 °C inside: the heat entering the room while the flux enters it is
    // the swing of the cumulated interior surface heat over a day, twice its daily harmonic.
    const auto exact = ComputeDynamicCharacteristics({ kDefaultWall, kRse, kRsi });
    ASSERT_TRUE(exact.has_value());
    FineStepper stepper(kDefaultWall, kNoSun);
    stepper.SolveSteadyState(DailyWave(0, 20, 15));
    double cumulated = 0;
    std::vector<double> lastDay;
    for (int h = 0; h < 15 * 24; ++h) {
        cumulated
            += stepper.AdvanceHour(DailyWave(h, 20, 15), DailyWave(h + 1, 20, 15)).interiorSurface;
        if (h >= 14 * 24)
            lastDay.push_back(cumulated);
    }
    const double expected = validation::HalfPeriodHeat(15 * exact->y12, 24);
    EXPECT_NEAR(2 * std::abs(FundamentalHarmonic(lastDay)), expected, 0.01 * expected);
}

// Heat held by the wall, ∫ ρ c T dx over the linear field, each cell's material found by its
// middle among the layers.
double HeldHeat(const std::vector<DynamicLayer>& layers, const FineStepper& stepper)
{
    const auto& x = stepper.Mesh().Positions();
    const auto& t = stepper.Temperatures();
    double heat = 0;
    for (std::size_t j = 0; j + 1 < x.size(); ++j) {
        double end = 0;
        std::size_t k = 0;
        while ((end += layers[k].thickness) < (x[j] + x[j + 1]) / 2)
            ++k;
        heat += layers[k].density * layers[k].heatCapacity * (x[j + 1] - x[j]) * (t[j] + t[j + 1])
            / 2;
    }
    return heat;
}

TEST(FineEnergy, HeatHeldByTheWallEqualsTheIntegratedSurfaceHeat)
{
    // A week of sun, a cold front, a room on a day/night schedule, and two jumps of the
    // boundary values at whole hours (which restart the implicit Euler damping).
    auto at = [](int h) -> FineBoundary {
        const double hour = h % 24;
        const double sun = hour > 6 && hour < 18 ? 650 * std::sin(kPi * (hour - 6) / 12) : 0;
        return { 6 + 7 * std::sin(2 * kPi * (hour - 9) / 24) - (h > 60 && h < 90 ? 9 : 0), sun,
            hour >= 7 && hour < 22 ? 21.0 : 17.0, hour >= 12 && hour < 14 ? 40.0 : 0.0 };
    };
    const std::vector<DynamicLayer> layers { kPolystyrene, kConcrete, kGlassWool, kPlaster };
    FineStepper stepper(layers, { 1 / kRse, 1 / kRsi, 0.6, 0.3 });
    stepper.SolveSteadyState(at(0));
    const double start = HeldHeat(layers, stepper);
    double gained = 0;
    for (int h = 0; h < 168; ++h) {
        const bool held = h == 40 || h == 100; // the hour's start value held to its end
        gained += stepper.AdvanceHour(held ? at(h + 1) : at(h), at(h + 1)).Gain();
    }
    const double change = HeldHeat(layers, stepper) - start;
    ASSERT_GT(std::fabs(change), 1e6); // several MJ/m² really stored
    EXPECT_NEAR(gained, change, 1e-6 * std::fabs(change));
}

} // namespace
} // namespace quelvan
