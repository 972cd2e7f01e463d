#include "graphics/NGridTable.h"

#include "core/NumberText.h"
#include "graphics/DrawPalette.h"
#include "graphics/FontLadder.h"
#include "graphics/PainterOps.h"
#include "graphics/QtStrings.h"

#include <QPainter>
#include <algorithm>

namespace quelvan::graphics {

namespace {

constexpr int kCheckSize = 12;
constexpr int kSwatchInset = 4;
constexpr int kAutoFitPadding = 6;

// A push-button face: raised, or sunken when pressed.
void DrawButtonFace(QPainter& painter, const IRect& r, bool pressed)
{
    FillBox(painter, r, QColor(240, 240, 240));
    const int l = r.left;
    const int t = r.top;
    const int rr = r.right - 1;
    const int b = r.bottom - 1;
    if (rr <= l || b <= t)
        return;
    const QPen previous = painter.pen();
    if (pressed) {
        painter.setPen(QColor(160, 160, 160));
        painter.drawLine(l, t, rr, t);
        painter.drawLine(l, t, l, b);
    } else {
        painter.setPen(Qt::white);
        painter.drawLine(l, t, rr - 1, t);
        painter.drawLine(l, t, l, b - 1);
        painter.setPen(QColor(160, 160, 160));
        painter.drawLine(l + 1, b - 1, rr - 1, b - 1);
        painter.drawLine(rr - 1, t + 1, rr - 1, b - 1);
        painter.setPen(QColor(105, 105, 105));
        painter.drawLine(l, b, rr, b);
        painter.drawLine(rr, t, rr, b);
    }
    painter.setPen(previous);
}

// Inverts what lies under a device rectangle (a selected row's check boxes and swatches).
void InvertBox(QPainter& painter, const IRect& r)
{
    const QPainter::CompositionMode mode = painter.compositionMode();
    painter.setCompositionMode(QPainter::CompositionMode_Difference);
    FillBox(painter, r, Qt::white);
    painter.setCompositionMode(mode);
}

std::pair<QString, QString> SplitHeader(const std::string& text)
{
    const QString all = ToQ(text);
    const qsizetype cut = all.indexOf(QLatin1Char('\n'));
    if (cut < 0)
        return { all, QString() };
    return { all.left(cut), all.mid(cut + 1) };
}

} // namespace

NGridTable::NGridTable()
{
    rows_.emplace_back();
    rowInfos_.push_back(GridRowInfo { kHeaderHeight, false });
}

void NGridTable::SetRowCount(int count)
{
    count = std::max(count, 1);
    rows_.resize(static_cast<size_t>(count), std::vector<GridCell>(columns_.size()));
    rowInfos_.resize(static_cast<size_t>(count));
}

void NGridTable::SetColumnCount(int count)
{
    count = std::max(count, 0);
    for (auto& row : rows_)
        row.resize(static_cast<size_t>(count));
    columns_.resize(static_cast<size_t>(count));
}

GridCell& NGridTable::Cell(int row, int column)
{
    return rows_[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

const GridCell& NGridTable::Cell(int row, int column) const
{
    return rows_[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

void NGridTable::SetText(int row, int column, std::string text)
{
    GridCell& cell = Cell(row, column);
    cell.type = CellKind::Text;
    cell.text = std::move(text);
}

int NGridTable::FindRowByTag(int column, int tag) const
{
    if (column < 0 || column >= ColumnCount())
        return -1;
    for (int r = 0; r < RowCount(); ++r)
        if (Cell(r, column).tag == tag)
            return r;
    return -1;
}

void NGridTable::InsertRowAfter(int row)
{
    const size_t at = static_cast<size_t>(std::clamp(row + 1, 1, RowCount()));
    rows_.insert(
        rows_.begin() + static_cast<std::ptrdiff_t>(at), std::vector<GridCell>(columns_.size()));
    const int height = RowCount() > 2 ? rowInfos_.back().height : GridRowInfo {}.height;
    rowInfos_.insert(rowInfos_.begin() + static_cast<std::ptrdiff_t>(at), GridRowInfo { height });
}

void NGridTable::DeleteRow(int row)
{
    // The header row stays.
    if (row < 1 || row >= RowCount())
        return;
    rows_.erase(rows_.begin() + row);
    rowInfos_.erase(rowInfos_.begin() + row);
}

void NGridTable::MoveRow(int from, int to)
{
    if (from < 1 || from >= RowCount() || to < 1 || to >= RowCount() || from == to)
        return;
    auto cells = std::move(rows_[static_cast<size_t>(from)]);
    const GridRowInfo info = rowInfos_[static_cast<size_t>(from)];
    rows_.erase(rows_.begin() + from);
    rowInfos_.erase(rowInfos_.begin() + from);
    rows_.insert(rows_.begin() + to, std::move(cells));
    rowInfos_.insert(rowInfos_.begin() + to, info);
}

int NGridTable::ColumnLeft(int column) const
{
    int x = position_.x + 1;
    for (int c = 0; c < column; ++c)
        x += Column(c).width + 1;
    return x;
}

int NGridTable::RowTop(int row) const
{
    int y = position_.y + 1;
    for (int r = 0; r < row; ++r)
        y += Row(r).height + 1;
    return y;
}

IRect NGridTable::TableRect() const
{
    const int right = ColumnCount() > 0 ? ColumnRight(ColumnCount() - 1) + 1 : position_.x + 1;
    return { position_.x, position_.y, right, RowBottom(RowCount() - 1) + 1 };
}

void NGridTable::SelectGridFont(QPainter& painter) const
{
    const int rowHeight = RowCount() > 1 ? Row(1).height : Row(0).height;
    FitFont(painter, FontLadder::Arial(), 200, rowHeight - 2, QStringLiteral("x"));
}

int NGridTable::MeasureCell(QPainter& painter, int row, int column) const
{
    if (row > 0 && Column(column).rowNumber)
        return TextExtent(painter, ToQ(FormatInt("%d", row))).width();
    const GridCell& cell = Cell(row, column);
    if (row == 0) {
        const auto [first, second] = SplitHeader(cell.text);
        return std::max(TextExtent(painter, first).width(), TextExtent(painter, second).width());
    }
    switch (cell.type) {
    case CellKind::Text:
        return TextExtent(painter, ToQ(cell.text)).width() + (column == 0 ? leftMargin : 0);
    case CellKind::CheckBox:
        return kCheckSize + 2;
    case CellKind::ColourSwatch:
        return 2 * kSwatchInset + 1;
    case CellKind::Bitmap:
        return cell.bitmap.width();
    default:
        return 0;
    }
}

void NGridTable::AutoFitWidths(QPainter& painter)
{
    const QFont previous = painter.font();
    SelectGridFont(painter);
    for (int c = 0; c < ColumnCount(); ++c) {
        if (!Column(c).autoWidth)
            continue;
        int widest = 0;
        for (int r = 0; r < RowCount(); ++r)
            widest = std::max(widest, MeasureCell(painter, r, c));
        Column(c).width = std::max(Column(c).minimumWidth, widest) + kAutoFitPadding;
    }
    painter.setFont(previous);
}

GridHit NGridTable::HitTest(IPoint point) const
{
    GridHit hit;
    // Each cell owns the grid line after it.
    if (point.x >= position_.x + 1) {
        hit.column = ColumnCount();
        for (int c = 0; c < ColumnCount(); ++c)
            if (point.x <= ColumnRight(c)) {
                hit.column = c;
                break;
            }
    }
    if (point.y >= position_.y + 1) {
        hit.row = RowCount();
        for (int r = 0; r < RowCount(); ++r)
            if (point.y <= RowBottom(r)) {
                hit.row = r;
                break;
            }
    }
    hit.outside
        = hit.row < 0 || hit.column < 0 || hit.row >= RowCount() || hit.column >= ColumnCount();
    return hit;
}

void NGridTable::Draw(QPainter& painter) const
{
    const QFont previousFont = painter.font();
    const QPen previousPen = painter.pen();
    SelectGridFont(painter);
    painter.setBackgroundMode(Qt::TransparentMode);
    const IRect table = TableRect();
    if (fillBackground)
        FillBox(painter, table, PaletteQColor(backgroundIndex));
    if (drawHeader)
        for (int c = 0; c < ColumnCount(); ++c)
            DrawButtonFace(painter, { ColumnLeft(c), RowTop(0), ColumnRight(c), RowBottom(0) },
                Cell(0, c).pressed);
    for (int r = 1; r < RowCount(); ++r)
        if (Row(r).selected)
            FillBox(painter, { table.left, RowTop(r), table.right, RowBottom(r) },
                PaletteQColor(kPaletteBlue));

    painter.setPen(QPen(Qt::black, 0));
    const int last = table.bottom - 1;
    painter.drawLine(table.left, table.top, table.left, last);
    for (int c = 0; c < ColumnCount(); ++c) {
        const bool outer = c == ColumnCount() - 1;
        if (outer || innerVerticalLines)
            painter.drawLine(ColumnRight(c), table.top, ColumnRight(c), last);
    }
    if (horizontalLines) {
        painter.drawLine(table.left, table.top, table.right - 1, table.top);
        for (int r = 0; r < RowCount(); ++r)
            painter.drawLine(table.left, RowBottom(r), table.right - 1, RowBottom(r));
    }

    for (int c = 0; c < ColumnCount(); ++c)
        DrawHeaderCell(painter, c);
    for (int r = 1; r < RowCount(); ++r)
        for (int c = 0; c < ColumnCount(); ++c)
            DrawBodyCell(painter, r, c);
    painter.setPen(previousPen);
    painter.setFont(previousFont);
}

void NGridTable::DrawHeaderCell(QPainter& painter, int column) const
{
    const GridCell& cell = Cell(0, column);
    const auto [first, second] = SplitHeader(cell.text);
    const int lineHeight = TextHeight(painter);
    const int left = ColumnLeft(column);
    const int width = Column(column).width;
    int y = RowTop(0) + (Row(0).height - 2 * lineHeight) / 3 + (cell.pressed ? 1 : 0);
    for (const QString& line : { first, second }) {
        if (!line.isEmpty()) {
            const int w = TextExtent(painter, line).width();
            TextOutTopLeft(painter, left + (width - w) / 2, y, line, Qt::black);
        }
        y += lineHeight + 1;
    }
}

void NGridTable::DrawBodyCell(QPainter& painter, int row, int column) const
{
    const GridCell& cell = Cell(row, column);
    const bool selected = Row(row).selected;
    const QColor textColour = selected ? QColor(Qt::white) : QColor(Qt::black);
    const IRect box { ColumnLeft(column), RowTop(row), ColumnRight(column), RowBottom(row) };
    auto centredText = [&](const QString& text, bool leftAligned) {
        const QSize extent = TextExtent(painter, text);
        const int x
            = leftAligned ? box.left + leftMargin : box.left + (box.Width() - extent.width()) / 2;
        const int y = box.top + (box.Height() - extent.height()) / 2 + 1;
        TextOutTopLeft(painter, x, y, text, textColour);
    };
    if (Column(column).rowNumber) {
        centredText(ToQ(FormatInt("%d", row)), false);
        return;
    }
    switch (cell.type) {
    case CellKind::Text:
        centredText(ToQ(cell.text), column == 0);
        break;
    case CellKind::CheckBox: {
        const int x = box.left + (box.Width() - kCheckSize) / 2;
        const int y = box.top + (box.Height() - kCheckSize) / 2;
        const IRect square { x, y, x + kCheckSize, y + kCheckSize };
        painter.setPen(QPen(Qt::black, 0));
        painter.setBrush(Qt::white);
        DrawBoxRectangle(painter, square);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(x, y, kCheckSize - 1, kCheckSize - 1));
        painter.drawRect(QRect(x - 1, y - 1, kCheckSize + 1, kCheckSize + 1));
        if (cell.checked) {
            painter.drawLine(x, y, x + kCheckSize - 1, y + kCheckSize - 1);
            painter.drawLine(x, y + kCheckSize - 1, x + kCheckSize - 1, y);
        }
        if (selected)
            InvertBox(painter, square);
        break;
    }
    case CellKind::ColourSwatch: {
        const IRect swatch { box.left + kSwatchInset, box.top + kSwatchInset,
            box.right + 1 - kSwatchInset, box.bottom + 1 - kSwatchInset };
        FillBox(painter, swatch, ToQColor(cell.colour));
        if (selected)
            InvertBox(painter, swatch);
        break;
    }
    case CellKind::Bitmap: {
        if (cell.bitmap.isNull())
            break;
        QImage image = cell.bitmap;
        if (selected)
            image.invertPixels();
        painter.drawImage(QPoint(box.left + (box.Width() - image.width()) / 2,
                              box.top + (box.Height() - image.height()) / 2),
            image);
        break;
    }
    default:
        break;
    }
}

} // namespace quelvan::graphics
