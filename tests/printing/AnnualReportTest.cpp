// The "Bilan annuel" page: printed only when asked for (--parts annuel), after the chosen pages,
// with the figures quelvan-cli annual gives; the other pages keep their text exactly.
#include "PrintingTestSupport.h"

#include "core/Messages.h"
#include "printing/ReportJob.h"
#include "support/CliFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

namespace quelvan::printing {
namespace {

class AnnualReport : public quelvan::test::CliFixture {
protected:
    void SetUp() override
    {
        if (!std::filesystem::exists(QUELVAN_CLI_PATH))
            GTEST_SKIP() << "quelvan-cli is not built";
        ASSERT_EQ(Run("new p.ksl"), 0);
    }
    // The pages of the report of these parts, nullopt without pdftotext.
    std::optional<std::vector<std::string>> Report(const std::string& parts)
    {
        EXPECT_EQ(Run("report p.ksl -o r.pdf --date 2004-03-05T09:07 --parts " + parts), 0)
            << out_ << err_;
        return test::PdfFilePages(File("r.pdf"));
    }
    // The line of the text that starts with the word, blanks squeezed.
    static std::string LineOf(const std::string& text, const std::string& first)
    {
        std::istringstream lines(text);
        for (std::string line; std::getline(lines, line);) {
            const std::string squeezed = test::Squeezed(line);
            const size_t start = squeezed.find_first_not_of(' ');
            if (start != std::string::npos && squeezed.compare(start, first.size(), first) == 0)
                return squeezed.substr(start);
        }
        return {};
    }
};

TEST_F(AnnualReport, ThePageComesLastOnlyWhenAskedForAndLeavesTheOthersAsTheyWere)
{
    const auto without = Report("1,3");
    if (!without)
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const auto with = Report("1,annuel,3");
    ASSERT_TRUE(with);
    ASSERT_EQ(without->size(), 2u);
    ASSERT_EQ(with->size(), 3u);
    EXPECT_EQ((*with)[0], (*without)[0]);
    EXPECT_EQ((*with)[1], (*without)[1]);
    for (const std::string& page : *without)
        EXPECT_EQ(page.find("Bilan annuel"), std::string::npos);
    const std::string& annual = (*with)[2];
    EXPECT_NE(annual.find("Bilan annuel (calcul fin) : régime périodique atteint après"),
        std::string::npos)
        << annual;
    // It names the wall and the exterior ambiance (the weather) the year is of.
    EXPECT_NE(test::Squeezed(annual).find("Paroi : Béton lourd 200 + Laine de verre 50 + Plâtre "
                                          "10 ; ambiance extérieure : "),
        std::string::npos)
        << annual;

    // Its rows are those of quelvan-cli annual.
    ASSERT_EQ(Run("annual p.ksl"), 0) << err_;
    for (const char* row : { "Janvier", "Juillet", "Année" }) {
        const std::string printed = LineOf(annual, row);
        EXPECT_FALSE(printed.empty()) << row;
        EXPECT_EQ(printed, LineOf(out_, row)) << row;
    }

    const auto alone = Report("annuel");
    ASSERT_TRUE(alone);
    ASSERT_EQ(alone->size(), 1u);
    EXPECT_EQ((*alone)[0], annual);
}

} // namespace
} // namespace quelvan::printing
