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
// at character 5, unless the text is on the way to a number ("-", ".", "1e", "12," in a field of
// whole numbers): that is kept as typed, so that the digits that follow never join the previous
// value, and framed in red until it is a number of the field's kind. The field keeps a single
// level of undo whose target is always the last text kept before the current one; a field of
// the main form gives its undo keys to the window's history instead (UseWindowUndo). A decimal
// comma typed in a field of real numbers becomes a point. With physical bounds, a number
// outside them is framed in red as it is typed too; the tooltip of a framed field says why.
class NumberEdit : public QLineEdit {
    Q_OBJECT
public:
    // The longest text any field of the dialogs accepts.
    static constexpr int kLongestText = 32000;

    NumberEdit(EditKind kind, int maxLength, QWidget* parent = nullptr);

    void SetKind(EditKind kind) { kind_ = kind; }
    EditKind Kind() const { return kind_; }
    void SetMaximumLength(int length) { maxLength_ = length; }
    int MaximumLength() const { return maxLength_; }
    // The physical bounds of the value (core/PhysicalBounds.h); null for none. The bounds must
    // outlive the field (they are the table's constants).
    void SetBounds(const Bounds* bounds);
    // Whether the text is refused (drawn with a red frame): a number outside the bounds, or a
    // text that is not yet a number of the field's kind. An empty field is not refused here.
    bool IsRefused() const { return refused_; }
    // Why the text is refused ("« - » n'est pas un nombre (de 0,001 à 10000 mm)"); empty when
    // it is not.
    QString RefusalText() const;

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
    void UpdateRefusalMark();

    EditKind kind_;
    int maxLength_;
    QString accepted_;
    QString undoText_;
    bool hasUndo_ = false;
    QPointer<QAction> windowUndo_;
    QPointer<QAction> windowRedo_;
    const Bounds* bounds_ = nullptr;
    bool refused_ = false;
    QString plainToolTip_; // the tooltip shown while the text is not refused
};

// The "OK" of a dialog with numeric fields: when a visible field of the dialog is refused, it
// takes the focus with its text selected and its refusal shown beside it, and the dialog stays
// open (true); false when every field may be taken.
bool RefuseAtFirstRefusedField(QWidget& dialog);

} // namespace quelvan::ui
