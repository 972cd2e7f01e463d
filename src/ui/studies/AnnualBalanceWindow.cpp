#include "ui/studies/AnnualBalanceWindow.h"

#include "core/Messages.h"
#include "core/TextFile.h"
#include "engine/annual/AnnualBalanceText.h"
#include "graphics/AnnualBalancePlots.h"
#include "graphics/ChartStyle.h"
#include "graphics/QtStrings.h"
#include "model/KslDoc.h"
#include "model/WallComposition.h"
#include "ui/project/OutputTarget.h"
#include "ui/shell/HelpSupport.h"
#include "ui/shell/Prompter.h"
#include "ui/studies/LegendedChart.h"
#include "ui/widgets/PlainText.h"
#include "ui/widgets/ScrolledFigures.h"

#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace quelvan::ui {

namespace {

constexpr int kFollowDelayMs = 300;
constexpr QSize kChartSize { 480, 260 };
constexpr int kRows = kMonthCount + 1;
constexpr int kHeadingLine = 11; // characters of a heading's line
constexpr int kLeastTableHeight = 160; // a few months, the rest scrolled to

} // namespace

AnnualBalanceWindow::AnnualBalanceWindow(
    const KslDoc& doc, InputsProvider inputs, Prompter& prompter, QWidget* parent)
    : QDialog(parent)
    , doc_(doc)
    , inputs_(std::move(inputs))
    , prompter_(prompter)
    , monthly_(std::make_unique<graphics::MonthlyBalancePlot>())
    , surface_(std::make_unique<graphics::YearSurfacePlot>())
{
    setObjectName(QStringLiteral("annualBalance"));
    followTimer_.setSingleShot(true);
    followTimer_.setInterval(kFollowDelayMs);
    connect(&followTimer_, &QTimer::timeout, this, &AnnualBalanceWindow::Recompute);
    setWindowTitle(QStringLiteral("Bilan annuel de la paroi"));
    setModal(false);
    // The figures scroll; the buttons stay in view.
    auto* outer = new QVBoxLayout(this);
    QVBoxLayout& layout = AddScrolledFigures(*outer, *this);
    BuildHeader(layout);
    BuildTable(layout);
    BuildCharts(layout);
    BuildButtons(*outer);
    new HelpTopics(this, HelpTopic::AnnualBalance);
    resize(1040, 760);
}

void AnnualBalanceWindow::BuildHeader(QVBoxLayout& layout)
{
    title_ = NewPlainLabel({}, this);
    title_->setObjectName(QStringLiteral("title"));
    layout.addWidget(title_);
    // The wall and the weather the year is of.
    subject_ = NewPlainLabel({}, this);
    subject_->setObjectName(QStringLiteral("subject"));
    subject_->setWordWrap(true);
    layout.addWidget(subject_);
    refusal_ = NewPlainLabel({}, this);
    refusal_->setObjectName(QStringLiteral("refusal"));
    refusal_->setWordWrap(true);
    refusal_->setStyleSheet(QStringLiteral("color: #a00000; font-weight: bold;"));
    layout.addWidget(refusal_);
    auto* progressRow = new QHBoxLayout;
    progressText_ = NewPlainLabel({}, this);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("progress"));
    progress_->setRange(0, kHoursPerYear);
    progressRow->addWidget(progressText_);
    progressRow->addWidget(progress_, 1);
    layout.addLayout(progressRow);
}

