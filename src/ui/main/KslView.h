#pragma once

#include "engine/EngineState.h"
#include "model/AmbianceCodes.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <memory>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace quelvan {
class KslDoc;
class NMaterialLayer;
} // namespace quelvan
namespace quelvan::graphics {
class CWallDrawing;
class NShape;
class NShpRectangle;
class ProfileChart;
} // namespace quelvan::graphics

namespace quelvan::ui {

class CalculationRunner;
class FluxDensityWindow;
class NumberEdit;
class Prompter;
class ReadoutLabel;

// The main form: the exterior face, the wall and the interior face in three group boxes, the
// read-outs of a running calculation, the drawing area (the wall section in input mode, the
// in-wall temperature profile in calculation mode) and the mode and run buttons.
class KslView : public QWidget {
    Q_OBJECT
public:
    KslView(KslDoc& doc, Prompter& prompter, QWidget* parent = nullptr);
    ~KslView() override;

    // Fields from the document, and back.
    void LoadControls();
    void StoreControls();
    // The document changed (list edits, new or opened project): reload when asked, return to
    // input mode, rebuild the wall drawing and repaint.
    void DocumentChanged();
    // Refills one side's ambiance list with the document's choice selected.
    void FillAmbianceList(Side side);

    // The four number fields give their undo keys and context menu to the window's history.
    void UseWindowUndo(QAction* undo, QAction* redo);

    bool IsCalculationMode() const { return calculationMode_; }
    // Entering calculation mode that the calculation refuses leaves the form in input mode,
    // with the control holding the refused value focused (RefusedControl).
    void SetCalculationMode(bool calculation);
    // The control where the value the calculation refuses is entered: a face's number field,
    // "Affichage des couches" for a layer, or a side's ambiance list; null when the inputs pass
    // the checks (a weather file that cannot be read, for instance).
    QWidget* RefusedControl() const;
    CalculationRunner& Runner() { return *runner_; }
    FluxDensityWindow* Tracer() const;
    void ShowTracer();
    // The form's values as shown, and the inputs of a preparation made from them.
    FormValues FormValuesShown() const;
    CalculationInputs InputsFromControls() const;
    // A copy of the project with what the form shows stored in it (fields not yet applied
    // included): what the studies and the windows that follow the project compute. Nothing
    // when the project cannot be copied.
    std::unique_ptr<KslDoc> ProjectAsShown() const;
    // The text of the info box shown for a layer.
    static QString LayerInfoText(const NMaterialLayer& layer);
    // The info box while the mouse button is held on a layer, else null.
    const graphics::NShpRectangle* InfoBox() const { return infoShape_; }
    QRect DrawingSquare() const { return square_; }
    int ColumnIncrement() const { return columnIncrement_; }

signals:
    void layersRequested();
    void ambianceListRequested(Side side);
    // A field or a list of the form was changed by the user (or while loading the document).
    void formEdited();
    // A change made by the user (never while loading): the name of what changed, and a key
    // shared by the successive changes of one field (0 for a list), for the edit history.
    void userEdited(const QString& what, int mergeKey);
    // Calculation mode locks the "Données" menu.
    void calculationModeChanged(bool calculation);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void BuildControls();
    void BuildFaceControls();
    void BuildWallControls();
    void BuildReadouts();
    void BuildRunPanel();
    void ConnectControls();
    void SetHelpTopics();
    void DoLayout();
    void FieldChanged(const char* what, int mergeKey);
    void ApplyButtons();
    void RefreshResults();
    void CloseTracer();
    void UpdateChartMapping();
    void RebuildWallDrawing();

    KslDoc& doc_;
    Prompter& prompter_;
    bool calculationMode_ = false;
    bool loading_ = false;
    int columnIncrement_ = 0;
    QRect square_;

    QGroupBox* exteriorBox_ = nullptr;
    QGroupBox* wallBox_ = nullptr;
    QGroupBox* interiorBox_ = nullptr;
    std::array<QLabel*, 4> boxLabels_ {};
    std::array<QLabel*, 4> boxUnits_ {};
    QLabel* exteriorAmbianceLabel_ = nullptr;
    QLabel* interiorAmbianceLabel_ = nullptr;
    QLabel* azimuthLabel_ = nullptr;
    QLabel* inclinationLabel_ = nullptr;
    NumberEdit* absorptionExterior_ = nullptr;
    NumberEdit* resistanceExterior_ = nullptr;
    NumberEdit* absorptionInterior_ = nullptr;
    NumberEdit* resistanceInterior_ = nullptr;
    QComboBox* exteriorAmbiance_ = nullptr;
    QComboBox* interiorAmbiance_ = nullptr;
    QComboBox* azimuth_ = nullptr;
    QComboBox* inclination_ = nullptr;
    QComboBox* initialTemperature_ = nullptr;
    QPushButton* layersButton_ = nullptr;

    // Read-outs: label, value, unit for each row of the two result columns.
    struct Readout {
        QLabel* label;
        ReadoutLabel* value;
        QLabel* unit;
    };
    std::array<Readout, 6> exteriorReadouts_ {};
    std::array<Readout, 4> interiorReadouts_ {};

    QGroupBox* panel_ = nullptr;
    QGroupBox* runBox_ = nullptr;
    QPushButton* modeButton_ = nullptr;
    QPushButton* runButton_ = nullptr;
    QPushButton* stepButton_ = nullptr;
    QPushButton* stopButton_ = nullptr;
    QPushButton* tracerButton_ = nullptr;

    CalculationRunner* runner_ = nullptr;
    QPointer<FluxDensityWindow> tracer_;
    std::unique_ptr<graphics::CWallDrawing> wall_;
    std::unique_ptr<graphics::ProfileChart> chart_;
    std::unique_ptr<graphics::NShpRectangle> infoBox_;
    graphics::NShpRectangle* infoShape_ = nullptr; // owned by the wall drawing while shown
    const graphics::NShape* hitShape_ = nullptr;
};

} // namespace quelvan::ui
