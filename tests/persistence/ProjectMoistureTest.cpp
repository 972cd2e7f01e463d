// The moisture check's two optional sections: μ / s_d given to materials and the interior
// humidity. Written only when set, read back byte for byte, refused where a line is wrong.
#include "model/KslDoc.h"
#include "model/MaterialCatalogue.h"
#include "persistence/ProjectFile.h"

#include "persistence/ProjectTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace quelvan {
namespace {

using test::LineIndex;
using test::ReadBytes;
using test::TempFolder;

constexpr std::string_view kVapourCount = "N=  2  : nb de materiaux avec vapeur";
constexpr std::string_view kSettingsCount = "N=  1  : nb de reglages d'humidite";

// A film of the user's (s_d only), a built-in material given another μ, and a humidity class.
KslDoc ProjectWithVapour()
{
    KslDoc doc;
    const CMaterial& film = doc.AddMaterial(3020, 0, "Film PE", "0.33", "980", "1800");
    doc.vapour.Append(
        std::make_unique<MaterialVapour>(MaterialVapour { film.LibraryIndex(), "", "20" }));
    doc.vapour.Append(std::make_unique<MaterialVapour>(MaterialVapour { 0, "120", "" }));
    doc.moisture.Append(std::make_unique<MoistureSettings>(
        MoistureSettings { InteriorHumidity::HumidityClass, "3", "19.5" }));
    return doc;
}

TEST(ProjectMoisture, SectionsReadBackByteForByteAfterTheMaterials)
{
    TempFolder folder;
    const KslDoc written = ProjectWithVapour();
    ASSERT_EQ(WriteProjectFile(written, folder.File("mur.ksl")), WriteResult::Ok);
    const std::vector<std::string> lines = FormatProjectLines(written);
    const size_t count = LineIndex(lines, kVapourCount);
    EXPECT_EQ(count, LineIndex(lines, "N= 20  : nb de materiaux") + 20 + 2);
    EXPECT_EQ(lines[count + 1], "O= 19 M=           - S=          20");
    EXPECT_EQ(lines[count + 2], "O=  0 M=         120 S=           -");
    EXPECT_EQ(lines[count + 3], std::string(60, '='));
    EXPECT_EQ(lines[count + 4], kSettingsCount);
    EXPECT_EQ(lines[count + 5], "H=1 V=           3 T=        19.5");
    EXPECT_EQ(lines[count + 7], test::kExterior);

    KslDoc read;
    ASSERT_EQ(ReadProjectFile(read, folder.File("mur.ksl")), Failure::None);
    std::string difference;
    EXPECT_TRUE(SameProjectData(written, read, &difference)) << difference;
    const auto film = VapourOf(read, *read.FindMaterialByName("Film PE"));
    ASSERT_TRUE(film.has_value());
    EXPECT_TRUE(film->isSd);
    EXPECT_DOUBLE_EQ(film->Sd(0.0002), 20.0);
    EXPECT_DOUBLE_EQ(VapourOf(read, *read.FindMaterialByIndex(0))->value, 120.0);
    ASSERT_EQ(read.moisture.Count(), 1);
    EXPECT_EQ(read.moisture.At(0), written.moisture.At(0));
    ASSERT_EQ(WriteProjectFile(read, folder.File("copie.ksl")), WriteResult::Ok);
    EXPECT_EQ(ReadBytes(folder.File("copie.ksl")), ReadBytes(folder.File("mur.ksl")));
}

// A project that never sets vapour data is written as before: no section, no separator, and
// the built-in materials still know their μ.
TEST(ProjectMoisture, ProjectWithoutVapourDataKeepsItsLines)
{
    KslDoc plain;
    const std::vector<std::string> lines = FormatProjectLines(plain);
    EXPECT_EQ(lines[LineIndex(lines, test::kMaterials) + 21], test::kExterior);
    for (const std::string& line : lines)
        EXPECT_EQ(line.find("vapeur"), std::string::npos) << line;
    const KslDoc withVapour = ProjectWithVapour();
    EXPECT_EQ(FormatProjectLines(withVapour).size(), lines.size() + 1 + 7);
    EXPECT_DOUBLE_EQ(VapourOf(plain, *plain.FindMaterialByName("Laine de verre"))->value, 1.0);
}

TEST(ProjectMoisture, ComparisonSeesEachField)
{
    const KslDoc reference = ProjectWithVapour();
    const std::function<void(KslDoc&)> changes[] = {
        [](KslDoc& d) { d.vapour.At(0).sd = "25"; },
        [](KslDoc& d) { d.vapour.At(1).mu = "80"; },
        [](KslDoc& d) { d.vapour.At(1).index = 1; },
        [](KslDoc& d) { d.vapour.RemoveTail(1); },
        [](KslDoc& d) { d.moisture.At(0).mode = InteriorHumidity::VapourExcess; },
        [](KslDoc& d) { d.moisture.At(0).value = "4"; },
        [](KslDoc& d) { d.moisture.At(0).interiorTemperature.clear(); },
        [](KslDoc& d) { d.moisture.Clear(); },
    };
    for (const auto& change : changes) {
        KslDoc other = ProjectWithVapour();
        change(other);
        EXPECT_FALSE(SameProjectData(reference, other));
    }
}

struct MoistureSpoiler {
    const char* label;
    std::string_view key; // the first line after the vapour count that starts with it
    std::string line;
    const char* field;
    ReadFault fault;
    friend void PrintTo(const MoistureSpoiler& c, std::ostream* os) { *os << c.label; }
};

class MoistureLineTest : public testing::TestWithParam<MoistureSpoiler> { };

TEST_P(MoistureLineTest, IsRefusedWhereItIs)
{
    const MoistureSpoiler& spoiler = GetParam();
    std::vector<std::string> lines = FormatProjectLines(ProjectWithVapour());
    const size_t index = LineIndex(lines, spoiler.key, kVapourCount);
    lines[index] = spoiler.line;
    KslDoc doc;
    ReadError error;
    ASSERT_EQ(ParseProjectLines(doc, lines, &error), Failure::General);
    EXPECT_EQ(error.line, static_cast<int>(index) + 1);
    EXPECT_EQ(error.field, spoiler.field);
    EXPECT_EQ(error.fault, spoiler.fault);
}

INSTANTIATE_TEST_SUITE_P(Lines, MoistureLineTest,
    testing::Values(MoistureSpoiler { "MaterialNotInTheLibrary", "O= 19",
                        "O= 45 M=           - S=          20", "O=", ReadFault::UnknownMaterial },
        MoistureSpoiler { "MaterialTwice", "O=  0", "O= 19 M=         120 S=           -",
            "O=", ReadFault::UnknownMaterial },
        MoistureSpoiler { "MuNotANumber", "O=  0", "O=  0 M=         abc S=           -",
            "M=", ReadFault::NotANumber },
        MoistureSpoiler { "NegativeSd", "O= 19", "O= 19 M=           - S=          -2",
            "S=", ReadFault::NotANumber },
        MoistureSpoiler { "NeitherMuNorSd", "O= 19", "O= 19 M=           - S=           -",
            "S=", ReadFault::NotANumber },
        MoistureSpoiler {
            "ClassSix", "H=", "H=1 V=           6 T=           -", "V=", ReadFault::OutOfRange },
        MoistureSpoiler { "HumidityAbove100", "H=", "H=0 V=         120 T=           -",
            "V=", ReadFault::OutOfRange },
        MoistureSpoiler {
            "UnknownKind", "H=", "H=3 V=           3 T=           -", "H=", ReadFault::OutOfRange },
        MoistureSpoiler { "TemperatureNotANumber", "H=", "H=1 V=           3 T=        tiède",
            "T=", ReadFault::NotANumber }));

// A material of the catalogue added to a project, saved and read back keeps every value: its
// name, λ, ρ and c as the catalogue writes them, and its μ or s_d.
TEST(ProjectMoisture, CatalogueMaterialReadsBackWithEveryValue)
{
    std::string error;
    const auto entries = ParseCatalogue(
        { "name_fr,family_fr,lambda_W_mK,rho_kg_m3,c_J_kgK,mu_dry,mu_wet,sd_m,source,note,defaults",
            "\"Laine de verre légère (rouleau, 10–15 kg/m³)\",Isolants "
            "minéraux,0.043,12,840,1,,,,,",
            "Pare-vapeur (NF DTU 31.2 ; Sd ≥ 18 m),Membranes,0.33,920,2200,,,18,,,lambda_W_mK",
            "Brique silico-calcaire (1800 kg/m³),Maçonneries,0.99,1800,1000,25,5,,,,c_J_kgK" },
        &error);
    ASSERT_TRUE(entries.has_value()) << error;
    TempFolder folder;
    KslDoc written;
    for (const CatalogueEntry& entry : *entries) {
        ASSERT_NE(AddCatalogueMaterial(written, entry), nullptr);
    }
    ASSERT_EQ(WriteProjectFile(written, folder.File("catalogue.ksl")), WriteResult::Ok);
    KslDoc read;
    ASSERT_EQ(ReadProjectFile(read, folder.File("catalogue.ksl")), Failure::None);
    std::string difference;
    EXPECT_TRUE(SameProjectData(written, read, &difference)) << difference;
    for (const CatalogueEntry& entry : *entries) {
        SCOPED_TRACE(entry.name);
        const CMaterial* material = read.FindMaterialByName(entry.name);
        ASSERT_NE(material, nullptr);
        EXPECT_EQ(material->Conductivity(), entry.conductivity);
        EXPECT_EQ(material->Density(), entry.density);
        EXPECT_EQ(material->Capacity(), entry.capacity);
        const MaterialVapour* vapour = VapourRecordOf(read, material->LibraryIndex());
        ASSERT_NE(vapour, nullptr);
        EXPECT_EQ(vapour->mu, entry.mu);
        EXPECT_EQ(vapour->sd, entry.sd);
    }
    EXPECT_DOUBLE_EQ(
        VapourOf(read, *read.FindMaterialByName(entries->at(1).name))->Sd(0.001), 18.0);
    EXPECT_DOUBLE_EQ(VapourOf(read, *read.FindMaterialByName(entries->at(2).name))->Sd(0.2), 5.0);
}

} // namespace
} // namespace quelvan
