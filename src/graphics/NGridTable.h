#pragma once

#include "graphics/Geometry.h"
#include "model/Colour.h"

#include <QImage>
#include <string>
#include <vector>

class QPainter;

namespace quelvan::graphics {

// What a grid cell shows.
enum class CellKind : int { CheckBox = 0, ColourSwatch = 1, Text = 2, Bitmap = 3, Nothing = 4 };

// One cell of a grid table.
struct GridCell {
    CellKind type = CellKind::Nothing;
    std::string text;
    bool pressed = false; // header cells drawn pushed
    bool checked = false;
    int tag = 0; // a record number or any value the user looks rows up by
    QImage bitmap; // bitmap cells
    Colour colour = 0; // colour swatch cells
};

struct GridRowInfo {
    int height = 20;
    bool selected = false;
};

struct GridColumnInfo {
    int width = 90;
    int minimumWidth = 0;
    bool autoWidth = false;
    bool rowNumber = false; // the column shows the row number instead of its cells
};

// Where a point falls in the grid. Row and column are -1 before the first one; outside is
// set whenever the point is not on a cell (before the first or beyond the last row or column).
struct GridHit {
    int row = -1;
    int column = -1;
    bool outside = true;
};

// A table of typed cells drawn in device units under a header row of push-button faces, with
// per-column widths, per-row heights, row selection, automatic column widths and a hit test.
// Rows and columns are separated by one-unit grid lines.
class NGridTable {
public:
    static constexpr int kHeaderHeight = 42;

    // One row (the header), no columns.
    NGridTable();
    virtual ~NGridTable() = default;

    int RowCount() const { return static_cast<int>(rows_.size()); }
    int ColumnCount() const { return static_cast<int>(columns_.size()); }
    // Row 0 is the header; new rows get empty cells, surplus rows are destroyed.
    void SetRowCount(int count);
    // Every row gets exactly count cells; new columns are 90 units wide.
    void SetColumnCount(int count);

    GridCell& Cell(int row, int column);
    const GridCell& Cell(int row, int column) const;
    // Makes the cell a text cell showing that text.
    void SetText(int row, int column, std::string text);
    GridRowInfo& Row(int row) { return rowInfos_[static_cast<size_t>(row)]; }
    const GridRowInfo& Row(int row) const { return rowInfos_[static_cast<size_t>(row)]; }
    GridColumnInfo& Column(int column) { return columns_[static_cast<size_t>(column)]; }
    const GridColumnInfo& Column(int column) const { return columns_[static_cast<size_t>(column)]; }

    IPoint Position() const { return position_; }
    void SetPosition(IPoint position) { position_ = position; }
    int leftMargin = 3; // indent of column-0 texts
    int backgroundIndex = 16; // palette index of the background fill
    bool horizontalLines = true;
    bool innerVerticalLines = true;
    bool fillBackground = true;
    bool drawHeader = true; // row 0 drawn as push buttons

    // First row whose cell in that column has that tag; -1 when none.
    int FindRowByTag(int column, int tag) const;
    // The cells and the row info travel together.
    void InsertRowAfter(int row);
    void DeleteRow(int row);
    void MoveRow(int from, int to);

    // Left edge of a column's cells and the x of the grid line after it (likewise rows).
    int ColumnLeft(int column) const;
    int ColumnRight(int column) const { return ColumnLeft(column) + Column(column).width; }
    int RowTop(int row) const;
    int RowBottom(int row) const { return RowTop(row) + Row(row).height; }
    // From the origin to one past the last grid line.
    IRect TableRect() const;

    // Auto-width columns become max(minimum, widest measured cell) + 6, measured in the
    // grid's font; a header text with a line break counts by its wider line.
    void AutoFitWidths(QPainter& painter);
    GridHit HitTest(IPoint point) const;
    void Draw(QPainter& painter) const;

    // The largest font of the printing ladder in which "x" fits 200 units by the first body
    // row's height minus 2 (the header's when there is no body row); selected on the painter.
    void SelectGridFont(QPainter& painter) const;

private:
    void DrawHeaderCell(QPainter& painter, int column) const;
    void DrawBodyCell(QPainter& painter, int row, int column) const;
    int MeasureCell(QPainter& painter, int row, int column) const;

    IPoint position_;
    std::vector<std::vector<GridCell>> rows_;
    std::vector<GridRowInfo> rowInfos_;
    std::vector<GridColumnInfo> columns_;
};

} // namespace quelvan::graphics
