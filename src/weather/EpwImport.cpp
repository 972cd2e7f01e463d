#include "weather/EpwImport.h"

#include "core/Angles.h"
#include "core/CsvLine.h"
#include "core/Messages.h"
#include "core/NumberText.h"
#include "core/PhysicalBounds.h"
#include "core/TextFile.h"
#include "core/TextTrim.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>

namespace quelvan::weather {

namespace {

// Fields of a data record (0-based).
constexpr std::size_t kMonthField = 1;
constexpr std::size_t kDayField = 2;
constexpr std::size_t kHourField = 3;
constexpr std::size_t kTemperatureField = 6;
constexpr std::size_t kGlobalField = 13;
constexpr std::size_t kDirectNormalField = 14;
constexpr std::size_t kDiffuseField = 15;
constexpr std::size_t kRelativeHumidityField = 8;
constexpr std::size_t kFieldsNeeded = 16;

enum Quantity { kTemperature, kGlobal, kDirectNormal, kDiffuse, kQuantityCount };
constexpr std::array<std::size_t, kQuantityCount> kFieldOf { kTemperatureField, kGlobalField,
    kDirectNormalField, kDiffuseField };
constexpr std::array<const char*, kQuantityCount> kQuantityName { "température sèche",
    "rayonnement global horizontal", "rayonnement direct normal", "rayonnement diffus horizontal" };

using Series = std::vector<std::optional<double>>;

std::string EpwLineError(std::size_t lineIndex, const std::string& what)
{
    return std::string(msg::kEpwLine) + " " + FormatInt("%d", static_cast<int>(lineIndex + 1))
        + " : " + what;
}

std::string DateText(int hourIndex)
{
    const int day = hourIndex / 24;
    const int month = MonthOfDay(day);
    return FormatInt("%d", day - FirstDayOfMonth(month) + 1) + "/" + FormatInt("%d", month) + " à "
        + FormatInt("%d", hourIndex % 24 + 1) + " h";
}

bool IsDataLine(const std::string& line)
{
    const std::vector<std::string> fields = SplitCsvLine(line);
    return fields.size() > 1 && StrictNumber(fields[0]).has_value();
}

// Whole number in a field, or nothing.
std::optional<int> WholeNumber(const std::string& field)
{
    const std::optional<double> v = StrictNumber(field);
    if (!v || *v != std::floor(*v) || std::abs(*v) > 100000.0)
        return std::nullopt;
    return static_cast<int>(*v);
}

// EPW's codes of a missing value (99.9 °C, 9999 W/m²) and any value outside the bounds that a
// weather file's values must respect (the same bounds refuse a weather file that breaks them).
bool IsMissing(Quantity q, double v)
{
    if (q == kTemperature)
        return v >= 99.9 || !bounds::kWeatherTemperature.Contains(v);
    return v >= 9999.0 || !bounds::kIrradiance.Contains(v);
}

// EPW's relative humidity in % (missing: 999, or anything outside 0-110); above 100 % read as
// 100 %.
std::optional<double> HumidityOf(const std::string& field)
{
    const std::optional<double> v = StrictNumber(field);
    if (!v || *v < 0.0 || *v > 110.0)
        return std::nullopt;
    return std::min(*v, 100.0);
}

// Fills runs of missing values by linear interpolation between their neighbours (the nearest
// value at the ends of the year). False when a run is longer than kLongestRepairedGap.
bool FillGaps(Series& series, int& filled, int& longestStart)
{
    const int n = static_cast<int>(series.size());
    int i = 0;
    while (i < n) {
        if (series[static_cast<std::size_t>(i)]) {
            ++i;
            continue;
        }
        int end = i;
        while (end < n && !series[static_cast<std::size_t>(end)])
            ++end;
        if (end - i > kLongestRepairedGap || (i == 0 && end == n)) {
            longestStart = i;
            return false;
        }
        // The neighbours of a run are present (the run stops at them), except at the year's ends.
        const bool hasBefore = i > 0;
        const bool hasAfter = end < n;
        const double before
            = hasBefore ? series[static_cast<std::size_t>(i - 1)].value_or(0.0) : 0.0;
        const double after = hasAfter ? series[static_cast<std::size_t>(end)].value_or(0.0) : 0.0;
        for (int k = i; k < end; ++k) {
            double v = hasBefore ? before : after;
            if (hasBefore && hasAfter)
                v = before + (after - before) * (k - i + 1) / (end - i + 1);
            series[static_cast<std::size_t>(k)] = v;
            ++filled;
        }
        i = end;
    }
    return true;
}

struct LocationLine {
    bool found = false;
    bool valid = false;
    Site site;
    std::string name;
};

LocationLine ReadLocation(const std::vector<std::string>& header)
{
    LocationLine location;
    for (const std::string& line : header) {
        const std::vector<std::string> f = SplitCsvLine(line);
        if (f.empty() || TrimWhitespace(f[0]) != "LOCATION")
            continue;
        location.found = true;
        if (f.size() < 9)
            return location;
        const std::optional<double> lat = StrictNumber(f[6]);
        const std::optional<double> lon = StrictNumber(f[7]);
        const std::optional<double> tz = StrictNumber(f[8]);
        if (!lat || !lon || !tz || std::abs(*lat) > 90.0 || std::abs(*lon) > 180.0 || *tz < -12.0
            || *tz > 14.0)
            return location;
        location.valid = true;
        location.site = Site { *lat, *lon, *tz };
        location.name = std::string(TrimWhitespace(f[1])) + ", " + std::string(TrimWhitespace(f[2]))
            + ", " + std::string(TrimWhitespace(f[3]));
        return location;
    }
    return location;
}

bool IsSubHourly(const std::vector<std::string>& header)
{
    for (const std::string& line : header) {
        const std::vector<std::string> f = SplitCsvLine(line);
        if (!f.empty() && TrimWhitespace(f[0]) == "DATA PERIODS" && f.size() > 2) {
            const std::optional<int> perHour = WholeNumber(f[2]);
            return perHour && *perHour != 1;
        }
    }
    return false;
}

// "Fichier EPW : le fuseau horaire de la ligne LOCATION (UTC-1) contredit le rayonnement : ..."
std::string TimeZoneContradiction(const EpwImportResult& result)
{
    const double zone = result.site.timeZone;
    return std::string(msg::kEpwTimeZoneContradiction) + " (UTC" + (zone < 0 ? "-" : "+")
        + FormatNumber(std::fabs(zone), Decimals { 2 }, true)
        + ") contredit le rayonnement : " + FormatInt("%d", result.nightIrradianceHours)
        + " heures ont un rayonnement global de plus de "
        + FormatNumber(kTwilightIrradiance, Decimals { 0 }, true)
        + " W/m² alors que le soleil calculé pour ce fuseau est couché";
}

// The sun of every hour of the year and whether it is up during part of that hour.
struct YearSun {
    std::vector<SunPosition> position = std::vector<SunPosition>(kHoursPerYear);
    std::vector<bool> sunlit = std::vector<bool>(kHoursPerYear, false);
};

// Places the sun over every hour and derives the horizontal beam from the direct normal
// irradiance (or the difference of global and diffuse); a missing one of the three irradiances
// is derived from the other two, missing night values are zero. Says the repairs it made.
YearSun DeriveRadiation(EpwImportResult& result, std::array<Series, kQuantityCount>& series)
{
    YearSun sun;
    int nightZeroes = 0;
    int derived = 0;
    std::vector<std::optional<double>> direct(kHoursPerYear);
    for (int d = 0; d < kDaysPerYear; ++d) {
        const Daylight daylight = DaylightOf(result.site, d + 1);
        for (int h = 0; h < 24; ++h) {
            const std::size_t i = static_cast<std::size_t>(24 * d + h);
            const SunlitPart part = SunlitPartOfHour(daylight, h + 1.0);
            sun.position[i] = SunAt(result.site, d + 1, part.middle);
            sun.sunlit[i] = part.length > 0.0 && sun.position[i].height > 0.0;
            if (part.length <= 0.0 && series[kGlobal][i].value_or(0.0) > kTwilightIrradiance)
                ++result.nightIrradianceHours;
            if (!sun.sunlit[i]) {
                // No beam while the sun is down; missing night values are zero.
                for (const Quantity q : { kGlobal, kDirectNormal, kDiffuse }) {
                    if (!series[q][i]) {
                        series[q][i] = 0.0;
                        ++nightZeroes;
                    }
                }
                direct[i] = 0.0;
                continue;
            }
            const double sinHeight = std::sin(sun.position[i].height * kRadiansPerDegree);
            const bool incomplete
                = !series[kDirectNormal][i] || !series[kDiffuse][i] || !series[kGlobal][i];
            std::optional<double>& global = series[kGlobal][i];
            std::optional<double>& diffuse = series[kDiffuse][i];
            if (series[kDirectNormal][i])
                direct[i] = *series[kDirectNormal][i] * sinHeight;
            else if (global && diffuse)
                direct[i] = std::max(0.0, *global - *diffuse);
            if (!diffuse && global && direct[i])
                diffuse = std::max(0.0, *global - *direct[i]);
            if (!global && direct[i] && diffuse)
                global = *direct[i] + *diffuse;
            if (incomplete && direct[i] && diffuse && global)
                ++derived;
        }
    }
    series[kDirectNormal] = direct;
    if (nightZeroes > 0)
        result.repairs.push_back(FormatInt("%d", nightZeroes)
            + " valeurs de rayonnement manquantes la nuit mises à zéro");
    if (derived > 0)
        result.repairs.push_back(FormatInt("%d", derived)
            + " heures dont un rayonnement manquant a été déduit des deux autres");
    return sun;
}

// Interpolates the short runs of missing values of every quantity; false, with the error, at
// the first run too long to repair.
bool FillAllGaps(EpwImportResult& result, std::array<Series, kQuantityCount>& series)
{
    for (int q = 0; q < kQuantityCount; ++q) {
        int filled = 0;
        int gapStart = 0;
        if (!FillGaps(series[static_cast<std::size_t>(q)], filled, gapStart)) {
            result.error = std::string(msg::kEpwLongGap) + " ("
                + kQuantityName[static_cast<std::size_t>(q)] + ", à partir du " + DateText(gapStart)
                + ")";
            return false;
        }
        if (filled > 0)
            result.repairs.push_back(FormatInt("%d", filled) + " valeurs manquantes interpolées ("
                + kQuantityName[static_cast<std::size_t>(q)] + ")");
    }
    return true;
}

// The humidity column when the file's humidity reads with short gaps at most.
void AddHumidity(EpwImportResult& result, Series& humidity, WeatherYear& year)
{
    int filled = 0;
    int gapStart = 0;
    if (!FillGaps(humidity, filled, gapStart)) {
        result.repairs.push_back(std::string(msg::kEpwNoHumidity) + DateText(gapStart) + ")");
        return;
    }
    if (filled > 0)
        result.repairs.push_back(
            FormatInt("%d", filled) + " valeurs manquantes interpolées (humidité relative)");
    year.hasHumidity = true;
    for (std::size_t i = 0; i < year.hours.size(); ++i)
        year.hours[i].relativeHumidity = *humidity[i];
}

// Sun positions, derived and interpolated values, and the year itself.
EpwImportResult FinishEpwImport(EpwImportResult result, std::array<Series, kQuantityCount>& series,
    Series& humidity, const EpwImportOptions& options)
{
    const YearSun sun = DeriveRadiation(result, series);
    if (result.nightIrradianceHours > kMostNightIrradianceHours) {
        // The sun of every hour would be hours away from the one that gave its irradiance.
        if (!options.acceptTimeZoneContradiction) {
            result.error = TimeZoneContradiction(result);
            return result;
        }
        result.warning = TimeZoneContradiction(result);
    }
    if (!FillAllGaps(result, series))
        return result;
    WeatherYear year;
    year.description = "Importé d'un fichier EPW : " + result.location;
    year.hours.resize(kHoursPerYear);
    for (std::size_t i = 0; i < year.hours.size(); ++i) {
        WeatherHour& h = year.hours[i];
        h.temperature = *series[kTemperature][i];
        h.direct = sun.sunlit[i] ? *series[kDirectNormal][i] : 0.0;
        h.diffuse = *series[kDiffuse][i];
        h.global = *series[kGlobal][i];
        h.sunAzimuth = sun.position[i].azimuth;
        h.sunHeight = sun.sunlit[i] ? sun.position[i].height : 0.0;
    }
    AddHumidity(result, humidity, year);
    result.year = std::move(year);
    return result;
}

// The hourly records of a file, each in its slot of a 365-day year.
struct Records {
    std::array<Series, kQuantityCount> series;
    // The relative humidity, kept apart: a file whose humidity cannot be read or repaired still
    // imports, without the humidity column.
    Series humidity = Series(kHoursPerYear);
    std::vector<bool> present = std::vector<bool>(kHoursPerYear, false);
    int count = 0; // hours present
    int leapDayRecords = 0; // records of 29 February, left out
    std::string error; // the first line that did not read
};

Records ReadRecords(const std::vector<std::string>& lines, std::size_t firstData)
{
    Records records;
    std::array<Series, kQuantityCount>& series = records.series;
    std::vector<bool>& present = records.present;
    for (Series& s : series)
        s.assign(kHoursPerYear, std::nullopt);
    for (std::size_t i = firstData; i < lines.size(); ++i) {
        if (TrimWhitespace(lines[i]).empty())
            continue;
        const std::vector<std::string> f = SplitCsvLine(lines[i]);
        if (f.size() < kFieldsNeeded) {
            records.error = EpwLineError(i, msg::kEpwMissingFields);
            return records;
        }
        const std::optional<int> month = WholeNumber(f[kMonthField]);
        const std::optional<int> day = WholeNumber(f[kDayField]);
        const std::optional<int> hour = WholeNumber(f[kHourField]);
        if (!month || !day || !hour || *month < 1 || *month > 12 || *hour < 1 || *hour > 24
            || *day < 1 || *day > DaysInMonth(*month) + (*month == 2 ? 1 : 0)) {
            records.error = EpwLineError(i, msg::kEpwBadDate);
            return records;
        }
        if (*month == 2 && *day == 29) {
            ++records.leapDayRecords;
            continue;
        }
        const int slot = (FirstDayOfMonth(*month) + *day - 1) * 24 + *hour - 1;
        if (present[static_cast<std::size_t>(slot)]) {
            records.error = EpwLineError(i, msg::kEpwDuplicateHour);
            return records;
        }
        present[static_cast<std::size_t>(slot)] = true;
        records.humidity[static_cast<std::size_t>(slot)] = HumidityOf(f[kRelativeHumidityField]);
        for (int q = 0; q < kQuantityCount; ++q) {
            const std::string& text = f[kFieldOf[static_cast<std::size_t>(q)]];
            if (TrimWhitespace(text).empty())
                continue; // missing, repaired below
            const std::optional<double> v = StrictNumber(text);
            if (!v) {
                records.error = EpwLineError(i,
                    std::string(msg::kEpwNotNumeric) + " « " + std::string(TrimWhitespace(text))
                        + " » (" + kQuantityName[static_cast<std::size_t>(q)] + ")");
                return records;
            }
            if (!IsMissing(static_cast<Quantity>(q), *v))
                series[static_cast<std::size_t>(q)][static_cast<std::size_t>(slot)] = *v;
        }
    }
    records.count = static_cast<int>(std::count(present.begin(), present.end(), true));
    return records;
}

} // namespace

EpwImportResult ImportEpwLines(
    const std::vector<std::string>& lines, const EpwImportOptions& options)
{
    EpwImportResult result;
    std::size_t firstData = 0;
    while (firstData < lines.size() && !IsDataLine(lines[firstData]))
        ++firstData;
    const std::vector<std::string> header(
        lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(firstData));
    const LocationLine location = ReadLocation(header);
    if (!location.found) {
        result.error = msg::kEpwNoLocation;
        return result;
    }
    if (!location.valid) {
        result.error = msg::kEpwBadLocation;
        return result;
    }
    if (IsSubHourly(header)) {
        result.error = msg::kEpwNotHourly;
        return result;
    }
    result.site = location.site;
    result.location = location.name;

    Records read = ReadRecords(lines, firstData);
    if (!read.error.empty()) {
        result.error = read.error;
        return result;
    }
    const int records = read.count;
    if (records < kHoursPerYear - kLongestRepairedGap) {
        result.error = std::string(msg::kEpwIncompleteYear) + " (" + FormatInt("%d", records)
            + " heures sur " + FormatInt("%d", kHoursPerYear) + ")";
        return result;
    }
    if (read.leapDayRecords > 0)
        result.repairs.push_back("29 février supprimé (année bissextile) : "
            + FormatInt("%d", read.leapDayRecords) + " enregistrements ignorés");
    if (records < kHoursPerYear)
        result.repairs.push_back(
            FormatInt("%d", kHoursPerYear - records) + " heures absentes du fichier");
    return FinishEpwImport(std::move(result), read.series, read.humidity, options);
}

EpwImportResult ImportEpwFile(const std::string& path, const EpwImportOptions& options)
{
    const TextFileRead file = ReadTextFile(path, kMaxTextFileBytes);
    if (!file.text) {
        // A file that is missing, too large or no file at all is said as such, the limit too.
        EpwImportResult result;
        result.error = file.fault == ReadFault::Unreadable
            ? std::string(msg::kEpwReadError) + " : " + path
            : "Fichier EPW : " + path + " : " + ReadFaultReason(file.fault, kMaxTextFileBytes);
        return result;
    }
    return ImportEpwLines(file.text->lines, options);
}

bool LooksLikeEpwFile(const std::string& path)
{
    std::error_code error;
    // A named pipe or a device would block or never end.
    if (!std::filesystem::is_regular_file(path, error))
        return false;
    std::string extension = std::filesystem::path(path).extension().string();
    std::ranges::transform(extension, extension.begin(),
        [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    if (extension == ".epw")
        return true;
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    constexpr std::string_view kLocation = "LOCATION,";
    std::string start(kByteOrderMark.size() + kLocation.size(), '\0');
    std::ifstream in(path, std::ios::binary);
    in.read(start.data(), static_cast<std::streamsize>(start.size()));
    start.resize(static_cast<std::size_t>(in.gcount()));
    if (start.starts_with(kByteOrderMark))
        start.erase(0, kByteOrderMark.size());
    return start.starts_with(kLocation);
}

} // namespace quelvan::weather
