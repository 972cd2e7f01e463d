// A week of weather in the fine mode: weather does not repeat after a week, so the week's last
// hour (168) reads its own line of the file, not the line of hour 0 (the year's last line).
#include "EngineTestSupport.h"
#include "core/NumberText.h"
#include "engine/EngineState.h"
#include "engine/WeatherFiles.h"
#include "model/KslDoc.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace quelvan {
namespace {

// Column `column` (0-based) of data line `line` of a weather file, read back from the file.
double FileCell(const std::string& path, int line, int column)
{
    std::ifstream in(path, std::ios::binary);
    std::string text;
    for (int i = 0; i <= line && std::getline(in, text); ++i) { }
    std::size_t start = 0;
    for (int c = 0; c < column; ++c)
        start = text.find('\t', start) + 1;
    return FloatValue(text.substr(start, text.find('\t', start) - start));
}

class FineWeatherWeek : public ::testing::Test {
protected:
    test::TempFolder folder;
    KslDoc doc;
    EngineState engine;
    const RunView& run = engine.View();
    std::string file = folder.File(WeatherFileName(0));

    void SetUp() override
    {
        // The week's last line is far colder than the year's last line, and lines 144 and 168
        // (the same time of day) see the same sun while the year's last line sees none.
        test::WeatherColumns columns;
        columns.temperature = [](int j) {
            return j == 168 ? -17.5 : j == 8760 ? 13.1 : 5.0 + j % 7;
        };
        const auto sunny = [](int j) { return j == 144 || j == 168; };
        columns.direct = [sunny](int j) { return sunny(j) ? 400.0 : 0.0; };
        columns.diffuse = [sunny](int j) { return sunny(j) ? 120.0 : 0.0; };
        columns.height = [sunny](int j) { return sunny(j) ? 25.0 : 0.0; };
        test::WriteWeatherFile(file, 8760, columns);
        test::SelectConstant(doc, Side::Interior, "20");
        CBCData& outside = test::SelectConstant(doc, Side::Exterior, "0");
        outside.weatherFlag = true;
        outside.cityIndex = 0;
        outside.firstDay = 1;
        outside.temperature.type = ProfileType::Weather;
        outside.flux.values = { "0", "0", "20", "0" };
    }

    void RunWeek(CalculationMode mode)
    {
        CalculationInputs inputs = InputsFromDocument(doc);
        inputs.weather.explicitDirectory = folder.Path();
        inputs.mode = mode;
        ASSERT_EQ(engine.PrepareCalculation(doc, inputs), Failure::None);
        while (engine.CanAdvance())
            engine.AdvanceHour(doc, true, true);
        ASSERT_EQ(run.hours, kRecordedHours);
    }
};

TEST_F(FineWeatherWeek, TheLastHourReadsItsOwnLine)
{
    RunWeek(CalculationMode::Fine);
    const auto& air = run.Series(SeriesId::ExteriorTemperature);
    ASSERT_EQ(air.size(), 169u);
    // Hour h is the file's line h; hour 0 is the line before the first, the year's last.
    EXPECT_FLOAT_EQ(air[168], static_cast<float>(FileCell(file, 168, 1)));
    EXPECT_FLOAT_EQ(air[167], static_cast<float>(FileCell(file, 167, 1)));
    EXPECT_FLOAT_EQ(air[0], static_cast<float>(FileCell(file, 8760, 1)));
    EXPECT_NE(air[168], air[0]);
    // The sun of line 168 falls on hour 168 as the same sun of line 144 on hour 144.
    const auto& sun = run.Series(SeriesId::ExteriorFlux);
    EXPECT_GT(sun[144], 0.0f);
    EXPECT_FLOAT_EQ(sun[168], sun[144]);
    EXPECT_FLOAT_EQ(sun[0], 0.0f);
    // The recorded row of hour 168 shows the same air.
    EXPECT_FLOAT_EQ(FloatValue(doc.results.Cell(169, 1)), air[168]);
}

// The standard mode keeps its evaluation of the weekly list of 168 hours.
TEST_F(FineWeatherWeek, TheStandardModeKeepsItsWeeklyList)
{
    RunWeek(CalculationMode::Standard);
    const auto& air = run.Series(SeriesId::ExteriorTemperature);
    EXPECT_NE(air[168], static_cast<float>(FileCell(file, 168, 1)));
    EXPECT_FLOAT_EQ(air[168], static_cast<float>(FileCell(file, 167, 1)));
}

} // namespace
} // namespace quelvan
