#include "ui/project/EpwImportDialog.h"

#include "core/Messages.h"
#include "core/NumberText.h"
#include "graphics/QtStrings.h"
#include "model/WeatherStation.h"
#include "ui/shell/HelpSupport.h"
#include "ui/widgets/PlainText.h"
#include "weather/EpwImport.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace quelvan::ui {

namespace {

// "45.73° N, 4.94° E, UTC+1": the site as the sun of every hour was computed for it.
QString SiteText(const weather::Site& site)
{
    const auto degrees = [](double value, const char* positive, const char* negative) {
        return ToQ(FormatDouble("%.2f", std::abs(value))) + QStringLiteral("° ")
            + ToQ(value < 0.0 ? negative : positive);
    };
    const QString zone = ToQ(FloatText(static_cast<float>(site.timeZone)));
    return degrees(site.latitude, "N", "S") + QStringLiteral(", ")
        + degrees(site.longitude, "E", "O") + QStringLiteral(", UTC")
        + (site.timeZone >= 0.0 ? QStringLiteral("+") : QString()) + zone;
}

} // namespace

namespace {
constexpr int kLongestShownName = 360; // pixels
}

QString StationAmbianceName(const QString& station)
{
    // "de" is elided before a vowel and before the few place names whose h is mute:
    // "Météo d'Essai-sur-Mer", "Météo d'Hyères", "Météo de Lyon", "Météo de Honfleur".
    const QString vowels = QStringLiteral("aeiouyàâäéèêëîïôöùûü");
    static const QStringList muteH { QStringLiteral("Hyères"), QStringLiteral("Hérouville"),
        QStringLiteral("Herblay"), QStringLiteral("Hellemmes") };
    if (station.isEmpty())
        return QStringLiteral("Météo");
    const bool elided = vowels.contains(station.front().toLower())
        || std::any_of(muteH.begin(), muteH.end(), [&station](const QString& name) {
               return station.startsWith(name, Qt::CaseInsensitive);
           });
    return (elided ? QStringLiteral("Météo d'") : QStringLiteral("Météo de ")) + station;
}

QString EpwImportDialog::CityOf(const std::string& location)
{
    return ToQ(location.substr(0, location.find(", "))).trimmed();
}

void EpwImportDialog::AddFacts(
    QVBoxLayout& layout, const QString& epwName, const weather::EpwImportResult& result)
{
    auto* facts = new QFormLayout;
    // The file's name and its LOCATION line are the file's text: plain, never markup, and cut
    // at the dialog's edge rather than widening it past the screen (whole in the tooltip).
    const auto fact = [](const QString& text) {
        QLabel* label = NewPlainLabel(text);
        label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        label->setToolTip(PlainToolTip(text));
        return label;
    };
    facts->addRow(QStringLiteral("Fichier EPW :"), fact(epwName));
    facts->addRow(QStringLiteral("Lieu :"), fact(ToQ(result.location)));
    facts->addRow(QStringLiteral("Site :"), fact(SiteText(result.site)));
    layout.addLayout(facts);
    if (!result.repairs.empty() || !result.warning.empty()) {
        QStringList lines;
        if (!result.warning.empty())
            lines << ToQ(msg::kWarningPrefix + result.warning);
        for (const std::string& repair : result.repairs)
            lines << ToQ(msg::kRepairedPrefix + repair);
        auto* repairs = new QPlainTextEdit(lines.join(QLatin1Char('\n')));
        repairs->setObjectName(QStringLiteral("repairs"));
        repairs->setReadOnly(true);
        repairs->setMaximumHeight(90);
        layout.addWidget(repairs);
    }
}

EpwImportDialog::EpwImportDialog(
    const QString& epwName, const weather::EpwImportResult& result, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("epwImport"));
    setWindowTitle(QStringLiteral("Importer un fichier météo EPW"));
    auto* layout = new QVBoxLayout(this);
    AddFacts(*layout, epwName, result);
    auto* station = new QFormLayout;
    name_ = new QLineEdit;
    name_->setObjectName(QStringLiteral("stationName"));
    name_->setMinimumWidth(280);
    // A longer name is cut where it is typed, pasted or read from the file, and says so.
    name_->setMaxLength(kMaxStationNameLength);
    name_->setText(CityOf(result.location));
    station->addRow(QStringLiteral("&Nom de la station :"), name_);
    nameLimit_ = NewPlainLabel(ToQ(msg::kStationNameLimit) + QLatin1Char(' ')
        + QString::number(kMaxStationNameLength) + QStringLiteral(" caractères"));
    nameLimit_->setObjectName(QStringLiteral("stationNameLimit"));
    station->addRow(QString(), nameLimit_);
    file_ = NewPlainLabel();
    file_->setObjectName(QStringLiteral("weatherFile"));
    station->addRow(QStringLiteral("Fichier météo :"), file_);
    layout->addLayout(station);
    ambiance_ = new QCheckBox;
    ambiance_->setObjectName(QStringLiteral("createAmbiance"));
    ambiance_->setChecked(true);
    layout->addWidget(ambiance_);
    auto* note = new QLabel(QStringLiteral(
        "La station s'ajoute aux dix villes dans la liste « Ville » de la boîte Ambiance. "
        "Son fichier météo est écrit dans le dossier météo de l'utilisateur, où le programme "
        "le trouve."));
    note->setWordWrap(true);
    layout->addWidget(note);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connect(name_, &QLineEdit::textChanged, this, &EpwImportDialog::NameChanged);
    new HelpTopics(this, HelpTopic::WeatherFiles);
    NameChanged();
}

QString EpwImportDialog::StationName() const
{
    return name_->text().trimmed();
}

void EpwImportDialog::SetStationName(const QString& name)
{
    name_->setText(name);
}

bool EpwImportDialog::CreatesAmbiance() const
{
    return ambiance_->isChecked();
}

void EpwImportDialog::SetCreatesAmbiance(bool create)
{
    ambiance_->setChecked(create);
}

QString EpwImportDialog::FileName() const
{
    return ToQ(StationFileName(FromQ(StationName())));
}

void EpwImportDialog::NameChanged()
{
    // A station needs a name to be listed by.
    ok_->setEnabled(!StationName().isEmpty());
    nameLimit_->setVisible(name_->text().size() >= name_->maxLength());
    // A long name is elided, whole in the tooltip, so that the dialog keeps its width.
    const auto elided = [this](const QString& text) {
        return fontMetrics().elidedText(text, Qt::ElideMiddle, kLongestShownName);
    };
    file_->setText(elided(FileName()));
    file_->setToolTip(PlainToolTip(FileName()));
    const QString ambiance = StationAmbianceName(StationName());
    ambiance_->setText(
        QStringLiteral("Créer l'ambiance extérieure « %1 » et la choisir").arg(elided(ambiance)));
    ambiance_->setToolTip(PlainToolTip(ambiance));
}

} // namespace quelvan::ui
