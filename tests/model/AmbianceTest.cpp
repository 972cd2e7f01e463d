#include "model/CBCData.h"
#include "model/KslDoc.h"

#include <gtest/gtest.h>

#include <array>

namespace quelvan {
namespace {

struct Row {
    const char* name;
    int temperatureType, temperaturePeriod;
    std::array<const char*, 4> temperature;
    int fluxType, fluxPeriod;
    std::array<const char*, 4> flux;
};

// Type codes: 0 NU, 1 CS, 2 SN, 3 RM, 4 ST, 5 SO, 6 FL; periods: 0 day, 1 week.
const Row kExterior[] = {
    { "Température constante de 30 °C sans flux", 1, 0, { "30", "30", "0", "0" }, 0, 0,
        { "0", "0", "0", "0" } },
    { "Température constante de 0 °C sans flux", 1, 0, { "0", "0", "0", "0" }, 1, 0,
        { "0", "0", "0", "0" } },
    { "Température sinusoïdale 25/35 °C sans flux", 2, 0, { "25", "35", "15", "0" }, 0, 0,
        { "0", "0", "48", "60" } },
    { "Température sinusoïdale 0/20 °C sans flux", 2, 0, { "0", "20", "12", "0" }, 0, 0,
        { "0", "0", "48", "60" } },
    { "Rampe de température 0/20 °C sans flux", 3, 1, { "0", "20", "48", "60" }, 0, 0,
        { "0", "0", "60", "168" } },
    { "Saut de température de 0 à 20 °C sans flux", 4, 1, { "0", "20", "60", "168" }, 0, 0,
        { "0", "0", "48", "60" } },
    { "Créneau de température 0/20 °C sans flux", 4, 1, { "0", "20", "48", "60" }, 0, 0,
        { "0", "0", "0", "0" } },
    { "Température nulle avec saut de flux", 1, 0, { "0", "0", "0", "0" }, 4, 0,
        { "0", "500", "60", "168" } },
    { "Température sinusoïdale 25/35 °C et saut de flux", 2, 0, { "25", "35", "15", "0" }, 4, 1,
        { "0", "500", "60", "168" } },
    { "Température nulle avec créneau de flux", 1, 0, { "0", "0", "0", "0" }, 4, 0,
        { "0", "500", "8", "18" } },
    { "Température nulle avec flux solaire", 1, 0, { "0", "0", "0", "0" }, 5, 1,
        { "45", "50", "20", "1" } },
    // After the weather case: city and first day leave values 1 and 2.
    { "Météo de la ville de Mâcon", 6, 0, { "0", "0", "7", "0" }, 6, 0, { "0", "0", "0", "0" } },
};

const Row kInterior[] = {
    { "Température constante 26 °C", 1, 0, { "26", "26", "0", "0" }, 0, 0, { "0", "0", "0", "0" } },
    { "Température constante 20 °C", 1, 0, { "20", "20", "0", "0" }, 0, 0,
        { "0", "0", "60", "168" } },
    { "Température sinusoïdale 20/30 °C sans flux", 2, 0, { "20", "30", "15", "18" }, 0, 0,
        { "0", "0", "48", "168" } },
    { "Température sinusoïdale 5/15 °C sans flux", 2, 0, { "5", "15", "15", "60" }, 0, 0,
        { "0", "0", "0", "0" } },
    { "Rampe de température de 5/20 °C sans flux", 3, 1, { "5", "20", "48", "60" }, 0, 0,
        { "0", "0", "60", "18" } },
    { "Saut de température de 0/20 °C sans flux", 4, 1, { "0", "20", "48", "60" }, 0, 0,
        { "0", "0", "0", "0" } },
    { "Température nulle avec saut de flux", 1, 0, { "0", "0", "48", "60" }, 4, 1,
        { "0", "200", "60", "168" } },
    { "Température de 20 °C avec saut de flux", 1, 0, { "20", "20", "48", "60" }, 4, 1,
        { "0", "200", "48", "168" } },
    { "Créneau de température 15/20 °C sans flux", 4, 0, { "15", "20", "8", "18" }, 0, 0,
        { "0", "0", "0", "0" } },
};

void ExpectRow(const CBCData& record, const Row& row, int position, int side)
{
    SCOPED_TRACE(row.name);
    EXPECT_EQ(record.Name(), row.name);
    EXPECT_EQ(record.Identifier(), 4001 + position);
    EXPECT_EQ(record.Index(), position);
    EXPECT_EQ(record.side, side);
    EXPECT_EQ(record.temperature.type, row.temperatureType);
    EXPECT_EQ(record.temperature.period, row.temperaturePeriod);
    EXPECT_EQ(record.flux.type, row.fluxType);
    EXPECT_EQ(record.flux.period, row.fluxPeriod);
    for (size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(record.temperature.values[k], row.temperature[k]) << "T value " << k + 1;
        EXPECT_EQ(record.flux.values[k], row.flux[k]) << "F value " << k + 1;
    }
}

TEST(BuiltInAmbiances, ExteriorListInOrder)
{
    const KslDoc doc;
    ASSERT_EQ(doc.exteriorAmbiances.Count(), 12);
    for (int i = 0; i < 12; ++i)
        ExpectRow(doc.exteriorAmbiances.At(i), kExterior[i], i, kSideExterior);
}

TEST(BuiltInAmbiances, InteriorListInOrder)
{
    const KslDoc doc;
    ASSERT_EQ(doc.interiorAmbiances.Count(), 9);
    for (int i = 0; i < 9; ++i) {
        ExpectRow(doc.interiorAmbiances.At(i), kInterior[i], i, kSideInterior);
        EXPECT_FALSE(doc.interiorAmbiances.At(i).weatherFlag);
    }
}

TEST(BuiltInAmbiances, SelectionsAreIndexTwo)
{
    const KslDoc doc;
    EXPECT_EQ(doc.selectedExterior, 2);
    EXPECT_EQ(doc.selectedInterior, 2);
    ASSERT_NE(doc.SelectedAmbiance(kSideExterior), nullptr);
    EXPECT_EQ(
        doc.SelectedAmbiance(kSideExterior)->Name(), "Température sinusoïdale 25/35 °C sans flux");
    EXPECT_EQ(
        doc.SelectedAmbiance(kSideInterior)->Name(), "Température sinusoïdale 20/30 °C sans flux");
}

TEST(BuiltInAmbiances, SelectionIsAnIndexNotAPosition)
{
    KslDoc doc;
    // Give the third record index 7: the selection 2 now matches nothing on that side.
    doc.exteriorAmbiances.At(2).SetIdentifier(4001 + 7);
    doc.exteriorAmbiances.At(7).SetIdentifier(4001 + 2);
    EXPECT_EQ(doc.SelectedAmbiance(kSideExterior), &doc.exteriorAmbiances.At(7));
    doc.selectedInterior = 42;
    EXPECT_EQ(doc.SelectedAmbiance(kSideInterior), nullptr);
    doc.selectedInterior = -1;
    EXPECT_EQ(doc.SelectedAmbiance(kSideInterior), nullptr);
}

TEST(BuiltInAmbiances, MaconGoesThroughTheWeatherCase)
{
    const KslDoc doc;
    const CBCData& macon = doc.exteriorAmbiances.At(11);
    EXPECT_TRUE(macon.weatherFlag);
    EXPECT_EQ(macon.cityIndex, 5);
    EXPECT_STREQ(CityName(macon.cityIndex), "Mâcon");
    EXPECT_EQ(macon.firstDay, 1);
    EXPECT_EQ(macon.weatherPeriod, kPeriodDay);
    for (int i = 0; i < 11; ++i) {
        EXPECT_FALSE(doc.exteriorAmbiances.At(i).weatherFlag);
        EXPECT_EQ(doc.exteriorAmbiances.At(i).cityIndex, -1);
        EXPECT_EQ(doc.exteriorAmbiances.At(i).firstDay, 1);
    }
}

TEST(BuiltInAmbiances, SolarRecordHoldsTransparencyAndLatitude)
{
    const KslDoc doc;
    const CBCData& solar = doc.exteriorAmbiances.At(10);
    EXPECT_EQ(solar.flux.type, static_cast<int>(ProfileType::Solar));
    EXPECT_EQ(solar.Profile(1).values[0], "45");
    EXPECT_EQ(solar.Profile(1).values[1], "50");
}

TEST(WeatherCase, WeekPeriodAndUnknownCity)
{
    KslDoc doc;
    CBCData& record = doc.AddAmbiance(4013, kSideExterior, "Nancy", 6, 0, kPeriodWeek, kPeriodDay,
        { "Nancy", "32", "5", "6" }, { "1", "2", "3", "4" });
    EXPECT_TRUE(record.weatherFlag);
    EXPECT_EQ(record.cityIndex, 7);
    EXPECT_EQ(record.firstDay, 32);
    EXPECT_EQ(record.weatherPeriod, kPeriodWeek);
    EXPECT_EQ(record.temperature.period, kPeriodWeek);
    EXPECT_EQ(record.flux.period, kPeriodWeek);
    EXPECT_EQ(record.temperature.values, (std::array<std::string, 4> { "0", "0", "5", "6" }));
    EXPECT_EQ(&doc.exteriorAmbiances.At(12), &record);

    const CBCData& other = doc.AddAmbiance(4014, kSideExterior, "Ailleurs", 6, 0, kPeriodDay,
        kPeriodDay, { "nancy", "x", "", "" }, {});
    EXPECT_EQ(other.cityIndex, -1); // the comparison is exact
    EXPECT_EQ(other.firstDay, 0);
}

TEST(AmbianceAssign, CopiesWeatherFieldsOnlyFromAWeatherRecord)
{
    const KslDoc doc;
    CBCData target;
    target.cityIndex = 3;
    target.firstDay = 40;
    target.AssignFrom(doc.exteriorAmbiances.At(4)); // ramp, no weather file
    EXPECT_EQ(target.Name(), "Rampe de température 0/20 °C sans flux");
    EXPECT_EQ(target.Identifier(), 4005);
    EXPECT_EQ(target.temperature, doc.exteriorAmbiances.At(4).temperature);
    EXPECT_EQ(target.cityIndex, 3);
    EXPECT_EQ(target.firstDay, 40);

    CBCData weather = doc.exteriorAmbiances.At(11);
    weather.weatherPeriod = kPeriodWeek;
    weather.temperature.period = kPeriodDay;
    target.AssignFrom(weather);
    EXPECT_TRUE(target.weatherFlag);
    EXPECT_EQ(target.cityIndex, 5);
    EXPECT_EQ(target.firstDay, 1);
    EXPECT_EQ(target.temperature.period, kPeriodWeek);
    EXPECT_EQ(target.flux.period, kPeriodWeek);
}

struct CodeCase {
    int type;
    const char* code;
};

class TypeCodeTest : public testing::TestWithParam<CodeCase> { };

TEST_P(TypeCodeTest, CodeAndBack)
{
    EXPECT_STREQ(ProfileTypeCode(GetParam().type), GetParam().code);
    EXPECT_EQ(ProfileTypeFromCode(GetParam().code), GetParam().type);
}

INSTANTIATE_TEST_SUITE_P(Codes, TypeCodeTest,
    testing::Values(CodeCase { 0, "NU" }, CodeCase { 1, "CS" }, CodeCase { 2, "SN" },
        CodeCase { 3, "RM" }, CodeCase { 4, "ST" }, CodeCase { 5, "SO" }, CodeCase { 6, "FL" },
        CodeCase { 7, "UN" }));

TEST(TypeCodes, UnknownNumbersAndTexts)
{
    EXPECT_STREQ(ProfileTypeCode(9), "UN");
    EXPECT_STREQ(ProfileTypeCode(-1), "UN");
    EXPECT_EQ(ProfileTypeFromCode("XX"), 7);
    EXPECT_EQ(ProfileTypeFromCode("fl"), 7);
    EXPECT_EQ(ProfileTypeFromCode(""), 7);
    EXPECT_STREQ(ProfileTypeName(2), "Sinusoïdale");
    EXPECT_STREQ(ProfileTypeName(42), "Inconnu");
    EXPECT_STREQ(PeriodName(kPeriodDay), "Jour");
    EXPECT_STREQ(PeriodName(kPeriodWeek), "Semaine");
}

TEST(Cities, ExactLookups)
{
    EXPECT_EQ(CityIndexOf("Agen"), 0);
    EXPECT_EQ(CityIndexOf("Trappes"), 9);
    EXPECT_EQ(CityIndexOf("Macon"), -1);
    EXPECT_STREQ(CityName(10), "UndefinedFile");
    EXPECT_STREQ(CityName(-1), "UndefinedFile");
}

} // namespace
} // namespace quelvan
