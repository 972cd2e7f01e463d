#include "core/EditValidation.h"
#include "core/NumberText.h"
#include "core/PhysicalBounds.h"
#include "support/CaseNames.h"

#include <gtest/gtest.h>

#include <string>

namespace quelvan {
namespace {

// ---- ParseFloat ------------------------------------------------------------------------

struct FloatCase {
    const char* text;
    bool ok;
    float value;
    friend void PrintTo(const FloatCase& c, std::ostream* os)
    {
        *os << quelvan::test::Quoted(c.text);
    }
};

class ParseFloatTest : public ::testing::TestWithParam<FloatCase> { };

TEST_P(ParseFloatTest, AcceptsOrRefusesTheTypedText)
{
    const FloatCase& c = GetParam();
    float value = -123.0f;
    EXPECT_EQ(ParseFloat(c.text, value), c.ok) << "[" << c.text << "]";
    EXPECT_FLOAT_EQ(value, c.value) << "[" << c.text << "]";
    EXPECT_FLOAT_EQ(FloatValue(c.text), c.value) << "[" << c.text << "]";
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseFloatTest,
    ::testing::Values(FloatCase { "1,5", true, 1.5f }, FloatCase { "1.5", true, 1.5f },
        FloatCase { "1.2.3", false, 0.0f }, FloatCase { "1,2,3", false, 0.0f },
        FloatCase { "1,2.3", false, 0.0f }, FloatCase { "abc", false, 0.0f },
        FloatCase { "2e3", true, 2000.0f }, FloatCase { "1.5E2", true, 150.0f },
        FloatCase { "2e-3", true, 0.002f }, FloatCase { "-", true, 0.0f },
        FloatCase { "+", true, 0.0f }, FloatCase { "  -  ", true, 0.0f },
        FloatCase { "   ", false, 0.0f }, FloatCase { "", false, 0.0f },
        FloatCase { "12#", true, 12.0f }, // a valid prefix is enough
        FloatCase { "5-", true, 5.0f }, FloatCase { "3 4", true, 3.0f },
        FloatCase { "1e", true, 1.0f }, // an incomplete exponent is not part of the number
        FloatCase { "1e+", true, 1.0f }, FloatCase { "1e5e3", true, 100000.0f },
        FloatCase { "e5", false, 0.0f }, FloatCase { "- 5", true, -5.0f },
        FloatCase { "-   5,5", true, -5.5f }, FloatCase { " 3.25 ", true, 3.25f },
        FloatCase { "\t7", true, 7.0f }, FloatCase { ".5", true, 0.5f },
        FloatCase { "5.", true, 5.0f }, FloatCase { "-.", false, 0.0f },
        FloatCase { ".", false, 0.0f }, FloatCase { "--5", false, 0.0f },
        FloatCase { "+ 5", false, 0.0f }, FloatCase { "+5", true, 5.0f },
        FloatCase { "-0,25", true, -0.25f }, FloatCase { "0x10", false, 0.0f },
        FloatCase { "inf", false, 0.0f }, FloatCase { "nan", false, 0.0f },
        FloatCase { "1e50", false, 0.0f }, // too large for a float: refused, not infinite
        FloatCase { "-1e39", false, 0.0f }, FloatCase { "1e-50", true, 0.0f },
        FloatCase { "12°", true, 12.0f }, // a non-ASCII sign ends the number
        FloatCase { "1e-40", true, 1e-40f })); // subnormal floats are kept

TEST(ParseFloat, ReadsAFloatNotADouble)
{
    float value = 0.0f;
    ASSERT_TRUE(ParseFloat("0.1", value));
    EXPECT_EQ(value, 0.1f);
    // 2^24 + 1 is not a float: it rounds to the even neighbour 2^24.
    ASSERT_TRUE(ParseFloat("16777217", value));
    EXPECT_EQ(value, 16777216.0f);
    ASSERT_TRUE(ParseFloat("3.4028235e38", value));
    EXPECT_EQ(value, 3.4028235e38f);
}

TEST(ParseFloat, LongAndGarbageTextsNeverCrash)
{
    float value = 0.0f;
    EXPECT_TRUE(ParseFloat(std::string(5000, '9') + "e-4990", value));
    EXPECT_FLOAT_EQ(value, 1e10f);
    EXPECT_FALSE(ParseFloat(std::string("\x01\xff\xfe", 3), value));
    // An embedded NUL ends the number as it would end a C string.
    EXPECT_TRUE(ParseFloat(std::string("1\0"
                                       "2",
                               3),
        value));
    EXPECT_EQ(value, 1.0f);
}

// ---- ParseInt --------------------------------------------------------------------------

struct IntCase {
    const char* text;
    bool ok;
    int value;
    friend void PrintTo(const IntCase& c, std::ostream* os)
    {
        *os << quelvan::test::Quoted(c.text);
    }
};

class ParseIntTest : public ::testing::TestWithParam<IntCase> { };

TEST_P(ParseIntTest, AcceptsOnlyDigitsAfterAnOptionalMinus)
{
    const IntCase& c = GetParam();
    int value = -123;
    EXPECT_EQ(ParseInt(c.text, value), c.ok) << "[" << c.text << "]";
    EXPECT_EQ(value, c.value) << "[" << c.text << "]";
    EXPECT_EQ(IntValue(c.text), c.value) << "[" << c.text << "]";
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseIntTest,
    ::testing::Values(IntCase { "+5", false, 0 }, IntCase { "- 5", true, -5 },
        IntCase { "-  12", true, -12 }, IntCase { "42", true, 42 }, IntCase { " 42 ", true, 42 },
        IntCase { "0012", true, 12 }, IntCase { "", false, 0 }, IntCase { "  ", false, 0 },
        IntCase { "-", false, 0 }, IntCase { "4.2", false, 0 }, IntCase { "4,2", false, 0 },
        IntCase { "4a", false, 0 }, IntCase { "-0", true, 0 },
        IntCase { "2147483647", true, 2147483647 },
        IntCase { "2147483648", false, 0 }, // out of range: refused, not wrapped
        IntCase { "-2147483648", true, -2147483647 - 1 },
        IntCase { "5-3", false, 0 }, // a minus inside the number is not a sign
        IntCase { "--5", false, 0 }, IntCase { "\t5", false, 0 }));

// ---- The edit-field rule -----------------------------------------------------------------

struct EditCase {
    const char* text;
    EditKind kind;
    int maxLength;
    bool valid;
    friend void PrintTo(const EditCase& c, std::ostream* os)
    {
        *os << quelvan::test::Quoted(c.text) << " of kind " << static_cast<int>(c.kind)
            << ", at most " << c.maxLength;
    }
};

class EditValidationTest : public ::testing::TestWithParam<EditCase> { };

TEST_P(EditValidationTest, ChecksLengthThenKind)
{
    const EditCase& c = GetParam();
    EXPECT_EQ(IsValidEditText(c.text, c.kind, c.maxLength), c.valid)
        << "[" << c.text << "] kind " << static_cast<int>(c.kind);
}

INSTANTIATE_TEST_SUITE_P(Kinds, EditValidationTest,
    ::testing::Values(EditCase { "", EditKind::DayOfYear, 5, true }, // empty is valid
        EditCase { "123456", EditKind::Integer, 5, false }, // too long
        EditCase { "12345", EditKind::Integer, 5, true },
        EditCase { "1.5", EditKind::Integer, 5, false },
        EditCase { "-", EditKind::Real, 8, true }, // a sign while typing
        EditCase { "-", EditKind::Integer, 8, false }, EditCase { "1,5", EditKind::Real, 8, true },
        EditCase { "1,5x", EditKind::Real, 8, false },
        EditCase { "0", EditKind::PositiveReal, 8, false },
        EditCase { "0,001", EditKind::PositiveReal, 8, true },
        EditCase { "0", EditKind::UnitReal, 8, true },
        EditCase { "1", EditKind::UnitReal, 8, true },
        EditCase { "1.01", EditKind::UnitReal, 8, false },
        EditCase { "-0.1", EditKind::UnitReal, 8, false },
        EditCase { "0", EditKind::Percent, 8, true },
        EditCase { "100", EditKind::Percent, 8, true },
        EditCase { "101", EditKind::Percent, 8, false },
        EditCase { "-1", EditKind::Percent, 8, false },
        EditCase { "-90", EditKind::Latitude, 8, true },
        EditCase { "90", EditKind::Latitude, 8, true },
        EditCase { "-91", EditKind::Latitude, 8, false },
        EditCase { "- 45", EditKind::Latitude, 8, true },
        EditCase { "0", EditKind::Inclination, 8, true },
        EditCase { "180", EditKind::Inclination, 8, true },
        EditCase { "181", EditKind::Inclination, 8, false },
        EditCase { "0", EditKind::DayOfYear, 8, false },
        EditCase { "1", EditKind::DayOfYear, 8, true },
        EditCase { "358", EditKind::DayOfYear, 8, true },
        EditCase { "359", EditKind::DayOfYear, 8, false },
        EditCase { "1e1", EditKind::Real, 3, true },
        EditCase { "12", EditKind::Integer, 1, false }));

TEST(EditValidation, LengthCountsCharactersNotBytes)
{
    // "é" is two bytes in UTF-8 but one character in the field.
    EXPECT_FALSE(IsValidEditText("é", EditKind::Real, 1)); // readable length, bad number
    EXPECT_TRUE(IsValidEditText("", EditKind::Real, 0));
    EXPECT_FALSE(IsValidEditText("1", EditKind::Real, 0));
    EXPECT_TRUE(IsValidEditText("12°", EditKind::Real, 3)); // 3 characters, 4 bytes
}

// A range's text is written from its numbers, so that a message can never state another range
// than the one checked.
TEST(Bounds, TextStatesTheNumbersChecked)
{
    EXPECT_EQ((Bounds { -3.0, 7.0, "" }).Text(), "de -3 à 7");
    EXPECT_EQ((Bounds { 0.25, 1500.0, "°C" }).Text(), "de 0,25 à 1500 °C");
    EXPECT_EQ((Bounds { 0.0, 1e12, "W/m².K", true }).Text(), "au plus 1e12 W/m².K");
    EXPECT_EQ((Bounds { 0.0, 2.5e6, "" }).Text(), "de 0 à 2500000");
    EXPECT_EQ(DescribeValueFault("12", ValueFault::OutOfBounds, Bounds { 1.0, 10.0, "h" }),
        "« 12 » hors limites (de 1 à 10 h)");
}

} // namespace
} // namespace quelvan
