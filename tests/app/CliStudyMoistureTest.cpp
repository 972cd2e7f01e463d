// quelvan-cli sweep and compare with --moisture: the moisture check of each variant in its row,
// equal to condensation --json for the same wall; a warm-side s_d swept upwards never raises the
// water held; a project and its copy give the same rows; the same bytes whatever the jobs and
// the shards; the options refused where they do not fit.
#include "support/CliFixture.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace quelvan {
namespace {

using Json = nlohmann::json;

const std::vector<std::string> kMoistureKeys { "verdict", "max_total_g_m2", "max_month",
    "end_total_g_m2", "frsi_wall", "frsi_max", "hours_above_80" };

// Render, concrete, glass wool, a film (layer 4) of the given s_d, plasterboard: the wall of
// docs/moisture.md insulated on the inside.
std::string WallJson(const std::string& sd)
{
    return R"x({"layers": [{"thickness_mm": 15, "material": "Enduit de mortier"},
        {"thickness_mm": 200, "material": "Béton lourd"},
        {"thickness_mm": 100, "material": "Laine de verre"},
        {"thickness_mm": 0.2, "material": {"name": "Film", "lambda_w_mk": 0.33,
          "rho_kg_m3": 980, "c_j_kgk": 1800, "sd_m": )x"
        + sd + R"x(}},
        {"thickness_mm": 13, "material": "Plaque de plâtre à parement de carton"}],
        "azimuth": "Nord"})x";
}

std::vector<Json> JsonLines(const std::string& text)
{
    std::vector<Json> rows;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        rows.push_back(Json::parse(line));
    return rows;
}

class CliStudyMoisture : public test::CliFixture {
protected:
    void MakeWall(const std::string& project, const std::string& sd)
    {
        std::ofstream(File(project + ".json")) << WallJson(sd);
        ASSERT_EQ(Run("new " + project + ".ksl --wall " + project + ".json --force"), 0) << err_;
    }
    std::string climate_ = " --climate '" + std::string(QUELVAN_SOURCE_DIR)
        + "/docs/examples/moisture/macon-mois.csv' --humidity-class 3 --interior-temperature 20";
};

// The check's physics: more vapour resistance on the warm side lets less vapour reach the cold
// face of the wool, so the water held can only fall. Over 0.1 to 50 m it falls from kilograms to
// almost nothing.
TEST_F(CliStudyMoisture, WarmSideSdNeverRaisesTheWaterHeld)
{
    MakeWall("mur", "1");
    ASSERT_EQ(Run("sweep mur.ksl --layer 4 --sd 0.1,0.2,0.5,1,2,3,5,8,13,20,30,50 --moisture --json"
                  + climate_),
        0)
        << err_;
    const std::vector<Json> rows = JsonLines(out_);
    ASSERT_EQ(rows.size(), 12U);
    double previous = 1e300;
    for (const Json& row : rows) {
        SCOPED_TRACE(row.dump());
        ASSERT_TRUE(row.at("error").is_null());
        const double held = row.at("max_total_g_m2").get<double>();
        EXPECT_LE(held, previous);
        previous = held;
        EXPECT_EQ(row.at("end_total_g_m2").get<double>(), 0.0);
        // A monthly climate gives no hourly surface humidity.
        EXPECT_TRUE(row.at("hours_above_80").is_null());
    }
    EXPECT_GT(rows.front().at("max_total_g_m2").get<double>(), 1000.0);
    EXPECT_LT(rows.back().at("max_total_g_m2").get<double>(), 20.0);
    EXPECT_EQ(rows.front().at("layer4_sd_m"), 0.1);
    EXPECT_EQ(rows.front().at("verdict"), "evaporates");
}

