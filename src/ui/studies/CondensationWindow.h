#pragma once

#include "engine/moisture/GlaserDiagram.h"
#include "engine/moisture/MoistureStudy.h"
#include "ui/studies/BackgroundJob.h"

#include <QDialog>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QWidget;

namespace quelvan {
class KslDoc;
}
namespace quelvan::graphics {
class GlaserPlot;
class SurfaceHoursPlot;
} // namespace quelvan::graphics

namespace quelvan::ui {

class Prompter;

// "Risque de condensation": the moisture check of the project as the form shows it, the one
// `quelvan-cli condensation` makes. The Glaser diagram of a chosen month (the critical month
// first), the verdict in plain words above the monthly table, the mould check and, with a
// weather file, the hours of the inner surface above 80 % per month. The check runs off the
// interface thread (its annual balance takes a moment); the window follows the project: after
// an edit or an undo its figures are greyed and computed again once the edits pause.
class CondensationWindow : public QDialog {
    Q_OBJECT
public:
    // A copy of the project with the form's values stored, made on the interface thread.
    using ProjectProvider = std::function<std::unique_ptr<KslDoc>()>;
    // Opens the interior humidity's dialog (a step of the edit history when accepted).
    using HumidityEditor = std::function<void()>;

    CondensationWindow(ProjectProvider project, HumidityEditor humidity, Prompter& prompter,
        QWidget* parent = nullptr);
    ~CondensationWindow() override;

    // Starts the check again from the project as it is now.
    void Recompute();
    // The project changed: the figures are greyed at once and computed again after a pause.
    void ProjectChanged();
    bool IsUpToDate() const { return !computing_ && !followTimer_.isActive() && study_; }
    bool IsComputing() const { return computing_; }

    // What is shown, for the tests and the report.
    const std::optional<moisture::Study>& Study() const { return study_; }
    const moisture::DiagramData& Diagram() const { return diagram_; }
    QTableWidget* Table() const { return table_; }
    QString Refusal() const;
    QString Verdict() const;
    QString ClimateSource() const;

    // The diagram's month (1 to 12) and axis.
    void ShowMonth(int month);
    void ShowThickness(bool thickness);
    // A monthly climate file instead of the weather file; empty: the weather file again.
    void UseClimateFile(const std::string& path);

    // What the buttons do.
    void CopyTable() const;
    void ExportDiagram();
    void ChooseClimateFile();
    // Draws the diagram with its legend into an image of that size (the PNG export).
    QImage DiagramImage(QSize size) const;

signals:
    // The check is computed (or refused) and shown.
    void finished();

private:
    void BuildControls();
    void BuildTableAndCharts();
    void BuildButtons();
    void ShowStale(const QString& title);
    void ShowRefusal(const QString& message);
    void ShowStudy(moisture::StudyOutcome outcome);
    void FillTable();
    void RefreshDiagram();
    void SetShownEnabled(bool enabled);

    ProjectProvider project_;
    HumidityEditor humidity_;
    Prompter& prompter_;
    std::unique_ptr<graphics::GlaserPlot> glaser_;
    std::unique_ptr<graphics::SurfaceHoursPlot> hours_;
    std::optional<moisture::Study> study_;
    moisture::DiagramData diagram_;
    std::string climateFile_;
    std::vector<std::string> filesRead_; // what the PNG may not replace
    bool computing_ = false;
    QTimer followTimer_;
    QLabel* verdict_ = nullptr;
    QLabel* source_ = nullptr;
    QLabel* refusal_ = nullptr;
    QComboBox* month_ = nullptr;
    QCheckBox* thickness_ = nullptr;
    QPushButton* weatherClimate_ = nullptr;
    QWidget* diagramChart_ = nullptr;
    QLabel* layerKey_ = nullptr;
    QLabel* summary_ = nullptr; // the verdict sentence above the table
    QTableWidget* table_ = nullptr;
    QLabel* mould_ = nullptr;
    QWidget* hoursChart_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* export_ = nullptr;
    // Last, so that its thread stops before anything its deliveries touch is gone.
    BackgroundJob job_;
};

} // namespace quelvan::ui
