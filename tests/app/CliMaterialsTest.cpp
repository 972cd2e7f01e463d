// quelvan-cli materials and the catalogue's names in a wall description: the shipped catalogue
// listed and searched as a French table and as documented JSON, and a layer naming a catalogue
// material that becomes the project's own with every value.
#include "model/KslDoc.h"
#include "model/MaterialCatalogue.h"
#include "persistence/ProjectFile.h"
#include "support/CliFixture.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace quelvan {
namespace {

class CliMaterials : public test::CliFixture {
protected:
    static std::size_t LineCount(const std::string& text)
    {
        return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    }
};

TEST_F(CliMaterials, SearchIgnoresCaseAndAccents)
{
    ASSERT_EQ(Run("materials --search 'PARE-VAPEUR renforce'"), 0) << err_;
    EXPECT_EQ(LineCount(out_), 3U) << out_;
    EXPECT_NE(out_.find("Pare-vapeur renforcé (Sd ≥ 90 m)"), std::string::npos);
    EXPECT_NE(out_.find("0.33*"), std::string::npos);
    EXPECT_NE(out_.find("s_d 90 m"), std::string::npos);
    ASSERT_EQ(Run("materials --search zzzz"), 0);
    EXPECT_EQ(out_, "Aucun matériau du catalogue ne correspond à « zzzz ».\n");
}

TEST_F(CliMaterials, JsonGivesTheDocumentedKeys)
{
    ASSERT_EQ(Run("materials --search 'béton cellulaire 400' --json"), 0) << err_;
    const nlohmann::json object = nlohmann::json::parse(out_);
    ASSERT_EQ(object.at("count"), 1);
    const nlohmann::json& m = object.at("materials").at(0);
    EXPECT_EQ(m.at("name"), "Béton cellulaire autoclavé 400 kg/m³");
    EXPECT_EQ(m.at("family"), "Bétons");
    EXPECT_DOUBLE_EQ(m.at("lambda_w_mk").get<double>(), 0.12);
    EXPECT_DOUBLE_EQ(m.at("rho_kg_m3").get<double>(), 400.0);
    EXPECT_DOUBLE_EQ(m.at("c_j_kgk").get<double>(), 1000.0);
    EXPECT_DOUBLE_EQ(m.at("mu").get<double>(), 6.0);
    EXPECT_TRUE(m.at("sd_m").is_null());
    EXPECT_TRUE(m.at("defaults").empty());
    EXPECT_FALSE(m.at("source").get<std::string>().empty());

    ASSERT_EQ(Run("materials --search 'hygrovariable' --json"), 0) << err_;
    const nlohmann::json membrane = nlohmann::json::parse(out_).at("materials").at(0);
    EXPECT_TRUE(membrane.at("mu").is_null());
    EXPECT_DOUBLE_EQ(membrane.at("sd_m").get<double>(), 10.0);
    EXPECT_EQ(
        membrane.at("defaults"), nlohmann::json::array({ "lambda_w_mk", "rho_kg_m3", "c_j_kgk" }));
}

// Concrete, wool named without accents or capitals, the catalogue's vapour barrier twice (one
// material), plasterboard. s_T by hand: 0.2 × 80 + 0.1 × 1 + 90 + 90 + 0.0125 × 4 = 196.15 m.
TEST_F(CliMaterials, WallDescriptionNamesCatalogueMaterials)
{
    Write("mur.json", R"x({"layers": [{"thickness_mm": 200, "material": "Béton lourd"},
        {"thickness_mm": 100, "material": "laine de verre legere (rouleau, 10–15 kg/m³)"},
        {"thickness_mm": 0.2, "material": "Pare-vapeur renforcé (Sd ≥ 90 m)"},
        {"thickness_mm": 0.2, "material": "Pare-vapeur renforcé (Sd ≥ 90 m)"},
        {"thickness_mm": 12.5, "material": "Plaque de plâtre à parement de carton"}]})x");
    ASSERT_EQ(Run("new mur.ksl --wall mur.json"), 0) << err_;
    KslDoc doc;
    ASSERT_EQ(ReadProjectFile(doc, File("mur.ksl")), Failure::None);
    EXPECT_EQ(doc.materials.Count(), 19 + 2);
    const CMaterial* wool = doc.FindMaterialByName("Laine de verre légère (rouleau, 10–15 kg/m³)");
    ASSERT_NE(wool, nullptr);
    EXPECT_EQ(wool->Conductivity(), "0.043");
    EXPECT_EQ(wool->Density(), "12");
    EXPECT_EQ(wool->Capacity(), "840");
    const CMaterial* barrier = doc.FindMaterialByName("Pare-vapeur renforcé (Sd ≥ 90 m)");
    ASSERT_NE(barrier, nullptr);
    EXPECT_EQ(VapourRecordOf(doc, barrier->LibraryIndex())->sd, "90");
    Write("climat.csv",
        "mois,theta_e_C,rh_e_pct\n1,0,80\n2,2,80\n3,5,80\n4,9,80\n5,13,80\n"
        "6,17,80\n7,19,80\n8,19,80\n9,15,80\n10,11,80\n11,5,80\n12,2,80\n");
    ASSERT_EQ(Run("condensation mur.ksl --climate climat.csv --interior-temperature 20 --json"), 0)
        << err_;
    EXPECT_NEAR(nlohmann::json::parse(out_).at("s_t_m").get<double>(), 196.15, 1e-6);

    Write("faux.json", R"x({"layers": [{"thickness_mm": 100, "material": "Laine inexistante"}]})x");
    EXPECT_EQ(Run("new faux.ksl --wall faux.json"), 1);
    EXPECT_NE(err_.find("layers[0].material : matériau inconnu"), std::string::npos) << err_;
}

} // namespace
} // namespace quelvan