// Each row holds the numbers condensation --json gives for a project with that s_d.
TEST_F(CliStudyMoisture, RowEqualsCondensationOfTheSameWall)
{
    MakeWall("mur", "1");
    ASSERT_EQ(Run("sweep mur.ksl --layer 4 --sd 0.5,20 --moisture --json" + climate_), 0) << err_;
    const std::vector<Json> rows = JsonLines(out_);
    ASSERT_EQ(rows.size(), 2U);
    for (const auto& [row, sd] : { std::pair { rows[0], "0.5" }, std::pair { rows[1], "20" } }) {
        MakeWall("seul", sd);
        ASSERT_EQ(Run("condensation seul.ksl --json" + climate_), 0) << err_;
        const Json check = Json::parse(out_);
        for (const char* key : { "verdict", "max_total_g_m2", "max_month", "end_total_g_m2" })
            EXPECT_EQ(row.at(key), check.at(key)) << key << " " << sd;
        EXPECT_EQ(row.at("frsi_wall"), check.at("mould").at("frsi_wall"));
        EXPECT_EQ(row.at("frsi_max"), check.at("mould").at("frsi_max"));
    }
}

// The μ of the wool (built in: 1) swept from 1: the first row is the project as it is.
TEST_F(CliStudyMoisture, MuAxisStartsFromTheProjectAsItIs)
{
    MakeWall("mur", "1");
    ASSERT_EQ(Run("sweep mur.ksl --layer 3 --mu 1:3:1 --moisture --json" + climate_), 0) << err_;
    const std::vector<Json> rows = JsonLines(out_);
    ASSERT_EQ(rows.size(), 3U);
    EXPECT_EQ(rows[2].at("layer3_mu"), 3.0);
    ASSERT_EQ(Run("condensation mur.ksl --json" + climate_), 0) << err_;
    EXPECT_EQ(rows[0].at("max_total_g_m2"), Json::parse(out_).at("max_total_g_m2"));
    // More resistance in the wool itself spreads the same drop over more s_d: less water.
    EXPECT_LT(
        rows[2].at("max_total_g_m2").get<double>(), rows[0].at("max_total_g_m2").get<double>());
}

