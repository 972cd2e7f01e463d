#pragma once

#include "app/cli/CliMoistureOptions.h"

#include <CLI/CLI.hpp>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace quelvan::variants {
class VariantStudy;
}

// What compare and sweep share: the options of a study's run and output, and the run itself.
namespace quelvan::cli {

struct Shard {
    std::size_t index = 0; // K
    std::size_t count = 1; // N
};

struct StudyCommandOptions {
    std::string output;
    std::string weatherDirectory;
    std::optional<int> jobs;
    std::optional<Shard> shard;
    bool annual = false;
    bool moisture = false; // the moisture check of each variant, with its climate and interior
    MoistureCommandOptions moistureOptions;
    bool json = false;
    bool csv = false;
    bool force = false; // -o may replace a project or a weather file (and sweep more variants)
};

// --force (with its description), --annual, --jobs N, --shard K/N, --json, --csv, -o FICHIER,
// --weather-dir, and --moisture with the climate and interior options of condensation.
void AddStudyOptions(
    CLI::App& command, StudyCommandOptions& options, const std::string& forceDescription);

// Runs the study and writes its rows in the variants' order: a French table, CSV or JSON Lines,
// on standard output or into the output file (written once the study is done). The files read
// (the projects, their weather files) are never written over. Remarks of the runs go once each
// to standard error; a variant that cannot be computed has its message in its row.
int RunStudyCommand(const CLI::App& command, const variants::VariantStudy& study,
    const std::vector<std::string>& projectFiles, const StudyCommandOptions& options);

} // namespace quelvan::cli
