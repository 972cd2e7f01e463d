#include "printing/WallValuesPage.h"

#include "core/NumberText.h"
#include "engine/EngineState.h"
#include "graphics/PainterOps.h"
#include "model/KslDoc.h"
#include "printing/ProjectDataTables.h"
#include "printing/ReportFrame.h"
#include "printing/ReportPlot.h"

#include <QPainter>
#include <algorithm>
#include <vector>

namespace quelvan::printing {

namespace {

// Space between the tables and the plots, and between the two plots.
constexpr int kPlotSpacing = 150;

} // namespace

double WallThicknessMillimetres(const KslDoc& doc, const RunView& run)
{
    if (run.prepared && run.totalThickness > 0.0f)
        return static_cast<double>(run.totalThickness) * 1000.0;
    double sum = 0.0;
    for (const NMaterialLayer& layer : doc.layers) {
        float e = 0.0f;
        if (ParseFloat(layer.Thickness(), e))
            sum += e;
    }
    return sum;
}

void DrawWallValuesPage(QPainter& painter, const QRect& body, const KslDoc& doc,
    const CalculationInputs& form, const RunView& run, int rowHeight)
{
    const DrawnExtent tables
        = DrawProjectData(painter, doc, form, body.topLeft() + QPoint(0, kBodyTopGap), rowHeight);

    const int left = std::max(tables.right + kPlotSpacing, body.left() + body.width() * 2 / 5);
    const int width = body.right() + 1 - left;
    const QFont previousFont = painter.font();
    painter.setFont(CaptionFont(true));
    const int captionHeight = graphics::TextHeight(painter);
    const int plotHeight = (body.height() - 2 * captionHeight - kPlotSpacing - 2 * kBodyTopGap) / 2;

    // Node abscissae in millimetres; only nodes that have both a position and a value.
    const NodeProfiles& nodes = run.nodes;
    const size_t count = std::min({ nodes.x.size(), nodes.T.size(), nodes.Phi.size() });
    std::vector<float> abscissae(count);
    for (size_t i = 0; i < count; ++i)
        abscissae[i] = nodes.x[i] * 1000.0f;
    const double thickness = WallThicknessMillimetres(doc, run);

    struct Profile {
        const char* name;
        const char* yTitle;
        std::span<const float> values;
        bool zeroLine;
    };
    const std::array<Profile, 2> profiles { {
        { "Température dans la paroi", "T (°C)", std::span(nodes.T).first(count), false },
        { "Flux de chaleur dans la paroi", "F (W/m²)", std::span(nodes.Phi).first(count), true },
    } };

    ReportPlot plot(5);
    int top = body.top() + kBodyTopGap;
    for (const Profile& profile : profiles) {
        painter.setFont(CaptionFont(true));
        const int plotMiddle = (plot.Chart().PlotOrigin().x + plot.Chart().PlotCorner().x) / 2;
        DrawCentredText(painter, left + width * plotMiddle / 1000, top, profile.name);
        const QRect cell(left, top + captionHeight, width, plotHeight);
        PlotContent content;
        content.xTitle = "Abscisse (mm)";
        content.xLabelStart = "0";
        content.xLabelEnd = FormatDouble("%.0f", thickness);
        content.yTitle = profile.yTitle;
        content.y = profile.values;
        content.x = abscissae;
        content.xMax = static_cast<float>(std::max(thickness, 1e-3));
        content.zeroLineAllowed = profile.zeroLine;
        plot.Draw(painter, cell, content);
        top = cell.bottom() + 1 + kPlotSpacing;
    }
    painter.setFont(previousFont);
}

} // namespace quelvan::printing
