#include "ui/main/MainWindow.h"

#include "core/Messages.h"
#include "engine/variants/VariantStudy.h"
#include "graphics/QtStrings.h"
#include "model/CBCData.h"
#include "model/KslDoc.h"
#include "ui/main/CalculationModeSetting.h"
#include "ui/main/CalculationRunner.h"
#include "ui/main/KslView.h"
#include "ui/main/LockKeyIndicators.h"
#include "ui/project/EditHistory.h"
#include "ui/project/FileDrop.h"
#include "ui/project/FilePath.h"
#include "ui/project/ProjectController.h"
#include "ui/project/RecentFiles.h"
#include "ui/shell/AboutDialog.h"
#include "ui/shell/HelpSupport.h"
#include "ui/shell/Prompter.h"
#include "ui/shell/WindowPlacement.h"
#include "ui/studies/AnnualBalanceWindow.h"
#include "ui/studies/CondensationWindow.h"
#include "ui/studies/DynamicCharacteristicsDialog.h"
#include "ui/studies/WallComparisonWindow.h"
#include "ui/widgets/PlainText.h"
#include "weather/EpwImport.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusBar>
#include <QToolBar>

namespace quelvan::ui {

namespace {
constexpr const char* kIdlePrompt = "F1 pour l'aide";
}

MainWindow::MainWindow(Prompter* prompter, QWidget* parent)
    : QMainWindow(parent)
    , ownPrompter_(prompter ? nullptr : std::make_unique<QtPrompter>())
    , prompter_(prompter ? prompter : ownPrompter_.get())
    , doc_(std::make_unique<KslDoc>())
{
    InitResources();
    setWindowIcon(QIcon(QStringLiteral(":/icons/quelvan.png")));
    view_ = new KslView(*doc_, *prompter_, this);
    setCentralWidget(view_);
    recent_ = new RecentFiles(this);
    controller_ = new ProjectController(*doc_, *prompter_, *recent_, this);
    controller_->SetStoreControls([this] { view_->StoreControls(); });
    connect(
        controller_, &ProjectController::documentChanged, this, &MainWindow::AfterDocumentChange);
    connect(controller_, &ProjectController::titleChanged, this, &MainWindow::UpdateTitle);
    connect(recent_, &RecentFiles::changed, this, &MainWindow::UpdateRecentMenu);
    connect(controller_, &ProjectController::statusMessage, this,
        [this](const QString& text) { statusBar()->showMessage(text); });
    connect(view_, &KslView::layersRequested, controller_,
        [this] { controller_->EditList(ListKind::Layers); });
    connect(view_, &KslView::ambianceListRequested, this, [this](Side side) {
        if (controller_->EditList(ListKind::Ambiances, side))
            view_->FillAmbianceList(side);
    });
    // The dynamic characteristics, the annual balance and the wall comparison follow the form
    // as it is typed.
    connect(view_, &KslView::formEdited, this, &MainWindow::DataWindowsFollow);
    connect(controller_, &ProjectController::moistureChanged, this, &MainWindow::DataWindowsFollow);
    connect(view_, &KslView::calculationModeChanged, this, [this](bool calculation) {
        dataMenu_->setEnabled(!calculation);
        UpdateModeIndicator();
        UpdateUndoActions();
    });
    // Every change of the project is a step of its history; undoing one rebuilds the form and
    // the windows that show the project. Leaving a field ends its step.
    EditHistory& history = controller_->History();
    history.SetFormValues([this] { return view_->FormValuesShown(); });
    connect(view_, &KslView::userEdited, &history, &EditHistory::Record);
    connect(&history, &EditHistory::restored, this, &MainWindow::AfterDocumentChange);
    connect(&history.Stack(), &QUndoStack::cleanChanged, this, &MainWindow::UpdateTitle);
    connect(qApp, &QApplication::focusChanged, &history, &EditHistory::EndMerge);
    connect(&view_->Runner(), &CalculationRunner::resultsChanged, this,
        &MainWindow::UpdateModeIndicator);
    connect(&view_->Runner(), &CalculationRunner::runEnded, this,
        [this](const QString& text) { statusBar()->showMessage(text); });
    BuildMenus();
    // A dropped project opens as "Ouvrir..." would, a dropped EPW file is offered for import.
    new FileDrop(*this, [this](const std::string& path) {
        if (weather::LooksLikeEpwFile(path))
            controller_->ImportWeather(path);
        else if (controller_->MaybeSave())
            OpenFile(path);
    });
    setMinimumSize(kMinimumWidth, kMinimumHeight);
    RestoreMainWindowPlace(*this);
    history.Reset();
    UpdateTitle();
}

MainWindow::~MainWindow() = default;

QAction* MainWindow::Action(const QString& objectName) const
{
    return findChild<QAction*>(objectName);
}

template <typename Slot>
QAction* MainWindow::AddAction(QMenu* menu, const char* text, const char* name, Slot slot,
    const QKeySequence& keys, const char* tip)
{
    QAction* action = menu->addAction(ToQ(text));
    action->setObjectName(ToQ(name));
    if (!keys.isEmpty())
        action->setShortcut(keys);
    if (tip)
        action->setStatusTip(ToQ(tip));
    connect(action, &QAction::triggered, this, slot);
    return action;
}

void MainWindow::BuildMenus()
{
    QToolBar* tools = addToolBar(QStringLiteral("Barre d'outils"));
    tools->setObjectName(QStringLiteral("toolBar"));
    ToolBarActions shown;
    BuildFileMenu(shown);
    BuildEditMenu();
    BuildDisplayMenu(*tools);
    BuildDataMenu();
    shown.print = BuildPrintMenu();
    shown.help = BuildHelpMenu();
    FillToolBar(*tools, shown);
    BuildStatusBar();
    UpdateRecentMenu();
}

void MainWindow::BuildFileMenu(ToolBarActions& shown)
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Fichier"));
    shown.newProject = AddAction(file, "&Nouveau", "actionNew", &MainWindow::NewProject,
        QKeySequence(Qt::CTRL | Qt::Key_N), "Crée un nouveau projet");
    shown.open = AddAction(file, "&Ouvrir...", "actionOpen", &MainWindow::OpenProject,
        QKeySequence(Qt::CTRL | Qt::Key_O), "Ouvre un projet existant");
    shown.save = AddAction(file, "&Enregistrer", "actionSave", &MainWindow::SaveProject,
        QKeySequence(Qt::CTRL | Qt::Key_S), "Enregistre le projet");
    AddAction(file, "En&registrer sous...", "actionSaveAs", &MainWindow::SaveProjectAs, {},
        "Enregistre le projet sous un nouveau nom");
    file->addSeparator();
    recentMenu_ = file->addMenu(QStringLiteral("Fichier ré&cent"));
    file->addSeparator();
    // Closing asks to save a modified project (closeEvent).
    AddAction(file, "&Quitter", "actionQuit", &QWidget::close, QKeySequence(Qt::CTRL | Qt::Key_Q),
        "Quitte l'application");
}

