#pragma once

#include <QString>

namespace quelvan::ui {

// Gives a widget a stable object name made of its control number ("c1003"), so that tests and
// help topics find it.
inline QString ControlName(int id)
{
    return QStringLiteral("c%1").arg(id);
}
template <typename W> W* Named(W* widget, int id)
{
    widget->setObjectName(ControlName(id));
    return widget;
}

} // namespace quelvan::ui
