#pragma once

// A seeded random user of the desktop application: clicks, keys, typed values (hostile ones
// among them), menu commands, every dialog opened, played and closed, calculations run, paused
// and stopped. It is its own Prompter, so that no modal dialog ever blocks: each one is played
// with random actions and then accepted or rejected; a menu or dialog that runs an event loop of
// its own (a field's context menu) is closed by a watchdog timer. The same seed gives the same
// actions.
#include "ui/shell/Prompter.h"

#include <QString>
#include <QStringList>
#include <QTimer>

#include <cstdint>
#include <memory>
#include <random>
#include <vector>

class QDialog;
class QWidget;

namespace quelvan::ui {
class MainWindow;
class RecordListDlg;
} // namespace quelvan::ui

namespace quelvan::ui::soak {

// The seed and the budget, from the environment: QUELVAN_SOAK_SEED (else kDefaultSoakSeed, so that
// the default test run plays the same user every time; continuous integration draws one),
// QUELVAN_SOAK_SECONDS (20 by default), QUELVAN_SOAK_ACTIONS (the most actions, none by
// default) and QUELVAN_SOAK_TRACE=1 to print every action.
inline constexpr std::uint64_t kDefaultSoakSeed = 20261207;

struct SoakPlan {
    std::uint64_t seed = kDefaultSoakSeed;
    double seconds = 20.0;
    long maxActions = -1;
    bool trace = false;

    static SoakPlan FromEnvironment();
};

class SoakDriver final : public Prompter {
public:
    // folder: where projects are saved; projects: files "Ouvrir" may be given.
    SoakDriver(const SoakPlan& plan, QString folder, QStringList projects);
    ~SoakDriver() override;

    // Random actions on the main window until the budget is spent; the number of actions.
    long Run();
    // Closes what is open (menus, windows, the calculation mode) and stops answering at random:
    // from then on questions are answered "Non", file names come from `FinalSaveName`.
    void Settle();
    MainWindow& Window() { return *window_; }
    long Messages() const { return messages_; }
    QString finalSaveName;
    // An EPW file the import's file dialog is given (most of the time), so that stations enter
    // the soaked project; empty: that dialog is refused like the other file dialogs.
    QString epwFile;

    void Message(QWidget* parent, const QString& text, Icon icon) override;
    Answer AskYesNoCancel(QWidget* parent, const QString& text) override;
    QString OpenFileName(QWidget* parent, const QString& initial) override;
    QString SaveFileName(QWidget* parent, const QString& initial) override;
    int Exec(QDialog& dialog) override;
    QAction* ExecMenu(QMenu& menu, const QPoint& globalPos) override;

private:
    int Below(int n) { return n <= 0 ? 0 : static_cast<int>(random_() % static_cast<unsigned>(n)); }
    bool Chance(int percent) { return Below(100) < percent; }
    template <typename T> const T& Pick(const std::vector<T>& items)
    {
        return items[static_cast<size_t>(Below(static_cast<int>(items.size())))];
    }
    void Trace(const QString& what) const;

    // One action on the main window, or inside a dialog.
    void ActOnWindow();
    void ActInDialog(QDialog& dialog);
    void ActInList(RecordListDlg& list);
    // Typing and keys in an edit field, a choice in a drop-down list, a menu entry.
    void TypeInto(QWidget* field);
    void PressKeyIn(QWidget* widget);
    void ChooseIn(QWidget* list);
    void TriggerFrom(const QList<QAction*>& actions);
    void RunStep();
    void ToggleWindows();
    void CloseStrays();
    // The actions that once gave wrong or lost data without a word, each checking its rule
    // (SoakTrustActions.cpp): an edit after a run then a save, an output aimed at each file
    // the project reads, a sign or point typed first over a selected value.
    void EditAfterRunThenSave();
    void ExportOntoReadFiles();
    void TypeLeadingSign();

    SoakPlan plan_;
    std::mt19937_64 random_;
    QString folder_;
    QStringList projects_;
    std::unique_ptr<MainWindow> window_;
    QTimer watchdog_;
    double clock_ = 0.0; // the calculation's clock, advanced by the driver
    int depth_ = 0; // dialogs open inside one another
    long messages_ = 0;
    long popups_ = 0; // menus closed by the watchdog
    bool settled_ = false;
    // While set, the file dialogs of outputs and "Enregistrer sous" choose this file and every
    // question is answered "Oui".
    QString forcedOutput_;
};

} // namespace quelvan::ui::soak
