#pragma once

#include "model/CMaterial.h"
#include "model/NMaterialLayer.h"
#include "ui/RecordListAdapter.h"

namespace quelvan::ui {

// "Matériaux": the material library, reordered and edited in the material dialog. A row shows
// the colour, the name, the three properties as typed and the derived diffusivity and
// effusivity. "Dupliquer" adds a material of the user's own, which can be deleted again unless
// a layer of the wall is made of it.
class MaterialListAdapter final : public RecordListAdapter<CMaterial> {
public:
    MaterialListAdapter(NList<CMaterial>& materials, const NList<NMaterialLayer>& layers);

    void Preview(ProjectState& state, const std::vector<int>& keysInOrder) const override;

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
    const NList<NMaterialLayer>& layers_;
};

} // namespace quelvan::ui
