#include "printing/CondensationPage.h"

#include "core/NumberText.h"
#include "engine/moisture/GlaserDiagram.h"
#include "engine/moisture/MoistureAdvice.h"
#include "graphics/GlaserPlot.h"
#include "graphics/PainterOps.h"
#include "graphics/QtStrings.h"
#include "printing/ReportFrame.h"
#include "printing/ReportPlot.h"
#include "printing/StudyPageLayout.h"

#include <QPainter>
#include <algorithm>

namespace quelvan::printing {

namespace {

using namespace moisture;

std::string Fixed(double value, int decimals)
{
    return FormatDouble(("%." + std::to_string(decimals) + "f").c_str(), value);
}

// Draws the text wrapped within the width; gives the height used.
int DrawWrapped(QPainter& painter, const QRect& box, const std::string& text, bool bold)
{
    painter.setFont(CaptionFont(bold));
    QRect used;
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, ToQ(text), &used);
    return used.height();
}

} // namespace

graphics::NGridTable CondensationTable(const CondensationResult& result, int width, int rowHeight)
{
    const std::vector<std::string> places = WetPlaces(result);
    const int columns = 5 + static_cast<int>(places.size());
    graphics::NGridTable table;
    table.SetRowCount(static_cast<int>(result.months.size()) + 1);
    table.SetColumnCount(columns);
    table.leftMargin = 12;
    // The places' headings take two lines of names: their columns are the widest.
    const int unit = (width - 50) * 10 / (10 * 5 + 24 * static_cast<int>(places.size()) + 4);
    for (int c = 0; c < columns; ++c)
        table.Column(c).width = c >= 4 && c < columns - 1 ? unit * 24 / 10 : unit;
    table.Column(0).width = unit * 14 / 10;
    table.Row(0).height = 2 * rowHeight + 3;
    const std::string headings[] { "Mois", "θe (°C)", "pe (Pa)", "pi (Pa)" };
    for (int c = 0; c < 4; ++c)
        table.SetText(0, c, headings[c]);
    for (std::size_t p = 0; p < places.size(); ++p)
        table.SetText(0, 4 + static_cast<int>(p), PlaceHeading(places[p]));
    table.SetText(0, columns - 1, "Total\n(g/m²)");
    for (std::size_t row = 0; row < result.months.size(); ++row) {
        const MonthResult& m = result.months[row];
        const int r = static_cast<int>(row) + 1;
        table.Row(r).height = rowHeight;
        table.SetText(r, 0, MonthName(m.month));
        table.SetText(r, 1, Fixed(m.climate.thetaE, 1));
        table.SetText(r, 2, Fixed(m.climate.pE, 0));
        table.SetText(r, 3, Fixed(m.climate.pI, 0));
        for (std::size_t p = 0; p < places.size(); ++p)
            table.SetText(r, 4 + static_cast<int>(p), GroupedGrams(HeldAt(m, places[p])));
        table.SetText(r, columns - 1, GroupedGrams(m.heldTotalGPerM2));
    }
    return table;
}

void DrawCondensationPage(QPainter& painter, const QRect& body, const std::optional<Study>& study,
    const std::string& refusal)
{
    painter.save();
    int y = body.top() + kBodyTopGap;
    const auto line = [&](const std::string& text, bool bold) {
        y += DrawWrapped(painter, QRect(body.left(), y, body.width(), body.height()), text, bold);
    };
    if (!study) {
        line("Vérification de condensation impossible :", true);
        line(refusal, false);
        painter.restore();
        return;
    }
    const Study& s = *study;
    line(PlainVerdict(s.condensation), true);
    line("Climat : " + ClimateSourceText(s.source) + ". Intérieur : " + InteriorText(s.interior)
            + ". U = " + Fixed(s.condensation.uValue, 3)
            + " W/m².K, S_T = " + Fixed(s.condensation.totalSd, 2) + " m.",
        false);
    y += kStudyPageGap / 2;
    const int bottomText = 3 * graphics::TextHeight(painter);
    const int half = (body.width() - kStudyPageGap) / 2;
    painter.setFont(FooterFont());
    const int legendLine = graphics::TextHeight(painter);
    const int legendHeight = kStudyPageLegendLines * (legendLine + legendLine / 3);
    const int month = CriticalMonth(s.condensation, s.mould);
    const int plotHeight = body.bottom() - y - legendHeight - 2 * bottomText - kStudyPageGap;
    const QRect plot(body.left(), y, half, plotHeight);
    graphics::GlaserPlot glaser(PrintChartLayout());
    glaser.Show(DiagramOf(s.wall, s.condensation, month, DiagramAxis::Sd));
    glaser.Draw(painter, plot);
    painter.setFont(FooterFont());
    graphics::DrawLegend(painter,
        QRect(plot.left(), plot.bottom() + kStudyPageGap / 4, half, legendHeight), glaser.Legend());
    DrawWrapped(painter,
        QRect(plot.left(), plot.bottom() + kStudyPageGap / 4 + legendHeight, half, 2 * bottomText),
        "Diagramme de " + MonthName(month) + ". " + LayerKeyText(s.wall), false);

    const int right = body.left() + half + kStudyPageGap;
    int ty = y;
    ty += DrawWrapped(
        painter, QRect(right, ty, half, body.height()), VerdictSentence(s.condensation), false);
    const int rows = static_cast<int>(s.condensation.months.size()) + 3;
    const int rowHeight = std::clamp(
        (plotHeight - (ty - y)) / rows, kStudyPageMinRowHeight, kStudyPageMaxRowHeight);
    graphics::NGridTable table = CondensationTable(s.condensation, half, rowHeight);
    table.SetPosition({ right, ty + kStudyPageGap / 4 });
    table.Draw(painter);
    ty = table.TableRect().Normalised().bottom + kStudyPageGap / 2;
    DrawWrapped(painter, QRect(right, ty, half, body.bottom() - ty), MouldSentence(s.mould), true);
    painter.restore();
}

} // namespace quelvan::printing
