#pragma once

#include <optional>
#include <vector>

namespace quelvan {

template <typename T> class NList;
class NMaterialLayer;
struct SurfaceTexts;
struct WallCheck;

// The wall in SI units and double precision, as the fine mode and the dynamic characteristics
// read it (the hourly run reads the project's texts itself).

// One homogeneous layer.
struct SiLayer {
    double thickness = 0.0; // m
    double conductivity = 0.0; // λ, W/(m.K)
    double density = 0.0; // ρ, kg/m³
    double heatCapacity = 0.0; // c, J/(kg.K)
};

// A wall between two airs: its layers from the exterior face to the interior face and the
// surface resistances of both faces (m².K/W).
struct SiWall {
    std::vector<SiLayer> layers;
    double resistanceExterior = 0.0; // R_se
    double resistanceInterior = 0.0; // R_si
};

// The project's wall, once it has passed the wall check that the calculation applies: the
// layers in wall order (thickness typed in millimetres, converted to metres; λ, ρ and c of the
// material) and the two surface resistances, all read the way the engine reads them
// (FloatValue). A wall the check refuses gives nothing; the check's verdict, with its message,
// goes to verdict when given.
std::optional<SiWall> SiWallFromProject(const NList<NMaterialLayer>& layers,
    const SurfaceTexts& surfaces, WallCheck* verdict = nullptr);

} // namespace quelvan
