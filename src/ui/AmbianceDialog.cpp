#include "ui/AmbianceDialog.h"

#include "core/NumberText.h"
#include "engine/SolarModel.h"
#include "ui/FormSupport.h"
#include "ui/HelpSupport.h"
#include "ui/NumberEdit.h"
#include "ui/UiText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace quelvan::ui {

namespace {
constexpr int kLong = 32000;
constexpr QSize kPreviewSize { 220, 110 };
// List index <-> type code of the two type lists.
constexpr std::array<int, 4> kTemperatureCodes { 1, 2, 3, 4 };
constexpr std::array<int, 4> kFluxCodes { 0, 1, 4, 5 };
// Edits shown as "Valeur 1..4" take the stored values 2, 1, 3, 4.
constexpr std::array<size_t, 4> kStoredValue { 1, 0, 2, 3 };

int IndexOfCode(const std::array<int, 4>& codes, int code, int count)
{
    for (int i = 0; i < count; ++i)
        if (codes[static_cast<size_t>(i)] == code)
            return i;
    return -1;
}

void FillPeriods(QComboBox* list)
{
    list->addItem(QStringLiteral("Jour"));
    list->addItem(QStringLiteral("Semaine"));
}

QComboBox* ColouredList(int id)
{
    auto* list = Named(new QComboBox, id);
    ApplyListColours(list, true);
    return list;
}
} // namespace

AmbianceDialog::AmbianceDialog(
    const CBCData& record, double azimuth, double inclination, QWidget* parent)
    : QDialog(parent)
    , record_(record)
    , azimuth_(azimuth)
    , inclination_(inclination)
{
    setWindowTitle(QStringLiteral("Ambiance"));
    // The computed-flux preview uses the engine's clear-sky model for the wall's orientation.
    solar_ = [this](int hour, double latitude, double transparency, double albedo) {
        const SunData sun
            = SolarHour(static_cast<float>(latitude), static_cast<float>(transparency), hour);
        return static_cast<double>(IncidentFlux(static_cast<float>(albedo),
            static_cast<float>(azimuth_), static_cast<float>(inclination_), sun.azimuth, sun.height,
            sun.direct, sun.diffuse));
    };
    BuildLayout();
    Load();
}

AmbianceDialog::~AmbianceDialog() = default;

void AmbianceDialog::SetSolarFunction(SolarFluxFunction solar)
{
    solar_ = std::move(solar);
    DrawPreview(1);
}