void MainWindow::BuildEditMenu()
{
    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Édition"));
    // Alt+É cannot be typed on every keyboard: Alt+E opens the menu too, rather than typing an
    // "e" into the field that has the focus.
    auto* editKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_E), this);
    connect(editKey, &QShortcut::activated, this,
        [this, edit] { menuBar()->setActiveAction(edit->menuAction()); });
    QUndoStack& stack = controller_->History().Stack();
    undo_ = AddAction(
        edit, "&Annuler", "actionUndo", [&stack] { stack.undo(); }, {},
        "Annule la dernière modification du projet");
    undo_->setShortcuts(
        { QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace) });
    redo_ = AddAction(
        edit, "&Rétablir", "actionRedo", [&stack] { stack.redo(); }, {},
        "Rétablit la dernière modification annulée");
    redo_->setShortcuts(
        { QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y) });
    for (auto changed : { &QUndoStack::canUndoChanged, &QUndoStack::canRedoChanged })
        connect(&stack, changed, this, &MainWindow::UpdateUndoActions);
    for (auto changed : { &QUndoStack::undoTextChanged, &QUndoStack::redoTextChanged })
        connect(&stack, changed, this, &MainWindow::UpdateUndoActions);
    view_->UseWindowUndo(undo_, redo_);
    UpdateUndoActions();
}

void MainWindow::UpdateUndoActions()
{
    // The project cannot change in calculation mode: its inputs are locked.
    QUndoStack& stack = controller_->History().Stack();
    const bool input = !view_->IsCalculationMode();
    auto name = [](const char* action, const QString& step) {
        return ToQ(action) + (step.isEmpty() ? QString() : QStringLiteral(" : ") + step);
    };
    undo_->setText(name("&Annuler", stack.undoText()));
    redo_->setText(name("&Rétablir", stack.redoText()));
    undo_->setEnabled(input && stack.canUndo());
    redo_->setEnabled(input && stack.canRedo());
}

void MainWindow::BuildDisplayMenu(QToolBar& tools)
{
    QMenu* display = menuBar()->addMenu(QStringLiteral("&Affichage"));
    QAction* toolsAction = tools.toggleViewAction();
    toolsAction->setText(QStringLiteral("&Barre d'outils"));
    display->addAction(toolsAction);
    QAction* statusAction = display->addAction(QStringLiteral("Barre d'é&tat"));
    statusAction->setCheckable(true);
    statusAction->setChecked(true);
    connect(statusAction, &QAction::toggled, statusBar(), &QStatusBar::setVisible);
}

