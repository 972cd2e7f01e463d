#pragma once

#include <QColor>
#include <QFont>

// The look every chart shares, stated once: the grey ground plots are drawn on, the window
// ground of exported images, the legend's font and the heights of legend strips.
namespace quelvan::graphics::style {

// The ground under a plot's axes and curves.
inline QColor PlotGround()
{
    return { 200, 200, 200 };
}
// The ground of a window, for images drawn outside one (the command line's flux image).
inline QColor WindowGround()
{
    return { 240, 240, 240 };
}

// Legends in a sans-serif font of this many pixels: the week's charts (the flux window, the
// periodic response) and the charts of the studies.
constexpr int kWeekLegendPixels = 13;
constexpr int kStudyLegendPixels = 12;
QFont LegendFont(int pixels);

// Heights of the legend strip under a chart, in pixels: the flux window's two rows; the
// two-line legends of the periodic response, the annual balance and the command line's
// image; the comparison's, four walls whose long names (a variant's details, a file's name)
// may each take a line of their own.
constexpr int kFluxLegendHeight = 36;
constexpr int kLegendHeight = 40;
constexpr int kComparisonLegendHeight = 68;

} // namespace quelvan::graphics::style