void AnnualBalanceWindow::BuildTable(QVBoxLayout& layout)
{
    table_ = new QTableWidget(kRows, annual::kBalanceColumnCount, this);
    table_->setObjectName(QStringLiteral("table"));
    QStringList headings;
    for (const annual::BalanceColumn& column : annual::kBalanceColumns) {
        // A long heading ("Flux entrant max") on two lines, so that the column stays narrow.
        QString label = ToQ(column.label);
        if (label.size() > kHeadingLine && label.lastIndexOf(QLatin1Char(' ')) > 0)
            label[label.lastIndexOf(QLatin1Char(' '))] = QLatin1Char('\n');
        headings << QStringLiteral("%1\n(%2)").arg(label, ToQ(column.unit));
    }
    table_->setHorizontalHeaderLabels(headings);
    QStringList rows;
    for (int row = 0; row < kRows; ++row)
        rows << ToQ(annual::BalanceRowName(row));
    table_->setVerticalHeaderLabels(rows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setFocusPolicy(Qt::NoFocus);
    for (int row = 0; row < kRows; ++row) {
        for (int c = 0; c < annual::kBalanceColumnCount; ++c) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (row == kMonthCount) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            table_->setItem(row, c, item);
        }
    }
    table_->resizeColumnsToContents();
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // On a low screen the table scrolls rather than the window running off the screen.
    layout.addWidget(table_, 1);
    int height = table_->horizontalHeader()->sizeHint().height() + 2 * table_->frameWidth();
    for (int row = 0; row < kRows; ++row)
        height += table_->verticalHeader()->sectionSizeHint(row);
    table_->setMaximumHeight(height);
    table_->setMinimumHeight(std::min(height, kLeastTableHeight));
}

void AnnualBalanceWindow::BuildCharts(QVBoxLayout& layout)
{
    charts_ = new QWidget(this);
    auto* chartRow = new QHBoxLayout(charts_);
    chartRow->setContentsMargins(0, 0, 0, 0);
    chartRow->addWidget(
        new LegendedChart([this](QPainter& p, const QRect& r) { monthly_->Draw(p, r); },
            graphics::MonthlyBalancePlot::Legend, graphics::style::kLegendHeight,
            QStringLiteral("monthlyChart"), kChartSize, charts_));
    chartRow->addWidget(
        new LegendedChart([this](QPainter& p, const QRect& r) { surface_->Draw(p, r); },
            [this] { return surface_->Legend(); }, graphics::style::kLegendHeight,
            QStringLiteral("surfaceChart"), kChartSize, charts_));
    layout.addWidget(charts_, 1);
}

