// quelvan report through the command-line tool (its drawing half): the pages it writes, read
// back as text.
#include "model/KslDoc.h"
#include "persistence/ProjectFile.h"
#include "support/CliFixture.h"
#include "support/PdfText.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

namespace quelvan {
namespace {

namespace fs = std::filesystem;

class CliReport : public quelvan::test::CliFixture {
protected:
    void SetUp() override
    {
        if (!fs::exists(QUELVAN_CLI_PATH))
            GTEST_SKIP() << "quelvan-cli is not built";
        ASSERT_EQ(Run("new " + project_), 0);
    }
    std::string Output() const { return out_ + err_; }

    const std::string project_ = File("projet.ksl");
};

TEST_F(CliReport, AllFivePartsOfTheDefaultProject)
{
    ASSERT_EQ(Run("report " + project_ + " -o " + File("rapport.pdf")
                  + " --parts 0,1,2,3,4 --date 2004-03-05T09:07"),
        0)
        << Output();
    const auto pages = test::PdfFilePages(File("rapport.pdf"));
    if (!pages)
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    ASSERT_EQ(pages->size(), 5u);
    const std::string last = test::Squeezed(pages->back());
    EXPECT_NE(last.find("Liste des matériaux de la bibliothèque de matériaux"), std::string::npos);
    EXPECT_NE(last.find("5:3:2004 9:7"), std::string::npos);
    // A full automatic run records hours 0 to 168.
    EXPECT_NE(test::Squeezed((*pages)[1]).find("(temps final = 168 h)"), std::string::npos);
}

TEST_F(CliReport, TheFooterNamesTheFineMode)
{
    for (const bool fine : { false, true }) {
        ASSERT_EQ(Run("report " + project_ + " --parts 3 -o " + File("rapport.pdf")
                      + (fine ? " --fine" : "")),
            0)
            << Output();
        const auto pages = test::PdfFilePages(File("rapport.pdf"));
        if (!pages)
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        const std::string page = test::Squeezed(pages->front());
        EXPECT_NE(page.find("Quelvan 1.20a"), std::string::npos);
        EXPECT_EQ(page.find("Quelvan 1.20a - Calcul fin") != std::string::npos, fine) << page;
    }
}

TEST_F(CliReport, ProjectChoicesWhenNoPartsAreGiven)
{
    // A new project prints the last 24 hours and the values in the wall, beside the project
    // under the project's name.
    ASSERT_EQ(Run("report " + project_), 0) << Output();
    const auto pages = test::PdfFilePages(File("projet.pdf"));
    if (!pages)
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    ASSERT_EQ(pages->size(), 2u);
    EXPECT_NE(
        test::Squeezed((*pages)[1]).find("Tracé dans la paroi à t = 168 heure"), std::string::npos);
}

TEST_F(CliReport, NoChosenPartIsRefused)
{
    KslDoc doc;
    doc.printChoices = {};
    ASSERT_EQ(WriteProjectFile(doc, project_), WriteResult::Ok);
    EXPECT_EQ(Run("report " + project_ + " -o " + File("rien.pdf")), 1);
    EXPECT_NE(Output().find("Aucune sélection d'impression"), std::string::npos);
    EXPECT_FALSE(fs::exists(File("rien.pdf")));
}

TEST_F(CliReport, UnwritableOutputIsReported)
{
    EXPECT_EQ(Run("report " + project_ + " --parts 4 -o " + File("absent/rapport.pdf")), 1);
    EXPECT_NE(Output().find("Le rapport n'a pas pu être écrit"), std::string::npos);
}

} // namespace
} // namespace quelvan
