#include "ui/PrintChoiceDialog.h"

#include "ui/FormSupport.h"
#include "ui/HelpSupport.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quelvan::ui {

namespace {
struct Choice {
    int id;
    const char* text;
};
constexpr std::array<Choice, PrintChoiceDialog::kChoiceCount> kChoices { {
    { 1106, "Courbes fonction du temps" },
    { 1100, "Courbes fonction du temps, pour les dernières 24 heures" },
    { 1103, "Courbes des valeurs dans la paroi pour la dernière heure de calcul" },
    { 1098, "Données du problème" },
    { 1105, "Liste de la bibliothèque de matériaux" },
} };
} // namespace

PrintChoiceDialog::PrintChoiceDialog(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Impression"));
    auto* layout = new QVBoxLayout(this);
    for (size_t i = 0; i < kChoices.size(); ++i) {
        boxes_[i] = Named(new QCheckBox(QString::fromUtf8(kChoices[i].text)), kChoices[i].id);
        layout->addWidget(boxes_[i]);
    }
    auto* complete = new QHBoxLayout;
    auto* completeButton = Named(new QPushButton(QStringLiteral("...")), 1114);
    completeButton->setFixedWidth(30);
    complete->addWidget(completeButton);
    complete->addWidget(new QLabel(QStringLiteral("Choix d'un rapport complet")));
    complete->addStretch();
    layout->addLayout(complete);
    connect(completeButton, &QPushButton::clicked, this, &PrintChoiceDialog::ChooseCompleteReport);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    new HelpTopics(this, 12008);
}

bool PrintChoiceDialog::IsChecked(int flag) const
{
    return boxes_[static_cast<size_t>(flag)]->isChecked();
}

void PrintChoiceDialog::SetChecked(int flag, bool checked)
{
    boxes_[static_cast<size_t>(flag)]->setChecked(checked);
}

void PrintChoiceDialog::ChooseCompleteReport()
{
    SetChecked(0, false);
    SetChecked(1, true);
    SetChecked(3, false);
    SetChecked(2, true);
    SetChecked(4, true);
}

} // namespace quelvan::ui
