#include "model/WeatherStation.h"
#include "model/KslDoc.h"

#include <gtest/gtest.h>

namespace quelvan {
namespace {

TEST(WeatherStation, FileNameIsPlainAsciiAndNeverACityFile)
{
    const std::pair<const char*, const char*> rows[] = {
        { "Lyon Bron AP", "Station_Lyon_Bron_AP.wth" },
        { "Mâcon", "Station_Macon.wth" },
        { "Saint-Étienne – Bouthéon", "Station_Saint-Etienne_Boutheon.wth" },
        { "  Brest ", "Station_Brest.wth" },
        { "Agen", "Station_Agen.wth" }, // not FR_Agen.wth, the city's
        { "日本", "Station_EPW.wth" },
        { "", "Station_EPW.wth" },
        { "a/../b\\c", "Station_a_b_c.wth" },
    };
    for (const auto& [name, file] : rows) {
        EXPECT_EQ(StationFileName(name), file) << name;
        EXPECT_TRUE(IsBareFileName(StationFileName(name))) << name;
    }
}

// A file name takes at most 255 bytes: a longer station name is cut, never at an underscore.
TEST(WeatherStation, FileNameFitsAFolderWhateverTheNameLength)
{
    std::string accents, words;
    for (int i = 0; i < 300; ++i) {
        accents += "é";
        words += "ab ";
    }
    EXPECT_EQ(StationFileName(accents), "Station_" + std::string(243, 'e') + ".wth");
    const std::string cut = StationFileName(words);
    EXPECT_EQ(cut.size(), 254u); // 243 letters and underscores, the last underscore dropped
    EXPECT_TRUE(cut.ends_with("ab.wth")) << cut;
    EXPECT_EQ(StationFileName(std::string(243, 'x')).size(), 255u);
}

TEST(WeatherStation, BareFileNamesHaveNoFolderNorBlank)
{
    for (const char* bad : { "", ".", "..", "a/b.wth", "..\\b.wth", "a b.wth", "a\tb", "a\x7f" })
        EXPECT_FALSE(IsBareFileName(bad)) << bad;
    for (const char* good : { "a.wth", "Station_Mâcon.wth", "...wth" })
        EXPECT_TRUE(IsBareFileName(good)) << good;
}

TEST(WeatherStation, IndicesFollowTheCitiesAndNameTheirPlaces)
{
    KslDoc doc;
    EXPECT_EQ(FreeStationIndex(doc.stations), 10);
    doc.stations.Append(std::make_unique<WeatherStation>(WeatherStation { 10, "A", "A.wth" }));
    doc.stations.Append(std::make_unique<WeatherStation>(WeatherStation { 12, "C", "C.wth" }));
    EXPECT_EQ(FreeStationIndex(doc.stations), 11);
    EXPECT_EQ(doc.WeatherPlaceName(5), "Mâcon");
    EXPECT_EQ(doc.WeatherPlaceName(12), "C");
    EXPECT_EQ(doc.WeatherPlaceName(11), "");
    EXPECT_EQ(doc.WeatherPlaceName(-1), "");
    EXPECT_EQ(StationWithFile(doc.stations, "C.wth"), &doc.stations.At(1));
    for (int index = 11; index <= kLastStationIndex; ++index)
        doc.stations.Append(std::make_unique<WeatherStation>(WeatherStation { index, "x", "x" }));
    EXPECT_EQ(FreeStationIndex(doc.stations), -1);
    // A new project has none.
    doc.NewDocument();
    EXPECT_TRUE(doc.stations.IsEmpty());
}

} // namespace
} // namespace quelvan
