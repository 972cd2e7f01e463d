#pragma once

#include "model/CBCData.h"
#include "model/WeatherStation.h"
#include "ui/lists/RecordListAdapter.h"

namespace quelvan::ui {

// "Ambiances Extérieures" / "Ambiances Intérieures": one side's ambiances, reordered and edited
// in the ambiance dialog, whose computed-flux preview needs the wall's azimuth and inclination.
// A row shows the name, then for the temperature and for the flux the type icon, the period and
// the two values ("---" where the type has no range). "Dupliquer" adds an ambiance of the
// user's own, which can be deleted again unless it is the one chosen for the side.
class AmbianceListAdapter final : public RecordListAdapter<CBCData> {
public:
    // selectedIndex: the side's chosen ambiance (identifier - 4001); stations: the project's
    // imported weather stations, which the ambiance dialog offers beside the cities.
    AmbianceListAdapter(NList<CBCData>& ambiances, Side side, int azimuthDegrees,
        int inclinationDegrees, int selectedIndex, const NList<WeatherStation>* stations = nullptr);

    void Preview(ProjectState& state, const std::vector<int>& keysInOrder) const override;

protected:
    void Fill(graphics::NGridTable& grid, int row, const CBCData& ambiance) const override;
    std::unique_ptr<CBCData> RunEditor(
        const CBCData& shown, Prompter& prompter, QWidget* parent) const override;
    void Assign(CBCData& stored, const CBCData& edited) const override
    {
        stored.AssignFrom(edited);
    }
    // "Copie de <nom>", the lowest free index of the side after the built-in ones.
    std::unique_ptr<CBCData> CopyOf(const CBCData& shown) const override;
    std::optional<QString> Refusal(const CBCData& ambiance) const override;

private:
    Side side_;
    int azimuth_;
    int inclination_;
    int selected_;
    const NList<WeatherStation>* stations_;
};

} // namespace quelvan::ui
