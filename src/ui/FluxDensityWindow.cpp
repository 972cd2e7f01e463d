#include "ui/FluxDensityWindow.h"

#include "engine/RunView.h"

#include <QCloseEvent>
#include <QPainter>

namespace quelvan::ui {

FluxDensityWindow::FluxDensityWindow(const RunView& run, QWidget* parent)
    : QWidget(parent, Qt::Tool)
    , run_(run)
{
    setWindowTitle(QString::fromUtf8(graphics::FluxDensityPlot::kWindowTitle));
    setObjectName(QStringLiteral("fluxDensityWindow"));
    resize(420, 300);
    Refresh();
}

void FluxDensityWindow::Refresh()
{
    hours_ = run_.hours;
    plot_.ShowRun(run_);
    update();
}

void FluxDensityWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.setFont(graphics::FluxDensityPlot::LegendFont());
    plot_.Paint(painter, size(), kLegendHeight);
}

void FluxDensityWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closed();
}

} // namespace quelvan::ui
