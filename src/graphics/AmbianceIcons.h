#pragma once

#include <QImage>

namespace quelvan::graphics {

// The small pictures (22 by 16) that stand for an ambiance profile type in list cells: a flat
// line for null and constant profiles, a sine, a ramp, a square wave, a sun for the computed
// solar flux and a cloud for the weather file. Built once for the whole process; drawing them
// needs no display.
class AmbianceIcons {
public:
    static constexpr int kWidth = 22;
    static constexpr int kHeight = 16;
    static constexpr int kCount = 7;

    // The icon of a profile type 0..6; a null image for any other type.
    static const QImage& Icon(int profileType);
    static QColor Background() { return QColor(242, 240, 145); }
};

} // namespace quelvan::graphics
