#include "ui/records/AmbianceDialog.h"

#include "core/NumberText.h"
#include "core/PhysicalBounds.h"
#include "engine/SolarModel.h"
#include "graphics/QtStrings.h"
#include "model/AmbianceCheck.h"
#include "ui/shell/HelpSupport.h"
#include "ui/widgets/ControlNames.h"
#include "ui/widgets/FieldStyle.h"
#include "ui/widgets/NumberEdit.h"

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

#include <algorithm>

namespace quelvan::ui {

namespace {
constexpr int kLong = NumberEdit::kLongestText;
constexpr QSize kPreviewSize { 220, 110 };
// Control numbers of each profile's box, lists, value edits and preview.
struct BoxIds {
    int box, typeList, periodList;
    std::array<int, 4> edits;
    int preview;
};
constexpr std::array<BoxIds, 2> kBoxIds { {
    { 1056, 1018, 1023, { 1019, 1020, 1032, 1036 }, 1022 },
    { 1057, 1040, 1041, { 1037, 1038, 1039, 1051 }, 1050 },
} };

// The list position of a type, -1 when the list does not offer it.
int IndexOf(const std::vector<ProfileType>& choices, ProfileType type)
{
    const auto it = std::find(choices.begin(), choices.end(), type);
    return it == choices.end() ? -1 : static_cast<int>(it - choices.begin());
}

// The period lists hold the day, then the week.
void FillPeriods(QComboBox* list)
{
    for (const Period period : kPeriods)
        list->addItem(ToQ(PeriodName(period)));
}
int PeriodIndex(Period period)
{
    return period == Period::Day ? 0 : 1;
}
Period PeriodAt(int index)
{
    return index != 0 ? Period::Week : Period::Day;
}

QComboBox* ColouredList(int id)
{
    auto* list = Named(new QComboBox, id);
    ApplyListColours(list, true);
    return list;
}
} // namespace

AmbianceDialog::AmbianceDialog(const CBCData& record, double azimuth, double inclination,
    QWidget* parent, const NList<WeatherStation>* stations)
    : QDialog(parent)
    , record_(record)
    , stations_(stations)
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
    DrawPreview(Component::Flux);
}

void AmbianceDialog::BuildLayout()
{
    auto* main = new QVBoxLayout(this);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(QStringLiteral("Nom")));
    name_ = Named(new QLineEdit, 1021);
    nameRow->addWidget(name_);
    main->addLayout(nameRow);
    main->addWidget(BuildFileBox());
    main->addWidget(BuildDataBox());
    Box(Component::Temperature).rows[0].edit->SetMaximumLength(3);
    main->addWidget(BuildButtons());
    SetHelpTopics();
}

QGroupBox* AmbianceDialog::BuildFileBox()
{
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
    BuildDaySpin();
    fileGrid->addWidget(new QLabel(QStringLiteral("Ville")), 1, 0);
    fileGrid->addWidget(city_, 1, 1);
    fileGrid->addWidget(new QLabel(QStringLiteral("Période")), 1, 2);
    fileGrid->addWidget(filePeriod_, 1, 3);
    fileGrid->addWidget(new QLabel(QStringLiteral("1° jour")), 1, 4);
    auto* dayRow = new QHBoxLayout;
    dayRow->addWidget(firstDay_);
    dayRow->addWidget(spin_);
    fileGrid->addLayout(dayRow, 1, 5);
    return fileBox;
}

void AmbianceDialog::BuildDaySpin()
{
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
        const int day = std::clamp(IntValue(FromQ(firstDay_->text())) + delta,
            static_cast<int>(bounds::kDayField.low), static_cast<int>(bounds::kDayField.high));
        firstDay_->LoadText(QString::number(day));
    };
    connect(up, &QToolButton::clicked, this, [step] { step(1); });
    connect(down, &QToolButton::clicked, this, [step] { step(-1); });
}

QGroupBox* AmbianceDialog::BuildDataBox()
{
    auto* dataBox = new QGroupBox(QStringLiteral("Cas de données spécifiques"));
    auto* dataLayout = new QHBoxLayout(dataBox);
    for (const Component component : kComponents)
        dataLayout->addWidget(BuildProfileBox(component));
    return dataBox;
}

