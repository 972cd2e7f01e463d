#include "core/EditValidation.h"

#include "core/CharacterCount.h"
#include "core/NumberDraft.h"
#include "core/NumberText.h"
#include "core/PhysicalBounds.h"

namespace quelvan {

namespace {

bool WholeNumberWithin(std::string_view text, const Bounds& bounds)
{
    return CheckWholeNumber(text, bounds) == ValueFault::None;
}

} // namespace

bool HoldsRealNumbers(EditKind kind)
{
    return kind == EditKind::Real || kind == EditKind::PositiveReal || kind == EditKind::UnitReal;
}

bool IsValidEditText(std::string_view text, EditKind kind, int maxLength)
{
    // Characters, not bytes: an edit field's limit counts what the user sees.
    if (maxLength < 0 || CharacterCount(text) > static_cast<std::size_t>(maxLength))
        return false;
    if (text.empty())
        return true;
    float real = 0.0f;
    int integer = 0;
    switch (kind) {
    case EditKind::Integer:
        return ParseInt(text, integer);
    case EditKind::Real:
        return ParseFloat(text, real);
    case EditKind::PositiveReal:
        return ParseFloat(text, real) && real > 0.0f;
    case EditKind::UnitReal:
        return CheckNumber(text, bounds::kUnitField) == ValueFault::None;
    case EditKind::Percent:
        return WholeNumberWithin(text, bounds::kPercentField);
    case EditKind::Latitude:
        return WholeNumberWithin(text, bounds::kLatitudeField);
    case EditKind::Inclination:
        return WholeNumberWithin(text, bounds::kInclinationField);
    case EditKind::DayOfYear:
        return WholeNumberWithin(text, bounds::kDayField);
    }
    return false;
}

EditTextState ClassifyEditText(std::string_view text, EditKind kind, int maxLength)
{
    if (IsValidEditText(text, kind, maxLength))
        return EditTextState::Valid;
    if (maxLength < 0 || CharacterCount(text) > static_cast<std::size_t>(maxLength)
        || !CanBecomeNumber(text))
        return EditTextState::Invalid;
    // A number still being typed, or a decimal number where only whole ones go: kept and marked.
    // A finished number outside the field's range is undone as before.
    const bool decimalInWholeField
        = !HoldsRealNumbers(kind) && text.find_first_of(".,") != std::string_view::npos;
    return IsUnfinishedNumber(text) || decimalInWholeField ? EditTextState::Unfinished
                                                           : EditTextState::Invalid;
}

} // namespace quelvan
