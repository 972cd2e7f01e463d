// The JSON object of the moisture check: the year of the monthly method month by month, the
// mould check and the hourly surface humidity when a weather year was read.
#include "app/cli/CliCondensationJson.h"

#include "engine/moisture/MoistureSummary.h"

#include <nlohmann/json.hpp>

namespace quelvan::cli {

namespace {

using namespace moisture;
using Json = nlohmann::ordered_json;

Json MonthOrNull(int month)
{
    return month > 0 ? Json(month) : Json(nullptr);
}

Json MonthJson(const MonthResult& m)
{
    Json month;
    month["month"] = m.month;
    month["theta_e_c"] = m.climate.thetaE;
    month["p_e_pa"] = m.climate.pE;
    month["theta_i_c"] = m.climate.thetaI;
    month["p_i_pa"] = m.climate.pI;
    Json interfaces = Json::array();
    for (const InterfaceState& i : m.interfaces)
        interfaces.push_back({ { "x_m", i.xM }, { "theta_c", i.thetaC }, { "psat_pa", i.psatPa },
            { "p_pa", i.pPa } });
    month["interfaces"] = interfaces;
    Json condensation = Json::array();
    for (const LocationWater& w : m.condensation)
        condensation.push_back({ { "location", w.location }, { "g_g_m2", w.netGPerM2 },
            { "m_a_g_m2", w.heldGPerM2 } });
    month["condensation"] = condensation;
    month["m_a_total_g_m2"] = m.heldTotalGPerM2;
    return month;
}

Json MouldJson(const MouldResult& mould)
{
    Json object;
    object[SummaryKey(SummaryFigure::FrsiWall)] = mould.frsiWall;
    object[SummaryKey(SummaryFigure::FrsiMax)]
        = mould.criticalMonth > 0 ? Json(mould.frsiMax) : Json(nullptr);
    object["critical_month"] = MonthOrNull(mould.criticalMonth);
    object["passes"] = mould.passes;
    Json months = Json::array();
    for (const MouldMonth& m : mould.months)
        months.push_back(
            { { "month", m.month }, { "frsi_min", m.skipped ? Json(nullptr) : Json(m.frsiMin) } });
    object["months"] = months;
    return object;
}

} // namespace

std::string CondensationJson(const CondensationResult& result, const MouldResult& mould,
    const std::optional<SurfaceHumidityHours>& surface, bool fine)
{
    Json object;
    object["method"] = fine ? "EN ISO 13788 mensuelle, sous-couches" : "EN ISO 13788 mensuelle";
    object["start_month"] = MonthOrNull(result.startMonth);
    object[SummaryKey(SummaryFigure::Verdict)] = VerdictKeyword(result.verdict);
    object[SummaryKey(SummaryFigure::MaxTotal)] = result.maxTotalGPerM2;
    object[SummaryKey(SummaryFigure::MaxMonth)] = MonthOrNull(result.maxMonth);
    object["max_location"] = result.maxLocation.empty() ? Json(nullptr) : Json(result.maxLocation);
    object[SummaryKey(SummaryFigure::EndTotal)] = result.endTotalGPerM2;
    object["dry_month"] = MonthOrNull(result.dryMonth);
    object["u_w_m2k"] = result.uValue;
    object["s_t_m"] = result.totalSd;
    Json months = Json::array();
    for (const MonthResult& m : result.months)
        months.push_back(MonthJson(m));
    object["months"] = months;
    object["mould"] = MouldJson(mould);
    if (surface) {
        object["surface_rh"] = { { SummaryKey(SummaryFigure::HoursAbove80), surface->hoursAbove80 },
            { "longest_run_h", surface->longestRunHours } };
    } else {
        object["surface_rh"] = nullptr;
    }
    return object.dump(2);
}

} // namespace quelvan::cli
