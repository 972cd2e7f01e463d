// The number rules must give the same texts whatever the process locale. When the variable
// QUELVAN_EXPECT_FRENCH_LOCALE is set (the "core_under_french_locale" run), every test of this
// program runs after setlocale(LC_ALL, "") with a French environment, and the run fails if the
// French locale is missing (a run that silently stayed in "C" would prove nothing).
#include "core/NTextTable.h"
#include "core/NumberText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <cstring>

namespace quelvan {
namespace {

bool FrenchLocaleExpected()
{
    return std::getenv("QUELVAN_EXPECT_FRENCH_LOCALE") != nullptr;
}

class ProcessLocaleEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (!FrenchLocaleExpected())
            return;
        const char* name = std::setlocale(LC_ALL, "");
        ASSERT_NE(name, nullptr) << "the locale of the environment cannot be set";
        ASSERT_STREQ(std::localeconv()->decimal_point, ",")
            << "expected a French locale, got " << name;
    }
};

// Registered before main runs, so that the locale is set before the first test.
[[maybe_unused]] ::testing::Environment* const kLocaleEnvironment
    = ::testing::AddGlobalTestEnvironment(new ProcessLocaleEnvironment);

TEST(ProcessLocale, NumberRulesIgnoreIt)
{
    if (FrenchLocaleExpected()) {
        ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    }
    EXPECT_EQ(FormatNumber(1.5, Decimals { 1 }, false), "1.5");
    EXPECT_EQ(FormatNumber(0.5, SignificantDigits { 2 }, true), "0.5");
    EXPECT_EQ(FormatDouble("%.2f", 0.5), "0.50");
    EXPECT_EQ(FormatDouble("%9.2e", 1500.0), " 1.50e+03");
    EXPECT_EQ(FloatText(1.5), "1.5");
    float value = 0.0f;
    ASSERT_TRUE(ParseFloat("1.5", value));
    EXPECT_EQ(value, 1.5f);
    ASSERT_TRUE(ParseFloat("0,5", value));
    EXPECT_EQ(value, 0.5f);
    int integer = 0;
    ASSERT_TRUE(ParseInt("1234", integer));
    EXPECT_EQ(integer, 1234);
}

TEST(ProcessLocale, TablesKeepDecimalPoints)
{
    NTextTable table;
    table.ReadLines({ "0,5\t1.5" }, -1);
    ASSERT_EQ(table.CellCount(0), 2);
    EXPECT_EQ(table.Cell(0, 0), "0.5");
    EXPECT_EQ(FloatValue(table.Cell(0, 1)), 1.5f);
    EXPECT_EQ(table.FormatLines(false), std::vector<std::string> { "0.5\t1.5" });
}

} // namespace
} // namespace quelvan
