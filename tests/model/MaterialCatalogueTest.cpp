// The catalogue of generic materials: the shipped file reads whole within physical units, a
// malformed file is refused at its line and field, the search ignores case and accents, and a
// material made from an entry keeps every value of it.
#include "model/MaterialCatalogue.h"
#include "model/KslDoc.h"
#include "model/OwnRecords.h"

#include "core/TextFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace quelvan {
namespace {

constexpr const char* kHeader
    = "name_fr,family_fr,lambda_W_mK,rho_kg_m3,c_J_kgK,mu_dry,mu_wet,sd_m,source,note,defaults";

std::vector<std::string> Lines(std::initializer_list<std::string> rows)
{
    std::vector<std::string> lines { kHeader };
    lines.insert(lines.end(), rows);
    return lines;
}

// Three rows of each kind: μ dry and wet, a product sold by its s_d with default thermal values,
// a material without vapour data. Quoted fields hold commas.
std::vector<std::string> SmallCatalogue()
{
    return Lines(
        { R"x("Béton plein armé (1 % d'acier)",Bétons,2.3,2300,1000,130,80,,"EN 12524, CTE","couple μ, reconstitué",)x",
            R"x(Pare-vapeur renforcé (Sd ≥ 90 m),"Membranes, films et écrans",0.33,920,2200,,,90,DTU,film mince,lambda_W_mK rho_kg_m3 c_J_kgK)x",
            R"x(Eau (10 °C),"Eau, glace et neige",0.6,1000,4190,,,,EN 12524,μ sans objet,)x" });
}

std::vector<CatalogueEntry> ReadSmall()
{
    std::string error;
    const auto entries = ParseCatalogue(SmallCatalogue(), &error);
    EXPECT_TRUE(entries.has_value()) << error;
    return entries.value_or(std::vector<CatalogueEntry> {});
}

double Number(const std::string& text)
{
    std::size_t used = 0;
    const double value = std::stod(text, &used);
    EXPECT_EQ(used, text.size()) << text;
    return value;
}

TEST(MaterialCatalogue, ReadsEachFieldOfTheRows)
{
    const std::vector<CatalogueEntry> entries = ReadSmall();
    ASSERT_EQ(entries.size(), 3U);
    const CatalogueEntry& concrete = entries[0];
    EXPECT_EQ(concrete.name, "Béton plein armé (1 % d'acier)");
    EXPECT_EQ(concrete.family, "Bétons");
    EXPECT_EQ(concrete.conductivity, "2.3");
    EXPECT_EQ(concrete.mu, "130");
    EXPECT_EQ(concrete.muWet, "80");
    EXPECT_EQ(concrete.source, "EN 12524, CTE");
    EXPECT_EQ(concrete.note, "couple μ, reconstitué");
    EXPECT_FALSE(
        concrete.conductivityDefault || concrete.densityDefault || concrete.capacityDefault);
    const CatalogueEntry& barrier = entries[1];
    EXPECT_EQ(barrier.family, "Membranes, films et écrans");
    EXPECT_EQ(barrier.sd, "90");
    EXPECT_TRUE(barrier.mu.empty());
    EXPECT_TRUE(barrier.conductivityDefault && barrier.densityDefault && barrier.capacityDefault);
    EXPECT_FALSE(entries[2].HasVapour());
}

// The sources' table, without the "defaults" column, reads too.
TEST(MaterialCatalogue, ReadsTheTableWithoutDefaults)
{
    const std::vector<std::string> lines
        = { "name_fr,family_fr,lambda_W_mK,rho_kg_m3,c_J_kgK,mu_dry,mu_wet,sd_m,source,note",
              "Plâtre,Plâtres,0.43,1050,1000,4,,,CTE,", "",
              "Zinc,Métaux,110,7200,380,10000000,,,," };
    std::string error;
    const auto entries = ParseCatalogue(lines, &error);
    ASSERT_TRUE(entries.has_value()) << error;
    EXPECT_EQ(entries->size(), 2U);
    EXPECT_EQ(entries->back().mu, "10000000");
}

struct Spoiled {
    std::string row;
    std::string message; // after "ligne 3"
};

// A good row first, so that the line counted is the spoiled one.
TEST(MaterialCatalogue, MalformedRowsAreRefusedWithLineAndField)
{
    const std::string good = "Plâtre,Plâtres,0.43,1050,1000,4,,,CTE,,";
    const Spoiled cases[] = {
        { "Bois,Bois,abc,500,1600,50,,,,,", ", champ lambda_W_mK : « abc » n'est pas un nombre" },
        { "Bois,Bois,inf,500,1600,50,,,,,", ", champ lambda_W_mK : « inf » n'est pas un nombre" },
        { "Bois,Bois,0.13,-5,1600,50,,,,,",
            ", champ rho_kg_m3 : « -5 » hors limites (de 0 à 25000 kg/m³)" },
        { "Bois,Bois,0.13,500,,50,,,,,", ", champ c_J_kgK : valeur manquante" },
        { "Bois,Bois,0.13,500,1600,0.5,,,,,",
            ", champ mu_dry : « 0.5 » hors limites (de 1 à 1e7)" },
        { "Film,Films,0.33,920,2200,100000,,20,,,",
            ", champ sd_m : mu_dry et sd_m donnés tous deux (l'un des deux)" },
        { "Bois,Bois,0.13,500,1600,20,50,,,,", ", champ mu_wet : μ humide supérieur au μ sec" },
        { "Bois,Bois,0.13,500,1600,,50,,,,", ", champ mu_wet : μ humide sans μ sec" },
        { ",Bois,0.13,500,1600,50,,,,,", ", champ name_fr : nom vide" },
        { "Bois,,0.13,500,1600,50,,,,,", ", champ family_fr : famille vide" },
        { "Bois,Bois,0.13,500,1600,50", " : 6 champs au lieu de 11" },
        { "Bois,Bois,0.13,500,1600,50,,,,,lambda",
            ", champ defaults : « lambda » n'est pas une "
            "valeur par défaut connue" },
        { "PLATRE,Autre,0.43,1050,1000,4,,,,,", ", champ name_fr : « PLATRE » figure deux fois" },
    };
    for (const Spoiled& c : cases) {
        std::string error;
        EXPECT_FALSE(ParseCatalogue(Lines({ good, c.row }), &error).has_value()) << c.row;
        EXPECT_EQ(error, "ligne 3" + c.message) << c.row;
    }
    std::string error;
    EXPECT_FALSE(ParseCatalogue({ "nom,famille" }, &error).has_value());
    EXPECT_TRUE(error.starts_with("ligne 1 : en-tête attendu")) << error;
    EXPECT_FALSE(ParseCatalogue({}, &error).has_value());
    EXPECT_FALSE(ParseCatalogue({ kHeader }, &error).has_value());
    EXPECT_EQ(error, "ligne 1 : aucun matériau");
}

TEST(MaterialCatalogue, MissingFileNamesItsPath)
{
    std::string error;
    EXPECT_FALSE(ReadCatalogueFile("/nonexistent/catalogue.csv", &error).has_value());
    EXPECT_TRUE(error.starts_with("/nonexistent/catalogue.csv : ")) << error;
}

TEST(MaterialCatalogue, SearchIgnoresCaseAndAccentsAndNeedsEveryWord)
{
    EXPECT_EQ(SearchFolded("Béton ÉCRAN Œuvre Ça"), "beton ecran oeuvre ca");
    const std::vector<CatalogueEntry> entries = ReadSmall();
    EXPECT_EQ(SearchCatalogue(entries, "BETON"), (std::vector<std::size_t> { 0 }));
    EXPECT_EQ(SearchCatalogue(entries, "renforce"), (std::vector<std::size_t> { 1 }));
    // The family is searched too, and every word must be found.
    EXPECT_EQ(SearchCatalogue(entries, "écrans pare"), (std::vector<std::size_t> { 1 }));
    EXPECT_EQ(SearchCatalogue(entries, "écrans béton"), (std::vector<std::size_t> {}));
    EXPECT_EQ(SearchCatalogue(entries, "glace"), (std::vector<std::size_t> { 2 }));
    EXPECT_EQ(SearchCatalogue(entries, "  ").size(), 3U);
    ASSERT_NE(FindCatalogueEntry(entries, "eau (10 °c)"), nullptr);
    EXPECT_EQ(FindCatalogueEntry(entries, "eau (10 °c)")->name, "Eau (10 °C)");
    EXPECT_EQ(FindCatalogueEntry(entries, "Eau"), nullptr);
}

TEST(MaterialCatalogue, MaterialKeepsEveryValue)
{
    const std::vector<CatalogueEntry> entries = ReadSmall();
    KslDoc doc;
    const int before = doc.materials.Count();
    std::vector<const CMaterial*> added;
    for (const CatalogueEntry& e : entries)
        added.push_back(AddCatalogueMaterial(doc, e));
    ASSERT_EQ(doc.materials.Count(), before + 3);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        ASSERT_NE(added[i], nullptr);
        EXPECT_EQ(added[i]->Name(), entries[i].name);
        EXPECT_EQ(added[i]->Conductivity(), entries[i].conductivity);
        EXPECT_EQ(added[i]->Density(), entries[i].density);
        EXPECT_EQ(added[i]->Capacity(), entries[i].capacity);
        EXPECT_GE(added[i]->LibraryIndex(), kBuiltInMaterialCount);
    }
    // μ for the concrete, s_d for the barrier (whatever the thickness), nothing for water: the
    // check then asks for a value rather than guessing one.
    const auto concrete = VapourOf(doc, *added[0]);
    ASSERT_TRUE(concrete.has_value());
    EXPECT_FALSE(concrete->isSd);
    EXPECT_DOUBLE_EQ(concrete->Sd(0.2), 26.0);
    const auto barrier = VapourOf(doc, *added[1]);
    ASSERT_TRUE(barrier.has_value());
    EXPECT_DOUBLE_EQ(barrier->Sd(0.0002), 90.0);
    EXPECT_FALSE(VapourOf(doc, *added[2]).has_value());
    EXPECT_EQ(doc.vapour.Count(), 2);
}

TEST(MaterialCatalogue, FullLibraryTakesNoMore)
{
    const std::vector<CatalogueEntry> entries = ReadSmall();
    KslDoc doc;
    while (doc.materials.Count() < kMaxListRecords)
        ASSERT_NE(AddCatalogueMaterial(doc, entries[0]), nullptr);
    EXPECT_EQ(AddCatalogueMaterial(doc, entries[0]), nullptr);
    EXPECT_EQ(doc.materials.Count(), kMaxListRecords);
}

// Every row of the shipped catalogue reads, and its values lie within the ranges of real
// building materials in the units of the columns (W/(m·K), kg/m³, J/(kg·K), m): a value typed
// in kJ or in g/cm³ would fall outside them.
TEST(MaterialCatalogue, ShippedCatalogueReadsWithinUnits)
{
    std::string error;
    const auto entries = ReadCatalogueFile(
        std::string(QUELVAN_SOURCE_DIR) + "/data/materials/" + kCatalogueFileName, &error);
    ASSERT_TRUE(entries.has_value()) << error;
    EXPECT_EQ(entries->size(), 156U);
    std::size_t membranes = 0;
    for (const CatalogueEntry& e : *entries) {
        SCOPED_TRACE(e.name);
        const double lambda = Number(e.conductivity);
        EXPECT_TRUE(lambda >= 0.02 && lambda <= 400.0);
        const double rho = Number(e.density);
        EXPECT_TRUE(rho >= 1.0 && rho <= 12000.0);
        const double c = Number(e.capacity);
        EXPECT_TRUE(c >= 100.0 && c <= 5000.0);
        if (!e.mu.empty()) {
            EXPECT_TRUE(Number(e.mu) >= 1.0 && Number(e.mu) <= 1e7);
            EXPECT_TRUE(e.sd.empty());
        }
        if (!e.muWet.empty()) {
            EXPECT_LE(Number(e.muWet), Number(e.mu));
        }
        if (!e.sd.empty()) {
            EXPECT_TRUE(Number(e.sd) >= 0.01 && Number(e.sd) <= 1e4);
        }
        EXPECT_FALSE(e.source.empty());
        // A default λ is a thin film's: a millimetre of it resists less than a tenth of the
        // interior surface resistance (0.13 m²·K/W), so it changes no thermal result that
        // matters.
        if (e.conductivityDefault) {
            ++membranes;
            EXPECT_LT(0.001 / lambda, 0.013);
            EXPECT_FALSE(e.sd.empty());
        }
    }
    EXPECT_EQ(membranes, 7U);
    EXPECT_EQ(SearchCatalogue(*entries, "pare-vapeur renforce").size(), 1U);
}

} // namespace
} // namespace quelvan
