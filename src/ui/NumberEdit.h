#pragma once

#include "core/EditValidation.h"

#include <QLineEdit>

namespace quelvan::ui {

// A numeric edit field checked after every change: a change that makes the text invalid for
// the field's kind (or longer than its maximum length) is undone at once, with the caret put
// at character 5. The field keeps a single level of undo whose target is always the last valid
// text before the current one, as the check empties the undo history after every change.
class NumberEdit : public QLineEdit {
    Q_OBJECT
public:
    NumberEdit(EditKind kind, int maxLength, QWidget* parent = nullptr);

    void SetKind(EditKind kind) { kind_ = kind; }
    EditKind Kind() const { return kind_; }
    void SetMaximumLength(int length) { maxLength_ = length; }
    int MaximumLength() const { return maxLength_; }

    // Sets the text from the program (not checked) and forgets the undo target.
    void LoadText(const QString& text);
    // Restores the text before the last accepted change; a second undo redoes it.
    void Undo();
    bool CanUndo() const { return hasUndo_; }

signals:
    // After every change made by the user, accepted or undone.
    void userChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void OnTextEdited(const QString& text);
    void SetTextKeepingCaret(const QString& text, int caret);

    EditKind kind_;
    int maxLength_;
    QString accepted_;
    QString undoText_;
    bool hasUndo_ = false;
};

} // namespace quelvan::ui
