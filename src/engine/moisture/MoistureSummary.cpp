#include "engine/moisture/MoistureSummary.h"

#include <numeric>

namespace quelvan::moisture {

const std::array<SummaryColumn, kSummaryColumnCount> kSummaryColumns { {
    { "verdict", "Condensation", "verdict", 0, SummaryKind::Keyword,
        "Condensation interne sur l'année (méthode mensuelle EN ISO 13788) : none (aucune), "
        "evaporates (s'évapore en totalité) ou accumulates (s'accumule)." },
    { "max_total_g_m2", "Eau max", "g/m²", 0, SummaryKind::Number,
        "Plus grande quantité d'eau condensée retenue dans la paroi au cours de l'année." },
    { "max_month", "Mois max", "mois", 0, SummaryKind::Month,
        "Mois à la fin duquel la paroi retient le plus d'eau (1 à 12)." },
    { "end_total_g_m2", "Eau restante", "g/m²", 0, SummaryKind::Number,
        "Eau restant dans la paroi après douze mois." },
    { "frsi_wall", "f_Rsi paroi", "-", 3, SummaryKind::Number,
        "Facteur de température de surface intérieure de la paroi (R_si = 0,25 m².K/W)." },
    { "frsi_max", "f_Rsi,max", "-", 3, SummaryKind::Number,
        "Facteur minimal exigé le mois critique pour éviter la moisissure (80 % en surface)." },
    { "hours_above_80", "Heures > 80 %", "h", 0, SummaryKind::Count,
        "Heures de l'année où l'humidité relative de la surface intérieure dépasse 80 % "
        "(bilan annuel heure par heure, avec un fichier météo seulement)." },
} };

MoistureSummary Summarize(const CondensationResult& result, const MouldResult& mould,
    const std::optional<SurfaceHumidityHours>& surface)
{
    MoistureSummary summary;
    summary.verdict = result.verdict;
    summary.maxTotalGPerM2 = result.maxTotalGPerM2;
    summary.maxMonth = result.maxMonth;
    summary.endTotalGPerM2 = result.endTotalGPerM2;
    summary.frsiWall = mould.frsiWall;
    if (mould.criticalMonth > 0)
        summary.frsiMax = mould.frsiMax;
    if (surface)
        summary.hoursAbove80
            = std::accumulate(surface->hoursAbove80.begin(), surface->hoursAbove80.end(), 0);
    return summary;
}

const char* VerdictWord(Verdict verdict)
{
    switch (verdict) {
    case Verdict::None:
        return "aucune";
    case Verdict::Evaporates:
        return "s'évapore";
    case Verdict::Accumulates:
        break;
    }
    return "s'accumule";
}

std::optional<double> SummaryNumber(const MoistureSummary& s, std::size_t column)
{
    switch (static_cast<SummaryFigure>(column)) {
    case SummaryFigure::Verdict:
        return std::nullopt;
    case SummaryFigure::MaxTotal:
        return s.maxTotalGPerM2;
    case SummaryFigure::MaxMonth:
        return s.maxMonth > 0 ? std::optional<double>(s.maxMonth) : std::nullopt;
    case SummaryFigure::EndTotal:
        return s.endTotalGPerM2;
    case SummaryFigure::FrsiWall:
        return s.frsiWall;
    case SummaryFigure::FrsiMax:
        return s.frsiMax;
    case SummaryFigure::HoursAbove80:
        break;
    }
    return s.hoursAbove80 ? std::optional<double>(*s.hoursAbove80) : std::nullopt;
}

} // namespace quelvan::moisture
