#pragma once

#include <QKeySequence>
#include <QMainWindow>
#include <QPageLayout>
#include <QPointer>

#include <memory>
#include <optional>
#include <string>

class QAction;
class QLabel;
class QMenu;
class QToolBar;

namespace quelvan {
class KslDoc;
}

namespace quelvan::ui {

class AnnualBalanceWindow;
class DynamicCharacteristicsDialog;
class KslView;
class LockKeyIndicators;
class ProjectController;
class RecentFiles;
class Prompter;
class WallComparisonWindow;
class CondensationWindow;

// The main frame: menus, tool bar, status bar, recent files, About box and the form view of
// the single project. It cannot be made smaller than 780 × 500.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kMinimumWidth = 780;
    static constexpr int kMinimumHeight = 500;

    // prompter may be null: the real message boxes and file dialogs are used.
    explicit MainWindow(Prompter* prompter = nullptr, QWidget* parent = nullptr);
    ~MainWindow() override;

    KslDoc& Document() { return *doc_; }
    KslView& View() { return *view_; }
    ProjectController& Controller() { return *controller_; }
    RecentFiles& Recent() { return *recent_; }
    QMenu* DataMenu() const { return dataMenu_; }
    QAction* Action(const QString& objectName) const;
    // The dynamic characteristics dialog while it is open, else null.
    DynamicCharacteristicsDialog* DynamicDialog() const;
    // The annual balance window while it is open, else null.
    AnnualBalanceWindow* AnnualWindow() const;
    // The wall comparison window while it is open, else null.
    WallComparisonWindow* ComparisonWindow() const;
    // The paper, orientation and margins chosen in "Configuration de l'impression..." for this
    // session; none until the page setup was accepted (the report's landscape defaults apply).
    const std::optional<QPageLayout>& PageLayout() const { return pageLayout_; }
    LockKeyIndicators& LockKeys() const { return *lockKeys_; }

public slots:
    void NewProject();
    void OpenProject();
    bool OpenPath(const QString& path);
    // A path as the system's bytes (the program's argument).
    bool OpenFile(const std::string& path);
    void SaveProject();
    void SaveProjectAs();
    void About();
    // Report printing: the report goes straight to the default printer; the preview and the PDF
    // export show the same pages.
    void PrintReport();
    void PrintPreview();
    void ExportPdf();
    void PrinterSetup();
    // Opens (or raises) the modeless dialog of the wall's dynamic characteristics.
    void ShowDynamicCharacteristics();
    // Opens (or raises) the modeless annual balance window and computes the year of the project
    // as the form shows it.
    void ShowAnnualBalance();
    // Opens (or raises) the modeless window comparing the project as the form shows it with
    // other walls.
    void ShowWallComparison();
    // Opens (or raises) the modeless condensation risk window and checks the project as the
    // form shows it.
    void ShowCondensation();
    CondensationWindow* CondensationRiskWindow() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The menu entries the tool bar also shows.
    struct ToolBarActions {
        QAction* newProject = nullptr;
        QAction* open = nullptr;
        QAction* save = nullptr;
        QAction* print = nullptr;
        QAction* help = nullptr;
    };

    // A menu entry with its object name, shortcut and status-bar tip, calling slot.
    template <typename Slot>
    QAction* AddAction(QMenu* menu, const char* text, const char* name, Slot slot,
        const QKeySequence& keys = {}, const char* tip = nullptr);
    void BuildMenus();
    void BuildFileMenu(ToolBarActions& shown);
    void BuildEditMenu();
    // "Annuler" and "Rétablir" name the step they act on, and are enabled in input mode only.
    void UpdateUndoActions();
    void BuildDisplayMenu(QToolBar& tools);
    void BuildDataMenu();
    QAction* BuildPrintMenu(); // gives "Imprimer..."
    QAction* BuildHelpMenu(); // gives "Rubriques de l'aide"
    void FillToolBar(QToolBar& tools, const ToolBarActions& actions);
    void BuildStatusBar();
    // Shows why the report cannot be made (no default printer when one is needed, no part
    // chosen) with an information icon; false when it can be made.
    bool ReportRefused(bool needsPrinter);
    void UpdateTitle();
    void UpdateRecentMenu();
    void AfterDocumentChange();
    // The open data windows follow an edit, an undo or a new document.
    void DataWindowsFollow();
    void UpdateModeIndicator();

    std::unique_ptr<Prompter> ownPrompter_;
    Prompter* prompter_;
    std::unique_ptr<KslDoc> doc_;
    KslView* view_ = nullptr;
    ProjectController* controller_ = nullptr;
    RecentFiles* recent_ = nullptr;
    QMenu* dataMenu_ = nullptr;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    QPointer<DynamicCharacteristicsDialog> dynamicDialog_;
    QPointer<AnnualBalanceWindow> annualWindow_;
    QPointer<WallComparisonWindow> comparisonWindow_;
    QPointer<CondensationWindow> condensationWindow_;
    std::optional<QPageLayout> pageLayout_;
    LockKeyIndicators* lockKeys_ = nullptr;
    QLabel* modeIndicator_ = nullptr; // "Calcul fin" while a fine calculation is shown
};

} // namespace quelvan::ui
