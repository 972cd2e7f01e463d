// quelvan-cli run: prepares a project's calculation and runs the whole week without pacing,
// then writes the hourly results file.
#include "app/cli/CliCommands.h"
#include "app/cli/CliSupport.h"

#include "core/Messages.h"
#include "engine/EngineState.h"
#include "model/KslDoc.h"
#include "persistence/ResultsFile.h"

#include <cstdio>
#include <optional>
#include <string>

namespace quelvan::cli {

namespace {

constexpr const char* kUsage
    = "Usage : quelvan-cli run FICHIER.ksl [-o FICHIER.res] [--weather-dir DOSSIER]";

struct RunOptions {
    std::string project;
    std::string output;
    std::string weatherDirectory;
};

std::optional<RunOptions> ParseOptions(const Args& args)
{
    RunOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if ((a == "-o" || a == "--weather-dir") && i + 1 < args.size()) {
            (a == "-o" ? options.output : options.weatherDirectory) = args[++i];
        } else if (!a.empty() && a.front() != '-' && options.project.empty()) {
            options.project = a;
        } else {
            return std::nullopt;
        }
    }
    if (options.project.empty())
        return std::nullopt;
    return options;
}

} // namespace

int CommandRun(const Args& args)
{
    const std::optional<RunOptions> options = ParseOptions(args);
    if (!options) {
        PrintError(kUsage);
        return 2;
    }
    KslDoc doc;
    if (!ReadProjectForBatch(doc, options->project))
        return 1;
    NotesToStandardError notes;
    EngineState engine(notes);
    if (!RunWeek(doc, engine, options->project, options->weatherDirectory))
        return 1;

    const std::string output = options->output.empty() ? ResultsFilePath(doc) : options->output;
    if (!WriteResultsFile(doc, output)) {
        PrintError(std::string(msg::kResultsNotWritten) + " : " + output);
        return 1;
    }
    std::printf("Résultats : %s (%d heures)\n", output.c_str(), engine.Hours());
    return 0;
}

} // namespace quelvan::cli
