#include "core/NumberText.h"
#include "support/CaseNames.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <locale.h>
#include <string>

namespace quelvan {
namespace {

// Independent oracle: the C library's own snprintf, run in the "C" locale on this thread
// whatever the process locale is.
template <typename Value> std::string CPrintf(const char* format, Value value)
{
    const locale_t cLocale = ::newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    const locale_t previous = ::uselocale(cLocale);
    char buffer[2048];
    std::snprintf(buffer, sizeof buffer, format, value);
    ::uselocale(previous);
    ::freelocale(cLocale);
    return buffer;
}

// ---- FormatNumber: decimals from the precision, "###", the trims -----------------------

struct FormatNumberCase {
    double x;
    Precision precision;
    bool trim;
    const char* expected;
    friend void PrintTo(const FormatNumberCase& c, std::ostream* os)
    {
        *os << quelvan::test::Number(c.x) << " to " << quelvan::test::PrecisionText(c.precision)
            << (c.trim ? ", trimmed" : "");
    }
};

class FormatNumberTest : public ::testing::TestWithParam<FormatNumberCase> { };

TEST_P(FormatNumberTest, GivesTheDisplayedText)
{
    const FormatNumberCase& c = GetParam();
    EXPECT_EQ(FormatNumber(c.x, c.precision, c.trim), c.expected) << "x=" << c.x;
}

// Decimals worked out by hand: d = -1 - trunc(log10(|x| + 1e-7) + 0.0001) + n, +1 below 1.
INSTANTIATE_TEST_SUITE_P(Examples, FormatNumberTest,
    ::testing::Values(FormatNumberCase { 123.456, SignificantDigits { 3 }, false, "123" }, // d = 0
        FormatNumberCase { 0.0456, SignificantDigits { 3 }, false, "0.0456" }, // d = 3 + 1
        FormatNumberCase { 2.5, Decimals { 2 }, false, "2.50" }, //
        FormatNumberCase { 2.5, Decimals { 2 }, true, "2.5" }, //
        FormatNumberCase { 1e16, Decimals { 2 }, false, "###" }, //
        FormatNumberCase { 1e15, Decimals { 1 }, false, "1000000000000000.0" }, // not above 1e15
        FormatNumberCase { -1e16, Decimals { 0 }, false, "-10000000000000000" }, // signed test
        FormatNumberCase { 0.0, Decimals { 3 }, false, "0" }, // zero always trimmed
        FormatNumberCase { -0.0, Decimals { 2 }, false, "0" }, // no "-0"
        FormatNumberCase { -5.0, SignificantDigits { 3 }, false, "-5.000" }, // d = 2 + 1
        FormatNumberCase { 1.0, SignificantDigits { 3 }, false, "1.00" }, // d = 2, not below 1
        FormatNumberCase { 0.999, SignificantDigits { 3 }, false, "0.999" }, // d = 2 + 1
        FormatNumberCase { 1000.0, SignificantDigits { 3 }, false, "1000" }, // d = -1 -> 0
        FormatNumberCase {
            12345.6789, SignificantDigits { 3 }, false, "12346" }, // d = -2 -> 0, rounded
        FormatNumberCase { 5e-8, Decimals { 2 }, false, "0" }, // |x| < 1e-7 trims
        FormatNumberCase {
            0.00123, SignificantDigits { 2 }, false, "0.0012" }, // d = -1 + 2 + 2 + 1
        FormatNumberCase { 19.96, Decimals { 1 }, false, "20.0" }, //
        FormatNumberCase { 100.5, Decimals { 3 }, true, "100.5" }));

TEST(FormatNumberRounding, RoundsAsPrintfDoes)
{
    // 2.675 is stored as 2.67499999..., 0.125 is an exact tie that goes to the even digit: the
    // texts are those of the C library's printf.
    for (const double x : { 2.675, 0.125, 0.5, 1.5, 2.5, 3.5, 1.005, 0.045, 123.455 }) {
        for (int d = 0; d <= 3; ++d) {
            const std::string format = "%." + std::to_string(d) + "f";
            EXPECT_EQ(FormatNumber(x, Decimals { d }, false), CPrintf(format.c_str(), x))
                << x << " " << d;
        }
    }
}

TEST(FormatNumberRounding, NonFiniteValuesDoNotBreakTheDecimals)
{
    EXPECT_EQ(FormatNumber(std::numeric_limits<double>::infinity(), SignificantDigits { 3 }, false),
        "###");
    EXPECT_EQ(
        FormatNumber(-std::numeric_limits<double>::infinity(), SignificantDigits { 3 }, false),
        "-inf");
    EXPECT_EQ(
        FormatNumber(std::numeric_limits<double>::quiet_NaN(), SignificantDigits { 3 }, false),
        "nan");
    // A huge number of significant digits stays bounded and still prints the value.
    EXPECT_EQ(FormatNumber(0.5, SignificantDigits { 2000 }, true), "0.5");
}

// ---- FormatDouble / FormatInt against the C library ------------------------------------

struct FormatCase {
    const char* format;
    double value;
    friend void PrintTo(const FormatCase& c, std::ostream* os)
    {
        *os << c.format << " of " << quelvan::test::Number(c.value);
    }
};

class FormatDoubleTest : public ::testing::TestWithParam<FormatCase> { };

TEST_P(FormatDoubleTest, MatchesTheCLibraryInTheCLocale)
{
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatDouble(c.format, c.value), CPrintf(c.format, c.value))
        << c.format << " " << c.value;
}

std::vector<FormatCase> DoubleCases()
{
    const char* formats[] = { "%f", "%.0f", "%.1f", "%.2f", "%9.2e", "%e", "%.3e", "%+.2f",
        "%-9.1f|", "%08.2f", "% .1f", "%g", "%.3g", "%E", "x=%.1f%%", "%12.4f" };
    const double values[] = { 0.0, -0.0, 0.5, 1.5, 2.5, 2.675, 0.125, 1e-7, 123456.789, -98.765,
        1e300, 1e-300, 1e16, 9.995, -0.05, std::numeric_limits<double>::infinity(),
        -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN() };
    std::vector<FormatCase> cases;
    for (const char* f : formats) {
        for (const double v : values)
            cases.push_back({ f, v });
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Formats, FormatDoubleTest, ::testing::ValuesIn(DoubleCases()));

TEST(FormatInt, MatchesTheCLibraryInTheCLocale)
{
    const char* formats[]
        = { "%d", "%3d", "%12d", "%4d", "%-4d|", "%04d", "%+d", "%.3d", "%x", "%X", "%o", "%u" };
    const int values[] = { 0, 5, -5, 42, 1234, 123456, -2147483647 - 1, 2147483647 };
    for (const char* f : formats) {
        for (const int v : values)
            EXPECT_EQ(FormatInt(f, v), CPrintf(f, v)) << f << " " << v;
    }
}

TEST(FormatInt, FloatingConversionOfAnIntegerAndIntegerOfADouble)
{
    EXPECT_EQ(FormatInt("%.1f", 3), "3.0");
    EXPECT_EQ(FormatDouble("%d", 7.9), "7");
    EXPECT_EQ(FormatDouble("%d", -7.9), "-7");
    EXPECT_EQ(FormatDouble("%3d", std::numeric_limits<double>::quiet_NaN()), "  0");
}

TEST(FormatInt, MalformedFormatsGiveTextWithoutCrashing)
{
    EXPECT_EQ(FormatDouble("abc", 1.0), "abc");
    EXPECT_EQ(FormatDouble("%q", 1.0), "");
    EXPECT_EQ(FormatDouble("%", 1.0), "");
    EXPECT_EQ(FormatDouble("%d %d", 1.0), "");
    EXPECT_EQ(FormatDouble(nullptr, 1.0), "");
    EXPECT_EQ(FormatDouble("%99999.99999f", 1.0).size(), 4096u);
}

// ---- the float text and the trims ---------------------------------------------------

TEST(FloatText, PrintsWithSixDecimalsThenTrims)
{
    EXPECT_EQ(FloatText(0.13), "0.13");
    EXPECT_EQ(FloatText(2000.0), "2000");
    EXPECT_EQ(FloatText(0.0), "0");
    EXPECT_EQ(FloatText(-1.5), "-1.5");
    EXPECT_EQ(FloatText(1e-7), "0");
    EXPECT_EQ(FloatText(123.4567891), "123.456789");
    EXPECT_EQ(FloatText(0.1f), "0.1"); // the float 0.100000001... rounds to six decimals
}

TEST(SignificantText, KeepsExactlyTheDigitsAsked)
{
    EXPECT_EQ(SignificantText(0.661, 3), "0.661"); // no extra decimal below 1
    EXPECT_EQ(SignificantText(12.64, 3), "12.6");
    EXPECT_EQ(SignificantText(501.2, 3), "501");
    EXPECT_EQ(SignificantText(123456.0, 3), "123456"); // never fewer than the whole digits
    EXPECT_EQ(SignificantText(0.0000123456, 3), "0.0000123");
    EXPECT_EQ(SignificantText(-0.5, 3), "-0.500");
    EXPECT_EQ(SignificantText(0.0, 3), "0");
    // A rounding that carries into a new digit keeps three digits, not four.
    EXPECT_EQ(SignificantText(0.9996, 3), "1.00");
    EXPECT_EQ(SignificantText(99.96, 3), "100");
    EXPECT_EQ(SignificantText(6.777, 2), "6.8");
}

struct TextCase {
    const char* input;
    const char* expected;
    friend void PrintTo(const TextCase& c, std::ostream* os)
    {
        *os << quelvan::test::Quoted(c.input);
    }
};

class TrimTrailingZerosTest : public ::testing::TestWithParam<TextCase> { };

TEST_P(TrimTrailingZerosTest, DropsZerosAfterASeparatorOnly)
{
    EXPECT_EQ(TrimTrailingZeros(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, TrimTrailingZerosTest,
    ::testing::Values(TextCase { "100", "100" }, TextCase { "100.500", "100.5" },
        TextCase { "100.000", "100" }, TextCase { "0.000", "0" }, TextCase { "1,50", "1,5" },
        TextCase { "-0.250", "-0.25" }, TextCase { "1.5e+10", "1.5e+10" }, TextCase { "", "" },
        TextCase { "abc", "abc" }));

struct KeepCase {
    const char* input;
    Precision precision;
    bool trim;
    const char* expected;
    friend void PrintTo(const KeepCase& c, std::ostream* os)
    {
        *os << quelvan::test::Quoted(c.input) << " to " << quelvan::test::PrecisionText(c.precision)
            << (c.trim ? ", trimmed" : "");
    }
};

class KeepDecimalsTest : public ::testing::TestWithParam<KeepCase> { };

TEST_P(KeepDecimalsTest, CutsWithoutRounding)
{
    const KeepCase& c = GetParam();
    EXPECT_EQ(KeepDecimalsForPrecision(c.input, c.precision, c.trim), c.expected);
    if (const auto* decimals = std::get_if<Decimals>(&c.precision); decimals && !c.trim) {
        EXPECT_EQ(KeepDecimals(c.input, decimals->count), c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, KeepDecimalsTest,
    ::testing::Values(KeepCase { "3.14159", Decimals { 2 }, false, "3.14" },
        KeepCase { "3.149", Decimals { 2 }, false, "3.14" }, // cut, not rounded
        KeepCase { "3.1", Decimals { 2 }, false, "3.1" },
        KeepCase { "3.99", Decimals { 0 }, false, "3" },
        KeepCase { "12", Decimals { 2 }, false, "12" },
        KeepCase { "2,567", Decimals { 1 }, false, "2,5" },
        KeepCase { "1.500", Decimals { 2 }, true, "1.5" },
        // d = -1 - trunc(log10(0.045678) + 0.0001) + 3 = 3 (no extra decimal here)
        KeepCase { "0.045678", SignificantDigits { 3 }, false, "0.045" },
        KeepCase { "123.456", SignificantDigits { 3 }, false, "123" }, // d = 0
        KeepCase { "1.000", SignificantDigits { 2 }, true, "1" }, // d = 1, then trimmed
        KeepCase {
            "abc.def", SignificantDigits { 2 }, false, "abc.def" })); // unreadable: v = 0, d = 7

TEST(Differs, ComparesAgainstRelativePlusAbsoluteTolerance)
{
    EXPECT_TRUE(Differs(10.0, 10.5, 0.1, 0.01)); // 0.5 > 0.2
    EXPECT_FALSE(Differs(10.0, 10.15, 0.1, 0.01)); // 0.15 <= 0.2
    EXPECT_FALSE(Differs(0.0, 0.001, 0.001, 0.0)); // equal to the tolerance is not enough
    EXPECT_TRUE(Differs(-10.0, -10.25, 0.0, 0.02)); // |a| makes the tolerance positive
    EXPECT_FALSE(Differs(3.0, 3.0, 0.0, 0.0));
}

} // namespace
} // namespace quelvan
