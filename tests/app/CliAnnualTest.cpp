// quelvan-cli annual: a new project switched to the weather of Mâcon gives a table, a JSON object
// of exactly the documented keys whose sums hold, and 8760 hours of CSV that agree with it;
// outputs that are inputs, weather files that do not read and refused walls give exit 1.
#include "core/Messages.h"
#include "core/TextFile.h"
#include "model/KslDoc.h"
#include "model/StationImport.h"
#include "persistence/ProjectFile.h"
#include "support/CliFixture.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

namespace quelvan {
namespace {

const std::set<std::string> kFigureKeys { "loss_kwh_m2", "gain_kwh_m2", "net_kwh_m2",
    "steady_kwh_m2", "tsi_min", "tsi_max", "hours_tsi_above_26", "hours_tsi_below_17", "frsi_min",
    "peak_in_w_m2", "peak_out_w_m2" };

std::set<std::string> Keys(const nlohmann::json& object)
{
    std::set<std::string> keys;
    for (const auto& [key, value] : object.items())
        keys.insert(key);
    return keys;
}

class CliAnnual : public test::CliFixture {
protected:
    // A new project whose exterior is the built-in weather of Mâcon.
    void WriteWeatherProject(const std::string& name = "meteo.ksl")
    {
        KslDoc doc;
        doc.selectedExterior = doc.exteriorAmbiances.At(11).Index();
        ASSERT_EQ(WriteProjectFile(doc, File(name)), WriteResult::Ok);
    }
};

TEST_F(CliAnnual, WeatherProjectGivesTheDocumentedJsonAndMatchingHours)
{
    WriteWeatherProject();
    ASSERT_EQ(Run("annual meteo.ksl --json --hourly heures.csv"), 0) << err_;
    const nlohmann::json object = nlohmann::json::parse(out_);
    EXPECT_EQ(Keys(object), (std::set<std::string> { "mode", "passes", "months", "year" }));
    EXPECT_EQ(object["mode"], "fine");
    EXPECT_GE(object["passes"].get<int>(), 1);
    EXPECT_LE(object["passes"].get<int>(), 5);
    ASSERT_EQ(object["months"].size(), 12u);
    std::set<std::string> monthKeys = kFigureKeys;
    monthKeys.insert("month");
    const nlohmann::json& year = object["year"];
    EXPECT_EQ(Keys(year), kFigureKeys);
    double loss = 0.0, gain = 0.0;
    int cold = 0;
    for (int m = 0; m < 12; ++m) {
        const nlohmann::json& month = object["months"][static_cast<size_t>(m)];
        EXPECT_EQ(Keys(month), monthKeys);
        EXPECT_EQ(month["month"], m + 1);
        EXPECT_NEAR(month["net_kwh_m2"].get<double>(),
            month["loss_kwh_m2"].get<double>() - month["gain_kwh_m2"].get<double>(), 1e-9);
        EXPECT_GE(month["gain_kwh_m2"].get<double>(), 0.0);
        loss += month["loss_kwh_m2"].get<double>();
        gain += month["gain_kwh_m2"].get<double>();
        cold += month["hours_tsi_below_17"].get<int>();
    }
    EXPECT_NEAR(year["loss_kwh_m2"].get<double>(), loss, 1e-9);
    EXPECT_NEAR(year["gain_kwh_m2"].get<double>(), gain, 1e-9);
    EXPECT_EQ(year["hours_tsi_below_17"].get<int>(), cold);
    // A heated room loses heat over a year in Burgundy.
    EXPECT_GT(year["net_kwh_m2"].get<double>(), 10.0);

    const auto csv = ReadTextLines(File("heures.csv"));
    ASSERT_TRUE(csv);
    ASSERT_EQ(csv->lines.size(), 8761u);
    EXPECT_EQ(csv->lines[0], "heure,T_ext_C,T_solair_ext_C,T_se_C,T_si_C,T_int_C,FSI_W_m2");
    double tsiMin = 1e9, fsiMax = -1e9;
    for (size_t h = 1; h < csv->lines.size(); ++h) {
        std::istringstream line(csv->lines[h]);
        std::vector<double> cells;
        for (std::string cell; std::getline(line, cell, ',');)
            cells.push_back(std::stod(cell));
        ASSERT_EQ(cells.size(), 7u) << csv->lines[h];
        EXPECT_EQ(cells[0], static_cast<double>(h));
        tsiMin = std::min(tsiMin, cells[4]);
        fsiMax = std::max(fsiMax, cells[6]);
    }
    EXPECT_NEAR(tsiMin, year["tsi_min"].get<double>(), 0.0006);
    EXPECT_NEAR(fsiMax, year["peak_out_w_m2"].get<double>(), 0.0006);
}

TEST_F(CliAnnual, TableNamesItsMethodAndHasAMonthPerRow)
{
    WriteWeatherProject();
    for (const bool standard : { false, true }) {
        ASSERT_EQ(Run(std::string("annual meteo.ksl") + (standard ? " --standard" : "")), 0)
            << err_;
        EXPECT_EQ(out_.rfind(standard ? "Bilan annuel (calcul standard) : régime périodique "
                                      : "Bilan annuel (calcul fin) : régime périodique ",
                      0),
            0u)
            << out_;
        for (const char* row : { "\nMois ", "\nJanvier ", "\nAoût ", "\nDécembre ", "\nAnnée " })
            EXPECT_NE(out_.find(row), std::string::npos) << row;
        EXPECT_NE(out_.find("kWh/m²"), std::string::npos);
    }
    ASSERT_EQ(Run("annual meteo.ksl --standard --json"), 0) << err_;
    EXPECT_EQ(nlohmann::json::parse(out_)["mode"], "standard");
}

TEST_F(CliAnnual, RefusesWhatCannotBeReadOrWritten)
{
    WriteWeatherProject();
    const std::string project = test::ReadBytes(File("meteo.ksl"));
    EXPECT_EQ(Run("annual meteo.ksl --hourly meteo.ksl"), 1);
    EXPECT_NE(err_.find("Écriture refusée : « meteo.ksl » est le fichier lu"), std::string::npos)
        << err_;
    EXPECT_EQ(test::ReadBytes(File("meteo.ksl")), project);

    // The weather file read is an input as well, and one that does not read is named with its
    // line and field.
    {
        std::ofstream out(File("FR_Mâcon.wth"));
        out << "entete\n1\tfroid\n";
    }
    EXPECT_EQ(Run("annual meteo.ksl --weather-dir . --hourly FR_Mâcon.wth"), 1);
    EXPECT_NE(err_.find("est le fichier lu"), std::string::npos) << err_;
    EXPECT_EQ(Run("annual meteo.ksl --weather-dir . --hourly h.csv"), 1);
    EXPECT_EQ(err_.rfind(std::string(msg::kWeatherReadError) + " : ", 0), 0u) << err_;
    EXPECT_TRUE(err_.ends_with("FR_Mâcon.wth, ligne 1, champ 2 : colonne absente\n")) << err_;
    EXPECT_FALSE(std::filesystem::exists(folder_ / "h.csv"));

    // A weather file found in no folder (a station whose file was never imported here) is
    // named, and nothing is written.
    KslDoc station;
    station.stations.Append(
        std::make_unique<WeatherStation>(WeatherStation { 10, "Absente", "Station_Absente.wth" }));
    ASSERT_TRUE(ChooseStationAmbiance(station, 10, "Météo d'Absente"));
    ASSERT_EQ(WriteProjectFile(station, File("station.ksl")), WriteResult::Ok);
    EXPECT_EQ(Run("annual station.ksl --hourly h.csv"), 1);
    EXPECT_EQ(err_.rfind(std::string(msg::kWeatherReadError), 0), 0u) << err_;
    EXPECT_NE(err_.find("Station_Absente.wth"), std::string::npos) << err_;
    EXPECT_TRUE(out_.empty()) << out_;
    EXPECT_FALSE(std::filesystem::exists(folder_ / "h.csv"));

    KslDoc wall;
    wall.layers.At(1).SetThickness("0");
    ASSERT_EQ(WriteProjectFile(wall, File("mur.ksl")), WriteResult::Ok);
    EXPECT_EQ(Run("annual mur.ksl"), 1);
    EXPECT_NE(err_.find("Couche 2 (Laine de verre) : épaisseur"), std::string::npos) << err_;
    EXPECT_NE(err_.find(msg::kCalculationImpossible), std::string::npos) << err_;
    EXPECT_TRUE(out_.empty()) << out_;
}

// The standard year is warned of as the standard week is, where a surface resistance is too
// small for single precision; the fine year is not.
TEST_F(CliAnnual, TheStandardYearWarnsAsTheWeekDoes)
{
    KslDoc doc;
    doc.selectedExterior = doc.exteriorAmbiances.At(11).Index();
    doc.surfaces.resistanceInterior = "0";
    ASSERT_EQ(WriteProjectFile(doc, File("rsi0.ksl")), WriteResult::Ok);
    ASSERT_EQ(Run("run rsi0.ksl"), 0) << err_;
    const std::string weekWarning = err_;
    ASSERT_NE(weekWarning.find("résistance superficielle intérieure « 0 »"), std::string::npos);
    ASSERT_EQ(Run("annual rsi0.ksl --standard --json"), 0) << err_;
    EXPECT_EQ(err_, weekWarning);
    ASSERT_EQ(Run("annual rsi0.ksl"), 0) << err_;
    EXPECT_EQ(err_, "");
}

} // namespace
} // namespace quelvan
