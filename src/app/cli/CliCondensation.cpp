// quelvan-cli condensation: the moisture check of a project's wall (interstitial condensation by
// the monthly method of EN ISO 13788 and the surface mould factor), as a French table or as
// JSON, on a monthly climate file or on the exterior ambiance's weather file.
#include "app/cli/CliArguments.h"
#include "app/cli/CliBatch.h"
#include "app/cli/CliCommands.h"
#include "app/cli/CliCondensationJson.h"
#include "app/cli/CliPrint.h"

#include "core/Messages.h"
#include "core/MoistureMessages.h"
#include "core/NumberText.h"
#include "core/TextFile.h"
#include "engine/CalculationInputs.h"
#include "engine/WeatherFiles.h"
#include "engine/annual/AnnualBalance.h"
#include "engine/moisture/MoistureBounds.h"
#include "engine/moisture/MoistureText.h"
#include "engine/moisture/SurfaceHumidity.h"
#include "engine/moisture/WeatherHumidity.h"
#include "model/KslDoc.h"

#include <cmath>
#include <filesystem>
#include <memory>

namespace quelvan::cli {

namespace {

using namespace moisture;

struct CondensationOptions {
    std::string project;
    std::string weatherDirectory;
    std::string climate;
    std::optional<double> interiorRh;
    std::optional<double> humidityClass;
    std::optional<double> vapourExcess;
    std::optional<double> interiorTemperature;
    bool fine = false;
    bool json = false;
    bool force = false;
};

// The interior temperature: the option, else the project's setting, else the mean of the
// interior ambiance when its profile gives one without a calculation.
std::optional<double> InteriorTemperature(const KslDoc& doc, const CondensationOptions& options)
{
    if (options.interiorTemperature)
        return options.interiorTemperature;
    float value = 0.0F;
    if (!doc.moisture.IsEmpty() && ParseFloat(doc.moisture.At(0).interiorTemperature, value))
        return value;
    const CBCData* interior = doc.SelectedAmbiance(Side::Interior);
    if (interior == nullptr)
        return std::nullopt;
    const ProfileData& p = interior->temperature;
    if (p.type == ProfileType::Constant)
        return FloatValue(p.values[1]);
    if (p.type == ProfileType::Sinusoid)
        return (FloatValue(p.values[0]) + FloatValue(p.values[1])) / 2.0;
    return std::nullopt;
}

// The interior humidity: an option, else the project's setting, else 50 %.
std::optional<InteriorModel> Interior(const KslDoc& doc, const CondensationOptions& options)
{
    const std::optional<double> theta = InteriorTemperature(doc, options);
    if (!theta) {
        PrintError(msg::kInteriorTemperatureNeeded);
        return std::nullopt;
    }
    InteriorModel model { InteriorHumidity::RelativeHumidity, 50.0, *theta };
    if (options.interiorRh) {
        model.value = *options.interiorRh;
    } else if (options.humidityClass) {
        model = { InteriorHumidity::HumidityClass, std::round(*options.humidityClass), *theta };
    } else if (options.vapourExcess) {
        model = { InteriorHumidity::VapourExcess, *options.vapourExcess, *theta };
    } else if (!doc.moisture.IsEmpty()) {
        model.mode = doc.moisture.At(0).mode;
        model.value = InteriorHumidityValue(doc.moisture.At(0)).value_or(50.0);
    }
    return model;
}

std::optional<ExteriorYear> ClimateFromFile(const std::string& path)
{
    const TextFileRead read = ReadTextFile(path);
    if (!read.text) {
        PrintError(std::string(msg::kClimateFile) + " : " + path + " : "
            + std::string(ReadFaultText(read.fault)));
        return std::nullopt;
    }
    std::string error;
    const std::optional<ExteriorYear> year = ParseMonthlyClimate(read.text->lines, &error);
    if (!year)
        PrintError(path + " : " + error);
    return year;
}

// The weather file of the exterior ambiance, found as the run finds it.
std::optional<std::string> ExteriorWeatherFile(
    const KslDoc& doc, const CondensationOptions& options)
{
    const CBCData* exterior = doc.SelectedAmbiance(Side::Exterior);
    if (exterior == nullptr || !exterior->weatherFlag) {
        PrintError(msg::kExteriorNotWeather);
        return std::nullopt;
    }
    WeatherSearch search;
    search.explicitDirectory = options.weatherDirectory;
    search.projectDirectory = std::filesystem::path(options.project).parent_path().string();
    for (const WeatherStation& station : doc.stations)
        search.stationFiles[station.index] = station.fileName;
    const std::string name = WeatherFileName(exterior->cityIndex, search);
    std::optional<std::string> path = FindWeatherFile(name, search);
    if (!path)
        PrintError(std::string(msg::kWeatherReadError) + " : " + name + " : "
            + std::string(ReadFaultText(ReadFault::NotFound)));
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
    const std::optional<InteriorModel> interior = Interior(doc, options);
    if (!interior)
        return kExitFailure;
    std::optional<ExteriorYear> exterior;
    std::optional<SurfaceHumidityHours> surface;
    if (!options.climate.empty()) {
        exterior = ClimateFromFile(options.climate);
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
    CLI::Option* climate = command
                               .add_option("--climate", options->climate,
                                   "climat mensuel de calcul (CSV : mois,theta_e_C,rh_e_pct ou "
                                   "mois,theta_e_C,p_e_Pa) au lieu du fichier météo")
                               ->type_name("MOIS.csv");
    climate->excludes(weather);
    CLI::Option* rh = AddNumberOption(command, "--interior-rh", options->interiorRh,
        moisture::bounds::kInteriorHumidity, "P", "humidité relative intérieure fixe en %");
    CLI::Option* hc = AddNumberOption(command, "--humidity-class", options->humidityClass,
        moisture::bounds::kHumidityClass, "N",
        "classe d'humidité intérieure 1 à 5 (Δν de 2 à 10 g/m³ sous 0 °C, nul à 20 °C, × 1,10)");
    CLI::Option* ve = AddNumberOption(command, "--vapour-excess", options->vapourExcess,
        moisture::bounds::kVapourExcess, "G",
        "excès de vapeur intérieur constant W/n en g/m³ (hygrométrie faible ≤ 2,5, moyenne ≤ 5, "
        "forte ≤ 7,5, très forte au-delà)");
    rh->excludes(hc)->excludes(ve);
    hc->excludes(ve);
    AddNumberOption(command, "--interior-temperature", options->interiorTemperature,
        moisture::bounds::kInteriorTemperature, "T",
        "température intérieure en °C (par défaut la moyenne de l'ambiance intérieure)");
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
