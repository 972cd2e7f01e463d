// quelvan-cli new --wall and condensation: a wall described in JSON with a monthly climate file
// gives the core's year and mould check, in French and as documented JSON; bad descriptions,
// climates, materials and weather files are refused with their place, and nothing is written.
#include "engine/moisture/MonthlyClimate.h"
#include "engine/moisture/Psychrometrics.h"
#include "model/KslDoc.h"
#include "persistence/ProjectFile.h"
#include "support/CliFixture.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>

namespace quelvan {
namespace {

using namespace moisture;

// Concrete outside, mineral wool inside, plasterboard; optionally a PE film of s_d 100 m on the
// warm side of the wool. By hand, in January (1 °C / 85 %, 20 °C / 60 %): the concrete | wool
// interface is near 2 °C (psat ≈ 704 Pa); the straight line from 558 to 1402 Pa reaches it at
// 558 + 16/116.15 × 844 ≈ 674 Pa with the film, below saturation, and at about 1394 Pa without.
std::string WallJson(bool film)
{
    std::string layers = R"({"thickness_mm": 200, "material": "Béton lourd"},
        {"thickness_mm": 100, "material": "Laine de verre"},)";
    if (film)
        layers += R"({"thickness_mm": 0.2, "material": {"name": "Film PE", "lambda_w_mk": 0.33,
            "rho_kg_m3": 980, "c_j_kgk": 1800, "sd_m": 100}},)";
    layers += R"({"thickness_mm": 12.5, "material": "Plaque de plâtre à parement de carton"})";
    return R"({"layers": [)" + layers + R"(], "rse_m2k_w": 0.04, "rsi_m2k_w": 0.13,
        "absorption_ext": 0.6, "absorption_int": 0.4, "azimuth": "Nord", "inclination_deg": 90})";
}

// θe from 1 °C in January to 19 °C in July (whole tenths), 85 % outside.
const double kThetaE[12] = { 1.0, 2.2, 5.5, 10.0, 14.5, 17.8, 19.0, 17.8, 14.5, 10.0, 5.5, 2.2 };

class CliCondensation : public test::CliFixture {
protected:
    void WriteClimate(const std::string& name = "climat.csv", int rows = 12)
    {
        std::string text = "mois,theta_e_C,rh_e_pct\n";
        for (int m = 0; m < rows; ++m)
            text += std::to_string(m + 1) + "," + std::to_string(kThetaE[m]) + ",85\n";
        Write(name, text);
    }

    // The core's year for the same wall and climate, built here from the materials' values.
    static CondensationResult CoreYear(bool film)
    {
        MoistureWall wall;
        wall.layers = { { "Béton lourd", 0.2, 0.2 / 2.0, 0.2 * 80 },
            { "Laine de verre", 0.1, 0.1 / 0.041, 0.1 * 1 } };
        if (film)
            wall.layers.push_back({ "Film PE", 0.0002, 0.0002 / 0.33, 100.0 });
        wall.layers.push_back(
            { "Plaque de plâtre à parement de carton", 0.0125, 0.0125 / 0.25, 0.0125 * 4 });
        ExteriorYear exterior;
        for (std::size_t m = 0; m < 12; ++m)
            exterior[m] = { kThetaE[m], 0.85 * SaturationPressure(kThetaE[m]) };
        return CheckCondensation(
            wall, ResolveClimate(exterior, { InteriorHumidity::RelativeHumidity, 60.0, 20.0 }));
    }
};

