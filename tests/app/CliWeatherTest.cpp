// quelvan-cli weather, and a weather ambiance run end to end through quelvan-cli run with a
// synthetic EPW year imported under a city's name.

#include "core/NumberText.h"
#include "core/TextFile.h"
#include "engine/WeatherFiles.h"
#include "model/KslDoc.h"
#include "persistence/ProjectFile.h"
#include "support/SyntheticEpw.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

using namespace quelvan;
namespace fs = std::filesystem;

namespace {

std::string ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

struct Outcome {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the tool from `directory` with an empty user data folder, so that only the folders the
// test chooses (and the installed and build-tree ones) can hold weather files.
class CliWeather : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = fs::path(::testing::TempDir()) / ("cli_weather_" + std::to_string(::getpid()));
        fs::remove_all(root);
        fs::create_directories(root / "home");
    }
    void TearDown() override { fs::remove_all(root); }

    Outcome Run(const std::string& arguments)
    {
        const std::string command = "cd '" + root.string() + "' && HOME='"
            + (root / "home").string() + "' XDG_DATA_HOME= '" + QUELVAN_CLI_PATH + "' " + arguments
            + " > out.txt 2> err.txt";
        const int status = std::system(command.c_str());
        Outcome o;
        o.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        o.out = ReadAll(root / "out.txt");
        o.err = ReadAll(root / "err.txt");
        return o;
    }

    // A new project whose exterior ambiance is the built-in "Météo de la ville de Mâcon".
    fs::path MaconProject()
    {
        KslDoc doc;
        doc.selectedExterior = 11;
        const CBCData* exterior = doc.SelectedAmbiance(Side::Exterior);
        EXPECT_NE(exterior, nullptr);
        EXPECT_EQ(exterior->Name(), "Météo de la ville de Mâcon");
        const fs::path path = root / "macon.ksl";
        doc.SetPath(path.string());
        EXPECT_EQ(WriteProjectFile(doc, path.string()), WriteResult::Ok);
        return path;
    }

    // One column of the 168 hourly rows of a results file ("TE" 1, "FE" 5).
    std::vector<double> ResultsColumn(const fs::path& results, std::size_t column)
    {
        const std::optional<TextLines> text = ReadTextLines(results.string());
        std::vector<double> values;
        if (!text)
            return values;
        for (std::size_t i = 2; i < text->lines.size() && values.size() < 168; ++i) {
            std::string cell = text->lines[i];
            for (std::size_t c = 0; c < column; ++c)
                cell.erase(0, cell.find('\t') + 1);
            float v = 0.0f;
            if (ParseFloat(cell.substr(0, cell.find('\t')), v))
                values.push_back(v);
        }
        return values;
    }
    std::vector<double> ExteriorTemperatures(const fs::path& results)
    {
        return ResultsColumn(results, 1);
    }

    fs::path root;
};

TEST_F(CliWeather, GeneratesOneCityExactlyAsTheBuildDid)
{
    const Outcome o = Run("weather generate --out gen --city Macon");
    ASSERT_EQ(o.exitCode, 0) << o.err;
    EXPECT_NE(
        o.out.find("FR_Mâcon.wth écrit (températures B, ensoleillement A)"), std::string::npos)
        << o.out;
    const std::string generated = ReadAll(root / "gen" / WeatherFileName(5));
    EXPECT_EQ(std::count(generated.begin(), generated.end(), '\n'), 8761);
    const fs::path built = fs::path(QUELVAN_BUILD_WEATHER_DIR) / WeatherFileName(5);
    ASSERT_TRUE(fs::exists(built)) << "the default build generates the ten weather files";
    EXPECT_EQ(generated, ReadAll(built)); // another process, the same bytes
}

TEST_F(CliWeather, PlaceholderSunshineIsAnnounced)
{
    const Outcome o = Run("weather generate --out gen --city Ajaccio");
    ASSERT_EQ(o.exitCode, 0) << o.err;
    EXPECT_NE(o.out.find("ensoleillement P : valeurs provisoires"), std::string::npos) << o.out;
}

TEST_F(CliWeather, RefusesWhatItCannotDo)
{
    Outcome o = Run("weather generate --out gen --city Paris");
    EXPECT_EQ(o.exitCode, 1);
    EXPECT_NE(o.err.find("Ville inconnue : Paris"), std::string::npos) << o.err;
    o = Run("weather generate --out gen --normals absent.csv");
    EXPECT_EQ(o.exitCode, 1);
    EXPECT_NE(o.err.find("Table des normales climatiques : fichier illisible"), std::string::npos)
        << o.err;
    o = Run("weather import absent.epw -o x.wth");
    EXPECT_EQ(o.exitCode, 1);
    EXPECT_NE(o.err.find("Fichier EPW : absent.epw : fichier introuvable"), std::string::npos)
        << o.err;
    EXPECT_FALSE(fs::exists(root / "x.wth"));
    std::ofstream(root / "bad.epw") << "LOCATION,X,Y,Z,S,0,north,5,1,0\n";
    o = Run("weather import bad.epw -o x.wth");
    EXPECT_EQ(o.exitCode, 1);
    EXPECT_NE(o.err.find("latitude, longitude ou fuseau horaire illisible"), std::string::npos)
        << o.err;
}

// A synthetic year whose temperature climbs 0.3 K an hour over a 97-hour cycle from -3 °C: every
// value is known without the program, and the week's first sample (31 December, 24 h: hour
// 8760 = 90 × 97 + 30) is -3 + 30 × 0.3 = 6 °C.
TEST_F(CliWeather, ImportedSyntheticEpwYearRunsUnderTheCityName)
{
    const auto temperature = [](int hour) { return -3.0 + (hour % 97) * 0.3; };
    MaconProject();
    fs::create_directories(root / "epw");
    test::WriteSyntheticEpw((root / "synthetique.epw").string(), "Essai-sur-Mer", temperature);
    const std::string imported = "epw/" + WeatherFileName(5);
    Outcome o = Run("weather import synthetique.epw -o '" + imported + "'");
    ASSERT_EQ(o.exitCode, 0) << o.err;
    EXPECT_NE(o.out.find("Essai-sur-Mer"), std::string::npos) << o.out;
    o = Run("run macon.ksl -o essai.res --weather-dir epw");
    ASSERT_EQ(o.exitCode, 0) << o.err;
    const std::vector<double> te = ExteriorTemperatures(root / "essai.res");
    ASSERT_EQ(te.size(), 168u);
    std::set<long> cycle;
    for (int step = 0; step < 97; ++step)
        cycle.insert(std::lround(temperature(step) * 10.0));
    for (const double t : te)
        EXPECT_TRUE(cycle.count(std::lround(t * 10.0))) << t;
    EXPECT_NEAR(te.front(), 6.0, 0.051);
}

} // namespace
