#pragma once

#include "core/NList.h"
#include "model/CMaterial.h"
#include "model/NMaterialLayer.h"

#include <QDialog>

#include <memory>
#include <vector>

class QComboBox;
class QLineEdit;

namespace quelvan::ui {

class NumberEdit;

// "Couche": the material of a layer, chosen among the library's materials, and its thickness
// in whole millimetres, with the layer's resistance. "OK" makes a new layer; with no material
// selected the new layer keeps the shown layer's material.
class LayerDialog : public QDialog {
    Q_OBJECT
public:
    LayerDialog(
        const NMaterialLayer& layer, const NList<CMaterial>& library, QWidget* parent = nullptr);
    std::unique_ptr<NMaterialLayer> TakeResult() { return std::move(result_); }

    void accept() override;

private:
    void UpdateResistance();
    const CMaterial* SelectedMaterial() const;

    const NMaterialLayer& layer_;
    std::vector<const CMaterial*> materials_;
    std::unique_ptr<NMaterialLayer> result_;
    QComboBox* material_;
    NumberEdit* thickness_;
    QLineEdit* resistance_;
};

} // namespace quelvan::ui
