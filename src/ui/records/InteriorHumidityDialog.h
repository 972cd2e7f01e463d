#pragma once

#include "model/MaterialVapour.h"

#include <QDialog>

class QButtonGroup;
class QComboBox;
class QLabel;

namespace quelvan::ui {

class NumberEdit;

// "Humidité intérieure": the interior of the moisture check. A fixed relative humidity, one of
// the five humidity classes, or a constant vapour excess W/n with the room's hygrometry
// (faible, moyenne, forte, très forte) named as it is typed; and the interior temperature
// (empty: the mean of the interior ambiance). The shown settings are never changed; "OK" gives
// the new ones (Result).
class InteriorHumidityDialog : public QDialog {
    Q_OBJECT
public:
    explicit InteriorHumidityDialog(const MoistureSettings& shown, QWidget* parent = nullptr);

    const MoistureSettings& Result() const { return result_; }
    void accept() override;

    // The choice by kind (for tests and scripts).
    void Choose(InteriorHumidity mode);

private:
    void UpdateEnabled();
    void UpdateHygrometry();

    MoistureSettings result_;
    QButtonGroup* modes_;
    NumberEdit* relative_;
    QComboBox* humidityClass_;
    NumberEdit* excess_;
    QLabel* hygrometry_;
    NumberEdit* temperature_;
};

} // namespace quelvan::ui
