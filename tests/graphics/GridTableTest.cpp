#include "GraphicsTestSupport.h"
#include "graphics/AmbianceIcons.h"
#include "graphics/FontLadder.h"
#include "graphics/NGridTable.h"

#include <QFontMetrics>
#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace quelvan::graphics {
namespace {

using test::IsDarkInk;

QImage Render(const NGridTable& grid, int w = 400, int h = 200)
{
    QImage image = test::BlankImage(w, h);
    QPainter painter(&image);
    grid.Draw(painter);
    return image;
}

// Rows of the image (within a column span) that hold dark ink.
std::vector<int> InkRows(const QImage& image, int x0, int x1, int y0, int y1)
{
    std::vector<int> rows;
    for (int y = y0; y < y1; ++y)
        if (test::CountPixels(image, QRect(x0, y, x1 - x0, 1), IsDarkInk) > 0)
            rows.push_back(y);
    return rows;
}

int Bands(const std::vector<int>& rows)
{
    int bands = 0;
    for (size_t i = 0; i < rows.size(); ++i)
        bands += (i == 0 || rows[i] != rows[i - 1] + 1) ? 1 : 0;
    return bands;
}

TEST(NGridTable, HitTestFindsCellsAndFlagsOutside)
{
    NGridTable grid;
    grid.SetColumnCount(2);
    grid.SetRowCount(3);
    const GridHit inside = grid.HitTest({ 100, 50 });
    EXPECT_EQ(inside.row, 1);
    EXPECT_EQ(inside.column, 1);
    EXPECT_FALSE(inside.outside);
    EXPECT_TRUE(grid.HitTest({ 300, 50 }).outside);
    EXPECT_TRUE(grid.HitTest({ 50, 150 }).outside);
}

TEST(NGridTable, RowsMoveWithTheirInfo)
{
    NGridTable grid;
    grid.SetColumnCount(1);
    grid.SetRowCount(4);
    for (int r = 1; r < 4; ++r)
        grid.Cell(r, 0).tag = 100 + r;
    grid.Row(1).selected = true;
    grid.MoveRow(1, 3);
    EXPECT_EQ(grid.Cell(3, 0).tag, 101);
    EXPECT_TRUE(grid.Row(3).selected);
    EXPECT_EQ(grid.FindRowByTag(0, 102), 1);
    grid.DeleteRow(1);
    EXPECT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(grid.FindRowByTag(0, 102), -1);
    grid.InsertRowAfter(0);
    EXPECT_EQ(grid.Cell(1, 0).type, CellKind::Nothing);
    EXPECT_EQ(grid.FindRowByTag(0, 103), 2);
}

TEST(NGridTable, HeaderWithLineBreakDrawsTwoLinesFromTheSameTop)
{
    NGridTable grid;
    grid.SetColumnCount(1);
    grid.SetRowCount(2);
    grid.Column(0).width = 120;
    grid.Cell(0, 0).text = "Epaisseur\n(mm)";
    const QImage two = Render(grid);
    grid.Cell(0, 0).text = "Epaisseur";
    const QImage one = Render(grid);
    // Header cell interior: x 3..118, y 3..41 (inside the button edges).
    const std::vector<int> rowsTwo = InkRows(two, 3, 118, 3, 41);
    const std::vector<int> rowsOne = InkRows(one, 3, 118, 3, 41);
    EXPECT_EQ(Bands(rowsTwo), 2);
    EXPECT_EQ(Bands(rowsOne), 1);
    ASSERT_FALSE(rowsOne.empty());
    EXPECT_EQ(rowsOne.front(), rowsTwo.front());
}

TEST(NGridTable, HeaderOnlyGridDrawsNothingBelowTheHeader)
{
    NGridTable grid;
    grid.SetColumnCount(2);
    grid.Cell(0, 0).text = "Nom";
    const QImage image = Render(grid);
    EXPECT_GT(test::CountDifferent(image, QRect(0, 0, 200, 44), Qt::white), 100);
    EXPECT_EQ(test::CountDifferent(image, QRect(0, 45, 400, 155), Qt::white), 0);
}

TEST(NGridTable, RowNumberColumnShowsNumbersWhateverTheCellsHold)
{
    NGridTable grid;
    grid.SetColumnCount(1);
    grid.SetRowCount(3);
    grid.Row(1).height = grid.Row(2).height = 20;
    grid.Column(0).width = 200;
    grid.Column(0).rowNumber = true;
    for (int r = 1; r < 3; ++r) {
        grid.Cell(r, 0).type = CellKind::Text;
        grid.Cell(r, 0).text = "WWWWWWWWWWWWWWWW";
    }
    const QImage image = Render(grid);
    // A single digit centred in the 200-unit cell: ink only near x = 100.
    for (int r = 1; r < 3; ++r) {
        const QRect row(1, grid.RowTop(r), 200, 20);
        EXPECT_GT(test::CountPixels(image, row, IsDarkInk), 5);
        EXPECT_EQ(test::CountPixels(image, QRect(1, grid.RowTop(r), 80, 20), IsDarkInk), 0);
        EXPECT_EQ(test::CountPixels(image, QRect(121, grid.RowTop(r), 79, 20), IsDarkInk), 0);
    }
}

TEST(NGridTable, AutoFitNeverNarrowerThanTheMinimumPlusSix)
{
    NGridTable grid;
    grid.SetColumnCount(3);
    grid.SetRowCount(2);
    for (int c = 0; c < 3; ++c) {
        grid.Column(c).autoWidth = true;
        grid.Cell(1, c).type = CellKind::Text;
    }
    grid.Column(0).minimumWidth = 100;
    grid.Cell(1, 0).text = "ab";
    grid.Cell(1, 1).text = "Brique pleine de terre cuite";
    grid.Cell(0, 2).text = "Masse vol.\n(kg/m3) de la couche";
    grid.Column(2).width = 5;
    QImage image = test::BlankImage(10, 10);
    QPainter painter(&image);
    grid.AutoFitWidths(painter);
    EXPECT_EQ(grid.Column(0).width, 106);
    grid.SelectGridFont(painter);
    const QFontMetrics m = painter.fontMetrics();
    EXPECT_EQ(grid.Column(1).width, m.horizontalAdvance("Brique pleine de terre cuite") + 6);
    EXPECT_EQ(grid.Column(2).width, m.horizontalAdvance("(kg/m3) de la couche") + 6);
}

TEST(NGridTable, InnerVerticalLinesOnlyWhenAsked)
{
    NGridTable grid;
    grid.SetColumnCount(3);
    grid.SetRowCount(3);
    grid.drawHeader = false;
    grid.fillBackground = false;
    const int y = grid.RowTop(1) + 5;
    const int inner = grid.ColumnRight(0);
    const int right = grid.ColumnRight(2);
    const QImage with = Render(grid);
    EXPECT_EQ(with.pixelColor(inner, y), QColor(Qt::black));
    grid.innerVerticalLines = false;
    const QImage without = Render(grid);
    EXPECT_EQ(without.pixelColor(inner, y), QColor(Qt::white));
    EXPECT_EQ(without.pixelColor(grid.ColumnRight(1), y), QColor(Qt::white));
    EXPECT_EQ(without.pixelColor(0, y), QColor(Qt::black));
    EXPECT_EQ(without.pixelColor(right, y), QColor(Qt::black));
}

TEST(NGridTable, SelectedRowIsBlueWithWhiteText)
{
    NGridTable grid;
    grid.SetColumnCount(1);
    grid.SetRowCount(2);
    grid.Cell(1, 0).type = CellKind::Text;
    grid.Cell(1, 0).text = "Béton";
    grid.Row(1).selected = true;
    const QImage image = Render(grid);
    const QRect row(1, grid.RowTop(1), 90, grid.Row(1).height);
    EXPECT_GT(test::CountColour(image, row, QColor(0, 0, 255)), 500);
    EXPECT_GT(test::CountColour(image, row, QColor(Qt::white)), 5);
    EXPECT_EQ(test::CountPixels(image, row, IsDarkInk), 0);
}

TEST(AmbianceIcons, EachProfileDrawnInBlackOnTheYellowGround)
{
    const QColor black(Qt::black);
    const QColor ground(242, 240, 145);
    for (const ProfileType type : { ProfileType::Null, ProfileType::Constant, ProfileType::Sinusoid,
             ProfileType::Ramp, ProfileType::Square, ProfileType::Solar }) {
        const QImage& icon = AmbianceIcons::Icon(type);
        ASSERT_EQ(icon.size(), QSize(22, 16));
        EXPECT_EQ(icon.pixelColor(0, 0), ground);
        EXPECT_GE(test::CountColour(icon, icon.rect(), black), 20);
    }
    const QImage& sine = AmbianceIcons::Icon(ProfileType::Sinusoid);
    for (int x : { 3, 5, 11, 16 }) {
        const int y = static_cast<int>(8.0 - 3.0 * std::sin(x * 2.0 * std::numbers::pi / 22.0));
        EXPECT_EQ(sine.pixelColor(x, y), black) << x;
    }
    const QImage& ramp = AmbianceIcons::Icon(ProfileType::Ramp); // low on the left, high after
    EXPECT_EQ(ramp.pixelColor(3, 11), black);
    EXPECT_EQ(ramp.pixelColor(18, 5), black);
    const QImage& sun = AmbianceIcons::Icon(ProfileType::Solar);
    EXPECT_EQ(sun.pixelColor(11, 8), ground); // an outline only
    EXPECT_FALSE(AmbianceIcons::Icon(ProfileType::Weather).isNull());
    EXPECT_TRUE(AmbianceIcons::Icon(ProfileType::Unknown).isNull());
}

} // namespace
} // namespace quelvan::graphics
