// Typical years generated from the climate table of the data folder, checked against the
// normals they come from and against an independent sun model.

#include "WeatherTestSupport.h"

#include "model/CBCData.h"
#include "support/TempFolder.h"
#include "weather/ClimateNormals.h"
#include "weather/TypicalYear.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace quelvan;
using namespace quelvan::weather;
using weathertest::Row;

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kDeg = kPi / 180.0;

const ClimateTable& Table()
{
    static const ClimateTableResult result
        = ReadClimateTable(QUELVAN_SOURCE_DIR "/data/climate/normals.csv");
    return *result.table;
}

// Independent reference (within about a degree of the precise series): Cooper's declination, the
// equation of time of Duffie and Beckman, FAO's extraterrestrial irradiation, Angström-Prescott
// with 0.25 and 0.50.
double ReferenceHeight(double latitude, double longitude, int day, double hourLst)
{
    const double b = 2.0 * kPi * (day - 81) / 364.0;
    const double eot = 9.87 * std::sin(2 * b) - 7.53 * std::cos(b) - 1.5 * std::sin(b);
    const double solarHour = hourLst + (4.0 * (longitude - 15.0) + eot) / 60.0;
    const double declination = 23.45 * kDeg * std::sin(2.0 * kPi * (284 + day) / 365.0);
    const double omega = (solarHour - 12.0) * 15.0 * kDeg;
    const double phi = latitude * kDeg;
    return std::asin(std::sin(phi) * std::sin(declination)
               + std::cos(phi) * std::cos(declination) * std::cos(omega))
        / kDeg;
}

double ReferenceAnnualAngstromKwh(const CityNormals& city)
{
    double total = 0.0;
    int day = 1;
    for (int m = 0; m < 12; ++m) {
        double ra = 0.0;
        double n = 0.0;
        const int days = weathertest::kMonthDays[static_cast<std::size_t>(m)];
        for (int d = 0; d < days; ++d, ++day) {
            const double phi = city.site.latitude * kDeg;
            const double dr = 1 + 0.033 * std::cos(2 * kPi * day / 365);
            const double delta = 0.409 * std::sin(2 * kPi * day / 365 - 1.39);
            const double ws = std::acos(-std::tan(phi) * std::tan(delta));
            ra += 24 * 60 / kPi * 0.082 * dr
                * (ws * std::sin(phi) * std::sin(delta)
                    + std::cos(phi) * std::cos(delta) * std::sin(ws));
            n += 24 / kPi * ws;
        }
        const double relative = city.sunshineHours[static_cast<std::size_t>(m)] / n;
        total += (0.25 + 0.5 * relative) * ra / 3.6; // MJ -> kWh
    }
    return total;
}

// One of the ten cities, named in the test's name.
struct City {
    const char* name;
    friend void PrintTo(const City& c, std::ostream* os) { *os << c.name; }
};

class TypicalYearTest : public ::testing::TestWithParam<City> {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(Table().cities.empty());
        city = FindCity(Table(), GetParam().name);
        ASSERT_NE(city, nullptr) << GetParam().name;
        lines = GenerateTypicalYear(*city).FormatLines();
        ASSERT_TRUE(weathertest::ParseRows(lines, rows));
    }
    const CityNormals* city = nullptr;
    std::vector<std::string> lines;
    std::vector<Row> rows;
};

TEST_P(TypicalYearTest, MonthlyMeansOfDailyExtremesMatchTheNormals)
{
    const weathertest::MonthlyExtremes extremes = weathertest::MonthlyTemperatureExtremes(rows);
    for (std::size_t m = 0; m < 12; ++m) {
        EXPECT_NEAR(extremes.minimum[m], city->minimumTemperature[m], 0.3) << "month " << m + 1;
        EXPECT_NEAR(extremes.maximum[m], city->maximumTemperature[m], 0.3) << "month " << m + 1;
    }
}

TEST_P(TypicalYearTest, SunIsNeverBelowTheHorizonAndGivesNothingAtNight)
{
    for (const Row& r : rows) {
        EXPECT_GE(r.column[6], 0.0);
        EXPECT_GE(r.column[2], 0.0);
        EXPECT_GE(r.column[3], 0.0);
        EXPECT_NEAR(r.column[2] + r.column[3], r.column[4], 0.15); // direct + diffuse = global
        if (r.column[6] == 0.0) {
            EXPECT_EQ(r.column[4], 0.0) << "hour " << r.column[0];
        }
    }
}

