// Numbers still being typed: what a field keeps while they are typed, and what the checks made
// before a calculation or on a dialog's "OK" refuse because it is no number yet.
#include "core/NumberDraft.h"
#include "core/EditValidation.h"
#include "core/PhysicalBounds.h"

#include <gtest/gtest.h>

namespace quelvan {
namespace {

struct DraftCase {
    const char* text;
    bool unfinished; // a number not finished: refused by the checks
    bool canBecomeNumber; // more typing may still make it one
};

class NumberDrafts : public ::testing::TestWithParam<DraftCase> { };

TEST_P(NumberDrafts, TellUnfinishedNumbersFromTextsThatLeadNowhere)
{
    const DraftCase& c = GetParam();
    EXPECT_EQ(IsUnfinishedNumber(c.text), c.unfinished) << c.text;
    EXPECT_EQ(CanBecomeNumber(c.text), c.canBecomeNumber) << c.text;
    // What is not finished is no number for the checks, whatever the readers made of it.
    if (c.unfinished) {
        EXPECT_EQ(CheckNumber(c.text, bounds::kAnyNumber), ValueFault::NotANumber) << c.text;
        EXPECT_EQ(CheckWholeNumber(c.text, bounds::kAnyNumber), ValueFault::NotANumber) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, NumberDrafts,
    ::testing::Values(DraftCase { "-", true, true }, DraftCase { "+", true, true },
        DraftCase { ".", true, true }, DraftCase { "-,", true, true },
        DraftCase { " - ", true, false }, // blanks around are no part of a number being typed
        DraftCase { "1e", true, true }, DraftCase { "0.04e", true, true },
        DraftCase { "0.04E-", true, true }, DraftCase { "-20", false, true },
        DraftCase { ".5", false, true }, DraftCase { "5.", false, true },
        DraftCase { "12,5", false, true }, DraftCase { "1.5e+3", false, true },
        DraftCase { "", false, true }, DraftCase { "e", false, false },
        DraftCase { "1..", false, false }, DraftCase { "1.2.3", false, false },
        DraftCase { "--5", false, false }, DraftCase { "5-", false, false },
        DraftCase { "1e5e", false, false }, DraftCase { "abc", false, false }));

TEST(NumberDrafts, FinishedNumbersStillPassTheChecks)
{
    EXPECT_EQ(CheckNumber("-7", bounds::kAirTemperature), ValueFault::None);
    EXPECT_EQ(CheckNumber(".5", bounds::kAbsorption), ValueFault::None);
    EXPECT_EQ(CheckNumber("2e1", bounds::kAirTemperature), ValueFault::None);
    EXPECT_EQ(CheckWholeNumber("-7", bounds::kHour), ValueFault::None);
    EXPECT_EQ(CheckWholeNumber("12,5", bounds::kThickness), ValueFault::NotAWholeNumber);
}

struct TypedCase {
    const char* text;
    EditKind kind;
    EditTextState state;
};

class TypedTexts : public ::testing::TestWithParam<TypedCase> { };

// The typed texts of real studies: a leading sign or point is kept, so that the digits after it
// never join the previous value; a decimal number in a field of whole numbers is kept to be
// refused visibly; a finished number outside a field's range is undone as it always was.
TEST_P(TypedTexts, AreKeptMarkedOrUndone)
{
    const TypedCase& c = GetParam();
    EXPECT_EQ(ClassifyEditText(c.text, c.kind, 32000), c.state)
        << c.text << " of kind " << static_cast<int>(c.kind);
}

INSTANTIATE_TEST_SUITE_P(Fields, TypedTexts,
    ::testing::Values(TypedCase { "-", EditKind::Integer, EditTextState::Unfinished },
        TypedCase { "12,", EditKind::Integer, EditTextState::Unfinished },
        TypedCase { "12,5", EditKind::Integer, EditTextState::Unfinished },
        TypedCase { "12a", EditKind::Integer, EditTextState::Invalid },
        TypedCase { ".", EditKind::Real, EditTextState::Unfinished },
        TypedCase { ".5", EditKind::Real, EditTextState::Valid },
        TypedCase { "1.5", EditKind::UnitReal, EditTextState::Invalid },
        TypedCase { "1e", EditKind::PositiveReal, EditTextState::Valid },
        TypedCase { "101", EditKind::Percent, EditTextState::Invalid },
        TypedCase { "1.5.", EditKind::Real, EditTextState::Invalid }));

TEST(TypedTexts, TheLengthLimitStillUndoes)
{
    EXPECT_EQ(ClassifyEditText("-", EditKind::Real, 0), EditTextState::Invalid);
    EXPECT_EQ(ClassifyEditText("12,", EditKind::Integer, 2), EditTextState::Invalid);
}

} // namespace
} // namespace quelvan
