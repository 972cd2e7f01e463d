// Replays, in the normal test suite, every saved input of the fuzz targets (the crash inputs
// they found and hand-made hostile files in fuzz/regressions/<target>/, then their seeds in
// fuzz/corpus/<target>/) through the same entry points as the fuzzers. An entry point aborts
// on a broken rule; the sanitizer build turns memory and undefined-behaviour faults into
// failures too. Some hostile project files are also read from disk by ReadProjectFile itself.
#include "FuzzTargets.h"

#include "model/KslDoc.h"
#include "persistence/ProjectFile.h"
#include "support/CaseNames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace quelvan {

namespace fuzz {
void PrintTo(const FuzzTarget& target, std::ostream* os)
{
    *os << target.name;
}
} // namespace fuzz

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> FilesIn(const fs::path& folder)
{
    std::vector<fs::path> files;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        if (entry.is_regular_file())
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::string Bytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

const fs::path kFuzzDir = fs::path(QUELVAN_SOURCE_DIR) / "fuzz";

class FuzzRegressionTest : public testing::TestWithParam<fuzz::FuzzTarget> { };

TEST_P(FuzzRegressionTest, EverySavedInputRunsThrough)
{
    const fuzz::FuzzTarget target = GetParam();
    const std::vector<fs::path> regressions = FilesIn(kFuzzDir / "regressions" / target.name);
    const std::vector<fs::path> seeds = FilesIn(kFuzzDir / "corpus" / target.name);
    // An empty folder would make this test pass without replaying anything.
    ASSERT_FALSE(regressions.empty()) << "no input in fuzz/regressions/" << target.name;
    ASSERT_FALSE(seeds.empty()) << "no seed in fuzz/corpus/" << target.name;
    for (const auto* files : { &regressions, &seeds }) {
        for (const fs::path& file : *files) {
            SCOPED_TRACE(file.string());
            const std::string bytes = Bytes(file);
            EXPECT_EQ(
                target.entry(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), 0);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzRegressionTest, testing::ValuesIn(fuzz::kFuzzTargets));

struct ExpectedRead {
    const char* file;
    Failure result;
    friend void PrintTo(const ExpectedRead& c, std::ostream* os) { *os << c.file; }
};

class HostileProjectTest : public testing::TestWithParam<ExpectedRead> { };

// The reader's rules on some of the hostile files: missing lines, an integer that does not
// read, a line over 1000 characters and a layer naming no material are refused; a byte-order
// mark, lines of exactly 1000 characters and a file that is not UTF-8 are read.
TEST_P(HostileProjectTest, IsReadOrRefusedByTheRules)
{
    const std::string path = (kFuzzDir / "regressions" / "project" / GetParam().file).string();
    ASSERT_TRUE(fs::exists(path));
    KslDoc doc;
    EXPECT_EQ(ReadProjectFile(doc, path), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(Files, HostileProjectTest,
    testing::Values(ExpectedRead { "stops-after-first-line.ksl", Failure::General },
        ExpectedRead { "cr-only-line-ends.ksl", Failure::General },
        ExpectedRead { "layer-count-overflow.ksl", Failure::General },
        ExpectedRead { "lines-of-1001.ksl", Failure::General },
        ExpectedRead { "layer-material-index-out-of-range.ksl", Failure::General },
        ExpectedRead { "utf8-bom.ksl", Failure::None },
        ExpectedRead { "lines-of-exactly-1000.ksl", Failure::None },
        ExpectedRead { "invalid-utf8-in-name.ksl", Failure::None },
        ExpectedRead {
            "invalid-utf8-byte-makes-windows-1252-text-that-must-save-back.ksl", Failure::None }));

} // namespace
} // namespace quelvan
