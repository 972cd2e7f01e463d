#pragma once

#include <QString>

#include <memory>

class QAction;
class QDialog;
class QMenu;
class QMessageBox;
class QPoint;
class QWidget;

namespace quelvan::ui {

// Every modal interaction of the application goes through this interface: message boxes,
// file dialogs and the modal run of dialogs. The program uses QtPrompter; tests substitute a
// scripted one so that nothing blocks.
class Prompter {
public:
    enum class Icon { Information, Exclamation, Stop };
    enum class Answer { Yes, No, Cancel };

    virtual ~Prompter() = default;
    virtual void Message(QWidget* parent, const QString& text, Icon icon) = 0;
    virtual Answer AskYesNoCancel(QWidget* parent, const QString& text) = 0;
    // Empty when cancelled. initial is the proposed name or folder. The save dialog asks
    // nothing about an existing file: the caller does (MayWriteOutput).
    virtual QString OpenFileName(QWidget* parent, const QString& initial) = 0;
    virtual QString SaveFileName(QWidget* parent, const QString& initial) = 0;
    // Runs a dialog modally; QDialog::Accepted or QDialog::Rejected.
    virtual int Exec(QDialog& dialog) = 0;
    // Shows a context menu at a point of the screen; the action chosen (already triggered), or
    // null when the menu was closed without a choice.
    virtual QAction* ExecMenu(QMenu& menu, const QPoint& globalPos) = 0;
};

// The real message boxes (titled "Quelvan") and file dialogs with the project filter.
class QtPrompter final : public Prompter {
public:
    void Message(QWidget* parent, const QString& text, Icon icon) override;
    Answer AskYesNoCancel(QWidget* parent, const QString& text) override;
    QString OpenFileName(QWidget* parent, const QString& initial) override;
    QString SaveFileName(QWidget* parent, const QString& initial) override;
    int Exec(QDialog& dialog) override;
    QAction* ExecMenu(QMenu& menu, const QPoint& globalPos) override;
};

// The message box of Message, titled "Quelvan", its text plain text.
std::unique_ptr<QMessageBox> MessageBoxFor(
    QWidget* parent, const QString& text, Prompter::Icon icon);

// The question box of AskYesNoCancel, titled "Quelvan", "Oui" the default button, its text
// plain text.
std::unique_ptr<QMessageBox> QuestionBox(QWidget* parent, const QString& text);

// The project file filter of the open and save dialogs.
QString ProjectFileFilter();

} // namespace quelvan::ui
