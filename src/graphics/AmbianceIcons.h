#pragma once

#include "model/AmbianceCodes.h"

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

    // The icon of a profile type; a null image for an unknown type.
    static const QImage& Icon(ProfileType type);
    static QColor Background() { return QColor(242, 240, 145); }
};

} // namespace quelvan::graphics
