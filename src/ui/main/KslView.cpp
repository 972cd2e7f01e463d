#include "ui/main/KslView.h"

#include "core/PhysicalBounds.h"
#include "engine/variants/VariantStudy.h"
#include "graphics/CWallDrawing.h"
#include "graphics/NShpRectangle.h"
#include "graphics/ProfileChart.h"
#include "graphics/QtStrings.h"
#include "model/AmbianceCheck.h"
#include "model/KslDoc.h"
#include "model/WallCheck.h"
#include "model/WallTables.h"
#include "pacing/RunState.h"
#include "ui/main/CalculationModeSetting.h"
#include "ui/main/CalculationRunner.h"
#include "ui/main/FluxDensityWindow.h"
#include "ui/main/ReadoutLabel.h"
#include "ui/records/ResistanceText.h"
#include "ui/shell/HelpSupport.h"
#include "ui/shell/WindowPlacement.h"
#include "ui/widgets/ControlNames.h"
#include "ui/widgets/ElidedComboBox.h"
#include "ui/widgets/FieldStyle.h"
#include "ui/widgets/NumberEdit.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace quelvan::ui {

namespace {
constexpr int kFieldLength = 5;

// The mode of the list's entry; no entry counts as automatic.
InitialTemperature InitialTemperatureOf(const QComboBox* list)
{
    return InitialTemperatureFromCode(list->currentIndex()).value_or(InitialTemperature::Automatic);
}

QLabel* PlainLabel(const char* text, QWidget* parent)
{
    auto* label = new QLabel(ToQ(text), parent);
    label->setAutoFillBackground(true);
    return label;
}
} // namespace

KslView::KslView(KslDoc& doc, Prompter& prompter, QWidget* parent)
    : QWidget(parent)
    , doc_(doc)
    , prompter_(prompter)
    , runner_(new CalculationRunner(doc, prompter, this))
    , wall_(std::make_unique<graphics::CWallDrawing>(&doc))
    , chart_(std::make_unique<graphics::ProfileChart>())
{
    setObjectName(QStringLiteral("kslView"));
    BuildControls();
    runner_->SetInputsProvider([this] { return InputsFromControls(); });
    connect(runner_, &CalculationRunner::buttonsChanged, this, &KslView::ApplyButtons);
    connect(runner_, &CalculationRunner::resultsChanged, this, &KslView::RefreshResults);
    ApplyButtons();
    LoadControls();
    SetCalculationMode(false);
}

// The tracer window is a child of the view and goes with it.
KslView::~KslView() = default;

