#include "ui/ProfilePreview.h"

#include "core/Angles.h"

#include <QFont>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <climits>
#include <cmath>
#include <numbers>
#include <vector>

namespace quelvan::ui {

namespace {
// Positions are kept within this distance of the image, and flux values within as many W/m².
constexpr double kFarAway = 1e6;

// The plot rectangle inside room for the axis labels, and the hours across it.
struct PlotArea {
    double x0 = 30;
    double x1 = 0;
    double yH = 8;
    double yL = 0;
    int n = 24; // hours of the period

    PlotArea(QSize size, bool week)
        : x1(size.width() - 8)
        , yL(size.height() - 18)
        , n(week ? 168 : 24)
    {
    }
    double Span() const { return x1 - x0; }
    double Middle() const { return (yH + yL) / 2; }
    double X(int hour) const { return x0 + hour * Span() / n; }
};

// The curve of a profile and the labels of the top and bottom of its scale.
struct Curve {
    QPolygonF points;
    QString top;
    QString bottom;
};

// The frame, the day (or week-day) divisions and the hour labels of the time axis.
void DrawFrame(QPainter& painter, const PlotArea& area, bool week)
{
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(QRectF(area.x0, area.yH, area.Span(), area.yL - area.yH));
    const int divisions = week ? 7 : 6;
    painter.setPen(QPen(QColor(120, 120, 120), 1, Qt::DotLine));
    for (int d = 1; d < divisions; ++d) {
        const double x = area.x0 + area.Span() * d / divisions;
        painter.drawLine(QPointF(x, area.yH), QPointF(x, area.yL));
    }
    painter.setPen(Qt::black);
    painter.drawText(
        QRectF(area.x0 - 10, area.yL + 2, 20, 14), Qt::AlignCenter, QStringLiteral("0"));
    painter.drawText(
        QRectF(area.x1 - 20, area.yL + 2, 28, 14), Qt::AlignCenter, QString::number(area.n));
}

// The hourly computed flux over the period, scaled between its lowest and highest values.
Curve SolarCurve(const PreviewInput& input, const PlotArea& area, const SolarFluxFunction& solar)
{
    const int n = area.n;
    std::vector<double> values(static_cast<size_t>(n) + 1, 0.0);
    if (solar) {
        for (int i = 1; i <= n; ++i) {
            const long long hourOfYear = input.h2 > 0 ? (input.h2 - 1LL) * 24 + i : i;
            const int hour = static_cast<int>(std::min<long long>(hourOfYear, INT_MAX));
            const double flux
                = solar(hour, DegreesToRadians(input.a), input.b / 100.0, input.h1 / 100.0);
            // Parameters no sun can have may give no number: drawn as 0, the scale kept.
            values[static_cast<size_t>(i)]
                = std::isfinite(flux) ? std::clamp(flux, -kFarAway, kFarAway) : 0.0;
        }
    }
    values[0] = values[static_cast<size_t>(n)];
    const double high = *std::max_element(values.begin(), values.end());
    const double low = *std::min_element(values.begin(), values.end());
    const double range = high - low > 1e-9 ? high - low : 1.0;
    Curve curve;
    for (int i = 0; i <= n; ++i)
        curve.points << QPointF(area.X(i),
            area.yL - (values[static_cast<size_t>(i)] - low) / range * (area.yL - area.yH));
    curve.top = QString::number(static_cast<long long>(std::ceil(high)));
    curve.bottom = QStringLiteral("0");
    return curve;
}

// The shape of an analytic profile, or the computed flux.
Curve ProfileCurve(const PreviewInput& input, const PlotArea& area, const SolarFluxFunction& solar)
{
    const double span = area.Span();
    const int n = area.n;
    const double x0 = area.x0;
    const double x1 = area.x1;
    Curve curve { {}, QString::number(input.a), QString::number(input.b) };
    // Hours as positions truncated to whole units, limited far beyond the image: any integer
    // typed in an hour field gives a drawable point.
    const auto position = [span, n](int hour) {
        return std::clamp(std::trunc(hour * span / n), -kFarAway, kFarAway);
    };
    const double p1 = position(input.h1);
    const double p2 = position(input.h2);
    switch (input.type) {
    case ProfileType::Sinusoid: {
        const int k = input.week ? 7 : 1;
        for (int i = 0; i <= n; ++i) {
            const double phase = (i - static_cast<double>(input.h1)) * k * 2 * std::numbers::pi / n
                + std::numbers::pi / 2;
            curve.points << QPointF(
                area.X(i), area.Middle() - (area.yL - area.yH) / 2 * std::sin(phase));
        }
        break;
    }
    case ProfileType::Ramp:
        curve.points << QPointF(x0, area.yL) << QPointF(x0 + p1, area.yL)
                     << QPointF(x0 + p2, area.yH) << QPointF(x1, area.yH);
        break;
    case ProfileType::Square:
        curve.points << QPointF(x0, area.yL) << QPointF(x0 + p1, area.yL)
                     << QPointF(x0 + p1, area.yH) << QPointF(x0 + p2, area.yH)
                     << QPointF(x0 + p2, area.yL) << QPointF(x1, area.yL);
        break;
    case ProfileType::Solar:
        return SolarCurve(input, area, solar);
    default: // null or constant
        curve.points << QPointF(x0, area.Middle()) << QPointF(x1, area.Middle());
        curve.top = QString::number(input.a + 5LL);
        curve.bottom = QString::number(input.a - 5LL);
        break;
    }
    return curve;
}
} // namespace

QPixmap DrawProfilePreview(const PreviewInput& input, QSize size, const SolarFluxFunction& solar)
{
    QPixmap image(size);
    image.fill(QColor(200, 200, 200));
    QPainter painter(&image);
    QFont font = painter.font();
    font.setPixelSize(10);
    painter.setFont(font);
    if (input.noPlot) {
        painter.drawText(QRect(0, size.height() / 3, size.width(), size.height() / 3),
            Qt::AlignCenter, QStringLiteral("Pas de tracé"));
        return image;
    }
    const PlotArea area(size, input.week);
    DrawFrame(painter, area, input.week);
    const Curve curve = ProfileCurve(input, area, solar);
    painter.drawText(
        QRectF(0, area.yH - 6, area.x0 - 2, 14), Qt::AlignRight | Qt::AlignVCenter, curve.top);
    painter.drawText(
        QRectF(0, area.yL - 8, area.x0 - 2, 14), Qt::AlignRight | Qt::AlignVCenter, curve.bottom);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(200, 0, 0), 2));
    painter.drawPolyline(curve.points);
    return image;
}

} // namespace quelvan::ui
