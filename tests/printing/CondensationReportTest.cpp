// The "Risque de condensation" page: printed only when asked for (--parts ...,condensation),
// last, with the monthly figures `quelvan-cli condensation` gives; the other pages keep their
// text exactly.
#include "PrintingTestSupport.h"

#include "model/KslDoc.h"
#include "persistence/ProjectFile.h"
#include "support/CliFixture.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <filesystem>
#include <string>

namespace quelvan::printing {
namespace {

std::string Fixed(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

class CondensationReport : public quelvan::test::CliFixture {
protected:
    void SetUp() override
    {
        if (!std::filesystem::exists(QUELVAN_CLI_PATH))
            GTEST_SKIP() << "quelvan-cli is not built";
        // The new project on the weather of Mâcon, a room of humidity class 3 at 20 °C.
        KslDoc doc;
        doc.selectedExterior = doc.exteriorAmbiances.At(11).Index();
        doc.moisture.Append(std::make_unique<MoistureSettings>(
            MoistureSettings { InteriorHumidity::HumidityClass, "3", "20" }));
        ASSERT_EQ(WriteProjectFile(doc, File("p.ksl")), WriteResult::Ok);
    }
    std::optional<std::vector<std::string>> Report(const std::string& parts)
    {
        EXPECT_EQ(Run("report p.ksl -o r.pdf --date 2004-03-05T09:07 --parts " + parts), 0)
            << out_ << err_;
        return test::PdfFilePages(File("r.pdf"));
    }
};

TEST_F(CondensationReport, ThePageComesLastWithTheCommandLineFiguresOnlyWhenAskedFor)
{
    const auto without = Report("1,3");
    if (!without)
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const auto with = Report("1,3,condensation");
    ASSERT_TRUE(with);
    ASSERT_EQ(without->size(), 2u);
    ASSERT_EQ(with->size(), 3u);
    EXPECT_EQ((*with)[0], (*without)[0]);
    EXPECT_EQ((*with)[1], (*without)[1]);
    for (const std::string& page : *without)
        EXPECT_EQ(page.find("Risque de condensation"), std::string::npos);
    const std::string& page = (*with)[2];
    EXPECT_NE(page.find("Risque de condensation"), std::string::npos) << page;
    EXPECT_NE(test::Squeezed(page).find("classe d'humidité 3"), std::string::npos) << page;

    ASSERT_EQ(Run("condensation p.ksl --json"), 0) << err_;
    const nlohmann::json json = nlohmann::json::parse(out_);
    const char* names[] = { "janvier", "février", "mars", "avril", "mai", "juin", "juillet", "août",
        "septembre", "octobre", "novembre", "décembre" };
    for (const nlohmann::json& m : json["months"]) {
        const std::string expected = std::string(names[m["month"].get<int>() - 1]) + " "
            + Fixed(m["theta_e_c"].get<double>(), 1) + " " + Fixed(m["p_e_pa"].get<double>(), 0)
            + " " + Fixed(m["p_i_pa"].get<double>(), 0);
        EXPECT_NE(test::Squeezed(page).find(expected), std::string::npos) << expected << page;
    }
    const nlohmann::json& mould = json["mould"];
    EXPECT_NE(page.find("f_Rsi de la paroi " + Fixed(mould["frsi_wall"].get<double>(), 3)),
        std::string::npos)
        << page;

    const auto alone = Report("condensation");
    ASSERT_TRUE(alone);
    ASSERT_EQ(alone->size(), 1u);
    EXPECT_EQ((*alone)[0], page);
}

} // namespace
} // namespace quelvan::printing
