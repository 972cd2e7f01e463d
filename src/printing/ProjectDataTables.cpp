#include "printing/ProjectDataTables.h"

#include "core/NumberText.h"
#include "engine/EngineState.h"
#include "graphics/PainterOps.h"
#include "graphics/QtStrings.h"
#include "model/CBCData.h"
#include "model/KslDoc.h"
#include "model/WallTables.h"
#include "printing/ReportFrame.h"

#include <QPainter>
#include <algorithm>
#include <initializer_list>
#include <vector>

namespace quelvan::printing {

using graphics::CellKind;
using graphics::NGridTable;

namespace {

// Extra width given to every auto-fitted column, in report units.
constexpr int kColumnPadding = 30;

// A table of text cells, every column sized to its widest text, the header two lines high.
NGridTable MakeTable(int rows, int columns, int rowHeight, int leftMargin)
{
    NGridTable table;
    table.SetRowCount(rows);
    table.SetColumnCount(columns);
    table.leftMargin = leftMargin;
    for (int r = 0; r < rows; ++r) {
        table.Row(r).height = r == 0 ? 2 * rowHeight + 3 : rowHeight;
        for (int c = 0; c < columns; ++c)
            table.Cell(r, c).type = CellKind::Text;
    }
    for (int c = 0; c < columns; ++c)
        table.Column(c).autoWidth = true;
    return table;
}

void SetRowTexts(NGridTable& table, int row, std::initializer_list<std::string> texts)
{
    int c = 0;
    for (const std::string& text : texts)
        table.Cell(row, c++).text = text;
}

int DrawCaption(QPainter& painter, int x, int y, const std::string& text)
{
    const QFont previous = painter.font();
    painter.setFont(CaptionFont(true));
    const QString q = ToQ(text);
    graphics::TextOutTopLeft(painter, x, y, q, Qt::black);
    const int height = graphics::TextHeight(painter);
    painter.setFont(previous);
    return height;
}

} // namespace

NGridTable PlacementTable(int azimuthDegrees, int inclinationDegrees, int rowHeight)
{
    NGridTable table = MakeTable(3, 2, rowHeight, 12);
    table.Row(0).height = rowHeight + rowHeight / 2;
    SetRowTexts(table, 0, { "Données de la paroi", "Valeurs" });
    SetRowTexts(table, 1, { "Azimut", FormatInt("%d", azimuthDegrees) });
    SetRowTexts(table, 2, { "Inclinaison", FormatInt("%d", inclinationDegrees) });
    return table;
}

NGridTable LayersTable(const KslDoc& doc, int rowHeight)
{
    const int count = doc.layers.Count();
    NGridTable table = MakeTable(count + 1, 3, rowHeight, 12);
    SetRowTexts(table, 0, { "", "Epaisseur\n(mm)", "Matériau" });
    int row = 0;
    for (const NMaterialLayer& layer : doc.layers) {
        ++row;
        std::string number = FormatInt("%d", row);
        if (count >= 2 && row == 1)
            number += std::string(" (") + Describe(Side::Exterior).faceName + ")";
        else if (count >= 2 && row == count)
            number += std::string(" (") + Describe(Side::Interior).faceName + ")";
        const CMaterial* material = layer.Material();
        SetRowTexts(table, row,
            { number, layer.Thickness(), material != nullptr ? material->Name() : "?" });
    }
    return table;
}

NGridTable SurfacesTable(const CalculationInputs& form, int rowHeight)
{
    NGridTable table = MakeTable(3, 4, rowHeight, 12);
    auto name = [](const CBCData* ambiance) { return ambiance != nullptr ? ambiance->Name() : ""; };
    SetRowTexts(table, 0, { "", "Abs.\n(-)", "Résis.\n(m².K/W)", "Ambiance" });
    SetRowTexts(table, 1,
        { Describe(Side::Exterior).faceName, form.surfaces.absorptionExterior,
            form.surfaces.resistanceExterior, name(form.exteriorAmbiance) });
    SetRowTexts(table, 2,
        { Describe(Side::Interior).faceName, form.surfaces.absorptionInterior,
            form.surfaces.resistanceInterior, name(form.interiorAmbiance) });
    return table;
}

NGridTable AmbianceTable(const CBCData& ambiance, Component component, int rowHeight)
{
    if (ambiance.weatherFlag)
        return NGridTable {};
    const ProfileData& profile = ambiance.Profile(component);
    const ProfileTexts& texts = TextsOf(profile.type, component);
    NGridTable table = MakeTable(2, 3 + texts.columns, rowHeight, 8);
    SetRowTexts(table, 0, { "", "Période", "Forme" });
    SetRowTexts(table, 1,
        { Describe(component).name, PeriodName(profile.period),
            Describe(profile.type).reportName });
    for (int i = 0; i < texts.columns; ++i) {
        const auto k = static_cast<size_t>(i);
        table.Cell(0, 3 + i).text = texts.header[k];
        if (i < texts.valuesShown)
            table.Cell(1, 3 + i).text = profile.values[k];
    }
    return table;
}

int DrawTable(QPainter& painter, NGridTable& table, int x, int y)
{
    if (table.ColumnCount() == 0)
        return 0;
    table.SetPosition({ x, y });
    table.AutoFitWidths(painter);
    // The grid's own fit leaves 3 units either side of the widest text: too tight on paper.
    for (int c = 0; c < table.ColumnCount(); ++c)
        if (table.Column(c).autoWidth)
            table.Column(c).width += kColumnPadding + (c == 0 ? table.leftMargin : 0);
    table.Draw(painter);
    return table.TableRect().Height();
}

int DrawAmbianceTable(
    QPainter& painter, const CBCData& ambiance, Component component, int x, int y, int rowHeight)
{
    NGridTable table = AmbianceTable(ambiance, component, rowHeight);
    return DrawTable(painter, table, x, y);
}

int ProjectDataRowHeight(const KslDoc& doc, const CalculationInputs& form, int bodyHeight,
    int captionHeight, int maxRowHeight)
{
    // In row heights: placement 1.5 + 2, layers 2 + n, surfaces 2 + 2, three rows per
    // ambiance table, half a row after every table and a quarter after every caption.
    int tables = 3;
    double rows = 3.5 + 2 + doc.layers.Count() + 4;
    int captions = 1;
    auto ambiance = [&](const CBCData* a, bool captionAlways) {
        if (a == nullptr)
            return;
        if (captionAlways || !a->weatherFlag)
            ++captions;
        if (!a->weatherFlag) {
            tables += 2;
            rows += 6;
        }
    };
    ambiance(form.exteriorAmbiance, false);
    ambiance(form.interiorAmbiance, true);
    rows += 0.5 * tables + 0.25 * captions;
    // One grid line per row and three more per table.
    const double lines = rows + 3.0 * tables;
    const int available = bodyHeight - captions * captionHeight - static_cast<int>(lines);
    const int fitting = static_cast<int>(available / rows);
    return std::clamp(fitting, 20, maxRowHeight);
}

DrawnExtent DrawProjectData(QPainter& painter, const KslDoc& doc, const CalculationInputs& form,
    QPoint topLeft, int rowHeight)
{
    const int x = topLeft.x();
    const int gap = rowHeight / 2;
    int y = topLeft.y();
    int right = x;
    auto place = [&](NGridTable table) {
        const int height = DrawTable(painter, table, x, y);
        if (height > 0) {
            right = std::max(right, table.TableRect().right);
            y += height + gap;
        }
    };
    auto caption
        = [&](const std::string& text) { y += DrawCaption(painter, x, y, text) + gap / 2; };

    caption("Données de la paroi :");
    place(PlacementTable(
        AzimuthDegrees(form.azimuthIndex), InclinationDegrees(form.inclinationIndex), rowHeight));
    place(LayersTable(doc, rowHeight));
    place(SurfacesTable(form, rowHeight));
    auto ambiance = [&](const CBCData& record, Side side) {
        caption(Describe(side).reportCaption);
        for (const Component component : kComponents)
            place(AmbianceTable(record, component, rowHeight));
    };
    const CBCData* exterior = form.exteriorAmbiance;
    if (exterior != nullptr && !exterior->weatherFlag)
        ambiance(*exterior, Side::Exterior);
    if (const CBCData* interior = form.interiorAmbiance)
        ambiance(*interior, Side::Interior);
    return { y - gap, right };
}

} // namespace quelvan::printing
