#pragma once

#include "model/CMaterial.h"
#include "ui/RecordListAdapter.h"

namespace quelvan::ui {

// "Matériaux": the material library, reordered and edited in the material dialog. A row shows
// the colour, the name, the three properties as typed and the derived diffusivity and
// effusivity.
class MaterialListAdapter final : public RecordListAdapter<CMaterial> {
public:
    explicit MaterialListAdapter(NList<CMaterial>& materials);

protected:
    void Fill(graphics::NGridTable& grid, int row, const CMaterial& material) const override;
    std::unique_ptr<CMaterial> RunEditor(
        const CMaterial& shown, Prompter& prompter, QWidget* parent) const override;
    // The stored material keeps its identifier.
    void Assign(CMaterial& stored, const CMaterial& edited) const override
    {
        stored.AssignFrom(edited);
    }
};

} // namespace quelvan::ui