QGroupBox* AmbianceDialog::BuildProfileBox(Component component)
{
    const BoxIds& ids = kBoxIds[static_cast<size_t>(component)];
    ProfileBox& part = Box(component);
    auto* box = Named(new QGroupBox(ToQ(Describe(component).name)), ids.box);
    auto* grid = new QGridLayout(box);
    part.typeList = ColouredList(ids.typeList);
    part.periodList = ColouredList(ids.periodList);
    FillPeriods(part.periodList);
    grid->addWidget(part.typeList, 0, 0, 1, 2);
    grid->addWidget(part.periodList, 0, 2);
    for (size_t i = 0; i < 4; ++i) {
        ValueRow& row = part.rows[i];
        row.label = new QLabel;
        if (component == Component::Flux && i == 3)
            Named(row.label, 1052);
        row.edit = Named(new NumberEdit(EditKind::Integer, kLong), ids.edits[i]);
        row.edit->setMaximumWidth(60);
        row.unit = new QLabel;
        grid->addWidget(row.label, static_cast<int>(i) + 1, 0);
        grid->addWidget(row.edit, static_cast<int>(i) + 1, 1);
        grid->addWidget(row.unit, static_cast<int>(i) + 1, 2);
        connect(row.edit, &NumberEdit::userChanged, this,
            [this, component] { DrawPreview(component); });
    }
    part.preview = Named(new QLabel, ids.preview);
    part.preview->setFixedSize(kPreviewSize);
    grid->addWidget(part.preview, 5, 0, 1, 3);
    grid->setRowStretch(6, 1); // hidden rows leave their room under the preview
    return box;
}

QDialogButtonBox* AmbianceDialog::BuildButtons()
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    return buttons;
}

void AmbianceDialog::SetHelpTopics()
{
    auto* help = new HelpTopics(this, HelpTopic::Ambiances);
    for (const ProfileBox& part : boxes_) {
        help->Set(part.typeList, HelpTopic::ProfileType);
        help->Set(part.periodList, HelpTopic::ProfilePeriod);
    }
}

void AmbianceDialog::Load()
{
    updating_ = true;
    const CBCData& r = record_;
    ProfileBox& temperature = Box(Component::Temperature);
    ProfileBox& flux = Box(Component::Flux);
    // A weather-file ambiance shows a constant temperature and a null flux over a week.
    temperature.type = r.weatherFlag ? ProfileType::Constant : r.temperature.type;
    flux.type = r.weatherFlag ? ProfileType::Null : r.flux.type;
    temperature.period = r.weatherFlag ? Period::Week : r.temperature.period;
    flux.period = r.weatherFlag ? Period::Week : r.flux.period;

    // Each entry carries its city index: the ten cities, then the project's stations.
    for (int index = 0; index < kFirstStationIndex; ++index)
        city_->addItem(ToQ(CityName(index)), index);
    if (stations_ != nullptr)
        for (const WeatherStation& station : *stations_)
            city_->addItem(ToQ(station.name), station.index);
    city_->setCurrentIndex(r.weatherFlag ? std::max(city_->findData(r.cityIndex), 0) : 0);
    for (const Component component : kComponents) {
        ProfileBox& part = Box(component);
        part.choices = OfferedTypes(component, r.side);
        for (const ProfileType type : part.choices)
            part.typeList->addItem(ToQ(ProfileTypeName(type)));
        part.typeList->setCurrentIndex(IndexOf(part.choices, part.type));
    }
    FillPeriods(filePeriod_);
    filePeriod_->setCurrentIndex(PeriodIndex(r.weatherPeriod));
    for (ProfileBox& part : boxes_)
        part.periodList->setCurrentIndex(PeriodIndex(part.period));

    name_->setText(ToQ(r.Name()));
    for (size_t i = 0; i < 4; ++i) {
        temperature.rows[i].edit->LoadText(ToQ(r.temperature.values[kEditedValue[i]]));
        flux.rows[i].edit->LoadText(ToQ(r.flux.values[kEditedValue[i]]));
    }
    firstDay_->LoadText(QString::number(r.firstDay));
    UpdateRows(Component::Temperature);
    UpdateRows(Component::Flux);
    weather_->setChecked(r.weatherFlag);
    // Weather files describe the outdoor climate only.
    weather_->setEnabled(r.side != Side::Interior);

    connect(weather_, &QCheckBox::toggled, this, &AmbianceDialog::OnWeatherToggled);
    for (const Component component : kComponents) {
        connect(Box(component).typeList, &QComboBox::currentIndexChanged, this,
            [this, component](int index) { OnType(component, index); });
    }
    for (const Component component : kComponents) {
        connect(Box(component).periodList, &QComboBox::currentIndexChanged, this,
            [this, component](int index) { OnPeriod(component, index); });
    }

    UpdateEnabled();
    updating_ = false;
    DrawPreview(Component::Temperature);
    DrawPreview(Component::Flux);
}

