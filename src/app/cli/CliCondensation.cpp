// quelvan-cli condensation: the moisture check of a project's wall (interstitial condensation by
// the monthly method of EN ISO 13788 and the surface mould factor), as a French table or as
// JSON, on a monthly climate file or on the exterior ambiance's weather file.
#include "app/cli/CliArguments.h"
#include "app/cli/CliBatch.h"
#include "app/cli/CliCommands.h"
#include "app/cli/CliCondensationJson.h"
#include "app/cli/CliMoistureOptions.h"
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
    MoistureCommandOptions moisture;
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
    const StudyRequest request { options.moisture.interior, options.moisture.climate,
        options.fine };
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
