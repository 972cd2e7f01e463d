// The moisture check in plain French words.
#include "engine/moisture/MoistureAdvice.h"

#include "core/NumberText.h"
#include "engine/moisture/MoistureText.h"

#include <algorithm>

namespace quelvan::moisture {

namespace {

std::string Fixed(double value, int decimals)
{
    return FormatDouble(("%." + std::to_string(decimals) + "f").c_str(), value);
}

std::string Where(const CondensationResult& r)
{
    return r.maxLocation.starts_with("dans ") ? r.maxLocation : "à l'interface " + r.maxLocation;
}

} // namespace

std::string PlainVerdict(const CondensationResult& r)
{
    if (r.verdict == Verdict::None)
        return "Aucune eau ne se condense dans la paroi au cours de l'année.";
    const std::string most
        = GroupedGrams(r.maxTotalGPerM2) + " g/m² en " + MonthName(r.maxMonth) + " " + Where(r);
    if (r.verdict == Verdict::Accumulates)
        return "De l'eau s'accumule dans la paroi d'année en année (" + most + ", "
            + GroupedGrams(r.endTotalGPerM2)
            + " g/m² restent après douze mois) : la paroi ne convient pas telle quelle.";
    std::string text = "De l'eau se condense dans la paroi mais sèche dans l'année (au plus " + most
        + ", sèche en " + MonthName(r.dryMonth) + ").";
    if (r.maxTotalGPerM2 > kNonAbsorbentLimit)
        text += " C'est plus que 0,5 kg/m² : trop contre un isolant ou un film, qui n'absorbent "
                "pas l'eau.";
    return text;
}

std::string HygrometryClass(double vapourExcess)
{
    if (vapourExcess <= 2.5)
        return "faible";
    if (vapourExcess <= 5.0)
        return "moyenne";
    if (vapourExcess <= 7.5)
        return "forte";
    return "très forte";
}

std::string InteriorText(const InteriorModel& interior)
{
    const std::string theta = Fixed(interior.thetaI, 1) + " °C, ";
    switch (interior.mode) {
    case InteriorHumidity::HumidityClass:
        return theta + "classe d'humidité " + Fixed(interior.value, 0);
    case InteriorHumidity::VapourExcess:
        return theta + "excès de vapeur W/n = " + FormatDouble("%g", interior.value)
            + " g/m³ (hygrométrie " + HygrometryClass(interior.value) + ")";
    case InteriorHumidity::RelativeHumidity:
        break;
    }
    return theta + "humidité relative " + FormatDouble("%g", interior.value) + " %";
}

std::string MouldSentence(const MouldResult& mould)
{
    if (mould.criticalMonth == 0)
        return "f_Rsi de la paroi " + Fixed(mould.frsiWall, 3)
            + " : aucun mois plus froid dehors que dedans, pas de risque de moisissure en surface.";
    const std::string figures = "f_Rsi de la paroi " + Fixed(mould.frsiWall, 3)
        + (mould.passes ? " > " : " ≤ ") + "f_Rsi,max " + Fixed(mould.frsiMax, 3) + " ("
        + MonthName(mould.criticalMonth) + ")";
    return figures
        + (mould.passes ? " : pas de risque de moisissure en surface."
                        : " : risque de moisissure sur la face intérieure.");
}

std::vector<std::string> WetPlaces(const CondensationResult& result)
{
    std::vector<std::string> places;
    for (const MonthResult& m : result.months)
        for (const LocationWater& w : m.condensation)
            if (std::find(places.begin(), places.end(), w.location) == places.end())
                places.push_back(w.location);
    return places;
}

std::string PlaceHeading(const std::string& place)
{
    const std::size_t bar = place.find(" | ");
    if (bar == std::string::npos)
        return place + "\n(g/m²)";
    return place.substr(0, bar + 2) + "\n" + place.substr(bar + 3) + " (g/m²)";
}

double HeldAt(const MonthResult& month, const std::string& place)
{
    double held = 0.0;
    for (const LocationWater& w : month.condensation)
        if (w.location == place)
            held += w.heldGPerM2;
    return held;
}

std::string LayerKeyText(const MoistureWall& wall)
{
    std::string text = "Couches de l'extérieur vers l'intérieur :";
    for (std::size_t k = 0; k < wall.layers.size(); ++k) {
        const MoistureLayer& layer = wall.layers[k];
        text += (k > 0 ? " ; " : " ") + std::to_string(k + 1) + " " + layer.name + " ("
            + Fixed(layer.thicknessM * 1000.0, 1) + " mm, s_d " + FormatDouble("%.3g", layer.sd)
            + " m)";
    }
    return text;
}

} // namespace quelvan::moisture
