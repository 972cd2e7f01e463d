#pragma once

#include "model/CBCData.h"
#include "ui/RecordListAdapter.h"

namespace quelvan::ui {

// "Ambiances Extérieures" / "Ambiances Intérieures": one side's ambiances, reordered and edited
// in the ambiance dialog, whose computed-flux preview needs the wall's azimuth and inclination.
// A row shows the name, then for the temperature and for the flux the type icon, the period and
// the two values ("---" where the type has no range).
class AmbianceListAdapter final : public RecordListAdapter<CBCData> {
public:
    AmbianceListAdapter(
        NList<CBCData>& ambiances, Side side, int azimuthDegrees, int inclinationDegrees);

protected:
    void Fill(graphics::NGridTable& grid, int row, const CBCData& ambiance) const override;
    std::unique_ptr<CBCData> RunEditor(
        const CBCData& shown, Prompter& prompter, QWidget* parent) const override;
    void Assign(CBCData& stored, const CBCData& edited) const override
    {
        stored.AssignFrom(edited);
    }

private:
    int azimuth_;
    int inclination_;
};

} // namespace quelvan::ui
