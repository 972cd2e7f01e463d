#include "ui/widgets/ElidedComboBox.h"
#include "ui/widgets/PlainText.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QScreen>
#include <QStylePainter>

#include <algorithm>

namespace quelvan::ui {

ElidedComboBox::ElidedComboBox(QWidget* parent)
    : QComboBox(parent)
{
    connect(this, &QComboBox::currentIndexChanged, this,
        [this] { setToolTip(PlainToolTip(currentText())); });
}

QRect ElidedComboBox::TextRect() const
{
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return style()->subControlRect(
        QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
}

QString ElidedComboBox::ShownText() const
{
    return fontMetrics().elidedText(currentText(), Qt::ElideRight, TextRect().width() - 2);
}

bool ElidedComboBox::event(QEvent* event)
{
    // The list may have been refilled with its signals blocked: the tooltip is taken when asked.
    if (event->type() == QEvent::ToolTip)
        setToolTip(PlainToolTip(currentText()));
    return QComboBox::event(event);
}

void ElidedComboBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText = ShownText();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

void ElidedComboBox::showPopup()
{
    // The choices are read whole in the open list.
    int widest = std::max(width(), view()->sizeHintForColumn(0) + 2 * view()->frameWidth() + 24);
    if (screen() != nullptr)
        widest = std::min(widest, screen()->availableGeometry().width());
    view()->setMinimumWidth(widest);
    QComboBox::showPopup();
}

} // namespace quelvan::ui
