#include "ui/FormSupport.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QPalette>

static void InitQuelvanResources()
{
    Q_INIT_RESOURCE(quelvan);
}

namespace quelvan::ui {

void ApplyListColours(QComboBox* combo, bool yellowField)
{
    if (yellowField) {
        QPalette field = combo->palette();
        field.setColor(QPalette::Button, kFieldYellow);
        field.setColor(QPalette::Base, kFieldYellow);
        combo->setPalette(field);
        combo->setStyleSheet(QStringLiteral("QComboBox { background-color: rgb(255, 255, 0); }"));
    }
    QPalette list = combo->view()->palette();
    list.setColor(QPalette::Base, kListPaleYellow);
    list.setColor(QPalette::Text, kListText);
    combo->view()->setPalette(list);
    combo->view()->setStyleSheet(QStringLiteral(
        "QAbstractItemView { background-color: rgb(240, 240, 100); color: rgb(2, 0, 0); }"));
}

QString ControlName(int id)
{
    return QStringLiteral("c%1").arg(id);
}

void InitResources()
{
    InitQuelvanResources();
}

} // namespace quelvan::ui
