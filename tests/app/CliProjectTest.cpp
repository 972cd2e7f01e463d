#include "core/Messages.h"
#include "model/KslDoc.h"
#include "persistence/ProjectFile.h"
#include "support/CliFixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace quelvan {
namespace {

class CliProjectTest : public test::CliFixture { };

TEST_F(CliProjectTest, NewWritesAProjectThatReadsBack)
{
    ASSERT_EQ(Run("new mur.ksl"), 0) << err_;
    EXPECT_TRUE(err_.empty());
    const std::string bytes = test::ReadBytes(File("mur.ksl"));
    EXPECT_EQ(bytes.rfind("1.20a: numero de version\r\n", 0), 0u);
    KslDoc read;
    ASSERT_EQ(ReadProjectFile(read, File("mur.ksl")), Failure::None);
    EXPECT_TRUE(SameProjectData(KslDoc(), read));
}

TEST_F(CliProjectTest, CheckShowsWhatTheFileHolds)
{
    KslDoc doc;
    doc.author = "Anaïs";
    doc.azimuthIndex = 1;
    doc.inclinationIndex = 8;
    doc.selectedExterior = 11;
    doc.selectedInterior = -1; // none chosen
    doc.layers.Clear();
    doc.AddLayer(doc.FindMaterialByIndex(16), "27");
    ASSERT_EQ(WriteProjectFile(doc, File("toit.ksl")), WriteResult::Ok);
    // The summary is shown, then the refusal of the calculation.
    ASSERT_EQ(Run("check toit.ksl"), 1);
    EXPECT_EQ(err_, "Aucune ambiance intérieure n'est choisie : calcul impossible\n");
    for (const char* expected : { "Auteur : Anaïs\n", "  1. 27 mm de Bois résineux\n",
             "Ambiance extérieure : Météo de la ville de Mâcon\n", "Ambiance intérieure : aucune\n",
             "Orientation : Nord-Est\n", "Inclinaison : 180°/sol (terrasse)\n" })
        EXPECT_NE(out_.find(expected), std::string::npos) << expected << "\nin\n" << out_;
    EXPECT_EQ(out_.find("  2. "), std::string::npos);
}

TEST_F(CliProjectTest, NewReportsAnUnwritablePlace)
{
    std::ofstream(File("fichier")) << "pas un dossier";
    EXPECT_EQ(Run("new fichier/mur.ksl"), 1);
    EXPECT_EQ(err_, std::string(msg::kProjectNotSaved) + "\n");
    EXPECT_FALSE(std::filesystem::exists(File("fichier/mur.ksl")));
}

} // namespace
} // namespace quelvan
