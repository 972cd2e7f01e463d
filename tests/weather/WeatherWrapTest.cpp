// Weather files written by the weather tools and read by the engine: every column where the
// writer put it, and a weather ambiance starting on the last day of the year, which reads the
// file's last 24 hours, then wraps to the first hours of January.

#include "engine/AmbianceProfile.h"
#include "engine/NCodedString.h"
#include "engine/WeatherFiles.h"
#include "model/CBCData.h"
#include "weather/WeatherYear.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

using namespace quelvan;
using namespace quelvan::weather;

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
    ASSERT_EQ(
        BuildAmbianceProfile(&record, Component::Temperature, profile, context), Failure::None);

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

// Every column the engine reads comes back from the file the writer made, at the line the
// writer put it on: the two sides follow the one layout of kWeatherColumns.
TEST(WeatherColumns, WhatTheWriterPutsTheReaderFinds)
{
    const std::filesystem::path dir
        = std::filesystem::path(::testing::TempDir()) / "weather_columns";
    std::filesystem::create_directories(dir);
    WeatherYear year;
    year.hours.resize(8760);
    // Column c of line j holds c + j / 1000, distinct between columns and lines and within the
    // bounds of every column.
    const auto written = [](WeatherColumn column, int line) {
        return static_cast<double>(static_cast<int>(column)) + line / 1000.0;
    };
    for (int line = 1; line <= 8760; ++line) {
        WeatherHour& hour = year.hours[static_cast<std::size_t>(line - 1)];
        for (const WeatherColumnInfo& info : kWeatherColumns)
            if (info.value != nullptr)
                hour.*info.value = written(info.column, line);
    }
    ASSERT_TRUE(year.Write((dir / WeatherFileName(0)).string()));

    CBCData record(kAmbianceIdentifierBase, "Météo d'Agen", Side::Exterior, ProfileType::Weather,
        ProfileType::Weather, Period::Day, Period::Day, { "Agen", "1", "0", "0" },
        { "0", "0", "0", "0" });
    record.ApplyWeatherCase();
    WeatherSearch search;
    search.explicitDirectory = dir.string();
    int read = 0;
    for (const WeatherColumnInfo& info : kWeatherColumns) {
        if (info.bounds == nullptr)
            continue;
        NCodedString profile;
        ASSERT_EQ(LoadWeatherColumn(record, info.column, search, profile), Failure::None);
        for (const int line : { 1, 2, 500, 8760 })
            EXPECT_NEAR(profile.EvaluateProfile(3600.0 * line), written(info.column, line),
                0.6 * std::pow(10.0, -info.decimals))
                << info.header << ", line " << line;
        ++read;
    }
    EXPECT_EQ(read, 5); // temperature, direct, diffuse, sun azimuth and height
    std::filesystem::remove_all(dir);
}

} // namespace
