#include "ui/studies/WallComparisonWindow.h"

#include "core/Messages.h"
#include "engine/CalculationInputs.h"
#include "engine/variants/VariantStudy.h"
#include "engine/variants/VariantText.h"
#include "graphics/ChartStyle.h"
#include "graphics/QtStrings.h"
#include "graphics/WeekOverlayPlot.h"
#include "model/CMaterial.h"
#include "model/KslDoc.h"
#include "model/WallComposition.h"
#include "persistence/ProjectFile.h"
#include "ui/shell/HelpSupport.h"
#include "ui/shell/Prompter.h"
#include "ui/studies/LegendedChart.h"
#include "ui/widgets/LineBreaks.h"
#include "ui/widgets/PlainText.h"
#include "ui/widgets/ScrolledFigures.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace quelvan::ui {

namespace {

constexpr QSize kChartSize { 460, 280 };
constexpr int kLeastTableHeight = 160; // a few rows, the rest scrolled to
constexpr int kHeadingPadding = 12; // the heading's margins around its text
// How long the project must stay unchanged before its walls are computed again.
constexpr int kFollowDelayMs = 300;

QString Heading(const variants::StudyColumn& column)
{
    return column.unit == "-" ? ToQ(column.label)
                              : QStringLiteral("%1 (%2)").arg(ToQ(column.label), ToQ(column.unit));
}

} // namespace

// A wall of the comparison: a project file read when added, or a variant made afresh from the
// current project at every computation.
struct WallComparisonWindow::Wall {
    std::optional<Variant> variant;
    std::unique_ptr<KslDoc> file;
    QString fileName;
};

WallComparisonWindow::WallComparisonWindow(
    ProjectProvider current, Prompter& prompter, QWidget* parent)
    : QDialog(parent)
    , current_(std::move(current))
    , prompter_(prompter)
    , temperature_(std::make_unique<graphics::WeekOverlayPlot>("Tsi (°C)"))
    , flux_(std::make_unique<graphics::WeekOverlayPlot>("Densité de flux (W/m²)"))
{
    setObjectName(QStringLiteral("wallComparison"));
    setWindowTitle(QStringLiteral("Comparer des parois"));
    setModal(false);
    followTimer_.setSingleShot(true);
    followTimer_.setInterval(kFollowDelayMs);
    connect(&followTimer_, &QTimer::timeout, this, &WallComparisonWindow::Recompute);
    walls_.emplace_back();
    // The figures scroll; the buttons stay in view.
    auto* outer = new QVBoxLayout(this);
    BuildAddingRow(*outer);
    QVBoxLayout& layout = AddScrolledFigures(*outer, *this);
    BuildFigures(layout);
    auto* closing = new QHBoxLayout;
    closing->addStretch();
    auto* close = new QPushButton(QStringLiteral("&Fermer"), this);
    close->setObjectName(QStringLiteral("close"));
    closing->addWidget(close);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    outer->addLayout(closing);
    new HelpTopics(this, HelpTopic::CompareWalls);
    resize(1040, 820);
    UpdateButtons();
}

void WallComparisonWindow::BuildAddingRow(QVBoxLayout& layout)
{
    auto* adding = new QHBoxLayout;
    const std::array<std::pair<const char*, const char*>, 4> buttons { {
        { "addFile", "&Ajouter un projet..." },
        { "addReversed", "&Paroi inversée" },
        { "addThicker", "Épaisseur d'&isolant × 2" },
        { "addThinner", "÷ &2" },
    } };
    for (const auto& [name, text] : buttons) {
        auto* button = new QPushButton(ToQ(text), this);
        button->setObjectName(ToQ(name));
        adding->addWidget(button);
        addButtons_.push_back(button);
    }
    connect(addButtons_[0], &QPushButton::clicked, this, &WallComparisonWindow::ChooseProjectFile);
    connect(addButtons_[1], &QPushButton::clicked, this, [this] { AddVariant(Variant::Reversed); });
    connect(addButtons_[2], &QPushButton::clicked, this,
        [this] { AddVariant(Variant::ThickerInsulation); });
    connect(addButtons_[3], &QPushButton::clicked, this,
        [this] { AddVariant(Variant::ThinnerInsulation); });
    remove_ = new QPushButton(QStringLiteral("&Retirer la dernière paroi"), this);
    remove_->setObjectName(QStringLiteral("removeLast"));
    connect(remove_, &QPushButton::clicked, this, &WallComparisonWindow::RemoveLastWall);
    adding->addWidget(remove_);
    adding->addStretch();
    annualBox_ = new QCheckBox(QStringLiteral("&Bilan annuel"), this);
    annualBox_->setObjectName(QStringLiteral("annual"));
    connect(annualBox_, &QCheckBox::toggled, this, &WallComparisonWindow::SetAnnual);
    adding->addWidget(annualBox_);
    moistureBox_ = new QCheckBox(QStringLiteral("&Humidité"), this);
    moistureBox_->setObjectName(QStringLiteral("moisture"));
    moistureBox_->setToolTip(QStringLiteral(
        "Ajoute la vérification de condensation de chaque paroi (méthode mensuelle, sur le "
        "fichier météo de l'ambiance extérieure) et son facteur f_Rsi"));
    connect(moistureBox_, &QCheckBox::toggled, this, &WallComparisonWindow::SetMoisture);
    adding->addWidget(moistureBox_);
    layout.addLayout(adding);
}

