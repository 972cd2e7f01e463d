#pragma once

#include "ui/shell/Prompter.h"

#include <QAction>
#include <QDialog>
#include <QFileDialog>
#include <QMenu>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

namespace quelvan::ui::test {

// A prompter that never blocks: it records every message and question, answers from queues
// and hands each modal dialog to a handler that plays the user's part.
class ScriptedPrompter final : public Prompter {
public:
    struct Shown {
        QString text;
        Icon icon;
    };
    std::vector<Shown> messages;
    QStringList questions;
    std::deque<Answer> answers; // default No when empty
    std::deque<QString> openNames;
    std::deque<QString> saveNames;
    int saveDialogs = 0;
    int openDialogs = 0;
    QStringList dialogTitles;
    std::function<int(QDialog&)> onDialog; // default: reject
    std::deque<QString> menuChoices; // the entry chosen in each context menu; none: closed
    int menusShown = 0;

    void Message(QWidget*, const QString& text, Icon icon) override
    {
        messages.push_back({ text, icon });
    }
    Answer AskYesNoCancel(QWidget*, const QString& text) override
    {
        questions << text;
        if (answers.empty())
            return Answer::No;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    QString OpenFileName(QWidget*, const QString&) override
    {
        ++openDialogs;
        if (openNames.empty())
            return {};
        const QString n = openNames.front();
        openNames.pop_front();
        return n;
    }
    QString SaveFileName(QWidget*, const QString&) override
    {
        ++saveDialogs;
        if (saveNames.empty())
            return {};
        const QString n = saveNames.front();
        saveNames.pop_front();
        return n;
    }
    int Exec(QDialog& dialog) override
    {
        dialogTitles << dialog.windowTitle();
        return onDialog ? onDialog(dialog) : QDialog::Rejected;
    }
    QAction* ExecMenu(QMenu& menu, const QPoint&) override
    {
        ++menusShown;
        if (menuChoices.empty())
            return nullptr;
        const QString choice = menuChoices.front();
        menuChoices.pop_front();
        for (QAction* action : menu.actions()) {
            // Chosen by its words; the mnemonic's "&" is not read.
            if (action->text().remove(QLatin1Char('&')) == choice && action->isEnabled()) {
                action->trigger();
                return action;
            }
        }
        return nullptr;
    }
    bool HasMessage(const QString& text) const
    {
        for (const auto& m : messages)
            if (m.text == text)
                return true;
        return false;
    }
};

// Accepts a dialog after letting a function edit it.
template <typename D, typename F> std::function<int(QDialog&)> AcceptAs(F edit)
{
    return [edit](QDialog& dialog) {
        auto* typed = dynamic_cast<D*>(&dialog);
        if (!typed)
            return static_cast<int>(QDialog::Rejected);
        edit(*typed);
        typed->accept();
        return static_cast<int>(QDialog::Accepted);
    };
}

// Answers a file dialog with that file, as a user choosing it; any other dialog is refused.
inline std::function<int(QDialog&)> ChooseFile(const QString& path)
{
    return [path](QDialog& dialog) {
        auto* files = dynamic_cast<QFileDialog*>(&dialog);
        if (files == nullptr)
            return static_cast<int>(QDialog::Rejected);
        files->selectFile(path);
        return static_cast<int>(QDialog::Accepted);
    };
}

} // namespace quelvan::ui::test