TEST_F(CliCondensation, WallFromJsonGivesTheCoreYearAsDocumentedJson)
{
    Write("mur.json", WallJson(false));
    WriteClimate();
    ASSERT_EQ(Run("new mur.ksl --wall mur.json"), 0) << err_;
    ASSERT_EQ(Run("condensation mur.ksl --climate climat.csv --interior-rh 60 "
                  "--interior-temperature 20 --json"),
        0)
        << err_;
    const nlohmann::json o = nlohmann::json::parse(out_);
    std::set<std::string> keys;
    for (const auto& [key, value] : o.items())
        keys.insert(key);
    for (const char* key : { "method", "start_month", "verdict", "max_total_g_m2", "max_month",
             "max_location", "end_total_g_m2", "months", "mould", "surface_rh" })
        EXPECT_TRUE(keys.contains(key)) << key;
    const CondensationResult core = CoreYear(false);
    ASSERT_NE(core.verdict, Verdict::None);
    EXPECT_EQ(o["verdict"], VerdictKeyword(core.verdict));
    EXPECT_EQ(o["start_month"], core.startMonth);
    EXPECT_NEAR(o["max_total_g_m2"].get<double>(), core.maxTotalGPerM2, 1e-6 * core.maxTotalGPerM2);
    EXPECT_EQ(o["max_location"], "Béton lourd | Laine de verre");
    EXPECT_TRUE(o["surface_rh"].is_null());
    ASSERT_EQ(o["months"].size(), 12U);
    const nlohmann::json& first = o["months"][0];
    EXPECT_EQ(first["month"], core.startMonth);
    const double theta = kThetaE[core.startMonth - 1];
    EXPECT_NEAR(first["p_e_pa"].get<double>(), 0.85 * SaturationPressure(theta), 1e-9);
    EXPECT_NEAR(first["p_i_pa"].get<double>(), 0.6 * SaturationPressure(20.0), 1e-9);
    EXPECT_EQ(first["interfaces"].size(), 4U);
    EXPECT_EQ(o["mould"]["months"].size(), 12U);
    EXPECT_EQ(o["mould"]["critical_month"], 1);
}

TEST_F(CliCondensation, FilmOnTheWarmSideKeepsTheWallDryInTheTable)
{
    Write("mur.json", WallJson(true));
    WriteClimate();
    ASSERT_EQ(Run("new mur.ksl --wall mur.json"), 0) << err_;
    ASSERT_EQ(CoreYear(true).verdict, Verdict::None);
    ASSERT_EQ(Run("condensation mur.ksl --climate climat.csv --interior-rh 60 "
                  "--interior-temperature 20"),
        0)
        << err_;
    EXPECT_NE(out_.find("Pas de condensation dans la paroi"), std::string::npos) << out_;
    EXPECT_NE(out_.find("Risque de moisissure en surface : non"), std::string::npos) << out_;
    // The film became the project's own material, with its s_d.
    KslDoc doc;
    ASSERT_EQ(ReadProjectFile(doc, File("mur.ksl")), Failure::None);
    EXPECT_EQ(doc.materials.Count(), 20);
    ASSERT_EQ(doc.vapour.Count(), 1);
    EXPECT_EQ(doc.vapour.At(0).sd, "100");
    EXPECT_EQ(doc.azimuthIndex, 0);
    EXPECT_EQ(doc.surfaces.absorptionExterior, "0.6");
}

// The interior stored in the project (class 3 at 19 °C) is the one used when no option says
// otherwise; an option overrides it.
TEST_F(CliCondensation, ProjectSettingsGiveTheInteriorUnlessAnOptionDoes)
{
    KslDoc doc;
    doc.moisture.Append(std::make_unique<MoistureSettings>(
        MoistureSettings { InteriorHumidity::HumidityClass, "3", "19" }));
    ASSERT_EQ(WriteProjectFile(doc, File("p.ksl")), WriteResult::Ok);
    WriteClimate();
    ASSERT_EQ(Run("condensation p.ksl --climate climat.csv --json"), 0) << err_;
    nlohmann::json o = nlohmann::json::parse(out_);
    for (const nlohmann::json& m : o["months"]) {
        const double thetaE = kThetaE[m["month"].get<int>() - 1];
        const double pe = 0.85 * SaturationPressure(thetaE);
        const double excess = 6.0 * std::clamp(1.0 - thetaE / 20.0, 0.0, 1.0);
        EXPECT_DOUBLE_EQ(m["theta_i_c"].get<double>(), 19.0);
        EXPECT_NEAR(m["p_i_pa"].get<double>(),
            pe + 1.10 * excess * 1e-3 * 462.0 * ((19.0 + thetaE) / 2.0 + 273.15), 1e-6);
    }
    ASSERT_EQ(Run("condensation p.ksl --climate climat.csv --json --interior-rh 40"), 0) << err_;
    o = nlohmann::json::parse(out_);
    EXPECT_NEAR(o["months"][0]["p_i_pa"].get<double>(), 0.4 * SaturationPressure(19.0), 1e-9);
}

