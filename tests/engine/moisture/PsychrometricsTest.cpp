// The saturation pressure, the interior humidity and the mould factor against published values
// (EN ISO 13788 formulas as quoted by public sources; DIN 4108-3 climate values).
#include "engine/moisture/Psychrometrics.h"
#include "engine/moisture/MoistureCheck.h"

#include "engine/moisture/MoistureTestSupport.h"

#include <gtest/gtest.h>

namespace quelvan::moisture {
namespace {

TEST(Psychrometrics, SaturationPressureMatchesPublishedValues)
{
    EXPECT_NEAR(SaturationPressure(20.0), 2336.95, 0.005);
    EXPECT_NEAR(SaturationPressure(0.0), 610.5, 1e-9);
    // Both branches meet at 0 °C.
    EXPECT_NEAR(SaturationPressure(-1e-9), 610.5, 1e-5);
    // The ice branch: the typo 267.5 in place of 265.5 gives 261.1.
    EXPECT_NEAR(SaturationPressure(-10.0), 259.33, 0.01);
    // DIN 4108-3 climate: 20 °C / 50 % and −5 °C / 80 %.
    EXPECT_NEAR(0.5 * SaturationPressure(20.0), 1168.5, 0.05);
    EXPECT_NEAR(0.8 * SaturationPressure(-5.0), 320.94, 0.05);
}

TEST(Psychrometrics, SaturationTemperatureInvertsBothBranches)
{
    for (const double theta : { -25.0, -10.0, -0.5, 0.0, 0.5, 7.0, 20.0, 35.0 })
        EXPECT_NEAR(SaturationTemperature(SaturationPressure(theta)), theta, 1e-9) << theta;
}

TEST(Psychrometrics, VapourExcessUsesTheMeanTemperatureInKelvin)
{
    // 6 g/m³ at 20 °C inside and 0 °C outside: 6e-3 × 462 × 283.15 = 784.9 Pa; the 1.10 factor
    // gives 863.4 Pa (a mean taken in °C would give 28 Pa).
    const double dp = VapourPressureExcess(ClassVapourExcess(3, 0.0), 20.0, 0.0);
    EXPECT_NEAR(dp, 784.9, 0.05);
    EXPECT_NEAR(kClassSafetyFactor * dp, 863.4, 0.05);
}

struct ClassCase {
    int humidityClass;
    double exteriorC;
    double excess;
};

class HumidityClassTest : public testing::TestWithParam<ClassCase> { };

TEST_P(HumidityClassTest, FallsLinearlyToZeroAtTwentyDegrees)
{
    const ClassCase& c = GetParam();
    EXPECT_DOUBLE_EQ(ClassVapourExcess(c.humidityClass, c.exteriorC), c.excess);
}

INSTANTIATE_TEST_SUITE_P(Classes, HumidityClassTest,
    testing::Values(ClassCase { 1, -5.0, 2.0 }, ClassCase { 2, 0.0, 4.0 },
        ClassCase { 3, 10.0, 3.0 }, ClassCase { 4, 15.0, 2.0 }, ClassCase { 5, 20.0, 0.0 },
        ClassCase { 5, 25.0, 0.0 }, ClassCase { 5, -12.0, 10.0 }));

struct MouldCase {
    double interiorHumidity;
    double frsiMin;
};

class MouldFactorTest : public testing::TestWithParam<MouldCase> { };

// f_Rsi,min at 5 °C outside and 20 °C inside with psat(20) = 2337 Pa (published to eight digits,
// the last on the ice branch).
TEST_P(MouldFactorTest, MatchesThePublishedFactor)
{
    YearClimate year = test::SteadyYear(5.0, 0.8, 20.0, 0.5);
    for (MonthClimate& month : year)
        month.pI = GetParam().interiorHumidity * 2337.0;
    const MouldResult mould = CheckMould(test::InsideInsulated(0.0), year);
    EXPECT_NEAR(mould.months[0].frsiMin, GetParam().frsiMin, 5e-9);
    EXPECT_NEAR(mould.frsiMax, GetParam().frsiMin, 5e-9);
}

INSTANTIATE_TEST_SUITE_P(Published, MouldFactorTest,
    testing::Values(MouldCase { 0.55, 0.60574531 }, MouldCase { 0.75, 0.930793648 },
        MouldCase { 0.20, -0.36882331 }));

TEST(MouldCheck, SkipsWarmMonthsAndComparesTheWallFactor)
{
    YearClimate year = test::TemperateYear(0.6);
    year[6].thetaE = 25.0; // July warmer than inside
    const MoistureWall wall = test::InsideInsulated(0.0);
    const MouldResult mould = CheckMould(wall, year);
    EXPECT_TRUE(mould.months[6].skipped);
    // R' = 0.04 + 0.1 + 2.439 + 0.05 + 0.25 with R_si = 0.25: f = 1 − 0.25 / R'.
    const double r = 0.04 + 0.1 + 0.1 / 0.041 + 0.0125 / 0.25 + 0.25;
    EXPECT_NEAR(mould.frsiWall, 1.0 - 0.25 / r, 1e-12);
    // The critical month is January, the coldest, at a fixed interior humidity.
    EXPECT_EQ(mould.criticalMonth, 1);
    EXPECT_EQ(mould.passes, mould.frsiWall > mould.frsiMax);
    EXPECT_TRUE(mould.passes);
}

} // namespace
} // namespace quelvan::moisture
