#pragma once

#include "model/CMaterial.h"
#include "model/MaterialCatalogue.h"
#include "model/MaterialVapour.h"
#include "model/NMaterialLayer.h"
#include "ui/lists/RecordListAdapter.h"

namespace quelvan::ui {

// "Matériaux": the material library, reordered and edited in the material dialog. A row shows
// the colour, the name, the three properties as typed and the derived diffusivity and
// effusivity, then μ (or s_d). "Dupliquer" adds a material of the user's own, which can be
// deleted again unless a layer of the wall is made of it. The vapour data the user gave a
// material (μ or s_d) are edited in the same dialog and go with the material: kept in the
// list's order of records, dropped with a deleted material, copied with a duplicated one.
class MaterialListAdapter final : public RecordListAdapter<CMaterial> {
public:
    MaterialListAdapter(NList<CMaterial>& materials, const NList<NMaterialLayer>& layers,
        NList<MaterialVapour>& vapour);

    void Preview(ProjectState& state, const std::vector<int>& keysInOrder) const override;
    void Apply(const std::vector<int>& keysInOrder) override;
    // "Catalogue...": a material of the catalogue added as one of the user's own.
    void AddEditCommands(QMenu& edit, RecordListDlg& dialog) override;
    // Adds the entry as a new material of the user's own with its vapour data; its key.
    int AddFromCatalogue(const CatalogueEntry& entry);

protected:
    void Fill(graphics::NGridTable& grid, int row, const CMaterial& material) const override;
    std::unique_ptr<CMaterial> RunEditor(
        const CMaterial& shown, Prompter& prompter, QWidget* parent) const override;
    // The stored material keeps its identifier.
    void Assign(CMaterial& stored, const CMaterial& edited) const override
    {
        stored.AssignFrom(edited);
    }
    // "Copie de <nom>", the lowest free library index from 19 on, the same properties and colour.
    std::unique_ptr<CMaterial> CopyOf(const CMaterial& shown) const override;
    std::optional<QString> Refusal(const CMaterial& material) const override;

private:
    std::optional<int> RunCatalogue(Prompter& prompter, QWidget* parent);
    // The lowest free library index from 19 on and a colour apart from the others'.
    std::pair<int, Colour> NewIdentity() const;
    // The vapour records as the dialog leaves them, for the materials of these library indices.
    std::vector<MaterialVapour> VapourFor(const std::vector<int>& libraryIndices) const;
    void SetVapour(int libraryIndex, const std::string& mu, const std::string& sd) const;

    const NList<NMaterialLayer>& layers_;
    NList<MaterialVapour>& vapourList_;
    // The user's vapour data by library index, in the project's order, new ones last; changed
    // by the editing dialog and "Dupliquer" (which the list's interface declares const).
    mutable std::vector<MaterialVapour> vapour_;
};

} // namespace quelvan::ui
