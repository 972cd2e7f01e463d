// The round scale of the year's and the comparison's charts: four divisions of a step of 1, 2,
// 2.5 or 5 times a power of ten holding the data, every tick written with the decimals the step
// needs; the year's surface chart names in its legend only the marks it draws.
#include "graphics/RoundScale.h"
#include "engine/annual/AnnualFigures.h"
#include "graphics/AnnualBalancePlots.h"
#include "graphics/CChart.h"
#include "graphics/NShpText.h"

#include <gtest/gtest.h>

using namespace quelvan;
using namespace quelvan::graphics;

namespace {

struct ScaleCase {
    double low, high;
    double bottom, top, step;
    std::vector<std::string> ticks;
};

class RoundScales : public ::testing::TestWithParam<ScaleCase> { };

TEST_P(RoundScales, HoldTheDataOnRoundTicks)
{
    const ScaleCase& c = GetParam();
    const RoundScale scale = RoundScaleOf(c.low, c.high, 4);
    EXPECT_DOUBLE_EQ(scale.bottom, c.bottom);
    EXPECT_DOUBLE_EQ(scale.top, c.top);
    EXPECT_DOUBLE_EQ(scale.step, c.step);
    EXPECT_LE(scale.bottom, c.low);
    EXPECT_GE(scale.top, c.high);
    std::vector<std::string> ticks;
    for (int i = 0; i <= scale.divisions; ++i)
        ticks.push_back(TickText(scale, i));
    EXPECT_EQ(ticks, c.ticks);
}

// Worked by hand: the step is the first of 1, 2, 2.5, 5 times the power of ten of a quarter
// of the span whose four divisions, from the multiple of the step at or below the low value,
// reach the high one.
INSTANTIATE_TEST_SUITE_P(Graphics, RoundScales,
    ::testing::Values(
        ScaleCase { 0.3, 9.7, 0.0, 10.0, 2.5, { "0.0", "2.5", "5.0", "7.5", "10.0" } },
        ScaleCase { 17.2, 28.9, 15.0, 35.0, 5.0, { "15", "20", "25", "30", "35" } },
        ScaleCase { -12.4, 30.2, -20.0, 60.0, 20.0, { "-20", "0", "20", "40", "60" } },
        // A single value: one unit either side, split in halves.
        ScaleCase { 5.0, 5.0, 4.0, 6.0, 0.5, { "4.0", "4.5", "5.0", "5.5", "6.0" } },
        // Small values keep their decimals, and the tick at zero has no sign.
        ScaleCase { -0.004, 0.013, -0.005, 0.015, 0.005,
            { "-0.005", "0.000", "0.005", "0.010", "0.015" } }));

TEST(RoundScale, EveryTickOfTheYearChartIsLabelled)
{
    MonthlyBalancePlot plot;
    annual::BalanceTable table {};
    for (annual::BalanceFigures& month : table.months) {
        month.loss = 7.0;
        month.gain = 0.5;
    }
    plot.Show(table);
    // -0.5 to 7: 2.5 by 2.5 from -2.5.
    EXPECT_DOUBLE_EQ(plot.Range().bottom, -2.5);
    EXPECT_DOUBLE_EQ(plot.Range().top, 7.5);
    std::vector<std::string> labels;
    const CChart& chart = plot.Chart();
    for (int i = 0; i < chart.ShapeCount(); ++i)
        if (const auto* text = dynamic_cast<const NShpText*>(&chart.ShapeAt(i)))
            if (text->Text() && text->Text()->find('.') != std::string::npos)
                labels.push_back(*text->Text());
    EXPECT_EQ(labels, (std::vector<std::string> { "0.0", "2.5", "5.0" }));
    EXPECT_EQ(plot.Chart().YAxis().EndALabel()->Text(), std::string("-2.5"));
    EXPECT_EQ(plot.Chart().YAxis().EndBLabel()->Text(), std::string("7.5"));
    // Shown again, the labels between are replaced, not added to.
    plot.Show(table);
    int count = 0;
    for (int i = 0; i < chart.ShapeCount(); ++i)
        if (const auto* text = dynamic_cast<const NShpText*>(&chart.ShapeAt(i)))
            count += text->Text() && text->Text()->find('.') != std::string::npos ? 1 : 0;
    EXPECT_EQ(count, 3);
}

// A year whose surface stays between low and high, each day from low at midnight upward.
std::vector<annual::HourRecord> Year(double low, double high)
{
    std::vector<annual::HourRecord> hours(kHoursPerYear);
    for (int h = 0; h < kHoursPerYear; ++h) {
        hours[static_cast<std::size_t>(h)].hour = h + 1;
        hours[static_cast<std::size_t>(h)].interiorSurfaceTemperature
            = low + (high - low) * (h % 24) / 23.0;
    }
    return hours;
}

TEST(RoundScale, TheSurfaceLegendNamesOnlyTheMarksOnTheScale)
{
    YearSurfacePlot plot;
    const auto texts = [&plot] {
        std::vector<std::string> names;
        for (const LegendEntry& entry : plot.Legend())
            names.push_back(entry.text);
        return names;
    };
    // 19.5 to 22.5 °C: a scale of 19 to 23, neither mark on it.
    plot.Show(Year(19.5, 22.5));
    EXPECT_EQ(
        texts(), (std::vector<std::string> { "Minimum et maximum du jour", "Moyenne du jour" }));
    // 15 to 27 °C: 15 to 35, both marks drawn and named.
    plot.Show(Year(15.0, 27.0));
    EXPECT_EQ(texts(),
        (std::vector<std::string> {
            "Minimum et maximum du jour", "Moyenne du jour", "26 °C", "17 °C" }));
}

} // namespace
