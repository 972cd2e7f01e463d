#pragma once

// The exterior humidity of an hourly weather file: its air temperature (column 2) and its
// relative humidity (column 8, after the seven columns the week's calculation reads).
#include "core/Calendar.h"
#include "engine/moisture/MonthlyClimate.h"

#include <optional>
#include <string>

namespace quelvan::moisture {

inline constexpr int kHumidityColumn = 8;

struct HourlyHumidity {
    std::vector<double> thetaC;
    std::vector<double> rhPct;
};

// The 8760 hours of a weather file with its humidity column. Nothing, with the French reason
// naming the file (and the line) in *error, for a file that does not read, a file of fewer
// hours, a line without the eighth column (an older file), a cell that is not a number or a
// humidity outside 0-100 %.
std::optional<HourlyHumidity> ReadHourlyHumidity(const std::string& path, std::string* error);

} // namespace quelvan::moisture
