#include "ui/records/ReferencesDialog.h"

#include "ui/shell/HelpSupport.h"
#include "ui/shell/Prompter.h"
#include "ui/widgets/ControlNames.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

namespace quelvan::ui {

ReferencesDialog::ReferencesDialog(
    const QString& author, const QString& reference, Prompter& prompter, QWidget* parent)
    : QDialog(parent)
    , prompter_(prompter)
    , author_(Named(new QLineEdit(author), 1093))
    , reference_(Named(new QLineEdit(reference), 1094))
{
    setWindowTitle(QStringLiteral("Références"));
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Auteur"), author_);
    form->addRow(QStringLiteral("Référence"), reference_);
    author_->setMinimumWidth(260);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
    new HelpTopics(this, HelpTopic::References);
}

QString ReferencesDialog::Author() const
{
    return author_->text();
}
QString ReferencesDialog::Reference() const
{
    return reference_->text();
}

void ReferencesDialog::accept()
{
    for (QLineEdit* edit : { author_, reference_ }) {
        if (edit->text().size() > kMaxLength) {
            prompter_.Message(this,
                QStringLiteral("Tapez %1 caractères au maximum.").arg(kMaxLength),
                Prompter::Icon::Exclamation);
            edit->setFocus();
            edit->selectAll();
            return;
        }
    }
    QDialog::accept();
}

} // namespace quelvan::ui
