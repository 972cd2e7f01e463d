#include "model/CBCData.h"
#include "model/KslDoc.h"

#include <gtest/gtest.h>

#include <array>

namespace quelvan {
namespace {

TEST(BuiltInAmbiances, SelectionIsAnIndexNotAPosition)
{
    KslDoc doc;
    // Give the third record index 7: the selection 2 now matches nothing on that side.
    doc.exteriorAmbiances.At(2).SetIdentifier(kAmbianceIdentifierBase + 7);
    doc.exteriorAmbiances.At(7).SetIdentifier(kAmbianceIdentifierBase + 2);
    EXPECT_EQ(doc.SelectedAmbiance(Side::Exterior), &doc.exteriorAmbiances.At(7));
    // A record of the other side in that list is never the choice, as in the form's list.
    doc.exteriorAmbiances.At(7).side = Side::Interior;
    EXPECT_EQ(doc.SelectedAmbiance(Side::Exterior), nullptr);
    doc.selectedInterior = 42;
    EXPECT_EQ(doc.SelectedAmbiance(Side::Interior), nullptr);
    doc.selectedInterior = -1;
    EXPECT_EQ(doc.SelectedAmbiance(Side::Interior), nullptr);
}

TEST(WeatherCase, WeekPeriodAndUnknownCity)
{
    KslDoc doc;
    using T = ProfileType;
    CBCData& record = doc.AddAmbiance(4013, Side::Exterior, "Nancy", T::Weather, T::Null,
        Period::Week, Period::Day, { "Nancy", "32", "5", "6" }, { "1", "2", "3", "4" });
    EXPECT_TRUE(record.weatherFlag);
    EXPECT_EQ(record.cityIndex, 7);
    EXPECT_EQ(record.firstDay, 32);
    EXPECT_EQ(record.weatherPeriod, Period::Week);
    EXPECT_EQ(record.temperature.period, Period::Week);
    EXPECT_EQ(record.flux.period, Period::Week);
    EXPECT_EQ(record.temperature.values, (std::array<std::string, 4> { "0", "0", "5", "6" }));
    EXPECT_EQ(&doc.exteriorAmbiances.At(12), &record);

    const CBCData& other = doc.AddAmbiance(4014, Side::Exterior, "Ailleurs", T::Weather, T::Null,
        Period::Day, Period::Day, { "nancy", "x", "", "" }, {});
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
    EXPECT_EQ(target.Name(), doc.exteriorAmbiances.At(4).Name());
    EXPECT_EQ(target.Identifier(), 4005);
    EXPECT_EQ(target.temperature, doc.exteriorAmbiances.At(4).temperature);
    EXPECT_EQ(target.cityIndex, 3);
    EXPECT_EQ(target.firstDay, 40);

    CBCData weather = doc.exteriorAmbiances.At(11);
    weather.weatherPeriod = Period::Week;
    weather.temperature.period = Period::Day;
    target.AssignFrom(weather);
    EXPECT_TRUE(target.weatherFlag);
    EXPECT_EQ(target.cityIndex, 5);
    EXPECT_EQ(target.firstDay, 1);
    EXPECT_EQ(target.temperature.period, Period::Week);
    EXPECT_EQ(target.flux.period, Period::Week);
}

TEST(TypeKeywords, EveryTypeReadsBackFromItsKeyword)
{
    for (const ProfileTypeInfo& info : ProfileTypes())
        EXPECT_EQ(ProfileTypeFromKeyword(ProfileTypeKeyword(info.type)), info.type) << info.keyword;
}

TEST(TypeKeywords, AnyOtherTextIsTheUnknownType)
{
    for (const char* text : { "XX", "fl", "", " NU", "NUL" })
        EXPECT_EQ(ProfileTypeFromKeyword(text), ProfileType::Unknown) << text;
    EXPECT_STREQ(ProfileTypeKeyword(ProfileType::Unknown), "UN");
}

} // namespace
} // namespace quelvan
