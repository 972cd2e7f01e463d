#include "ui/shell/Prompter.h"

#include "ui/project/OutputTarget.h"
#include "ui/shell/WindowPlacement.h"

#include <QDialog>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>

namespace quelvan::ui {

QString ProjectFileFilter()
{
    return QStringLiteral("Fichiers Quelvan (*.ksl);;Tous les fichiers (*)");
}

std::unique_ptr<QMessageBox> MessageBoxFor(
    QWidget* parent, const QString& text, Prompter::Icon icon)
{
    QMessageBox::Icon shown = QMessageBox::Information;
    if (icon == Prompter::Icon::Exclamation)
        shown = QMessageBox::Warning;
    else if (icon == Prompter::Icon::Stop)
        shown = QMessageBox::Critical;
    auto box = std::make_unique<QMessageBox>(
        shown, QStringLiteral("Quelvan"), QString(), QMessageBox::Ok, parent);
    // A message quotes names from files and users: plain text, never markup.
    box->setTextFormat(Qt::PlainText);
    box->setText(text);
    return box;
}

void QtPrompter::Message(QWidget* parent, const QString& text, Icon icon)
{
    MessageBoxFor(parent, text, icon)->exec();
}

std::unique_ptr<QMessageBox> QuestionBox(QWidget* parent, const QString& text)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::Question, QStringLiteral("Quelvan"),
        QString(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box->setTextFormat(Qt::PlainText);
    box->setText(text);
    box->setDefaultButton(QMessageBox::Yes);
    return box;
}

Prompter::Answer QtPrompter::AskYesNoCancel(QWidget* parent, const QString& text)
{
    const auto button = static_cast<QMessageBox::StandardButton>(QuestionBox(parent, text)->exec());
    if (button == QMessageBox::Yes)
        return Answer::Yes;
    if (button == QMessageBox::No)
        return Answer::No;
    return Answer::Cancel;
}

QString QtPrompter::OpenFileName(QWidget* parent, const QString& initial)
{
    return QFileDialog::getOpenFileName(
        parent, QStringLiteral("Ouvrir"), initial, ProjectFileFilter());
}

QString QtPrompter::SaveFileName(QWidget* parent, const QString& initial)
{
    QFileDialog dialog(parent, QStringLiteral("Enregistrer sous"), initial, ProjectFileFilter());
    // The caller refuses the files the project reads, then asks before replacing a file.
    PrepareOutputDialog(dialog, "ksl");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}

int QtPrompter::Exec(QDialog& dialog)
{
    PlaceModal(dialog);
    return dialog.exec();
}

QAction* QtPrompter::ExecMenu(QMenu& menu, const QPoint& globalPos)
{
    return menu.exec(globalPos);
}

} // namespace quelvan::ui
