#include "ui/records/InteriorHumidityDialog.h"

#include "engine/moisture/MoistureAdvice.h"
#include "engine/moisture/MoistureBounds.h"
#include "graphics/QtStrings.h"
#include "ui/shell/HelpSupport.h"
#include "ui/widgets/NumberEdit.h"
#include "ui/widgets/PlainText.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cstdlib>

namespace quelvan::ui {

namespace {

constexpr int kFieldLength = 12;

// The humidity classes with the rooms they usually stand for.
constexpr const char* kClasses[] {
    "1 : entrepôt, stockage",
    "2 : bureaux, logements peu occupés",
    "3 : logements à occupation normale",
    "4 : logements très occupés, cuisines collectives, gymnases",
    "5 : piscines, blanchisseries, brasseries",
};

} // namespace

InteriorHumidityDialog::InteriorHumidityDialog(const MoistureSettings& shown, QWidget* parent)
    : QDialog(parent)
    , result_(shown)
    , modes_(new QButtonGroup(this))
    , relative_(new NumberEdit(EditKind::Real, kFieldLength))
    , humidityClass_(new QComboBox)
    , excess_(new NumberEdit(EditKind::Real, kFieldLength))
    , hygrometry_(NewPlainLabel())
    , temperature_(new NumberEdit(EditKind::Real, kFieldLength))
{
    setObjectName(QStringLiteral("interiorHumidity"));
    setWindowTitle(QStringLiteral("Humidité intérieure"));
    relative_->setObjectName(QStringLiteral("relativeHumidity"));
    humidityClass_->setObjectName(QStringLiteral("humidityClass"));
    excess_->setObjectName(QStringLiteral("vapourExcess"));
    temperature_->setObjectName(QStringLiteral("interiorTemperature"));
    hygrometry_->setObjectName(QStringLiteral("hygrometry"));
    auto* grid = new QGridLayout(this);
    const QString labels[] { QStringLiteral("Humidité relative fixe"),
        QStringLiteral("Classe d'humidité"), QStringLiteral("Excès de vapeur W/n") };
    QWidget* fields[] { relative_, humidityClass_, excess_ };
    const QString units[] { QStringLiteral("%"), QString(), QStringLiteral("g/m³") };
    for (int row = 0; row < 3; ++row) {
        auto* radio = new QRadioButton(labels[row]);
        radio->setObjectName(QStringLiteral("mode%1").arg(row));
        modes_->addButton(radio, row);
        grid->addWidget(radio, row, 0);
        grid->addWidget(fields[row], row, 1);
        grid->addWidget(NewPlainLabel(units[row]), row, 2);
    }
    grid->addWidget(hygrometry_, 3, 1, 1, 2);
    grid->addWidget(NewPlainLabel(QStringLiteral("Température intérieure")), 4, 0);
    grid->addWidget(temperature_, 4, 1);
    grid->addWidget(NewPlainLabel(QStringLiteral("°C")), 4, 2);
    auto* note = NewPlainLabel(QStringLiteral("Température vide : la moyenne de l'ambiance "
                                              "intérieure choisie (constante ou sinusoïde)."));
    note->setWordWrap(true);
    grid->addWidget(note, 5, 0, 1, 3);
    for (const char* text : kClasses)
        humidityClass_->addItem(ToQ(text));
    relative_->SetBounds(&moisture::bounds::kInteriorHumidity);
    excess_->SetBounds(&moisture::bounds::kVapourExcess);
    temperature_->SetBounds(&moisture::bounds::kInteriorTemperature);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    grid->addWidget(buttons, 6, 0, 1, 3);

    // Each kind shows the shown value when it is the shown kind, else a usual value.
    const int mode = static_cast<int>(shown.mode);
    relative_->LoadText(ToQ(mode == 0 ? shown.value : "50"));
    const int classIndex = mode == 1 ? std::atoi(shown.value.c_str()) - 1 : 2;
    humidityClass_->setCurrentIndex(std::clamp(classIndex, 0, 4));
    excess_->LoadText(ToQ(mode == 2 ? shown.value : "5"));
    temperature_->LoadText(ToQ(shown.interiorTemperature));
    modes_->button(std::clamp(mode, 0, 2))->setChecked(true);
    connect(modes_, &QButtonGroup::idClicked, this, [this] { UpdateEnabled(); });
    connect(excess_, &NumberEdit::userChanged, this, [this] { UpdateHygrometry(); });
    UpdateEnabled();
    UpdateHygrometry();
    new HelpTopics(this, HelpTopic::Condensation);
}

void InteriorHumidityDialog::Choose(InteriorHumidity mode)
{
    modes_->button(static_cast<int>(mode))->setChecked(true);
    UpdateEnabled();
}

void InteriorHumidityDialog::UpdateEnabled()
{
    const int mode = modes_->checkedId();
    relative_->setEnabled(mode == 0);
    humidityClass_->setEnabled(mode == 1);
    excess_->setEnabled(mode == 2);
    hygrometry_->setEnabled(mode == 2);
}

void InteriorHumidityDialog::UpdateHygrometry()
{
    bool ok = false;
    const double value = excess_->text().toDouble(&ok);
    hygrometry_->setText(ok && !excess_->IsRefused()
            ? QStringLiteral("Hygrométrie %1").arg(ToQ(moisture::HygrometryClass(value)))
            : QString());
}

void InteriorHumidityDialog::accept()
{
    // Only the chosen kind's field counts: the others are disabled, hence not refused.
    if (RefuseAtFirstRefusedField(*this))
        return;
    const int mode = modes_->checkedId();
    MoistureSettings settings;
    settings.mode = static_cast<InteriorHumidity>(mode);
    if (mode == 0)
        settings.value = FromQ(relative_->text().trimmed());
    else if (mode == 1)
        settings.value = std::to_string(humidityClass_->currentIndex() + 1);
    else
        settings.value = FromQ(excess_->text().trimmed());
    settings.interiorTemperature = FromQ(temperature_->text().trimmed());
    // An empty value is refused like a value out of bounds: the check would not read it.
    if (!InteriorHumidityValue(settings)) {
        NumberEdit* field = mode == 0 ? relative_ : excess_;
        field->setFocus();
        field->selectAll();
        return;
    }
    result_ = settings;
    QDialog::accept();
}

} // namespace quelvan::ui
