// The Glaser diagram's data of one month from the results of the check.
#include "engine/moisture/GlaserDiagram.h"

#include "engine/moisture/Psychrometrics.h"

#include <algorithm>

namespace quelvan::moisture {

namespace {

// Points of the saturation curve inside each layer: the temperature is linear in the
// thickness within a layer, the saturation pressure is not.
constexpr int kSaturationSteps = 16;

const MonthResult* MonthOf(const CondensationResult& condensation, int month)
{
    const auto found = std::find_if(condensation.months.begin(), condensation.months.end(),
        [month](const MonthResult& m) { return m.month == month; });
    return found != condensation.months.end() ? &*found : nullptr;
}

void AddSaturation(DiagramData& data)
{
    for (std::size_t k = 0; k + 1 < data.points.size(); ++k) {
        const DiagramPoint& a = data.points[k];
        const DiagramPoint& b = data.points[k + 1];
        for (int step = 0; step < kSaturationSteps; ++step) {
            const double t = static_cast<double>(step) / kSaturationSteps;
            const double theta = a.thetaC + t * (b.thetaC - a.thetaC);
            data.saturation.push_back(
                { a.x + t * (b.x - a.x), theta, SaturationPressure(theta), 0.0 });
        }
    }
    if (!data.points.empty())
        data.saturation.push_back(data.points.back());
}

// Each interface that holds or exchanges water takes the first unused entry of its place.
void AddCondensing(DiagramData& data, const MonthResult& month)
{
    std::vector<bool> used(month.condensation.size(), false);
    for (std::size_t j = 1; j < data.layers.size(); ++j) {
        const std::string place = data.layers[j - 1].name + " | " + data.layers[j].name;
        for (std::size_t c = 0; c < month.condensation.size(); ++c) {
            const LocationWater& w = month.condensation[c];
            if (used[c] || w.location != place)
                continue;
            used[c] = true;
            data.condensing.push_back(
                { static_cast<int>(j), w.location, w.netGPerM2, w.heldGPerM2 });
            break;
        }
    }
}

} // namespace

int CriticalMonth(const CondensationResult& condensation, const MouldResult& mould)
{
    if (condensation.maxMonth > 0)
        return condensation.maxMonth;
    if (mould.criticalMonth > 0)
        return mould.criticalMonth;
    return 1;
}

DiagramData DiagramOf(
    const MoistureWall& wall, const CondensationResult& condensation, int month, DiagramAxis axis)
{
    DiagramData data;
    data.month = month;
    data.axis = axis;
    double along = 0.0;
    for (const MoistureLayer& layer : wall.layers) {
        const double width = axis == DiagramAxis::Sd ? layer.sd : layer.thicknessM;
        data.layers.push_back({ layer.name, along, along + width });
        along += width;
    }
    data.axisLength = along;
    const MonthResult* result = MonthOf(condensation, month);
    if (result == nullptr || result->interfaces.size() != wall.layers.size() + 1)
        return data;
    for (std::size_t j = 0; j < result->interfaces.size(); ++j) {
        const InterfaceState& i = result->interfaces[j];
        const double x = j == 0 ? 0.0 : data.layers[j - 1].to;
        data.points.push_back({ x, i.thetaC, i.psatPa, i.pPa });
    }
    AddSaturation(data);
    AddCondensing(data, *result);
    return data;
}

} // namespace quelvan::moisture
