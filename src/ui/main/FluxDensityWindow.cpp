#include "ui/main/FluxDensityWindow.h"

#include "engine/RunView.h"
#include "graphics/ChartStyle.h"
#include "graphics/NShpPolyLine.h"
#include "graphics/QtStrings.h"
#include "ui/main/ChartNotes.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace quelvan::ui {

namespace {
const QString kFineTitleSuffix = QStringLiteral(" (calcul fin)");
}

FluxDensityWindow::FluxDensityWindow(const RunView& run, QWidget* parent)
    : QWidget(parent, Qt::Tool)
    , run_(run)
{
    setWindowTitle(ToQ(graphics::FluxDensityPlot::kWindowTitle));
    setObjectName(QStringLiteral("fluxDensityWindow"));
    // Wide enough for the whole title beside the frame's buttons, the fine mode's included.
    const QString longest = ToQ(graphics::FluxDensityPlot::kWindowTitle) + kFineTitleSuffix;
    // The least size it may be made to fit beside the form on a small screen.
    setMinimumSize(320, 180);
    resize(std::max(420, QFontMetrics(QApplication::font()).horizontalAdvance(longest) + 160), 300);
    // The zero line stands out from the grid, dashed in dark grey.
    graphics::NShpPolyLine& zero = plot_.Chart().Curve(0);
    zero.SetPenStyle(LineStyle::Dash); // in the element's colour: the colour comes after
    zero.SetPenColour(MakeColour(64, 64, 64));
    Refresh();
}

void FluxDensityWindow::Refresh()
{
    hours_ = run_.hours;
    plot_.ShowRun(run_);
    const bool fine = run_.prepared && run_.mode == CalculationMode::Fine;
    setWindowTitle(
        ToQ(graphics::FluxDensityPlot::kWindowTitle) + (fine ? kFineTitleSuffix : QString()));
    update();
}

int FluxDensityWindow::ZeroLineY() const
{
    if (!plot_.ZeroLineShown() || plot_.Chart().Curve(0).Points().empty())
        return -1;
    // The plot is drawn one pixel in from the window's corner.
    return 1
        + plot_.Chart().Transform().WorldToDevice(
            graphics::Coordinate::Y, plot_.Chart().Curve(0).Points().front().y);
}

void FluxDensityWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.setFont(graphics::style::LegendFont(graphics::style::kWeekLegendPixels));
    plot_.Paint(painter, size(), kLegendHeight);
    // "0" beside the zero line, left of the axis like the axis' end labels.
    const int zero = ZeroLineY();
    if (zero >= 0) {
        const int axis = 1
            + plot_.Chart().Transform().WorldToDevice(
                graphics::Coordinate::X, static_cast<float>(plot_.Chart().PlotOrigin().x));
        const QRect label(
            0, zero - painter.fontMetrics().height() / 2, axis - 4, painter.fontMetrics().height());
        painter.setPen(Qt::black);
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("0"));
    }
    DrawFineModeLabel(painter, QRect(1, 1, width() - 2, height() - kLegendHeight - 2), run_);
}

void FluxDensityWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closed();
}

} // namespace quelvan::ui
