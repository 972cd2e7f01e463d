// Reading a monthly climate file, monthly means of an hourly year and the interior vapour
// pressure of the three humidity models.
#include "engine/moisture/MonthlyClimate.h"

#include "core/Calendar.h"
#include "core/MoistureMessages.h"
#include "core/TextTrim.h"
#include "engine/moisture/Psychrometrics.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace quelvan::moisture {

namespace {

constexpr const char* kFieldNames[] = { "mois", "theta_e_C", "rh_e_pct" };

std::optional<double> StrictValue(std::string_view text)
{
    const std::string_view trimmed = TrimBlanks(text);
    double value = 0.0;
    const char* end = trimmed.data() + trimmed.size();
    const auto [ptr, ec] = std::from_chars(trimmed.data(), end, value);
    if (trimmed.empty() || ec != std::errc {} || ptr != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::vector<std::string> SplitCommas(const std::string& line)
{
    std::vector<std::string> fields(1);
    for (const char c : line) {
        if (c == ',')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

std::string Where(std::size_t line, const std::string& field, const char* reason)
{
    std::string text = std::string(msg::kClimateFile) + ", ligne " + std::to_string(line + 1);
    if (!field.empty())
        text += ", champ " + field;
    return text + " : " + reason;
}

bool Fail(std::string* error, std::string text)
{
    if (error != nullptr)
        *error = std::move(text);
    return false;
}

// One row into the year; false with the reason.
bool ReadRow(const std::string& line, std::size_t number, bool givesPressure, ExteriorYear& year,
    std::array<bool, 12>& seen, std::string* error)
{
    const std::vector<std::string> fields = SplitCommas(line);
    if (fields.size() != 3)
        return Fail(error, Where(number, {}, msg::kClimateFieldCount));
    std::array<double, 3> v {};
    for (std::size_t f = 0; f < 3; ++f) {
        const std::string name = f == 2 && givesPressure ? "p_e_Pa" : kFieldNames[f];
        const std::optional<double> value = StrictValue(fields[f]);
        if (!value)
            return Fail(error, Where(number, name, msg::kClimateNotANumber));
        v[f] = *value;
    }
    const int month = static_cast<int>(v[0]);
    if (v[0] != month || month < 1 || month > 12 || seen[static_cast<std::size_t>(month - 1)])
        return Fail(error, Where(number, "mois", msg::kClimateMonth));
    if (v[1] < -60.0 || v[1] > 60.0)
        return Fail(error, Where(number, "theta_e_C", msg::kClimateTemperature));
    const double psat = SaturationPressure(v[1]);
    if (!givesPressure && (v[2] <= 0.0 || v[2] > 100.0))
        return Fail(error, Where(number, "rh_e_pct", msg::kClimateHumidity));
    if (givesPressure && (v[2] <= 0.0 || v[2] > psat * (1.0 + 1e-9)))
        return Fail(error, Where(number, "p_e_Pa", msg::kClimatePressure));
    seen[static_cast<std::size_t>(month - 1)] = true;
    year[static_cast<std::size_t>(month - 1)]
        = { v[1], givesPressure ? v[2] : v[2] / 100.0 * psat };
    return true;
}

} // namespace

std::optional<ExteriorYear> ParseMonthlyClimate(
    const std::vector<std::string>& lines, std::string* error)
{
    std::size_t first = 0;
    while (first < lines.size() && TrimBlanks(lines[first]).empty())
        ++first;
    const std::string_view header
        = first < lines.size() ? TrimBlanks(lines[first]) : std::string_view {};
    const bool givesPressure = header == "mois,theta_e_C,p_e_Pa";
    if (!givesPressure && header != "mois,theta_e_C,rh_e_pct") {
        Fail(error, Where(first, {}, msg::kClimateHeader));
        return std::nullopt;
    }
    ExteriorYear year {};
    std::array<bool, 12> seen {};
    int rows = 0;
    for (std::size_t i = first + 1; i < lines.size(); ++i) {
        if (TrimBlanks(lines[i]).empty())
            continue;
        if (rows == 12 || !ReadRow(lines[i], i, givesPressure, year, seen, error)) {
            if (rows == 12)
                Fail(error, Where(i, {}, msg::kClimateMonthCount));
            return std::nullopt;
        }
        ++rows;
    }
    if (rows != 12) {
        Fail(error, Where(lines.size() > 0 ? lines.size() - 1 : 0, {}, msg::kClimateMonthCount));
        return std::nullopt;
    }
    return year;
}

ExteriorYear MonthlyMeans(const std::vector<double>& thetaC, const std::vector<double>& rhPct)
{
    ExteriorYear year {};
    std::size_t hour = 0;
    for (std::size_t m = 0; m < 12; ++m) {
        const std::size_t hours = static_cast<std::size_t>(kDaysPerMonth[m]) * 24;
        double theta = 0.0;
        double p = 0.0;
        for (std::size_t h = 0; h < hours && hour < thetaC.size(); ++h, ++hour) {
            theta += thetaC[hour];
            p += rhPct[hour] / 100.0 * SaturationPressure(thetaC[hour]);
        }
        year[m] = { theta / static_cast<double>(hours), p / static_cast<double>(hours) };
    }
    return year;
}

double InteriorPressure(const InteriorModel& interior, const ExteriorMonth& exterior)
{
    const double psatI = SaturationPressure(interior.thetaI);
    double p = 0.0;
    switch (interior.mode) {
    case InteriorHumidity::RelativeHumidity:
        p = interior.value / 100.0 * psatI;
        break;
    case InteriorHumidity::HumidityClass:
        p = exterior.pPa
            + kClassSafetyFactor
                * VapourPressureExcess(
                    ClassVapourExcess(static_cast<int>(interior.value), exterior.thetaC),
                    interior.thetaI, exterior.thetaC);
        break;
    case InteriorHumidity::VapourExcess:
        p = exterior.pPa + VapourPressureExcess(interior.value, interior.thetaI, exterior.thetaC);
        break;
    }
    return std::min(p, psatI);
}

YearClimate ResolveClimate(const ExteriorYear& exterior, const InteriorModel& interior)
{
    YearClimate year;
    for (std::size_t m = 0; m < 12; ++m)
        year[m] = { exterior[m].thetaC, exterior[m].pPa, interior.thetaI,
            InteriorPressure(interior, exterior[m]) };
    return year;
}

} // namespace quelvan::moisture
