// The hostile corpus (tests/data/hostile) through quelvan-cli check, run, render and report:
// each project is refused with its exact message on standard error and exit status 1, its file
// untouched and nothing written, or it runs to results that are all finite numbers.
#include "support/HostileCorpus.h"
#include "core/NumberText.h"
#include "core/TextFile.h"
#include "support/CliFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

namespace quelvan {
namespace {

namespace fs = std::filesystem;

// Every cell of the 169 hourly rows of a results file reads as a finite number.
void ExpectFiniteResults(const std::string& path)
{
    const auto text = ReadTextLines(path);
    ASSERT_TRUE(text.has_value()) << path;
    ASSERT_EQ(text->lines.size(), 170u);
    for (size_t row = 1; row < text->lines.size(); ++row) {
        const std::string& line = text->lines[row];
        size_t start = 0;
        for (size_t end = 0; end != std::string::npos; start = end + 1) {
            end = line.find('\t', start);
            const std::string cell = line.substr(start, end - start);
            float value = 0.0f;
            EXPECT_TRUE(ParseFloat(cell, value) && std::isfinite(value))
                << "row " << row << ": " << cell;
        }
    }
}

class HostileCli : public test::CliFixture, public testing::WithParamInterface<std::string> { };

TEST_P(HostileCli, CheckAndRunGiveTheOutcome)
{
    static const auto manifest = test::HostileManifest();
    const auto row = manifest.find(GetParam());
    ASSERT_NE(row, manifest.end()) << GetParam() << " has no row in README.md";
    const test::HostileOutcome& outcome = row->second;
    // The corpus in the working folder, whose weather files are found there.
    for (const auto& entry : fs::directory_iterator(test::kHostileCorpus))
        fs::copy_file(entry.path(), folder_ / entry.path().filename());
    const std::string project = test::ReadBytes(File(GetParam()));

    const bool checkRefuses = !outcome.Finite() && !outcome.WeatherRefusal();
    EXPECT_EQ(Run("check " + GetParam()), checkRefuses ? 1 : 0) << err_;
    EXPECT_EQ(err_, checkRefuses ? outcome.message + "\n" : "");
    const int status = Run("run " + GetParam() + " -o r.res");
    if (outcome.Finite()) {
        EXPECT_EQ(status, 0) << err_;
        ExpectFiniteResults(File("r.res"));
    } else {
        EXPECT_EQ(status, 1);
        EXPECT_EQ(err_, outcome.message + "\n");
        EXPECT_FALSE(fs::exists(folder_ / "r.res"));
    }
#ifdef QUELVAN_WITH_QT
    // The drawing commands run the same week: the same refusal (after Qt's own notes on
    // standard error), or their image and report.
    const int drawn = Run("render " + GetParam() + " --profile p.png");
    const int printed = Run("report " + GetParam() + " -o r.pdf");
    EXPECT_EQ(drawn, outcome.Finite() ? 0 : 1);
    EXPECT_EQ(printed, outcome.Finite() ? 0 : 1);
    EXPECT_EQ(fs::exists(folder_ / "p.png"), outcome.Finite());
    EXPECT_EQ(fs::exists(folder_ / "r.pdf"), outcome.Finite());
    if (!outcome.Finite()) {
        EXPECT_NE(err_.find(outcome.message + "\n"), std::string::npos) << err_;
    }
#endif
    EXPECT_EQ(test::ReadBytes(File(GetParam())), project);
}

INSTANTIATE_TEST_SUITE_P(Corpus, HostileCli, testing::ValuesIn(test::HostileProjects()));

} // namespace
} // namespace quelvan