// Widgets are made in the order of the form.
void KslView::BuildControls()
{
    BuildFaceControls();
    BuildWallControls();
    BuildReadouts();
    BuildRunPanel();
    ConnectControls();
    SetHelpTopics();
    // Tab follows the form's columns: the exterior face, the wall, the interior face, then the
    // run panel (the creation order would go across the faces first).
    const std::array<QWidget*, 15> order { absorptionExterior_, resistanceExterior_,
        exteriorAmbiance_, azimuth_, inclination_, layersButton_, initialTemperature_,
        absorptionInterior_, resistanceInterior_, interiorAmbiance_, modeButton_, runButton_,
        stepButton_, stopButton_, tracerButton_ };
    for (size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void KslView::BuildFaceControls()
{
    exteriorBox_ = Named(new QGroupBox(ToQ(Describe(Side::Exterior).faceName), this), 1079);
    wallBox_
        = Named(new QGroupBox(QStringLiteral("Paroi   (Repérage / Face extérieure)"), this), 1081);
    interiorBox_ = Named(new QGroupBox(ToQ(Describe(Side::Interior).faceName), this), 1080);

    absorptionExterior_ = Named(new NumberEdit(EditKind::Real, kFieldLength, exteriorBox_), 1003);
    resistanceExterior_ = Named(new NumberEdit(EditKind::Real, kFieldLength, exteriorBox_), 1002);
    absorptionInterior_
        = Named(new NumberEdit(EditKind::UnitReal, kFieldLength, interiorBox_), 1001);
    resistanceInterior_ = Named(new NumberEdit(EditKind::Real, kFieldLength, interiorBox_), 1052);
    for (NumberEdit* absorption : { absorptionExterior_, absorptionInterior_ })
        absorption->SetBounds(&bounds::kAbsorption);
    for (NumberEdit* resistance : { resistanceExterior_, resistanceInterior_ })
        resistance->SetBounds(&bounds::kSurfaceResistance);
    const std::array<QGroupBox*, 4> owners { exteriorBox_, exteriorBox_, interiorBox_,
        interiorBox_ };
    for (size_t i = 0; i < 4; ++i) {
        boxLabels_[i] = new QLabel(
            i % 2 == 0 ? QStringLiteral("Coeff. d'absorption") : QStringLiteral("Résistance"),
            owners[i]);
        boxUnits_[i]
            = new QLabel(i % 2 == 0 ? QStringLiteral("--") : QStringLiteral("m².K/W"), owners[i]);
    }
    exteriorAmbianceLabel_ = new QLabel(QStringLiteral("Ambiance Extérieure"), exteriorBox_);
    interiorAmbianceLabel_ = new QLabel(QStringLiteral("Ambiance Intérieure"), interiorBox_);
    // Long ambiance names are cut with "…" and read whole in the tooltip and the open list.
    exteriorAmbiance_ = Named(new ElidedComboBox(exteriorBox_), 1007);
    interiorAmbiance_ = Named(new ElidedComboBox(interiorBox_), 1009);
}

void KslView::BuildWallControls()
{
    azimuthLabel_ = new QLabel(QStringLiteral("Azimut"), wallBox_);
    inclinationLabel_ = new QLabel(QStringLiteral("Inclinaison"), wallBox_);
    azimuth_ = Named(new QComboBox(wallBox_), 1033);
    inclination_ = Named(new QComboBox(wallBox_), 1034);
    layersButton_ = Named(new QPushButton(QStringLiteral("Affichage des couches"), wallBox_), 1055);
    // Its second entry is longer than the list at the smallest window: elided, not cut.
    initialTemperature_ = Named(new ElidedComboBox(wallBox_), 1011);
    for (const AngleEntry& entry : kAzimuths)
        azimuth_->addItem(ToQ(entry.label));
    for (const AngleEntry& entry : kInclinations)
        inclination_->addItem(ToQ(entry.label));
    // The list holds the modes in code order: its index is the mode's code.
    for (const InitialTemperatureInfo& mode : kInitialTemperatures)
        initialTemperature_->addItem(ToQ(mode.label));
    for (QComboBox* list :
        { exteriorAmbiance_, interiorAmbiance_, azimuth_, inclination_, initialTemperature_ })
        ApplyListColours(list, true);
}

void KslView::BuildReadouts()
{
    struct Row {
        int labelId, valueId, unitId;
        const char* label;
        const char* unit;
    };
    const std::array<Row, 6> exterior { {
        { 1039, 1087, 1040, "Flux", "W/m²" },
        { 1106, 1091, 1107, "Température", "°C" },
        { 1046, 1095, 1047, "F surface", "W/m²" },
        { 1111, 1094, 1044, "Energie", "MJ/m²" },
        { 1108, 1089, 0, "Jour", "" },
        { 1109, 1092, 0, "Heure", "" },
    } };
    const std::array<Row, 4> interior { {
        { 1038, 1088, 1041, "Flux", "W/m²" },
        { 1105, 1090, 1042, "Température", "°C" },
        { 1045, 1096, 1048, "F surface", "W/m²" },
        { 1110, 1093, 1043, "Energie", "MJ/m²" },
    } };
    auto make = [this](const Row& row) {
        Readout r { Named(PlainLabel(row.label, this), row.labelId),
            Named(new ReadoutLabel(this), row.valueId), PlainLabel(row.unit, this) };
        if (row.unitId != 0)
            Named(r.unit, row.unitId);
        return r;
    };
    for (size_t i = 0; i < exterior.size(); ++i)
        exteriorReadouts_[i] = make(exterior[i]);
    for (size_t i = 0; i < interior.size(); ++i)
        interiorReadouts_[i] = make(interior[i]);
}

void KslView::BuildRunPanel()
{
    panel_ = Named(new QGroupBox(this), 1085);
    modeButton_ = Named(new QPushButton(ToQ(ModeButtonText(false)), this), 1058);
    runBox_ = Named(new QGroupBox(QStringLiteral("Calcul"), this), 1086);
    runButton_ = Named(new QPushButton(ToQ(kRunTextStart), this), 1075);
    stepButton_ = Named(new QPushButton(ToQ(kStepButtonText), this), 1073);
    stopButton_ = Named(new QPushButton(ToQ(kStopButtonText), this), 1077);
    tracerButton_ = Named(new QPushButton(ToQ(kTracerButtonText), this), 1078);
    panel_->setAutoFillBackground(true);
}

void KslView::ConnectControls()
{
    // What the edit history calls each change; the keystrokes of one field make one step.
    struct Field {
        NumberEdit* edit;
        int mergeKey; // the field's control number
        const char* what;
    };
    for (const Field& f : { Field { absorptionExterior_, 1003, "Coeff. d'absorption extérieur" },
             Field { resistanceExterior_, 1002, "Résistance extérieure" },
             Field { absorptionInterior_, 1001, "Coeff. d'absorption intérieur" },
             Field { resistanceInterior_, 1052, "Résistance intérieure" } })
        connect(f.edit, &NumberEdit::userChanged, this,
            [this, f] { FieldChanged(f.what, f.mergeKey); });
    struct List {
        QComboBox* list;
        const char* what;
    };
    for (const List& l : { List { exteriorAmbiance_, "Ambiance extérieure" },
             List { interiorAmbiance_, "Ambiance intérieure" }, List { azimuth_, "Azimut" },
             List { inclination_, "Inclinaison" },
             List { initialTemperature_, "Température initiale" } })
        connect(l.list, &QComboBox::currentIndexChanged, this,
            [this, what = l.what] { FieldChanged(what, 0); });
    connect(layersButton_, &QPushButton::clicked, this, &KslView::layersRequested);
    connect(modeButton_, &QPushButton::clicked, this,
        [this] { SetCalculationMode(!calculationMode_); });
    connect(runButton_, &QPushButton::clicked, runner_, &CalculationRunner::PressRun);
    connect(stepButton_, &QPushButton::clicked, runner_, &CalculationRunner::PressStep);
    connect(stopButton_, &QPushButton::clicked, runner_, &CalculationRunner::PressStop);
    connect(tracerButton_, &QPushButton::clicked, this, &KslView::ShowTracer);
}

void KslView::SetHelpTopics()
{
    auto* help = new HelpTopics(this, HelpTopic::Contents);
    help->Set(absorptionInterior_, HelpTopic::Absorption);
    help->Set(absorptionExterior_, HelpTopic::Absorption);
    help->Set(resistanceExterior_, HelpTopic::SurfaceResistance);
    help->Set(resistanceInterior_, HelpTopic::SurfaceResistance);
    help->Set(exteriorAmbiance_, HelpTopic::Ambiances);
    help->Set(interiorAmbiance_, HelpTopic::Ambiances);
    help->Set(azimuth_, HelpTopic::Azimuth);
    help->Set(inclination_, HelpTopic::Inclination);
    help->Set(initialTemperature_, HelpTopic::InitialTemperature);
}

void KslView::FieldChanged(const char* what, int mergeKey)
{
    if (!loading_)
        emit userEdited(ToQ(what), mergeKey);
    emit formEdited();
}

void KslView::UseWindowUndo(QAction* undo, QAction* redo)
{
    for (NumberEdit* edit :
        { absorptionExterior_, resistanceExterior_, absorptionInterior_, resistanceInterior_ })
        edit->UseWindowUndo(undo, redo);
}

QWidget* KslView::RefusedControl() const
{
    const FormValues form = FormValuesShown();
    const WallCheck wall = CheckWall(doc_.layers, form.surfaces);
    switch (wall.field) {
    case WallField::None:
        if (!wall.Passed())
            return layersButton_; // no layer, or too many
        break;
    case WallField::ResistanceExterior:
        return resistanceExterior_;
    case WallField::ResistanceInterior:
        return resistanceInterior_;
    case WallField::AbsorptionExterior:
        return absorptionExterior_;
    case WallField::AbsorptionInterior:
        return absorptionInterior_;
    default:
        return layersButton_; // a layer's material, thickness or property
    }
    for (const Side side : { Side::Exterior, Side::Interior }) {
        const bool exterior = side == Side::Exterior;
        const CalculationCheck check = CheckAmbiance(
            doc_.AmbianceNumbered(side, exterior ? form.selectedExterior : form.selectedInterior),
            side, form.surfaces);
        if (check.code == ErrorCode(AmbianceFault::BadAbsorption))
            return exterior ? absorptionExterior_ : absorptionInterior_;
        if (!check.Passed())
            return exterior ? exteriorAmbiance_ : interiorAmbiance_;
    }
    return nullptr;
}

void KslView::FillAmbianceList(Side side)
{
    QComboBox* list = side == Side::Exterior ? exteriorAmbiance_ : interiorAmbiance_;
    const int choice = side == Side::Exterior ? doc_.selectedExterior : doc_.selectedInterior;
    const QSignalBlocker block(list);
    list->clear();
    int selected = -1;
    for (const CBCData& ambiance : doc_.Ambiances(side)) {
        if (ambiance.side != side)
            continue;
        list->addItem(ToQ(ambiance.Name()), ambiance.Index());
        if (ambiance.Index() == choice)
            selected = list->count() - 1;
    }
    list->setCurrentIndex(selected);
}

void KslView::LoadControls()
{
    loading_ = true;
    absorptionExterior_->SetMaximumLength(kFieldLength);
    absorptionExterior_->LoadText(ToQ(doc_.surfaces.absorptionExterior));
    resistanceExterior_->LoadText(ToQ(doc_.surfaces.resistanceExterior));
    absorptionInterior_->LoadText(ToQ(doc_.surfaces.absorptionInterior));
    resistanceInterior_->LoadText(ToQ(doc_.surfaces.resistanceInterior));
    azimuth_->setCurrentIndex(doc_.azimuthIndex);
    inclination_->setCurrentIndex(doc_.inclinationIndex);
    initialTemperature_->setCurrentIndex(static_cast<int>(doc_.initialTemperatureMode));
    FillAmbianceList(Side::Exterior);
    FillAmbianceList(Side::Interior);
    doc_.controlsOutOfDate = false;
    loading_ = false;
}

FormValues KslView::FormValuesShown() const
{
    FormValues values;
    values.surfaces.absorptionInterior = FromQ(absorptionInterior_->text());
    values.surfaces.resistanceInterior = FromQ(resistanceInterior_->text());
    values.surfaces.absorptionExterior = FromQ(absorptionExterior_->text());
    values.surfaces.resistanceExterior = FromQ(resistanceExterior_->text());
    auto choice = [](const QComboBox* list) {
        return list->currentIndex() >= 0 ? list->currentData().toInt() : -1;
    };
    values.selectedExterior = choice(exteriorAmbiance_);
    values.selectedInterior = choice(interiorAmbiance_);
    values.azimuthIndex = azimuth_->currentIndex();
    values.inclinationIndex = inclination_->currentIndex();
    values.initialTemperatureMode = InitialTemperatureOf(initialTemperature_);
    return values;
}

void KslView::StoreControls()
{
    doc_.StoreFormValues(FormValuesShown());
}

std::unique_ptr<KslDoc> KslView::ProjectAsShown() const
{
    std::unique_ptr<KslDoc> project = variants::CopyProject(doc_);
    if (project)
        project->StoreFormValues(FormValuesShown());
    return project;
}

CalculationInputs KslView::InputsFromControls() const
{
    CalculationInputs inputs = InputsFor(doc_, FormValuesShown());
    inputs.mode = StoredCalculationMode(); // read at every preparation
    return inputs;
}

void KslView::DocumentChanged()
{
    if (doc_.controlsOutOfDate)
        LoadControls();
    if (calculationMode_)
        SetCalculationMode(false);
    RebuildWallDrawing();
    update();
}

void KslView::SetCalculationMode(bool calculation)
{
    const bool wasCalculation = calculationMode_;
    calculationMode_ = calculation;
    for (QWidget* input : std::initializer_list<QWidget*> { absorptionInterior_,
             resistanceExterior_, absorptionExterior_, exteriorAmbiance_, interiorAmbiance_,
             azimuth_, inclination_, resistanceInterior_, layersButton_ })
        input->setEnabled(!calculation);
    emit calculationModeChanged(calculation);
    if (calculation && !wasCalculation) {
        if (!runner_->EnterCalculation()) {
            // The refusal was shown; the value is corrected where it is typed.
            SetCalculationMode(false);
            if (QWidget* control = RefusedControl()) {
                control->setFocus(Qt::OtherFocusReason);
                if (auto* field = qobject_cast<NumberEdit*>(control))
                    field->selectAll();
            }
            return;
        }
        ShowTracer();
    } else if (!calculation) {
        CloseTracer();
        runner_->LeaveCalculation();
    }
    modeButton_->setText(ToQ(ModeButtonText(calculation)));
    for (const auto& r : exteriorReadouts_)
        for (QLabel* l : std::initializer_list<QLabel*> { r.label, r.value, r.unit })
            l->setVisible(calculation);
    for (const auto& r : interiorReadouts_)
        for (QLabel* l : std::initializer_list<QLabel*> { r.label, r.value, r.unit })
            l->setVisible(calculation);
    update();
}

void KslView::ApplyButtons()
{
    const RunButtons& b = runner_->Buttons();
    runButton_->setEnabled(b.runEnabled);
    stepButton_->setEnabled(b.stepEnabled);
    stopButton_->setEnabled(b.stopEnabled);
    tracerButton_->setEnabled(b.tracerEnabled);
    if (b.runText)
        runButton_->setText(ToQ(*b.runText));
}

FluxDensityWindow* KslView::Tracer() const
{
    return tracer_.data();
}

void KslView::ShowTracer()
{
    if (!tracer_) {
        tracer_ = new FluxDensityWindow(runner_->Engine().View(), this);
        connect(tracer_, &FluxDensityWindow::closed, this, &KslView::CloseTracer);
        // Beside the main window, never over its read-outs; then where the user left it.
        KeepPlace(*tracer_, QStringLiteral("DensitesDeFlux"), Placement::Beside);
    }
    tracer_->show();
    runner_->SetTracerShown(true);
}

void KslView::CloseTracer()
{
    if (tracer_)
        tracer_->deleteLater();
    tracer_.clear();
    runner_->SetTracerShown(false);
}

void KslView::RefreshResults()
{
    const RunView& run = runner_->Engine().View();
    const ReadoutTexts t = run.Readouts();
    const std::array<const std::string*, 6> exterior { &t.exteriorFlux, &t.exteriorTemperature,
        &t.exteriorSurfaceFlux, &t.exteriorEnergy, &t.day, &t.hour };
    const std::array<const std::string*, 4> interior { &t.interiorFlux, &t.interiorTemperature,
        &t.interiorSurfaceFlux, &t.interiorEnergy };
    for (size_t i = 0; i < exterior.size(); ++i)
        exteriorReadouts_[i].value->SetValue(ToQ(*exterior[i]));
    for (size_t i = 0; i < interior.size(); ++i)
        interiorReadouts_[i].value->SetValue(ToQ(*interior[i]));
    chart_->ShowRun(run);
    if (tracer_)
        tracer_->Refresh();
    update();
}

QString KslView::LayerInfoText(const NMaterialLayer& layer)
{
    const std::string conductivity = layer.Material() ? layer.Material()->Conductivity() : "";
    return QStringLiteral("C=") + ToQ(conductivity) + QStringLiteral(" W/m.K")
        + QStringLiteral(", R=") + LayerResistanceText(layer) + QStringLiteral(" m².K/W");
}

} // namespace quelvan::ui
