// The malformed project files of tests/data/malformed, each refused with the place and the
// reason that the folder's README gives (its table is the manifest of this test).
#include "model/KslDoc.h"
#include "persistence/ProjectFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>

namespace quelvan {
namespace {

namespace fs = std::filesystem;

const fs::path kCorpus = fs::path(QUELVAN_TEST_DATA_DIR) / "malformed";

// File name -> expected place and reason, from the rows "| file | damage | where |".
std::map<std::string, std::string> Manifest()
{
    std::map<std::string, std::string> rows;
    std::ifstream readme(kCorpus / "README.md");
    for (std::string line; std::getline(readme, line);) {
        const size_t fileEnd = line.find(".ksl |");
        const size_t whereStart = line.rfind(" | ", line.size() - 3);
        if (line.starts_with("| ") && fileEnd != std::string::npos && whereStart > fileEnd)
            rows[line.substr(2, fileEnd + 2)]
                = line.substr(whereStart + 3, line.size() - whereStart - 5);
    }
    return rows;
}

std::vector<std::string> CorpusFiles()
{
    std::vector<std::string> files;
    for (const auto& entry : fs::directory_iterator(kCorpus))
        if (entry.path().extension() == ".ksl")
            files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    return files;
}

class MalformedFileTest : public testing::TestWithParam<std::string> { };

TEST_P(MalformedFileTest, IsRefusedSayingWhere)
{
    static const std::map<std::string, std::string> manifest = Manifest();
    const auto row = manifest.find(GetParam());
    ASSERT_NE(row, manifest.end()) << GetParam() << " has no row in README.md";
    KslDoc doc;
    ReadError error;
    EXPECT_EQ(ReadProjectFile(doc, (kCorpus / GetParam()).string(), &error), Failure::General);
    EXPECT_EQ(ReadErrorMessage(error), "Erreur en lecture : " + row->second);
    EXPECT_EQ(doc.layers.Count(), 3); // a new project
}

INSTANTIATE_TEST_SUITE_P(Corpus, MalformedFileTest, testing::ValuesIn(CorpusFiles()));

} // namespace
} // namespace quelvan
