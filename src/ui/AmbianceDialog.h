#pragma once

#include "model/CBCData.h"
#include "ui/ProfilePreview.h"

#include <QDialog>

#include <array>
#include <memory>

class QCheckBox;
class QComboBox;
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

    // azimuth and inclination of the wall in radians, for the computed-flux preview.
    AmbianceDialog(const CBCData& record, double azimuth = kNoOrientation,
        double inclination = kNoOrientation, QWidget* parent = nullptr);
    ~AmbianceDialog() override;
    std::unique_ptr<CBCData> TakeResult() { return std::move(result_); }

    // The computed flux preview asks this function (the engine's solar model) for each hour.
    void SetSolarFunction(SolarFluxFunction solar);

    void accept() override;

    int TemperatureType() const { return temperatureType_; }
    int FluxType() const { return fluxType_; }

private:
    struct ValueRow {
        QLabel* label;
        NumberEdit* edit;
        QLabel* unit;
    };

    void BuildLayout();
    void Load();
    void OnTemperatureType(int index);
    void OnFluxType(int index);
    void OnPeriod(int component, int index);
    void OnWeatherToggled();
    void UpdateTemperatureRows();
    void UpdateFluxRows();
    void UpdateEnabled();
    void DrawPreview(int component);

    const CBCData& record_;
    std::unique_ptr<CBCData> result_;
    double azimuth_;
    double inclination_;
    SolarFluxFunction solar_;
    int temperatureType_ = 1;
    int fluxType_ = 0;
    int temperaturePeriod_ = kPeriodDay;
    int fluxPeriod_ = kPeriodDay;
    bool updating_ = true;

    QLineEdit* name_ = nullptr;
    QCheckBox* weather_ = nullptr;
    QComboBox* city_ = nullptr;
    QComboBox* filePeriod_ = nullptr;
    NumberEdit* firstDay_ = nullptr;
    QWidget* spin_ = nullptr;
    QComboBox* temperatureTypeList_ = nullptr;
    QComboBox* temperaturePeriodList_ = nullptr;
    QComboBox* fluxTypeList_ = nullptr;
    QComboBox* fluxPeriodList_ = nullptr;
    std::array<ValueRow, 4> temperatureRows_ {};
    std::array<ValueRow, 4> fluxRows_ {};
    std::array<QLabel*, 2> previews_ {};
};

} // namespace quelvan::ui
