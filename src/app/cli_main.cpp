#include "app/cli/CliCommands.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

struct Command {
    const char* name;
    int (*run)(const quelvan::cli::Args&);
    const char* usage;
};

const Command kCommands[] = {
    { "new", quelvan::cli::CommandNew, "new FICHIER.ksl            écrit un nouveau projet" },
    { "check", quelvan::cli::CommandCheck, "check FICHIER.ksl          lit un projet et le résume" },
    { "run", quelvan::cli::CommandRun,
        "run FICHIER.ksl [-o FICHIER.res] [--weather-dir DOSSIER]  calcule la semaine" },
    { "weather", quelvan::cli::CommandWeather,
        "weather generate --out DOSSIER [--city VILLE]   écrit les fichiers météo des dix villes\n"
        "  quelvan-cli weather import FICHIER.epw -o FICHIER.wth   convertit un fichier EPW" },
#ifdef QUELVAN_WITH_QT
    { "render", quelvan::cli::CommandRender,
        "render FICHIER.ksl --wall IMAGE.png [--profile IMAGE.png] [--flux IMAGE.png] "
        "[--size LxH]  dessine la paroi et les courbes" },
    { "report", quelvan::cli::CommandReport,
        "report FICHIER.ksl [-o FICHIER.pdf] [--parts 0,1,2,3,4]  calcule la semaine et écrit "
        "le rapport imprimé en PDF" },
#endif
    // Further commands are registered here as they are built.
};

void PrintUsage()
{
    std::fputs("Usage : quelvan-cli COMMANDE [ARGUMENTS]\n", stderr);
    for (const Command& c : kCommands)
        std::fprintf(stderr, "  quelvan-cli %s\n", c.usage);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        PrintUsage();
        return 2;
    }
    const std::string name = argv[1];
    if (name == "-h" || name == "--help" || name == "help") {
        PrintUsage();
        return 0;
    }
    for (const Command& c : kCommands) {
        if (name == c.name) {
            quelvan::cli::Args args(argv + 2, argv + argc);
            return c.run(args);
        }
    }
    std::fprintf(stderr, "Commande inconnue : %s\n", name.c_str());
    PrintUsage();
    return 2;
}
