#include "ui/project/PrintChoiceDialog.h"

#include "graphics/QtStrings.h"
#include "ui/shell/HelpSupport.h"
#include "ui/widgets/ControlNames.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quelvan::ui {

namespace {
// The control number of each flag's box.
constexpr std::array<int, PrintChoiceDialog::kChoiceCount> kChoiceIds { 1106, 1100, 1103, 1098,
    1105 };
} // namespace

PrintChoiceDialog::PrintChoiceDialog(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Impression"));
    auto* layout = new QVBoxLayout(this);
    for (size_t flag = 0; flag < printing::kPages.size(); ++flag) {
        boxes_[flag] = Named(new QCheckBox(ToQ(printing::kPages[flag].choice)), kChoiceIds[flag]);
        layout->addWidget(boxes_[flag]);
    }
    annualBalance_ = new QCheckBox(ToQ(printing::kAnnualBalanceChoice));
    annualBalance_->setObjectName(QStringLiteral("annualBalance"));
    layout->addWidget(annualBalance_);
    condensation_ = new QCheckBox(ToQ(printing::kCondensationChoice));
    condensation_->setObjectName(QStringLiteral("condensation"));
    layout->addWidget(condensation_);
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
    new HelpTopics(this, HelpTopic::PrintChoice);
}

bool PrintChoiceDialog::IsChecked(int flag) const
{
    return boxes_[static_cast<size_t>(flag)]->isChecked();
}

void PrintChoiceDialog::SetChecked(int flag, bool checked)
{
    boxes_[static_cast<size_t>(flag)]->setChecked(checked);
}

bool PrintChoiceDialog::AnnualBalanceChecked() const
{
    return annualBalance_->isChecked();
}

void PrintChoiceDialog::SetAnnualBalanceChecked(bool checked)
{
    annualBalance_->setChecked(checked);
}

bool PrintChoiceDialog::CondensationChecked() const
{
    return condensation_->isChecked();
}

void PrintChoiceDialog::SetCondensationChecked(bool checked)
{
    condensation_->setChecked(checked);
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
