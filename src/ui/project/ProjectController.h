#pragma once

#include "model/AmbianceCodes.h"
#include "ui/lists/ListKind.h"

#include <QObject>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace quelvan {
class KslDoc;
}

namespace quelvan::ui {

class EditHistory;
class Prompter;
class RecentFiles;

// The project's document commands: new, open, save and save as with their questions and
// messages (each file opened or saved goes to the recent files), the list dialogs (materials,
// layers, ambiances), the references and the print choices.
class ProjectController : public QObject {
    Q_OBJECT
public:
    ProjectController(KslDoc& doc, Prompter& prompter, RecentFiles& recent, QWidget* window);

    // Copies the form's fields into the document (before saving and before an ambiance list).
    void SetStoreControls(std::function<void()> store) { storeControls_ = std::move(store); }
    // The project's edit history: every change of the project is one of its steps; a new or
    // opened project starts a fresh one, and a save marks where the project is unmodified.
    EditHistory& History() { return *history_; }

    // "Enregistrer les modifications apportées à <title> ?" when modified: Yes saves (false if
    // that save did not happen), No continues, Cancel returns false.
    bool MaybeSave();
    void NewProject();
    // Ask before discarding, file dialog, read; a failed read leaves a new project. An EPW
    // weather file chosen (or given to OpenPath, OpenFile) is offered for import instead, and
    // the project stays.
    bool Open();
    // Reads the project at a path as Qt gives it (PathBytes), or as the system's bytes.
    bool OpenPath(const QString& path);
    bool OpenFile(const std::string& path);
    bool Save();
    bool SaveAs();

    // The list dialog of the material library, of the wall's layers or of one side's
    // ambiances (side is read for the ambiances only); on "OK" the project takes the records
    // back, and each change made in the dialog becomes a step of the edit history.
    bool EditList(ListKind kind, Side side = Side::Exterior);
    bool References();
    // "Humidité intérieure...": the interior of the moisture check, stored in the project's
    // optional section; a change is one step of the history (moistureChanged). "OK" without a
    // change stores nothing, so a project that never set it keeps its file.
    bool InteriorHumidity();
    bool PrintChoice();
    // "Importer un fichier météo EPW...": the file dialog when no path is given, then the import
    // of the file as a weather station of the project (WeatherImport); true when the project
    // changed, which it then says in statusMessage.
    bool ImportWeather(const std::string& epwPath = {});

    QString WindowTitle() const;

signals:
    // The document's data or name changed; the view reloads what it needs.
    void documentChanged();
    void titleChanged();
    // A note for the status bar on what a command did.
    void statusMessage(const QString& text);
    // The interior of the moisture check changed (the condensation window follows).
    void moistureChanged();

private:
    bool ReadInto(const std::string& path);
    bool WriteTo(const std::string& path);
    // Whether the project may be saved at a path the user chose: never over another file it
    // reads (a weather file), and over an existing file only after the question.
    bool MayWriteProjectAt(const std::string& path);

    // The document's data changed as a whole (new, opened): the view reloads, then the history
    // starts again from what the form shows.
    void Replaced();

    KslDoc& doc_;
    Prompter& prompter_;
    RecentFiles& recent_;
    QWidget* window_;
    EditHistory* history_;
    std::function<void()> storeControls_;
};

} // namespace quelvan::ui
