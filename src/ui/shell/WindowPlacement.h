#pragma once

#include <QRect>
#include <QString>

class QDialog;
class QWidget;

namespace quelvan::ui {

// Where a window opens the first time: centred on the main window (dialogs), or beside it
// (windows the user keeps open while working in the main one).
enum class Placement { Centred, Beside };

// The frame a window of that frame size takes relative to the owner's frame, inside the
// available area of a screen. Beside: to the owner's right when there is room, else to its
// left (its top level with the owner's), else below it; else, made smaller but not below the
// least frame size, to its right or below it; else in the area's bottom left corner. Centred:
// on the owner. Always moved inside the area, and cut to it when larger.
QRect PlaceFrame(
    QSize frame, const QRect& owner, const QRect& available, Placement placement, QSize least = {});

// Makes a window of the main window's an ordinary window: the main window can come in front of
// it (it is not kept above its owner), while the owner still owns it.
void MakeOrdinaryWindow(QWidget& window);

// Keeps a window's place from one opening to the next and from one session to the next: when
// it is shown it takes the size and position remembered under the key (in the program's
// settings, never smaller than its layout needs, kept on the screen), else opens by placement
// relative to its parent's window; when hidden, its size and position are remembered. Without
// rememberSize only the position is (windows whose size follows their content).
void KeepPlace(QWidget& window, const QString& key, Placement placement, bool rememberSize = true);

// A modal dialog: centred on the main window the first time, then where and as large as it was
// left (KeepPlace, under its class and title). Every modal run goes through it (QtPrompter).
void PlaceModal(QDialog& dialog);

// The main window's size and position of the last session, kept on the screen; the first time,
// a size that suits the screen: 780 × 500 in the top left corner of a screen smaller than
// 1280 × 800, else two thirds of it (at most 1400 × 900), centred.
void RestoreMainWindowPlace(QWidget& window);
void RememberMainWindowPlace(const QWidget& window);

} // namespace quelvan::ui
