#include "persistence/ResultsFile.h"
#include "core/TextFile.h"
#include "model/KslDoc.h"

#include "persistence/ProjectTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace quelvan {
namespace {

using test::TempFolder;

TEST(ResultsFile, BesideTheProjectFile)
{
    KslDoc doc;
    doc.SetPath("/data/etudes/mur.ksl");
    EXPECT_EQ(ResultsFilePath(doc), "/data/etudes/mur.res");
    doc.SetPath("/data/etudes/mur");
    EXPECT_EQ(ResultsFilePath(doc), "/data/etudes/mur.res");
    // Only the last extension is replaced: two versions of a project keep their own results.
    doc.SetPath("/data/etudes/mur.v1.ksl");
    EXPECT_EQ(ResultsFilePath(doc), "/data/etudes/mur.v1.res");
}

TEST(ResultsFile, UnnamedProjectWritesNothing)
{
    TempFolder folder;
    const auto before = std::filesystem::current_path();
    std::filesystem::current_path(folder.Path());
    const KslDoc doc;
    EXPECT_FALSE(WriteResultsFile(doc));
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
    std::filesystem::current_path(before);
}

TEST(ResultsFile, BeforeAnyCalculation)
{
    TempFolder folder;
    KslDoc doc;
    doc.SetPath(folder.File("mur.ksl"));
    ASSERT_TRUE(WriteResultsFile(doc));
    const auto file = ReadTextLines(folder.File("mur.res"));
    ASSERT_TRUE(file.has_value());
    ASSERT_EQ(file->lines.size(), 170u);
    EXPECT_EQ(file->lines[0], "H\tTE\tTSE\tTSI\tTI\tFE\tFSE\tFSI\tFI\tEE\tEI\tFPRM\tTEQE\tTEQI");
    const std::string zeros = "0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0";
    for (size_t row = 1; row < 170; ++row)
        ASSERT_EQ(file->lines[row], zeros) << "row " << row;
    // Lines end with CR LF, like every file the program writes.
    const std::string bytes = test::ReadBytes(folder.File("mur.res"));
    EXPECT_EQ(bytes.substr(bytes.size() - 3), "0\r\n");
}

TEST(ResultsFile, DecimalCommas)
{
    TempFolder folder;
    KslDoc doc;
    doc.SetPath(folder.File("mur.ksl"));
    doc.results.SetCell(1, 0, "1");
    doc.results.SetCell(1, 1, "12.34");
    doc.results.SetCell(1, 13, "-0.5");
    ASSERT_TRUE(WriteResultsFile(doc));
    const auto file = ReadTextLines(folder.File("mur.res"));
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(file->lines[1], "1\t12,34\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t-0,5");
}

} // namespace
} // namespace quelvan
