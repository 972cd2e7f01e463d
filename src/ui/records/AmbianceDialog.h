#pragma once

#include "model/CBCData.h"
#include "model/WeatherStation.h"
#include "ui/records/ProfilePreview.h"

#include <QDialog>

#include <array>
#include <memory>
#include <vector>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace quelvan::ui {

class NumberEdit;

// "Ambiance": the name of an ambiance and either a weather file (city, period, first day) or a
// temperature profile and a flux profile, each with its type, period, up to four values and a
// preview of its shape. The shown record is never changed; "OK" makes a new one.
class AmbianceDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr double kNoOrientation = 9999.0;

    // azimuth and inclination of the wall in radians, for the computed-flux preview; stations:
    // the project's imported weather stations, offered after the ten cities.
    AmbianceDialog(const CBCData& record, double azimuth = kNoOrientation,
        double inclination = kNoOrientation, QWidget* parent = nullptr,
        const NList<WeatherStation>* stations = nullptr);
    ~AmbianceDialog() override;
    std::unique_ptr<CBCData> TakeResult() { return std::move(result_); }

    // The computed flux preview asks this function (the engine's solar model) for each hour.
    void SetSolarFunction(SolarFluxFunction solar);

    void accept() override;

private:
    struct ValueRow {
        QLabel* label;
        NumberEdit* edit;
        QLabel* unit;
    };
    // The widgets and choices of one profile (temperature or flux).
    struct ProfileBox {
        ProfileType type = ProfileType::Null;
        Period period = Period::Day;
        std::vector<ProfileType> choices; // the type list's entries, in order
        QComboBox* typeList = nullptr;
        QComboBox* periodList = nullptr;
        std::array<ValueRow, 4> rows {};
        QLabel* preview = nullptr;
    };

    void BuildLayout();
    QGroupBox* BuildFileBox();
    void BuildDaySpin();
    QGroupBox* BuildDataBox();
    QGroupBox* BuildProfileBox(Component component);
    QDialogButtonBox* BuildButtons();
    void SetHelpTopics();
    void Load();
    void OnType(Component component, int index);
    void OnPeriod(Component component, int index);
    void OnWeatherToggled();
    void UpdateRows(Component component);
    void UpdateEnabled();
    void DrawPreview(Component component);
    ProfileBox& Box(Component component) { return boxes_[static_cast<size_t>(component)]; }

    const CBCData& record_;
    const NList<WeatherStation>* stations_;
    std::unique_ptr<CBCData> result_;
    double azimuth_;
    double inclination_;
    SolarFluxFunction solar_;
    bool updating_ = true;

    QLineEdit* name_ = nullptr;
    QCheckBox* weather_ = nullptr;
    QComboBox* city_ = nullptr;
    QComboBox* filePeriod_ = nullptr;
    NumberEdit* firstDay_ = nullptr;
    QWidget* spin_ = nullptr;
    std::array<ProfileBox, 2> boxes_ {};
};

} // namespace quelvan::ui
