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
} // namespace

QPixmap DrawProfilePreview(const PreviewInput& input, QSize size, const SolarFluxFunction& solar)
{
    QPixmap image(size);
    image.fill(QColor(200, 200, 200));
    QPainter painter(&image);
    QFont font = painter.font();
    font.setPixelSize(10);
    painter.setFont(font);
    const int w = size.width();
    const int h = size.height();
    if (input.noPlot) {
        painter.drawText(
            QRect(0, h / 3, w, h / 3), Qt::AlignCenter, QStringLiteral("Pas de tracé"));
        return image;
    }
    // Plot rectangle inside room for the axis labels.
    const double x0 = 30;
    const double x1 = w - 8;
    const double yH = 8;
    const double yL = h - 18;
    const double ym = (yH + yL) / 2;
    const int n = input.week ? 168 : 24;
    const double span = x1 - x0;

    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(QRectF(x0, yH, span, yL - yH));
    const int divisions = input.week ? 7 : 6;
    painter.setPen(QPen(QColor(120, 120, 120), 1, Qt::DotLine));
    for (int d = 1; d < divisions; ++d) {
        const double x = x0 + span * d / divisions;
        painter.drawLine(QPointF(x, yH), QPointF(x, yL));
    }
    painter.setPen(Qt::black);
    painter.drawText(QRectF(x0 - 10, yL + 2, 20, 14), Qt::AlignCenter, QStringLiteral("0"));
    painter.drawText(QRectF(x1 - 20, yL + 2, 28, 14), Qt::AlignCenter, QString::number(n));

    QString top = QString::number(input.a);
    QString bottom = QString::number(input.b);
    QPolygonF curve;
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
            curve << QPointF(x0 + i * span / n, ym - (yL - yH) / 2 * std::sin(phase));
        }
        break;
    }
    case ProfileType::Ramp:
        curve << QPointF(x0, yL) << QPointF(x0 + p1, yL) << QPointF(x0 + p2, yH) << QPointF(x1, yH);
        break;
    case ProfileType::Square:
        curve << QPointF(x0, yL) << QPointF(x0 + p1, yL) << QPointF(x0 + p1, yH)
              << QPointF(x0 + p2, yH) << QPointF(x0 + p2, yL) << QPointF(x1, yL);
        break;
    case ProfileType::Solar: {
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
        for (int i = 0; i <= n; ++i)
            curve << QPointF(
                x0 + i * span / n, yL - (values[static_cast<size_t>(i)] - low) / range * (yL - yH));
        top = QString::number(static_cast<long long>(std::ceil(high)));
        bottom = QStringLiteral("0");
        break;
    }
    default: // null or constant
        curve << QPointF(x0, ym) << QPointF(x1, ym);
        top = QString::number(input.a + 5LL);
        bottom = QString::number(input.a - 5LL);
        break;
    }
    painter.drawText(QRectF(0, yH - 6, x0 - 2, 14), Qt::AlignRight | Qt::AlignVCenter, top);
    painter.drawText(QRectF(0, yL - 8, x0 - 2, 14), Qt::AlignRight | Qt::AlignVCenter, bottom);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(200, 0, 0), 2));
    painter.drawPolyline(curve);
    return image;
}

} // namespace quelvan::ui
