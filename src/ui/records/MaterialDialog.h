#pragma once

#include "model/CMaterial.h"

#include <QDialog>

#include <memory>
#include <optional>
#include <string>

class QLabel;
class QLineEdit;

namespace quelvan::ui {

class NumberEdit;

// What the material dialog shows of a material's vapour resistance: μ and s_d as the user gave
// them (empty when not given) and the built-in μ a material keeps while it keeps its built-in
// name, shown as a hint and never stored unless typed.
struct VapourFields {
    std::string mu;
    std::string sd;
    std::optional<double> builtInMu;

    friend bool operator==(const VapourFields&, const VapourFields&) = default;
};

// "Matériau": name, conductivity, density and capacity of a material, with its diffusivity and
// effusivity recomputed as the user types, and its vapour resistance: μ, or s_d for a foil or a
// membrane (s_d wins when both are given). The shown material is never changed; "OK" makes a
// new one that the caller takes, with the vapour fields as typed.
class MaterialDialog : public QDialog {
    Q_OBJECT
public:
    explicit MaterialDialog(
        const CMaterial& material, QWidget* parent = nullptr, VapourFields vapour = {});
    std::unique_ptr<CMaterial> TakeResult() { return std::move(result_); }
    const VapourFields& Vapour() const { return vapour_; }

    void accept() override;

private:
    // The material's values and bounds in the fields, the vapour record's too.
    void LoadValues(const CMaterial& material);
    void UpdateDerived();

    const CMaterial& material_;
    std::unique_ptr<CMaterial> result_;
    QLineEdit* name_;
    NumberEdit* conductivity_;
    NumberEdit* density_;
    NumberEdit* capacity_;
    QLineEdit* diffusivity_;
    QLineEdit* effusivity_;
    NumberEdit* mu_;
    NumberEdit* sd_;
    VapourFields vapour_;
};

} // namespace quelvan::ui
