#pragma once

#include <QColor>

class QComboBox;
class QLabel;
class QString;
class QWidget;

namespace quelvan::ui {

// The colours of the editing windows' drop-down lists.
inline const QColor kFieldYellow { 255, 255, 0 };
inline const QColor kListPaleYellow { 240, 240, 100 };
inline const QColor kGrey { 168, 168, 168 };
inline const QColor kListText { 2, 0, 0 };

// Selection field on yellow (when asked), list part on pale yellow with dark text.
void ApplyListColours(QComboBox* combo, bool yellowField);

// Gives a widget a stable object name made of its control number ("c1003"), so that tests and
// help topics find it.
QString ControlName(int id);
template <typename W> W* Named(W* widget, int id)
{
    widget->setObjectName(ControlName(id));
    return widget;
}

// Registers the help pages and icons compiled into the application library.
void InitResources();

} // namespace quelvan::ui