void AmbianceDialog::BuildLayout()
{
    auto* main = new QVBoxLayout(this);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(QStringLiteral("Nom")));
    name_ = Named(new QLineEdit, 1021);
    nameRow->addWidget(name_);
    main->addLayout(nameRow);

    auto* fileBox = new QGroupBox(QStringLiteral("Cas d'un fichier"));
    auto* fileGrid = new QGridLayout(fileBox);
    weather_ = Named(
        new QCheckBox(QStringLiteral("Sélection de cas (fichier ou données spécifiques)")), 1101);
    fileGrid->addWidget(weather_, 0, 0, 1, 6);
    city_ = ColouredList(1100);
    filePeriod_ = ColouredList(1059);
    firstDay_ = Named(new NumberEdit(EditKind::DayOfYear, kLong), 1104);
    firstDay_->setStyleSheet(QStringLiteral("background-color: rgb(255, 255, 0);"));
    firstDay_->setMaximumWidth(50);
    spin_ = Named(new QWidget, 1103);
    auto* spinLayout = new QVBoxLayout(spin_);
    spinLayout->setContentsMargins(0, 0, 0, 0);
    spinLayout->setSpacing(0);
    auto* up = new QToolButton;
    up->setArrowType(Qt::UpArrow);
    auto* down = new QToolButton;
    down->setArrowType(Qt::DownArrow);
    for (QToolButton* b : { up, down }) {
        b->setFixedSize(16, 11);
        spinLayout->addWidget(b);
    }
    auto step = [this](int delta) {
        const int day = std::clamp(IntValue(FromQ(firstDay_->text())) + delta, 1, 358);
        firstDay_->LoadText(QString::number(day));
    };
    connect(up, &QToolButton::clicked, this, [step] { step(1); });
    connect(down, &QToolButton::clicked, this, [step] { step(-1); });
    fileGrid->addWidget(new QLabel(QStringLiteral("Ville")), 1, 0);
    fileGrid->addWidget(city_, 1, 1);
    fileGrid->addWidget(new QLabel(QStringLiteral("Période")), 1, 2);
    fileGrid->addWidget(filePeriod_, 1, 3);
    fileGrid->addWidget(new QLabel(QStringLiteral("1° jour")), 1, 4);
    auto* dayRow = new QHBoxLayout;
    dayRow->addWidget(firstDay_);
    dayRow->addWidget(spin_);
    fileGrid->addLayout(dayRow, 1, 5);
    main->addWidget(fileBox);

    auto* dataBox = new QGroupBox(QStringLiteral("Cas de données spécifiques"));
    auto* dataLayout = new QHBoxLayout(dataBox);
    const std::array<int, 4> temperatureIds { 1019, 1020, 1032, 1036 };
    const std::array<int, 4> fluxIds { 1037, 1038, 1039, 1051 };
    for (int component = 0; component < 2; ++component) {
        auto* box = Named(
            new QGroupBox(component == 0 ? QStringLiteral("Température") : QStringLiteral("Flux")),
            component == 0 ? 1056 : 1057);
        auto* grid = new QGridLayout(box);
        QComboBox* typeList = ColouredList(component == 0 ? 1018 : 1040);
        QComboBox* periodList = ColouredList(component == 0 ? 1023 : 1041);
        FillPeriods(periodList);
        grid->addWidget(typeList, 0, 0, 1, 2);
        grid->addWidget(periodList, 0, 2);
        auto& rows = component == 0 ? temperatureRows_ : fluxRows_;
        const auto& ids = component == 0 ? temperatureIds : fluxIds;
        for (size_t i = 0; i < 4; ++i) {
            rows[i].label = new QLabel;
            if (component == 1 && i == 3)
                Named(rows[i].label, 1052);
            rows[i].edit = Named(new NumberEdit(EditKind::Integer, kLong), ids[i]);
            rows[i].edit->setMaximumWidth(60);
            rows[i].unit = new QLabel;
            grid->addWidget(rows[i].label, static_cast<int>(i) + 1, 0);
            grid->addWidget(rows[i].edit, static_cast<int>(i) + 1, 1);
            grid->addWidget(rows[i].unit, static_cast<int>(i) + 1, 2);
            connect(rows[i].edit, &NumberEdit::userChanged, this,
                [this, component] { DrawPreview(component); });
        }
        auto* preview = Named(new QLabel, component == 0 ? 1022 : 1050);
        preview->setFixedSize(kPreviewSize);
        previews_[static_cast<size_t>(component)] = preview;
        grid->addWidget(preview, 5, 0, 1, 3);
        grid->setRowStretch(6, 1); // hidden rows leave their room under the preview
        dataLayout->addWidget(box);
        if (component == 0) {
            temperatureTypeList_ = typeList;
            temperaturePeriodList_ = periodList;
        } else {
            fluxTypeList_ = typeList;
            fluxPeriodList_ = periodList;
        }
    }
    main->addWidget(dataBox);
    temperatureRows_[0].edit->SetMaximumLength(3);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    main->addWidget(buttons);

    auto* help = new HelpTopics(this, 12006);
    help->Set(temperatureTypeList_, 13050);
    help->Set(fluxTypeList_, 13050);
    help->Set(temperaturePeriodList_, 13060);
    help->Set(fluxPeriodList_, 13060);
}

void AmbianceDialog::Load()
{
    updating_ = true;
    const CBCData& r = record_;
    temperatureType_ = r.weatherFlag ? 1 : r.temperature.type;
    fluxType_ = r.weatherFlag ? 0 : r.flux.type;
    temperaturePeriod_ = r.weatherFlag ? kPeriodWeek : r.temperature.period;
    fluxPeriod_ = r.weatherFlag ? kPeriodWeek : r.flux.period;

    for (const char* city : kCities)
        city_->addItem(QString::fromUtf8(city));
    city_->setCurrentIndex(r.weatherFlag && r.cityIndex >= 0 ? r.cityIndex : 0);
    for (int code : kTemperatureCodes)
        temperatureTypeList_->addItem(QString::fromUtf8(ProfileTypeName(code)));
    const int fluxEntries = r.side == kSideInterior ? 3 : 4;
    for (int i = 0; i < fluxEntries; ++i)
        fluxTypeList_->addItem(
            QString::fromUtf8(ProfileTypeName(kFluxCodes[static_cast<size_t>(i)])));
    temperatureTypeList_->setCurrentIndex(IndexOfCode(kTemperatureCodes, temperatureType_, 4));
    fluxTypeList_->setCurrentIndex(IndexOfCode(kFluxCodes, fluxType_, fluxEntries));
    FillPeriods(filePeriod_);
    filePeriod_->setCurrentIndex(r.weatherPeriod != 0 ? 1 : 0);
    temperaturePeriodList_->setCurrentIndex(temperaturePeriod_ != 0 ? 1 : 0);
    fluxPeriodList_->setCurrentIndex(fluxPeriod_ != 0 ? 1 : 0);

    name_->setText(ToQ(r.Name()));
    for (size_t i = 0; i < 4; ++i) {
        temperatureRows_[i].edit->LoadText(ToQ(r.temperature.values[kStoredValue[i]]));
        fluxRows_[i].edit->LoadText(ToQ(r.flux.values[kStoredValue[i]]));
    }
    firstDay_->LoadText(QString::number(r.firstDay));
    UpdateTemperatureRows();
    UpdateFluxRows();
    weather_->setChecked(r.weatherFlag);
    weather_->setEnabled(r.side != kSideInterior);

    connect(weather_, &QCheckBox::toggled, this, &AmbianceDialog::OnWeatherToggled);
    connect(temperatureTypeList_, &QComboBox::currentIndexChanged, this,
        &AmbianceDialog::OnTemperatureType);
    connect(fluxTypeList_, &QComboBox::currentIndexChanged, this, &AmbianceDialog::OnFluxType);
    connect(temperaturePeriodList_, &QComboBox::currentIndexChanged, this,
        [this](int index) { OnPeriod(0, index); });
    connect(fluxPeriodList_, &QComboBox::currentIndexChanged, this,
        [this](int index) { OnPeriod(1, index); });

    UpdateEnabled();
    updating_ = false;
    DrawPreview(0);
    DrawPreview(1);
}

