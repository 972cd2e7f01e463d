#pragma once

#include <QString>

#include <string>

class QWidget;

namespace quelvan {
class KslDoc;
}
namespace quelvan::weather {
struct WeatherYear;
}

namespace quelvan::ui {

class Prompter;

// "Importer un fichier météo EPW...": converts an EPW file with the weather importer, asks in
// the import dialog for the station's name (and whether to make and choose an exterior ambiance
// on it), writes the weather file into the user's weather folder and adds the station to the
// project. Every refusal is said in a message box; nothing changes then.
class WeatherImport {
public:
    WeatherImport(KslDoc& doc, Prompter& prompter, QWidget* window);

    // The file dialog of EPW files; empty when cancelled.
    QString AskForFile();
    // Imports that file; true when the project changed. status then says what was done.
    bool Run(const std::string& epwPath);
    const QString& Status() const { return status_; }

private:
    // Writes the station's weather file into the user's weather folder; false when it was not
    // written (refused, cancelled or failed), which has been said.
    bool WriteStationFile(const std::string& fileName, const weather::WeatherYear& year);
    // Says so when the calculation would read another file of that name, found first.
    void WarnIfShadowed(const std::string& fileName);

    KslDoc& doc_;
    Prompter& prompter_;
    QWidget* window_;
    QString status_;
};

} // namespace quelvan::ui
