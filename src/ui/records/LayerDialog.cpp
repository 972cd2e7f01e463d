#include "ui/records/LayerDialog.h"

#include "core/PhysicalBounds.h"
#include "graphics/QtStrings.h"
#include "ui/records/ResistanceText.h"
#include "ui/shell/HelpSupport.h"
#include "ui/widgets/ControlNames.h"
#include "ui/widgets/FieldStyle.h"
#include "ui/widgets/NumberEdit.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quelvan::ui {

LayerDialog::LayerDialog(
    const NMaterialLayer& layer, const NList<CMaterial>& library, QWidget* parent)
    : QDialog(parent)
    , layer_(layer)
    , material_(Named(new QComboBox, 1043))
    , thickness_(Named(new NumberEdit(EditKind::Integer, NumberEdit::kLongestText), 1041))
    , resistance_(Named(new QLineEdit, 1047))
{
    setWindowTitle(QStringLiteral("Couche"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Matériau")), 0, 0);
    grid->addWidget(material_, 0, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Epaisseur")), 1, 0);
    grid->addWidget(thickness_, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("mm")), 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Résistance")), 2, 0);
    grid->addWidget(resistance_, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("m².K/W")), 2, 2);
    ShowAsComputed(resistance_);
    material_->setMinimumWidth(280);
    ApplyListColours(material_, true);

    int selected = -1;
    for (const CMaterial& material : library) {
        if (&material == layer.Material())
            selected = static_cast<int>(materials_.size());
        materials_.push_back(&material);
        material_->addItem(ToQ(material.Name()));
    }
    material_->setCurrentIndex(selected);
    thickness_->SetBounds(&bounds::kThickness);
    thickness_->LoadText(ToQ(layer.Thickness()));
    UpdateResistance();
    connect(material_, &QComboBox::currentIndexChanged, this, &LayerDialog::UpdateResistance);
    connect(thickness_, &NumberEdit::userChanged, this, &LayerDialog::UpdateResistance);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    grid->addWidget(buttons, 3, 0, 1, 3);

    auto* help = new HelpTopics(this, HelpTopic::Layer);
    help->Set(material_, HelpTopic::Materials);
    help->Set(thickness_, HelpTopic::Layers);
}

const CMaterial* LayerDialog::SelectedMaterial() const
{
    const int index = material_->currentIndex();
    return index >= 0 ? materials_[static_cast<size_t>(index)] : nullptr;
}

void LayerDialog::UpdateResistance()
{
    // Without a selected material the field keeps its text.
    if (const CMaterial* material = SelectedMaterial())
        resistance_->setText(ResistanceText(
            FromQ(thickness_->text()), material->Conductivity(), SignificantDigits { 2 }));
}

void LayerDialog::accept()
{
    if (RefuseAtFirstRefusedField(*this))
        return; // the refused value is corrected where it is typed
    result_ = std::make_unique<NMaterialLayer>(layer_);
    result_->SetThickness(FromQ(thickness_->text()));
    if (const CMaterial* material = SelectedMaterial())
        result_->SetMaterial(material);
    QDialog::accept();
}

} // namespace quelvan::ui
