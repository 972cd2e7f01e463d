#include "GraphicsTestSupport.h"
#include "engine/RunView.h"
#include "graphics/CChart.h"
#include "graphics/ChartLayout.h"
#include "graphics/NShpLine.h"
#include "graphics/NShpPolyLine.h"
#include "graphics/NShpText.h"
#include "graphics/ProfileChart.h"
#include "support/CaseNames.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quelvan::graphics {
namespace {

int CountShapes(const CDrawObject& d, ShapeType type)
{
    int n = 0;
    for (int i = 0; i < d.ShapeCount(); ++i)
        n += d.ShapeAt(i).Type() == type ? 1 : 0;
    return n;
}

TEST(CChartAxis, DivisionsGiveOneTickMoreThanTheirCount)
{
    CChart chart(TransformMode::Curve, 1000, 1000, true, true);
    CChartAxis& x = chart.XAxis();
    EXPECT_EQ(CountShapes(x, ShapeType::Line), 1 + 6);
    x.SetDivisionCount(7);
    x.Build();
    ASSERT_EQ(CountShapes(x, ShapeType::Line), 1 + 8);
}

struct RangeCase {
    double min;
    double max;
    int bottom;
    int top;
    friend void PrintTo(const RangeCase& c, std::ostream* os)
    {
        *os << quelvan::test::Number(c.min) << " to " << quelvan::test::Number(c.max);
    }
};

class IntegerRangeRuleTest : public ::testing::TestWithParam<RangeCase> { };

TEST_P(IntegerRangeRuleTest, RoundsOutward)
{
    const RangeCase c = GetParam();
    const IntegerRange r = IntegerRangeRule(c.min, c.max);
    EXPECT_EQ(r.bottom, c.bottom);
    EXPECT_EQ(r.top, c.top);
}

INSTANTIATE_TEST_SUITE_P(Cases, IntegerRangeRuleTest,
    ::testing::Values(RangeCase { 15.2, 20.0, 15, 20 }, RangeCase { -3.0, 0.0, -4, 0 },
        RangeCase { 0.0, 0.0, -1, 0 }, // empty data
        RangeCase { -0.5, 0.5, -1, 1 }, RangeCase { 2.0, 7.0, 2, 7 },
        RangeCase { -2.5, -0.3, -3, 0 }, RangeCase { 0.25, 19.01, 0, 20 },
        RangeCase { static_cast<float>(15.2), static_cast<float>(20.0), 15, 20 },
        // No number counts as no data; huge values are limited to ±1e9, labels stay numbers.
        RangeCase { std::nan(""), std::nan(""), -1, 0 },
        RangeCase { -3e38, 3e38, -1000000001, 1000000000 }));

TEST(ProfileChart, NodesSpreadAcrossThePlotByPosition)
{
    ProfileChart profile;
    RunView run;
    run.prepared = true;
    run.nodes.x = { 0.0f, 0.05f, 0.2f };
    run.nodes.T = run.nodes.Tmin = run.nodes.Tmax = { 10.0f, 15.0f, 20.0f };
    run.totalThickness = 0.2f;
    run.bounds.lower = 10.0f;
    run.bounds.upper = 20.0f;
    profile.ShowRun(run);
    // 153 + 786 * share, truncated.
    EXPECT_EQ(profile.NodeColumns(), (std::vector<int> { 153, 349, 939 }));
    const NShpPolyLine& current = profile.Chart().Curve(ProfileChart::kCurveCurrent);
    ASSERT_EQ(current.Points().size(), 3u);
    EXPECT_FLOAT_EQ(current.Points()[1].x, 349.0f);
    EXPECT_NEAR(current.Points()[1].y, 192.0f + 757.0f * 0.5f, 0.01f);
    EXPECT_EQ(profile.Chart().Axis(CChart::kAxisY).EndALabel()->Text(), "10");
    EXPECT_EQ(profile.Chart().Axis(CChart::kAxisX).EndBLabel()->Text(), "200");
}

} // namespace
} // namespace quelvan::graphics
