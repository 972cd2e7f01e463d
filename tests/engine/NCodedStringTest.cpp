#include "engine/NCodedString.h"

#include "core/NumberText.h"
#include "support/CaseNames.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace quelvan {
namespace {

NCodedString ListProfile(const std::vector<std::string>& values)
{
    NCodedString p;
    p.SetDimension("HD1");
    p.SetDataKind('S');
    p.SetValueUnit('R');
    p.StoreValues(values);
    return p;
}

std::vector<std::string> Texts(std::initializer_list<double> values)
{
    std::vector<std::string> texts;
    for (double v : values)
        texts.push_back(FloatText(v));
    return texts;
}

TEST(NCodedString, FreshProfileHasTheDayLayoutAndIsNotYetValid)
{
    NCodedString p;
    EXPECT_EQ(p.Code(), "*000000xULnn0H12D001");
    // Value unit "U" is not one the validity check accepts: the builder must set one.
    EXPECT_FALSE(p.IsValid());
    EXPECT_EQ(p.FinalizeProfile(-1, 1e10), ProfileFault::InvalidCode);
    p.SetDataKind('S');
    p.SetValueUnit('R');
    EXPECT_TRUE(p.IsValid());
}

TEST(NCodedString, OneValueIsConstantForAnyTime)
{
    NCodedString p = ListProfile({ "12.5" });
    ASSERT_EQ(p.FinalizeProfile(-1, 1e10), ProfileFault::None);
    ASSERT_EQ(p.Segments().size(), 1u);
    for (double t : { -5e9, -3600.0, 0.0, 7200.0, 9e6, 4e10 })
        EXPECT_FLOAT_EQ(p.EvaluateProfile(t), 12.5f) << t;
}

TEST(NCodedString, HourlyStaircaseAndItsDailyRepetition)
{
    std::vector<std::string> values;
    for (int i = 0; i < 24; ++i)
        values.push_back(FloatText(100 + 3 * i));
    NCodedString p = ListProfile(values);
    ASSERT_EQ(p.FinalizeProfile(-1, 1e10), ProfileFault::None);
    EXPECT_EQ(p.Segments().size(), 24u);
    EXPECT_FLOAT_EQ(p.Span(), 86400.0f);
    // A time on a boundary takes the earlier segment inside the first span.
    EXPECT_FLOAT_EQ(p.EvaluateProfile(0), 100);
    EXPECT_FLOAT_EQ(p.EvaluateProfile(3600), 100);
    EXPECT_FLOAT_EQ(p.EvaluateProfile(7200), 103);
    EXPECT_FLOAT_EQ(p.EvaluateProfile(86400), 169);
    // Outside it, the later one.
    EXPECT_FLOAT_EQ(p.EvaluateProfile(90000), 103);
    EXPECT_FLOAT_EQ(p.EvaluateProfile(172800), 100);
    // Search restarting after a later time.
    EXPECT_FLOAT_EQ(p.EvaluateProfile(5000), 103);
}

TEST(NCodedString, EqualNeighboursShareOneSegment)
{
    NCodedString p = ListProfile(Texts({ 5, 5, 5, 8 }));
    ASSERT_EQ(p.FinalizeProfile(-1, 1e10), ProfileFault::None);
    ASSERT_EQ(p.Segments().size(), 2u);
    EXPECT_FLOAT_EQ(p.Segments()[0].t0, 0);
    EXPECT_FLOAT_EQ(p.Segments()[0].t1, 10800);
    EXPECT_EQ(p.Segments()[0].startValue, "5");
    EXPECT_FLOAT_EQ(p.Segments()[1].t0, 10800);
    EXPECT_FLOAT_EQ(p.Segments()[1].t1, 14400);
    EXPECT_EQ(p.Segments()[1].endValue, "8");
}

TEST(NCodedString, AWeekOfValuesUnderTheDayWordSpansTheWeek)
{
    std::vector<std::string> values(168, "1");
    values[100] = "7";
    NCodedString p = ListProfile(values);
    ASSERT_EQ(p.FinalizeProfile(-1, 1e10), ProfileFault::None);
    EXPECT_FLOAT_EQ(p.Span(), 604800.0f);
    EXPECT_FLOAT_EQ(p.EvaluateProfile(100 * 3600 + 1800), 7);
    EXPECT_FLOAT_EQ(p.EvaluateProfile(604800 + 100 * 3600 + 1800), 7);
}

TEST(NCodedString, NegativeTimesWrapIntoTheSpan)
{
    NCodedString p = ListProfile(Texts({ 1, 2, 3, 4 }));
    ASSERT_EQ(p.FinalizeProfile(-1, 1e10), ProfileFault::None);
    // One hour before the start is the last hour of the previous period.
    EXPECT_FLOAT_EQ(p.EvaluateProfile(-1800), 4);
}

TEST(NCodedString, PerCentUnitScalesValues)
{
    NCodedString p = ListProfile({ "45" });
    p.SetValueUnit('P');
    ASSERT_EQ(p.FinalizeProfile(-1, 1e10), ProfileFault::None);
    EXPECT_FLOAT_EQ(p.EvaluateProfile(10), 0.45f);
}

TEST(NCodedString, MultiplierDividesStoredValuesSoEvaluationGivesThemBack)
{
    NCodedString p;
    p.SetDataKind('S');
    p.SetValueUnit('R');
    p.SetCode("2" + p.Code());
    p.StoreValues({ "10", "30" });
    ASSERT_EQ(p.FinalizeProfile(-1, 1e10), ProfileFault::None);
    EXPECT_FLOAT_EQ(p.Multiplier(), 2.0f);
    EXPECT_NEAR(p.EvaluateProfile(1000), 10.0f, 1e-4);
    EXPECT_NEAR(p.EvaluateProfile(5000), 30.0f, 1e-4);
    EXPECT_NEAR(FloatValue(p.Segments()[0].startValue), 5.0f, 1e-4);
}

struct CodeCase {
    int position; // counted from the marker
    char value;
    ProfileFault expected;
    friend void PrintTo(const CodeCase& c, std::ostream* os)
    {
        *os << "'" << c.value << "' at " << c.position;
    }
};
class CodeErrors : public ::testing::TestWithParam<CodeCase> { };

TEST_P(CodeErrors, FinalizeReportsTheCode)
{
    NCodedString p = ListProfile({ "1", "2" });
    std::string code = p.Code();
    code[static_cast<size_t>(GetParam().position)] = GetParam().value;
    p.SetCode(code);
    EXPECT_EQ(p.FinalizeProfile(-1, 1e10), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(Fields, CodeErrors,
    ::testing::Values(CodeCase { 12, '1', ProfileFault::InvalidCode }, // must be "0"
        CodeCase { 8, 'Q', ProfileFault::InvalidCode }, // unknown unit
        CodeCase { 7, 'Z', ProfileFault::InvalidCode }, // unknown kind
        CodeCase { 7, 'I', ProfileFault::NotLoadable }, // known, no loader
        CodeCase { 12, 'x', ProfileFault::InvalidCode }));

TEST(NCodedString, ZeroCountsAndBadMultiplierAreDiagnosed)
{
    NCodedString p = ListProfile({ "1" });
    std::string code = p.Code();
    code.replace(14, 2, "00");
    p.SetCode(code);
    EXPECT_EQ(p.FinalizeProfile(-1, 1e10), ProfileFault::InvalidCode);

    NCodedString m = ListProfile({ "1" });
    m.SetCode("abc" + m.Code());
    EXPECT_EQ(m.FinalizeProfile(-1, 1e10), ProfileFault::InvalidCode);
}

TEST(NCodedString, NoValueGivesNoSegment)
{
    NCodedString p = ListProfile({});
    EXPECT_EQ(p.FinalizeProfile(-1, 1e10), ProfileFault::NoSegment);
}

} // namespace
} // namespace quelvan
