#pragma once

// What the Glaser diagram of one month shows, computed from the check's results: the layers
// along the axis (their vapour resistance s_d, or their thickness), the saturation pressure
// through the wall (with points inside each layer, where it is curved), the partial pressure at
// the faces and the interfaces, and the places that condense with their amounts. No drawing:
// the graphics library draws it, the tests read it.
#include "engine/moisture/MoistureCheck.h"

#include <string>
#include <vector>

namespace quelvan::moisture {

enum class DiagramAxis { Sd, Thickness };

struct DiagramLayer {
    std::string name;
    double from = 0.0; // along the axis, m (s_d or thickness)
    double to = 0.0;
};

struct DiagramPoint {
    double x = 0.0; // along the axis, m
    double thetaC = 0.0;
    double psatPa = 0.0;
    double pPa = 0.0;
};

// An interface that condenses or holds water this month, and what it gathered (+) or dried (−)
// during the month and holds at its end.
struct DiagramCondensation {
    int point = 0; // index into DiagramData::points
    std::string location;
    double netGPerM2 = 0.0;
    double heldGPerM2 = 0.0;
};

struct DiagramData {
    int month = 1;
    DiagramAxis axis = DiagramAxis::Sd;
    std::vector<DiagramLayer> layers; // exterior first
    std::vector<DiagramPoint> points; // the faces and the layers' interfaces
    std::vector<DiagramPoint> saturation; // psat through the wall, finer than the points
    std::vector<DiagramCondensation> condensing;
    double axisLength = 0.0; // S_T or the wall's thickness, m
};

// The month the diagram opens on: the month holding the most water when the wall condenses,
// else the mould check's critical month, else January.
int CriticalMonth(const CondensationResult& condensation, const MouldResult& mould);

// The diagram of the month (1 to 12) of a year of the check on that wall (without sub-layers).
DiagramData DiagramOf(
    const MoistureWall& wall, const CondensationResult& condensation, int month, DiagramAxis axis);

} // namespace quelvan::moisture
