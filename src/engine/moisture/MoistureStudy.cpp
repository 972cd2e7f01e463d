// The moisture check of a project from its inputs to its results, shared by `quelvan-cli
// condensation` and the desktop's condensation window so that both show the same figures.
#include "engine/moisture/MoistureStudy.h"

#include "core/Messages.h"
#include "core/MoistureMessages.h"
#include "core/NumberText.h"
#include "core/TextFile.h"
#include "engine/WeatherFiles.h"
#include "engine/annual/AnnualBalance.h"
#include "engine/moisture/SurfaceHumidity.h"
#include "engine/moisture/WeatherHumidity.h"
#include "model/KslDoc.h"

#include <cmath>
#include <filesystem>

namespace quelvan::moisture {

namespace {

StudyOutcome Refused(StudyFault fault, std::string message)
{
    return { std::nullopt, fault, std::move(message) };
}

std::optional<ExteriorYear> ClimateFromFile(const std::string& path, std::string* error)
{
    const TextFileRead read = ReadTextFile(path);
    if (!read.text) {
        *error = std::string(msg::kClimateFile) + " : " + path + " : "
            + std::string(ReadFaultText(read.fault));
        return std::nullopt;
    }
    std::string reason;
    std::optional<ExteriorYear> year = ParseMonthlyClimate(read.text->lines, &reason);
    if (!year)
        *error = path + " : " + reason;
    return year;
}

// The hours of the inner surface above 80 %: the annual balance of the project (fine mode)
// gives the hourly interior surface temperature.
std::optional<SurfaceHumidityHours> SurfaceHours(const KslDoc& doc, const CalculationInputs& inputs,
    const HourlyHumidity& exterior, const InteriorModel& interior,
    const std::function<bool()>& keepGoing, std::string* error)
{
    const std::optional<annual::AnnualProblem> problem
        = annual::PrepareAnnualBalance(doc, inputs, CalculationMode::Fine, error);
    if (!problem)
        return std::nullopt;
    const annual::AnnualProgress progress
        = [&keepGoing](int, int) { return !keepGoing || keepGoing(); };
    const std::optional<annual::AnnualBalanceResult> year
        = annual::RunAnnualBalance(*problem, {}, progress);
    if (!year)
        return std::nullopt;
    return CountSurfaceHumidity(year->hours, exterior, interior);
}

} // namespace

StudyOutcome RunStudy(const KslDoc& doc, const CalculationInputs& inputs,
    const StudyRequest& request, const std::function<bool()>& keepGoing)
{
    Study study;
    std::string error;
    std::optional<MoistureWall> wall = MoistureWallFromProject(doc, &error);
    if (!wall)
        return Refused(StudyFault::Wall, error);
    study.wall = std::move(*wall);
    const std::optional<double> theta
        = InteriorTemperature(doc, request.interior, inputs.interiorAmbiance);
    if (!theta)
        return Refused(StudyFault::InteriorTemperature, msg::kInteriorTemperatureNeeded);
    study.interior = InteriorAt(doc, request.interior, *theta);
    std::optional<ExteriorYear> exterior;
    if (!request.climateFile.empty()) {
        exterior = ClimateFromFile(request.climateFile, &error);
        if (!exterior)
            return Refused(StudyFault::Climate, error);
        study.source = { false, request.climateFile };
    } else {
        const CBCData* ambiance = inputs.exteriorAmbiance;
        if (ambiance == nullptr || !ambiance->weatherFlag)
            return Refused(StudyFault::ExteriorNotWeather, msg::kExteriorNotWeather);
        const std::string name = WeatherFileName(ambiance->cityIndex, inputs.weather);
        std::optional<std::string> path = FindWeatherFile(name, inputs.weather);
        if (!path)
            return Refused(StudyFault::Climate,
                std::string(msg::kWeatherReadError) + " : " + name + " : "
                    + std::string(ReadFaultText(ReadFault::NotFound)));
        const std::optional<HourlyHumidity> hours = ReadHourlyHumidity(*path, &error);
        if (!hours)
            return Refused(StudyFault::Climate, error);
        exterior = MonthlyMeans(hours->thetaC, hours->rhPct);
        study.surface = SurfaceHours(doc, inputs, *hours, study.interior, keepGoing, &error);
        if (keepGoing && !keepGoing())
            return Refused(StudyFault::Stopped, {});
        if (!study.surface)
            return Refused(StudyFault::Annual, error.empty() ? msg::kInternalError : error);
        study.source = { true, std::move(*path) };
    }
    study.climate = ResolveClimate(*exterior, study.interior);
    study.condensation = CheckCondensation(study.wall, study.climate, { request.fine, 0.05 });
    study.mould = CheckMould(study.wall, study.climate);
    return { std::move(study), StudyFault::None, {} };
}

std::string ClimateSourceText(const ClimateSource& source)
{
    const std::string name = std::filesystem::path(source.path).filename().string();
    return source.weatherFile ? "Fichier météo de l'ambiance extérieure : " + name
            + " (moyennes mensuelles de l'année horaire)"
                              : "Climat mensuel : " + name;
}

} // namespace quelvan::moisture