void MainWindow::BuildDataMenu()
{
    // Every entry has a key of its own under Alt+D.
    dataMenu_ = menuBar()->addMenu(QStringLiteral("&Données"));
    AddAction(
        dataMenu_, "Liste des &matériaux...", "actionMaterials",
        [this] { controller_->EditList(ListKind::Materials); }, {},
        "Affiche la liste des matériaux");
    AddAction(
        dataMenu_, "&Couches...", "actionLayers",
        [this] { controller_->EditList(ListKind::Layers); }, {},
        "Affiche la liste des couches de la paroi");
    AddAction(
        dataMenu_, "Listes des ambiances &intérieures...", "actionInteriorAmbiances",
        [this] { emit view_->ambianceListRequested(Side::Interior); }, {},
        "Affiche la liste des ambiances intérieures");
    AddAction(
        dataMenu_, "Liste des ambiances e&xtérieures...", "actionExteriorAmbiances",
        [this] { emit view_->ambianceListRequested(Side::Exterior); }, {},
        "Affiche la liste des ambiances extérieures");
    AddAction(
        dataMenu_, "Importer un fichier météo &EPW...", "actionImportEpw",
        [this] { controller_->ImportWeather(); }, {},
        "Ajoute au projet une station météo lue dans un fichier EPW");
    AddAction(
        dataMenu_, "&Références...", "actionReferences", [this] { controller_->References(); }, {},
        "Nom d'auteur et autres références");
    dataMenu_->addSeparator();
    AddAction(dataMenu_, "Caractéristiques &dynamiques...", "actionDynamic",
        &MainWindow::ShowDynamicCharacteristics, {},
        "Amortissement, déphasage et capacités thermiques de la paroi");
    AddAction(dataMenu_, "&Bilan annuel...", "actionAnnualBalance", &MainWindow::ShowAnnualBalance,
        {}, "Pertes et apports de la paroi mois par mois sur une année");
    AddAction(dataMenu_, "Com&parer des parois...", "actionCompareWalls",
        &MainWindow::ShowWallComparison, {}, "Valeurs et semaines de plusieurs parois côte à côte");
    AddAction(dataMenu_, "Risque de c&ondensation...", "actionCondensation",
        &MainWindow::ShowCondensation, {},
        "Condensation dans la paroi mois par mois (diagramme de Glaser) et moisissure en surface");
    AddAction(
        dataMenu_, "&Humidité intérieure...", "actionInteriorHumidity",
        [this] { controller_->InteriorHumidity(); }, {},
        "Humidité et température intérieures de la vérification de condensation");
    // The calculation's mode; the menu is locked in calculation mode, and the setting is read
    // when a calculation is prepared.
    dataMenu_->addSeparator();
    QAction* fine = dataMenu_->addAction(QStringLiteral("Calcul &fin"));
    fine->setObjectName(QStringLiteral("actionFineMode"));
    fine->setCheckable(true);
    fine->setChecked(StoredCalculationMode() == CalculationMode::Fine);
    fine->setStatusTip(
        ToQ("Calcul sur un maillage affiné, par sous-pas de 10 minutes, en résolution directe"));
    connect(fine, &QAction::toggled, this, [](bool on) {
        StoreCalculationMode(on ? CalculationMode::Fine : CalculationMode::Standard);
    });
}

QAction* MainWindow::BuildPrintMenu()
{
    QMenu* print = menuBar()->addMenu(QStringLiteral("&Impression"));
    AddAction(print, "C&onfiguration de l'impression...", "actionPrinterSetup",
        &MainWindow::PrinterSetup, {}, "Modifie les options d'impression");
    AddAction(
        print, "&Choix des impressions...", "actionPrintChoice",
        [this] { controller_->PrintChoice(); }, {}, "Sélectionne les impressions");
    AddAction(print, "Aperçu a&vant impression", "actionPrintPreview", &MainWindow::PrintPreview,
        {}, "Affiche les pages entières");
    QAction* printAction = AddAction(print, "&Imprimer...", "actionPrint", &MainWindow::PrintReport,
        QKeySequence(Qt::CTRL | Qt::Key_P), "Imprime le rapport");
    AddAction(print, "Exporter en &PDF...", "actionExportPdf", &MainWindow::ExportPdf, {},
        "Enregistre le rapport dans un fichier PDF");
    return printAction;
}

