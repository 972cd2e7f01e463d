// quelvan-cli never destroys a file it reads, never writes into a folder, keeps a path as it
// was given, keeps an existing project unless told, refuses what is not a regular file without
// waiting, says the size limit of a file too large and shows control characters escaped.
#include "engine/WeatherFiles.h"
#include "model/KslDoc.h"
#include "persistence/ProjectFile.h"
#include "support/CaseNames.h"
#include "support/CliFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace quelvan {
namespace {

namespace fs = std::filesystem;

const std::string kHostile = std::string(QUELVAN_TEST_DATA_DIR) + "/hostile-files/";

class CliFiles : public test::CliFixture {
protected:
    void SetUp() override { ASSERT_EQ(Run("new p.ksl"), 0) << err_; }

    void Shell(const std::string& commands)
    {
        ASSERT_EQ(std::system(("cd '" + folder_.string() + "' && " + commands).c_str()), 0)
            << commands;
    }

    // Every entry of the folder but the captured output, with its bytes ("<dossier>" for a
    // folder), links followed.
    std::map<std::string, std::string> Entries() const
    {
        std::map<std::string, std::string> entries;
        for (const auto& entry : fs::recursive_directory_iterator(folder_)) {
            const std::string name = fs::relative(entry.path(), folder_).string();
            if (name != "out.txt" && name != "err.txt")
                entries[name]
                    = entry.is_directory() ? "<dossier>" : test::ReadBytes(entry.path().string());
        }
        return entries;
    }
};

// ---- An output that is an input, twice the same output, a folder --------------------------

struct Refusal {
    const char* setup; // shell commands run in the folder first
    const char* command;
    const char* named; // the output the message names
    friend void PrintTo(const Refusal& c, std::ostream* os) { *os << c.command; }
};

class CliOutputRefusal : public CliFiles, public testing::WithParamInterface<Refusal> { };

TEST_P(CliOutputRefusal, WritesNothingAndSaysWhy)
{
    Shell(GetParam().setup);
    const std::map<std::string, std::string> before = Entries();
    EXPECT_EQ(Run(GetParam().command), 1) << out_;
    EXPECT_EQ(err_.rfind("Écriture refusée : « " + std::string(GetParam().named) + " »", 0), 0u)
        << err_;
    EXPECT_EQ(Entries(), before);
}

// The commands that draw refuse the same way when they are built.
std::vector<Refusal> OutputRefusals()
{
    std::vector<Refusal> rows { Refusal { "true", "run p.ksl -o p.ksl", "p.ksl" },
        Refusal { "mkdir sous", "run p.ksl -o sous/../p.ksl", "sous/../p.ksl" },
        Refusal { "ln -s p.ksl lien.ksl", "run p.ksl -o lien.ksl", "lien.ksl" },
        Refusal { "ln -s p.ksl lien.ksl", "run lien.ksl -o p.ksl", "p.ksl" },
        Refusal { "ln p.ksl dur.ksl", "run p.ksl -o dur.ksl", "dur.ksl" },
        // A project whose name ends in .res is its own results file.
        Refusal { "mv p.ksl mur.res", "run mur.res", "mur.res" },
        Refusal { "mkdir p.res", "run p.ksl", "p.res" },
        Refusal { "mkdir d", "run p.ksl -o d", "d" }, Refusal { "mkdir d", "new d", "d" },
        Refusal { "cp p.ksl a.epw", "weather import a.epw -o a.epw", "a.epw" },
        Refusal { "cp p.ksl a.epw && ln -s a.epw FR_Agen.wth",
            "weather import a.epw -o FR_Agen.wth", "FR_Agen.wth" } };
#ifdef QUELVAN_WITH_QT
    rows.insert(rows.end(),
        { Refusal { "true", "report p.ksl -o p.ksl", "p.ksl" },
            Refusal { "mv p.ksl p.pdf", "report p.pdf", "p.pdf" },
            Refusal { "true", "render p.ksl --wall p.ksl", "p.ksl" },
            Refusal { "true", "render p.ksl --profile ./p.ksl", "./p.ksl" },
            Refusal { "true", "render p.ksl --flux p.ksl", "p.ksl" },
            Refusal { "true", "render p.ksl --wall x.png --flux x.png", "x.png" } });
#endif
    return rows;
}

INSTANTIATE_TEST_SUITE_P(Commands, CliOutputRefusal, testing::ValuesIn(OutputRefusals()));

// ---- The results name, blanks in a path, an existing project -------------------------------

// The results name replaces the last extension of the path exactly as given.
TEST_F(CliFiles, ResultsNamesFollowThePathAsGiven)
{
    EXPECT_EQ(Run("run ' p.ksl'"), 1);
    EXPECT_EQ(err_, "Erreur en lecture : fichier introuvable\n");
    Shell("cp p.ksl mur.v1.ksl && cp p.ksl mur.v2.ksl && cp p.ksl ' p.ksl'");
    for (const char* project : { "mur.v1.ksl", "mur.v2.ksl", "' p.ksl'" })
        ASSERT_EQ(Run(std::string("run ") + project), 0) << err_;
    for (const char* written : { "mur.v1.res", "mur.v2.res", " p.res" })
        EXPECT_TRUE(fs::exists(File(written))) << written;
    EXPECT_FALSE(fs::exists(File("mur.res")));
    EXPECT_FALSE(fs::exists(File("p.res")));
#ifdef QUELVAN_WITH_QT
    ASSERT_EQ(Run("report mur.v1.ksl"), 0) << err_;
    EXPECT_TRUE(fs::exists(File("mur.v1.pdf")));
#endif
}

TEST_F(CliFiles, NewKeepsAnExistingFileUnlessForced)
{
    test::WriteBytes(File("p.ksl"), "travail");
    EXPECT_EQ(Run("new p.ksl"), 1);
    EXPECT_EQ(err_, "Le fichier « p.ksl » existe déjà : il n'est remplacé qu'avec --force\n");
    EXPECT_EQ(test::ReadBytes(File("p.ksl")), "travail");
    ASSERT_EQ(Run("new p.ksl --force"), 0) << err_;
    KslDoc read;
    EXPECT_EQ(ReadProjectFile(read, File("p.ksl")), Failure::None);
}

// ---- Inputs that are not regular files, files too large ------------------------------------

class CliNotAFile : public CliFiles, public testing::WithParamInterface<const char*> { };

// A named pipe with no writer would block a reader that opened it for good.
TEST_P(CliNotAFile, IsRefusedAtOnce)
{
    Shell("mkfifo tube && mkdir dossier");
    EXPECT_EQ(Run(GetParam()), 1);
    EXPECT_NE(err_.find("pas un fichier ordinaire"), std::string::npos) << err_;
    EXPECT_TRUE(out_.empty()) << out_;
}

std::vector<const char*> NotAFileCommands()
{
    std::vector<const char*> rows { "check tube", "check dossier", "check /dev/zero", "run tube",
        "dynamic tube", "weather import tube -o FR_Agen.wth" };
#ifdef QUELVAN_WITH_QT
    rows.insert(rows.end(), { "render tube --wall w.png", "report tube -o r.pdf" });
#endif
    return rows;
}

INSTANTIATE_TEST_SUITE_P(Commands, CliNotAFile, testing::ValuesIn(NotAFileCommands()));

TEST_F(CliFiles, AFileTooLargeIsSaidSoWithTheLimit)
{
    fs::create_directory(File("meteo"));
    fs::resize_file(File("p.ksl"), 5u << 20); // sparse: no disk used
    EXPECT_EQ(Run("check p.ksl"), 1);
    EXPECT_EQ(err_, "Erreur en lecture : fichier trop volumineux (au plus 4 Mo)\n");
    test::WriteBytes(File("gros.epw"), "");
    fs::resize_file(File("gros.epw"), 70u << 20);
    EXPECT_EQ(Run("weather import gros.epw -o FR_Agen.wth"), 1);
    EXPECT_EQ(err_, "Fichier EPW : gros.epw : fichier trop volumineux (au plus 64 Mo)\n");

    KslDoc doc;
    doc.selectedExterior = 11; // "Météo de la ville de Mâcon"
    ASSERT_EQ(WriteProjectFile(doc, File("macon.ksl")), WriteResult::Ok);
    const std::string weather = File("meteo/" + WeatherFileName(5));
    test::WriteBytes(weather, "");
    fs::resize_file(weather, 65u << 20);
    EXPECT_EQ(Run("run macon.ksl --weather-dir meteo"), 1);
    EXPECT_NE(err_.find(WeatherFileName(5) + " : fichier trop volumineux (au plus 64 Mo)"),
        std::string::npos)
        << err_;
    EXPECT_FALSE(fs::exists(File("macon.res")));
}

// ---- Control characters in a project's texts -----------------------------------------------

TEST_F(CliFiles, CheckShowsControlCharactersEscaped)
{
    ASSERT_EQ(Run("check '" + kHostile + "control-characters.ksl'"), 0) << err_;
    EXPECT_NE(out_.find("Auteur : \\x1b[2J\\x1b]0;pirate\\x07Anaïs\\x0dfaux\n"), std::string::npos)
        << out_;
    EXPECT_NE(out_.find("Référence : Étude à Mâcon \\u009b31m\\x7f\n"), std::string::npos) << out_;
    EXPECT_EQ(out_.find_first_of("\x1b\r\x07\x7f"), std::string::npos);
}

} // namespace
} // namespace quelvan
