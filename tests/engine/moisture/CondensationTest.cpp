// The monthly method against the published Sevilla January profile and hand reasoning, and
// the properties any sound year must have.
#include "engine/moisture/MoistureCheck.h"
#include "engine/moisture/VapourProfile.h"

#include "engine/moisture/MoistureTestSupport.h"

#include <gtest/gtest.h>

namespace quelvan::moisture {
namespace {

using test::Layer;

// Outside to inside: half-foot brick, light mortar, EPS, hollow brick, gypsum; Sevilla in
// January (10.7 °C / 79 %), 20 °C / 55 % inside.
MoistureWall SevillaWall()
{
    MoistureWall wall;
    wall.layers = { Layer("Ladrillo", 0.11, 0.69, 10), Layer("Mortero", 0.01, 0.41, 10),
        Layer("EPS", 0.03, 0.037, 20), Layer("Tabicón", 0.03, 0.44, 10),
        Layer("Yeso", 0.01, 0.57, 6) };
    return wall;
}

TEST(Condensation, SevillaJanuaryProfileMatchesThePublishedOne)
{
    const CondensationResult r
        = CheckCondensation(SevillaWall(), test::SteadyYear(10.7, 0.79, 20.0, 0.55));
    EXPECT_NEAR(r.uValue, 0.80, 0.005);
    EXPECT_NEAR(r.totalSd, 2.16, 1e-12);
    EXPECT_EQ(r.verdict, Verdict::None);
    EXPECT_EQ(r.startMonth, 0);
    const MonthResult& jan = r.months[0];
    EXPECT_NEAR(jan.climate.pE, 1016.00, 0.005);
    EXPECT_NEAR(jan.climate.pI, 1285.32, 0.005);
    const double theta[] = { 11.0, 12.2, 12.4, 18.4, 18.9, 19.0 };
    const double p[] = { 1016.00, 1153.16, 1165.62, 1240.44, 1277.84, 1285.32 };
    ASSERT_EQ(jan.interfaces.size(), 6U);
    for (std::size_t j = 0; j < 6; ++j) {
        EXPECT_NEAR(jan.interfaces[j].thetaC, theta[j], 0.05) << j;
        EXPECT_NEAR(jan.interfaces[j].pPa, p[j], 0.005) << j;
        EXPECT_LE(jan.interfaces[j].pPa, jan.interfaces[j].psatPa) << j;
    }
    EXPECT_NEAR(jan.interfaces[0].xM, 0.0, 1e-15);
    EXPECT_NEAR(jan.interfaces[5].xM, 0.19, 1e-12);
}

// A vapour barrier on the warm side of the insulation keeps the wall dry; the same barrier on
// its cold side makes the interior vapour condense at its face. By hand, in January (0 °C /
// 80 % out, 20 °C / 50 % in): the concrete | wool interface is at about 1 °C (psat ≈ 657 Pa);
// the straight line reaches it at 488 + 16/116.2 × 680 ≈ 582 Pa with the barrier inside, and
// at nearly pi = 1168 Pa with the barrier outside the wool.
TEST(Condensation, BarrierOnTheWarmSideKeepsTheWallDryOnTheColdSideNot)
{
    const YearClimate winter = test::SteadyYear(0.0, 0.8, 20.0, 0.5);
    EXPECT_EQ(CheckCondensation(test::InsideInsulated(100.0), winter).verdict, Verdict::None);

    MoistureWall cold = test::InsideInsulated(0.0);
    cold.layers.insert(cold.layers.begin() + 1, Layer("Pare-vapeur", 0.0002, 0.33, 0, 100.0));
    const CondensationResult r = CheckCondensation(cold, winter);
    EXPECT_EQ(r.verdict, Verdict::Accumulates);
    EXPECT_EQ(r.maxLocation, "Pare-vapeur | Laine");
    EXPECT_GT(r.maxTotalGPerM2, 0.0);
}

// A temperate year with a vapour retarder of s_d 2 m: the wall condenses in winter and dries in
// summer; the held water rises, then returns to zero and stays there. Without the retarder the
// same year accumulates.
TEST(Condensation, WaterHeldInWinterDriesInSummer)
{
    // References from a separate year loop written for these tests (Python, same method).
    const CondensationResult bare
        = CheckCondensation(test::InsideInsulated(0.0), test::TemperateYear(0.6));
    EXPECT_EQ(bare.verdict, Verdict::Accumulates);
    EXPECT_NEAR(bare.maxTotalGPerM2, 10894.4, 0.5);
    EXPECT_NEAR(bare.endTotalGPerM2, 1455.7, 0.5);
    const CondensationResult r
        = CheckCondensation(test::InsideInsulated(2.0), test::TemperateYear(0.6));
    ASSERT_EQ(r.verdict, Verdict::Evaporates);
    EXPECT_NEAR(r.maxTotalGPerM2, 711.6, 0.5);
    EXPECT_EQ(r.dryMonth, 9);
    EXPECT_EQ(r.startMonth, 10);
    EXPECT_EQ(r.months.front().month, r.startMonth);
    EXPECT_EQ(r.maxLocation, "Béton | Laine");
    EXPECT_GT(r.dryMonth, 0);
    EXPECT_DOUBLE_EQ(r.endTotalGPerM2, 0.0);
    bool dried = false;
    for (const MonthResult& m : r.months) {
        for (const LocationWater& w : m.condensation)
            EXPECT_GE(w.heldGPerM2, 0.0) << m.month;
        if (dried) {
            EXPECT_EQ(m.heldTotalGPerM2, 0.0) << m.month;
        }
        dried = dried || m.month == r.dryMonth;
    }
}

// Raising a warm-side s_d can only lower the water held; the usual year loop breaks this on
// walls whose interfaces exchange vapour.
TEST(Condensation, WarmSideResistanceNeverRaisesTheMaximum)
{
    const YearClimate year = test::TemperateYear(0.65);
    for (const bool fine : { false, true }) {
        double previous = 1e300;
        for (const double sd : { 0.02, 0.1, 0.3, 1.0, 3.0, 10.0 }) {
            MoistureWall wall = test::InsideInsulated(sd);
            // A second, colder trap: a render with its own s_d outside the concrete.
            wall.layers.insert(wall.layers.begin(), Layer("Enduit", 0.02, 1.0, 0, 2.0));
            const double most = CheckCondensation(wall, year, { fine, 0.05 }).maxTotalGPerM2;
            EXPECT_LE(most, previous * (1 + 1e-12) + 1e-9) << sd << (fine ? " fine" : "");
            previous = most;
        }
    }
}

// With sub-layers, a condensation zone inside the concrete is found; halving the sub-layers'
// span changes the maximum less and less.
TEST(Condensation, FineMaximumConvergesAsSubLayersAreHalved)
{
    const MoistureWall wall = test::InsideInsulated(0.0);
    const YearClimate year = test::TemperateYear(0.6);
    const double coarse = CheckCondensation(wall, year).maxTotalGPerM2;
    double previous = CheckCondensation(wall, year, { true, 0.2 }).maxTotalGPerM2;
    double step = std::abs(previous - coarse) + 1.0;
    for (const double kelvin : { 0.1, 0.05, 0.025, 0.0125 }) {
        const CondensationResult r = CheckCondensation(wall, year, { true, kelvin });
        const double change = std::abs(r.maxTotalGPerM2 - previous);
        EXPECT_LE(change, step * 0.75 + 1e-6) << kelvin;
        step = change;
        previous = r.maxTotalGPerM2;
    }
    EXPECT_LT(step, 0.01 * previous);
}

} // namespace
} // namespace quelvan::moisture
