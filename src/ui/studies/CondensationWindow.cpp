#include "ui/studies/CondensationWindow.h"

#include "engine/CalculationInputs.h"
#include "graphics/ChartStyle.h"
#include "graphics/GlaserPlot.h"
#include "graphics/QtStrings.h"
#include "graphics/SurfaceHoursPlot.h"
#include "model/KslDoc.h"
#include "ui/shell/HelpSupport.h"
#include "ui/studies/LegendedChart.h"
#include "ui/widgets/PlainText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace quelvan::ui {

namespace {

constexpr int kFollowDelayMs = 300;
constexpr QSize kDiagramSize { 440, 300 };
constexpr QSize kHoursSize { 360, 180 };

QLabel* WrappedLabel(const QString& name, QWidget* parent)
{
    QLabel* label = NewPlainLabel({}, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

} // namespace

CondensationWindow::CondensationWindow(
    ProjectProvider project, HumidityEditor humidity, Prompter& prompter, QWidget* parent)
    : QDialog(parent)
    , project_(std::move(project))
    , humidity_(std::move(humidity))
    , prompter_(prompter)
    , glaser_(std::make_unique<graphics::GlaserPlot>())
    , hours_(std::make_unique<graphics::SurfaceHoursPlot>())
{
    setObjectName(QStringLiteral("condensation"));
    setWindowTitle(QStringLiteral("Risque de condensation"));
    setModal(false);
    followTimer_.setSingleShot(true);
    followTimer_.setInterval(kFollowDelayMs);
    connect(&followTimer_, &QTimer::timeout, this, &CondensationWindow::Recompute);
    auto* layout = new QVBoxLayout(this);
    verdict_ = WrappedLabel(QStringLiteral("verdict"), this);
    QFont bold = verdict_->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.15);
    verdict_->setFont(bold);
    layout->addWidget(verdict_);
    source_ = WrappedLabel(QStringLiteral("source"), this);
    layout->addWidget(source_);
    refusal_ = WrappedLabel(QStringLiteral("refusal"), this);
    refusal_->setStyleSheet(QStringLiteral("color: #a00000; font-weight: bold;"));
    refusal_->hide();
    layout->addWidget(refusal_);
    BuildControls();
    BuildTableAndCharts();
    BuildButtons();
    new HelpTopics(this, HelpTopic::Condensation);
    resize(1000, 720);
}

CondensationWindow::~CondensationWindow() = default;

void CondensationWindow::BuildControls()
{
    auto* row = new QHBoxLayout;
    row->addWidget(NewPlainLabel(QStringLiteral("Mois du diagramme :"), this));
    month_ = new QComboBox(this);
    month_->setObjectName(QStringLiteral("month"));
    for (int m = 1; m <= 12; ++m)
        month_->addItem(ToQ(moisture::MonthName(m)), m);
    row->addWidget(month_);
    thickness_ = new QCheckBox(QStringLiteral("Épaisseurs (au lieu de s_d)"), this);
    thickness_->setObjectName(QStringLiteral("thickness"));
    row->addWidget(thickness_);
    row->addStretch();
    auto* humidity = new QPushButton(QStringLiteral("&Humidité intérieure..."), this);
    humidity->setObjectName(QStringLiteral("interiorHumidity"));
    auto* climate = new QPushButton(QStringLiteral("Climat &mensuel..."), this);
    climate->setObjectName(QStringLiteral("climateFile"));
    weatherClimate_ = new QPushButton(QStringLiteral("Climat du &fichier météo"), this);
    weatherClimate_->setObjectName(QStringLiteral("weatherClimate"));
    weatherClimate_->setEnabled(false);
    for (QPushButton* b : { humidity, climate, weatherClimate_ }) {
        b->setAutoDefault(false);
        row->addWidget(b);
    }
    qobject_cast<QVBoxLayout*>(layout())->addLayout(row);
    connect(month_, &QComboBox::currentIndexChanged, this, [this] { RefreshDiagram(); });
    connect(thickness_, &QCheckBox::toggled, this, [this] { RefreshDiagram(); });
    connect(humidity, &QPushButton::clicked, this, [this] {
        if (humidity_)
            humidity_();
    });
    connect(climate, &QPushButton::clicked, this, &CondensationWindow::ChooseClimateFile);
    connect(weatherClimate_, &QPushButton::clicked, this, [this] { UseClimateFile({}); });
}

void CondensationWindow::BuildTableAndCharts()
{
    auto* middle = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    diagramChart_ = new LegendedChart([this](QPainter& p, const QRect& r) { glaser_->Draw(p, r); },
        [this] { return glaser_->Legend(); }, graphics::style::kLegendHeight,
        QStringLiteral("glaserChart"), kDiagramSize, this);
    left->addWidget(diagramChart_, 1);
    layerKey_ = WrappedLabel(QStringLiteral("layerKey"), this);
    left->addWidget(layerKey_);
    middle->addLayout(left, 5);
    auto* right = new QVBoxLayout;
    summary_ = WrappedLabel(QStringLiteral("summary"), this);
    right->addWidget(summary_);
    table_ = new QTableWidget(12, 0, this);
    table_->setObjectName(QStringLiteral("table"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    right->addWidget(table_, 1);
    middle->addLayout(right, 6);
    auto* outer = qobject_cast<QVBoxLayout*>(layout());
    outer->addLayout(middle, 1);
    // A row clicked shows its month on the diagram.
    connect(table_, &QTableWidget::cellClicked, this, [this](int row, int) {
        if (study_ && row < static_cast<int>(study_->condensation.months.size()))
            ShowMonth(study_->condensation.months[static_cast<std::size_t>(row)].month);
    });
    auto* bottom = new QHBoxLayout;
    mould_ = WrappedLabel(QStringLiteral("mould"), this);
    bottom->addWidget(mould_, 1);
    hoursChart_ = new LegendedChart([this](QPainter& p, const QRect& r) { hours_->Draw(p, r); },
        graphics::SurfaceHoursPlot::Legend, graphics::style::kLegendHeight,
        QStringLiteral("hoursChart"), kHoursSize, this);
    hoursChart_->hide();
    bottom->addWidget(hoursChart_, 1);
    outer->addLayout(bottom);
}

void CondensationWindow::BuildButtons()
{
    auto* buttons = new QHBoxLayout;
    copy_ = new QPushButton(QStringLiteral("&Copier le tableau"), this);
    copy_->setObjectName(QStringLiteral("copyTable"));
    export_ = new QPushButton(QStringLiteral("&Exporter le diagramme (PNG)..."), this);
    export_->setObjectName(QStringLiteral("exportDiagram"));
    auto* close = new QPushButton(QStringLiteral("Fermer"), this);
    for (QPushButton* b : { copy_, export_, close })
        b->setAutoDefault(false);
    buttons->addWidget(copy_);
    buttons->addWidget(export_);
    buttons->addStretch();
    buttons->addWidget(close);
    qobject_cast<QVBoxLayout*>(layout())->addLayout(buttons);
    connect(copy_, &QPushButton::clicked, this, &CondensationWindow::CopyTable);
    connect(export_, &QPushButton::clicked, this, &CondensationWindow::ExportDiagram);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

QString CondensationWindow::Refusal() const
{
    return refusal_->isVisible() ? refusal_->text() : QString();
}

QString CondensationWindow::Verdict() const
{
    return verdict_->text();
}

QString CondensationWindow::ClimateSource() const
{
    return source_->text();
}

void CondensationWindow::ProjectChanged()
{
    if (!isVisible())
        return;
    ShowStale(QStringLiteral("Le projet a changé : valeurs périmées, nouveau calcul..."));
    followTimer_.start();
}

void CondensationWindow::ShowStale(const QString& title)
{
    verdict_->setText(title);
    SetShownEnabled(false);
}

void CondensationWindow::SetShownEnabled(bool enabled)
{
    for (QWidget* w : { static_cast<QWidget*>(table_), diagramChart_, hoursChart_,
             static_cast<QWidget*>(copy_), static_cast<QWidget*>(export_),
             static_cast<QWidget*>(month_), static_cast<QWidget*>(thickness_) })
        w->setEnabled(enabled);
}

void CondensationWindow::UseClimateFile(const std::string& path)
{
    climateFile_ = path;
    weatherClimate_->setEnabled(!path.empty());
    Recompute();
}

void CondensationWindow::Recompute()
{
    followTimer_.stop();
    job_.Stop();
    std::shared_ptr<const KslDoc> project = project_();
    if (!project) {
        ShowRefusal(QStringLiteral("Le projet n'a pas pu être copié."));
        return;
    }
    filesRead_ = ProjectFilesRead(*project, InputsFromDocument(*project));
    moisture::StudyRequest request;
    request.climateFile = climateFile_;
    // Figures of an earlier check stay in view, greyed, until the new ones are in; an earlier
    // refusal goes.
    refusal_->hide();
    ShowStale(QStringLiteral("Vérification de la paroi en cours..."));
    computing_ = true;
    // The check (with a weather file, the annual balance) runs on the job's thread, on the copy.
    job_.Start(
        [project, request](const BackgroundJob::Context& context) {
            return moisture::RunStudy(*project, InputsFromDocument(*project), request,
                [&context] { return !context.StopRequested(); });
        },
        [this](moisture::StudyOutcome outcome) { ShowStudy(std::move(outcome)); });
}

} // namespace quelvan::ui
