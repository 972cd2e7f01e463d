#include "app/cli/CliCommands.h"

int main(int argc, char** argv)
{
    quelvan::cli::CommandLine commands("quelvan-cli",
        "Quelvan sans fenêtre : projets, calcul de la semaine, météo, images et rapport.");
    for (const auto declare : quelvan::cli::kCommands)
        declare(commands);
    return commands.Run(argc, argv);
}
