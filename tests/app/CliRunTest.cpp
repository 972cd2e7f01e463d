// quelvan-cli run: a project read, prepared and run for a week without pacing, its results
// file written; every failure gives exit code 1 and its French message.
#include "core/Messages.h"
#include "core/NumberText.h"
#include "core/TextFile.h"
#include "engine/EngineTestSupport.h"
#include "model/KslDoc.h"
#include "persistence/ProjectFile.h"
#include "support/CliFixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace quelvan {
namespace {

class CliRun : public test::CliFixture {
protected:
    void Write(const KslDoc& doc, const std::string& name)
    {
        ASSERT_EQ(WriteProjectFile(doc, File(name)), WriteResult::Ok);
    }

    // The rows of a results file, split at tabs.
    std::vector<std::vector<std::string>> Rows(const std::string& name) const
    {
        std::vector<std::vector<std::string>> rows;
        const auto text = ReadTextLines(File(name));
        if (!text)
            return rows;
        for (const std::string& line : text->lines) {
            if (line.empty())
                continue;
            std::vector<std::string> cells;
            size_t start = 0;
            for (size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
                cells.push_back(line.substr(start, tab - start));
            cells.push_back(line.substr(start));
            rows.push_back(cells);
        }
        return rows;
    }
};

TEST_F(CliRun, NewProjectRunsAWeekIntoItsResultsFile)
{
    ASSERT_EQ(Run("new p.ksl"), 0) << err_;
    ASSERT_EQ(Run("run p.ksl"), 0) << err_;
    EXPECT_TRUE(err_.empty()) << err_;
    EXPECT_NE(out_.find("p.res"), std::string::npos);
    const auto rows = Rows("p.res");
    ASSERT_EQ(rows.size(), 170u);
    EXPECT_EQ(rows[0][0], "H");
    for (int h = 0; h <= 168; ++h) {
        const auto& row = rows[static_cast<size_t>(h + 1)];
        ASSERT_EQ(row.size(), 14u) << h;
        EXPECT_EQ(row[0], std::to_string(h));
        // Decimal commas; the sinusoidal exterior stays between 25 and 35 degrees.
        EXPECT_EQ(row[1].find('.'), std::string::npos);
        const float exterior = FloatValue(row[1]);
        EXPECT_GE(exterior, 24.99f) << h;
        EXPECT_LE(exterior, 35.0f) << h;
    }
    // The energies accumulate from hour 1 on.
    EXPECT_EQ(rows[1][10], "0");
    EXPECT_NE(rows[169][10], "0");
}

TEST_F(CliRun, FineModeKeepsTheBoundaryColumnsAndCheckAndValidateSayIt)
{
    ASSERT_EQ(Run("new p.ksl"), 0) << err_;
    ASSERT_EQ(Run("check p.ksl"), 0) << err_;
    EXPECT_NE(out_.find("\nMode de calcul : Calcul standard\n"), std::string::npos) << out_;
    ASSERT_EQ(Run("check p.ksl --fine"), 0) << err_;
    EXPECT_NE(out_.find("\nMode de calcul : Calcul fin\n"), std::string::npos) << out_;
    ASSERT_EQ(Run("run p.ksl -o standard.res"), 0) << err_;
    ASSERT_EQ(Run("run p.ksl --fine -o fin.res"), 0) << err_;
    EXPECT_NE(out_.find("fin.res (169 heures, calcul fin)"), std::string::npos) << out_;
    const auto standard = Rows("standard.res");
    const auto fine = Rows("fin.res");
    ASSERT_EQ(fine.size(), standard.size());
    // The boundary columns agree from hour 25 on. On day 1 the standard method's evaluation
    // gives hours 1 to 24 the value of the hour before (docs/engine.md): the fine mode's hour h
    // (row h + 1) is the standard one's hour h + 1, its hour 24 the standard one's hour 0.
    const auto standardRow = [](std::size_t row) { return row == 25 ? 1 : row + 1; };
    for (std::size_t row = 0; row < fine.size(); ++row)
        for (const std::size_t column : { 0, 1, 4, 5, 8 }) // H, TE, TI, FE, FI
            ASSERT_EQ(fine[row][column],
                standard[column > 0 && row >= 2 && row <= 25 ? standardRow(row) : row][column])
                << row << ", " << column;
    EXPECT_NE(fine.back()[3], standard.back()[3]); // TSI: another calculation
    ASSERT_EQ(Run("validate"), 0) << out_ << err_;
    EXPECT_NE(out_.find("Calcul fin : "), std::string::npos) << out_;
    EXPECT_EQ(out_.find("hors tolérance"), std::string::npos) << out_;
}

TEST_F(CliRun, PreviousTemperatureModeStartsFromTheSteadyStateWithANote)
{
    KslDoc doc;
    doc.initialTemperatureMode = InitialTemperature::PreviousCalculation;
    Write(doc, "prec.ksl");
    ASSERT_EQ(Run("run prec.ksl"), 0) << err_;
    EXPECT_NE(err_.find(msg::kNoPreviousCalculation), std::string::npos) << err_;
    EXPECT_EQ(Rows("prec.res").size(), 170u);
}

// The material of a layer of the new project's wall, to spoil it.
CMaterial& MaterialOf(KslDoc& d, int layer)
{
    return d.materials.At(d.materials.IndexOf(d.layers.At(layer).Material()));
}

struct WallCase {
    const char* name;
    void (*spoil)(KslDoc&);
    const char* refusal; // null when the wall can be computed
    const char* warning = nullptr; // what run and check say of a computable wall
    friend void PrintTo(const WallCase& c, std::ostream* os) { *os << c.name; }
};
class CliWalls : public CliRun, public ::testing::WithParamInterface<WallCase> { };

// check, run and dynamic apply the same wall check: the same walls refused, with the same
// message and exit code. run and check of the standard mode warn of a surface resistance that
// single precision does not resolve; the fine mode and dynamic do not.
TEST_P(CliWalls, CheckAndDynamicRefuseExactlyWhatRunRefuses)
{
    KslDoc doc;
    GetParam().spoil(doc);
    Write(doc, "mur.ksl");
    const char* refusal = GetParam().refusal;
    const char* warning = GetParam().warning;
    const std::pair<const char*, bool> commands[]
        = { { "run mur.ksl", true }, { "check mur.ksl", true }, { "dynamic mur.ksl", false },
              { "check mur.ksl --fine", false } };
    for (const auto& [command, warns] : commands) {
        EXPECT_EQ(Run(command), refusal != nullptr ? 1 : 0) << command << ": " << err_;
        const char* said = refusal != nullptr ? refusal : (warns ? warning : nullptr);
        EXPECT_EQ(err_, said != nullptr ? std::string(said) + "\n" : "") << command;
    }
    EXPECT_EQ(std::filesystem::exists(folder_ / "mur.res"), refusal == nullptr);
}

INSTANTIATE_TEST_SUITE_P(Projects, CliWalls,
    ::testing::Values(WallCase { "sound", [](KslDoc&) {}, nullptr },
        WallCase { "zero surface resistance",
            [](KslDoc& d) { d.surfaces.resistanceInterior = "0"; }, nullptr,
            "Attention : avec la résistance superficielle intérieure « 0 », les flux de surface "
            "de la méthode standard (simple précision) et les énergies qui les cumulent ne sont "
            "pas fiables pour cette paroi : le calcul fin est conseillé" },
        WallCase { "unreadable density", [](KslDoc& d) { MaterialOf(d, 1).SetDensity("abc"); },
            "Couche 2 (Laine de verre) : masse volumique « abc » n'est pas un nombre : calcul "
            "impossible" },
        WallCase { "vanishing thickness", [](KslDoc& d) { d.layers.At(1).SetThickness("1e-38"); },
            "Couche 2 (Laine de verre) : épaisseur « 1e-38 » hors limites (de 0,001 à 10000 mm) "
            ": calcul impossible" },
        WallCase { "negative interior resistance",
            [](KslDoc& d) { d.surfaces.resistanceInterior = "-0.13"; },
            "Face intérieure : résistance superficielle « -0.13 » hors limites (de 0 à 10 "
            "m².K/W) : calcul impossible" }));

// Files that write the true solar altitude at night, negative, read as the same files with 0
// at night: no irradiance falls while the sun is down.
TEST_F(CliRun, NegativeSunHeightsAtNightGiveTheSameResultsAsZero)
{
    KslDoc doc;
    doc.selectedExterior = doc.exteriorAmbiances.At(11).Index(); // Mâcon weather
    Write(doc, "meteo.ksl");
    const auto altitude = [](int j) { return 40.0 * std::sin((j % 24 - 6) * 3.14159265 / 12); };
    for (const bool negative : { false, true }) {
        test::WeatherColumns columns;
        columns.height = [&](int j) { return negative ? altitude(j) : std::max(0.0, altitude(j)); };
        columns.direct = [&](int j) { return std::max(0.0, 10.0 * altitude(j)); };
        columns.diffuse = [&](int j) { return std::max(0.0, 2.0 * altitude(j)); };
        const std::string dir = negative ? "negative" : "zero";
        std::filesystem::create_directories(folder_ / dir);
        test::WriteWeatherFile(File(dir + "/FR_Mâcon.wth"), 8760, columns);
        ASSERT_EQ(Run("run meteo.ksl --weather-dir " + dir + " -o " + dir + ".res"), 0) << err_;
    }
    EXPECT_EQ(test::ReadBytes(File("negative.res")), test::ReadBytes(File("zero.res")));
    EXPECT_NE(Rows("zero.res")[13][5], "0"); // the sun of the noon hours reaches the face
}

// An ambiance on a weather station of the project reads the station's file, found in the
// folders where the cities' files are looked for; without it, the message names that file.
TEST_F(CliRun, ImportedStationIsFoundLikeTheCities)
{
    KslDoc doc;
    doc.stations.Append(
        std::make_unique<WeatherStation>(WeatherStation { 10, "Essai", "Station_Essai.wth" }));
    doc.exteriorAmbiances.At(11).cityIndex = 10;
    doc.selectedExterior = doc.exteriorAmbiances.At(11).Index();
    Write(doc, "station.ksl");
    EXPECT_EQ(Run("run station.ksl"), 1);
    EXPECT_TRUE(err_.ends_with("Station_Essai.wth : fichier introuvable\n")) << err_;
    std::filesystem::create_directories(folder_ / "meteo");
    test::WeatherColumns columns;
    columns.temperature = [](int) { return -3.5; };
    test::WriteWeatherFile(File("meteo/Station_Essai.wth"), 8760, columns);
    ASSERT_EQ(Run("run station.ksl --weather-dir meteo"), 0) << err_;
    const auto rows = Rows("station.res");
    ASSERT_EQ(rows.size(), 170u);
    for (size_t row = 1; row < rows.size(); ++row)
        ASSERT_EQ(rows[row][1], "-3,5") << row;
    // Beside the project, as a city's file would be.
    std::filesystem::rename(File("meteo/Station_Essai.wth"), File("Station_Essai.wth"));
    EXPECT_EQ(Run("run station.ksl -o beside.res"), 0) << err_;
    EXPECT_EQ(test::ReadBytes(File("beside.res")), test::ReadBytes(File("station.res")));
}

TEST_F(CliRun, SolverNotesAreShownOnce)
{
    // Steel skins on rock wool: the sweeps stall every hour and the direct solve takes over.
    KslDoc doc;
    doc.layers.Clear();
    const CMaterial* steel = doc.FindMaterialByName("Métal ferreux");
    doc.AddLayer(steel, "0.7");
    doc.AddLayer(doc.FindMaterialByName("Laine de roche"), "80");
    doc.AddLayer(steel, "0.7");
    Write(doc, "sandwich.ksl");
    ASSERT_EQ(Run("run sandwich.ksl"), 0) << err_;
    EXPECT_EQ(Rows("sandwich.res").size(), 170u);
    for (const char* note : { msg::kSolverDirectFallback, msg::kSolverStalled }) {
        const size_t first = err_.find(note);
        ASSERT_NE(first, std::string::npos) << note;
        EXPECT_EQ(err_.find(note, first + 1), std::string::npos) << note;
    }
    EXPECT_EQ(err_.find('\b'), std::string::npos);
}

TEST_F(CliRun, UnwritableResultsFileIsReported)
{
    ASSERT_EQ(Run("new p.ksl"), 0) << err_;
    EXPECT_EQ(Run("run p.ksl -o dossier-absent/p.res"), 1);
    EXPECT_NE(err_.find(msg::kResultsNotWritten), std::string::npos) << err_;
}

} // namespace
} // namespace quelvan
