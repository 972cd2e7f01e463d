// The French tables and sentences of the moisture check.
#include "engine/moisture/MoistureText.h"

#include "core/Calendar.h"
#include "core/MoistureMessages.h"
#include "core/NumberText.h"
#include "core/TextTrim.h"

#include <cmath>

namespace quelvan::moisture {

namespace {

std::string Fixed(double value, int decimals)
{
    return FormatDouble(("%." + std::to_string(decimals) + "f").c_str(), value);
}

std::string Column(const std::string& text, std::size_t width)
{
    // Widths count characters, not bytes: pad by the count of UTF-8 lead bytes.
    std::size_t shown = 0;
    for (const unsigned char c : text)
        shown += (c & 0xC0) != 0x80 ? 1 : 0;
    return text + std::string(shown < width ? width - shown : 1, ' ');
}

std::string Places(const MonthResult& month)
{
    std::string text;
    for (const LocationWater& w : month.condensation) {
        if (!text.empty())
            text += " ; ";
        text += w.location;
    }
    return text.empty() ? "-" : text;
}

double NetOfMonth(const MonthResult& month)
{
    double net = 0.0;
    for (const LocationWater& w : month.condensation)
        net += w.netGPerM2;
    return net;
}

} // namespace

std::string MonthName(int month)
{
    std::string name = kMonthNames[static_cast<std::size_t>((month + 11) % 12)];
    name[0] = static_cast<char>(name[0] - 'A' + 'a');
    return name;
}

std::string GroupedGrams(double grams)
{
    const long long whole = std::llround(grams);
    std::string digits = std::to_string(whole < 0 ? -whole : whole);
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3)
        digits.insert(static_cast<std::size_t>(i), " ");
    return (whole < 0 ? "-" : "") + digits;
}

std::string VerdictSentence(const CondensationResult& r)
{
    if (r.verdict == Verdict::None)
        return msg::kVerdictNone;
    const std::string most = "au plus " + GroupedGrams(r.maxTotalGPerM2) + " g/m² en "
        + MonthName(r.maxMonth) + (r.maxLocation.starts_with("dans ") ? " " : " à l'interface ")
        + r.maxLocation;
    if (r.verdict == Verdict::Evaporates)
        return std::string(msg::kVerdictEvaporates) + " : " + most + " ; sèche en "
            + MonthName(r.dryMonth);
    return std::string(msg::kVerdictAccumulates) + " : " + most + " ; "
        + GroupedGrams(r.endTotalGPerM2) + " g/m² restent après douze mois";
}

std::vector<std::string> CondensationTableLines(const CondensationResult& r)
{
    std::vector<std::string> lines;
    lines.push_back("Condensation dans la paroi (méthode mensuelle, EN ISO 13788)"
        + std::string(
            r.subLayers > 0 ? " : " + std::to_string(r.subLayers) + " couches de calcul" : ""));
    lines.push_back("U = " + Fixed(r.uValue, 3) + " W/m².K ; S_T = " + Fixed(r.totalSd, 2) + " m");
    lines.push_back(Column("Mois", 11) + Column("θe (°C)", 9) + Column("pe (Pa)", 9)
        + Column("pi (Pa)", 9) + Column("Taux (g/m²)", 13) + Column("Cumul (g/m²)", 14)
        + "Interfaces en condensation");
    for (const MonthResult& m : r.months) {
        lines.push_back(Column(MonthName(m.month), 11) + Column(Fixed(m.climate.thetaE, 1), 9)
            + Column(Fixed(m.climate.pE, 0), 9) + Column(Fixed(m.climate.pI, 0), 9)
            + Column(GroupedGrams(NetOfMonth(m)), 13) + Column(GroupedGrams(m.heldTotalGPerM2), 14)
            + Places(m));
    }
    lines.push_back(VerdictSentence(r));
    return lines;
}

std::vector<std::string> MouldTableLines(const MouldResult& mould)
{
    std::vector<std::string> lines { "Moisissure en surface (humidité de surface au plus 80 %, "
                                     "R_si = 0.25 m².K/W)" };
    lines.push_back(Column("Mois", 11) + "f_Rsi,min");
    for (const MouldMonth& m : mould.months)
        lines.push_back(
            Column(MonthName(m.month), 11) + (m.skipped ? "- (θe ≥ θi)" : Fixed(m.frsiMin, 3)));
    lines.push_back("f_Rsi de la paroi = " + Fixed(mould.frsiWall, 3) + " ; f_Rsi,max = "
        + (mould.criticalMonth > 0
                ? Fixed(mould.frsiMax, 3) + " en " + MonthName(mould.criticalMonth)
                : std::string("-")));
    lines.push_back(mould.passes ? msg::kMouldPasses : msg::kMouldFails);
    return lines;
}

std::vector<std::string> SurfaceHumidityLines(const SurfaceHumidityHours& hours)
{
    std::vector<std::string> lines { "Heures où l'humidité relative de la surface intérieure "
                                     "dépasse 80 % (bilan annuel heure par heure)" };
    std::string row = "Heures par mois :";
    for (std::size_t m = 0; m < 12; ++m)
        row += " " + MonthName(static_cast<int>(m) + 1) + " "
            + std::to_string(hours.hoursAbove80[m]) + (m < 11 ? "," : "");
    lines.push_back(row);
    lines.push_back("Plus longue suite : " + std::to_string(hours.longestRunHours) + " h");
    return lines;
}

} // namespace quelvan::moisture
