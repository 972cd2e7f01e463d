#pragma once

#include <QColor>

class QComboBox;
class QLineEdit;

namespace quelvan::ui {

// The colours of the editing windows' drop-down lists.
inline const QColor kFieldYellow { 255, 255, 0 };
inline const QColor kListPaleYellow { 240, 240, 100 };
inline const QColor kGrey { 168, 168, 168 };
inline const QColor kListText { 2, 0, 0 };
// The highlighted entry of a yellow list: white on navy, readable on any of the yellows
// (white on the yellow itself could not be read).
inline const QColor kSelectionBackground { 0, 0, 128 };
inline const QColor kSelectionText { 255, 255, 255 };

// Selection field on yellow (when asked), list part on pale yellow with dark text, the
// highlighted entry white on navy.
void ApplyListColours(QComboBox* combo, bool yellowField);
// A field whose value the dialog computes: read-only, and drawn on the window's grey rather
// than on the white of the fields the user types in.
void ShowAsComputed(QLineEdit* field);

} // namespace quelvan::ui
