// The EPW importer on arbitrary lines and on whole years built from the input: header lines
// are kept, and data lines are used as templates of the hourly records (their fields from the
// minute on), the dates being filled in so that the repairs and checks of a full year run.
#include "FuzzTargets.h"

#include "core/NumberText.h"
#include "weather/EpwImport.h"

#include <cmath>

namespace quelvan::fuzz {

namespace {

constexpr int kDaysInMonth[] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };

bool StartsWithDigit(const std::string& line)
{
    return !line.empty() && line[0] >= '0' && line[0] <= '9';
}

// The template's fields after the hour ("minute,source,temperature,..."), or the whole line
// when it has fewer fields.
std::string FieldsAfterHour(const std::string& line)
{
    std::size_t p = 0;
    for (int commas = 0; commas < 4; ++commas) {
        p = line.find(',', p);
        if (p == std::string::npos)
            return line;
        ++p;
    }
    return line.substr(p);
}

std::vector<std::string> BuildYear(const std::vector<std::string>& lines, bool leap)
{
    std::vector<std::string> header;
    std::vector<std::string> templates;
    for (const std::string& line : lines)
        (StartsWithDigit(line) ? templates : header).push_back(FieldsAfterHour(line));
    if (templates.empty())
        return lines;
    std::vector<std::string> year = header;
    std::size_t k = 0;
    for (int month = 1; month <= 12; ++month) {
        const int days = kDaysInMonth[month - 1] + (leap && month == 2 ? 1 : 0);
        for (int day = 1; day <= days; ++day) {
            for (int hour = 1; hour <= 24; ++hour) {
                year.push_back((leap ? "2020," : "2019,") + FormatInt("%d", month) + ","
                    + FormatInt("%d", day) + "," + FormatInt("%d", hour) + ","
                    + templates[k++ % templates.size()]);
            }
        }
    }
    return year;
}

} // namespace

int FuzzEpw(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const std::uint8_t mode = input.Byte();
    std::vector<std::string> lines = DecodedLines(input.Rest());
    if ((mode & 1) != 0)
        lines = BuildYear(lines, (mode & 2) != 0);
    const weather::EpwImportResult result = weather::ImportEpwLines(lines);
    if (result.year.has_value() == !result.error.empty())
        ReportBrokenInvariant("an import must give either a year or an error");
    if (result.year) {
        if (result.year->hours.size() != 8760)
            ReportBrokenInvariant("an imported year without 8760 hours");
        for (const WeatherHour& h : result.year->hours) {
            if (!std::isfinite(h.temperature) || !std::isfinite(h.direct)
                || !std::isfinite(h.diffuse) || !std::isfinite(h.global)
                || !std::isfinite(h.sunAzimuth) || !std::isfinite(h.sunHeight) || h.sunHeight < 0.0)
                ReportBrokenInvariant("an imported hour with a value that is not finite");
        }
        (void)result.year->FormatLines();
    }
    return 0;
}

} // namespace quelvan::fuzz
