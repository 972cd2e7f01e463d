#pragma once

#include "model/CMaterial.h"

#include <QDialog>

#include <memory>

class QLabel;
class QLineEdit;

namespace quelvan::ui {

class NumberEdit;

// "Matériau": name, conductivity, density and capacity of a material, with its diffusivity and
// effusivity recomputed as the user types. The shown material is never changed; "OK" makes a
// new one that the caller takes.
class MaterialDialog : public QDialog {
    Q_OBJECT
public:
    explicit MaterialDialog(const CMaterial& material, QWidget* parent = nullptr);
    std::unique_ptr<CMaterial> TakeResult() { return std::move(result_); }

    void accept() override;

private:
    void UpdateDerived();

    const CMaterial& material_;
    std::unique_ptr<CMaterial> result_;
    QLineEdit* name_;
    NumberEdit* conductivity_;
    NumberEdit* density_;
    NumberEdit* capacity_;
    QLineEdit* diffusivity_;
    QLineEdit* effusivity_;
};

} // namespace quelvan::ui
