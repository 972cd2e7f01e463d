#include "app/cli/CliCommands.h"
#include "core/ControlText.h"

int main(int argc, char** argv)
{
    quelvan::cli::CommandLine commands("quelvan-cli",
        "Quelvan sans fenêtre : projets, calcul de la semaine, météo, images et rapport.");
    // In the order of the usage text. A new command is one more entry.
    constexpr void (*kCommands[])(quelvan::cli::CommandLine&) = {
        quelvan::cli::DeclareNew,
        quelvan::cli::DeclareCheck,
        quelvan::cli::DeclareRun,
        quelvan::cli::DeclareDynamic,
        quelvan::cli::DeclareAnnual,
        quelvan::cli::DeclareCondensation,
        quelvan::cli::DeclareMaterials,
        quelvan::cli::DeclareCompare,
        quelvan::cli::DeclareSweep,
        quelvan::cli::DeclareWeather,
#ifdef QUELVAN_WITH_QT
        quelvan::cli::DeclareRender,
        quelvan::cli::DeclareReport,
#endif
        quelvan::cli::DeclareValidate,
    };
    for (const auto declare : kCommands)
        declare(commands);
#ifdef QUELVAN_CLI_DRAWING_PROGRAM
    // This build leaves Qt, and so render and report, to the drawing program beside it.
    commands.PassOtherCommandsTo(QUELVAN_CLI_DRAWING_PROGRAM);
#endif
    const int code = commands.Run(argc, argv);
    // A study or a table cut short by a full disk must not end as a success.
    if (!quelvan::StandardOutputWritten()) {
        quelvan::PrintError("Erreur d'écriture sur la sortie standard : ce qui a été affiché est "
                            "incomplet");
        return code == 0 ? 1 : code;
    }
    return code;
}
