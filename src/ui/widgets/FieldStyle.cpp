#include "ui/widgets/FieldStyle.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPalette>

namespace quelvan::ui {

namespace {
QString CssColour(const QColor& colour)
{
    return QStringLiteral("rgb(%1, %2, %3)")
        .arg(colour.red())
        .arg(colour.green())
        .arg(colour.blue());
}
void SetSelectionColours(QPalette& palette)
{
    palette.setColor(QPalette::Highlight, kSelectionBackground);
    palette.setColor(QPalette::HighlightedText, kSelectionText);
}
} // namespace

void ApplyListColours(QComboBox* combo, bool yellowField)
{
    const QString selection = QStringLiteral("selection-background-color: %1; selection-color: %2;")
                                  .arg(CssColour(kSelectionBackground), CssColour(kSelectionText));
    if (yellowField) {
        QPalette field = combo->palette();
        field.setColor(QPalette::Button, kFieldYellow);
        field.setColor(QPalette::Base, kFieldYellow);
        SetSelectionColours(field);
        combo->setPalette(field);
        combo->setStyleSheet(QStringLiteral("QComboBox { background-color: %1; %2 }")
                                 .arg(CssColour(kFieldYellow), selection));
    }
    QPalette list = combo->view()->palette();
    list.setColor(QPalette::Base, kListPaleYellow);
    list.setColor(QPalette::Text, kListText);
    SetSelectionColours(list);
    combo->view()->setPalette(list);
    combo->view()->setStyleSheet(
        QStringLiteral("QAbstractItemView { background-color: %1; color: %2; %3 }")
            .arg(CssColour(kListPaleYellow), CssColour(kListText), selection));
}

void ShowAsComputed(QLineEdit* field)
{
    field->setReadOnly(true);
    QPalette p = field->palette();
    p.setColor(QPalette::Base, p.color(QPalette::Window));
    field->setPalette(p);
    field->setToolTip(QStringLiteral("Valeur calculée"));
}

} // namespace quelvan::ui
