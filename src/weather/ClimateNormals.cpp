#include "weather/ClimateNormals.h"

#include "core/CsvLine.h"
#include "core/Messages.h"
#include "core/NumberText.h"
#include "core/TextFile.h"
#include "core/TextTrim.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace quelvan::weather {

namespace {

// Columns of the table.
enum Column {
    kCity = 0,
    kStation = 1,
    kLatitude = 3,
    kLongitude = 4,
    kAltitude = 5,
    kVariable = 6,
    kQuality = 8,
    kFirstMonth = 9,
    kColumnCount = 24
};

struct PartialCity {
    CityNormals normals;
    bool hasMinimum = false;
    bool hasMaximum = false;
    bool hasSunshine = false;
    bool hasDerivedSunshine = false;
    std::array<double, 12> derivedSunshine {};
    char minimumQuality = 'D';
    char maximumQuality = 'D';
};

std::string LineError(std::size_t lineIndex, const char* what)
{
    return std::string(msg::kClimateTableError) + ", ligne "
        + FormatInt("%d", static_cast<int>(lineIndex + 1)) + " : " + what;
}

// Twelve monthly values, or nothing when any month is empty; a non-numeric cell is an error.
bool ReadMonths(
    const std::vector<std::string>& fields, std::optional<std::array<double, 12>>& months)
{
    std::array<double, 12> values {};
    bool complete = true;
    for (int m = 0; m < 12; ++m) {
        const std::string_view cell = TrimWhitespace(fields[kFirstMonth + m]);
        if (cell.empty()) {
            complete = false;
            continue;
        }
        const std::optional<double> v = StrictNumber(cell);
        if (!v)
            return false;
        values[static_cast<std::size_t>(m)] = *v;
    }
    months = complete ? std::optional(values) : std::nullopt;
    return true;
}

} // namespace

std::string CityKey(std::string_view name)
{
    std::string key;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(name[i]);
        if (c == ' ' || c == '-' || c == '\'')
            continue;
        // The accented letters of French city names, as UTF-8 (C3 xx).
        if (c == 0xC3 && i + 1 < name.size()) {
            const unsigned char d = static_cast<unsigned char>(name[++i]) | 0x20;
            if (d >= 0xA0 && d <= 0xA5)
                key += 'a';
            else if (d >= 0xA8 && d <= 0xAB)
                key += 'e';
            else if (d >= 0xAC && d <= 0xAF)
                key += 'i';
            else if (d >= 0xB2 && d <= 0xB6)
                key += 'o';
            else if (d >= 0xB9 && d <= 0xBC)
                key += 'u';
            else if (d == 0xA7)
                key += 'c';
            else
                key += '?';
            continue;
        }
        key += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : static_cast<char>(c);
    }
    return key;
}

namespace {

// Keeps a row's twelve monthly values in its city under the row's variable (a variable the
// program does not use is passed over); a quality left empty counts as D.
void Keep(PartialCity& p, std::string_view variable, std::string_view qualityText,
    const std::array<double, 12>& months)
{
    const char quality = qualityText.empty() ? 'D' : qualityText.front();
    if (variable == "tmin_C") {
        p.normals.minimumTemperature = months;
        p.hasMinimum = true;
        p.minimumQuality = quality;
    } else if (variable == "tmax_C") {
        p.normals.maximumTemperature = months;
        p.hasMaximum = true;
        p.maximumQuality = quality;
    } else if (variable == "sun_h") {
        p.normals.sunshineHours = months;
        p.hasSunshine = true;
        p.normals.sunshineQuality = quality;
    } else if (variable == "pv_Pa") {
        p.normals.vapourPressure = months;
        p.normals.hasHumidity = true;
        p.normals.humidityQuality = quality;
    } else if (variable == "sun_h_derived") {
        p.derivedSunshine = months;
        p.hasDerivedSunshine = true;
    }
}

// The cities with both temperatures and sunshine (measured, or derived where none is
// measured), in the order of the file.
ClimateTable CompleteCities(std::vector<PartialCity>& partial)
{
    ClimateTable table;
    for (PartialCity& p : partial) {
        if (!p.hasSunshine && p.hasDerivedSunshine) {
            p.normals.sunshineHours = p.derivedSunshine;
            p.normals.sunshineQuality = 'P';
            p.hasSunshine = true;
        }
        if (!p.hasMinimum || !p.hasMaximum || !p.hasSunshine)
            continue;
        p.normals.temperatureQuality = std::max(p.minimumQuality, p.maximumQuality);
        table.cities.push_back(std::move(p.normals));
    }
    return table;
}

} // namespace

