#pragma once

// The climate of the moisture check: twelve months of exterior design data (from a monthly
// climate file or from an hourly weather year) and the interior they give with the chosen
// humidity model.
#include "engine/moisture/MoistureCheck.h"
#include "model/MaterialVapour.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace quelvan::moisture {

struct ExteriorMonth {
    double thetaC = 0.0;
    double pPa = 0.0;
};
using ExteriorYear = std::array<ExteriorMonth, 12>;

// A monthly climate file: a header "mois,theta_e_C,rh_e_pct" or "mois,theta_e_C,p_e_Pa", then
// one row per month 1 to 12 (in any order, each once). Nothing, and the French reason naming
// the line and the field in *error, for a header of neither kind, a row without three fields,
// a field that is not a number, a month outside 1-12 or given twice, a humidity outside
// 0-100 %, a pressure not above 0 or above saturation, or not twelve months.
std::optional<ExteriorYear> ParseMonthlyClimate(
    const std::vector<std::string>& lines, std::string* error);

// Monthly means of an hourly year (8760 values from 1 January 0 h): the mean air temperature
// and the mean of the hourly vapour pressures φ·psat(θ) (averaging the relative humidity
// instead errs by several per cent).
ExteriorYear MonthlyMeans(const std::vector<double>& thetaC, const std::vector<double>& rhPct);

// The interior humidity of the check, resolved: the kind, its value, the interior temperature.
struct InteriorModel {
    InteriorHumidity mode = InteriorHumidity::RelativeHumidity;
    double value = 50.0;
    double thetaI = 20.0;
};

// The interior vapour pressure of one month: φi·psat(θi), or pe plus the class excess times
// 1.10, or pe plus a constant excess W/n; never above saturation at θi.
double InteriorPressure(const InteriorModel& interior, const ExteriorMonth& exterior);

YearClimate ResolveClimate(const ExteriorYear& exterior, const InteriorModel& interior);

} // namespace quelvan::moisture
