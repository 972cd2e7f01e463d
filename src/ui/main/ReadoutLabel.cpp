#include "ui/main/ReadoutLabel.h"
#include "graphics/QtStrings.h"
#include "ui/widgets/PlainText.h"

#include "core/NumberText.h"

#include <QFontMetricsF>
#include <QPalette>

namespace quelvan::ui {

namespace {
constexpr int kIndent = 2; // pixels between the text and the frame on the right
constexpr double kPointStep = 0.5;

// Decimals of a plain decimal text, -1 for a text that is no such number ("###", "---").
int DecimalsOf(const QString& text)
{
    bool ok = false;
    text.toDouble(&ok);
    if (!ok || text.contains(QLatin1Char('e'), Qt::CaseInsensitive))
        return -1;
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    return point < 0 ? 0 : static_cast<int>(text.size() - point - 1);
}
} // namespace

ReadoutLabel::ReadoutLabel(QWidget* parent)
    : QLabel(parent)
{
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // A fixed indent: with a frame, the default one is half an "x" of the font, which would
    // change with the fitted font.
    setIndent(kIndent);
    setTextFormat(Qt::PlainText);
}

void ReadoutLabel::SetValue(const QString& value)
{
    value_ = value;
    setToolTip(PlainToolTip(value));
    Fit();
}

int ReadoutLabel::TextRoom() const
{
    return contentsRect().width() - 2 * margin() - indent();
}

void ReadoutLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    Fit();
}

void ReadoutLabel::Fit()
{
    // The font the box would have without fitting: its parent's.
    const QFont base = parentWidget() ? parentWidget()->font() : QFont();
    const double room = TextRoom();
    auto fits = [room](const QFont& font, const QString& text) {
        return QFontMetricsF(font).horizontalAdvance(text) <= room;
    };
    QFont font = base;
    double size = base.pointSizeF();
    while (!fits(font, value_) && size - kPointStep >= kSmallestPointSize) {
        size -= kPointStep;
        font.setPointSizeF(size);
    }
    QString shown = value_;
    // Still too wide: fewer decimals, rounded, while there are some to drop.
    for (int decimals = DecimalsOf(value_) - 1; !fits(font, shown) && decimals >= 0; --decimals)
        shown = ToQ(FormatNumber(value_.toDouble(), Decimals { decimals }, false));
    setFont(font);
    setText(shown);
}

} // namespace quelvan::ui
