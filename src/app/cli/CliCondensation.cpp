// quelvan-cli condensation: the moisture check of a project's wall (interstitial condensation by
// the monthly method of EN ISO 13788 and the surface mould factor), as a French table or as
// JSON, on a monthly climate file or on the exterior ambiance's weather file.
#include "app/cli/CliArguments.h"
#include "app/cli/CliBatch.h"
#include "app/cli/CliCommands.h"
#include "app/cli/CliCondensationJson.h"
#include "app/cli/CliMoistureOptions.h"
#include "app/cli/CliPrint.h"

#include "core/Messages.h"
#include "core/MoistureMessages.h"
#include "engine/CalculationInputs.h"
#include "engine/WeatherFiles.h"
#include "engine/annual/AnnualBalance.h"
#include "engine/moisture/MoistureInputs.h"
#include "engine/moisture/MoistureText.h"
#include "engine/moisture/SurfaceHumidity.h"
#include "engine/moisture/WeatherHumidity.h"
#include "model/KslDoc.h"

#include <filesystem>
#include <memory>

namespace quelvan::cli {

namespace {

using namespace moisture;

struct CondensationOptions {
    std::string project;
    std::string weatherDirectory;
    MoistureCommandOptions moisture;
    bool fine = false;
    bool json = false;
    bool force = false;
};

// The weather file of the exterior ambiance, found as the run finds it.
std::optional<std::string> ExteriorWeatherFile(
    const KslDoc& doc, const CondensationOptions& options)
{
    WeatherSearch search;
    search.explicitDirectory = options.weatherDirectory;
    search.projectDirectory = std::filesystem::path(options.project).parent_path().string();
    for (const WeatherStation& station : doc.stations)
        search.stationFiles[station.index] = station.fileName;
    std::string error;
    std::optional<std::string> path = ExteriorWeatherPath(doc, search, &error);
    if (!path)
        PrintError(error);
    return path;
}

// The hours of the inner surface above 80 %: the annual balance of the project (fine mode) gives
// the hourly surface temperature. Prints the balance's message and gives nothing when it fails.
std::optional<SurfaceHumidityHours> SurfaceHours(const KslDoc& doc,
    const CondensationOptions& options, const HourlyHumidity& exterior,
    const InteriorModel& interior)
{
    WeatherSearch search;
    search.explicitDirectory = options.weatherDirectory;
    const CalculationInputs inputs = InputsFromDocument(doc, search);
    std::string error;
    const std::optional<annual::AnnualProblem> problem
        = annual::PrepareAnnualBalance(doc, inputs, CalculationMode::Fine, &error);
    const std::optional<annual::AnnualBalanceResult> year
        = problem ? annual::RunAnnualBalance(*problem) : std::nullopt;
    if (!year) {
        PrintError(error.empty() ? msg::kInternalError : error);
        return std::nullopt;
    }
    return CountSurfaceHumidity(year->hours, exterior, interior);
}

int Condensation(const CondensationOptions& options)
{
    KslDoc doc;
    if (!ReadProjectForBatch(doc, options.project))
        return kExitFailure;
    std::string error;
    const std::optional<MoistureWall> wall = MoistureWallFromProject(doc, &error);
    if (!wall) {
        PrintError(error);
        return kExitFailure;
    }
    const std::optional<InteriorModel> interior = InteriorOf(doc, options.moisture.interior);
    if (!interior) {
        PrintError(msg::kInteriorTemperatureNeeded);
        return kExitFailure;
    }
    std::optional<ExteriorYear> exterior;
    std::optional<SurfaceHumidityHours> surface;
    if (!options.moisture.climate.empty()) {
        exterior = ClimateFromFile(options.moisture.climate);
    } else if (const std::optional<std::string> path = ExteriorWeatherFile(doc, options)) {
        const std::optional<HourlyHumidity> hours = ReadHourlyHumidity(*path, &error);
        if (!hours) {
            PrintError(error);
            return kExitFailure;
        }
        exterior = MonthlyMeans(hours->thetaC, hours->rhPct);
        surface = SurfaceHours(doc, options, *hours, *interior);
        if (!surface)
            return kExitFailure;
    }
    if (!exterior)
        return kExitFailure;
    const YearClimate climate = ResolveClimate(*exterior, *interior);
    const CondensationResult result = CheckCondensation(*wall, climate, { options.fine, 0.05 });
    const MouldResult mould = CheckMould(*wall, climate);
    if (options.json) {
        PrintLines(CondensationJson(result, mould, surface, options.fine));
        return kExitOk;
    }
    for (const std::string& line : CondensationTableLines(result))
        PrintLine(line);
    PrintLine("");
    for (const std::string& line : MouldTableLines(mould))
        PrintLine(line);
    if (surface) {
        PrintLine("");
        for (const std::string& line : SurfaceHumidityLines(*surface))
            PrintLine(line);
    }
    return kExitOk;
}

} // namespace

void DeclareCondensation(CommandLine& commands)
{
    auto options = std::make_shared<CondensationOptions>();
    CLI::App& command = commands.Add(commands.Root(), "condensation",
        "vérifie la paroi contre la condensation interne (méthode mensuelle EN ISO 13788) et la "
        "moisissure en surface (facteur f_Rsi)",
        [options](const CLI::App&) { return Condensation(*options); });
    AddProjectArgument(command, options->project, "le projet dont la paroi est vérifiée");
    CLI::Option* weather = AddWeatherDirectoryOption(command, options->weatherDirectory);
    AddMoistureOptions(command, options->moisture, weather);
    AddFineFlag(command, options->fine,
        "découpe les couches en sous-couches (au plus 0,05 K chacune le mois le plus froid) pour "
        "trouver une zone de condensation dans une couche épaisse");
    command.add_flag("--json", options->json,
        "écrit un objet JSON (method, start_month, verdict, max_total_g_m2, max_month, "
        "max_location, end_total_g_m2, months, mould, surface_rh ; docs/moisture.md)");
    AddForceFlag(
        command, options->force, "sans effet : la commande n'écrit que sur la sortie standard");
}

} // namespace quelvan::cli
