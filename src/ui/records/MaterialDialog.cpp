#include "ui/records/MaterialDialog.h"

#include "core/NumberText.h"
#include "core/PhysicalBounds.h"
#include "engine/moisture/MoistureBounds.h"
#include "graphics/QtStrings.h"
#include "ui/shell/HelpSupport.h"
#include "ui/widgets/ControlNames.h"
#include "ui/widgets/FieldStyle.h"
#include "ui/widgets/NumberEdit.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quelvan::ui {

namespace {
constexpr int kLongField = NumberEdit::kLongestText;
}

MaterialDialog::MaterialDialog(const CMaterial& material, QWidget* parent, VapourFields vapour)
    : QDialog(parent)
    , material_(material)
    , name_(Named(new QLineEdit, 128))
    , conductivity_(Named(new NumberEdit(EditKind::Real, kLongField), 125))
    , density_(Named(new NumberEdit(EditKind::Real, kLongField), 126))
    , capacity_(Named(new NumberEdit(EditKind::Real, kLongField), 129))
    , diffusivity_(Named(new QLineEdit, 127))
    , effusivity_(Named(new QLineEdit, 130))
    , mu_(new NumberEdit(EditKind::Real, kLongField))
    , sd_(new NumberEdit(EditKind::Real, kLongField))
    , vapour_(std::move(vapour))
{
    mu_->setObjectName(QStringLiteral("mu"));
    sd_->setObjectName(QStringLiteral("sd"));
    setWindowTitle(QStringLiteral("Matériau"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Nom")), 0, 0);
    grid->addWidget(name_, 0, 1, 1, 2);
    name_->setMinimumWidth(280);
    struct Row {
        const char* label;
        QLineEdit* edit;
        const char* unit;
    };
    const Row rows[] = {
        { "Conductivité", conductivity_, "W/m.K" },
        { "Masse volumique", density_, "Kg/m3" },
        { "Capacité", capacity_, "J/K.kg" },
        { "Diffusivité", diffusivity_, "10-6 m²/s" },
        { "Effusivité", effusivity_, "10-6 U.S.I." },
        { "Résistance à la vapeur μ", mu_, "-" },
        { "ou s_d (film, membrane)", sd_, "m" },
    };
    int line = 1;
    for (const Row& row : rows) {
        grid->addWidget(new QLabel(ToQ(row.label)), line, 0);
        grid->addWidget(row.edit, line, 1);
        grid->addWidget(new QLabel(ToQ(row.unit)), line, 2);
        ++line;
    }
    ShowAsComputed(diffusivity_);
    ShowAsComputed(effusivity_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    grid->addWidget(buttons, line, 0, 1, 3);

    LoadValues(material);

    auto* help = new HelpTopics(this, HelpTopic::Materials);
    help->Set(conductivity_, HelpTopic::Conductivity);
    help->Set(density_, HelpTopic::Density);
    help->Set(capacity_, HelpTopic::HeatCapacity);
    help->Set(diffusivity_, HelpTopic::Diffusivity);
    help->Set(effusivity_, HelpTopic::Effusivity);
    help->Set(mu_, HelpTopic::Condensation);
    help->Set(sd_, HelpTopic::Condensation);
}

void MaterialDialog::LoadValues(const CMaterial& material)
{
    name_->setText(ToQ(material.Name()));
    conductivity_->SetBounds(&bounds::kConductivity);
    density_->SetBounds(&bounds::kDensity);
    capacity_->SetBounds(&bounds::kCapacity);
    mu_->SetBounds(&moisture::bounds::kMu);
    sd_->SetBounds(&moisture::bounds::kSd);
    mu_->LoadText(ToQ(vapour_.mu));
    sd_->LoadText(ToQ(vapour_.sd));
    if (vapour_.builtInMu)
        mu_->setPlaceholderText(
            QStringLiteral("%1 (valeur de base)").arg(ToQ(FormatDouble("%g", *vapour_.builtInMu))));
    sd_->setToolTip(QStringLiteral(
        "Épaisseur d'air équivalente d'un film ou d'une membrane, telle que vendue ; "
        "donnée, elle l'emporte sur μ"));
    conductivity_->LoadText(ToQ(material.Conductivity()));
    density_->LoadText(ToQ(material.Density()));
    capacity_->LoadText(ToQ(material.Capacity()));
    for (NumberEdit* edit : { conductivity_, density_, capacity_ })
        connect(edit, &NumberEdit::userChanged, this, &MaterialDialog::UpdateDerived);
    UpdateDerived();
}

void MaterialDialog::UpdateDerived()
{
    const MaterialDerivedTexts derived = DerivedTexts(
        FromQ(conductivity_->text()), FromQ(density_->text()), FromQ(capacity_->text()));
    diffusivity_->setText(ToQ(derived.diffusivity));
    effusivity_->setText(ToQ(derived.effusivity));
}

void MaterialDialog::accept()
{
    if (RefuseAtFirstRefusedField(*this))
        return; // the refused value is corrected where it is typed
    result_ = std::make_unique<CMaterial>();
    result_->AssignFrom(material_);
    result_->SetIdentifier(material_.Identifier());
    result_->SetIdentifierBase(material_.IdentifierBase());
    result_->SetName(FromQ(name_->text()));
    result_->SetConductivity(FromQ(conductivity_->text()));
    result_->SetDensity(FromQ(density_->text()));
    result_->SetCapacity(FromQ(capacity_->text()));
    vapour_.mu = FromQ(mu_->text().trimmed());
    vapour_.sd = FromQ(sd_->text().trimmed());
    QDialog::accept();
}

} // namespace quelvan::ui