struct Refusal {
    const char* label;
    const char* wall; // the JSON written to mur.json ("" keeps the good wall)
    const char* climate; // the climate file's text ("" keeps the good one)
    const char* expected; // in the message
    friend void PrintTo(const Refusal& r, std::ostream* os) { *os << r.label; }
};

class CliCondensationRefusal : public CliCondensation,
                               public testing::WithParamInterface<Refusal> { };

TEST_P(CliCondensationRefusal, SaysWhereAndWritesNothing)
{
    const Refusal& r = GetParam();
    Write("mur.json", *r.wall != '\0' ? r.wall : WallJson(false));
    if (*r.climate != '\0')
        Write("climat.csv", r.climate);
    else
        WriteClimate();
    const int code = Run("new mur.ksl --wall mur.json");
    if (*r.wall != '\0') {
        EXPECT_EQ(code, 1);
        EXPECT_FALSE(std::filesystem::exists(File("mur.ksl")));
    } else {
        ASSERT_EQ(code, 0) << err_;
        EXPECT_EQ(Run("condensation mur.ksl --climate climat.csv --interior-temperature 20"), 1);
        EXPECT_TRUE(out_.empty()) << out_;
    }
    EXPECT_NE(err_.find(r.expected), std::string::npos) << err_;
}

INSTANTIATE_TEST_SUITE_P(Inputs, CliCondensationRefusal,
    testing::Values(Refusal { "NegativeThickness",
                        R"({"layers": [{"thickness_mm": 200, "material": "Béton lourd"},
                {"thickness_mm": -5, "material": "Plâtre"}]})",
                        "", "layers[1].thickness_mm : nombre positif attendu" },
        Refusal { "UnknownMaterial", R"({"layers": [{"thickness_mm": 20, "material": "Bétong"}]})",
            "", "layers[0].material : matériau inconnu" },
        Refusal { "MuAndSd",
            R"({"layers": [{"thickness_mm": 1, "material": {"name": "F", "lambda_w_mk": 0.2,
                "rho_kg_m3": 900, "c_j_kgk": 1000, "mu": 5, "sd_m": 2}}]})",
            "", "layers[0].material : mu ou sd_m attendu" },
        Refusal { "UnknownKey", R"({"layers": [{"thickness_mm": 20, "material": "Plâtre"}],
            "rse": 0.04})",
            "", "rse : clé inconnue" },
        Refusal { "NotJson", R"({"layers": [)", "", "JSON illisible" },
        Refusal { "ElevenMonths", "",
            "mois,theta_e_C,rh_e_pct\n1,0,80\n2,0,80\n3,0,80\n4,0,80\n5,0,80\n6,0,80\n7,0,80\n"
            "8,0,80\n9,0,80\n10,0,80\n11,0,80\n",
            "douze lignes de mois" },
        Refusal { "Letter", "",
            "mois,theta_e_C,rh_e_pct\n1,0,80\n2,0,80\n3,0,80\n4,O,80\n5,0,80\n6,0,80\n7,0,80\n"
            "8,0,80\n9,0,80\n10,0,80\n11,0,80\n12,0,80\n",
            "ligne 5, champ theta_e_C : nombre attendu" },
        Refusal { "HumidityAbove100", "",
            "mois,theta_e_C,rh_e_pct\n1,0,80\n2,0,80\n3,0,80\n4,0,80\n5,0,80\n6,0,80\n7,0,120\n"
            "8,0,80\n9,0,80\n10,0,80\n11,0,80\n12,0,80\n",
            "ligne 8, champ rh_e_pct : humidité relative" }));

TEST_F(CliCondensation, MaterialWithoutMuIsNamedAndNoDefaultIsTaken)
{
    KslDoc doc;
    CMaterial& own = doc.AddMaterial(3020, 0, "Frein-vapeur maison", "0.2", "900", "1500");
    doc.AddLayer(&own, "2");
    ASSERT_EQ(WriteProjectFile(doc, File("p.ksl")), WriteResult::Ok);
    WriteClimate();
    EXPECT_EQ(Run("condensation p.ksl --climate climat.csv --interior-temperature 20"), 1);
    EXPECT_NE(err_.find("Couche 4 : le matériau « Frein-vapeur maison » n'a ni"), std::string::npos)
        << err_;
    EXPECT_TRUE(out_.empty());
}

