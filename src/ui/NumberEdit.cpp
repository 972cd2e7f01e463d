#include "ui/NumberEdit.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

#include <algorithm>

namespace quelvan::ui {

namespace {

bool IsUndoKey(const QKeyEvent* key)
{
    return key->matches(QKeySequence::Undo)
        || (key->key() == Qt::Key_Backspace && key->modifiers() == Qt::AltModifier);
}

} // namespace

NumberEdit::NumberEdit(EditKind kind, int maxLength, QWidget* parent)
    : QLineEdit(parent)
    , kind_(kind)
    , maxLength_(maxLength)
{
    connect(this, &QLineEdit::textEdited, this, &NumberEdit::OnTextEdited);
}

void NumberEdit::LoadText(const QString& text)
{
    accepted_ = text;
    hasUndo_ = false;
    undoText_.clear();
    setText(text);
}

void NumberEdit::SetTextKeepingCaret(const QString& text, int caret)
{
    // setText also empties the field's own undo history, so only our undo target remains.
    const QSignalBlocker block(this);
    setText(text);
    setCursorPosition(std::clamp(caret, 0, static_cast<int>(text.size())));
}

void NumberEdit::OnTextEdited(const QString& text)
{
    if (IsValidEditText(text.toStdString(), kind_, maxLength_)) {
        if (text != accepted_) {
            undoText_ = accepted_;
            hasUndo_ = true;
            accepted_ = text;
        }
        SetTextKeepingCaret(text, cursorPosition());
    } else {
        SetTextKeepingCaret(accepted_, 5);
    }
    emit userChanged();
}

void NumberEdit::Undo()
{
    if (!hasUndo_)
        return;
    std::swap(accepted_, undoText_);
    SetTextKeepingCaret(accepted_, static_cast<int>(accepted_.size()));
    emit userChanged();
}

bool NumberEdit::event(QEvent* event)
{
    // Claim the undo keys before any window shortcut does.
    if (event->type() == QEvent::ShortcutOverride && IsUndoKey(static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QLineEdit::event(event);
}

void NumberEdit::keyPressEvent(QKeyEvent* event)
{
    if (IsUndoKey(event)) {
        Undo();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void NumberEdit::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    menu.addAction(QStringLiteral("Annuler"), this, &NumberEdit::Undo)->setEnabled(hasUndo_);
    menu.addSeparator();
    const bool hasSelection = hasSelectedText();
    auto edited = [this] { OnTextEdited(text()); };
    menu.addAction(QStringLiteral("Couper"), this,
            [this, edited] {
                cut();
                edited();
            })
        ->setEnabled(hasSelection && !isReadOnly());
    menu.addAction(QStringLiteral("Copier"), this, &QLineEdit::copy)->setEnabled(hasSelection);
    menu.addAction(QStringLiteral("Coller"), this,
            [this, edited] {
                paste();
                edited();
            })
        ->setEnabled(!isReadOnly());
    menu.addSeparator();
    menu.addAction(QStringLiteral("Tout sélectionner"), this, &QLineEdit::selectAll);
    menu.exec(event->globalPos());
}

} // namespace quelvan::ui
