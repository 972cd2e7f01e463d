#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QVBoxLayout;

namespace quelvan::weather {
struct EpwImportResult;
}

namespace quelvan::ui {

// "Importer un fichier météo EPW": what the file holds (its place, its site, the repairs the
// conversion made) and the station it becomes: its name, under which the ambiance dialog lists
// it beside the ten cities, the weather file written into the user's weather folder, and
// whether an exterior ambiance on it is made and chosen at once.
class EpwImportDialog : public QDialog {
    Q_OBJECT
public:
    EpwImportDialog(
        const QString& epwName, const weather::EpwImportResult& result, QWidget* parent);

    QString StationName() const;
    void SetStationName(const QString& name);
    bool CreatesAmbiance() const;
    void SetCreatesAmbiance(bool create);
    // The weather file the name gives ("Station_Lyon_Bron_AP.wth").
    QString FileName() const;

    // The city of an EPW file's place ("Lyon Bron AP" of "Lyon Bron AP, AR, FRA").
    static QString CityOf(const std::string& location);

private:
    // The file's name, its place and site, and what its import repaired or warns of.
    void AddFacts(
        QVBoxLayout& layout, const QString& epwName, const weather::EpwImportResult& result);
    void NameChanged();

    QLineEdit* name_ = nullptr;
    QLabel* file_ = nullptr;
    QLabel* nameLimit_ = nullptr; // shown while the name is as long as a name may be
    QCheckBox* ambiance_ = nullptr;
    QPushButton* ok_ = nullptr;
};

// "Météo de " + the station's name: the exterior ambiance made on an imported station.
QString StationAmbianceName(const QString& station);

} // namespace quelvan::ui
