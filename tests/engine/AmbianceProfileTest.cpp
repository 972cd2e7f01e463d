#include "engine/AmbianceProfile.h"

#include "EngineTestSupport.h"
#include "engine/NCodedString.h"
#include "engine/WeatherFiles.h"
#include "model/CBCData.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace quelvan {
namespace {

using test::TempFolder;
using test::WeatherColumns;
using test::WriteWeatherFile;

using T = ProfileType;
constexpr Period D = Period::Day;
constexpr Period W = Period::Week;

CBCData Record(T type, Period period, std::array<std::string, 4> values, T fluxType = T::Null,
    Period fluxPeriod = D, std::array<std::string, 4> fluxValues = { "0", "0", "0", "0" })
{
    return CBCData(kAmbianceIdentifierBase, "Essai", Side::Exterior, type, fluxType, period,
        fluxPeriod, std::move(values), std::move(fluxValues));
}

// The value applied during hour i (the profile is a staircase of hourly values).
float Hour(NCodedString& p, int i)
{
    return p.EvaluateProfile(3600.0 * i + 1800.0);
}

struct SimpleCase {
    const char* name;
    T type;
    Period period;
    std::array<std::string, 4> values;
    std::map<int, float> expected; // hour -> value
    float span; // seconds
    friend void PrintTo(const SimpleCase& c, std::ostream* os) { *os << c.name; }
};

class SimpleProfiles : public ::testing::TestWithParam<SimpleCase> { };

TEST_P(SimpleProfiles, ValuesAtHours)
{
    const SimpleCase& c = GetParam();
    const CBCData record = Record(c.type, c.period, c.values);
    NCodedString p;
    ASSERT_EQ(BuildAmbianceProfile(&record, Component::Temperature, p, {}), Failure::None);
    EXPECT_TRUE(p.IsValid());
    EXPECT_FLOAT_EQ(p.Span(), c.span);
    for (const auto& [hour, value] : c.expected)
        EXPECT_NEAR(Hour(p, hour), value, 1e-4) << c.name << " hour " << hour;
}

INSTANTIATE_TEST_SUITE_P(Types, SimpleProfiles,
    ::testing::Values(SimpleCase { "constant", T::Constant, D, { "10", "20", "0", "0" },
                          { { 0, 20 }, { 13, 20 }, { 23, 20 } }, 86400 },
        SimpleCase {
            "null", T::Null, W, { "10", "20", "0", "0" }, { { 0, 0 }, { 100, 0 } }, 604800 },
        SimpleCase { "sinusoid", T::Sinusoid, W, { "25", "35", "15", "0" },
            { { 15, 35 }, { 3, 25 }, { 9, 30 }, { 21, 30 }, { 39, 35 } }, 86400 },
        SimpleCase { "daily ramp", T::Ramp, D, { "10", "16", "6", "9" },
            { { 5, 10 }, { 6, 12 }, { 7, 14 }, { 8, 16 }, { 23, 16 }, { 30, 12 } }, 86400 },
        SimpleCase { "daily square", T::Square, D, { "15", "20", "8", "18" },
            { { 7, 15 }, { 8, 20 }, { 17, 20 }, { 18, 15 }, { 32, 20 } }, 86400 },
        SimpleCase { "unknown type", T::Unknown, D, { "15", "20", "8", "18" },
            { { 3, 0 }, { 20, 0 } }, 86400 }));

TEST(AmbianceProfile, RampHoursOutsideTheWeekDoNotWriteOutside)
{
    const CBCData record = Record(T::Ramp, W, { "0", "10", "160", "400" });
    NCodedString p;
    ASSERT_EQ(BuildAmbianceProfile(&record, Component::Temperature, p, {}), Failure::None);
    EXPECT_NEAR(Hour(p, 159), 0.0f, 1e-6);
    EXPECT_NEAR(Hour(p, 160), 10.0f / 240.0f, 1e-2);
}

// The check refuses such hours before a calculation; the profile arithmetic must not overflow
// on them either (the sanitizer build aborts on any overflow).
TEST(AmbianceProfile, HoursAtTheEndsOfTheIntegersGiveValuesOfTheProfile)
{
    const std::string top = "2147483647";
    const std::string bottom = "-2147483648";
    const CBCData records[] = { Record(T::Ramp, W, { "0", "20", top, bottom }),
        Record(T::Ramp, W, { "0", "20", bottom, top }),
        Record(T::Square, D, { "0", "20", bottom, top }),
        Record(T::Sinusoid, D, { "0", "20", bottom, "0" }),
        Record(T::Constant, D, { "0", "0", "0", "0" }, T::Solar, W, { "50", "45", "20", top }) };
    for (const CBCData& record : records) {
        for (const Component component : { Component::Temperature, Component::Flux }) {
            NCodedString p;
            ASSERT_EQ(BuildAmbianceProfile(&record, component, p, {}), Failure::None);
            for (int i = 0; i < 168; ++i) {
                const float v = Hour(p, i);
                EXPECT_TRUE(std::isfinite(v));
                if (component == Component::Temperature) {
                    EXPECT_TRUE(v >= 0.0f && v <= 20.0f) << i << ": " << v;
                }
            }
        }
    }
}

TEST(AmbianceProfile, MissingRecordIsAnInternalError)
{
    NCodedString p;
    EXPECT_EQ(BuildAmbianceProfile(nullptr, Component::Temperature, p, {}).Number(), 9999);
}

TEST(AmbianceProfile, InitialAmbientTemperatureByType)
{
    NCodedString none;
    EXPECT_FLOAT_EQ(
        InitialAmbientTemperature(Record(T::Sinusoid, D, { "25", "35", "15", "0" }), none, 0), 30);
    EXPECT_FLOAT_EQ(
        InitialAmbientTemperature(Record(T::Ramp, W, { "0", "20", "48", "60" }), none, 0), 10);
    EXPECT_FLOAT_EQ(
        InitialAmbientTemperature(Record(T::Square, W, { "0", "500", "1", "2" }), none, 0), 250);
    EXPECT_FLOAT_EQ(
        InitialAmbientTemperature(Record(T::Constant, D, { "10", "20", "0", "0" }), none, 0), 20);
    EXPECT_FLOAT_EQ(
        InitialAmbientTemperature(Record(T::Null, D, { "10", "20", "0", "0" }), none, 0), 0);
}

TEST(AmbianceProfile, ComputedFluxWithADayPeriodRepeatsDaily)
{
    // Transparency 45 %, latitude 50, albedo 20 %, day 172; vertical south face.
    const CBCData record
        = Record(T::Constant, D, { "0", "0", "0", "0" }, T::Solar, D, { "45", "50", "20", "172" });
    NCodedString p;
    ASSERT_EQ(BuildAmbianceProfile(&record, Component::Flux, p, {}), Failure::None);
    EXPECT_FLOAT_EQ(p.Span(), 86400.0f);
    float noon = 0;
    for (int h = 0; h < 24; ++h) {
        EXPECT_FLOAT_EQ(Hour(p, h), Hour(p, h + 24 * 5)) << h;
        noon = std::max(noon, Hour(p, h));
    }
    EXPECT_GT(noon, 100.0f);
    EXPECT_FLOAT_EQ(Hour(p, 1), 0.0f); // night
    // Value i is the sun of hour number i + 1: symmetric around noon (value 11).
    EXPECT_NEAR(Hour(p, 8), Hour(p, 14), 1.0f);
}

TEST(AmbianceProfile, ComputedFluxWithAWeekPeriodHoldsAWeek)
{
    const CBCData record
        = Record(T::Constant, D, { "0", "0", "0", "0" }, T::Solar, W, { "45", "50", "20", "1" });
    NCodedString p;
    ASSERT_EQ(BuildAmbianceProfile(&record, Component::Flux, p, {}), Failure::None);
    EXPECT_FLOAT_EQ(p.Span(), 604800.0f);
}

constexpr double kPiOver6()
{
    return 3.14159265358979323846 / 6;
}

class WeatherProfiles : public ::testing::Test {
protected:
    TempFolder folder { "quelvan-ambiance-weather" };
    AmbianceContext context;
    CBCData record = Record(T::Weather, D, { "0", "0", "7", "0" });

