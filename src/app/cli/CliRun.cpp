// quelvan-cli run: prepares a project's calculation and runs the whole week without pacing,
// then writes the hourly results file.
#include "app/cli/CliCommands.h"

#include "core/MessageSink.h"
#include "core/Messages.h"
#include "core/NFileName.h"
#include "engine/EngineState.h"
#include "engine/WeatherFiles.h"
#include "model/KslDoc.h"
#include "persistence/ProjectFile.h"
#include "persistence/ResultsFile.h"

#include <cstdio>
#include <optional>
#include <set>
#include <string>

namespace quelvan::cli {

namespace {

constexpr const char* kUsage
    = "Usage : quelvan-cli run FICHIER.ksl [-o FICHIER.res] [--weather-dir DOSSIER]";

void PrintError(const std::string& text)
{
    std::fputs(text.c_str(), stderr);
    std::fputc('\n', stderr);
}

// The solver's progress lines are for a terminal watching one step; a batch run keeps only
// the other notes (a direct solve replacing the sweeps), each once, on standard error.
class NotesToStandardError final : public MessageSink {
public:
    void Message(std::string_view text) override
    {
        if (text.empty() || text.front() == '\b')
            return;
        if (shown_.insert(std::string(text)).second)
            PrintError(std::string(text));
    }

private:
    std::set<std::string> shown_;
};

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
    if (ReadProjectFile(doc, options->project) != kReadOk) {
        PrintError(msg::kReadError);
        return 1;
    }
    doc.SetPath(options->project);

    WeatherSearch search;
    search.explicitDirectory = options->weatherDirectory;
    search.projectDirectory = NFileName(options->project).Directory();
    CalculationInputs inputs = InputsFromDocument(doc, search);
    if (inputs.initialTemperatureMode == 1) {
        // A batch run has no previous calculation to start from.
        PrintError(msg::kNoPreviousCalculation);
        inputs.initialTemperatureMode = 0;
    }

    NotesToStandardError notes;
    EngineState engine(notes);
    const int code = engine.PrepareCalculation(doc, inputs);
    if (code != kEngineOk) {
        PrintError(EngineErrorMessage(code));
        return 1;
    }
    for (int step = 0; step < kRunHours && engine.CanAdvance(); ++step)
        engine.AdvanceHour(doc, true, true);

    const std::string output = options->output.empty() ? ResultsFilePath(doc) : options->output;
    if (!WriteResultsFile(doc, output)) {
        PrintError(std::string(msg::kResultsNotWritten) + " : " + output);
        return 1;
    }
    std::printf("Résultats : %s (%d heures)\n", output.c_str(), engine.Hours());
    return 0;
}

} // namespace quelvan::cli
