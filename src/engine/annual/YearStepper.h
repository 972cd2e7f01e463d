#pragma once

#include "engine/DynamicCharacteristics.h"
#include "engine/FineStepper.h"
#include "engine/annual/AnnualFigures.h"

#include <memory>
#include <vector>

namespace quelvan {
class ThermalNetwork;
}

namespace quelvan::annual {

// The wall advanced hour by hour through the year by one of the two methods: the fine mode's
// stepper, or the standard method's network and hourly implicit step. Boundary values are those
// at whole hours, joined by straight lines in the fine mode.
class YearStepper {
public:
    virtual ~YearStepper() = default;

    // The steady state under constant boundary values.
    virtual void SolveSteadyState(const FineBoundary& boundary) = 0;
    // Starts from these node temperatures (°C, NodeCount of them, from the exterior face).
    virtual void SetTemperatures(const std::vector<double>& temperatures) = 0;
    // One hour from its start's values to its end's; gives the heat that left the room through
    // the interior face during the hour and the heat that came back (convective and absorbed),
    // J/m², each summed over the method's own time integration.
    virtual HourHeat AdvanceHour(const FineBoundary& atStart, const FineBoundary& atEnd) = 0;

    virtual int NodeCount() const = 0;
    // Node temperatures, °C, from the exterior face.
    virtual std::vector<double> Temperatures() const = 0;
    virtual double ExteriorSurfaceTemperature() const = 0;
    virtual double InteriorSurfaceTemperature() const = 0;
    // The interior surface flux density now, absorbed flux included, positive from the room into
    // the wall (the results file's FSI), W/m².
    virtual double InteriorFlux(const FineBoundary& boundary) const = 0;
};

// The fine mode's stepper on the wall with these surface coefficients (those of a calculation:
// h = 1 / (R + 0.0000005), a). The wall must have passed the wall check; null when the
// stepper's matrices cannot be factored.
std::unique_ptr<YearStepper> MakeFineYearStepper(const SiWall& wall, const FineSurfaces& surfaces);
// The standard method on a built network: single precision, Jacobi sweeps certified by a direct
// solve, heat of an hour by the trapezoid of its ends' flux densities.
std::unique_ptr<YearStepper> MakeStandardYearStepper(const ThermalNetwork& network);

} // namespace quelvan::annual
