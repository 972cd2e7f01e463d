#include "printing/AnnualBalancePage.h"

#include "engine/annual/AnnualBalanceText.h"
#include "graphics/AnnualBalancePlots.h"
#include "graphics/PainterOps.h"
#include "graphics/QtStrings.h"
#include "printing/ReportFrame.h"
#include "printing/ReportPlot.h"
#include "printing/StudyPageLayout.h"

#include <QPainter>
#include <algorithm>

namespace quelvan::printing {

namespace {

constexpr int kNameColumnShare = 10; // per cent of the width

int DrawCaption(QPainter& painter, int x, int y, const std::string& text, bool bold)
{
    painter.setFont(CaptionFont(bold));
    graphics::TextOutTopLeft(painter, x, y, ToQ(text), Qt::black);
    return graphics::TextHeight(painter);
}

} // namespace

graphics::NGridTable AnnualBalanceTable(
    const annual::AnnualBalanceResult& result, int drawingWidth, int rowHeight)
{
    constexpr int kRows = kMonthCount + 2; // header, months, year
    graphics::NGridTable table;
    table.SetRowCount(kRows);
    table.SetColumnCount(annual::kBalanceColumnCount + 1);
    table.leftMargin = 12;
    const int width = drawingWidth - 50;
    const int nameWidth = width * kNameColumnShare / 100;
    table.Column(0).width = nameWidth;
    for (int c = 1; c < table.ColumnCount(); ++c)
        table.Column(c).width = (width - nameWidth) / annual::kBalanceColumnCount;
    table.Row(0).height = 2 * rowHeight + 3;
    table.SetText(0, 0, "Mois");
    for (int c = 0; c < annual::kBalanceColumnCount; ++c) {
        const annual::BalanceColumn& column = annual::kBalanceColumns[static_cast<size_t>(c)];
        table.SetText(0, c + 1, std::string(column.label) + "\n(" + column.unit + ")");
    }
    for (int row = 1; row < kRows; ++row) {
        const int month = row - 1;
        const annual::BalanceFigures& f = month < kMonthCount
            ? result.figures.months[static_cast<size_t>(month)]
            : result.figures.year;
        table.Row(row).height = rowHeight;
        table.SetText(row, 0, annual::BalanceRowName(month));
        for (int c = 0; c < annual::kBalanceColumnCount; ++c)
            table.SetText(row, c + 1,
                annual::BalanceCellText(annual::kBalanceColumns[static_cast<size_t>(c)], f));
    }
    return table;
}

void DrawAnnualBalancePage(QPainter& painter, const QRect& body,
    const std::optional<annual::AnnualBalanceResult>& result, const std::string& refusal,
    const std::string& subject)
{
    painter.save();
    int y = body.top() + kBodyTopGap;
    if (!subject.empty())
        y += DrawCaption(painter, body.left(), y, subject, false);
    if (!result) {
        y += DrawCaption(painter, body.left(), y, "Bilan annuel impossible :", true);
        DrawCaption(painter, body.left(), y, refusal, false);
        painter.restore();
        return;
    }
    y += DrawCaption(painter, body.left(), y, annual::BalanceTitle(*result), true)
        + kStudyPageGap / 2;

    painter.setFont(FooterFont());
    const int legendLine = graphics::TextHeight(painter);
    const int legendHeight = kStudyPageLegendLines * (legendLine + legendLine / 3);
    // The table takes what the plots leave, within readable row heights; the plots keep at
    // least two fifths of the body.
    const int plotsMinimum = body.height() * 2 / 5;
    const int tableSpace = body.bottom() - y - plotsMinimum - legendHeight - 2 * kStudyPageGap;
    const int rowHeight = std::clamp(
        (tableSpace - 20) / (kMonthCount + 3), kStudyPageMinRowHeight, kStudyPageMaxRowHeight);
    graphics::NGridTable table = AnnualBalanceTable(*result, body.width(), rowHeight);
    table.SetPosition({ body.left(), y });
    table.Draw(painter);
    y = table.TableRect().Normalised().bottom + kStudyPageGap;

    const int plotHeight = body.bottom() - y - legendHeight - kStudyPageGap / 2;
    const int plotWidth = (body.width() - kStudyPageGap) / 2;
    const QRect monthly(body.left(), y, plotWidth, plotHeight);
    const QRect surface(body.left() + plotWidth + kStudyPageGap, y, plotWidth, plotHeight);
    graphics::MonthlyBalancePlot monthlyPlot(PrintChartLayout());
    monthlyPlot.Show(result->figures);
    monthlyPlot.Draw(painter, monthly);
    graphics::YearSurfacePlot surfacePlot(PrintChartLayout());
    surfacePlot.Show(result->hours);
    surfacePlot.Draw(painter, surface);
    painter.setFont(FooterFont());
    const int legendTop = y + plotHeight + kStudyPageGap / 4;
    graphics::DrawLegend(painter, QRect(monthly.left(), legendTop, plotWidth, legendHeight),
        graphics::MonthlyBalancePlot::Legend());
    graphics::DrawLegend(
        painter, QRect(surface.left(), legendTop, plotWidth, legendHeight), surfacePlot.Legend());
    painter.restore();
}

} // namespace quelvan::printing
