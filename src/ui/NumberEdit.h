#pragma once

#include "core/EditValidation.h"

#include <QLineEdit>
#include <QPointer>

class QAction;

namespace quelvan {
struct Bounds;
}

namespace quelvan::ui {

// A numeric edit field checked after every change: a change that makes the text invalid for
// the field's kind (or longer than its maximum length) is undone at once, with the caret put
// at character 5. The field keeps a single level of undo whose target is always the last valid
// text before the current one, as the check empties the undo history after every change; a
// field of the main form gives its undo keys to the window's history instead (UseWindowUndo).
// A decimal comma typed in a field of real numbers becomes a point. With physical bounds, a
// number outside them is framed in red as it is typed, its tooltip saying the bounds.
class NumberEdit : public QLineEdit {
    Q_OBJECT
public:
    NumberEdit(EditKind kind, int maxLength, QWidget* parent = nullptr);

    void SetKind(EditKind kind) { kind_ = kind; }
    EditKind Kind() const { return kind_; }
    void SetMaximumLength(int length) { maxLength_ = length; }
    int MaximumLength() const { return maxLength_; }
    // The physical bounds of the value (core/PhysicalBounds.h); null for none. The bounds must
    // outlive the field (they are the table's constants).
    void SetBounds(const Bounds* bounds);
    // Whether the text is a number outside the bounds (drawn with a red frame).
    bool IsOutOfBounds() const { return outOfBounds_; }

    // Sets the text from the program (not checked) and forgets the undo target.
    void LoadText(const QString& text);
    // Restores the text before the last accepted change; a second undo redoes it.
    void Undo();
    bool CanUndo() const { return hasUndo_; }
    // Ctrl+Z and Alt+Backspace trigger `undo`, Ctrl+Shift+Z and Ctrl+Y trigger `redo`, and the
    // context menu offers both, in place of the field's own single level of undo.
    void UseWindowUndo(QAction* undo, QAction* redo);

signals:
    // After every change made by the user, accepted or undone.
    void userChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void OnTextEdited(const QString& text);
    void SetTextKeepingCaret(const QString& text, int caret);
    void UpdateBoundsMark();

    EditKind kind_;
    int maxLength_;
    QString accepted_;
    QString undoText_;
    bool hasUndo_ = false;
    QPointer<QAction> windowUndo_;
    QPointer<QAction> windowRedo_;
    const Bounds* bounds_ = nullptr;
    bool outOfBounds_ = false;
    QString plainToolTip_; // the tooltip shown while the value is within its bounds
};

} // namespace quelvan::ui
