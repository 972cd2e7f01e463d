// The saturation pressure of the monthly method and the humidity classes.
#include "engine/moisture/Psychrometrics.h"

#include <algorithm>
#include <cmath>

namespace quelvan::moisture {

namespace {

constexpr double kTriplePressure = 610.5; // Pa at 0 °C, on both branches
constexpr double kKelvin = 273.15;

struct MagnusBranch {
    double a;
    double b;
};
constexpr MagnusBranch kOverWater { 17.269, 237.3 };
constexpr MagnusBranch kOverIce { 21.875, 265.5 };

} // namespace

double SaturationPressure(double thetaC)
{
    const MagnusBranch m = thetaC >= 0.0 ? kOverWater : kOverIce;
    return kTriplePressure * std::exp(m.a * thetaC / (m.b + thetaC));
}

double SaturationTemperature(double pressurePa)
{
    const MagnusBranch m = pressurePa >= kTriplePressure ? kOverWater : kOverIce;
    const double l = std::log(pressurePa / kTriplePressure);
    return m.b * l / (m.a - l);
}

double ClassVapourExcess(int humidityClass, double exteriorC)
{
    const double atZero = 2.0 * std::clamp(humidityClass, 1, 5);
    return atZero * std::clamp(1.0 - exteriorC / 20.0, 0.0, 1.0);
}

double VapourPressureExcess(double excessGPerM3, double interiorC, double exteriorC)
{
    const double meanK = 0.5 * (interiorC + exteriorC) + kKelvin;
    return excessGPerM3 * 1e-3 * kVapourGasConstant * meanK;
}

} // namespace quelvan::moisture
