#pragma once

// The saturation pressure of water vapour (the Magnus form over water and over ice) and its
// inverse: read by the moisture check and by the weather files' humidity.
namespace quelvan {

// Saturation vapour pressure in Pa at θ in °C: over water from 0 °C up, over ice below.
double SaturationPressure(double thetaC);

// The temperature in °C at which the saturation pressure equals p (Pa > 0); the inverse of
// SaturationPressure on both branches.
double SaturationTemperature(double pressurePa);

} // namespace quelvan
