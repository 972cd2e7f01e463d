#include "engine/annual/AnnualBalanceText.h"

#include "core/CharacterCount.h"
#include "core/NumberText.h"

#include <algorithm>
#include <cmath>

namespace quelvan::annual {

namespace {

template <double BalanceFigures::*member> std::optional<double> Number(const BalanceFigures& f)
{
    return f.*member;
}
template <int BalanceFigures::*member> std::optional<double> Count(const BalanceFigures& f)
{
    return static_cast<double>(f.*member);
}
std::optional<double> Frsi(const BalanceFigures& f)
{
    return f.frsiMin;
}

void Pad(std::string& line, const std::string& text, std::size_t width, bool right)
{
    const std::string fill(width > CharacterCount(text) ? width - CharacterCount(text) : 0, ' ');
    line += right ? fill + text : text + fill;
}

const BalanceFigures& RowFigures(const AnnualBalanceResult& result, int row)
{
    return row < kMonthCount ? result.figures.months[static_cast<std::size_t>(row)]
                             : result.figures.year;
}

} // namespace

const std::array<BalanceColumn, kBalanceColumnCount> kBalanceColumns { {
    { "loss_kwh_m2", "Pertes", "kWh/m²", 2, false, Number<&BalanceFigures::loss> },
    { "gain_kwh_m2", "Apports", "kWh/m²", 2, false, Number<&BalanceFigures::gain> },
    { "net_kwh_m2", "Net", "kWh/m²", 2, false, Number<&BalanceFigures::net> },
    { "steady_kwh_m2", "Permanent", "kWh/m²", 2, false, Number<&BalanceFigures::steady> },
    { "tsi_min", "Tsi min", "°C", 2, false, Number<&BalanceFigures::tsiMin> },
    { "tsi_max", "Tsi max", "°C", 2, false, Number<&BalanceFigures::tsiMax> },
    { "hours_tsi_above_26", "Tsi > 26 °C", "h", 0, true, Count<&BalanceFigures::hoursAbove26> },
    { "hours_tsi_below_17", "Tsi < 17 °C", "h", 0, true, Count<&BalanceFigures::hoursBelow17> },
    { "frsi_min", "fRsi min", "-", 3, false, Frsi },
    { "peak_in_w_m2", "Flux entrant max", "W/m²", 1, false, Number<&BalanceFigures::peakIn> },
    { "peak_out_w_m2", "Flux sortant max", "W/m²", 1, false, Number<&BalanceFigures::peakOut> },
} };

std::string BalanceCellText(const BalanceColumn& column, const BalanceFigures& figures)
{
    const std::optional<double> value = column.value(figures);
    if (!value)
        return "---";
    // No "-0.00" for a value that rounds to zero.
    const double shown = std::fabs(*value) < 0.5 * std::pow(10.0, -column.decimals) ? 0.0 : *value;
    return FormatDouble(("%." + std::to_string(column.decimals) + "f").c_str(), shown);
}

std::string SurfaceMarkText(double celsius)
{
    return FormatDouble("%.0f", celsius) + " °C";
}

std::string BalanceRowName(int row)
{
    return row < kMonthCount ? kMonthNames[static_cast<std::size_t>(row)] : "Année";
}

std::string BalanceTitle(const AnnualBalanceResult& result)
{
    std::string title = "Bilan annuel (";
    title += result.mode == CalculationMode::Fine ? "calcul fin" : "calcul standard";
    title += ") : régime périodique ";
    const std::string years = FormatInt("%d", result.passes)
        + (result.passes > 1 ? " années simulées" : " année simulée");
    if (result.converged)
        return title + "atteint après " + years;
    return title + "non atteint après " + years + ", écart "
        + FormatDouble("%.3f", result.endDifference) + " K";
}

std::vector<std::string> BalanceTableLines(const AnnualBalanceResult& result)
{
    constexpr std::size_t kNameWidth = 10;
    constexpr std::size_t kGap = 2;
    std::array<std::size_t, kBalanceColumnCount> widths {};
    for (std::size_t c = 0; c < kBalanceColumns.size(); ++c) {
        widths[c] = std::max(
            CharacterCount(kBalanceColumns[c].label), CharacterCount(kBalanceColumns[c].unit));
        for (int row = 0; row <= kMonthCount; ++row)
            widths[c] = std::max(widths[c],
                CharacterCount(BalanceCellText(kBalanceColumns[c], RowFigures(result, row))));
    }
    std::vector<std::string> lines { BalanceTitle(result), "" };
    std::string heading, units;
    Pad(heading, "Mois", kNameWidth, false);
    Pad(units, "", kNameWidth, false);
    for (std::size_t c = 0; c < kBalanceColumns.size(); ++c) {
        Pad(heading, kBalanceColumns[c].label, widths[c] + kGap, true);
        Pad(units, kBalanceColumns[c].unit, widths[c] + kGap, true);
    }
    lines.push_back(heading);
    lines.push_back(units);
    for (int row = 0; row <= kMonthCount; ++row) {
        std::string line;
        Pad(line, BalanceRowName(row), kNameWidth, false);
        for (std::size_t c = 0; c < kBalanceColumns.size(); ++c)
            Pad(line, BalanceCellText(kBalanceColumns[c], RowFigures(result, row)),
                widths[c] + kGap, true);
        lines.push_back(line);
    }
    return lines;
}

std::string BalanceTabSeparated(const AnnualBalanceResult& result)
{
    std::string text = "Mois";
    for (const BalanceColumn& column : kBalanceColumns)
        text += std::string("\t") + column.label + " (" + column.unit + ")";
    text += '\n';
    for (int row = 0; row <= kMonthCount; ++row) {
        text += BalanceRowName(row);
        for (const BalanceColumn& column : kBalanceColumns)
            text += '\t' + BalanceCellText(column, RowFigures(result, row));
        text += '\n';
    }
    return text;
}

std::string HourlyCsv(const std::vector<HourRecord>& hours)
{
    std::string text = "heure,T_ext_C,T_solair_ext_C,T_se_C,T_si_C,T_int_C,FSI_W_m2\r\n";
    text.reserve(hours.size() * 64);
    for (const HourRecord& r : hours) {
        text += FormatInt("%d", r.hour);
        for (const double value :
            { r.exteriorTemperature, r.solAirExterior, r.exteriorSurfaceTemperature,
                r.interiorSurfaceTemperature, r.interiorTemperature, r.interiorFlux })
            text += ',' + FormatDouble("%.3f", std::fabs(value) < 0.0005 ? 0.0 : value);
        text += "\r\n";
    }
    return text;
}

} // namespace quelvan::annual
