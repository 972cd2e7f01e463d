#include "engine/DynamicCharacteristicsText.h"

#include "core/NumberText.h"

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
    return hours ? Fixed(value, kHourDecimals) : SignificantText(value, kSignificantDigits);
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