TEST_P(TypicalYearTest, SunPositionAgreesWithAnIndependentModel)
{
    int compared = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int day = static_cast<int>(i / 24) + 1;
        const double end = static_cast<double>(i % 24) + 1.0;
        const double atStart
            = ReferenceHeight(city->site.latitude, city->site.longitude, day, end - 1.0);
        const double atEnd = ReferenceHeight(city->site.latitude, city->site.longitude, day, end);
        if (atStart < -1.0 && atEnd < -1.0) {
            EXPECT_EQ(rows[i].column[4], 0.0) << "night hour " << i + 1;
            EXPECT_EQ(rows[i].column[6], 0.0) << "night hour " << i + 1;
        } else if (atStart > 5.0 && atEnd > 5.0) {
            const double middle
                = ReferenceHeight(city->site.latitude, city->site.longitude, day, end - 0.5);
            EXPECT_NEAR(rows[i].column[6], middle, 1.5) << "hour " << i + 1;
            ++compared;
        }
    }
    EXPECT_GT(compared, 3000);
}

TEST_P(TypicalYearTest, AnnualIrradiationFollowsAngstromPrescott)
{
    double annual = 0.0;
    for (const double month : weathertest::MonthlyKilowattHours(rows, 5))
        annual += month;
    const double reference = ReferenceAnnualAngstromKwh(*city);
    EXPECT_NEAR(annual, reference, 0.10 * reference);
    // The ten French cities lie between the cloudiest west and the sunny south.
    EXPECT_GT(annual, 1100.0);
    EXPECT_LT(annual, 1750.0);
}

TEST_P(TypicalYearTest, DailyCurveHasItsMinimumNearSunriseAndItsMaximumInTheAfternoon)
{
    int day0 = 0;
    for (std::size_t m = 0; m < 12; ++m) {
        const int days = weathertest::kMonthDays[m];
        std::array<double, 24> profile {};
        for (int d = day0; d < day0 + days; ++d)
            for (std::size_t h = 0; h < 24; ++h)
                profile[h] += rows[static_cast<std::size_t>(24 * d) + h].column[1];
        // Sunrise of the month's middle day from the independent model.
        const int middleDay = day0 + days / 2 + 1;
        double sunrise = 0.0;
        while (ReferenceHeight(city->site.latitude, city->site.longitude, middleDay, sunrise) < 0.0)
            sunrise += 0.05;
        const auto coldest = std::min_element(profile.begin(), profile.end()) - profile.begin() + 1;
        const auto warmest = std::max_element(profile.begin(), profile.end()) - profile.begin() + 1;
        EXPECT_NEAR(static_cast<double>(coldest), sunrise, 2.0) << "month " << m + 1;
        EXPECT_GE(warmest, 13) << "month " << m + 1;
        EXPECT_LE(warmest, 16) << "month " << m + 1;
        day0 += days;
    }
}

std::vector<City> TenCities()
{
    std::vector<City> cities;
    for (const char* name : kCities)
        cities.push_back({ name });
    return cities;
}

INSTANTIATE_TEST_SUITE_P(TenCities, TypicalYearTest, ::testing::ValuesIn(TenCities()));

TEST(TypicalYearDeterminism, SameSeedSameBytesOtherSeedOtherYear)
{
    const CityNormals* macon = FindCity(Table(), "Mâcon");
    ASSERT_NE(macon, nullptr);
    const std::vector<std::string> first = GenerateTypicalYear(*macon).FormatLines();
    const std::vector<std::string> second = GenerateTypicalYear(*macon).FormatLines();
    EXPECT_EQ(first, second);
    const std::vector<std::string> other = GenerateTypicalYear(*macon, 12345).FormatLines();
    EXPECT_NE(first, other);
}

TEST(TypicalYearFile, EveryLineEndsWithALineEnd)
{
    const CityNormals* rennes = FindCity(Table(), "Rennes");
    ASSERT_NE(rennes, nullptr);
    const std::string path = ::testing::TempDir() + "/FR_Rennes_written.wth";
    ASSERT_TRUE(GenerateTypicalYear(*rennes).Write(path));
    const std::string bytes = test::ReadBytes(path);
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 8761);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), 8761);
    EXPECT_EQ(bytes.back(), '\n');
}

} // namespace
