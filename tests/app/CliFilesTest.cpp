// quelvan-cli never destroys a file it reads (the project, its weather files, an EPW file, the
// normals), never writes into a folder, a named pipe or a device, keeps a path as it was given,
// keeps an existing project or weather file unless told, refuses what is not a regular file
// without waiting, the first weather file of the search included, writes names of any legal
// length, says the size limit of a file too large and shows control characters escaped.
#include "engine/WeatherFiles.h"
#include "model/KslDoc.h"
#include "persistence/ProjectFile.h"
#include "support/CliFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace quelvan {
namespace {

namespace fs = std::filesystem;

const std::string kHostile = std::string(QUELVAN_TEST_DATA_DIR) + "/hostile-files/";
const std::string kBuiltWeather = std::string(QUELVAN_BUILD_WEATHER_DIR) + "/";
const std::string kMacon = WeatherFileName(5);
const std::string kEpw
    = QUELVAN_SHARED_DIR "/weather-samples/FRA_AR_Lyon-Bron.AP.074800_TMYx.2004-2018.epw";
const std::string kNormals = QUELVAN_SOURCE_DIR "/data/climate/normals.csv";

// p.ksl, a new project, and macon.ksl, whose exterior ambiance is the weather of Mâcon.
class CliFiles : public test::CliFixture {
protected:
    void SetUp() override
    {
        ASSERT_EQ(Run("new p.ksl"), 0) << err_;
        KslDoc doc;
        doc.selectedExterior = 11; // "Météo de la ville de Mâcon"
        ASSERT_EQ(WriteProjectFile(doc, File("macon.ksl")), WriteResult::Ok);
    }

    void Shell(const std::string& commands)
    {
        ASSERT_EQ(std::system(("cd '" + folder_.string() + "' && " + commands).c_str()), 0)
            << commands;
    }

