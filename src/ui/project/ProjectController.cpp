#include "ui/project/ProjectController.h"

#include "core/Messages.h"
#include "core/TextFile.h"
#include "engine/CalculationInputs.h"
#include "graphics/QtStrings.h"
#include "model/CalculationSource.h"
#include "model/KslDoc.h"
#include "model/WallTables.h"
#include "persistence/ProjectFile.h"
#include "persistence/ResultsFile.h"
#include "ui/lists/AmbianceListAdapter.h"
#include "ui/lists/LayerListAdapter.h"
#include "ui/lists/MaterialListAdapter.h"
#include "ui/lists/RecordListDlg.h"
#include "ui/project/EditHistory.h"
#include "ui/project/FilePath.h"
#include "ui/project/OutputTarget.h"
#include "ui/project/PrintChoiceDialog.h"
#include "ui/project/ProgramSettings.h"
#include "ui/project/RecentFiles.h"
#include "ui/project/ReportChoiceSetting.h"
#include "ui/project/WeatherImport.h"
#include "ui/records/InteriorHumidityDialog.h"
#include "ui/records/ReferencesDialog.h"
#include "ui/shell/Prompter.h"
#include "weather/EpwImport.h"

#include <QFileInfo>
#include <QSettings>
#include <QVariant>

#include <filesystem>