    void SetUp() override
    {
        context.weather.explicitDirectory = folder.Path();
        record.weatherFlag = true;
        record.cityIndex = 0;
        record.firstDay = 1;
    }
    static double Line(int j) { return (j % 1000) * 0.1; }
};

TEST_F(WeatherProfiles, TemperatureSamplesTheFileHourly)
{
    WriteWeatherFile(folder.File(WeatherFileName(0)), 8760);
    NCodedString p;
    ASSERT_EQ(BuildAmbianceProfile(&record, Component::Temperature, p, context), Failure::None);
    EXPECT_FLOAT_EQ(p.Span(), 604800.0f);
    // Sample 0 is the last line of the year, sample i the line i.
    EXPECT_NEAR(Hour(p, 0), Line(8760), 1e-4);
    for (int i : { 1, 2, 50, 167 })
        EXPECT_NEAR(Hour(p, i), Line(i), 1e-4) << i;
    EXPECT_NEAR(InitialAmbientTemperature(record, p, 0), Line(8760), 1e-4);
}

TEST_F(WeatherProfiles, FluxFromTheSolarColumns)
{
    // Sun due south at 30 degrees all day, direct 300 and diffuse 100 on the horizontal.
    WeatherColumns columns;
    columns.direct = [](int) { return 300.0; };
    columns.diffuse = [](int) { return 100.0; };
    columns.height = [](int) { return 30.0; };
    WriteWeatherFile(folder.File(WeatherFileName(0)), 8760, columns);
    record.flux.values = { "0", "0", "20", "0" };
    NCodedString p;
    ASSERT_EQ(BuildAmbianceProfile(&record, Component::Flux, p, context), Failure::None);
    const double expected
        = 0.2 * 400 / 2 + 100.0 / 2 + 300 * std::cos(kPiOver6()) / std::sin(kPiOver6());
    EXPECT_NEAR(Hour(p, 10), std::round(expected), 0.51);
}

TEST_F(WeatherProfiles, MissingOrUnreadableFileIsTheWeatherErrorAndSaysWhere)
{
    record.cityIndex = 42; // FR_UndefinedFile.wth
    NCodedString p;
    ReadError error;
    EXPECT_EQ(
        BuildAmbianceProfile(&record, Component::Temperature, p, context, &error).Number(), 3456);
    EXPECT_EQ(error, (ReadError { "FR_UndefinedFile.wth", 0, {}, ReadFault::NotFound, {} }));
    EXPECT_EQ(BuildAmbianceProfile(&record, Component::Flux, p, context).Number(), 3456);

    // Line 3 holds a word for the temperature (column 2); line 4 stops after column 2, before
    // the sun azimuth (column 6) that the flux reads first.
    record.cityIndex = 0;
    {
        std::ofstream out(folder.File(WeatherFileName(0)));
        out << "h\tT\tDir\tDif\tx\tAz\tHt\n1\t5\t0\t0\t0\t0\t0\n2\tchaud\t0\t0\t0\t0\t0\n3\t4\n";
    }
    EXPECT_EQ(
        BuildAmbianceProfile(&record, Component::Temperature, p, context, &error).Number(), 3456);
    EXPECT_TRUE(error.file.ends_with("/FR_Agen.wth")) << error.file;
    EXPECT_EQ(error.line, 3);
    EXPECT_EQ(error.field, "2");
    EXPECT_EQ(error.fault, ReadFault::NotANumber);
    EXPECT_EQ(BuildAmbianceProfile(&record, Component::Flux, p, context, &error).Number(), 3456);
    EXPECT_EQ(error.line, 4);
    EXPECT_EQ(error.field, "6");
    EXPECT_EQ(error.fault, ReadFault::MissingColumn);
}

} // namespace
} // namespace quelvan
