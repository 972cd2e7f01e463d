#include "PrintingTestSupport.h"

#include "model/KslDoc.h"
#include "persistence/ProjectFile.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace quelvan::printing {
namespace {

namespace fs = std::filesystem;

class CliReport : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!fs::exists(QUELVAN_CLI_PATH))
            GTEST_SKIP() << "quelvan-cli is not built";
        dir_ = fs::temp_directory_path() / ("quelvan_report_" + std::to_string(::getpid()));
        fs::create_directories(dir_);
        project_ = Out("projet.ksl");
        ASSERT_EQ(Run("new " + project_), 0);
    }
    void TearDown() override
    {
        if (!dir_.empty())
            fs::remove_all(dir_);
    }

    int Run(const std::string& arguments) const
    {
        const std::string command = std::string(QUELVAN_CLI_PATH) + " " + arguments + " > '"
            + Out("sortie.txt") + "' 2>&1";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string Output() const
    {
        std::ifstream in(Out("sortie.txt"));
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::string Out(const char* name) const { return (dir_ / name).string(); }

    fs::path dir_;
    std::string project_;
};

TEST_F(CliReport, AllFivePartsOfTheDefaultProject)
{
    ASSERT_EQ(Run("report " + project_ + " -o " + Out("rapport.pdf")
                  + " --parts 0,1,2,3,4 --date 2004-03-05T09:07"),
        0)
        << Output();
    const auto pages = test::PdfFilePages(Out("rapport.pdf"));
    if (!pages)
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    ASSERT_EQ(pages->size(), 5u);
    const std::string last = test::Squeezed(pages->back());
    EXPECT_NE(last.find("Liste des matériaux de la bibliothèque de matériaux"), std::string::npos);
    EXPECT_NE(last.find("5:3:2004 9:7"), std::string::npos);
    // A full automatic run records hours 0 to 168.
    EXPECT_NE(test::Squeezed((*pages)[1]).find("(temps final = 168 h)"), std::string::npos);
}

TEST_F(CliReport, ProjectChoicesWhenNoPartsAreGiven)
{
    // A new project prints the last 24 hours and the values in the wall, beside the project
    // under the project's name.
    ASSERT_EQ(Run("report " + project_), 0) << Output();
    const auto pages = test::PdfFilePages(Out("projet.pdf"));
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
    EXPECT_EQ(Run("report " + project_ + " -o " + Out("rien.pdf")), 1);
    EXPECT_NE(Output().find("Aucune sélection d'impression"), std::string::npos);
    EXPECT_FALSE(fs::exists(Out("rien.pdf")));
}

TEST_F(CliReport, UnreadableProjectIsReported)
{
    std::ofstream(Out("faux.ksl")) << "pas un projet\n";
    EXPECT_EQ(Run("report " + Out("faux.ksl") + " -o " + Out("faux.pdf")), 1);
    EXPECT_NE(Output().find("Erreur en lecture : ligne 2 : ligne absente"), std::string::npos);
    EXPECT_FALSE(fs::exists(Out("faux.pdf")));
}

TEST_F(CliReport, UnwritableOutputIsReported)
{
    EXPECT_EQ(Run("report " + project_ + " --parts 4 -o " + Out("absent/rapport.pdf")), 1);
    EXPECT_NE(Output().find("Le rapport n'a pas pu être écrit"), std::string::npos);
}

} // namespace
} // namespace quelvan::printing
