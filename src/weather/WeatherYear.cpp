#include "weather/WeatherYear.h"

#include "core/NumberText.h"
#include "core/TextFile.h"

#include <algorithm>

namespace quelvan::weather {

namespace {

// "-0.0" would read back fine, but a clean zero is friendlier in a text file.
std::string Fixed(const char* format, double value)
{
    std::string text = FormatDouble(format, value);
    if (text.size() > 1 && text.front() == '-'
        && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    return text;
}

} // namespace

std::vector<std::string> WeatherYear::FormatLines() const
{
    std::vector<std::string> lines;
    lines.reserve(hours.size() + 1);
    const auto written = [this](const WeatherColumnInfo& info) {
        return hasHumidity || info.column != WeatherColumn::RelativeHumidity;
    };
    std::string header;
    for (const WeatherColumnInfo& info : kWeatherColumns) {
        if (!written(info))
            continue;
        if (!header.empty())
            header += '\t';
        header += info.header;
    }
    if (!description.empty())
        header += "\t" + description;
    lines.push_back(std::move(header));
    for (std::size_t i = 0; i < hours.size(); ++i) {
        std::string line = FormatInt("%d", static_cast<int>(i + 1));
        for (const WeatherColumnInfo& info : kWeatherColumns) {
            if (info.value == nullptr || !written(info))
                continue;
            const double value = hours[i].*info.value;
            const std::string format = "%." + std::to_string(info.decimals) + "f";
            line += '\t';
            line += Fixed(format.c_str(), info.neverNegative ? std::max(0.0, value) : value);
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

bool WeatherYear::Write(const std::string& path) const
{
    std::vector<std::string> lines = FormatLines();
    for (std::string& line : lines)
        line = EncodeForFile(line);
    return WriteFileAtomically(path, JoinCrLf(lines));
}

} // namespace quelvan::weather
