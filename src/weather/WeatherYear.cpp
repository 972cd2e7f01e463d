#include "weather/WeatherYear.h"

#include "core/NumberText.h"
#include "core/TextFile.h"

#include <algorithm>

namespace quelvan {

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
    std::string header
        = "heure\ttemperature_air_C\tdirect_horizontal_W_m2\tdiffus_horizontal_W_m2\t"
          "global_horizontal_W_m2\tazimut_soleil_deg\thauteur_soleil_deg";
    if (!description.empty())
        header += "\t" + description;
    lines.push_back(std::move(header));
    for (std::size_t i = 0; i < hours.size(); ++i) {
        const WeatherHour& h = hours[i];
        std::string line = FormatInt("%d", static_cast<int>(i + 1));
        line += '\t';
        line += Fixed("%.1f", h.temperature);
        line += '\t';
        line += Fixed("%.1f", std::max(0.0, h.direct));
        line += '\t';
        line += Fixed("%.1f", std::max(0.0, h.diffuse));
        line += '\t';
        line += Fixed("%.1f", std::max(0.0, h.global));
        line += '\t';
        line += Fixed("%.2f", h.sunAzimuth);
        line += '\t';
        line += Fixed("%.2f", std::max(0.0, h.sunHeight));
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

} // namespace quelvan
