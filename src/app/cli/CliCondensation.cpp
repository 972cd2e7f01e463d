// quelvan-cli condensation: the moisture check of a project's wall (interstitial condensation by
// the monthly method of EN ISO 13788 and the surface mould factor), as a French table or as
// JSON, on a monthly climate file or on the exterior ambiance's weather file.
#include "app/cli/CliArguments.h"
#include "app/cli/CliBatch.h"
#include "app/cli/CliCommands.h"
#include "app/cli/CliCondensationJson.h"
#include "app/cli/CliPrint.h"

#include "engine/CalculationInputs.h"
#include "engine/WeatherFiles.h"
#include "engine/moisture/MoistureBounds.h"
#include "engine/moisture/MoistureStudy.h"
#include "model/KslDoc.h"

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

int Condensation(const CondensationOptions& options)
{
    KslDoc doc;
    if (!ReadProjectForBatch(doc, options.project))
        return kExitFailure;
    WeatherSearch search;
    search.explicitDirectory = options.weatherDirectory;
    search.projectDirectory = std::filesystem::path(options.project).parent_path().string();
    const StudyRequest request { options.interiorRh, options.humidityClass, options.vapourExcess,
        options.interiorTemperature, options.climate, options.fine };
    const StudyOutcome outcome = RunStudy(doc, InputsFromDocument(doc, search), request);
    if (!outcome.study) {
        PrintError(outcome.message);
        return kExitFailure;
    }
    const Study& study = *outcome.study;
    if (options.json) {
        PrintLines(CondensationJson(study.condensation, study.mould, study.surface, options.fine));
        return kExitOk;
    }
    for (const std::string& line : CondensationTableLines(study.condensation))
        PrintLine(line);
    PrintLine("");
    for (const std::string& line : MouldTableLines(study.mould))
        PrintLine(line);
    if (study.surface) {
        PrintLine("");
        for (const std::string& line : SurfaceHumidityLines(*study.surface))
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
