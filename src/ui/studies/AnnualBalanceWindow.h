#pragma once

#include "engine/CalculationInputs.h"
#include "engine/annual/AnnualBalance.h"
#include "ui/studies/BackgroundJob.h"

#include <QDialog>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QVBoxLayout;
class QWidget;

namespace quelvan {
class KslDoc;
}
namespace quelvan::graphics {
class MonthlyBalancePlot;
class YearSurfacePlot;
} // namespace quelvan::graphics

namespace quelvan::ui {

class Prompter;

// "Bilan annuel de la paroi": the heat balance of the wall over a periodic year in the fine
// mode, for the project as the form shows it. The year is computed on a thread of its own while
// a progress bar follows its passes; then the window shows the monthly table, a bar chart of
// the monthly losses and gains against the steady-state estimate and the interior surface
// temperature over the year, and offers to copy the table and to export the hours as CSV. A
// project the calculation refuses, or a weather file that does not read, shows its message.
// It follows the project: after an edit or an undo the figures shown are greyed as out of
// date, and the year is computed again once the edits pause.
class AnnualBalanceWindow : public QDialog {
    Q_OBJECT
public:
    using InputsProvider = std::function<CalculationInputs()>;

    AnnualBalanceWindow(
        const KslDoc& doc, InputsProvider inputs, Prompter& prompter, QWidget* parent = nullptr);
    ~AnnualBalanceWindow() override;

    // Starts the year again from the project as it is now (stopping a year still running).
    void Recompute();
    // The project changed (an edit, an undo): the figures shown are marked out of date at once
    // and the year is computed again once the edits pause.
    void ProjectChanged();
    // Whether the figures shown are those of the project as it is (none stale, none pending).
    bool IsUpToDate() const { return !computing_ && !followTimer_.isActive() && result_; }

    bool IsComputing() const { return computing_; }
    const std::optional<annual::AnnualBalanceResult>& Result() const { return result_; }
    QTableWidget* Table() const { return table_; }
    // The message of a project that could not be computed; empty otherwise.
    QString Refusal() const;

    // What the buttons do.
    void CopyTable() const;
    void ExportHours();

signals:
    // The year is computed (or refused) and shown.
    void finished();

private:
    // The window's parts, top to bottom.
    void BuildHeader(QVBoxLayout& layout);
    void BuildTable(QVBoxLayout& layout);
    void BuildCharts(QVBoxLayout& layout);
    void BuildButtons(QVBoxLayout& layout);
    void ShowProgress(int pass, int hour);
    void ShowResult(std::optional<annual::AnnualBalanceResult> result);
    void ShowRefusal(const QString& message);
    // Greys the table and the charts while they show another project than the one edited.
    void ShowStale(const QString& title);

    const KslDoc& doc_;
    InputsProvider inputs_;
    Prompter& prompter_;
    std::unique_ptr<graphics::MonthlyBalancePlot> monthly_;
    std::unique_ptr<graphics::YearSurfacePlot> surface_;
    std::optional<annual::AnnualBalanceResult> result_;
    bool computing_ = false;
    QLabel* title_ = nullptr;
    QLabel* subject_ = nullptr; // the wall and the weather
    QLabel* refusal_ = nullptr;
    QLabel* progressText_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QTableWidget* table_ = nullptr;
    QWidget* charts_ = nullptr;
    QTimer followTimer_; // the pause after the project's last change
    QPushButton* copy_ = nullptr;
    QPushButton* export_ = nullptr;
    // Last, so that the year's thread is stopped before anything it reports to is gone.
    BackgroundJob job_;
};

} // namespace quelvan::ui
