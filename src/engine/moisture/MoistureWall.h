#pragma once

// The wall as the moisture check reads it: per layer the thermal resistance and the vapour
// resistance s_d, from the exterior face to the interior face.
#include <optional>
#include <string>
#include <vector>

namespace quelvan {
class KslDoc;
}

namespace quelvan::moisture {

struct MoistureLayer {
    std::string name; // the material's
    double thicknessM = 0.0;
    double resistance = 0.0; // m²·K/W
    double sd = 0.0; // m
};

struct MoistureWall {
    std::vector<MoistureLayer> layers; // exterior first
    double rse = 0.04;
    double rsi = 0.13;

    double TotalResistance() const;
    double TotalSd() const;
};

// The project's wall with each material's vapour resistance. A wall the calculation's check
// refuses, or a material without μ or s_d, gives nothing and the French message naming what to
// mend in *error.
std::optional<MoistureWall> MoistureWallFromProject(const KslDoc& doc, std::string* error);

} // namespace quelvan::moisture
