#include "ui/project/WeatherImport.h"

#include "core/FileIdentity.h"
#include "core/Messages.h"
#include "core/NFileName.h"
#include "engine/WeatherFiles.h"
#include "graphics/QtStrings.h"
#include "model/KslDoc.h"
#include "model/StationImport.h"
#include "ui/project/EpwImportDialog.h"
#include "ui/project/FilePath.h"
#include "ui/shell/Prompter.h"
#include "weather/EpwImport.h"

#include <QFileDialog>
#include <QFileInfo>

#include <filesystem>

namespace quelvan::ui {

namespace {
QString Quoted(const QString& text)
{
    return QStringLiteral("« ") + text + QStringLiteral(" »");
}
} // namespace

WeatherImport::WeatherImport(KslDoc& doc, Prompter& prompter, QWidget* window)
    : doc_(doc)
    , prompter_(prompter)
    , window_(window)
{
}

QString WeatherImport::AskForFile()
{
    QFileDialog dialog(window_, QStringLiteral("Importer un fichier météo EPW"), QString(),
        QStringLiteral("Fichiers météo EPW (*.epw *.EPW);;Tous les fichiers (*)"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (prompter_.Exec(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}

bool WeatherImport::Run(const std::string& epwPath)
{
    status_.clear();
    weather::EpwImportResult result = weather::ImportEpwFile(epwPath);
    // A time zone that contradicts the irradiance may still be what the user wants.
    if (!result.year && result.nightIrradianceHours > weather::kMostNightIrradianceHours) {
        if (prompter_.AskYesNoCancel(window_,
                ToQ(result.error) + QStringLiteral(".\n\nImporter quand même ce fichier ?"))
            != Prompter::Answer::Yes)
            return false;
        result = weather::ImportEpwFile(epwPath, { .acceptTimeZoneContradiction = true });
    }
    if (!result.year) {
        prompter_.Message(window_, ToQ(result.error), Prompter::Icon::Exclamation);
        return false;
    }
    EpwImportDialog dialog(QFileInfo(PathText(epwPath)).fileName(), result, window_);
    if (prompter_.Exec(dialog) != QDialog::Accepted)
        return false;
    const std::string name = FromQ(dialog.StationName());
    const std::string fileName = FromQ(dialog.FileName());
    if (StationWithFile(doc_.stations, fileName) == nullptr
        && FreeStationIndex(doc_.stations) < 0) {
        prompter_.Message(window_,
            QStringLiteral("Le nombre maximum de stations météo est atteint"),
            Prompter::Icon::Information);
        return false;
    }
    if (!WriteStationFile(fileName, *result.year))
        return false;
    const int index = AddOrRenameStation(doc_, name, fileName);
    status_ = QStringLiteral("Station météo %1 importée dans le fichier %2")
                  .arg(Quoted(ToQ(name)), Quoted(ToQ(fileName)));
    WarnIfShadowed(fileName);
    if (dialog.CreatesAmbiance()
        && !ChooseStationAmbiance(doc_, index, FromQ(StationAmbianceName(ToQ(name)))))
        prompter_.Message(window_, ToQ(msg::kMaxElements), Prompter::Icon::Information);
    return true;
}

bool WeatherImport::WriteStationFile(const std::string& fileName, const weather::WeatherYear& year)
{
    const std::string folder = UserWeatherDirectory();
    const std::filesystem::path path = std::filesystem::path(folder) / fileName;
    std::error_code error;
    // An existing file may hold weather that cannot be made again, a station of this project
    // (two names may give one file: "Lyon (Bron)" and "Lyon Bron") or of another project: it is
    // replaced only when the user says so, and no undo brings it back.
    if (!folder.empty() && std::filesystem::exists(std::filesystem::symlink_status(path, error))) {
        const WeatherStation* owner = StationWithFile(doc_.stations, fileName);
        const QString question = owner != nullptr
            ? QStringLiteral("Le fichier météo %1 est celui de la station %2 de ce projet : "
                             "son année sera remplacée par celle du fichier EPW.\n\nContinuer ?")
                  .arg(Quoted(ToQ(fileName)), Quoted(ToQ(owner->name)))
            : QStringLiteral("Le fichier météo %1 existe déjà dans le dossier météo de "
                             "l'utilisateur.\n\nLe remplacer par cette station ?")
                  .arg(Quoted(ToQ(fileName)));
        if (prompter_.AskYesNoCancel(window_, question) != Prompter::Answer::Yes)
            return false;
    }
    if (!folder.empty())
        std::filesystem::create_directories(folder, error);
    if (folder.empty() || !year.Write(path.string())) {
        prompter_.Message(window_,
            ToQ(msg::kWeatherWriteError) + QStringLiteral(" : ")
                + PathText(folder.empty() ? fileName : path.string()),
            Prompter::Icon::Exclamation);
        return false;
    }
    return true;
}

void WeatherImport::WarnIfShadowed(const std::string& fileName)
{
    // The calculation looks in the current folder and the project's folder before the user's
    // weather folder: a file of that name there would be read instead of the one just written.
    WeatherSearch search;
    if (!doc_.unnamed)
        search.projectDirectory = NFileName(doc_.fullPath).Directory();
    const std::optional<std::string> found = FindWeatherFile(fileName, search);
    const std::string written = (std::filesystem::path(UserWeatherDirectory()) / fileName).string();
    if (found && !SameFile(*found, written))
        prompter_.Message(window_,
            QStringLiteral("Le calcul lira le fichier %1, trouvé avant le dossier météo de "
                           "l'utilisateur, et non la station importée : retirer ce fichier pour "
                           "utiliser la station.")
                .arg(Quoted(PathText(*found))),
            Prompter::Icon::Information);
}

} // namespace quelvan::ui
