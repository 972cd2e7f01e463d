#include "ui/lists/AmbianceListAdapter.h"

#include "core/Angles.h"
#include "graphics/AmbianceIcons.h"
#include "graphics/NGridTable.h"
#include "graphics/QtStrings.h"
#include "model/OwnRecords.h"
#include "model/ProjectState.h"
#include "ui/records/AmbianceDialog.h"

#include <array>

namespace quelvan::ui {

namespace {
constexpr std::array<ListColumn, 9> kColumns { {
    { "Nom", 320 },
    { "", 90 },
    { "Période", 68 },
    { "T min\n(°C)", 52 },
    { "T max\n(°C)", 52 },
    { "", 90 },
    { "Période", 68 },
    { "F min\n(W/m²)", 52 },
    { "F max\n(W/m²)", 52 },
} };

// The first of the four columns of each profile: icon, period, value 1, value 2.
constexpr int FirstColumn(Component component)
{
    return component == Component::Temperature ? 1 : 5;
}
} // namespace

AmbianceListAdapter::AmbianceListAdapter(NList<CBCData>& ambiances, Side side, int azimuthDegrees,
    int inclinationDegrees, int selectedIndex, const NList<WeatherStation>* stations)
    : RecordListAdapter(
        { ListKind::Ambiances, ToQ(Describe(side).listTitle), kColumns, kMaxListRecords },
        ambiances)
    , side_(side)
    , azimuth_(azimuthDegrees)
    , inclination_(inclinationDegrees)
    , selected_(selectedIndex)
    , stations_(stations)
{
    // Records of the other side (none in a well-formed list) are not shown and stay after.
    for (CBCData& ambiance : ambiances)
        if (ambiance.side == side)
            Keep(ambiance);
}

void AmbianceListAdapter::Fill(graphics::NGridTable& grid, int row, const CBCData& ambiance) const
{
    grid.SetText(row, 0, ambiance.Name());
    for (const Component component : kComponents) {
        const ProfileData& profile = ambiance.Profile(component);
        const int column = FirstColumn(component);
        graphics::GridCell& icon = grid.Cell(row, column);
        icon.type = graphics::CellKind::Bitmap;
        icon.bitmap = graphics::AmbianceIcons::Icon(profile.type);
        grid.SetText(row, column + 1, PeriodName(profile.period));
        const bool shown = TextsOf(profile.type, component).listShowsValues;
        grid.SetText(row, column + 2, shown ? profile.values[0] : "---");
        grid.SetText(row, column + 3, shown ? profile.values[1] : "---");
    }
}

std::unique_ptr<CBCData> AmbianceListAdapter::RunEditor(
    const CBCData& shown, Prompter& prompter, QWidget* parent) const
{
    AmbianceDialog dialog(
        shown, DegreesToRadians(azimuth_), DegreesToRadians(inclination_), parent, stations_);
    return RunEditingDialog(dialog, prompter);
}

std::unique_ptr<CBCData> AmbianceListAdapter::CopyOf(const CBCData& shown) const
{
    // The chosen index is never given to a copy, even when no record has it yet.
    std::vector<int> used { selected_ };
    for (const CBCData* ambiance : RowRecords())
        used.push_back(ambiance->Index());
    auto copy = std::make_unique<CBCData>(shown);
    copy->SetName(CopyName(shown.Name()));
    copy->SetIdentifier(kAmbianceIdentifierBase + FreeIndex(used, BuiltInAmbianceCount(side_)));
    return copy;
}

std::optional<QString> AmbianceListAdapter::Refusal(const CBCData& ambiance) const
{
    const std::optional<std::string> why = AmbianceDeletionRefusal(ambiance, selected_);
    return why ? std::optional(ToQ(*why)) : std::nullopt;
}

void AmbianceListAdapter::Preview(ProjectState& state, const std::vector<int>& keysInOrder) const
{
    std::vector<CBCData>& ambiances = state.Ambiances(side_);
    ambiances.clear();
    for (auto& record : PreviewRecords(keysInOrder))
        ambiances.push_back(std::move(record.first));
}

} // namespace quelvan::ui
