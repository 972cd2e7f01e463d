// Points of the moisture check and the names of the places where water may gather.
#include "engine/moisture/MoistureGrid.h"

#include <algorithm>
#include <cmath>

namespace quelvan::moisture {

namespace {

constexpr int kMaxSubLayers = 4000;

int SubLayerCount(const MoistureLayer& layer, double cutKelvin, double maxDifferenceK, double rt)
{
    if (cutKelvin <= 0.0 || rt <= 0.0)
        return 1;
    const double span = layer.resistance / rt * maxDifferenceK;
    return std::clamp(static_cast<int>(std::ceil(span / cutKelvin - 1e-9)), 1, kMaxSubLayers);
}

void AddPoint(MoistureGrid& g, double x, double s, double r, int place, bool isInterface)
{
    g.x.push_back(x);
    g.s.push_back(s);
    g.r.push_back(r);
    g.place.push_back(place);
    g.isInterface.push_back(isInterface);
}

} // namespace

double MoistureWall::TotalResistance() const
{
    double r = rse + rsi;
    for (const MoistureLayer& layer : layers)
        r += layer.resistance;
    return r;
}

double MoistureWall::TotalSd() const
{
    double s = 0.0;
    for (const MoistureLayer& layer : layers)
        s += layer.sd;
    return s;
}

MoistureGrid BuildGrid(const MoistureWall& wall, double cutKelvin, double maxDifferenceK)
{
    MoistureGrid g;
    g.totalResistance = wall.TotalResistance();
    double x = 0.0;
    double s = 0.0;
    double r = wall.rse;
    AddPoint(g, x, s, r, -1, true);
    const std::size_t n = wall.layers.size();
    for (std::size_t k = 0; k < n; ++k) {
        const MoistureLayer& layer = wall.layers[k];
        const int cuts = SubLayerCount(layer, cutKelvin, maxDifferenceK, g.totalResistance);
        int inside = -1;
        if (cuts > 1) {
            g.places.push_back("dans la couche " + std::to_string(k + 1) + " (" + layer.name + ")");
            inside = static_cast<int>(g.places.size()) - 1;
        }
        for (int c = 1; c <= cuts; ++c) {
            const double share = static_cast<double>(c) / cuts;
            const bool last = c == cuts;
            const double xc = x + share * layer.thicknessM;
            const double sc = s + share * layer.sd;
            const double rc = r + share * layer.resistance;
            if (!last) {
                AddPoint(g, xc, sc, rc, inside, false);
            } else if (k + 1 < n) {
                g.places.push_back(layer.name + " | " + wall.layers[k + 1].name);
                AddPoint(g, xc, sc, rc, static_cast<int>(g.places.size()) - 1, true);
            } else {
                AddPoint(g, xc, sc, rc, -1, true);
            }
        }
        x += layer.thicknessM;
        s += layer.sd;
        r += layer.resistance;
    }
    return g;
}

} // namespace quelvan::moisture
