#pragma once

#include "model/CMaterial.h"
#include "model/NMaterialLayer.h"
#include "model/WallCheck.h"
#include "ui/lists/RecordListAdapter.h"

namespace quelvan::ui {

// "Couches": the wall's layers, from the exterior face, edited in the layer dialog with the
// library's materials. Rows can be added (at most seven layers) and deleted, and "Associer
// Matériau" gives the selected layer another material: first the materials that conduct more
// than 0.09 W/m.K, then, after a separator, the insulants, each group in library order and
// however many the library holds. A row shows its number, the material, the thickness and the
// layer's resistance.
class LayerListAdapter final : public RecordListAdapter<NMaterialLayer> {
public:
    static constexpr int kMaxLayers = kMaxLayerCount;

    LayerListAdapter(NList<NMaterialLayer>& layers, const NList<CMaterial>& library);

    void AddEditCommands(QMenu& edit, RecordListDlg& dialog) override;

    // Gives the dialog's selected layer that material of the library, as the menu does.
    void AssociateMaterial(RecordListDlg& dialog, const CMaterial& material);
    void Preview(ProjectState& state, const std::vector<int>& keysInOrder) const override;

protected:
    void Fill(graphics::NGridTable& grid, int row, const NMaterialLayer& layer) const override;
    std::unique_ptr<NMaterialLayer> RunEditor(
        const NMaterialLayer& shown, Prompter& prompter, QWidget* parent) const override;
    void Assign(NMaterialLayer& stored, const NMaterialLayer& edited) const override
    {
        stored = edited;
    }
    // 100 mm of the library's first built-in material (3001, "Béton lourd").
    std::unique_ptr<NMaterialLayer> NewRecord() const override;

private:
    const CMaterial* FindMaterial(int identifier) const;

    const NList<CMaterial>& library_;
};

} // namespace quelvan::ui
