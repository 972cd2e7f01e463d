#include "ui/widgets/NumberEdit.h"

#include "core/PhysicalBounds.h"
#include "graphics/QtStrings.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace quelvan::ui {

namespace {

const QColor kOutOfBoundsFrame { 220, 0, 0 };

bool IsUndoKey(const QKeyEvent* key)
{
    return key->matches(QKeySequence::Undo)
        || (key->key() == Qt::Key_Backspace && key->modifiers() == Qt::AltModifier);
}

bool IsRedoKey(const QKeyEvent* key)
{
    const Qt::KeyboardModifiers shiftControl = Qt::ControlModifier | Qt::ShiftModifier;
    return key->matches(QKeySequence::Redo)
        || (key->key() == Qt::Key_Z && key->modifiers() == shiftControl)
        || (key->key() == Qt::Key_Y && key->modifiers() == Qt::ControlModifier);
}

// The range a field of that kind accepts while typed, for the refusal's text.
const Bounds& KindBounds(EditKind kind)
{
    switch (kind) {
    case EditKind::UnitReal:
        return bounds::kUnitField;
    case EditKind::Percent:
        return bounds::kPercentField;
    case EditKind::Latitude:
        return bounds::kLatitudeField;
    case EditKind::Inclination:
        return bounds::kInclinationField;
    case EditKind::DayOfYear:
        return bounds::kDayField;
    default:
        return bounds::kAnyNumber;
    }
}

} // namespace

NumberEdit::NumberEdit(EditKind kind, int maxLength, QWidget* parent)
    : QLineEdit(parent)
    , kind_(kind)
    , maxLength_(maxLength)
{
    connect(this, &QLineEdit::textEdited, this, &NumberEdit::OnTextEdited);
}

void NumberEdit::SetBounds(const Bounds* bounds)
{
    bounds_ = bounds;
    UpdateRefusalMark();
}

void NumberEdit::UseWindowUndo(QAction* undo, QAction* redo)
{
    windowUndo_ = undo;
    windowRedo_ = redo;
}

void NumberEdit::LoadText(const QString& text)
{
    accepted_ = text;
    hasUndo_ = false;
    undoText_.clear();
    setText(text);
    UpdateRefusalMark();
}

void NumberEdit::SetTextKeepingCaret(const QString& text, int caret)
{
    // setText also empties the field's own undo history, so only our undo target remains.
    const QSignalBlocker block(this);
    setText(text);
    setCursorPosition(std::clamp(caret, 0, static_cast<int>(text.size())));
    UpdateRefusalMark();
}

void NumberEdit::OnTextEdited(const QString& typed)
{
    // Every number the program shows and stores has a decimal point.
    QString text = typed;
    if (HoldsRealNumbers(kind_))
        text.replace(QLatin1Char(','), QLatin1Char('.'));
    if (ClassifyEditText(text.toStdString(), kind_, maxLength_) != EditTextState::Invalid) {
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

QString NumberEdit::RefusalText() const
{
    const std::string typed = FromQ(text());
    if (typed.empty())
        return {};
    const Bounds& range = bounds_ ? *bounds_ : KindBounds(kind_);
    const bool whole = !HoldsRealNumbers(kind_);
    ValueFault fault = whole ? CheckWholeNumber(typed, range) : CheckNumber(typed, range);
    // A number the field's kind refuses although it reads (a real where only positive ones go).
    if (fault == ValueFault::None && !IsValidEditText(typed, kind_, maxLength_))
        fault = ValueFault::NotANumber;
    if (fault == ValueFault::None)
        return {};
    std::string refusal = DescribeValueFault(typed, fault, range);
    if (fault != ValueFault::OutOfBounds && &range != &bounds::kAnyNumber)
        refusal += " (" + range.Text() + ")";
    return ToQ(refusal);
}

void NumberEdit::UpdateRefusalMark()
{
    const QString refusal = RefusalText();
    const bool refused = !refusal.isEmpty();
    if (refused) {
        if (!refused_)
            plainToolTip_ = toolTip();
        setToolTip(refusal);
    } else if (refused_) {
        setToolTip(plainToolTip_);
    }
    if (refused != refused_) {
        refused_ = refused;
        update();
    }
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
    // Claim the undo keys before any window shortcut does: the field decides where they go.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (IsUndoKey(key) || (windowRedo_ && IsRedoKey(key))) {
            event->accept();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void NumberEdit::keyPressEvent(QKeyEvent* event)
{
    if (windowUndo_ && (IsUndoKey(event) || IsRedoKey(event))) {
        QAction* action = IsUndoKey(event) ? windowUndo_.data() : windowRedo_.data();
        if (action && action->isEnabled())
            action->trigger();
        event->accept();
        return;
    }
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
    if (windowUndo_ && windowRedo_) {
        menu.addAction(windowUndo_);
        menu.addAction(windowRedo_);
    } else {
        menu.addAction(QStringLiteral("Annuler"), this, &NumberEdit::Undo)->setEnabled(hasUndo_);
    }
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

void NumberEdit::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    if (!refused_)
        return;
    QPainter painter(this);
    painter.setPen(QPen(kOutOfBoundsFrame, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

bool RefuseAtFirstRefusedField(QWidget& dialog)
{
    for (NumberEdit* field : dialog.findChildren<NumberEdit*>()) {
        if (!field->IsRefused() || !field->isVisibleTo(&dialog) || !field->isEnabled())
            continue;
        field->setFocus(Qt::OtherFocusReason);
        field->selectAll();
        QToolTip::showText(
            field->mapToGlobal(QPoint(0, field->height())), field->RefusalText(), field);
        return true;
    }
    return false;
}

} // namespace quelvan::ui
