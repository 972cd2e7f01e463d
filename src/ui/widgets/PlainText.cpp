#include "ui/widgets/PlainText.h"

#include <QLabel>
#include <QTextDocument>

namespace quelvan::ui {

QLabel* NewPlainLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    return label;
}

QString PlainToolTip(const QString& text)
{
    // A text Qt would not take for markup is shown as it is already.
    if (!Qt::mightBeRichText(text))
        return text;
    return QStringLiteral("<p style='white-space:pre'>") + text.toHtmlEscaped()
        + QStringLiteral("</p>");
}

QString PlainWindowTitle(const QString& text)
{
    QString title = text;
    return title.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

} // namespace quelvan::ui
