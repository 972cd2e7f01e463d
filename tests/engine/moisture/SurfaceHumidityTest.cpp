// The hours of the inner surface above 80 %: counted per month from hand-made hours, runs across
// the year's end counted whole, and the hourly interior vapour pressure of each humidity model.
#include "engine/moisture/SurfaceHumidity.h"
#include "engine/moisture/Psychrometrics.h"

#include <gtest/gtest.h>

namespace quelvan::moisture {
namespace {

// 8760 hours at 20 °C inside, the surface at 19 °C except the hours listed, at 14 °C. With 60 %
// inside, pi = 1402 Pa: 1402 / psat(19 °C) = 0.64, 1402 / psat(14 °C) = 0.88.
std::vector<annual::HourRecord> Hours(const std::vector<int>& coldHours)
{
    std::vector<annual::HourRecord> hours(kHoursPerYear);
    for (int h = 0; h < kHoursPerYear; ++h) {
        hours[static_cast<std::size_t>(h)].hour = h + 1;
        hours[static_cast<std::size_t>(h)].interiorTemperature = 20.0;
        hours[static_cast<std::size_t>(h)].interiorSurfaceTemperature = 19.0;
    }
    for (const int h : coldHours)
        hours[static_cast<std::size_t>(h - 1)].interiorSurfaceTemperature = 14.0;
    return hours;
}

HourlyHumidity Outside()
{
    return { std::vector<double>(kHoursPerYear, 5.0), std::vector<double>(kHoursPerYear, 80.0) };
}

TEST(SurfaceHumidity, CountsHumidHoursPerMonthAndTheLongestRunAcrossTheYearEnd)
{
    std::vector<int> cold;
    for (int h = 100; h < 110; ++h)
        cold.push_back(h); // 10 h in January
    for (int h = 745; h < 757; h += 2)
        cold.push_back(h); // 6 single hours in February
    for (int h = 8755; h <= 8760; ++h)
        cold.push_back(h); // 6 h at the end of December ...
    for (int h = 1; h <= 3; ++h)
        cold.push_back(h); // ... going on into January: a run of 9
    const SurfaceHumidityHours r = CountSurfaceHumidity(
        Hours(cold), Outside(), { InteriorHumidity::RelativeHumidity, 60.0, 20.0 });
    EXPECT_EQ(r.hoursAbove80[0], 13);
    EXPECT_EQ(r.hoursAbove80[1], 6);
    EXPECT_EQ(r.hoursAbove80[11], 6);
    EXPECT_EQ(r.hoursAbove80[5], 0);
    EXPECT_EQ(r.longestRunHours, 10);

    // At 40 % inside no hour reaches 80 %: 935 / psat(14 °C) = 0.59.
    const SurfaceHumidityHours dry = CountSurfaceHumidity(
        Hours(cold), Outside(), { InteriorHumidity::RelativeHumidity, 40.0, 20.0 });
    EXPECT_EQ(dry.longestRunHours, 0);
}

TEST(SurfaceHumidity, HourlyInteriorPressureFollowsItsModel)
{
    const ExteriorMonth january { 0.0, 500.0 };
    // Fixed humidity: at the hour's interior temperature.
    EXPECT_NEAR(HourlyInteriorPressure(
                    { InteriorHumidity::RelativeHumidity, 50.0, 20.0 }, 18.0, 450.0, january),
        0.5 * SaturationPressure(18.0), 1e-9);
    // Class 3 at 0 °C: the hour's exterior pressure plus 1.10 × 6e-3 × 462 × (273.15 + 9) Pa.
    EXPECT_NEAR(HourlyInteriorPressure(
                    { InteriorHumidity::HumidityClass, 3.0, 20.0 }, 18.0, 450.0, january),
        450.0 + 1.10 * 6e-3 * 462.0 * 282.15, 1e-9);
    // Never above saturation.
    EXPECT_NEAR(HourlyInteriorPressure(
                    { InteriorHumidity::VapourExcess, 30.0, 20.0 }, 10.0, 1200.0, january),
        SaturationPressure(10.0), 1e-9);
}

} // namespace
} // namespace quelvan::moisture
