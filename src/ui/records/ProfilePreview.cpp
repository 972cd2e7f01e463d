#include "ui/records/ProfilePreview.h"

#include "core/Angles.h"
#include "graphics/ChartStyle.h"
#include "graphics/ProfilePreviewChart.h"

#include <QFont>
#include <QPainter>

#include <algorithm>
#include <climits>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace quelvan::ui {

namespace {
// Positions are kept within this distance of the image, and flux values within as many W/m².
constexpr double kFarAway = 1e6;

// The plot rectangle of the preview's chart (world units, y upward), and the hours across it.
struct PlotArea {
    double x0 = 0;
    double x1 = 0;
    double yL = 0;
    double yH = 0;
    int n = 24; // hours of the period

    PlotArea(const graphics::ProfilePreviewChart& chart, bool week)
        : x0(chart.Left())
        , x1(chart.Right())
        , yL(chart.Bottom())
        , yH(chart.Top())
        , n(PeriodHours(week ? Period::Week : Period::Day))
    {
    }
    double Span() const { return x1 - x0; }
    double Middle() const { return (yH + yL) / 2; }
    double X(int hour) const { return x0 + hour * Span() / n; }
};

// The curve of a profile and the labels of the top and bottom of its scale.
struct Curve {
    std::vector<graphics::FPoint> points;
    std::string top;
    std::string bottom;
};

graphics::FPoint Point(double x, double y)
{
    return { static_cast<float>(x), static_cast<float>(y) };
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
    std::vector<graphics::FPoint> points;
    points.reserve(values.size());
    for (int i = 0; i <= n; ++i)
        points.push_back(Point(area.X(i),
            area.yL + (values[static_cast<size_t>(i)] - low) / range * (area.yH - area.yL)));
    // The labels are built with the curve: assigning a literal to a default string here made
    // GCC 12 warn of an impossible copy size once inlined (a false -Wstringop-overflow).
    return Curve { std::move(points), std::to_string(static_cast<long long>(std::ceil(high))),
        std::string(1, '0') };
}

// The shape of an analytic profile, or the computed flux.
Curve ProfileCurve(const PreviewInput& input, const PlotArea& area, const SolarFluxFunction& solar)
{
    const double span = area.Span();
    const int n = area.n;
    const double x0 = area.x0;
    const double x1 = area.x1;
    Curve curve { {}, std::to_string(input.a), std::to_string(input.b) };
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
            curve.points.push_back(
                Point(area.X(i), area.Middle() + (area.yH - area.yL) / 2 * std::sin(phase)));
        }
        break;
    }
    case ProfileType::Ramp:
        curve.points = { Point(x0, area.yL), Point(x0 + p1, area.yL), Point(x0 + p2, area.yH),
            Point(x1, area.yH) };
        break;
    case ProfileType::Square:
        curve.points = { Point(x0, area.yL), Point(x0 + p1, area.yL), Point(x0 + p1, area.yH),
            Point(x0 + p2, area.yH), Point(x0 + p2, area.yL), Point(x1, area.yL) };
        break;
    case ProfileType::Solar:
        return SolarCurve(input, area, solar);
    default: // null or constant
        curve.points = { Point(x0, area.Middle()), Point(x1, area.Middle()) };
        curve.top = std::to_string(input.a + 5LL);
        curve.bottom = std::to_string(input.a - 5LL);
        break;
    }
    return curve;
}
} // namespace

QPixmap DrawProfilePreview(const PreviewInput& input, QSize size, const SolarFluxFunction& solar)
{
    QPixmap image(size);
    image.fill(graphics::style::PlotGround());
    QPainter painter(&image);
    if (input.noPlot) {
        QFont font = painter.font();
        font.setPixelSize(10);
        painter.setFont(font);
        painter.drawText(QRect(0, size.height() / 3, size.width(), size.height() / 3),
            Qt::AlignCenter, QStringLiteral("Pas de tracé"));
        return image;
    }
    graphics::ProfilePreviewChart chart;
    const PlotArea area(chart, input.week);
    Curve curve = ProfileCurve(input, area, solar);
    chart.Show(area.n, std::move(curve.points), curve.top, curve.bottom);
    chart.Draw(painter, size);
    return image;
}

} // namespace quelvan::ui
