#include "core/NString.h"
#include "core/NFileName.h"
#include "core/TextTrim.h"
#include "support/CaseNames.h"

#include <gtest/gtest.h>

namespace quelvan {
namespace {

TEST(NString, NumbersBecomeText)
{
    EXPECT_EQ(NString::FromInt(42), "42");
    EXPECT_EQ(NString::FromInt(-7, 4), "  -7");
    EXPECT_EQ(NString::FromInt(5, 0), "5");
    EXPECT_EQ(NString::FromInt(123456, 3), "123456"); // the width is a minimum
    EXPECT_EQ(NString::Formatted("%.2f", 2.675), "2.67");
    EXPECT_EQ(NString::Formatted("%3d", 5), "  5");
    EXPECT_EQ(NString(static_cast<const char*>(nullptr)), "");
}

TEST(NString, CopiesAreIndependent)
{
    NString original("Béton");
    NString copy = original;
    copy.Append(" lourd").Replace('B', 'b');
    EXPECT_EQ(original, "Béton");
    EXPECT_EQ(copy, "béton lourd");
    EXPECT_EQ(original + "!" + NString("?") + '.', "Béton!?.");
}

TEST(NString, SubstringsAreClamped)
{
    const NString text("abcdef");
    EXPECT_EQ(text.Substring(1, 2), "bc");
    EXPECT_EQ(text.Substring(2, 10), "cdef");
    EXPECT_EQ(text.Substring(6, 1), "");
    EXPECT_EQ(text.Substring(-1, 2), "");
    EXPECT_EQ(text.Substring(0, -3), "");
    EXPECT_EQ(NString().Substring(0, 3), "");
    EXPECT_EQ(NString("  ab  x").Substring(0, 5, true), "ab");
    EXPECT_EQ(NString("  ab  x").Substring(0, 5, false), "  ab ");
}

TEST(NString, SearchesAndCounts)
{
    const NString text("banana");
    EXPECT_EQ(text.Count('a'), 3);
    EXPECT_EQ(text.Count('a', 2), 2);
    EXPECT_EQ(text.Count('a', 99), 0);
    EXPECT_EQ(text.Find('a', 2), 3);
    EXPECT_EQ(text.Find('z'), -1);
    EXPECT_EQ(text.Find('a', 6), -1);
    EXPECT_EQ(text.FindLast('n'), 4);
    EXPECT_EQ(text.FindLast('z'), -1);
    EXPECT_EQ(NString("1,5.2").DecimalSeparatorPosition(), 3); // a point wins
    EXPECT_EQ(NString("1,5").DecimalSeparatorPosition(), 1);
    EXPECT_EQ(NString("15").DecimalSeparatorPosition(), -1);
}

// Blanks are spaces only (fixed columns, typed numbers, NString); comma-separated fields also
// drop tabs and line ends, and keep other control characters.
TEST(Trims, BlanksAreSpacesWhitespaceAddsTabsAndLineEnds)
{
    EXPECT_EQ(NString("  a b \t ").Trim(), "a b \t");
    EXPECT_EQ(NString("    ").Trim(), "");
    EXPECT_TRUE(NString("").IsBlank());
    EXPECT_TRUE(NString("   ").IsBlank());
    EXPECT_FALSE(NString(" \t").IsBlank());
    EXPECT_EQ(TrimWhitespace(" \t a b\r\n"), "a b");
    EXPECT_EQ(TrimWhitespace("\v1\f"), "\v1\f");
    EXPECT_EQ(TrimWhitespace("\r\n\t "), "");
}

TEST(NString, CaseAndTruncation)
{
    EXPECT_EQ(NString("AbÉz").ToLower(), "abÉz"); // ASCII rules: É is left alone
    EXPECT_EQ(NString("AbÉz").ToUpper(), "ABÉZ");
    NString text("abcdef");
    text.Truncate(10);
    EXPECT_EQ(text, "abcdef");
    text.Truncate(-1);
    EXPECT_EQ(text, "abcdef");
    text.Truncate(2);
    EXPECT_EQ(text, "ab");
    EXPECT_EQ(text.Length(), 2);
    EXPECT_EQ(text.At(1), 'b');
}

// ---- NFileName ---------------------------------------------------------------------------

struct PathCase {
    const char* path;
    const char* full;
    const char* drive;
    const char* directory;
    const char* directoryWithoutDrive;
    const char* name;
    const char* extension;
    friend void PrintTo(const PathCase& c, std::ostream* os)
    {
        *os << quelvan::test::Quoted(c.path);
    }
};

class NFileNameTest : public ::testing::TestWithParam<PathCase> { };

TEST_P(NFileNameTest, SplitsThePath)
{
    const PathCase& c = GetParam();
    const NFileName f(c.path);
    EXPECT_EQ(f.FullPath(), c.full);
    EXPECT_EQ(f.Drive(), c.drive);
    EXPECT_EQ(f.Directory(), c.directory);
    EXPECT_EQ(f.DirectoryWithoutDrive(), c.directoryWithoutDrive);
    EXPECT_EQ(f.Name(), c.name);
    EXPECT_EQ(f.Extension(), c.extension);
    EXPECT_EQ(f.PathWithoutExtension(), std::string(c.directory) + c.name);
}

INSTANTIATE_TEST_SUITE_P(Paths, NFileNameTest,
    ::testing::Values(PathCase { "C:\\dir\\proj.ksl", "C:\\dir\\proj.ksl", "C:", "C:\\dir\\",
                          "\\dir\\", "proj", "ksl" },
        PathCase { "Sans nom", "Sans nom", "", "", "", "Sans nom", "" },
        // Kept as given: blanks and a final dot are part of the file's name.
        PathCase { " proj.ksl", " proj.ksl", "", "", "", " proj", "ksl" },
        PathCase { "proj.ksl.", "proj.ksl.", "", "", "", "proj.ksl", "" },
        PathCase { "/home/user/my.projects/wall.ksl", "/home/user/my.projects/wall.ksl", "",
            "/home/user/my.projects/", "/home/user/my.projects/", "wall", "ksl" },
        PathCase { "C:\\a.b\\c", "C:\\a.b\\c", "C:", "C:\\a.b\\", "\\a.b\\", "c", "" },
        PathCase { "data/wall.v2.ksl", "data/wall.v2.ksl", "", "data/", "data/", "wall.v2", "ksl" },
        PathCase { "D:/mixed\\sep/x.res", "D:/mixed\\sep/x.res", "D:", "D:/mixed\\sep/",
            "/mixed\\sep/", "x", "res" },
        PathCase { "C:", "C:", "", "", "", "C:", "" }, // too short for a drive
        PathCase { "", "", "", "", "", "", "" }));

} // namespace
} // namespace quelvan
