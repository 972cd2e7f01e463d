// A weather ambiance starting on the last day of the year reads the file's last 24 hours, then
// wraps to the first hours of January, as the engine's temperature profile sees it.

#include "engine/AmbianceProfile.h"
#include "engine/NCodedString.h"
#include "engine/WeatherFiles.h"
#include "model/CBCData.h"
#include "weather/WeatherYear.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace quelvan;

namespace {

// Line j of the synthetic file holds this temperature: distinct over any week.
double LineTemperature(int line)
{
    return -20.0 + (line % 500) * 0.1;
}

TEST(WeatherWrap, FirstDay365ReadsDecemberThenJanuary)
{
    const std::filesystem::path dir = std::filesystem::path(::testing::TempDir()) / "weather_wrap";
    std::filesystem::create_directories(dir);
    WeatherYear year;
    year.hours.resize(8760);
    for (int line = 1; line <= 8760; ++line)
        year.hours[static_cast<std::size_t>(line - 1)].temperature = LineTemperature(line);
    ASSERT_TRUE(year.Write((dir / WeatherFileName(5)).string()));

    CBCData record(4012, "Météo de la ville de Mâcon", Side::Exterior, ProfileType::Weather,
        ProfileType::Weather, Period::Day, Period::Day, { "Mâcon", "365", "7", "0" },
        { "0", "0", "0", "0" });
    record.ApplyWeatherCase();
    ASSERT_EQ(record.firstDay, 365);
    AmbianceContext context;
    context.weather.explicitDirectory = dir.string();
    NCodedString profile;
    ASSERT_EQ(BuildAmbianceProfile(&record, Component::Temperature, profile, context), 0);

    // Sample i is the value at hour 8736 + i of the year: lines 8736 .. 8760, then 1, 2, ...
    // The weekly staircase gives sample i back at the end of its hour, t = 3600 (i + 1).
    for (int i = 0; i < 168; ++i) {
        const int hour = 8736 + i;
        const int line = hour > 8760 ? hour - 8760 : hour;
        EXPECT_NEAR(profile.EvaluateProfile(3600.0 * (i + 1)), LineTemperature(line), 0.051)
            << "sample " << i;
    }
    std::filesystem::remove_all(dir);
}

} // namespace
