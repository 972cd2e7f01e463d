// What the condensation window shows of a check: the verdicts, the monthly table, the diagram,
// the mould check and the hours chart; the copy of the table and the diagram's PNG.
#include "ui/studies/CondensationWindow.h"

#include "core/Messages.h"
#include "core/MoistureMessages.h"
#include "core/NumberText.h"
#include "core/TextFile.h"
#include "engine/moisture/MoistureAdvice.h"
#include "graphics/ChartStyle.h"
#include "graphics/GlaserPlot.h"
#include "graphics/LegendedPlot.h"
#include "graphics/QtStrings.h"
#include "graphics/SurfaceHoursPlot.h"
#include "ui/project/OutputTarget.h"
#include "ui/shell/Prompter.h"

#include <QBuffer>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>

namespace quelvan::ui {

namespace {

using namespace moisture;

// The desktop's words for the refusals that name a command-line option.
QString DesktopRefusal(const StudyOutcome& outcome)
{
    switch (outcome.fault) {
    case StudyFault::ExteriorNotWeather:
        return QStringLiteral("L'ambiance extérieure choisie n'est pas une ambiance météo : "
                              "choisissez un climat mensuel (« Climat mensuel... ») ou une "
                              "ambiance extérieure météo.");
    case StudyFault::InteriorTemperature:
        return QStringLiteral("La température moyenne de l'ambiance intérieure n'est pas connue "
                              "sans calcul : donnez-la dans « Humidité intérieure... ».");
    default:
        return ToQ(outcome.message);
    }
}

std::string Fixed(double value, int decimals)
{
    return FormatDouble(("%." + std::to_string(decimals) + "f").c_str(), value);
}

} // namespace

void CondensationWindow::ShowRefusal(const QString& message)
{
    computing_ = false;
    study_.reset();
    refusal_->setText(message);
    refusal_->show();
    verdict_->setText(QStringLiteral("Vérification impossible"));
    SetShownEnabled(false);
    emit finished();
}

void CondensationWindow::ShowStudy(StudyOutcome outcome)
{
    computing_ = false;
    if (!outcome.study) {
        ShowRefusal(DesktopRefusal(outcome));
        return;
    }
    refusal_->hide();
    study_ = std::move(outcome.study);
    const moisture::Study& s = *study_;
    verdict_->setText(ToQ(PlainVerdict(s.condensation)));
    source_->setText(
        QStringLiteral("Climat : %1. Intérieur : %2. U = %3 W/m².K, S_T = %4 m.")
            .arg(ToQ(ClimateSourceText(s.source)), ToQ(InteriorText(s.interior)),
                ToQ(Fixed(s.condensation.uValue, 3)), ToQ(Fixed(s.condensation.totalSd, 2))));
    summary_->setText(ToQ(VerdictSentence(s.condensation)));
    layerKey_->setText(ToQ(LayerKeyText(s.wall)));
    mould_->setText(ToQ(MouldSentence(s.mould)));
    hoursChart_->setVisible(s.surface.has_value());
    if (s.surface)
        hours_->Show(s.surface->hoursAbove80);
    FillTable();
    const QSignalBlocker blocker(month_);
    month_->setCurrentIndex(CriticalMonth(s.condensation, s.mould) - 1);
    RefreshDiagram();
    SetShownEnabled(true);
    hoursChart_->update();
    emit finished();
}

void CondensationWindow::FillTable()
{
    const CondensationResult& r = study_->condensation;
    const std::vector<std::string> places = WetPlaces(r);
    QStringList headings { QStringLiteral("Mois"), QStringLiteral("θe (°C)"),
        QStringLiteral("pe (Pa)"), QStringLiteral("pi (Pa)") };
    for (const std::string& place : places)
        headings << ToQ(PlaceHeading(place));
    headings << QStringLiteral("Total\n(g/m²)");
    table_->clear();
    table_->setColumnCount(static_cast<int>(headings.size()));
    table_->setRowCount(static_cast<int>(r.months.size()));
    table_->setHorizontalHeaderLabels(headings);
    for (int row = 0; row < table_->rowCount(); ++row) {
        const MonthResult& m = r.months[static_cast<std::size_t>(row)];
        QStringList cells { ToQ(MonthName(m.month)), ToQ(Fixed(m.climate.thetaE, 1)),
            ToQ(Fixed(m.climate.pE, 0)), ToQ(Fixed(m.climate.pI, 0)) };
        for (const std::string& place : places)
            cells << ToQ(GroupedGrams(HeldAt(m, place)));
        cells << ToQ(GroupedGrams(m.heldTotalGPerM2));
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setTextAlignment((c == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
            table_->setItem(row, c, item);
        }
    }
    table_->resizeColumnsToContents();
    // The places' columns take the width left, so that their two-line headings stay whole.
    for (int c = 0; c < table_->columnCount(); ++c)
        table_->horizontalHeader()->setSectionResizeMode(c,
            c >= 4 && c + 1 < table_->columnCount() ? QHeaderView::Stretch
                                                    : QHeaderView::ResizeToContents);
}

void CondensationWindow::ShowMonth(int month)
{
    month_->setCurrentIndex(std::clamp(month, 1, 12) - 1);
}

void CondensationWindow::ShowThickness(bool thickness)
{
    thickness_->setChecked(thickness);
}

void CondensationWindow::RefreshDiagram()
{
    if (!study_)
        return;
    diagram_ = DiagramOf(study_->wall, study_->condensation, month_->currentData().toInt(),
        thickness_->isChecked() ? DiagramAxis::Thickness : DiagramAxis::Sd);
    glaser_->Show(diagram_);
    diagramChart_->update();
}

void CondensationWindow::CopyTable() const
{
    if (!study_)
        return;
    QStringList lines { verdict_->text(), summary_->text() };
    QStringList heading;
    for (int c = 0; c < table_->columnCount(); ++c)
        heading << table_->horizontalHeaderItem(c)->text().replace(
            QLatin1Char('\n'), QLatin1Char(' '));
    lines << heading.join(QLatin1Char('\t'));
    for (int row = 0; row < table_->rowCount(); ++row) {
        QStringList cells;
        for (int c = 0; c < table_->columnCount(); ++c)
            cells << table_->item(row, c)->text();
        lines << cells.join(QLatin1Char('\t'));
    }
    lines << mould_->text();
    QGuiApplication::clipboard()->setText(lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

QImage CondensationWindow::DiagramImage(QSize size) const
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(graphics::style::WindowGround());
    QPainter painter(&image);
    const std::vector<graphics::LegendEntry> legend = glaser_->Legend();
    graphics::PaintAboveLegend(
        painter, size, graphics::style::kLegendHeight,
        [this](QPainter& p, const QRect& r) { glaser_->Draw(p, r); }, legend,
        graphics::LegendLayout::Flow);
    return image;
}

void CondensationWindow::ExportDiagram()
{
    if (!study_)
        return;
    QFileDialog dialog(this, QStringLiteral("Exporter le diagramme"),
        QStringLiteral("condensation-%1.png").arg(month_->currentText()),
        QStringLiteral("Images PNG (*.png)"));
    PrepareOutputDialog(dialog, "png");
    if (prompter_.Exec(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const std::string target = FromQ(dialog.selectedFiles().front());
    // The image never replaces the project nor a weather or climate file it reads.
    std::vector<std::string> read = filesRead_;
    if (!climateFile_.empty())
        read.push_back(climateFile_);
    if (!MayWriteOutput(prompter_, this, target, read))
        return;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    DiagramImage({ 1200, 800 }).save(&buffer, "PNG");
    if (!WriteFileAtomically(
            target, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))))
        prompter_.Message(this,
            QStringLiteral("Le diagramme n'a pas pu être écrit : %1").arg(ToQ(target)),
            Prompter::Icon::Exclamation);
}

void CondensationWindow::ChooseClimateFile()
{
    QFileDialog dialog(this, QStringLiteral("Climat mensuel"), {},
        QStringLiteral("Climat mensuel (*.csv);;Tous les fichiers (*)"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (prompter_.Exec(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    UseClimateFile(FromQ(dialog.selectedFiles().front()));
}

} // namespace quelvan::ui
