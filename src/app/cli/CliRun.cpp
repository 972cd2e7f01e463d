// quelvan-cli run: prepares a project's calculation and runs the whole week without pacing,
// then writes the hourly results file.
#include "app/cli/CliArguments.h"
#include "app/cli/CliBatch.h"
#include "app/cli/CliCommands.h"
#include "app/cli/CliOutputs.h"
#include "app/cli/CliPrint.h"

#include "core/Messages.h"
#include "engine/EngineState.h"
#include "model/KslDoc.h"
#include "persistence/ResultsFile.h"

#include <cstdio>
#include <memory>
#include <string>

namespace quelvan::cli {

namespace {

struct RunOptions {
    std::string project;
    std::string output;
    std::string weatherDirectory;
    bool fine = false;
};

int Run(const RunOptions& options)
{
    const std::string output
        = options.output.empty() ? ResultsFilePathFor(options.project) : options.output;
    if (!OutputsAreSafe({ options.project }, { output }))
        return kExitFailure;
    KslDoc doc;
    if (!ReadProjectForBatch(doc, options.project))
        return kExitFailure;
    NotesToStandardError notes;
    EngineState engine(notes);
    if (!RunWeek(doc, engine, options.weatherDirectory, ModeOf(options.fine)))
        return kExitFailure;

    if (!WriteResultsFile(doc, output)) {
        PrintError(std::string(msg::kResultsNotWritten) + " : " + output);
        return kExitFailure;
    }
    std::printf("Résultats : %s (%d heures%s)\n", output.c_str(), engine.View().hours,
        options.fine ? ", calcul fin" : "");
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
}

} // namespace quelvan::cli
