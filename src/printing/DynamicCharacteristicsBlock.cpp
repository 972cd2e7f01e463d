#include "printing/DynamicCharacteristicsBlock.h"

#include "core/Messages.h"
#include "engine/DynamicCharacteristicsText.h"
#include "engine/SiWall.h"
#include "graphics/PainterOps.h"
#include "graphics/QtStrings.h"
#include "model/KslDoc.h"
#include "model/WallCheck.h"
#include "printing/ProjectDataTables.h"
#include "printing/ReportFrame.h"

#include <QPainter>

namespace quelvan::printing {

namespace {

// One line of text in the caption font; gives its height.
int DrawLine(QPainter& painter, int x, int y, const std::string& text, bool bold)
{
    const QFont previous = painter.font();
    painter.setFont(CaptionFont(bold));
    graphics::TextOutTopLeft(painter, x, y, ToQ(text), Qt::black);
    const int height = graphics::TextHeight(painter);
    painter.setFont(previous);
    return height;
}

} // namespace

graphics::NGridTable DynamicCharacteristicsTable(
    const DynamicCharacteristics& values, int rowHeight)
{
    const int rows = static_cast<int>(kDynamicValues.size()) + 1;
    graphics::NGridTable table;
    table.SetRowCount(rows);
    table.SetColumnCount(3);
    table.leftMargin = 12;
    for (int r = 0; r < rows; ++r) {
        table.Row(r).height = r == 0 ? rowHeight + rowHeight / 2 : rowHeight;
        for (int c = 0; c < 3; ++c)
            table.Cell(r, c).type = graphics::CellKind::Text;
    }
    for (int c = 0; c < 3; ++c)
        table.Column(c).autoWidth = true;
    table.Cell(0, 0).text = "Grandeur";
    table.Cell(0, 1).text = "Valeur";
    table.Cell(0, 2).text = "Unité";
    int row = 0;
    for (const DynamicValueInfo& info : kDynamicValues) {
        ++row;
        table.Cell(row, 0).text = info.label;
        table.Cell(row, 1).text = DynamicValueText(info, values);
        table.Cell(row, 2).text = *info.unit != '\0' ? info.unit : "-";
    }
    return table;
}

int DrawDynamicCharacteristics(QPainter& painter, const KslDoc& doc, const SurfaceTexts& surfaces,
    QPoint topLeft, int rowHeight)
{
    const int x = topLeft.x();
    int y = topLeft.y();
    // Spacing as between the captions and tables of the project data.
    y += DrawLine(painter, x, y, kDynamicCaption, true) + rowHeight / 4;
    WallCheck verdict;
    const auto wall = SiWallFromProject(doc.layers, surfaces, &verdict);
    const auto values
        = wall ? ComputeDynamicCharacteristics(*wall, kDailyPeriodHours) : std::nullopt;
    if (!values) {
        const std::string refusal = verdict.Passed() ? msg::kInternalError : verdict.Message();
        return y + DrawLine(painter, x, y, refusal, false) - topLeft.y();
    }
    graphics::NGridTable table = DynamicCharacteristicsTable(*values, rowHeight);
    return y + DrawTable(painter, table, x, y) - topLeft.y();
}

} // namespace quelvan::printing
