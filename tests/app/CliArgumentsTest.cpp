// quelvan-cli's arguments, command by command: --help on standard output with exit 0; every
// wrong argument refused before anything is read or written, with exit 2 and a French reason
// naming it on standard error.
#include "support/CaseNames.h"
#include "support/CliFixture.h"
#include "support/ReleaseVersion.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace quelvan {
namespace {

struct Arguments {
    const char* arguments;
    int exitCode;
    const char* expected; // on standard output for a help, on standard error otherwise
    friend void PrintTo(const Arguments& a, std::ostream* os)
    {
        *os << a.arguments << " says " << test::Quoted(a.expected);
    }
};

class CliArguments : public test::CliFixture, public ::testing::WithParamInterface<Arguments> {
protected:
    void SetUp() override { ASSERT_EQ(Run("new p.ksl"), 0) << err_; }

    std::set<std::string> Entries() const
    {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder_))
            names.insert(entry.path().filename().string());
        return names;
    }
};

TEST_P(CliArguments, HelpOnStandardOutputRefusalsOnStandardError)
{
    const Arguments& a = GetParam();
    const std::string project = test::ReadBytes(File("p.ksl"));
    ASSERT_EQ(Run(a.arguments), a.exitCode) << out_ << err_;
    if (a.exitCode == 0) {
        EXPECT_NE(out_.find("Usage : quelvan-cli"), std::string::npos) << out_;
        EXPECT_NE(out_.find(a.expected), std::string::npos) << out_;
        EXPECT_TRUE(err_.empty()) << err_;
    } else {
        EXPECT_EQ(err_.rfind(std::string(a.expected) + "\nUsage : quelvan-cli", 0), 0u) << err_;
        EXPECT_TRUE(out_.empty()) << out_;
    }
    // Nothing was written, nothing changed.
    EXPECT_EQ(Entries(), (std::set<std::string> { "p.ksl", "out.txt", "err.txt" }));
    EXPECT_EQ(test::ReadBytes(File("p.ksl")), project);
}

std::vector<Arguments> Cases()
{
    std::vector<Arguments> cases {
        // The help of the tool names every option of every command.
        Arguments { "help", 0, "[--weather-dir DOSSIER]" },
        Arguments { "weather --help", 0, "quelvan-cli weather import FICHIER.epw -o FICHIER.wth" },
        Arguments { "help weather import", 0, "-o, --out FICHIER.wth" },
        // Unknown or unexpected arguments are named.
        Arguments { "inconnue", 2, "Commande inconnue : inconnue" },
        Arguments { "weather inconnue", 2, "Sous-commande inconnue : inconnue" },
        Arguments { "new n.ksl --inconnue", 2, "Option inconnue : --inconnue" },
        Arguments { "check p.ksl q.ksl", 2, "Argument inattendu : q.ksl" },
        Arguments { "run p.ksl --vite", 2, "Option inconnue : --vite" },
        // After "--" every word is an argument: the one too many is named, not "--".
        Arguments { "check p.ksl -- q.ksl", 2, "Argument inattendu : q.ksl" },
        Arguments { "weather generate --out m -- Agen", 2, "Argument inattendu : Agen" },
        // Missing arguments and values.
        Arguments { "", 2, "Commande manquante" },
        Arguments { "weather", 2, "Sous-commande manquante" },
        Arguments { "new", 2, "Argument manquant : FICHIER.ksl" },
        Arguments { "run p.ksl -o", 2, "Valeur manquante : -o FICHIER.res" },
        Arguments { "weather generate", 2, "Option obligatoire manquante : --out DOSSIER" },
        // Empty output names and missing weather folders.
        Arguments { "run p.ksl -o ''", 2, "-o : le nom est vide" },
        Arguments { "run ''", 2, "FICHIER.ksl : le nom est vide" },
        Arguments { "weather generate --out ''", 2, "--out : le nom est vide" },
        Arguments { "weather generate --out m --city ''", 2, "--city : le nom est vide" },
        // The period is read as every typed number, within the bounds of every number.
        Arguments {
            "dynamic p.ksl --period 0", 2, "--period : « 0 » hors limites (de 0,1 à 8760 h)" },
        Arguments { "dynamic p.ksl --period 8760,5", 2,
            "--period : « 8760,5 » hors limites (de 0,1 à 8760 h)" },
        Arguments { "dynamic p.ksl --period 24h", 2, "--period : « 24h » n'est pas un nombre" },
        Arguments { "run p.ksl --weather-dir absent", 2,
            "--weather-dir : le dossier « absent » n'existe pas" },
    };
#ifdef QUELVAN_WITH_QT
    cases.insert(cases.end(),
        {
            Arguments { "--help", 0, "[--date AAAA-MM-JJTHH:MM]" },
            Arguments { "render --help", 0, "--size LxH " },
            Arguments { "render p.ksl --wall w.png --bogus", 2, "Option inconnue : --bogus" },
            Arguments {
                "render p.ksl", 2, "Aucune image demandée : indiquer --wall, --profile ou --flux" },
            Arguments { "render p.ksl --wall w.png --size 10x10", 2,
                "--size : « 10x10 » n'est pas une taille LxH de 50 à 8000 pixels de côté" },
            Arguments { "render p.ksl --wall w.png --size 800", 2,
                "--size : « 800 » n'est pas une taille LxH de 50 à 8000 pixels de côté" },
            Arguments { "report p.ksl --parts 5", 2,
                "--parts : « 5 » n'est pas une liste de numéros de 0 à 4, « annuel » ou « "
                "condensation » séparés "
                "par des virgules" },
            Arguments { "report p.ksl --date hier", 2,
                "--date : « hier » n'est pas une date et une heure AAAA-MM-JJTHH:MM" },
            Arguments { "render p.ksl --wall ''", 2, "--wall : le nom est vide" },
            Arguments { "render p.ksl --wall w.png --weather-dir absent", 2,
                "--weather-dir : le dossier « absent » n'existe pas" },
        });
#endif
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Commands, CliArguments, ::testing::ValuesIn(Cases()));