void AmbianceDialog::UpdateTemperatureRows()
{
    struct Labels {
        const char* text[4];
    };
    Labels labels {};
    switch (temperatureType_) {
    case 1:
        labels = { { "Valeur", nullptr, nullptr, nullptr } };
        break;
    case 2:
        labels = { { "Temp. maxi", "Temp. mini", "Heure 1° maxi", nullptr } };
        break;
    default:
        labels = { { "Temp. maxi", "Temp. mini", "Heure Début", "Heure Fin" } };
        break;
    }
    for (size_t i = 0; i < 4; ++i) {
        const bool shown = labels.text[i] != nullptr;
        ValueRow& row = temperatureRows_[i];
        if (shown) {
            row.label->setText(QString::fromUtf8(labels.text[i]));
            row.unit->setText(i < 2 ? QStringLiteral("°C") : QStringLiteral("h"));
        }
        row.label->setVisible(shown);
        row.edit->setVisible(shown);
        row.unit->setVisible(shown);
    }
}

void AmbianceDialog::UpdateFluxRows()
{
    const char* texts[4] = {};
    const char* units[4] = { "W/m²", "W/m²", "h", "h" };
    switch (fluxType_) {
    case 1:
        texts[0] = "Valeur";
        break;
    case 4:
        texts[0] = "Flux maxi";
        texts[1] = "Flux mini";
        texts[2] = "Heure Début";
        texts[3] = "Heure Fin";
        break;
    case 5:
        texts[0] = "Latitude";
        texts[1] = "C. Transparence";
        texts[2] = "Albedo du sol";
        texts[3] = "1° jour";
        units[0] = "deg";
        units[1] = "%";
        units[2] = "%";
        units[3] = "-";
        break;
    default:
        break;
    }
    const bool computed = fluxType_ == 5;
    fluxRows_[0].edit->SetKind(computed ? EditKind::Latitude : EditKind::Integer);
    fluxRows_[1].edit->SetKind(computed ? EditKind::Percent : EditKind::Integer);
    fluxRows_[2].edit->SetKind(computed ? EditKind::Percent : EditKind::Integer);
    fluxRows_[3].edit->SetKind(computed ? EditKind::DayOfYear : EditKind::Integer);
    if (fluxType_ == 0) {
        fluxRows_[0].edit->LoadText(QStringLiteral("0"));
        fluxRows_[1].edit->LoadText(QStringLiteral("0"));
    }
    for (size_t i = 0; i < 4; ++i) {
        const bool shown = texts[i] != nullptr;
        ValueRow& row = fluxRows_[i];
        if (shown) {
            row.label->setText(QString::fromUtf8(texts[i]));
            row.unit->setText(QString::fromUtf8(units[i]));
        }
        row.label->setVisible(shown);
        row.edit->setVisible(shown);
        row.unit->setVisible(shown);
    }
}

void AmbianceDialog::UpdateEnabled()
{
    const bool file = weather_->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*> { city_, filePeriod_, firstDay_, spin_ })
        w->setEnabled(file);
    for (QWidget* w : std::initializer_list<QWidget*> {
             temperatureTypeList_, fluxTypeList_, temperaturePeriodList_, fluxPeriodList_ })
        w->setEnabled(!file);
    for (size_t i = 0; i < 4; ++i) {
        temperatureRows_[i].edit->setEnabled(!file);
        fluxRows_[i].edit->setEnabled(!file);
    }
}