void WallComparisonWindow::BuildFigures(QVBoxLayout& layout)
{
    status_ = NewPlainLabel({}, this);
    status_->setObjectName(QStringLiteral("status"));
    layout.addWidget(status_);
    table_ = new QTableWidget(this);
    table_->setObjectName(QStringLiteral("table"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setFocusPolicy(Qt::NoFocus);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // The header tells a section's new width before it answers it to sectionSize().
    connect(table_->horizontalHeader(), &QHeaderView::sectionResized, this,
        [this](int column, int, int width) {
            FitWallHeading(column, width);
            FitTableHeight();
        });
    layout.addWidget(table_, 1);
    refusals_ = NewPlainLabel({}, this);
    refusals_->setObjectName(QStringLiteral("refusals"));
    refusals_->setWordWrap(true);
    refusals_->setStyleSheet(QStringLiteral("color: #a00000;"));
    layout.addWidget(refusals_);

    charts_ = new QWidget(this);
    auto* chartRow = new QHBoxLayout(charts_);
    chartRow->setContentsMargins(0, 0, 0, 0);
    const auto addChart = [this, chartRow](graphics::WeekOverlayPlot* plot, const QString& name) {
        chartRow->addWidget(new LegendedChart(
            [plot](QPainter& painter, const QRect& area) { plot->Draw(painter, area); },
            [plot] { return plot->Legend(); }, graphics::style::kComparisonLegendHeight, name,
            kChartSize, charts_));
    };
    addChart(temperature_.get(), QStringLiteral("temperatureChart"));
    addChart(flux_.get(), QStringLiteral("fluxChart"));
    layout.addWidget(charts_, 1);
}

WallComparisonWindow::~WallComparisonWindow()
{
    // The dialog's own destructor hides the table, whose header may then resize its sections:
    // the headings must not be fitted by a window that is no longer one.
    disconnect(table_->horizontalHeader(), nullptr, this, nullptr);
}

int WallComparisonWindow::WallCount() const
{
    return static_cast<int>(walls_.size());
}

QColor WallComparisonWindow::WallColour(int position)
{
    static const std::array<QColor, kMaxWalls> kColours { QColor(20, 80, 200), QColor(210, 50, 30),
        QColor(20, 140, 60), QColor(150, 60, 170) };
    return kColours[static_cast<std::size_t>(position) % kColours.size()];
}

void WallComparisonWindow::UpdateButtons()
{
    for (QPushButton* button : addButtons_)
        button->setEnabled(WallCount() < kMaxWalls);
    remove_->setEnabled(WallCount() > 1);
}

bool WallComparisonWindow::AddProjectFile(const QString& path)
{
    if (WallCount() >= kMaxWalls)
        return false;
    auto doc = std::make_unique<KslDoc>();
    ReadError error;
    if (ReadProjectFile(*doc, FromQ(path), &error) != Failure::None) {
        // The message names the file, which the reading error alone does not.
        prompter_.Message(this,
            QStringLiteral("« %1 » : %2")
                .arg(QFileInfo(path).fileName(), ToQ(ReadErrorMessage(error))),
            Prompter::Icon::Exclamation);
        return false;
    }
    doc->SetPath(FromQ(path));
    walls_.push_back({ std::nullopt, std::move(doc), QFileInfo(path).fileName() });
    UpdateButtons();
    Recompute();
    return true;
}

void WallComparisonWindow::ChooseProjectFile()
{
    QFileDialog dialog(this, QStringLiteral("Ajouter un projet"), QString(),
        QStringLiteral("Projets (*.ksl);;Tous les fichiers (*)"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (prompter_.Exec(dialog) == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        AddProjectFile(dialog.selectedFiles().front());
}

bool WallComparisonWindow::AddVariant(Variant variant)
{
    if (WallCount() >= kMaxWalls)
        return false;
    walls_.push_back({ variant, nullptr, {} });
    UpdateButtons();
    Recompute();
    return true;
}

void WallComparisonWindow::RemoveLastWall()
{
    if (WallCount() <= 1)
        return;
    walls_.pop_back();
    UpdateButtons();
    Recompute();
}

void WallComparisonWindow::SetAnnual(bool annual)
{
    // The box's signal brings a change of the box back here.
    if (annualBox_->isChecked() != annual) {
        annualBox_->setChecked(annual);
        return;
    }
    annual_ = annual;
    Recompute();
}

void WallComparisonWindow::SetMoisture(bool moisture)
{
    if (moistureBox_->isChecked() != moisture) {
        moistureBox_->setChecked(moisture);
        return;
    }
    moisture_ = moisture;
    Recompute();
}

void WallComparisonWindow::ProjectChanged()
{
    if (isVisible())
        followTimer_.start();
}

void WallComparisonWindow::Recompute()
{
    followTimer_.stop();
    job_.Stop();
    auto refuse = [this] {
        computing_ = false;
        status_->setText(ToQ(msg::kInternalError));
        emit finished();
    };
    const std::unique_ptr<KslDoc> project = current_();
    if (!project)
        return refuse();
    auto study = std::make_shared<variants::VariantStudy>();
    names_.clear();
    compositions_.clear();
    for (const Wall& wall : walls_) {
        if (wall.file) {
            study->AddProject(*wall.file, FromQ(wall.fileName));
            names_.push_back(wall.fileName);
            compositions_.push_back(ToQ(WallComposition(*wall.file)));
            continue;
        }
        std::unique_ptr<KslDoc> doc = variants::CopyProject(*project);
        if (!doc)
            return refuse();
        QString name = QStringLiteral("Projet actuel");
        if (wall.variant) {
            if (std::optional<std::string> named = variants::ApplyWallVariant(*doc, *wall.variant))
                name = ToQ(*named);
        }
        study->AddProject(*doc, FromQ(name));
        names_.push_back(name);
        compositions_.push_back(ToQ(WallComposition(*doc)));
    }
    computing_ = true;
    status_->setText(QStringLiteral("Calcul des parois en cours..."));
    variants::FigureOptions figures;
    figures.annual = annual_;
    figures.keepSeries = true;
    // The walls run on threads of their own from copies.
    job_.Start(
        [study, figures, moisture = moisture_](const BackgroundJob::Context& context) {
            Computed computed;
            variants::RunStudy(
                *study, figures, {},
                [&computed](
                    variants::VariantResult&& r) { computed.results.push_back(std::move(r)); },
                [&context] { return context.StopRequested(); });
            // The moisture check of each wall, as the condensation window makes it.
            for (std::size_t i = 0; moisture && i < study->Projects().size(); ++i) {
                std::string error;
                const std::unique_ptr<KslDoc> doc = study->Project(i, &error);
                computed.moisture.push_back(doc ? moisture::RunStudy(*doc, InputsFromDocument(*doc),
                                                {}, [&context] { return !context.StopRequested(); })
                                                : moisture::StudyOutcome { std::nullopt,
                                                    moisture::StudyFault::Wall, error });
            }
            return computed;
        },
        [this](const Computed& computed) { ShowResults(computed); });
}

QString WallComparisonWindow::WallHeading(int position) const
{
    const auto p = static_cast<std::size_t>(position);
    QString heading = names_[p];
    if (position == 0)
        heading += QStringLiteral(" (référence)");
    if (p < compositions_.size() && !compositions_[p].isEmpty())
        heading += QLatin1Char('\n') + compositions_[p];
    return heading;
}

void WallComparisonWindow::AddMoistureRows(
    const std::vector<moisture::StudyOutcome>& outcomes, QStringList& refused)
{
    const QString rows[] { QStringLiteral("Humidité : condensation"),
        QStringLiteral("Humidité : eau au plus (g/m²)"),
        QStringLiteral("Humidité : f_Rsi / f_Rsi,max") };
    const int first = table_->rowCount();
    table_->setRowCount(first + 3);
    for (int r = 0; r < 3; ++r)
        table_->setVerticalHeaderItem(first + r, new QTableWidgetItem(rows[r]));
    for (std::size_t w = 0; w < outcomes.size() && w < names_.size(); ++w) {
        QString cells[3] { QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("-") };
        if (const std::optional<moisture::Study>& s = outcomes[w].study) {
            const moisture::CondensationResult& c = s->condensation;
            cells[0] = c.verdict == moisture::Verdict::None ? QStringLiteral("aucune")
                : c.verdict == moisture::Verdict::Accumulates
                ? QStringLiteral("s'accumule")
                : QStringLiteral("sèche en %1").arg(ToQ(moisture::MonthName(c.dryMonth)));
            cells[1] = ToQ(moisture::GroupedGrams(c.maxTotalGPerM2));
            cells[2] = QStringLiteral("%1 / %2")
                           .arg(s->mould.frsiWall, 0, 'f', 3)
                           .arg(s->mould.frsiMax, 0, 'f', 3);
        } else {
            const QString why = outcomes[w].fault == moisture::StudyFault::ExteriorNotWeather
                ? QStringLiteral("l'ambiance extérieure n'est pas une ambiance météo")
                : ToQ(outcomes[w].message);
            refused << QStringLiteral("%1 (humidité) : %2").arg(names_[w], why);
        }
        for (int r = 0; r < 3; ++r) {
            auto* item = new QTableWidgetItem(cells[r]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(first + r, static_cast<int>(w), item);
        }
    }
}

void WallComparisonWindow::SetWallHeading(int column)
{
    auto* heading = new QTableWidgetItem();
    heading->setToolTip(PlainToolTip(WallHeading(column)));
    // Left-aligned: a column too narrow for a name cuts its end, never its start.
    heading->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    heading->setForeground(WallColour(column));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    table_->setHorizontalHeaderItem(column, heading);
    FitWallHeading(column, table_->horizontalHeader()->sectionSize(column));
}

void WallComparisonWindow::FitWallHeading(int column, int sectionWidth)
{
    QTableWidgetItem* heading = table_->horizontalHeaderItem(column);
    if (heading == nullptr || column >= static_cast<int>(names_.size()))
        return;
    // The heading goes on as many lines as the column's width needs.
    // A variant's details go below its name ("(Laine de verre, 100 mm)"), each layer whole.
    const QFontMetrics metrics(heading->font());
    const int width = sectionWidth - kHeadingPadding;
    const QString named = BreakAtJoints(
        WallHeading(column), QStringLiteral(" ("), JointSign::StartsLine, metrics, width);
    heading->setText(
        BreakAtJoints(named, QStringLiteral(" + "), JointSign::EndsLine, metrics, width));
}

void WallComparisonWindow::FitTableHeight()
{
    int height = table_->horizontalHeader()->sizeHint().height() + 2 * table_->frameWidth();
    for (int row = 0; row < table_->rowCount(); ++row)
        height += table_->verticalHeader()->sectionSizeHint(row);
    // All of it on a screen with room; on a low one it scrolls.
    table_->setMaximumHeight(height);
    table_->setMinimumHeight(std::min(height, kLeastTableHeight));
}

void WallComparisonWindow::ShowResults(const Computed& computed)
{
    const std::vector<variants::VariantResult>& results = computed.results;
    computing_ = false;
    const std::vector<variants::StudyColumn> columns = variants::FigureColumns(annual_);
    table_->clear();
    table_->setColumnCount(static_cast<int>(results.size()));
    table_->setRowCount(static_cast<int>(columns.size()));
    for (std::size_t r = 0; r < columns.size(); ++r) {
        auto* label = new QTableWidgetItem(Heading(columns[r]));
        label->setToolTip(ToQ(variants::FigureMeaning(columns[r])));
        table_->setVerticalHeaderItem(static_cast<int>(r), label);
    }
    std::vector<graphics::WeekOverlayPlot::Curve> temperatures, fluxes;
    QStringList refused;
    for (std::size_t w = 0; w < results.size() && w < names_.size(); ++w) {
        const int c = static_cast<int>(w);
        const variants::VariantOutcome& outcome = results[w].outcome;
        SetWallHeading(c);
        for (std::size_t r = 0; r < columns.size(); ++r) {
            // The other walls show their difference from the current one, the reference.
            QString text = ToQ(variants::FigureText(columns[r], outcome));
            const std::string difference = w == 0
                ? std::string()
                : variants::FigureDifferenceText(columns[r], outcome, results.front().outcome);
            if (!difference.empty())
                text += QStringLiteral("  (%1)").arg(ToQ(difference));
            auto* item = new QTableWidgetItem(text);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(static_cast<int>(r), c, item);
        }
        if (!outcome.figures) {
            refused << QStringLiteral("%1 : %2").arg(names_[w], ToQ(outcome.error));
            continue;
        }
        const std::string name = FromQ(names_[w]);
        temperatures.push_back({ name, WallColour(c), outcome.series.interiorSurfaceTemperature });
        fluxes.push_back({ name, WallColour(c), outcome.series.interiorFlux });
    }
    if (moisture_)
        AddMoistureRows(computed.moisture, refused);
    temperature_->Show(std::move(temperatures));
    flux_->Show(std::move(fluxes));
    refusals_->setText(refused.join(QLatin1Char('\n')));
    refusals_->setVisible(!refused.isEmpty());
    status_->setText(
        QStringLiteral("Semaine du projet en calcul fin ; flux intérieur positif de la "
                       "pièce vers la paroi%1 ; Δ : écart au projet actuel")
            .arg(annual_ ? QStringLiteral(" ; année en régime périodique") : QString()));
    FitTableHeight();
    for (QWidget* canvas : charts_->findChildren<QWidget*>())
        canvas->update();
    emit finished();
}

} // namespace quelvan::ui