void AmbianceDialog::UpdateRows(Component component)
{
    ProfileBox& part = Box(component);
    const ProfileTexts& texts = TextsOf(part.type, component);
    for (size_t i = 0; i < 4; ++i) {
        part.rows[i].edit->SetKind(texts.field[i].kind);
        part.rows[i].edit->SetBounds(ProfileValueBounds(part.type, component, kEditedValue[i]));
    }
    if (component == Component::Flux && part.type == ProfileType::Null) {
        part.rows[0].edit->LoadText(QStringLiteral("0"));
        part.rows[1].edit->LoadText(QStringLiteral("0"));
    }
    for (size_t i = 0; i < 4; ++i) {
        const bool shown = static_cast<int>(i) < texts.fields;
        ValueRow& row = part.rows[i];
        if (shown) {
            row.label->setText(ToQ(texts.field[i].label));
            row.unit->setText(ToQ(texts.field[i].unit));
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
    for (const ProfileBox& part : boxes_) {
        part.typeList->setEnabled(!file);
        part.periodList->setEnabled(!file);
        for (const ValueRow& row : part.rows)
            row.edit->setEnabled(!file);
    }
}

void AmbianceDialog::OnWeatherToggled()
{
    UpdateEnabled();
    DrawPreview(Component::Temperature);
    DrawPreview(Component::Flux);
}

void AmbianceDialog::OnType(Component component, int index)
{
    if (index < 0)
        return;
    ProfileBox& part = Box(component);
    part.type = part.choices[static_cast<size_t>(index)];
    if (component == Component::Flux) {
        // A new flux type starts from its usual values.
        updating_ = true;
        const std::array<const char*, 4> defaults = part.type == ProfileType::Solar
            ? std::array<const char*, 4> { "45", "50", "20", "1" }
            : std::array<const char*, 4> { "0", "0", "8", "18" };
        for (size_t i = 0; i < 4; ++i)
            part.rows[i].edit->LoadText(ToQ(defaults[i]));
        updating_ = false;
    }
    UpdateRows(component);
    DrawPreview(component);
}

void AmbianceDialog::OnPeriod(Component component, int index)
{
    const Period period = PeriodAt(index);
    Box(component).period = period;
    if (period == Period::Day) {
        // Either list set to a day caps the temperature's end hour at 24.
        NumberEdit* end = Box(Component::Temperature).rows[3].edit;
        int hour = 0;
        if (ParseInt(FromQ(end->text()), hour) && hour > 24)
            end->LoadText(QStringLiteral("24"));
    }
    DrawPreview(component);
}

void AmbianceDialog::DrawPreview(Component component)
{
    if (updating_)
        return;
    const ProfileBox& part = Box(component);
    PreviewInput input;
    input.type = part.type;
    input.week = part.period != Period::Day;
    input.a = IntValue(FromQ(part.rows[0].edit->text()));
    input.b = IntValue(FromQ(part.rows[1].edit->text()));
    input.h1 = IntValue(FromQ(part.rows[2].edit->text()));
    input.h2 = IntValue(FromQ(part.rows[3].edit->text()));
    input.noPlot = weather_->isChecked();
    SolarFluxFunction solar;
    if (solar_ && azimuth_ != kNoOrientation && inclination_ != kNoOrientation)
        solar = solar_;
    part.preview->setPixmap(DrawProfilePreview(input, part.preview->size(), solar));
}

void AmbianceDialog::accept()
{
    if (RefuseAtFirstRefusedField(*this))
        return; // the refused value is corrected where it is typed
    auto result = std::make_unique<CBCData>();
    result->AssignFrom(record_);
    result->SetName(FromQ(name_->text()));
    for (const Component component : kComponents) {
        const ProfileBox& part = Box(component);
        ProfileData& profile
            = component == Component::Temperature ? result->temperature : result->flux;
        const int index = part.typeList->currentIndex();
        profile.type = index >= 0 ? part.choices[static_cast<size_t>(index)] : ProfileType::Unknown;
        profile.period = PeriodAt(part.periodList->currentIndex());
        for (size_t i = 0; i < 4; ++i)
            profile.values[kEditedValue[i]] = FromQ(part.rows[i].edit->text());
        // A constant's single value is both its minimum and its maximum.
        if (profile.type == ProfileType::Constant)
            profile.values[0] = profile.values[1];
    }
    if (weather_->isChecked()) {
        result->weatherFlag = true;
        result->temperature.type = ProfileType::Weather;
        result->flux.type = ProfileType::Weather;
        result->temperature.values[0] = "0";
        result->temperature.values[1] = "0";
        result->flux.values[0] = "0";
        result->flux.values[1] = "0";
        result->cityIndex = city_->currentData().toInt();
        result->firstDay = IntValue(FromQ(firstDay_->text()));
        const Period period = PeriodAt(filePeriod_->currentIndex());
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
