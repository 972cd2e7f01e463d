// EPW import: the shared public sample against the figures measured from it, synthetic files
// with known values, repairs, and malformed files that must be refused with a French message.

#include "WeatherTestSupport.h"

#include "core/Messages.h"
#include "core/TextFile.h"
#include "support/CaseNames.h"
#include "weather/EpwImport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <numbers>
#include <stdexcept>

using namespace quelvan;
using namespace quelvan::weather;
using weathertest::Row;

namespace {

constexpr int kHeaderLines = 8;
constexpr const char* kSample
    = QUELVAN_SHARED_DIR "/weather-samples/FRA_AR_Lyon-Bron.AP.074800_TMYx.2004-2018.epw";

// One synthetic record: temperature and the three irradiances (Wh/m²).
struct Record {
    int month = 1;
    int day = 1;
    int hour = 1;
    std::string temperature;
    std::string global;
    std::string directNormal;
    std::string diffuse;
};

std::string Format(const Record& r)
{
    std::string line = "1999," + std::to_string(r.month) + "," + std::to_string(r.day) + ","
        + std::to_string(r.hour) + ",60,?9?9?9?9E0," + r.temperature + ",5.0,80,99000,0,0,300,"
        + r.global + "," + r.directNormal + "," + r.diffuse;
    for (int f = 16; f < 35; ++f)
        line += ",0";
    return line;
}

// A year at 45° N, 5° E, UTC+1: the temperature steps by 0.1 K every hour (period 200 h), and
// from 10 h to 15 h the sky gives global 300, direct normal 400 and diffuse 100 Wh/m².
double SyntheticTemperature(int index)
{
    return -5.0 + (index % 200) * 0.1;
}

std::vector<Record> SyntheticRecords(bool leapYear)
{
    std::vector<Record> records;
    int index = 0;
    for (int m = 1; m <= 12; ++m) {
        const int days = weathertest::kMonthDays[static_cast<std::size_t>(m - 1)]
            + (leapYear && m == 2 ? 1 : 0);
        for (int d = 1; d <= days; ++d) {
            for (int h = 1; h <= 24; ++h) {
                const bool sunny = h >= 11 && h <= 15;
                const bool leapDay = m == 2 && d == 29;
                Record r { m, d, h,
                    FormatDouble("%.1f", leapDay ? 50.0 : SyntheticTemperature(index)),
                    sunny ? "300" : "0", sunny ? "400" : "0", sunny ? "100" : "0" };
                records.push_back(r);
                if (!leapDay)
                    ++index;
            }
        }
    }
    return records;
}

std::vector<std::string> EpwLines(const std::vector<Record>& records)
{
    std::vector<std::string> lines { "LOCATION,Testville,REG,FRA,Test,000000,45.0,5.0,1.0,200.0",
        "DESIGN CONDITIONS,0", "TYPICAL/EXTREME PERIODS,0", "GROUND TEMPERATURES,0",
        "HOLIDAYS/DAYLIGHT SAVINGS,No,0,0,0", "COMMENTS 1,\"made for tests, with a comma\"",
        "COMMENTS 2,", "DATA PERIODS,1,1,Data,Sunday, 1/ 1,12/31" };
    for (const Record& r : records)
        lines.push_back(Format(r));
    return lines;
}

std::vector<Row> ImportedRows(const EpwImportResult& result)
{
    std::vector<Row> rows;
    EXPECT_TRUE(weathertest::ParseRows(result.year->FormatLines(), rows));
    return rows;
}

bool Mentions(const std::vector<std::string>& repairs, const std::string& text)
{
    for (const std::string& r : repairs)
        if (r.find(text) != std::string::npos)
            return true;
    return false;
}

TEST(EpwImport, SyntheticYearKeepsEveryValueAtItsHour)
{
    const EpwImportResult result = ImportEpwLines(EpwLines(SyntheticRecords(false)));
    ASSERT_TRUE(result.year) << result.error;
    EXPECT_TRUE(result.repairs.empty());
    EXPECT_EQ(result.location, "Testville, REG, FRA");
    const std::vector<Row> rows = ImportedRows(result);
    ASSERT_EQ(rows.size(), 8760u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ASSERT_NEAR(rows[i].column[1], SyntheticTemperature(static_cast<int>(i)), 0.051)
            << "hour " << i + 1;
        const int hourEnd = static_cast<int>(i % 24) + 1;
        if (hourEnd >= 11 && hourEnd <= 15) {
            const double sinHeight = std::sin(rows[i].column[6] * std::numbers::pi / 180.0);
            EXPECT_NEAR(rows[i].column[2], 400.0 * sinHeight, 0.2) << "hour " << i + 1;
            EXPECT_EQ(rows[i].column[3], 100.0);
            EXPECT_EQ(rows[i].column[4], 300.0);
        } else if (hourEnd <= 3 || hourEnd >= 23) {
            EXPECT_EQ(rows[i].column[6], 0.0) << "night hour " << i + 1;
            EXPECT_EQ(rows[i].column[2], 0.0);
        }
    }
    // Solar noon at 5° E in UTC+1 falls near 12:40: the hour ending at 13 h has the sun south.
    const Row& june21Noon = rows[171 * 24 + 12];
    EXPECT_NEAR(june21Noon.column[5], 0.0, 12.0);
    EXPECT_NEAR(june21Noon.column[6], 90.0 - 45.0 + 23.44, 0.6);
}

TEST(EpwImport, LeapYearDropsTheTwentyNinthOfFebruary)
{
    const EpwImportResult result = ImportEpwLines(EpwLines(SyntheticRecords(true)));
    ASSERT_TRUE(result.year) << result.error;
    EXPECT_TRUE(Mentions(result.repairs, "29 février"));
    const std::vector<Row> rows = ImportedRows(result);
    for (std::size_t i = 0; i < rows.size(); ++i)
        ASSERT_NEAR(rows[i].column[1], SyntheticTemperature(static_cast<int>(i)), 0.051)
            << "hour " << i + 1;
}

TEST(EpwImport, ShortGapsAreInterpolatedAndMissingIrradianceDerived)
{
    std::vector<Record> records = SyntheticRecords(false);
    for (int i = 1010; i < 1013; ++i) // three hours inside a linear stretch
        records[static_cast<std::size_t>(i)].temperature = "99.9";
    records[5 * 24 + 12].directNormal = "9999"; // 6 January 12-13 h
    records[5 * 24 + 2].global = "9999"; // a night hour
    records[6 * 24 + 13].diffuse = ""; // empty field: missing
    const EpwImportResult result = ImportEpwLines(EpwLines(records));
    ASSERT_TRUE(result.year) << result.error;
    const std::vector<Row> rows = ImportedRows(result);
    for (int i = 1010; i < 1013; ++i)
        EXPECT_NEAR(rows[static_cast<std::size_t>(i)].column[1], SyntheticTemperature(i), 0.051);
    EXPECT_NEAR(rows[5 * 24 + 12].column[2], 300.0 - 100.0, 0.05);
    EXPECT_EQ(rows[5 * 24 + 2].column[4], 0.0);
    EXPECT_NEAR(rows[6 * 24 + 13].column[3], 300.0 - rows[6 * 24 + 13].column[2], 0.15);
    EXPECT_TRUE(Mentions(result.repairs, "interpolées (température sèche)"));
    EXPECT_TRUE(Mentions(result.repairs, "la nuit mises à zéro"));
    EXPECT_TRUE(Mentions(result.repairs, "déduit"));
}

// Malformed files: how the synthetic year is damaged, and the message expected.
struct Damage {
    const char* name;
    std::function<void(std::vector<std::string>&)> apply;
    std::string expected;
    friend void PrintTo(const Damage& c, std::ostream* os) { *os << c.name; }
};

class EpwRefusal : public ::testing::TestWithParam<Damage> { };

TEST_P(EpwRefusal, GivesAFrenchMessageAndNoYear)
{
    std::vector<std::string> lines = EpwLines(SyntheticRecords(false));
    GetParam().apply(lines);
    const EpwImportResult result = ImportEpwLines(lines);
    EXPECT_FALSE(result.year);
    EXPECT_NE(result.error.find(GetParam().expected), std::string::npos) << result.error;
}

void ReplaceField(std::string& line, int field, const std::string& text)
{
    std::size_t start = 0;
    for (int f = 0; f < field; ++f)
        start = line.find(',', start) + 1;
    const std::size_t end = line.find(',', start);
    line.replace(start, end - start, text);
}

// The header line that starts with that keyword ("LOCATION", "DATA PERIODS").
std::string& HeaderLine(std::vector<std::string>& lines, const std::string& keyword)
{
    for (std::string& line : lines)
        if (line.rfind(keyword + ",", 0) == 0)
            return line;
    throw std::runtime_error("no " + keyword + " line");
}

// The record of hour 100 of the year, line 108 of the file.
std::string& Hour100(std::vector<std::string>& lines)
{
    return lines[kHeaderLines + 99];
}
const std::string kLine108 = std::string(msg::kEpwLine) + " 108 : ";

INSTANTIATE_TEST_SUITE_P(Malformed, EpwRefusal,
    ::testing::Values(Damage { "Empty", [](auto& l) { l.clear(); }, msg::kEpwNoLocation },
        Damage { "LatitudeNotANumber",
            [](auto& l) { ReplaceField(HeaderLine(l, "LOCATION"), 6, "nord"); },
            msg::kEpwBadLocation },
        Damage { "LongitudeOutOfRange",
            [](auto& l) { ReplaceField(HeaderLine(l, "LOCATION"), 7, "500"); },
            msg::kEpwBadLocation },
        Damage { "SubHourly", [](auto& l) { ReplaceField(HeaderLine(l, "DATA PERIODS"), 2, "4"); },
            msg::kEpwNotHourly },
        Damage { "TooFewFields", [](auto& l) { Hour100(l) = "1999,1,5,4,60,x,3.0,1,2"; },
            kLine108 + msg::kEpwMissingFields },
        Damage { "NonNumericTemperature", [](auto& l) { ReplaceField(Hour100(l), 6, "n/a"); },
            kLine108 + msg::kEpwNotNumeric + " « n/a » (température sèche)" },
        Damage { "MonthThirteen", [](auto& l) { ReplaceField(Hour100(l), 1, "13"); },
            kLine108 + msg::kEpwBadDate },
        Damage { "HourZero", [](auto& l) { ReplaceField(Hour100(l), 3, "0"); },
            kLine108 + msg::kEpwBadDate },
        Damage { "ThirtyFirstOfApril",
            [](auto& l) { ReplaceField(Hour100(l), 1, "4"), ReplaceField(Hour100(l), 2, "31"); },
            kLine108 + msg::kEpwBadDate },
        Damage { "SameHourTwice", [](auto& l) { l[kHeaderLines + 100] = Hour100(l); },
            std::string(msg::kEpwLine) + " 109 : " + msg::kEpwDuplicateHour },
        Damage { "Truncated", [](auto& l) { l.resize(kHeaderLines + 100); },
            std::string(msg::kEpwIncompleteYear) + " (100 heures" },
        Damage { "LongGap",
            [](auto& l) {
                for (int i = 0; i < 10; ++i)
                    ReplaceField(l[static_cast<std::size_t>(kHeaderLines + 500 + i)], 6, "99.9");
            },
            std::string(msg::kEpwLongGap) + " (température sèche, à partir du 21/1 à 21 h)" }));

// The synthetic year's sunny hours (10 h to 15 h, local time) under a zone written UTC-5 instead
// of UTC+1: their sun is six hours later. From one equinox to the other (182 days) the sun of
// 45° N sets before 18 h solar time, equation of time included before 18 h 20, so the hours
// 13 h-14 h and 14 h-15 h (18 h 20 to 20 h 20 solar) at least are dark: 364 hours.
TEST(EpwImport, TimeZoneThatContradictsTheIrradianceIsRefusedUnlessAccepted)
{
    std::vector<std::string> lines = EpwLines(SyntheticRecords(false));
    EXPECT_EQ(ImportEpwLines(lines).nightIrradianceHours, 0);
    lines[0] = "LOCATION,Testville,REG,FRA,Test,000000,45.0,5.0,-5.0,200.0";
    const EpwImportResult refused = ImportEpwLines(lines);
    EXPECT_FALSE(refused.year);
    EXPECT_GE(refused.nightIrradianceHours, 364);
    EXPECT_EQ(refused.error.rfind(std::string(msg::kEpwTimeZoneContradiction) + " (UTC-5) ", 0), 0u)
        << refused.error;
    const EpwImportResult accepted = ImportEpwLines(lines, { .acceptTimeZoneContradiction = true });
    ASSERT_TRUE(accepted.year) << accepted.error;
    EXPECT_EQ(accepted.warning, refused.error);
    // The Lyon sample, its zone written -1 instead of +1.
    if (!std::filesystem::exists(kSample))
        GTEST_SKIP() << "sample EPW file absent";
    const TextFileRead sample = ReadTextFile(kSample);
    ASSERT_TRUE(sample.text);
    std::vector<std::string> lyon = sample.text->lines;
    EXPECT_EQ(ImportEpwLines(lyon).nightIrradianceHours, 0);
    lyon[0].replace(lyon[0].find(",1.0,198.0"), 10, ",-1.0,198.0");
    EXPECT_GT(ImportEpwLines(lyon).nightIrradianceHours, kMostNightIrradianceHours);
}

// The public Lyon sample, against the monthly figures measured directly from it.
TEST(EpwImportSample, ReproducesTheMonthlyFiguresOfTheSample)
{
    if (!std::filesystem::exists(kSample))
        GTEST_SKIP() << "sample EPW file absent";
    const EpwImportResult result = ImportEpwFile(kSample);
    ASSERT_TRUE(result.year) << result.error;
    EXPECT_TRUE(result.repairs.empty());
    EXPECT_NEAR(result.site.latitude, 45.7261, 1e-4);
    EXPECT_NEAR(result.site.longitude, 4.9378, 1e-4);
    const std::vector<Row> rows = ImportedRows(result);
    ASSERT_EQ(rows.size(), 8760u);
    const std::array<double, 12> tmin { 1.2, 0.9, 3.5, 6.9, 11.3, 14.6, 15.4, 16.2, 13.5, 9.5, 5.6,
        1.6 };
    const std::array<double, 12> tmax { 6.6, 7.6, 12.6, 17.0, 21.2, 26.4, 28.0, 28.4, 23.0, 18.5,
        12.1, 7.8 };
    const std::array<double, 12> ghi { 33.1, 53.5, 102.8, 144.8, 156.6, 191.7, 196.6, 173.8, 117.5,
        76.2, 45.3, 29.1 };
    const std::array<double, 12> dhi { 25.2, 33.1, 51.6, 67.1, 97.6, 79.6, 77.5, 72.0, 55.9, 36.4,
        23.7, 21.1 };
    const weathertest::MonthlyExtremes extremes = weathertest::MonthlyTemperatureExtremes(rows);
    const std::array<double, 12> global = weathertest::MonthlyKilowattHours(rows, 5);
    const std::array<double, 12> diffuse = weathertest::MonthlyKilowattHours(rows, 4);
    const std::array<double, 12> direct = weathertest::MonthlyKilowattHours(rows, 3);
    double annual = 0.0;
    double annualFromParts = 0.0;
    for (std::size_t m = 0; m < 12; ++m) {
        EXPECT_NEAR(extremes.minimum[m], tmin[m], 0.051) << "month " << m + 1;
        EXPECT_NEAR(extremes.maximum[m], tmax[m], 0.051) << "month " << m + 1;
        EXPECT_NEAR(global[m], ghi[m], 0.051) << "month " << m + 1;
        EXPECT_NEAR(diffuse[m], dhi[m], 0.051) << "month " << m + 1;
        annual += global[m];
        annualFromParts += direct[m] + diffuse[m];
    }
    EXPECT_NEAR(annual, 1321.0, 0.5);
    // Direct normal × sine of our sun height, plus diffuse, gives back the file's own global:
    // a wrong time zone or longitude sign would move the sun by an hour and miss by far more.
    EXPECT_NEAR(annualFromParts, annual, 0.01 * annual);
}

} // namespace