// With a weather ambiance the row also counts the hours above 80 %: the year's total of
// condensation's twelve months.
TEST_F(CliStudyMoisture, WeatherYearGivesTheHoursOfCondensation)
{
    ASSERT_EQ(Run("new mur.ksl"), 0) << err_;
    // The exterior ambiance becomes the weather of Mâcon (index 11).
    std::ifstream in(File("mur.ksl"), std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::size_t at = text.find("\nC=");
    ASSERT_NE(at, std::string::npos);
    const std::size_t end = text.find(':', at);
    text.replace(at + 1, end - at - 1, "C=          11 ");
    std::ofstream(File("mur.ksl"), std::ios::binary) << text;
    ASSERT_EQ(Run("sweep mur.ksl --layer 2 --thickness 50 --moisture --interior-rh 90 --json"), 0)
        << err_;
    const Json row = Json::parse(out_);
    ASSERT_EQ(Run("condensation mur.ksl --interior-rh 90 --json"), 0) << err_;
    const Json check = Json::parse(out_);
    int hours = 0;
    for (const Json& month : check.at("surface_rh").at("hours_above_80"))
        hours += month.get<int>();
    EXPECT_EQ(row.at("hours_above_80"), hours);
    EXPECT_GT(hours, 0);
    EXPECT_EQ(row.at("max_total_g_m2"), check.at("max_total_g_m2"));
    EXPECT_EQ(row.at("frsi_max"), check.at("mould").at("frsi_max"));
}

TEST_F(CliStudyMoisture, ProjectAndItsCopyGiveTheSameRows)
{
    MakeWall("mur", "5");
    std::ofstream(File("copie.ksl"), std::ios::binary)
        << std::ifstream(File("mur.ksl"), std::ios::binary).rdbuf();
    ASSERT_EQ(Run("compare mur.ksl copie.ksl --moisture --json" + climate_), 0) << err_;
    std::vector<Json> rows = JsonLines(out_);
    ASSERT_EQ(rows.size(), 2U);
    for (const std::string& key : kMoistureKeys)
        EXPECT_TRUE(rows[0].contains(key)) << key;
    for (Json& row : rows) {
        row.erase("index");
        row.erase("project");
    }
    EXPECT_EQ(rows[0], rows[1]);
    ASSERT_EQ(Run("compare mur.ksl copie.ksl --moisture" + climate_), 0) << err_;
    std::istringstream table(out_);
    std::string heading, units, first, second;
    std::getline(table, heading);
    std::getline(table, units);
    std::getline(table, first);
    std::getline(table, second);
    EXPECT_NE(heading.find("Condensation"), std::string::npos);
    const auto figures = [](const std::string& row, const std::string& name) {
        const std::string rest = row.substr(row.find(name) + name.size());
        return rest.substr(rest.find_first_not_of(' '));
    };
    EXPECT_EQ(figures(first, "mur.ksl"), figures(second, "copie.ksl"));
}

TEST_F(CliStudyMoisture, SameBytesWhateverTheJobsAndShards)
{
    MakeWall("mur", "1");
    const std::string sweep = "sweep mur.ksl --layer 4 --sd 0.1,1,10 --layer 3 --thickness 50,100 "
                              "--moisture --csv"
        + climate_;
    ASSERT_EQ(Run(sweep + " --jobs 1"), 0) << err_;
    const std::string one = out_;
    ASSERT_EQ(Run(sweep + " --jobs 2"), 0) << err_;
    EXPECT_EQ(out_, one);
    ASSERT_EQ(Run(sweep + " --jobs 2 --shard 0/2"), 0) << err_;
    const std::string even = out_;
    ASSERT_EQ(Run(sweep + " --jobs 1 --shard 1/2"), 0) << err_;
    const std::string odd = out_;
    // The shards' rows interleaved by index give the whole study (same header).
    std::istringstream a(even), b(odd);
    std::string merged, line, header;
    std::getline(a, header);
    std::getline(b, line);
    EXPECT_EQ(line, header);
    merged = header + "\n";
    for (;;) {
        bool any = false;
        if (std::getline(a, line)) {
            merged += line + "\n";
            any = true;
        }
        if (std::getline(b, line)) {
            merged += line + "\n";
            any = true;
        }
        if (!any)
            break;
    }
    EXPECT_EQ(merged, one);
    EXPECT_NE(one.find(",verdict,max_total_g_m2,max_month,end_total_g_m2,frsi_wall,frsi_max,"
                       "hours_above_80,error"),
        std::string::npos)
        << one;
}

TEST_F(CliStudyMoisture, OptionsThatDoNotFitAreRefused)
{
    MakeWall("mur", "1");
    EXPECT_EQ(Run("sweep mur.ksl --layer 4 --sd 1,2" + climate_), 2);
    EXPECT_NE(err_.find("vont avec --moisture"), std::string::npos) << err_;
    EXPECT_EQ(Run("sweep mur.ksl --layer 4 --sd 1,abc --moisture"), 2);
    EXPECT_NE(err_.find("--sd : « abc » n'est pas une épaisseur d'air équivalente s_d en m"),
        std::string::npos)
        << err_;
    EXPECT_EQ(Run("sweep mur.ksl --layer 4 --mu 5:1:1 --moisture"), 2);
    EXPECT_NE(err_.find("--mu : la plage « 5:1:1 » est vide"), std::string::npos) << err_;
    EXPECT_EQ(Run("sweep mur.ksl --layer 9 --sd 1 --moisture"), 2);
    EXPECT_NE(err_.find("--layer : la paroi n'a pas de couche 9"), std::string::npos) << err_;
    // A variant whose check cannot run has the reason in its row: no weather ambiance here.
    EXPECT_EQ(Run("sweep mur.ksl --layer 4 --sd 1 --moisture --json"), 0) << err_;
    EXPECT_NE(Json::parse(out_).at("error").get<std::string>().find("météo"), std::string::npos)
        << out_;
}

} // namespace
} // namespace quelvan
