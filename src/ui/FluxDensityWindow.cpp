#include "ui/FluxDensityWindow.h"

#include "engine/EngineState.h"

#include <QCloseEvent>
#include <QPainter>

namespace quelvan::ui {

FluxDensityWindow::FluxDensityWindow(const EngineState& engine, QWidget* parent)
    : QWidget(parent, Qt::Tool)
    , engine_(engine)
{
    setWindowTitle(QString::fromUtf8(graphics::FluxDensityPlot::kWindowTitle));
    setObjectName(QStringLiteral("fluxDensityWindow"));
    resize(420, 300);
    Refresh();
}

void FluxDensityWindow::Refresh()
{
    hours_ = engine_.Hours();
    plot_.Update(hours_, engine_.Series(SeriesId::InteriorSurfaceFlux),
        engine_.Series(SeriesId::ExteriorSurfaceFlux));
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
