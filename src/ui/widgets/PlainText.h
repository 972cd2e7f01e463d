#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace quelvan::ui {

// Text that comes from a file or from a user (a project's or a material's name, an EPW file's
// place, a refusal that quotes them) is shown as it is written, never read as markup: Qt takes
// a label's or a tooltip's text for rich text when it looks like HTML, restyles it ("<b>") and
// loads what an "<img src=...>" names, a device or a pipe included. Only the program's own
// fixed texts may be rich.

// A label that shows its text as plain text.
QLabel* NewPlainLabel(const QString& text = {}, QWidget* parent = nullptr);

// A tooltip that shows the text as it is written: the text itself when Qt would not take it for
// markup, else the text escaped in a paragraph kept on its lines.
QString PlainToolTip(const QString& text);

// A window title that shows the text as it is written: Qt reads "[*]" in a title as the place
// of the modified mark and drops it, so it is doubled ("[*][*]" shows "[*]").
QString PlainWindowTitle(const QString& text);

} // namespace quelvan::ui
