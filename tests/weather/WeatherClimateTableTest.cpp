// The climate-normals table: the data folder's table, its quality flags, malformed tables.

#include "model/CBCData.h"
#include "support/CaseNames.h"
#include "weather/ClimateNormals.h"

#include <gtest/gtest.h>

using namespace quelvan;
using namespace quelvan::weather;

namespace {

const std::string kHeader
    = "city,station,wmo,lat,lon,alt_m,variable,period,quality,m01,m02,m03,m04,m05,m06,m07,"
      "m08,m09,m10,m11,m12,annual,source,note";

std::string TableLine(
    const std::string& variable, const std::string& quality, const std::string& months)
{
    return "Testville,\"Test, station\",00000,45.0,5.0,100," + variable + ",1991-2020," + quality
        + "," + months + ",,source,";
}

const std::string kTwelve = "1,2,3,4,5,6,7,8,9,10,11,12";
const std::string kEmptyMonths = ",,,,,,,,,,,";

TEST(ClimateTable, CityNamesMatchAsUsersTypeThem)
{
    EXPECT_EQ(CityKey("Mâcon"), CityKey("Macon"));
    EXPECT_EQ(CityKey("MACON"), CityKey("macon"));
    EXPECT_EQ(CityKey("La Rochelle"), CityKey("LaRochelle"));
    EXPECT_NE(CityKey("Nancy"), CityKey("Nantes"));
}

TEST(ClimateTable, AngstromPrescottForAgenInJuly)
{
    // 255 h of sunshine in 31 days of about 15.0 h: relative sunshine 0.548, clearness 0.524;
    // July at 44.2° N receives about 11.3 kWh/m² a day outside the atmosphere.
    const ClimateTableResult result
        = ReadClimateTable(QUELVAN_SOURCE_DIR "/data/climate/normals.csv");
    ASSERT_TRUE(result.table);
    const double daily = AngstromMonthlyDailyIrradiation(*FindCity(*result.table, "Agen"), 7);
    EXPECT_NEAR(daily / 1000.0, 0.524 * 11.3, 0.15);
}

TEST(ClimateTable, MeasuredSunshineIsPreferredToThePlaceholder)
{
    const std::vector<std::string> lines { kHeader, TableLine("tmin_C", "A", kTwelve),
        TableLine("tmax_C", "A", kTwelve), TableLine("sun_h", "B", kTwelve),
        TableLine("sun_h_derived", "P", "9,9,9,9,9,9,9,9,9,9,9,9") };
    const ClimateTableResult result = ParseClimateTable(lines);
    ASSERT_TRUE(result.table) << result.error;
    const CityNormals& city = result.table->cities.front();
    EXPECT_EQ(city.station, "Test, station");
    EXPECT_EQ(city.sunshineQuality, 'B');
    EXPECT_DOUBLE_EQ(city.sunshineHours[11], 12.0);
}

struct BadTable {
    const char* name;
    std::vector<std::string> lines;
    std::string expected;
    friend void PrintTo(const BadTable& c, std::ostream* os) { *os << c.name; }
};

class ClimateTableRefusal : public ::testing::TestWithParam<BadTable> { };

TEST_P(ClimateTableRefusal, IsRefusedWithItsLine)
{
    const ClimateTableResult result = ParseClimateTable(GetParam().lines);
    EXPECT_FALSE(result.table);
    EXPECT_NE(result.error.find(GetParam().expected), std::string::npos) << result.error;
}

INSTANTIATE_TEST_SUITE_P(Malformed, ClimateTableRefusal,
    ::testing::Values(BadTable { "Empty", {}, "aucune ville complète" },
        BadTable {
            "MissingFields", { kHeader, "Testville,x,1,45,5" }, "ligne 2 : champs manquants" },
        BadTable { "TextInAMonth",
            { kHeader, TableLine("tmin_C", "A", "1,2,3,4,5,6,7,douze,9,10,11,12") },
            "ligne 2 : valeur mensuelle non numérique" },
        BadTable { "LatitudeOutOfRange",
            { kHeader, "Testville,s,1,95,5,100,tmin_C,,A," + kTwelve + ",,src," },
            "ligne 2 : ville ou coordonnées" },
        BadTable { "NoMonthlySunshine",
            { kHeader, TableLine("tmin_C", "A", kTwelve), TableLine("tmax_C", "A", kTwelve),
                TableLine("sun_h", "D", kEmptyMonths) },
            "aucune ville complète" }));

} // namespace