QAction* MainWindow::BuildHelpMenu()
{
    QMenu* help = menuBar()->addMenu(QStringLiteral("&?"));
    QAction* contents = AddAction(
        help, "&Rubriques de l'aide", "actionHelp", [this] { ShowHelp(this, HelpTopic::Contents); },
        {}, "Affiche le sommaire de l'aide");
    AddAction(help, "&A propos de Quelvan ...", "actionAbout", &MainWindow::About, {},
        "Affiche le nom et la version du programme");
    return contents;
}

void MainWindow::FillToolBar(QToolBar& tools, const ToolBarActions& actions)
{
    actions.newProject->setIcon(QIcon(QStringLiteral(":/icons/new.png")));
    actions.open->setIcon(QIcon(QStringLiteral(":/icons/open.png")));
    actions.save->setIcon(QIcon(QStringLiteral(":/icons/save.png")));
    actions.print->setIcon(QIcon(QStringLiteral(":/icons/print.png")));
    // The "?" button opens the help's contents, as users expect of it.
    actions.help->setIcon(QIcon(QStringLiteral(":/icons/about.png")));
    tools.setIconSize(QSize(16, 16));
    tools.addAction(actions.newProject);
    tools.addAction(actions.open);
    tools.addAction(actions.save);
    tools.addSeparator();
    tools.addAction(actions.print);
    tools.addSeparator();
    tools.addAction(actions.help);
}

void MainWindow::BuildStatusBar()
{
    modeIndicator_ = new QLabel(ToQ(CalculationModeLabel(CalculationMode::Fine)));
    modeIndicator_->setObjectName(QStringLiteral("fineModeIndicator"));
    modeIndicator_->hide();
    statusBar()->addPermanentWidget(modeIndicator_);
    lockKeys_ = new LockKeyIndicators(*statusBar());
    statusBar()->showMessage(ToQ(kIdlePrompt));
    connect(statusBar(), &QStatusBar::messageChanged, this, [this](const QString& text) {
        if (text.isEmpty())
            statusBar()->showMessage(ToQ(kIdlePrompt));
    });
}

void MainWindow::UpdateTitle()
{
    // The modified mark: a "*" after the project's name while the project differs from its
    // saved state (undoing back to that state takes it away); none otherwise, so that the
    // title then reads as it always did. A "[*]" in the name is shown as written.
    const QString title = controller_->WindowTitle();
    const qsizetype separator = title.lastIndexOf(QStringLiteral(" - "));
    if (!doc_->modified || separator < 0)
        setWindowTitle(PlainWindowTitle(title));
    else
        setWindowTitle(
            PlainWindowTitle(title.left(separator) + QLatin1Char('*') + title.mid(separator)));
}

void MainWindow::UpdateRecentMenu()
{
    recentMenu_->clear();
    const std::vector<std::string> files = recent_->Paths();
    for (size_t i = 0; i < files.size(); ++i) {
        const std::string& file = files[i];
        QAction* action = recentMenu_->addAction(
            QStringLiteral("&%1 %2").arg(static_cast<int>(i) + 1).arg(PathText(file)));
        connect(action, &QAction::triggered, this, [this, file] {
            if (controller_->MaybeSave())
                OpenFile(file);
        });
    }
    recentMenu_->setEnabled(!files.empty());
}

void MainWindow::AfterDocumentChange()
{
    view_->DocumentChanged();
    DataWindowsFollow();
    UpdateTitle();
}

void MainWindow::UpdateModeIndicator()
{
    const RunView& run = view_->Runner().Engine().View();
    modeIndicator_->setVisible(
        view_->IsCalculationMode() && run.prepared && run.mode == CalculationMode::Fine);
}

void MainWindow::NewProject()
{
    if (!controller_->MaybeSave())
        return;
    controller_->NewProject();
    // What the status bar said of the project before (a report exported) is no longer true.
    statusBar()->clearMessage();
}

void MainWindow::OpenProject()
{
    controller_->Open();
}

bool MainWindow::OpenPath(const QString& path)
{
    return OpenFile(PathBytes(path));
}

bool MainWindow::OpenFile(const std::string& path)
{
    // A read or a failed read (which leaves a new project) starts a fresh history; an EPW file
    // offered for import leaves the project as it is, with the station if imported.
    const bool read = controller_->OpenFile(path);
    statusBar()->clearMessage();
    return read;
}

void MainWindow::SaveProject()
{
    controller_->Save();
}
void MainWindow::SaveProjectAs()
{
    controller_->SaveAs();
}

void MainWindow::About()
{
    AboutDialog dialog(this);
    prompter_->Exec(dialog);
}

DynamicCharacteristicsDialog* MainWindow::DynamicDialog() const
{
    return dynamicDialog_.data();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!controller_->MaybeSave()) {
        event->ignore();
        return;
    }
    view_->SetCalculationMode(false);
    RememberMainWindowPlace(*this);
    event->accept();
}

} // namespace quelvan::ui
