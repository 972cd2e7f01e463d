#include "ui/lists/LayerListAdapter.h"

#include "core/NumberText.h"
#include "graphics/NGridTable.h"
#include "graphics/QtStrings.h"
#include "model/ProjectState.h"
#include "ui/lists/RecordListDlg.h"
#include "ui/records/LayerDialog.h"
#include "ui/records/ResistanceText.h"

#include <QMenu>

#include <array>

namespace quelvan::ui {

namespace {
constexpr std::array<ListColumn, 4> kColumns { {
    { "Couche", 72, true },
    { "Matériau", 300 },
    { "Epaisseur\n(mm)", 100 },
    { "Résistance\n(m².K/W)", 100 },
} };

constexpr float kInsulantLimit = 0.09f; // W/m.K: at or below, a material is an insulant
constexpr const char* kNewLayerThickness = "100";
// The commands that only the menus show.
constexpr const char* kHint = "Double-clic : modifier la couche. Menu Edition ou clic droit : "
                              "Ajouter, Supprimer, Associer Matériau.";

bool IsInsulant(const CMaterial& material)
{
    // Compared in single precision, as read, so that "0.09" is an insulant.
    return !(FloatValue(material.Conductivity()) > kInsulantLimit);
}
} // namespace

LayerListAdapter::LayerListAdapter(NList<NMaterialLayer>& layers, const NList<CMaterial>& library)
    : RecordListAdapter(
        { ListKind::Layers, QStringLiteral("Couches"), kColumns, kMaxLayers, ToQ(kHint) }, layers)
    , library_(library)
{
    for (NMaterialLayer& layer : layers)
        Keep(layer);
}

void LayerListAdapter::Fill(graphics::NGridTable& grid, int row, const NMaterialLayer& layer) const
{
    grid.SetText(row, 1, layer.Material() ? layer.Material()->Name() : std::string());
    grid.SetText(row, 2, layer.Thickness());
    grid.SetText(row, 3, FromQ(LayerResistanceText(layer)));
}

std::unique_ptr<NMaterialLayer> LayerListAdapter::RunEditor(
    const NMaterialLayer& shown, Prompter& prompter, QWidget* parent) const
{
    LayerDialog dialog(shown, library_, parent);
    return RunEditingDialog(dialog, prompter);
}

std::unique_ptr<NMaterialLayer> LayerListAdapter::NewRecord() const
{
    return std::make_unique<NMaterialLayer>(
        FindMaterial(CMaterial::kIdentifierBase), kNewLayerThickness);
}

const CMaterial* LayerListAdapter::FindMaterial(int identifier) const
{
    const CMaterial* found = nullptr;
    for (const CMaterial& material : library_)
        if (material.Identifier() == identifier)
            found = &material;
    return found;
}

void LayerListAdapter::AddEditCommands(QMenu& edit, RecordListDlg& dialog)
{
    QMenu* menu = edit.addMenu(QStringLiteral("Associer &Matériau"));
    // Each entry carries the material itself: the library may outgrow the 20 command
    // identifiers 3001 to 3020, and its identifier is kept as the entry's data.
    auto add = [this, menu, &dialog](const CMaterial& material) {
        QAction* action = menu->addAction(ToQ(material.Name()));
        action->setData(material.Identifier());
        QObject::connect(action, &QAction::triggered, &dialog,
            [this, &dialog, &material] { AssociateMaterial(dialog, material); });
    };
    for (const CMaterial& material : library_)
        if (!IsInsulant(material))
            add(material);
    menu->addSeparator();
    for (const CMaterial& material : library_)
        if (IsInsulant(material))
            add(material);
}

void LayerListAdapter::AssociateMaterial(RecordListDlg& dialog, const CMaterial& material)
{
    const std::optional<int> key = dialog.SelectedKey();
    if (!key)
        return;
    const CMaterial* chosen = &material;
    Modify(*key, [chosen](NMaterialLayer& layer) { layer.SetMaterial(chosen); });
    dialog.RefillRow(*key);
    dialog.NoteChange(QStringLiteral("Associer Matériau"));
}

void LayerListAdapter::Preview(ProjectState& state, const std::vector<int>& keysInOrder) const
{
    state.layers.clear();
    for (const auto& record : PreviewRecords(keysInOrder))
        state.layers.push_back(
            { library_.IndexOf(record.first.Material()), record.first.Thickness() });
}

} // namespace quelvan::ui