// The release version of CMakeLists.txt, on standard output, by either program of the tool; the
// flag belongs to the tool, not to a command.
using CliVersion = test::CliFixture;

TEST_F(CliVersion, PrintsTheVersionOfCMakeListsAndSucceeds)
{
    const std::string version = test::VersionInCMakeLists();
    ASSERT_FALSE(version.empty());
    std::vector<std::string> programs { QUELVAN_CLI_PATH };
#ifdef QUELVAN_WITH_QT
    // Without the drawing program beside it, quelvan-cli answers the same.
    std::filesystem::create_directory(File("alone"));
    programs.push_back(File("alone/quelvan-cli"));
    std::filesystem::copy_file(QUELVAN_CLI_PATH, programs.back());
#endif
    for (const std::string& program : programs) {
        EXPECT_EQ(Run("--version", program), 0) << err_;
        EXPECT_EQ(out_, "quelvan-cli " + version + "\n");
        EXPECT_TRUE(err_.empty()) << err_;
    }
    EXPECT_EQ(Run("check --help"), 0) << err_;
    EXPECT_EQ(out_.find("--version"), std::string::npos) << out_;
    ASSERT_EQ(Run("new p.ksl"), 0) << err_;
    EXPECT_EQ(Run("check p.ksl --version"), 2);
    EXPECT_EQ(err_.rfind("Option inconnue : --version\n", 0), 0u) << err_;
}

#ifdef QUELVAN_WITH_QT
// render, report and the tool's own help are answered by quelvan-cli-draw, found beside
// quelvan-cli; a quelvan-cli without it answers as the build without Qt does.
using CliDrawingProgram = test::CliFixture;

TEST_F(CliDrawingProgram, WithoutItQuelvanCliActsAsTheBuildWithoutQt)
{
    ASSERT_EQ(Run("new p.ksl"), 0) << err_;
    std::filesystem::create_directory(File("alone"));
    const std::string alone = File("alone/quelvan-cli");
    std::filesystem::copy_file(QUELVAN_CLI_PATH, alone);
    EXPECT_EQ(Run("render p.ksl --wall w.png", alone), 2);
    EXPECT_EQ(err_.rfind("Commande inconnue : render\nUsage : quelvan-cli", 0), 0u) << err_;
    EXPECT_FALSE(std::filesystem::exists(File("w.png")));
    EXPECT_EQ(Run("--help", alone), 0) << err_;
    EXPECT_EQ(out_.find("render"), std::string::npos) << out_;
    EXPECT_NE(out_.find("Usage : quelvan-cli COMMANDE"), std::string::npos) << out_;
    EXPECT_EQ(Run("check p.ksl", alone), 0) << err_;
    // With it, the same arguments reach render.
    EXPECT_EQ(Run("render p.ksl --wall w.png"), 0) << err_;
    EXPECT_TRUE(std::filesystem::exists(File("w.png")));
}
#endif

} // namespace
} // namespace quelvan
