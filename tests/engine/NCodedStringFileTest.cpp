#include "engine/NCodedString.h"

#include "EngineTestSupport.h"

#include <gtest/gtest.h>

namespace quelvan {
namespace {

using test::TempFolder;
using test::WriteWeatherFile;

NCodedString FileProfile(const std::string& path, int column)
{
    NCodedString p;
    p.SetDimension("HD7");
    p.SetDataKind('S');
    p.SetValueUnit('R');
    p.SetFileAndColumn(path, column);
    return p;
}

double LineTemperature(int j)
{
    return (j % 1000) * 0.1;
}

TEST(NCodedStringFile, YearFileGivesOneSegmentPerHourAndWraps)
{
    TempFolder folder("quelvan-year");
    const std::string path = folder.File("FR_Essai.wth");
    WriteWeatherFile(path, 8760);
    NCodedString p = FileProfile(path, 2);
    ASSERT_EQ(p.FinalizeProfile(-1, 10000000000.0), ProfileFault::None);
    ASSERT_EQ(p.Segments().size(), 8760u);
    EXPECT_FLOAT_EQ(p.Span(), 8760.0f * 3600.0f);
    // Time 0 is the last hour of the year; line j is the value at the end of hour j.
    EXPECT_NEAR(p.EvaluateProfile(0), LineTemperature(8760), 1e-5);
    for (int j : { 1, 2, 500, 4321, 8759, 8760 })
        EXPECT_NEAR(p.EvaluateProfile(3600.0 * j), LineTemperature(j), 1e-4) << j;
    // Linear between two lines.
    EXPECT_NEAR(p.EvaluateProfile(3600.0 * 10 + 1800),
        (LineTemperature(10) + LineTemperature(11)) / 2, 1e-4);
    // Past the end of the year the file starts again: day 365 + 2 days.
    const double t0 = 364 * 86400.0;
    EXPECT_NEAR(p.EvaluateProfile(t0 + 3600.0 * 24), LineTemperature(8760), 1e-4);
    EXPECT_NEAR(p.EvaluateProfile(t0 + 3600.0 * 30), LineTemperature(6), 1e-3);
    EXPECT_NEAR(p.EvaluateProfile(t0 + 3600.0 * 167), LineTemperature(143), 1e-3);
}

TEST(NCodedStringFile, MissingEmptyAndMalformedFilesAreRefused)
{
    TempFolder folder("quelvan-bad");
    EXPECT_EQ(
        FileProfile(folder.File("absent.wth"), 2).FinalizeProfile(-1, 1e10), ProfileFault::NoLines);

    const std::string headerOnly = folder.File("header.wth");
    WriteWeatherFile(headerOnly, 0);
    NCodedString header = FileProfile(headerOnly, 2);
    EXPECT_EQ(header.FinalizeProfile(-1, 1e10), ProfileFault::NoSegment);
    EXPECT_EQ(header.FileError().fault, ReadFault::Empty);

    const std::string empty = folder.File("empty.wth");
    {
        std::ofstream out(empty);
    }
    EXPECT_EQ(FileProfile(empty, 2).FinalizeProfile(-1, 1e10), ProfileFault::NoLines);

    const std::string text = folder.File("text.wth");
    {
        std::ofstream out(text);
        out << "h\tT\n1\t12\n2\tdouze\n";
    }
    EXPECT_EQ(FileProfile(text, 2).FinalizeProfile(-1, 1e10), ProfileFault::BadCell);

    // A column the lines do not have.
    EXPECT_EQ(FileProfile(text, 9).FinalizeProfile(-1, 1e10), Failure::TableSplit);
}

} // namespace
} // namespace quelvan