// A new project switched to the weather of Mâcon: the generated file's humidity gives the
// table's monthly vapour pressure (within what saturated hours cut off), and the annual balance
// gives the hours of the inner surface above 80 %.
TEST_F(CliCondensation, WeatherAmbianceGivesMonthlyMeansAndSurfaceHours)
{
    KslDoc doc;
    doc.selectedExterior = doc.exteriorAmbiances.At(11).Index();
    ASSERT_EQ(WriteProjectFile(doc, File("meteo.ksl")), WriteResult::Ok);
    ASSERT_EQ(Run("condensation meteo.ksl --interior-temperature 20 --humidity-class 3 --json"), 0)
        << err_;
    const nlohmann::json o = nlohmann::json::parse(out_);
    // Mâcon's vapour pressures in the climate table (Pa), January to December.
    const double table[12] = { 666, 618, 696, 927, 1218, 1460, 1615, 1530, 1420, 1087, 929, 758 };
    for (const nlohmann::json& m : o["months"]) {
        const double pe = m["p_e_pa"].get<double>();
        const double expected = table[m["month"].get<int>() - 1];
        EXPECT_LE(pe, expected * 1.005) << m["month"];
        // Saturated winter nights hold less than the month's value.
        EXPECT_GE(pe, expected * 0.85) << m["month"];
    }
    ASSERT_TRUE(o["surface_rh"].is_object());
    int total = 0;
    for (const nlohmann::json& h : o["surface_rh"]["hours_above_80"]) {
        EXPECT_GE(h.get<int>(), 0);
        EXPECT_LE(h.get<int>(), 744);
        total += h.get<int>();
    }
    EXPECT_EQ(o["surface_rh"]["hours_above_80"].size(), 12U);
    EXPECT_LE(o["surface_rh"]["longest_run_h"].get<int>(), total);
    EXPECT_TRUE(total == 0 || o["surface_rh"]["longest_run_h"].get<int>() > 0);
}

// A weather file of the seven columns the week reads, without the humidity column.
TEST_F(CliCondensation, WeatherFileWithoutHumidityIsRefused)
{
    KslDoc doc;
    doc.selectedExterior = doc.exteriorAmbiances.At(11).Index();
    ASSERT_EQ(WriteProjectFile(doc, File("meteo.ksl")), WriteResult::Ok);
    std::string text = "heure\ttemperature_air_C\td\tdf\tg\taz\th\n";
    for (int h = 1; h <= 8760; ++h)
        text += std::to_string(h) + "\t5.0\t0.0\t0.0\t0.0\t0.00\t0.00\n";
    Write("FR_Mâcon.wth", text);
    EXPECT_EQ(Run("condensation meteo.ksl --weather-dir . --interior-temperature 20"), 1);
    EXPECT_NE(err_.find("FR_Mâcon.wth, ligne 2 : le fichier ne porte pas la colonne d'humidité"),
        std::string::npos)
        << err_;
}

TEST_F(CliCondensation, OutputsAndUsageAreChecked)
{
    Write("mur.json", WallJson(false));
    // The project would replace the description it is made from.
    EXPECT_EQ(Run("new mur.json --wall mur.json --force"), 1);
    EXPECT_EQ(test::ReadBytes(File("mur.json")), WallJson(false));
    ASSERT_EQ(Run("new mur.ksl --wall mur.json"), 0) << err_;
    WriteClimate();
    // Two interior humidities at once, a class outside 1-5, a climate with a weather folder.
    EXPECT_EQ(
        Run("condensation mur.ksl --climate climat.csv --interior-rh 50 --humidity-class 3"), 2);
    EXPECT_EQ(Run("condensation mur.ksl --climate climat.csv --humidity-class 7"), 2);
    EXPECT_EQ(Run("condensation mur.ksl --climate climat.csv --weather-dir ."), 2);
}

} // namespace
} // namespace quelvan
