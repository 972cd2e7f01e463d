// The relative humidity column of the weather files: generated from the table's monthly vapour
// pressure without touching the seven columns the week reads, imported from an EPW file, and left
// out when the data have no humidity.
#include "WeatherTestSupport.h"

#include "core/TextFile.h"
#include "engine/moisture/Psychrometrics.h"
#include "support/SyntheticEpw.h"
#include "support/TempFolder.h"
#include "weather/ClimateNormals.h"
#include "weather/EpwImport.h"
#include "weather/TypicalYear.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace quelvan;
using namespace quelvan::weather;

namespace {

const ClimateTable& Table()
{
    static const ClimateTableResult result
        = ReadClimateTable(QUELVAN_SOURCE_DIR "/data/climate/normals.csv");
    return *result.table;
}

std::vector<std::string> Cells(const std::string& line)
{
    std::vector<std::string> cells(1);
    for (const char c : line) {
        if (c == '\t')
            cells.emplace_back();
        else
            cells.back() += c;
    }
    return cells;
}

class GeneratedHumidityTest : public testing::TestWithParam<const char*> { };

// The month's vapour pressure held over every hour: each hour's φ·psat(θ) gives the table's value
// back (to the rounding of the written humidity) unless the hour is saturated, and the seven other
// columns are those of the same city without humidity rows, byte for byte.
TEST_P(GeneratedHumidityTest, HoldsTheMonthlyVapourPressureAndLeavesTheOtherColumns)
{
    const CityNormals* city = FindCity(Table(), GetParam());
    ASSERT_NE(city, nullptr);
    ASSERT_TRUE(city->hasHumidity);
    EXPECT_EQ(city->humidityQuality, 'C');
    CityNormals dry = *city;
    dry.hasHumidity = false;
    const std::vector<std::string> with = GenerateTypicalYear(*city).FormatLines();
    const std::vector<std::string> without = GenerateTypicalYear(dry).FormatLines();
    ASSERT_EQ(with.size(), 8761U);
    EXPECT_NE(with[0].find("humidite_relative_pct"), std::string::npos);
    EXPECT_NE(with[0].find("humidité C"), std::string::npos);
    EXPECT_EQ(without[0].find("humidit"), std::string::npos);
    std::size_t hour = 1;
    for (std::size_t m = 0; m < 12; ++m) {
        for (int h = 0; h < 24 * weathertest::kMonthDays[m]; ++h, ++hour) {
            const std::vector<std::string> cells = Cells(with[hour]);
            ASSERT_EQ(cells.size(), 8U);
            EXPECT_EQ(with[hour].substr(0, with[hour].rfind('\t')), without[hour]);
            const double theta = std::stod(cells[1]);
            const double rh = std::stod(cells[7]);
            ASSERT_LE(rh, 100.0);
            const double p = rh / 100.0 * moisture::SaturationPressure(theta);
            if (rh < 100.0) {
                // 0.05 % of humidity and 0.05 K of temperature of rounding.
                EXPECT_NEAR(p, city->vapourPressure[m], 0.005 * city->vapourPressure[m]) << hour;
            } else {
                EXPECT_LE(p, city->vapourPressure[m] * 1.005) << hour;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cities, GeneratedHumidityTest, testing::Values("Macon", "Rennes", "Nancy"));

// An EPW year at 80 % every hour gives the column at 80 %; the same year with its humidity
// missing (999) is imported as before, without the column, and says so.
TEST(EpwHumidity, ImportedWhenTheFileHasItLeftOutWhenNot)
{
    test::TempFolder folder("quelvan-epw-humidity");
    const std::string path = (folder.Path() / "essai.epw").string();
    test::WriteSyntheticEpw(path, "Essai", [](int hour) { return 5.0 + (hour % 24) * 0.5; });
    const EpwImportResult humid = ImportEpwFile(path);
    ASSERT_TRUE(humid.year) << humid.error;
    EXPECT_TRUE(humid.year->hasHumidity);
    const std::vector<std::string> lines = humid.year->FormatLines();
    for (std::size_t i = 1; i < lines.size(); i += 97)
        EXPECT_EQ(Cells(lines[i]).back(), "80.0") << i;

    std::optional<TextLines> text = ReadTextLines(path);
    ASSERT_TRUE(text);
    for (std::string& line : text->lines) {
        const std::size_t at = line.find(",5.0,80,");
        if (at != std::string::npos)
            line.replace(at, 8, ",5.0,999,");
    }
    const EpwImportResult dry = ImportEpwLines(text->lines);
    ASSERT_TRUE(dry.year) << dry.error;
    EXPECT_FALSE(dry.year->hasHumidity);
    const std::vector<std::string> dryLines = dry.year->FormatLines();
    for (std::size_t i = 1; i < dryLines.size(); i += 97)
        EXPECT_EQ(dryLines[i], lines[i].substr(0, lines[i].rfind('\t'))) << i;
    bool said = false;
    for (const std::string& repair : dry.repairs)
        said = said || repair.find("humidité relative absente") != std::string::npos;
    EXPECT_TRUE(said);
}

} // namespace
