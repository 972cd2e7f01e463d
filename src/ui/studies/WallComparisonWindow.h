#pragma once

#include "engine/moisture/MoistureStudy.h"
#include "engine/variants/StudyRunner.h"
#include "engine/variants/WallVariants.h"
#include "ui/studies/BackgroundJob.h"

#include <QColor>
#include <QDialog>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QVBoxLayout;
class QWidget;

namespace quelvan {
class KslDoc;
}
namespace quelvan::graphics {
class WeekOverlayPlot;
}

namespace quelvan::ui {

class Prompter;

// "Comparer des parois": the current project beside up to three other walls, project files or
// variants of the current wall made here (reversed, its insulating layer doubled or halved),
// side by side: a table of their figures (dynamic characteristics, the fine-mode week and, when
// ticked, the periodic year), and two charts laying their interior surface temperatures and
// interior flux densities over the week, one colour per wall. The walls are computed on threads
// of their own; a wall that cannot be computed shows its message.
class WallComparisonWindow : public QDialog {
    Q_OBJECT
public:
    // The current project as the form shows it, a copy the window may keep.
    using ProjectProvider = std::function<std::unique_ptr<KslDoc>()>;
    using Variant = variants::WallVariant;
    static constexpr int kMaxWalls = 4;

    WallComparisonWindow(ProjectProvider current, Prompter& prompter, QWidget* parent = nullptr);
    ~WallComparisonWindow() override;

    // Each adds a wall after the others and computes them all again. False, with the reason
    // shown, when four walls are there already or the file does not read.
    bool AddProjectFile(const QString& path);
    bool AddVariant(Variant variant);
    // Takes the last wall away (never the current project).
    void RemoveLastWall();
    // Adds the year's figures to the table, or takes them away.
    void SetAnnual(bool annual);
    // Adds the moisture check's rows ("Humidité"), or takes them away.
    void SetMoisture(bool moisture);
    // Computes every wall again from the project as it is now (stopping a study still running).
    void Recompute();
    // The project changed: computes again once the edits pause (keystrokes in a field make one
    // computation, not one each).
    void ProjectChanged();

    bool IsComputing() const { return computing_; }
    int WallCount() const;
    QTableWidget* Table() const { return table_; }
    const graphics::WeekOverlayPlot& TemperaturePlot() const { return *temperature_; }
    const graphics::WeekOverlayPlot& FluxPlot() const { return *flux_; }
    // The colour of the wall at that position, in the table's heading and on both charts.
    static QColor WallColour(int position);

    // What the buttons do.
    void ChooseProjectFile();

signals:
    // The walls are computed and shown.
    void finished();

private:
    struct Wall;

    // The window's parts: the row of walls to add and boxes, then the table and the charts.
    void BuildAddingRow(QVBoxLayout& layout);
    void BuildFigures(QVBoxLayout& layout);
    // The heading of a wall's column, in its colour, its layers on as many lines as its width
    // needs; the table as high as its rows.
    void SetWallHeading(int column);
    void FitWallHeading(int column, int sectionWidth);
    void FitTableHeight();
    void UpdateButtons();
    // The wall's name, "(référence)" for the current project, and its layers on the next line.
    QString WallHeading(int position) const;
    // What a computation gives: each wall's figures and, with "Humidité", its moisture check.
    struct Computed {
        std::vector<variants::VariantResult> results;
        std::vector<moisture::StudyOutcome> moisture;
    };
    void ShowResults(const Computed& computed);
    // The moisture rows after the figures' rows; a wall the check refuses says why below.
    void AddMoistureRows(const std::vector<moisture::StudyOutcome>& outcomes, QStringList& refused);

    ProjectProvider current_;
    Prompter& prompter_;
    std::vector<Wall> walls_;
    std::vector<QString> names_; // of the walls computed last
    std::vector<QString> compositions_; // their layers, "Béton 200 + Laine de verre 100"
    std::unique_ptr<graphics::WeekOverlayPlot> temperature_;
    std::unique_ptr<graphics::WeekOverlayPlot> flux_;
    bool computing_ = false;
    bool annual_ = false;
    bool moisture_ = false;
    QTimer followTimer_; // the pause after the project's last change
    QLabel* status_ = nullptr;
    QLabel* refusals_ = nullptr;
    QTableWidget* table_ = nullptr;
    QWidget* charts_ = nullptr;
    std::vector<QPushButton*> addButtons_;
    QPushButton* remove_ = nullptr;
    QCheckBox* annualBox_ = nullptr;
    QCheckBox* moistureBox_ = nullptr;
    // Last, so that the walls' threads are stopped before anything they report to is gone.
    BackgroundJob job_;
};

} // namespace quelvan::ui