namespace quelvan::ui {

namespace {
std::unique_ptr<RecordListModel> MakeRecordList(KslDoc& doc, ListKind kind, Side side)
{
    switch (kind) {
    case ListKind::Ambiances:
        return std::make_unique<AmbianceListAdapter>(doc.Ambiances(side), side,
            doc.AzimuthDegrees(), doc.InclinationDegrees(),
            side == Side::Exterior ? doc.selectedExterior : doc.selectedInterior, &doc.stations);
    case ListKind::Layers:
        return std::make_unique<LayerListAdapter>(doc.layers, doc.materials);
    case ListKind::Materials:
        break;
    }
    return std::make_unique<MaterialListAdapter>(doc.materials, doc.layers, doc.vapour);
}
} // namespace

ProjectController::ProjectController(
    KslDoc& doc, Prompter& prompter, RecentFiles& recent, QWidget* window)
    : QObject(window)
    , doc_(doc)
    , prompter_(prompter)
    , recent_(recent)
    , window_(window)
    , history_(new EditHistory(doc, this))
{
}

QString ProjectController::WindowTitle() const
{
    return ToQ(doc_.title) + QStringLiteral(" - Quelvan");
}

bool ProjectController::MaybeSave()
{
    if (!doc_.modified)
        return true;
    const auto answer = prompter_.AskYesNoCancel(window_,
        QStringLiteral("Enregistrer les modifications apportées à ") + ToQ(doc_.title)
            + QStringLiteral(" ?"));
    if (answer == Prompter::Answer::Cancel)
        return false;
    if (answer == Prompter::Answer::Yes)
        return Save() && !doc_.modified;
    return true;
}

void ProjectController::Replaced()
{
    emit documentChanged();
    history_->Reset();
    emit titleChanged();
}

void ProjectController::NewProject()
{
    doc_.NewDocument();
    Replaced();
}

bool ProjectController::ReadInto(const std::string& path)
{
    // Weather is never a project: reading it would only say where the first line failed.
    if (weather::LooksLikeEpwFile(path)) {
        ImportWeather(path);
        return false;
    }
    // The project is read into a fresh document first, so a failed read changes nothing
    // before the new project replaces it.
    KslDoc read;
    ReadError error;
    if (ReadProjectFile(read, path, &error) != Failure::None) {
        prompter_.Message(window_, ToQ(ReadErrorMessage(error)), Prompter::Icon::Exclamation);
        NewProject();
        return false;
    }
    doc_.NewDocument();
    doc_.TakeProjectData(read);
    doc_.SetPath(path);
    doc_.modified = false;
    doc_.referencesConfirmed = true;
    doc_.controlsOutOfDate = true;
    doc_.ResetResults();
    recent_.Add(path);
    Replaced();
    return true;
}

bool ProjectController::Open()
{
    if (!MaybeSave())
        return false;
    const QString initial = doc_.unnamed ? QStringLiteral("*.ksl") : PathText(doc_.fullPath);
    const QString path = prompter_.OpenFileName(window_, initial);
    if (path.isEmpty())
        return false;
    return ReadInto(PathBytes(path));
}

bool ProjectController::OpenPath(const QString& path)
{
    return ReadInto(PathBytes(path));
}

bool ProjectController::OpenFile(const std::string& path)
{
    return ReadInto(path);
}

bool ProjectController::WriteTo(const std::string& path)
{
    // Decided before the project file is replaced. Results are written only when they are a
    // calculation of the project as it is saved (not of the wall before an edit, nor a bare
    // initial state); otherwise the results file beside it is kept only while it still holds
    // this project's results.
    const bool hasResults = HoldsCurrentResults(doc_);
    const bool resultsStillApply = !hasResults && ResultsBesideStillApply(doc_, path);
    const WriteResult result = WriteProjectFile(doc_, path);
    if (result != WriteResult::Ok) {
        // The previous file stays intact and the project keeps its modified mark.
        prompter_.Message(window_,
            ToQ(result == WriteResult::ValueTooLong ? msg::kValueTooLong : msg::kProjectNotSaved),
            Prompter::Icon::Stop);
        return false;
    }
    doc_.SetPath(path);
    history_->MarkSaved();
    emit titleChanged();
    if (hasResults && !WriteResultsFile(doc_)) {
        prompter_.Message(window_, ToQ(msg::kResultsNotSaved), Prompter::Icon::Information);
        history_->MarkUnsaved();
    } else if (!hasResults && !resultsStillApply) {
        RemoveResultsFile(path);
    }
    recent_.Add(path);
    return true;
}

bool ProjectController::Save()
{
    if (storeControls_)
        storeControls_();
    if (!doc_.referencesConfirmed)
        References(); // "Annuler" goes on with the save
    if (!doc_.unnamed)
        return WriteTo(doc_.fullPath);
    const QString path = prompter_.SaveFileName(window_, ToQ(doc_.title) + QStringLiteral(".ksl"));
    if (path.isEmpty() || !MayWriteProjectAt(PathBytes(path)))
        return false;
    return WriteTo(PathBytes(path));
}

bool ProjectController::MayWriteProjectAt(const std::string& path)
{
    // The project may replace its own file (that is a save), never another file it reads.
    std::vector<std::string> filesRead = ProjectFilesRead(doc_, InputsFromDocument(doc_));
    if (!doc_.unnamed)
        std::erase(filesRead, doc_.fullPath);
    return MayWriteOutput(prompter_, window_, path, filesRead);
}

bool ProjectController::SaveAs()
{
    if (storeControls_)
        storeControls_();
    const QString initial
        = doc_.unnamed ? ToQ(doc_.title) + QStringLiteral(".ksl") : PathText(doc_.fullPath);
    const QString path = prompter_.SaveFileName(window_, initial);
    if (path.isEmpty() || !MayWriteProjectAt(PathBytes(path)))
        return false;
    return WriteTo(PathBytes(path));
}

bool ProjectController::EditList(ListKind kind, Side side)
{
    if (Describe(kind).readsForm && storeControls_)
        storeControls_();
    RecordListDlg dialog(MakeRecordList(doc_, kind, side), prompter_, window_);
    dialog.KeepSteps(history_->Current());
    if (prompter_.Exec(dialog) != QDialog::Accepted)
        return false;
    dialog.ApplyResult();
    history_->RecordSteps(dialog.Steps(), dialog.windowTitle());
    emit documentChanged();
    return true;
}

bool ProjectController::References()
{
    ReferencesDialog dialog(ToQ(doc_.author), ToQ(doc_.reference), prompter_, window_);
    if (prompter_.Exec(dialog) != QDialog::Accepted)
        return false;
    doc_.author = FromQ(dialog.Author());
    doc_.reference = FromQ(dialog.Reference());
    doc_.referencesConfirmed = true;
    history_->Record(QStringLiteral("Références"));
    return true;
}

bool ProjectController::InteriorHumidity()
{
    const MoistureSettings shown
        = doc_.moisture.IsEmpty() ? MoistureSettings {} : doc_.moisture.At(0);
    InteriorHumidityDialog dialog(shown, window_);
    if (prompter_.Exec(dialog) != QDialog::Accepted || dialog.Result() == shown)
        return false;
    std::vector<std::unique_ptr<MoistureSettings>> records;
    records.push_back(std::make_unique<MoistureSettings>(dialog.Result()));
    doc_.moisture.Replace(std::move(records));
    history_->Record(QStringLiteral("Humidité intérieure"));
    emit moistureChanged();
    return true;
}

bool ProjectController::PrintChoice()
{
    PrintChoiceDialog dialog(doc_.printChoices, window_);
    dialog.SetAnnualBalanceChecked(StoredAnnualBalanceChoice());
    dialog.SetCondensationChecked(StoredCondensationChoice());
    if (prompter_.Exec(dialog) != QDialog::Accepted)
        return false;
    for (int i = 0; i < PrintChoiceDialog::kChoiceCount; ++i)
        doc_.printChoices[static_cast<size_t>(i)] = dialog.IsChecked(i) ? 1 : 0;
    StoreAnnualBalanceChoice(dialog.AnnualBalanceChecked());
    StoreCondensationChoice(dialog.CondensationChecked());
    return true;
}

bool ProjectController::ImportWeather(const std::string& epwPath)
{
    WeatherImport import(doc_, prompter_, window_);
    const std::string path = epwPath.empty() ? PathBytes(import.AskForFile()) : epwPath;
    if (path.empty())
        return false;
    // The form's values are kept, as before a list: the document reloads the form afterwards.
    if (storeControls_)
        storeControls_();
    if (!import.Run(path))
        return false;
    // The form shows the ambiance chosen on the station before the import becomes one step of
    // the history (undone, it takes the station and its ambiance out of the project again).
    doc_.controlsOutOfDate = true;
    emit documentChanged();
    history_->Record(QStringLiteral("Importer un fichier météo"));
    emit statusMessage(import.Status());
    return true;
}

} // namespace quelvan::ui
