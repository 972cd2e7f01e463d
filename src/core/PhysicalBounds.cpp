#include "core/PhysicalBounds.h"

#include "core/NumberText.h"
#include "core/TextTrim.h"

namespace quelvan {

ValueFault CheckNumber(std::string_view text, const Bounds& bounds)
{
    float value = 0.0f;
    if (!ParseFloat(text, value))
        return ValueFault::NotANumber;
    return bounds.Contains(value) ? ValueFault::None : ValueFault::OutOfBounds;
}

ValueFault CheckWholeNumber(std::string_view text, const Bounds& bounds)
{
    int value = 0;
    if (ParseInt(text, value))
        return bounds.Contains(value) ? ValueFault::None : ValueFault::OutOfBounds;
    // Beyond the integers, or not whole.
    const ValueFault asNumber = CheckNumber(text, bounds);
    return asNumber == ValueFault::None ? ValueFault::NotAWholeNumber : asNumber;
}

std::string DescribeValueFault(std::string_view text, ValueFault fault, const Bounds& bounds)
{
    if (TrimBlanks(text).empty())
        return "sans valeur";
    const std::string quoted = "« " + std::string(text) + " »";
    if (fault == ValueFault::OutOfBounds)
        return quoted + " hors limites (" + std::string(bounds.text) + ")";
    if (fault == ValueFault::NotAWholeNumber)
        return quoted + " n'est pas un nombre entier";
    return quoted + " n'est pas un nombre";
}

} // namespace quelvan
