#include "EditValidation.h"

#include "NumberText.h"

namespace quelvan {

namespace {

// Characters, not bytes: an edit field's limit counts what the user sees.
int CharacterCount(std::string_view text)
{
    int n = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++n;
    }
    return n;
}

bool IntegerWithin(std::string_view text, int low, int high)
{
    int value = 0;
    return ParseInt(text, value) && value >= low && value <= high;
}

} // namespace

bool IsValidEditText(std::string_view text, EditKind kind, int maxLength)
{
    if (CharacterCount(text) > maxLength)
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
        return ParseFloat(text, real) && real >= 0.0f && real <= 1.0f;
    case EditKind::Percent:
        return IntegerWithin(text, 0, 100);
    case EditKind::Latitude:
        return IntegerWithin(text, -90, 90);
    case EditKind::Inclination:
        return IntegerWithin(text, 0, 180);
    case EditKind::DayOfYear:
        return IntegerWithin(text, 1, 358);
    }
    return false;
}

} // namespace quelvan