ClimateTableResult ParseClimateTable(const std::vector<std::string>& lines)
{
    ClimateTableResult result;
    std::vector<PartialCity> partial;
    std::map<std::string, std::size_t> byKey;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (TrimWhitespace(lines[i]).empty())
            continue;
        const std::vector<std::string> fields = SplitCsvLine(lines[i]);
        if (fields.size() < kColumnCount) {
            result.error = LineError(i, "champs manquants");
            return result;
        }
        const std::string city(TrimWhitespace(fields[kCity]));
        const std::optional<double> latitude = StrictNumber(fields[kLatitude]);
        const std::optional<double> longitude = StrictNumber(fields[kLongitude]);
        const std::optional<double> altitude = StrictNumber(fields[kAltitude]);
        if (city.empty() || !latitude || !longitude || std::abs(*latitude) > 90.0
            || std::abs(*longitude) > 180.0) {
            result.error = LineError(i, "ville ou coordonnées illisibles");
            return result;
        }
        std::optional<std::array<double, 12>> months;
        if (!ReadMonths(fields, months)) {
            result.error = LineError(i, "valeur mensuelle non numérique");
            return result;
        }
        const std::string key = CityKey(city);
        auto [it, inserted] = byKey.try_emplace(key, partial.size());
        if (inserted) {
            partial.emplace_back();
            CityNormals& n = partial.back().normals;
            n.city = city;
            n.station = std::string(TrimWhitespace(fields[kStation]));
            n.site = Site { *latitude, *longitude, 1.0 };
            n.altitude = altitude.value_or(0.0);
        }
        if (months)
            Keep(partial[it->second], TrimWhitespace(fields[kVariable]),
                TrimWhitespace(fields[kQuality]), *months);
    }
    ClimateTable table = CompleteCities(partial);
    if (table.cities.empty()) {
        result.error = std::string(msg::kClimateTableError) + " : aucune ville complète";
        return result;
    }
    result.table = std::move(table);
    return result;
}

ClimateTableResult ReadClimateTable(const std::string& path)
{
    const std::optional<TextLines> text = ReadTextLines(path);
    if (!text) {
        ClimateTableResult result;
        result.error = std::string(msg::kClimateTableError) + " : fichier illisible (" + path + ")";
        return result;
    }
    return ParseClimateTable(text->lines);
}

const CityNormals* FindCity(const ClimateTable& table, std::string_view name)
{
    const std::string key = CityKey(name);
    for (const CityNormals& city : table.cities) {
        if (CityKey(city.city) == key)
            return &city;
    }
    return nullptr;
}

double AngstromMonthlyDailyIrradiation(const CityNormals& normals, int month)
{
    const int first = FirstDayOfMonth(month) + 1;
    const int days = DaysInMonth(month);
    double extraterrestrial = 0.0;
    double dayLength = 0.0;
    for (int d = first; d < first + days; ++d) {
        extraterrestrial += DailyExtraterrestrialIrradiation(normals.site.latitude, d);
        dayLength += AstronomicalDayLength(normals.site.latitude, d);
    }
    extraterrestrial /= days;
    dayLength /= days;
    const double relativeSunshine = dayLength > 0.0
        ? normals.sunshineHours[static_cast<std::size_t>(month - 1)] / days / dayLength
        : 0.0;
    return (0.25 + 0.50 * std::min(relativeSunshine, 1.0)) * extraterrestrial;
}

} // namespace quelvan::weather
