// quelvan-cli compare: the figures of several projects side by side (dynamic characteristics,
// the fine-mode week, the periodic year with --annual), one row per project.
#include "app/cli/CliCommands.h"
#include "app/cli/CliStudy.h"

#include "engine/variants/VariantStudy.h"

#include <memory>
#include <string>
#include <vector>

namespace quelvan::cli {

namespace {

struct CompareOptions {
    std::vector<std::string> projects;
    StudyCommandOptions study;
};

int Compare(const CLI::App& command, const CompareOptions& options)
{
    variants::VariantStudy study;
    for (const std::string& project : options.projects)
        study.AddProjectFile(project);
    return RunStudyCommand(command, study, options.projects, options.study);
}

} // namespace

void DeclareCompare(CommandLine& commands)
{
    auto options = std::make_shared<CompareOptions>();
    CLI::App& command = commands.Add(commands.Root(), "compare",
        "compare des parois : U, amortissement, déphasage, capacités, semaine en calcul fin "
        "et, sur demande, bilan annuel, une ligne par projet",
        [options](const CLI::App& app) { return Compare(app, *options); });
    command
        .add_option("FICHIER.ksl...", options->projects,
            "les projets à comparer ; un fichier illisible a son message sur sa ligne")
        ->required()
        ->expected(1, -1)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
        ->check(CLI::Validator(
            [](const std::string& text) {
                return text.empty() ? std::string("le nom est vide") : "";
            },
            ""));
    AddStudyOptions(command, options->study, "-o remplace un projet ou un fichier météo existant");
}

} // namespace quelvan::cli
