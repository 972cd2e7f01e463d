// A weather file is read line by line against its hour column: a file whose lines are shifted,
// doubled or cut is refused with the line and the reason, and a file shorter
// than a year repeats itself only when it is read from its start.

#include "engine/AmbianceProfile.h"

#include "core/NumberText.h"
#include "engine/NCodedString.h"
#include "engine/WeatherTableCache.h"
#include "model/CBCData.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <memory>

namespace quelvan {
namespace {

// Line j: hour j, a temperature that tells the lines apart, then the other columns.
std::vector<std::string> WeatherLines(int hours)
{
    std::vector<std::string> lines { "heure\tT\tDir\tDif\tGlo\tAz\tHt" };
    for (int j = 1; j <= hours; ++j)
        lines.push_back(FormatInt("%d", j) + "\t" + FormatDouble("%.1f", (j % 500) * 0.1)
            + "\t0\t0\t0\t0\t-10");
    return lines;
}

void WriteLines(const std::string& path, const std::vector<std::string>& lines, bool lastEnded)
{
    std::ofstream out(path, std::ios::binary);
    for (std::size_t i = 0; i < lines.size(); ++i)
        out << lines[i] << (i + 1 < lines.size() || lastEnded ? "\r\n" : "");
}

struct LinesCase {
    const char* name;
    int hours;
    int firstDay;
    std::function<void(std::vector<std::string>&)> edit;
    bool lastEnded;
    ReadError expected; // its file is not compared
    friend void PrintTo(const LinesCase& c, std::ostream* os) { *os << c.name; }
};

class MalformedWeatherFile : public ::testing::TestWithParam<LinesCase> { };

TEST_P(MalformedWeatherFile, IsRefusedAtTheLineAndSaysWhy)
{
    const LinesCase& c = GetParam();
    test::TempFolder folder("quelvan-weather-lines");
    std::vector<std::string> lines = WeatherLines(c.hours);
    c.edit(lines);
    WriteLines(folder.File("FR_Agen.wth"), lines, c.lastEnded);
    CBCData record;
    record.weatherFlag = true;
    record.cityIndex = 0;
    record.firstDay = c.firstDay;
    NCodedString profile;
    ReadError error;
    ASSERT_EQ(LoadWeatherColumn(record, WeatherColumn::Temperature, { folder.Path().string(), {} },
                  profile, &error),
        Failure::WeatherFile);
    error.file.clear();
    EXPECT_EQ(error, c.expected);
    // A study's shared table refuses the file alike, the first time and when it serves again.
    const WeatherSearch shared { folder.Path().string(), {}, {},
        std::make_shared<WeatherTableCache>() };
    for (int time = 0; time < 2; ++time) {
        NCodedString again;
        ReadError sharedError;
        ASSERT_EQ(
            LoadWeatherColumn(record, WeatherColumn::Temperature, shared, again, &sharedError),
            Failure::WeatherFile);
        sharedError.file.clear();
        EXPECT_EQ(sharedError, c.expected);
    }
}

using Lines = std::vector<std::string>;
const auto kUnchanged = [](Lines&) {};

INSTANTIATE_TEST_SUITE_P(Faults, MalformedWeatherFile,
    ::testing::Values(
        // Without its header the first hour is taken for the header: every hour is one late.
        LinesCase { "no_header", 8760, 1, [](Lines& l) { l.erase(l.begin()); }, true,
            { {}, 2, "1", ReadFault::UnexpectedHour, {}, 0, "1" } },
        LinesCase { "duplicated_line", 8760, 1,
            [](Lines& l) { l.insert(l.begin() + 1234, l[1234]); }, true,
            { {}, 1236, "1", ReadFault::UnexpectedHour, {}, 0, "1235" } },
        LinesCase { "cut_in_the_middle", 8760, 1, [](Lines& l) { l[100].resize(8); }, true,
            { {}, 101, {}, ReadFault::IncompleteLine, {} } },
        LinesCase { "last_line_cut", 8760, 1, [](Lines& l) { l.back().resize(8); }, false,
            { {}, 8761, {}, ReadFault::UnendedLastLine, {} } },
        // Whole or cut inside its last number, a last line without its end looks the same.
        LinesCase { "whole_last_line_without_its_end", 8760, 1, kUnchanged, false,
            { {}, 8761, {}, ReadFault::UnendedLastLine, {} } },
        LinesCase { "day_2_of_one_day", 24, 2, kUnchanged, true,
            { {}, 26, {}, ReadFault::MissingLine,
                "premier jour 2 : le fichier s'arrête à l'heure 24" } }),
    [](const ::testing::TestParamInfo<LinesCase>& info) { return std::string(info.param.name); });

TEST(WeatherFileLines, TheMessageNamesTheHourExpected)
{
    const ReadError error { "FR_Agen.wth", 1235, "1", ReadFault::UnexpectedHour, {}, 0, "1234" };
    EXPECT_EQ(FormatReadError("Erreur en lecture du fichier météo", error),
        "Erreur en lecture du fichier météo : FR_Agen.wth, ligne 1235, champ 1 : heure attendue "
        "1234");
}

// A study reads each weather file once: the columns loaded from the shared table equal those read
// from the file, and they are served again once the file is gone.
TEST(WeatherFileLines, SharedTableReadsTheFileOnceAndGivesTheSameProfile)
{
    test::TempFolder folder("quelvan-weather-lines");
    WriteLines(folder.File("FR_Agen.wth"), WeatherLines(8760), true);
    CBCData record;
    record.weatherFlag = true;
    record.cityIndex = 0;
    record.firstDay = 1;
    const WeatherSearch alone { folder.Path().string(), {} };
    const WeatherSearch shared { folder.Path().string(), {}, {},
        std::make_shared<WeatherTableCache>() };
    std::size_t segments = 0;
    for (const WeatherColumn column : { WeatherColumn::Temperature, WeatherColumn::SunHeight }) {
        NCodedString read, first;
        ASSERT_EQ(LoadWeatherColumn(record, column, alone, read), Failure::None);
        ASSERT_EQ(LoadWeatherColumn(record, column, shared, first), Failure::None);
        ASSERT_EQ(first.Segments().size(), read.Segments().size());
        segments = read.Segments().size();
        for (const double hour : { 0.0, 1.5, 100.25, 4321.0, 8759.5 })
            EXPECT_EQ(first.EvaluateProfile(hour * 3600.0), read.EvaluateProfile(hour * 3600.0));
    }
    // The same path emptied: the shared table still holds the year read before.
    WriteLines(folder.File("FR_Agen.wth"), { "heure" }, true);
    NCodedString cached, fresh;
    EXPECT_EQ(LoadWeatherColumn(record, WeatherColumn::Global, shared, cached), Failure::None);
    EXPECT_EQ(cached.Segments().size(), segments);
    EXPECT_GT(segments, 168U);
    EXPECT_EQ(LoadWeatherColumn(record, WeatherColumn::Global, alone, fresh), Failure::WeatherFile);
}

// A short file read from its start repeats itself; a year's file wraps from day 365.
TEST(WeatherFileLines, ShortFilesFromTheirStartAndYearsFromAnyDayRead)
{
    test::TempFolder folder("quelvan-weather-lines");
    const WeatherSearch search { folder.Path().string(), {} };
    CBCData record;
    record.weatherFlag = true;
    record.cityIndex = 0;
    for (const auto& [hours, day] : { std::pair { 5000, 1 }, { 24, 1 }, { 8760, 365 } }) {
        WriteLines(folder.File("FR_Agen.wth"), WeatherLines(hours), true);
        record.firstDay = day;
        NCodedString profile;
        ASSERT_EQ(
            LoadWeatherColumn(record, WeatherColumn::Temperature, search, profile), Failure::None)
            << hours;
        // The hour after the file's last is its first line again.
        EXPECT_NEAR(profile.EvaluateProfile(3600.0 * (hours + 1)), 0.1, 1e-5) << hours;
    }
}

} // namespace
} // namespace quelvan
