// Sun position, extraterrestrial irradiation and the daily shapes of the typical-year
// synthesis, against published worked examples and hand calculations.

#include "support/CaseNames.h"
#include "weather/DiurnalCurves.h"
#include "weather/SolarPosition.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace quelvan;
using namespace quelvan::weather;

namespace {

const Site kLyon { 45.7261, 4.9378, 1.0 };

TEST(SolarPosition, FaoWorkedExampleAt20SouthOn3September)
{
    // FAO-56 examples 8 and 9: Ra = 32.2 MJ/m² a day and N = 11.7 h at 20° S on 3 September.
    EXPECT_NEAR(
        DailyExtraterrestrialIrradiation(-20.0, 246), 32.2 / 3.6 * 1000.0, 0.1 / 3.6 * 1000.0);
    EXPECT_NEAR(AstronomicalDayLength(-20.0, 246), 11.7, 0.05);
}

TEST(SolarPosition, SolarNoonAtLyonAndItsHeight)
{
    // 21 June: solar noon = 13 h − 4 min × 4.94 − equation of time (−1.6 min) ≈ 12:42 LST,
    // height 90 − 45.73 + 23.44 = 67.7°.
    double bestHour = 0.0;
    double bestHeight = -90.0;
    for (double h = 11.0; h <= 14.0; h += 1.0 / 60.0) {
        const SunPosition p = SunAt(kLyon, 172, h);
        if (p.height > bestHeight) {
            bestHeight = p.height;
            bestHour = h;
        }
    }
    EXPECT_NEAR(bestHour, 12.0 + 42.0 / 60.0, 2.0 / 60.0);
    EXPECT_NEAR(bestHeight, 67.7, 0.15);
    EXPECT_NEAR(SunAt(kLyon, 172, bestHour).azimuth, 0.0, 1.0);
    // 21 December: 90 − 45.73 − 23.44 = 20.8°.
    EXPECT_NEAR(SunAt(kLyon, 355, 12.0 + 34.0 / 60.0).height, 20.8, 0.2);
}

TEST(SolarPosition, AzimuthIsEastInTheMorningAndWestInTheAfternoon)
{
    EXPECT_LT(SunAt(kLyon, 80, 9.0).azimuth, -30.0);
    EXPECT_GT(SunAt(kLyon, 80, 16.0).azimuth, 30.0);
    // At the equinox the sun rises almost due east: azimuth near −90° at sunrise.
    const Daylight d = DaylightOf(kLyon, 80);
    EXPECT_NEAR(SunAt(kLyon, 80, d.sunrise).azimuth, -90.0, 2.0);
    EXPECT_NEAR(SunAt(kLyon, 80, d.sunrise).height, 0.0, 0.3);
    EXPECT_NEAR(d.sunset - d.sunrise, 12.0, 0.15);
}

TEST(SolarPosition, CalendarOfA365DayYear)
{
    EXPECT_EQ(FirstDayOfMonth(1), 0);
    EXPECT_EQ(FirstDayOfMonth(3), 59);
    EXPECT_EQ(FirstDayOfMonth(12), 334);
    EXPECT_EQ(MonthOfDay(58), 2);
    EXPECT_EQ(MonthOfDay(59), 3);
    EXPECT_EQ(MonthOfDay(364), 12);
    int total = 0;
    for (int m = 1; m <= 12; ++m)
        total += DaysInMonth(m);
    EXPECT_EQ(total, 365);
}

struct SunlitCase {
    double hourEnd;
    double length;
    double middle;
    friend void PrintTo(const SunlitCase& c, std::ostream* os)
    {
        *os << "hour ending at " << quelvan::test::Number(c.hourEnd);
    }
};

class SunlitPartTest : public ::testing::TestWithParam<SunlitCase> { };

TEST_P(SunlitPartTest, CutsTheHourAtSunriseAndSunset)
{
    const Daylight day { 6.3, 18.6 };
    const SunlitPart part = SunlitPartOfHour(day, GetParam().hourEnd);
    EXPECT_NEAR(part.length, GetParam().length, 1e-12);
    EXPECT_NEAR(part.middle, GetParam().middle, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Hours, SunlitPartTest,
    ::testing::Values(SunlitCase { 6.0, 0.0, 5.5 }, SunlitCase { 7.0, 0.7, 6.65 },
        SunlitCase { 12.0, 1.0, 11.5 }, SunlitCase { 19.0, 0.6, 18.3 },
        SunlitCase { 20.0, 0.0, 19.5 }));

TEST(DiurnalCurves, SpreadKeepsTheTotalAndRespectsTheCaps)
{
    // 10 over equal weights with the first hour capped at 2: 2, 4, 4.
    const std::vector<double> a = SpreadWithCaps(10.0, { 1.0, 1.0, 1.0 }, { 2.0, 10.0, 10.0 });
    EXPECT_NEAR(a[0], 2.0, 1e-12);
    EXPECT_NEAR(a[1], 4.0, 1e-12);
    EXPECT_NEAR(a[2], 4.0, 1e-12);
    // More than the caps allow: every hour at its cap.
    const std::vector<double> b = SpreadWithCaps(100.0, { 1.0, 2.0 }, { 3.0, 4.0 });
    EXPECT_NEAR(b[0], 3.0, 1e-12);
    EXPECT_NEAR(b[1], 4.0, 1e-12);
    // Uncapped: proportional.
    const std::vector<double> c = SpreadWithCaps(6.0, { 1.0, 2.0, 0.0 }, { 9.0, 9.0, 9.0 });
    EXPECT_NEAR(c[0], 2.0, 1e-12);
    EXPECT_NEAR(c[1], 4.0, 1e-12);
    EXPECT_EQ(c[2], 0.0);
}

TEST(DiurnalCurves, TemperatureCurveIsContinuousAndReachesItsExtremes)
{
    const TemperatureDay previous { 2.0, 12.0, 7.0, 17.0 };
    const TemperatureDay day { 4.0, 14.0, 7.0, 17.0 };
    const TemperatureDay next { 6.0, 16.0, 7.0, 17.0 };
    // The minimum is reached 0.17 h before sunrise, the maximum 1.86 h after solar noon.
    EXPECT_NEAR(PartonLoganTemperature(previous, day, next, 7.0 - 0.17), 4.0, 1e-9);
    EXPECT_NEAR(PartonLoganTemperature(previous, day, next, 12.0 - 0.17 + 1.86), 14.0, 1e-9);
    // No jump anywhere in the day, including sunrise and sunset.
    double last = PartonLoganTemperature(previous, day, next, 0.001);
    for (double t = 0.002; t <= 24.0; t += 0.001) {
        const double v = PartonLoganTemperature(previous, day, next, t);
        ASSERT_LT(std::abs(v - last), 0.01) << "t = " << t;
        last = v;
    }
    // Midnight belongs to both days.
    EXPECT_NEAR(PartonLoganTemperature(previous, day, next, 24.0),
        PartonLoganTemperature(day, next, TemperatureDay { 8.0, 18.0, 7.0, 17.0 }, 0.0), 1e-9);
}

TEST(DiurnalCurves, ClearSkyAndDiffuseFraction)
{
    EXPECT_NEAR(ClearSkyGlobal(1.0), 1098.0 * std::exp(-0.059), 1e-9);
    EXPECT_EQ(ClearSkyGlobal(0.0), 0.0);
    // The correlation's three pieces meet at their bounds.
    EXPECT_NEAR(DiffuseFraction(0.22), 1.0 - 0.09 * 0.22, 0.002);
    EXPECT_NEAR(DiffuseFraction(0.7999), 0.165, 0.01);
    EXPECT_DOUBLE_EQ(DiffuseFraction(0.9), 0.165);
    EXPECT_DOUBLE_EQ(DiffuseFraction(0.0), 1.0);
}

TEST(DiurnalCurves, HourlyShareIsLargestAtNoonAndNothingOutsideTheDay)
{
    const double ws = 1.6; // radians, a long day
    EXPECT_GT(HourlyShareWeight(0.0, ws, 1.0), HourlyShareWeight(0.5, ws, 1.0));
    EXPECT_NEAR(HourlyShareWeight(0.5, ws, 1.0), HourlyShareWeight(-0.5, ws, 1.0), 1e-12);
    EXPECT_EQ(HourlyShareWeight(ws + 0.1, ws, 1.0), 0.0);
    EXPECT_EQ(HourlyShareWeight(0.0, ws, 0.0), 0.0);
}

} // namespace
