#pragma once

// Beyond the steady check: the hours of the year when the inner surface's relative humidity
// exceeds 80 %, from the annual balance's hourly surface temperature and the hourly interior
// vapour pressure.
#include "engine/annual/AnnualFigures.h"
#include "engine/moisture/MoistureText.h"
#include "engine/moisture/MonthlyClimate.h"
#include "engine/moisture/WeatherHumidity.h"

#include <vector>

namespace quelvan::moisture {

// The interior vapour pressure of an hour: with a fixed relative humidity φi·psat(θi) at the
// hour's interior temperature; with a class or a vapour excess the hour's exterior vapour
// pressure plus the excess of its month (the classes are defined on monthly means).
double HourlyInteriorPressure(const InteriorModel& interior, double interiorC,
    double exteriorPressure, const ExteriorMonth& month);

// Hours per month with p_i / psat(T_si) above 0.80 and the longest run of such hours (a run
// may cross the year's end, as the year is periodic). hours and exterior cover the same 8760
// hours from 1 January 0 h.
SurfaceHumidityHours CountSurfaceHumidity(const std::vector<annual::HourRecord>& hours,
    const HourlyHumidity& exterior, const InteriorModel& interior);

} // namespace quelvan::moisture
