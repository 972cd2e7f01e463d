#pragma once

// The points of the moisture check through the wall: the two faces, the interfaces of the
// layers and, with the fine option, the boundaries of the sub-layers cut inside each layer.
#include "engine/moisture/MoistureWall.h"

#include <string>
#include <vector>

namespace quelvan::moisture {

struct MoistureGrid {
    std::vector<double> x; // m from the exterior face
    std::vector<double> s; // cumulative s_d from the exterior face, m
    std::vector<double> r; // cumulative thermal resistance from the exterior air (R_se included)
    std::vector<int> place; // index into places of each point (-1 for the faces)
    std::vector<bool> isInterface; // a face or an interface of two layers
    std::vector<std::string> places; // "A | B" or "dans la couche k (A)", exterior first
    double totalResistance = 0.0; // R_se + ΣR + R_si
};

// One sub-layer per layer, or with cutKelvin > 0 as many as needed for no sub-layer to span
// more than cutKelvin under the temperature difference maxDifferenceK (at most 4000 per layer).
MoistureGrid BuildGrid(const MoistureWall& wall, double cutKelvin, double maxDifferenceK);

} // namespace quelvan::moisture
