#include "core/NTextTable.h"
#include "support/CaseNames.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace quelvan {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

std::string Repeat(const std::string& line, int n)
{
    std::string text;
    for (int i = 0; i < n; ++i)
        text += line;
    return text;
}

std::vector<std::string> RowOf(const NTextTable& table, int row)
{
    std::vector<std::string> cells;
    for (int c = 0; c < table.CellCount(row); ++c)
        cells.push_back(table.Cell(row, c));
    return cells;
}

struct CountCase {
    std::string bytes;
    int lines;
    friend void PrintTo(const CountCase& c, std::ostream* os)
    {
        *os << quelvan::test::Quoted(c.bytes.substr(0, 16), false) << ", " << c.bytes.size()
            << " bytes";
    }
};

class CountLinesTest : public ::testing::TestWithParam<CountCase> { };

TEST_P(CountLinesTest, CountsLinesFollowedByALineEnd)
{
    TempFolder folder;
    const std::string path = folder.File("table.txt");
    WriteBytes(path, GetParam().bytes);
    EXPECT_EQ(NTextTable::CountLines(path), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Files, CountLinesTest,
    ::testing::Values(CountCase { "a\nb\nc\n", 3 }, CountCase { "a\nb\nc", 2 },
        CountCase { "a\r\nb\r\nc\r\n", 3 }, CountCase { "", 0 }, CountCase { "x", 0 },
        CountCase { "\n\n", 2 }, CountCase { Repeat("1\t2\n", 31999), 31999 },
        CountCase { Repeat("1\t2\n", 32000), -1 },
        CountCase { std::string(100000, 'z') + "\n", 1 })); // one long line is one line

TEST(NTextTable, CountLinesOfAMissingFileIsMinusOne)
{
    TempFolder folder;
    EXPECT_EQ(NTextTable::CountLines(folder.File("missing.txt")), -1);
}

TEST(NTextTable, ReadsAllFieldsAndTurnsTheFirstCommaIntoAPoint)
{
    TempFolder folder;
    const std::string path = folder.File("results.res");
    WriteBytes(path, "12,5\t3,25\r\n1,2,3\tx\r\nlast line without end");
    NTextTable table;
    ASSERT_TRUE(table.Read(path, -1));
    EXPECT_EQ(table.ErrorCode(), Failure::None);
    ASSERT_EQ(table.RowCount(), 2); // the unterminated line is not read
    EXPECT_EQ(RowOf(table, 0), (std::vector<std::string> { "12.5", "3.25" }));
    EXPECT_EQ(RowOf(table, 1), (std::vector<std::string> { "1.2,3", "x" }));
}

TEST(NTextTable, SeparatorAndTabBothEndFields)
{
    NTextTable table;
    table.SetSeparator(';');
    table.ReadLines({ "1;2\t3", "", "a;;b;" }, -1);
    EXPECT_EQ(table.ErrorCode(), Failure::None);
    EXPECT_EQ(RowOf(table, 0), (std::vector<std::string> { "1", "2", "3" }));
    EXPECT_EQ(RowOf(table, 1), (std::vector<std::string> { "" }));
    EXPECT_EQ(RowOf(table, 2), (std::vector<std::string> { "a", "", "b", "" }));
}

struct ColumnCase {
    int column;
    const char* expected;
    friend void PrintTo(const ColumnCase& c, std::ostream* os) { *os << "column " << c.column; }
};

class ReadColumnTest : public ::testing::TestWithParam<ColumnCase> { };

TEST_P(ReadColumnTest, KeepsOneFieldPerRow)
{
    NTextTable table;
    table.ReadLines({ "a\tb\tc,5", "d\te\tf" }, GetParam().column);
    EXPECT_EQ(table.ErrorCode(), Failure::None);
    ASSERT_EQ(table.RowCount(), 2);
    EXPECT_EQ(RowOf(table, 0), (std::vector<std::string> { GetParam().expected }));
    EXPECT_EQ(table.CellCount(1), 1);
}

INSTANTIATE_TEST_SUITE_P(Columns, ReadColumnTest,
    ::testing::Values(ColumnCase { 0, "a" }, ColumnCase { 1, "a" }, ColumnCase { 2, "b" },
        ColumnCase { 3, "c.5" }));

TEST(NTextTable, AMissingColumnStopsTheReadWithError922)
{
    NTextTable table;
    table.ReadLines({ "1,5\t2\t3\t4", "1\t2", "5\t6\t7\t8" }, 4);
    EXPECT_EQ(table.ErrorCode(), Failure::TableSplit);
    EXPECT_EQ(table.ErrorRow(), 1); // the file's second line
    ASSERT_EQ(table.RowCount(), 3);
    EXPECT_EQ(RowOf(table, 0), (std::vector<std::string> { "4" }));
    EXPECT_EQ(table.CellCount(1), 0); // the failing row and the later ones stay empty
    EXPECT_EQ(table.CellCount(2), 0);

    // No comma is converted after an error.
    table.ReadLines({ "1\t2,5", "x" }, 2);
    EXPECT_EQ(table.ErrorCode(), Failure::TableSplit);
    EXPECT_EQ(table.Cell(0, 0), "2,5");

    // The next read that succeeds reports success again.
    table.ReadLines({ "1\t2" }, 2);
    EXPECT_EQ(table.ErrorCode(), Failure::None);
    EXPECT_EQ(table.ErrorRow(), -1);
    EXPECT_EQ(table.Cell(0, 0), "2");
}

TEST(NTextTable, TooManyFieldsStopTheReadWithError922)
{
    const std::string fields99 = Repeat("x\t", 98) + "x";
    const std::string fields100 = fields99 + "\tx";
    NTextTable table;
    table.ReadLines({ fields99 }, -1);
    EXPECT_EQ(table.ErrorCode(), Failure::None);
    EXPECT_EQ(table.CellCount(0), 99);
    table.ReadLines({ fields99, fields100, "ok" }, -1);
    EXPECT_EQ(table.ErrorCode(), Failure::TableSplit);
    EXPECT_EQ(table.CellCount(0), 99);
    EXPECT_EQ(table.CellCount(1), 0);
    EXPECT_EQ(table.CellCount(2), 0);

    table.SetMaxFields(3);
    table.ReadLines({ "a\tb" }, -1);
    EXPECT_EQ(table.ErrorCode(), Failure::None);
    table.ReadLines({ "a\tb\tc" }, -1);
    EXPECT_EQ(table.ErrorCode(), Failure::TableSplit);
}

TEST(NTextTable, AnUnreadableFileLeavesTheTableUnchanged)
{
    TempFolder folder;
    NTextTable table;
    table.SetCell(0, 0, "kept");
    EXPECT_FALSE(table.Read(folder.File("missing.txt"), -1));
    const std::string tooLong = folder.File("long.txt");
    WriteBytes(tooLong, Repeat("1\n", 32000));
    EXPECT_FALSE(table.Read(tooLong, 1));
    ASSERT_EQ(table.RowCount(), 1);
    EXPECT_EQ(table.Cell(0, 0), "kept");
}

TEST(NTextTable, WritesTabsAndDecimalCommas)
{
    TempFolder folder;
    const std::string path = folder.File("results.res");
    NTextTable table;
    table.SetCell(0, 0, "12.5");
    table.SetCell(0, 1, "3");
    table.SetCell(1, 0, "Béton");
    table.SetCell(1, 2, "1.5.2");
    ASSERT_TRUE(table.Write(path, true));
    EXPECT_EQ(ReadBytes(path), "12,5\t3\r\nB\xE9ton\t\t1,5,2\r\n");
    ASSERT_TRUE(table.Write(path, false));
    EXPECT_EQ(ReadBytes(path), "12.5\t3\r\nB\xE9ton\t\t1.5.2\r\n");
    EXPECT_FALSE(table.Write("", true));

    NTextTable back;
    ASSERT_TRUE(back.Read(path, -1));
    EXPECT_EQ(RowOf(back, 0), (std::vector<std::string> { "12.5", "3" }));
    EXPECT_EQ(RowOf(back, 1), (std::vector<std::string> { "Béton", "", "1.5.2" }));
}

TEST(NTextTable, SizesAndOutOfRangeAccess)
{
    NTextTable table;
    table.SetRowCount(3);
    table.SetCellCount(-1, 2);
    EXPECT_EQ(table.RowCount(), 3);
    EXPECT_EQ(table.CellCount(2), 2);
    table.SetCellCount(1, 5);
    EXPECT_EQ(table.CellCount(1), 5);
    EXPECT_EQ(table.CellCount(0), 2);
    EXPECT_EQ(table.CellCount(3), -1);
    EXPECT_EQ(table.CellCount(-1), -1);
    EXPECT_EQ(table.Cell(7, 7), "");
    EXPECT_EQ(table.Cell(0, -1), "");
    table.SetCell(0, 1, "v");
    EXPECT_EQ(table.Cell(0, 1), "v");
    table.SetRowCount(1);
    EXPECT_EQ(table.RowCount(), 1);
    EXPECT_EQ(table.Cell(0, 1), "v");
    table.Clear();
    EXPECT_EQ(table.RowCount(), 0);
}

TEST(NTextTable, BinaryGarbageNeverBreaksTheReader)
{
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> byte(0, 255);
    std::vector<std::string> lines(200);
    for (auto& line : lines) {
        line.resize(static_cast<size_t>(byte(random)) * 8);
        for (char& c : line)
            c = static_cast<char>(byte(random));
    }
    for (const int column : { -1, 0, 1, 3, 50 }) {
        NTextTable table;
        table.ReadLines(lines, column);
        EXPECT_EQ(table.RowCount(), 200);
        EXPECT_TRUE(table.ErrorCode() == Failure::None || table.ErrorCode() == Failure::TableSplit);
        for (int r = 0; r < table.RowCount(); ++r)
            EXPECT_LE(table.CellCount(r), 99);
    }
    // A huge line of tabs is refused, not stored.
    NTextTable table;
    table.ReadLines({ std::string(1000000, '\t') }, -1);
    EXPECT_EQ(table.ErrorCode(), Failure::TableSplit);
    EXPECT_EQ(table.CellCount(0), 0);
}

} // namespace
} // namespace quelvan
