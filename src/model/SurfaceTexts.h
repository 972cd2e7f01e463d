#pragma once

#include <string>

namespace quelvan {

// The absorption coefficient and the surface resistance (m².K/W) of each face of the wall, kept
// as typed and read where they are used. The initial values are those of a new project.
struct SurfaceTexts {
    std::string absorptionExterior = "0.4";
    std::string resistanceExterior = "0.04";
    std::string absorptionInterior = "0.4";
    std::string resistanceInterior = "0.13";

    friend bool operator==(const SurfaceTexts&, const SurfaceTexts&) = default;
};

} // namespace quelvan
