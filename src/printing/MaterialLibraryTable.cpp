#include "printing/MaterialLibraryTable.h"

#include "model/CMaterial.h"
#include "model/KslDoc.h"

#include <algorithm>
#include <array>

namespace quelvan::printing {

using graphics::CellKind;
using graphics::NGridTable;

NGridTable MaterialLibraryTable(const KslDoc& doc, int drawingWidth, int rowHeight)
{
    static constexpr std::array<const char*, 6> kHeaders { "Nom", kMaterialValueHeaders[0],
        kMaterialValueHeaders[1], kMaterialValueHeaders[2], kMaterialValueHeaders[3],
        kPrintedEffusivityHeader };
    NGridTable table;
    table.SetRowCount(doc.materials.Count() + 1);
    table.SetColumnCount(static_cast<int>(kHeaders.size()));
    table.leftMargin = 12;
    const int width = drawingWidth - 50;
    const int valueWidth = static_cast<int>(0.12 * width);
    table.Column(0).width = width - 5 * valueWidth;
    for (int c = 1; c < table.ColumnCount(); ++c)
        table.Column(c).width = valueWidth;
    table.Row(0).height = 2 * rowHeight + 3;
    for (int c = 0; c < table.ColumnCount(); ++c) {
        table.Cell(0, c).type = CellKind::Text;
        table.Cell(0, c).text = kHeaders[static_cast<size_t>(c)];
    }
    int row = 0;
    for (const CMaterial& material : doc.materials) {
        ++row;
        table.Row(row).height = rowHeight;
        const MaterialDerivedTexts derived
            = DerivedTexts(material.Conductivity(), material.Density(), material.Capacity());
        const std::array<std::string, 6> texts { material.Name(), material.Conductivity(),
            material.Density(), material.Capacity(), derived.diffusivity, derived.effusivity };
        for (int c = 0; c < table.ColumnCount(); ++c) {
            table.Cell(row, c).type = CellKind::Text;
            table.Cell(row, c).text = texts[static_cast<size_t>(c)];
        }
    }
    return table;
}

int LibraryRowHeight(int materialCount, int bodyHeight, int maxRowHeight, int minRowHeight)
{
    // Rows plus the double header, and one grid line per row.
    const int rows = materialCount + 2;
    const int fitting = (bodyHeight - rows - 3) / rows;
    return std::clamp(fitting, minRowHeight, maxRowHeight);
}

} // namespace quelvan::printing
