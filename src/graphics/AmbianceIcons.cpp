#include "graphics/AmbianceIcons.h"

#include <QPainter>
#include <QPolygon>
#include <array>
#include <cmath>
#include <numbers>

namespace quelvan::graphics {

namespace {

void DrawIcon(QPainter& painter, ProfileType type)
{
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::NoBrush);
    switch (type) {
    case ProfileType::Null:
    case ProfileType::Constant:
        painter.drawLine(0, 8, 21, 8);
        break;
    case ProfileType::Sinusoid: {
        QPolygon sine;
        sine << QPoint(0, 8);
        for (int x = 1; x <= 21; ++x)
            sine << QPoint(
                x, static_cast<int>(8.0 - 3.0 * std::sin(x * 2.0 * std::numbers::pi / 22.0)));
        painter.drawPolyline(sine);
        break;
    }
    case ProfileType::Ramp:
        painter.drawPolyline(
            QPolygon({ QPoint(0, 11), QPoint(7, 11), QPoint(14, 5), QPoint(21, 5) }));
        break;
    case ProfileType::Square:
        painter.drawPolyline(QPolygon({ QPoint(0, 11), QPoint(7, 11), QPoint(7, 5), QPoint(14, 5),
            QPoint(14, 11), QPoint(21, 11) }));
        break;
    case ProfileType::Solar:
        painter.drawEllipse(QRect(3, 0, 15, 15));
        break;
    case ProfileType::Weather:
        // A cloud (two overlapping ellipses in the background colour) with rain strokes.
        painter.setBrush(AmbianceIcons::Background());
        painter.drawEllipse(QRect(2, 3, 10, 7));
        painter.drawEllipse(QRect(8, 1, 11, 9));
        for (int x : { 5, 9, 13, 17 })
            painter.drawLine(x, 12, x - 1, 14);
        break;
    default:
        break;
    }
}

std::array<QImage, AmbianceIcons::kCount> BuildIcons()
{
    std::array<QImage, AmbianceIcons::kCount> icons;
    for (int type = 0; type < AmbianceIcons::kCount; ++type) {
        QImage image(AmbianceIcons::kWidth, AmbianceIcons::kHeight, QImage::Format_RGB32);
        image.fill(AmbianceIcons::Background());
        QPainter painter(&image);
        DrawIcon(painter, static_cast<ProfileType>(type));
        painter.end();
        icons[static_cast<size_t>(type)] = image;
    }
    return icons;
}

} // namespace

const QImage& AmbianceIcons::Icon(ProfileType type)
{
    static const std::array<QImage, kCount> icons = BuildIcons();
    static const QImage none;
    const auto index = static_cast<size_t>(type);
    return index < icons.size() ? icons[index] : none;
}

} // namespace quelvan::graphics
