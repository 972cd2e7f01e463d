#pragma once

// What the moisture check of a project reads besides its wall: the interior (the options given,
// else the project's settings) and the exterior ambiance's weather file. Shared by the check of
// one project (quelvan-cli condensation) and by the variants of a study.
#include "engine/WeatherFiles.h"
#include "engine/moisture/MonthlyClimate.h"

#include <optional>
#include <string>

namespace quelvan {
class CBCData;
class KslDoc;
} // namespace quelvan

namespace quelvan::moisture {

// The interior asked for: at most one humidity (a fixed relative humidity in %, a class 1 to 5 or
// a vapour excess in g/m³) and a temperature; what is not given comes from the project.
struct InteriorChoice {
    std::optional<double> relativeHumidity;
    std::optional<double> humidityClass;
    std::optional<double> vapourExcess;
    std::optional<double> temperature;
};

// The interior temperature: the choice, else the project's setting, else the mean of the
// interior ambiance when its profile gives one without a calculation (a constant, the mean of a
// sinusoid); nothing otherwise.
std::optional<double> InteriorTemperature(const KslDoc& doc, const InteriorChoice& choice);
// The same with the interior ambiance given (the one a window shows, which may not yet be the
// project's selection).
std::optional<double> InteriorTemperature(
    const KslDoc& doc, const InteriorChoice& choice, const CBCData* interiorAmbiance);
// The interior at that temperature: the humidity chosen, else the project's setting, else 50 %.
InteriorModel InteriorAt(const KslDoc& doc, const InteriorChoice& choice, double thetaI);

// The interior of the check: the humidity chosen, else the project's setting, else 50 %; nothing
// when no interior temperature is known (msg::kInteriorTemperatureNeeded says what to do).
std::optional<InteriorModel> InteriorOf(const KslDoc& doc, const InteriorChoice& choice);

// The weather file of the exterior ambiance, found in the search's folders as the run finds it.
// Nothing, with the French message in *error, when the exterior ambiance is not a weather
// ambiance or its file is found nowhere.
std::optional<std::string> ExteriorWeatherPath(
    const KslDoc& doc, const WeatherSearch& search, std::string* error);

} // namespace quelvan::moisture
