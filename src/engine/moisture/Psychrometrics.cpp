// The humidity classes of the monthly method.
#include "engine/moisture/Psychrometrics.h"

#include <algorithm>
#include <cmath>

namespace quelvan::moisture {

namespace {

constexpr double kKelvin = 273.15;

} // namespace

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
