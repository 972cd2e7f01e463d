// Reading the humidity column of a weather file for the moisture check; the week's reader never
// looks at it.
#include "engine/moisture/WeatherHumidity.h"

#include "core/Messages.h"
#include "core/MoistureMessages.h"
#include "core/ReadError.h"
#include "core/TextFile.h"

#include <charconv>
#include <cmath>
#include <filesystem>

namespace quelvan::moisture {

namespace {

// Cells separated by tabs or blanks, as the week's reader cuts them.
std::vector<std::string_view> Cells(std::string_view line)
{
    std::vector<std::string_view> cells;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == '\t' || line[i] == ' ' || line[i] == '\r'))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != '\t' && line[i] != ' ' && line[i] != '\r')
            ++i;
        if (i > start)
            cells.push_back(line.substr(start, i - start));
    }
    return cells;
}

std::optional<double> Number(std::string_view text)
{
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc {} || ptr != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string FileName(const std::string& path)
{
    return std::filesystem::path(path).filename().string();
}

bool Refuse(std::string* error, const std::string& path, std::size_t line, const char* reason)
{
    if (error != nullptr) {
        *error = std::string(msg::kWeatherReadError) + " : " + FileName(path);
        if (line > 0)
            *error += ", ligne " + std::to_string(line);
        *error += std::string(" : ") + reason;
    }
    return false;
}

} // namespace

std::optional<HourlyHumidity> ReadHourlyHumidity(const std::string& path, std::string* error)
{
    const TextFileRead read = ReadTextFile(path);
    if (!read.text) {
        Refuse(error, path, 0, std::string(ReadFaultText(read.fault)).c_str());
        return std::nullopt;
    }
    const std::vector<std::string>& lines = read.text->lines;
    HourlyHumidity year;
    for (std::size_t i = 1; i < lines.size() && year.thetaC.size() < kHoursPerYear; ++i) {
        const std::vector<std::string_view> cells = Cells(lines[i]);
        if (cells.empty())
            continue;
        if (cells.size() < static_cast<std::size_t>(kHumidityColumn)) {
            if (error != nullptr)
                *error = std::string(msg::kWeatherReadError) + " : " + FileName(path) + ", ligne "
                    + std::to_string(i + 1) + " : le fichier " + msg::kWeatherWithoutHumidity;
            return std::nullopt;
        }
        const std::optional<double> theta = Number(cells[1]);
        const std::optional<double> rh = Number(cells[kHumidityColumn - 1]);
        if (!theta || !rh) {
            Refuse(error, path, i + 1, ReadFaultText(ReadFault::NotANumber).data());
            return std::nullopt;
        }
        if (*rh < 0.0 || *rh > 100.0) {
            Refuse(error, path, i + 1, msg::kClimateHumidity);
            return std::nullopt;
        }
        year.thetaC.push_back(*theta);
        year.rhPct.push_back(*rh);
    }
    if (year.thetaC.size() < kHoursPerYear) {
        Refuse(error, path, 0, msg::kWeatherYearExpected);
        return std::nullopt;
    }
    return year;
}

} // namespace quelvan::moisture
