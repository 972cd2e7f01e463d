#include "engine/variants/VariantMoisture.h"

#include "core/MoistureMessages.h"
#include "engine/moisture/MoistureWall.h"
#include "engine/moisture/SurfaceHumidity.h"
#include "engine/moisture/WeatherHumidity.h"
#include "model/KslDoc.h"

namespace quelvan::variants {

using namespace moisture;

std::shared_ptr<const HumidityYears::Year> HumidityYears::Of(const std::string& path)
{
    const std::lock_guard<std::mutex> lock(mutex_);
    std::shared_ptr<const Year>& entry = years_[path];
    if (!entry) {
        auto year = std::make_shared<Year>();
        year->hours = ReadHourlyHumidity(path, &year->error);
        entry = std::move(year);
    }
    return entry;
}

MoistureOutcome CheckVariantMoisture(const KslDoc& doc, const CalculationInputs& inputs,
    const MoistureStudy& study, const annual::AnnualBalanceResult* year)
{
    MoistureOutcome outcome;
    const std::optional<MoistureWall> wall = MoistureWallFromProject(doc, &outcome.error);
    if (!wall)
        return outcome;
    const std::optional<InteriorModel> interior = InteriorOf(doc, study.interior);
    if (!interior) {
        outcome.error = msg::kInteriorTemperatureNeeded;
        return outcome;
    }
    std::optional<ExteriorYear> exterior = study.climate;
    std::optional<SurfaceHumidityHours> surface;
    if (!exterior) {
        const std::optional<std::string> path
            = ExteriorWeatherPath(doc, inputs.weather, &outcome.error);
        if (!path)
            return outcome;
        std::shared_ptr<const HumidityYears::Year> shared;
        std::optional<HourlyHumidity> own;
        if (study.years) {
            shared = study.years->Of(*path);
            outcome.error = shared->error;
        } else {
            own = ReadHourlyHumidity(*path, &outcome.error);
        }
        const std::optional<HourlyHumidity>& hours = shared ? shared->hours : own;
        if (!hours)
            return outcome;
        exterior = MonthlyMeans(hours->thetaC, hours->rhPct);
        if (year != nullptr)
            surface = CountSurfaceHumidity(year->hours, *hours, *interior);
    }
    const YearClimate climate = ResolveClimate(*exterior, *interior);
    const CondensationResult result = CheckCondensation(*wall, climate, { false, 0.05 });
    outcome.summary = Summarize(result, CheckMould(*wall, climate), surface);
    return outcome;
}

} // namespace quelvan::variants
