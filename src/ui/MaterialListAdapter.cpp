#include "ui/MaterialListAdapter.h"

#include "graphics/NGridTable.h"
#include "model/CMaterial.h"
#include "model/OwnRecords.h"
#include "model/ProjectState.h"
#include "ui/MaterialDialog.h"
#include "ui/QtStrings.h"

#include <array>

namespace quelvan::ui {

namespace {
constexpr std::array<ListColumn, 7> kColumns { {
    { "Couleur", 60 },
    { "Nom", 270 },
    { kMaterialValueHeaders[0], 80 },
    { kMaterialValueHeaders[1], 80 },
    { kMaterialValueHeaders[2], 80 },
    { kMaterialValueHeaders[3], 80 },
    { kMaterialValueHeaders[4], 80 },
} };
} // namespace

MaterialListAdapter::MaterialListAdapter(
    NList<CMaterial>& materials, const NList<NMaterialLayer>& layers)
    : RecordListAdapter(
        { ListKind::Materials, QStringLiteral("Matériaux"), kColumns, kMaxListRecords }, materials)
    , layers_(layers)
{
    for (CMaterial& material : materials)
        Keep(material);
}

void MaterialListAdapter::Fill(graphics::NGridTable& grid, int row, const CMaterial& material) const
{
    graphics::GridCell& swatch = grid.Cell(row, 0);
    swatch.type = graphics::CellKind::ColourSwatch;
    swatch.colour = material.GetColour();
    grid.SetText(row, 1, material.Name());
    grid.SetText(row, 2, material.Conductivity());
    grid.SetText(row, 3, material.Density());
    grid.SetText(row, 4, material.Capacity());
    const MaterialDerivedTexts derived
        = DerivedTexts(material.Conductivity(), material.Density(), material.Capacity());
    grid.SetText(row, 5, derived.diffusivity);
    grid.SetText(row, 6, derived.effusivity);
}

std::unique_ptr<CMaterial> MaterialListAdapter::RunEditor(
    const CMaterial& shown, Prompter& prompter, QWidget* parent) const
{
    MaterialDialog dialog(shown, parent);
    return RunEditingDialog(dialog, prompter);
}

std::unique_ptr<CMaterial> MaterialListAdapter::CopyOf(const CMaterial& shown) const
{
    std::vector<int> used;
    std::vector<Colour> colours;
    for (const CMaterial* material : RowRecords()) {
        used.push_back(material->LibraryIndex());
        colours.push_back(material->GetColour());
    }
    auto copy = std::make_unique<CMaterial>(shown);
    copy->SetName(CopyName(shown.Name()));
    copy->SetColour(CopyColour(colours));
    copy->SetIdentifier(CMaterial::kIdentifierBase + FreeIndex(used, kBuiltInMaterialCount));
    return copy;
}

void MaterialListAdapter::Preview(ProjectState& state, const std::vector<int>& keysInOrder) const
{
    const auto records = PreviewRecords(keysInOrder);
    state.materials.clear();
    for (const auto& record : records)
        state.materials.push_back(record.first);
    // The layers keep their materials, wherever the list put them.
    state.layers.clear();
    for (const NMaterialLayer& layer : layers_) {
        int position = -1;
        for (size_t i = 0; i < records.size() && layer.Material() != nullptr; ++i)
            if (records[i].second == layer.Material())
                position = static_cast<int>(i);
        state.layers.push_back({ position, layer.Thickness() });
    }
}

std::optional<QString> MaterialListAdapter::Refusal(const CMaterial& material) const
{
    const std::optional<std::string> why = MaterialDeletionRefusal(material, layers_);
    return why ? std::optional(ToQ(*why)) : std::nullopt;
}

} // namespace quelvan::ui
