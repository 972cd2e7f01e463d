#pragma once

#include <string_view>

namespace quelvan {

// Kinds of numeric edit fields: 0 integer, 1 real, 2 real > 0, 3 real in [0, 1], then integers
// within 4 a percentage, 5 a latitude, 6 an inclination, 7 a day (the ranges of the fields in
// core/PhysicalBounds.h).
enum class EditKind {
    Integer = 0,
    Real = 1,
    PositiveReal = 2,
    UnitReal = 3,
    Percent = 4,
    Latitude = 5,
    Inclination = 6,
    DayOfYear = 7,
};

// Whether fields of that kind hold real numbers (1, 2, 3); the others hold whole numbers.
bool HoldsRealNumbers(EditKind kind);

// The text rule checked after every change of a numeric field: longer than maxLength is
// invalid, empty is valid, otherwise the kind decides (ParseInt / ParseFloat and the bounds).
bool IsValidEditText(std::string_view text, EditKind kind, int maxLength);

// What a numeric field does with a text typed into it. A valid text is kept. A number still being
// typed ("-", ".", "1e") and a decimal number in a field of whole numbers ("12,5") are kept as
// typed too, so that what follows is not joined to the previous value, and the field marks them
// refused until it holds a number of its kind; anything else is undone.
enum class EditTextState { Valid, Unfinished, Invalid };
EditTextState ClassifyEditText(std::string_view text, EditKind kind, int maxLength);

} // namespace quelvan
