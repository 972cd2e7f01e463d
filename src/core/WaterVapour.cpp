#include "core/WaterVapour.h"

#include <cmath>

namespace quelvan {

namespace {

constexpr double kTriplePressure = 610.5; // Pa at 0 °C, on both branches

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

} // namespace quelvan
