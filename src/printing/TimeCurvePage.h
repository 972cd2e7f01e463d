#pragma once

#include "printing/ReportPages.h"

#include <QRect>
#include <span>
#include <string>

class QPainter;

namespace quelvan {
struct RunView;
}

namespace quelvan::printing {

// Extremes of a series over a window of hours, with the first hour at which each occurs,
// counted from the window's start. All zero for an empty window.
struct SeriesExtremes {
    float minimum = 0.0f;
    float maximum = 0.0f;
    int minimumHour = 0;
    int maximumHour = 0;
};
SeriesExtremes WindowExtremes(std::span<const float> series, const HourWindow& window);
// "Min=%.1f à %d h, Max=%.1f à %d h".
std::string ExtremesText(const SeriesExtremes& extremes);

// The eight plots of a time page (complete run or last 24 hours) in two rows of four,
// temperatures above and fluxes below. body is the space between the header rule and the
// footer rule, between the side margins.
void DrawTimeCurvePage(QPainter& painter, const QRect& body, PageKind kind, const RunView& run);

} // namespace quelvan::printing
