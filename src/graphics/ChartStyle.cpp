#include "graphics/ChartStyle.h"

namespace quelvan::graphics::style {

QFont LegendFont(int pixels)
{
    QFont font;
    font.setFamilies({ QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans") });
    font.setPixelSize(pixels);
    return font;
}

} // namespace quelvan::graphics::style
