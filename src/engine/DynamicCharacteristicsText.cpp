#include "engine/DynamicCharacteristicsText.h"

#include "core/NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace quelvan {

namespace {

constexpr int kSignificantDigits = 3;
constexpr int kHourDecimals = 2;

std::string Fixed(double value, int decimals)
{
    const std::string format = "%." + std::to_string(decimals) + "f";
    return FormatDouble(format.c_str(), value);
}

// Decimals that leave three significant digits; none for values of 100 and more.
std::string Significant(double value)
{
    if (value == 0.0)
        return "0";
    const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    int decimals = std::max(kSignificantDigits - 1 - exponent, 0);
    // Rounding may carry into a new digit (0.9996 -> 1.000): one decimal fewer then.
    const double scale = std::pow(10.0, decimals);
    if (decimals > 0
        && std::round(std::fabs(value) * scale) / scale >= std::pow(10.0, exponent + 1))
        --decimals;
    return Fixed(value, decimals);
}

} // namespace

const DynamicValueInfo& DynamicValue(const char* key)
{
    for (const DynamicValueInfo& info : kDynamicValues)
        if (std::strcmp(info.key, key) == 0)
            return info;
    return kDynamicValues.front();
}

std::string DynamicValueText(const DynamicValueInfo& info, const DynamicCharacteristics& values)
{
    return DynamicNumberText(values.*info.member, info.hours);
}

std::string DynamicNumberText(double value, bool hours)
{
    return hours ? Fixed(value, kHourDecimals) : Significant(value);
}

std::string DynamicValueLine(const DynamicValueInfo& info, const DynamicCharacteristics& values)
{
    std::string line = std::string(info.label) + " : " + DynamicValueText(info, values);
    if (*info.unit != '\0')
        line += std::string(" ") + info.unit;
    return line;
}

std::string DynamicPeriodText(double hours)
{
    return TrimTrailingZeros(Fixed(hours, 2));
}

} // namespace quelvan
