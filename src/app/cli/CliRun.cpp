// quelvan-cli run: prepares a project's calculation and runs the whole week without pacing,
// then writes the hourly results file.
#include "app/cli/CliArguments.h"
#include "app/cli/CliBatch.h"
#include "app/cli/CliCommands.h"
#include "app/cli/CliOutputs.h"
#include "app/cli/CliPrint.h"

#include "core/Messages.h"
#include "core/NumberText.h"
#include "engine/EngineState.h"
#include "model/KslDoc.h"
#include "persistence/ResultsFile.h"

#include <memory>
#include <string>

namespace quelvan::cli {

namespace {

struct RunOptions {
    std::string project;
    std::string output;
    std::string weatherDirectory;
    bool fine = false;
    bool force = false;
};

int Run(const RunOptions& options)
{
    const std::string output
        = options.output.empty() ? ResultsFilePathFor(options.project) : options.output;
    KslDoc doc;
    if (!ReadProjectForBatch(doc, options.project)
        || !OutputsAreSafe(FilesReadByRun(options.project, doc, options.weatherDirectory),
            { output }, options.force))
        return kExitFailure;
    NotesToStandardError notes;
    EngineState engine(notes);
    if (!RunWeek(doc, engine, options.weatherDirectory, ModeOf(options.fine)))
        return kExitFailure;

    if (!WriteResultsFile(doc, output)) {
        PrintError(std::string(msg::kResultsNotWritten) + " : " + output);
        return kExitFailure;
    }
    PrintLine("Résultats : " + output + " (" + FormatInt("%d", engine.View().hours) + " heures"
        + (options.fine ? ", calcul fin" : "") + ")");
    return kExitOk;
}

} // namespace

void DeclareRun(CommandLine& commands)
{
    auto options = std::make_shared<RunOptions>();
    CLI::App& command = commands.Add(commands.Root(), "run",
        "calcule la semaine et écrit les résultats heure par heure",
        [options](const CLI::App&) { return Run(*options); });
    AddProjectArgument(command, options->project, "le projet à calculer");
    AddOutputOption(command, "-o", options->output, "FICHIER.res",
        "le fichier des résultats (par défaut le projet, sa dernière extension remplacée par "
        ".res)");
    AddWeatherDirectoryOption(command, options->weatherDirectory);
    AddFineFlag(command, options->fine);
    AddForceFlag(command, options->force);
}

} // namespace quelvan::cli
