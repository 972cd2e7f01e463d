#include "core/PhysicalBounds.h"

#include "core/NumberDraft.h"
#include "core/NumberText.h"
#include "core/TextTrim.h"

#include <algorithm>
#include <cmath>

namespace quelvan {

namespace {

// A bound as messages write it: a decimal comma, no trailing zeros, a power of ten from a
// million on in its short scientific form ("0,001", "-8760", "1e9").
std::string BoundNumber(double value)
{
    if (std::fabs(value) >= 1e6) {
        const int exponent = static_cast<int>(std::lround(std::log10(std::fabs(value))));
        if (std::pow(10.0, exponent) == std::fabs(value))
            return (value < 0.0 ? "-1e" : "1e") + std::to_string(exponent);
    }
    std::string text = TrimTrailingZeros(FormatDouble("%f", value));
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

} // namespace

std::string Bounds::Text() const
{
    const std::string inUnit = unit.empty() ? "" : " " + std::string(unit);
    if (upperOnly)
        return "au plus " + BoundNumber(high) + inUnit;
    return "de " + BoundNumber(low) + " à " + BoundNumber(high) + inUnit;
}

ValueFault CheckNumber(std::string_view text, const Bounds& bounds)
{
    float value = 0.0f;
    // A lone sign or an exponent without digits is a number not finished, not 0 or the mantissa.
    if (!ParseFloat(text, value) || IsUnfinishedNumber(text))
        return ValueFault::NotANumber;
    return bounds.Contains(value) ? ValueFault::None : ValueFault::OutOfBounds;
}

ValueFault CheckWholeNumber(std::string_view text, const Bounds& bounds)
{
    int value = 0;
    if (IsUnfinishedNumber(text))
        return ValueFault::NotANumber;
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
        return quoted + " hors limites (" + bounds.Text() + ")";
    if (fault == ValueFault::NotAWholeNumber)
        return quoted + " n'est pas un nombre entier";
    return quoted + " n'est pas un nombre";
}

} // namespace quelvan
