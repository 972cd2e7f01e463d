#pragma once

#include "engine/CalculationInputs.h"

#include <string>
#include <vector>

namespace quelvan {

// The finest step of a surface flux that the standard method can show, W/m²: it forms
// h (T_s − T_air) from single-precision temperatures, which at the run's temperatures T lie
// u(T) apart (the spacing of floats: 2^-18 K = 3.8e-6 K from 32 to 64 °C), so the flux moves
// by h u(T) at least, h = 1 / (R + 0.0000005). T is the largest temperature the selected
// ambiances give (their typed temperatures; 50 °C for a weather file), and at least 32 °C.
struct SurfaceFluxSteps {
    double exterior = 0.0;
    double interior = 0.0;
};
SurfaceFluxSteps StandardSurfaceFluxSteps(const CalculationInputs& inputs);

// Above this step single precision does not resolve a surface: the accuracy asked of every
// surface flux of the fine mode.
inline constexpr double kResolvedSurfaceFlux = 0.1; // W/m²

// One French warning for each face whose step exceeds kResolvedSurfaceFlux in the standard
// mode, naming the surface resistance and advising the fine mode; none in the fine mode. The
// step is no bound of the error: the sweeps' own error, times h, adds to it and the week's
// energies sum it hour after hour (hundreds of W/m² on a thin conducting face), so the warning
// states none: "Attention : avec la résistance superficielle extérieure « 0 », les flux de
// surface de la méthode standard (simple précision) et les énergies qui les cumulent ne sont
// pas fiables pour cette paroi : le calcul fin est conseillé".
std::vector<std::string> SurfacePrecisionWarnings(const CalculationInputs& inputs);

} // namespace quelvan