void AmbianceDialog::OnWeatherToggled()
{
    UpdateEnabled();
    DrawPreview(0);
    DrawPreview(1);
}

void AmbianceDialog::OnTemperatureType(int index)
{
    if (index < 0)
        return;
    temperatureType_ = kTemperatureCodes[static_cast<size_t>(index)];
    UpdateTemperatureRows();
    DrawPreview(0);
}

void AmbianceDialog::OnFluxType(int index)
{
    if (index < 0)
        return;
    fluxType_ = kFluxCodes[static_cast<size_t>(index)];
    updating_ = true;
    const bool computed = fluxType_ == 5;
    const std::array<const char*, 4> defaults = computed
        ? std::array<const char*, 4> { "45", "50", "20", "1" }
        : std::array<const char*, 4> { "0", "0", "8", "18" };
    for (size_t i = 0; i < 4; ++i)
        fluxRows_[i].edit->LoadText(QString::fromUtf8(defaults[i]));
    updating_ = false;
    UpdateFluxRows();
    DrawPreview(1);
}

void AmbianceDialog::OnPeriod(int component, int index)
{
    const int period = index != 0 ? kPeriodWeek : kPeriodDay;
    (component == 0 ? temperaturePeriod_ : fluxPeriod_) = period;
    if (period == kPeriodDay) {
        NumberEdit* end = temperatureRows_[3].edit;
        int hour = 0;
        if (ParseInt(FromQ(end->text()), hour) && hour > 24)
            end->LoadText(QStringLiteral("24"));
    }
    DrawPreview(component);
}

void AmbianceDialog::DrawPreview(int component)
{
    if (updating_)
        return;
    const auto& rows = component == 0 ? temperatureRows_ : fluxRows_;
    PreviewInput input;
    input.type = component == 0 ? temperatureType_ : fluxType_;
    input.week = (component == 0 ? temperaturePeriod_ : fluxPeriod_) != kPeriodDay;
    input.a = IntValue(FromQ(rows[0].edit->text()));
    input.b = IntValue(FromQ(rows[1].edit->text()));
    input.h1 = IntValue(FromQ(rows[2].edit->text()));
    input.h2 = IntValue(FromQ(rows[3].edit->text()));
    input.noPlot = weather_->isChecked();
    SolarFluxFunction solar;
    if (solar_ && azimuth_ != kNoOrientation && inclination_ != kNoOrientation)
        solar = solar_;
    previews_[static_cast<size_t>(component)]->setPixmap(
        DrawProfilePreview(input, previews_[static_cast<size_t>(component)]->size(), solar));
}

void AmbianceDialog::accept()
{
    auto result = std::make_unique<CBCData>();
    result->AssignFrom(record_);
    const int tIndex = temperatureTypeList_->currentIndex();
    const int fIndex = fluxTypeList_->currentIndex();
    result->temperature.type = tIndex >= 0 ? kTemperatureCodes[static_cast<size_t>(tIndex)] : 7;
    result->flux.type = fIndex >= 0 ? kFluxCodes[static_cast<size_t>(fIndex)] : 7;
    result->temperature.period
        = temperaturePeriodList_->currentIndex() != 0 ? kPeriodWeek : kPeriodDay;
    result->flux.period = fluxPeriodList_->currentIndex() != 0 ? kPeriodWeek : kPeriodDay;
    result->SetName(FromQ(name_->text()));
    for (size_t i = 0; i < 4; ++i) {
        result->temperature.values[kStoredValue[i]] = FromQ(temperatureRows_[i].edit->text());
        result->flux.values[kStoredValue[i]] = FromQ(fluxRows_[i].edit->text());
    }
    if (result->temperature.type == 1)
        result->temperature.values[0] = result->temperature.values[1];
    if (result->flux.type == 1)
        result->flux.values[0] = result->flux.values[1];
    if (weather_->isChecked()) {
        result->weatherFlag = true;
        result->temperature.type = 6;
        result->flux.type = 6;
        result->temperature.values[0] = "0";
        result->temperature.values[1] = "0";
        result->flux.values[0] = "0";
        result->flux.values[1] = "0";
        result->cityIndex = city_->currentIndex();
        result->firstDay = IntValue(FromQ(firstDay_->text()));
        const int period = filePeriod_->currentIndex() != 0 ? kPeriodWeek : kPeriodDay;
        result->weatherPeriod = period;
        result->temperature.period = period;
        result->flux.period = period;
    } else {
        result->weatherFlag = false;
        result->cityIndex = -1;
    }
    result_ = std::move(result);
    QDialog::accept();
}

} // namespace quelvan::ui
