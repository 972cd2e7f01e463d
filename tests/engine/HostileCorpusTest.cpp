// The hostile corpus (tests/data/hostile) through the library: the project file read, the
// calculation prepared (its check first) and run for a week. Each project is refused with its
// exact message and nothing can be computed, or every results cell and every hourly value is a
// finite number.
#include "support/HostileCorpus.h"
#include "core/NumberText.h"
#include "engine/EngineState.h"
#include "model/KslDoc.h"
#include "persistence/ProjectFile.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quelvan {
namespace {

// The weather file is found in the project's folder, and named with it.
std::string WithCorpusFolder(const std::string& message)
{
    const std::string heading = "Erreur en lecture du fichier météo : ";
    if (!message.starts_with(heading))
        return message;
    return heading + (test::kHostileCorpus / message.substr(heading.size())).string();
}

class HostileLibrary : public testing::TestWithParam<std::string> { };

TEST_P(HostileLibrary, ReadCheckAndWeekGiveTheOutcome)
{
    static const auto manifest = test::HostileManifest();
    const auto row = manifest.find(GetParam());
    ASSERT_NE(row, manifest.end()) << GetParam() << " has no row in README.md";
    const test::HostileOutcome& outcome = row->second;
    const std::string path = (test::kHostileCorpus / GetParam()).string();

    KslDoc doc;
    ReadError error;
    const bool read = ReadProjectFile(doc, path, &error) == Failure::None;
    ASSERT_EQ(read, !outcome.ReadRefusal()) << ReadErrorMessage(error);
    if (!read) {
        EXPECT_EQ(ReadErrorMessage(error), outcome.message);
        return;
    }
    doc.SetPath(path);
    EngineState engine;
    const ErrorCode code = engine.PrepareCalculation(doc, InputsFromDocument(doc));
    if (!outcome.Finite()) {
        EXPECT_NE(code, Failure::None);
        EXPECT_EQ(engine.LastErrorMessage(), WithCorpusFolder(outcome.message));
        EXPECT_FALSE(engine.CanAdvance());
        return;
    }
    ASSERT_EQ(code, Failure::None) << engine.LastErrorMessage();
    while (engine.CanAdvance())
        engine.AdvanceHour(doc, true, true);
    EXPECT_EQ(engine.View().hours, 169);
    for (const auto& series : engine.View().series)
        for (const float value : series)
            EXPECT_TRUE(std::isfinite(value));
    for (int r = 1; r < doc.results.RowCount(); ++r) {
        for (int c = 1; c < KslDoc::kResultColumns; ++c) {
            float value = 0.0f;
            EXPECT_TRUE(ParseFloat(doc.results.Cell(r, c), value) && std::isfinite(value))
                << "row " << r << ", column " << c << ": " << doc.results.Cell(r, c);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Corpus, HostileLibrary, testing::ValuesIn(test::HostileProjects()));

} // namespace
} // namespace quelvan