void AnnualBalanceWindow::BuildButtons(QVBoxLayout& layout)
{
    auto* buttons = new QHBoxLayout;
    copy_ = new QPushButton(QStringLiteral("Copier le tableau"), this);
    copy_->setObjectName(QStringLiteral("copyTable"));
    export_ = new QPushButton(QStringLiteral("Exporter les heures (CSV)..."), this);
    export_->setObjectName(QStringLiteral("exportHours"));
    auto* close = new QPushButton(QStringLiteral("Fermer"), this);
    buttons->addWidget(copy_);
    buttons->addWidget(export_);
    buttons->addStretch();
    buttons->addWidget(close);
    layout.addLayout(buttons);
    connect(copy_, &QPushButton::clicked, this, &AnnualBalanceWindow::CopyTable);
    connect(export_, &QPushButton::clicked, this, &AnnualBalanceWindow::ExportHours);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

AnnualBalanceWindow::~AnnualBalanceWindow() = default;

QString AnnualBalanceWindow::Refusal() const
{
    return refusal_->isVisible() ? refusal_->text() : QString();
}

void AnnualBalanceWindow::ProjectChanged()
{
    if (!isVisible())
        return;
    ShowStale(QStringLiteral("Le projet a changé : valeurs périmées, nouveau calcul..."));
    followTimer_.start();
}

void AnnualBalanceWindow::ShowStale(const QString& title)
{
    title_->setText(title);
    for (QWidget* w : { static_cast<QWidget*>(table_), charts_, static_cast<QWidget*>(copy_),
             static_cast<QWidget*>(export_) })
        w->setEnabled(false);
}

void AnnualBalanceWindow::Recompute()
{
    followTimer_.stop();
    job_.Stop();
    result_.reset();
    std::string error;
    const CalculationInputs inputs = inputs_();
    subject_->setText(ToQ(WallAndWeather(doc_, inputs.exteriorAmbiance)));
    std::optional<annual::AnnualProblem> problem
        = annual::PrepareAnnualBalance(doc_, inputs, CalculationMode::Fine, &error);
    if (!problem) {
        ShowRefusal(ToQ(error));
        return;
    }
    refusal_->hide();
    // Figures of an earlier year stay in view, greyed, until the new ones are in.
    ShowStale(QStringLiteral("Calcul de l'année périodique en cours..."));
    progress_->setValue(0);
    progress_->show();
    progressText_->show();
    computing_ = true;
    ShowProgress(1, 0);
    // The year runs on its own thread from a copy of what it needs.
    job_.Start(
        [this, problem = std::move(*problem)](const BackgroundJob::Context& context) {
            int shownPercent = -1;
            auto report = [this, &context, &shownPercent](int pass, int hour) {
                const int percent = hour * 100 / kHoursPerYear;
                if (percent != shownPercent) {
                    shownPercent = percent;
                    context.Post([this, pass, hour] { ShowProgress(pass, hour); });
                }
                return !context.StopRequested();
            };
            return annual::RunAnnualBalance(problem, {}, report);
        },
        [this](
            std::optional<annual::AnnualBalanceResult> result) { ShowResult(std::move(result)); });
}

void AnnualBalanceWindow::ShowProgress(int pass, int hour)
{
    if (!computing_)
        return;
    progressText_->setText(QStringLiteral("Année simulée %1").arg(pass));
    progress_->setValue(hour);
}

void AnnualBalanceWindow::ShowRefusal(const QString& message)
{
    computing_ = false;
    refusal_->setText(message);
    refusal_->show();
    title_->clear();
    progress_->hide();
    progressText_->hide();
    for (QWidget* w : { static_cast<QWidget*>(table_), charts_, static_cast<QWidget*>(copy_),
             static_cast<QWidget*>(export_) })
        w->setEnabled(false);
    emit finished();
}

void AnnualBalanceWindow::ShowResult(std::optional<annual::AnnualBalanceResult> result)
{
    computing_ = false;
    if (!result) {
        ShowRefusal(ToQ(msg::kInternalError));
        return;
    }
    result_ = std::move(result);
    progress_->hide();
    progressText_->hide();
    title_->setText(ToQ(annual::BalanceTitle(*result_)));
    for (int row = 0; row < kRows; ++row) {
        const annual::BalanceFigures& f = row < kMonthCount
            ? result_->figures.months[static_cast<size_t>(row)]
            : result_->figures.year;
        for (int c = 0; c < annual::kBalanceColumnCount; ++c)
            table_->item(row, c)->setText(
                ToQ(annual::BalanceCellText(annual::kBalanceColumns[static_cast<size_t>(c)], f)));
    }
    monthly_->Show(result_->figures);
    surface_->Show(result_->hours);
    for (QWidget* w : { static_cast<QWidget*>(table_), charts_, static_cast<QWidget*>(copy_),
             static_cast<QWidget*>(export_) })
        w->setEnabled(true);
    charts_->update();
    for (QWidget* canvas : charts_->findChildren<QWidget*>())
        canvas->update();
    emit finished();
}

void AnnualBalanceWindow::CopyTable() const
{
    if (result_)
        QGuiApplication::clipboard()->setText(ToQ(annual::BalanceTabSeparated(*result_)));
}

void AnnualBalanceWindow::ExportHours()
{
    if (!result_)
        return;
    QFileDialog dialog(this, QStringLiteral("Exporter les heures"),
        ToQ(doc_.pathWithoutExtension + "-heures.csv"), QStringLiteral("Fichiers CSV (*.csv)"));
    PrepareOutputDialog(dialog, "csv");
    if (prompter_.Exec(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const std::string target = FromQ(dialog.selectedFiles().front());
    // The hours never replace the project they come from nor the weather it reads.
    if (!MayWriteOutput(prompter_, this, target, ProjectFilesRead(doc_, inputs_())))
        return;
    if (!WriteFileAtomically(target, annual::HourlyCsv(result_->hours)))
        prompter_.Message(this, ToQ(std::string(msg::kHourlyNotWritten) + " : " + target),
            Prompter::Icon::Exclamation);
}

} // namespace quelvan::ui