    // Every entry of the folder but the captured output, with its bytes ("<dossier>" for a
    // folder, "<autre>" for a named pipe, a device or a broken link), links followed.
    std::map<std::string, std::string> Entries() const
    {
        std::map<std::string, std::string> entries;
        for (const auto& entry : fs::recursive_directory_iterator(folder_)) {
            const std::string name = fs::relative(entry.path(), folder_).string();
            if (name == "out.txt" || name == "err.txt")
                continue;
            entries[name] = entry.is_directory() ? "<dossier>"
                : entry.is_regular_file()        ? test::ReadBytes(entry.path().string())
                                                 : "<autre>";
        }
        return entries;
    }
};

// ---- An output that is an input, twice the same output, a folder --------------------------

struct Refusal {
    std::string setup; // shell commands run in the folder first
    std::string command;
    std::string named; // the output the message names
    std::string reason; // what the message says of it
    friend void PrintTo(const Refusal& c, std::ostream* os) { *os << c.command; }
};

class CliOutputRefusal : public CliFiles, public testing::WithParamInterface<Refusal> { };

TEST_P(CliOutputRefusal, WritesNothingAndSaysWhy)
{
    Shell(GetParam().setup);
    const std::map<std::string, std::string> before = Entries();
    EXPECT_EQ(Run(GetParam().command), 1) << out_;
    EXPECT_EQ(
        err_.rfind("Écriture refusée : « " + GetParam().named + " » " + GetParam().reason, 0), 0u)
        << err_;
    EXPECT_EQ(Entries(), before);
}

constexpr const char* kInput = "est le fichier lu";
constexpr const char* kFolder = "est un dossier";
constexpr const char* kNotAFile = "n'est pas un fichier ordinaire";
constexpr const char* kProject = "est un projet : il n'est remplacé qu'avec --force";
constexpr const char* kWeather = "est un fichier météo : il n'est remplacé qu'avec --force";

// The commands that draw refuse the same way when they are built. --force lifts only the rule
// on projects and weather files.
std::vector<Refusal> OutputRefusals()
{
    const std::string copyMacon = "cp '" + kBuiltWeather + kMacon + "' ";
    const std::string copyAgen = "cp '" + kBuiltWeather + "FR_Agen.wth' ";
    std::vector<Refusal> rows { { "true", "run p.ksl -o p.ksl", "p.ksl", kInput },
        { "mkdir sous", "run p.ksl -o sous/../p.ksl", "sous/../p.ksl", kInput },
        { "ln -s p.ksl lien.ksl", "run p.ksl -o lien.ksl", "lien.ksl", kInput },
        { "ln -s p.ksl lien.ksl", "run lien.ksl -o p.ksl --force", "p.ksl", kInput },
        { "ln p.ksl dur.ksl", "run p.ksl -o dur.ksl --force", "dur.ksl", kInput },
        // A project whose name ends in .res is its own results file.
        { "mv p.ksl mur.res", "run mur.res", "mur.res", kInput },
        { "mkdir p.res", "run p.ksl", "p.res", kFolder },
        { "mkdir d", "run p.ksl -o d", "d", kFolder }, { "mkdir d", "new d", "d", kFolder },
        { "cp p.ksl a.epw", "weather import a.epw -o a.epw", "a.epw", kInput },
        { "cp p.ksl a.epw && ln -s a.epw FR_Agen.wth", "weather import a.epw -o FR_Agen.wth",
            "FR_Agen.wth", kInput },
        // The weather files a run reads, wherever the search finds them, and the normals.
        { copyMacon + ".", "run macon.ksl -o " + kMacon, kMacon, kInput },
        { "mkdir wd && " + copyMacon + "wd",
            "run macon.ksl --weather-dir wd -o wd/" + kMacon + " --force", "wd/" + kMacon, kInput },
        { "cp '" + kNormals + "' FR_Agen.wth",
            "weather generate --out . --city Agen --normals FR_Agen.wth", "./FR_Agen.wth", kInput },
        // Outputs that are not regular files: a named pipe, a device (a pipe where the system
        // refuses to make one), through a link too.
        { "mkfifo tube", "run p.ksl -o tube", "tube", kNotAFile },
        { "mknod nul c 1 3 || mkfifo nul", "run p.ksl -o nul", "nul", kNotAFile },
        { "mkfifo tube && ln -s tube lien", "weather import '" + kEpw + "' -o lien --force", "lien",
            kNotAFile },
        // A project or a weather file is kept unless --force is given.
        { "cp p.ksl b.ksl", "run p.ksl -o b.ksl", "b.ksl", kProject },
        { copyAgen + ".", "run p.ksl -o FR_Agen.wth", "FR_Agen.wth", kWeather },
        // A weather file shorter than a year (a typical day) is weather all the same.
        { "head -n 25 '" + kBuiltWeather + "FR_Agen.wth' > FR_Jour.wth", "run p.ksl -o FR_Jour.wth",
            "FR_Jour.wth", kWeather },
        { "mkdir gen && " + copyAgen + "gen", "weather generate --out gen --city Agen",
            "gen/FR_Agen.wth", kWeather },
        { copyAgen + ".", "weather import '" + kEpw + "' -o FR_Agen.wth", "FR_Agen.wth", kWeather },
        // An EPW file, by its name or by its LOCATION line, is kept as a weather file is.
        { "cp '" + kEpw + "' b.epw", "weather import '" + kEpw + "' -o b.epw", "b.epw", kWeather },
        { "cp '" + kEpw + "' b.epw", "run p.ksl -o b.epw", "b.epw", kWeather },
        { "cp '" + kEpw + "' b.txt", "run p.ksl -o b.txt", "b.txt", kWeather },
        { "cp '" + kEpw + "' b.epw", "annual p.ksl --hourly b.epw", "b.epw", kWeather },
        { "cp '" + kEpw + "' b.epw", "sweep p.ksl --reverse -o b.epw", "b.epw", kWeather },
        { "cp '" + kEpw + "' b.epw", "compare p.ksl p.ksl -o b.epw", "b.epw", kWeather } };
#ifdef QUELVAN_WITH_QT
    rows.insert(rows.end(),
        { { "true", "report p.ksl -o p.ksl --force", "p.ksl", kInput },
            { "mv p.ksl p.pdf", "report p.pdf", "p.pdf", kInput },
            { "true", "render p.ksl --wall p.ksl --force", "p.ksl", kInput },
            { "true", "render p.ksl --profile ./p.ksl", "./p.ksl", kInput },
            { "true", "render p.ksl --flux p.ksl", "p.ksl", kInput },
            { "true", "render p.ksl --wall x.png --flux x.png", "x.png",
                "et « x.png » sont le même fichier" },
            { copyMacon + ".", "report macon.ksl -o " + kMacon, kMacon, kInput },
            { copyMacon + ".", "render macon.ksl --flux " + kMacon, kMacon, kInput },
            { "mkfifo tube", "render p.ksl --wall tube", "tube", kNotAFile },
            { "cp p.ksl b.ksl", "report p.ksl -o b.ksl", "b.ksl", kProject },
            { "cp p.ksl b.ksl", "render p.ksl --wall w.png --flux b.ksl", "b.ksl", kProject },
            { "cp '" + kEpw + "' b.epw", "report p.ksl -o b.epw", "b.epw", kWeather },
            { "cp '" + kEpw + "' b.epw", "render p.ksl --wall b.epw", "b.epw", kWeather } });
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

// --force replaces a project or a weather file; an output of the command's own kind (results)
// is replaced without it.
TEST_F(CliFiles, ForceReplacesAProjectOrAWeatherFile)
{
    Shell("cp p.ksl b.ksl && mkdir gen && cp '" + kBuiltWeather + "FR_Agen.wth' gen");
    test::WriteBytes(File("gen/FR_Agen.wth"), test::ReadBytes(File("gen/FR_Agen.wth")) + "\r\n");
    ASSERT_EQ(Run("run p.ksl -o b.ksl --force"), 0) << err_;
    EXPECT_EQ(test::ReadBytes(File("b.ksl")).rfind("H\tTE\t", 0), 0u);
    ASSERT_EQ(Run("run p.ksl -o b.ksl"), 0) << err_;
    ASSERT_EQ(Run("weather generate --out gen --city Agen --force"), 0) << err_;
    EXPECT_EQ(
        test::ReadBytes(File("gen/FR_Agen.wth")), test::ReadBytes(kBuiltWeather + "FR_Agen.wth"));
}

// ---- Inputs that are not regular files, files too large ------------------------------------

// The first weather file of the search is the one read: when it cannot be, the run stops and
// says which and why, rather than taking the next folder's file (here the current folder's).
class CliUnusableWeather : public CliFiles,
                           public testing::WithParamInterface<std::pair<const char*, const char*>> {
};

TEST_P(CliUnusableWeather, IsRefusedByName)
{
    Shell("cp '" + kBuiltWeather + kMacon + "' . && mkdir wd && cd wd && " + GetParam().first);
    EXPECT_EQ(Run("run macon.ksl --weather-dir wd"), 1) << out_;
    EXPECT_EQ(err_,
        "Erreur en lecture du fichier météo : wd/" + kMacon + " : " + GetParam().second + "\n");
    EXPECT_FALSE(fs::exists(File("macon.res")));
}

INSTANTIATE_TEST_SUITE_P(Entries, CliUnusableWeather,
    testing::Values(std::make_pair("mkfifo FR_Mâcon.wth", "pas un fichier ordinaire"),
        std::make_pair("ln -s /dev/zero FR_Mâcon.wth", "pas un fichier ordinaire"),
        std::make_pair("mkdir FR_Mâcon.wth", "pas un fichier ordinaire"),
        std::make_pair("ln -s absent.wth FR_Mâcon.wth", "lien brisé")));

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
