#include "validation/ReferenceSolutions.h"

#include "core/Units.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quelvan::validation {

double ScaledErfc(double x)
{
    // Below 25, e^{x²} (< e^625) and erfc(x) (> 1e-274) are both within the range of a double.
    if (x < 25.0)
        return std::exp(x * x) * std::erfc(x);
    // Asymptotic series 1 − 1/(2x²) + 3/(4x⁴) − 15/(8x⁶) + 105/(16x⁸), relative error below
    // 1e-12 from x = 25.
    const double r = 1.0 / (x * x);
    const double series = 1.0 + r * (-0.5 + r * (0.75 + r * (-1.875 + r * 6.5625)));
    return series / (x * std::sqrt(std::numbers::pi));
}

double SemiInfiniteStepTemperature(
    double depth, double seconds, const SiLayer& body, double exchange, double initial, double air)
{
    if (seconds <= 0.0)
        return initial;
    const double alpha = body.conductivity / (body.density * body.heatCapacity);
    const double diffusionLength = std::sqrt(alpha * seconds);
    const double xi = depth / (2 * diffusionLength);
    // e^{Hx + H²αt} erfc(b) with b = ξ + H√(αt) equals e^{−ξ²} e^{b²} erfc(b).
    const double b = xi + exchange / body.conductivity * diffusionLength;
    const double ratio = std::erfc(xi) - std::exp(-xi * xi) * ScaledErfc(b);
    return initial + (air - initial) * ratio;
}

double SemiInfiniteRampTemperature(double depth, double seconds, double rampSeconds,
    const SiLayer& body, double exchange, double initial, double air)
{
    constexpr int kIntervals = 200; // even
    const double h = rampSeconds / kIntervals;
    double sum = 0.0;
    for (int k = 0; k <= kIntervals; ++k) {
        const double weight = k == 0 || k == kIntervals ? 1.0 : (k % 2 == 1 ? 4.0 : 2.0);
        sum += weight
            * SemiInfiniteStepTemperature(depth, seconds - k * h, body, exchange, initial, air);
    }
    return sum * h / 3.0 / rampSeconds;
}

FaceFluxes ImposedFacesSlabFluxes(
    const SiLayer& slab, std::span<const double> exteriorFace, std::span<const double> interiorFace)
{
    constexpr double kHour = units::kSecondsPerHour;
    const double length = slab.thickness;
    const double alpha = slab.conductivity / (slab.density * slab.heatCapacity);
    // Modes that relax by e^-200 or more within an hour sit at their quasi-steady value at every
    // whole hour: only the slower ones are followed.
    const auto decay = [&](int n) { return alpha * std::pow(n * std::numbers::pi / length, 2); };
    int modes = 1;
    while (decay(modes) * kHour < 200.0 && modes < 100000)
        ++modes;
    std::vector<double> amplitude(static_cast<std::size_t>(modes) + 1, 0.0);
    FaceFluxes q;
    const std::size_t hours = std::min(exteriorFace.size(), interiorFace.size());
    for (std::size_t h = 0; h < hours; ++h) {
        const double f = exteriorFace[h];
        const double g = interiorFace[h];
        // Slopes (K/s) of the hour that ends here; none before hour 0, the steady start.
        const double sf = h > 0 ? (f - exteriorFace[h - 1]) / kHour : 0.0;
        const double sg = h > 0 ? (g - interiorFace[h - 1]) / kHour : 0.0;
        // T = f (1 - x/L) + g x/L + w(x) + Σ (a_n - w_n) sin(k_n x), α w'' = sf (1 - x/L) + sg x/L.
        double exteriorGradient = (g - f) / length - length * (2 * sf + sg) / (6 * alpha);
        double interiorGradient = (g - f) / length + length * (sf + 2 * sg) / (6 * alpha);
        for (int n = 1; n <= modes && h > 0; ++n) {
            const double k = n * std::numbers::pi / length;
            const double odd = n % 2 == 1 ? 1.0 : -1.0;
            const double steady = -2.0 / (n * std::numbers::pi) * (sf + odd * sg) / decay(n);
            double& a = amplitude[static_cast<std::size_t>(n)];
            a = steady + (a - steady) * std::exp(-decay(n) * kHour);
            exteriorGradient += (a - steady) * k;
            interiorGradient -= (a - steady) * k * odd;
        }
        q.exterior.push_back(slab.conductivity * exteriorGradient);
        q.interior.push_back(slab.conductivity * interiorGradient);
    }
    return q;
}

double HeldHeat(const std::vector<SiLayer>& layers, std::span<const float> positions,
    std::span<const float> temperatures)
{
    double heat = 0.0;
    for (std::size_t j = 0;
         !layers.empty() && j + 1 < std::min(positions.size(), temperatures.size()); ++j) {
        const double middle = (static_cast<double>(positions[j]) + positions[j + 1]) / 2;
        double end = 0.0;
        std::size_t k = 0;
        while (k + 1 < layers.size() && (end += layers[k].thickness) < middle)
            ++k;
        const double width = static_cast<double>(positions[j + 1]) - positions[j];
        heat += layers[k].density * layers[k].heatCapacity * width
            * (static_cast<double>(temperatures[j]) + temperatures[j + 1]) / 2;
    }
    return heat;
}

std::vector<double> SeriesResistanceTemperatures(
    const SiWall& wall, double exteriorAir, double interiorAir)
{
    double total = wall.resistanceExterior + wall.resistanceInterior;
    for (const SiLayer& l : wall.layers)
        total += l.thickness / l.conductivity;
    const double flux = (interiorAir - exteriorAir) / total; // toward the exterior
    std::vector<double> temperatures { exteriorAir + flux * wall.resistanceExterior };
    for (const SiLayer& l : wall.layers)
        temperatures.push_back(temperatures.back() + flux * l.thickness / l.conductivity);
    return temperatures;
}

double HalfPeriodHeat(double amplitude, double periodHours)
{
    return amplitude * periodHours * units::kSecondsPerHour / std::numbers::pi;
}

std::complex<double> FundamentalHarmonic(std::span<const double> onePeriod)
{
    const auto n = static_cast<double>(onePeriod.size());
    std::complex<double> sum;
    for (std::size_t k = 0; k < onePeriod.size(); ++k)
        sum += onePeriod[k] * std::polar(1.0, 2 * std::numbers::pi * static_cast<double>(k) / n);
    return onePeriod.empty() ? sum : sum * (2.0 / n);
}

double LagHours(std::complex<double> drive, std::complex<double> response, double periodHours)
{
    const double lag = (std::arg(response) - std::arg(drive)) / (2 * std::numbers::pi);
    const double wrapped = lag - std::floor(lag);
    return (wrapped >= 1.0 ? 0.0 : wrapped) * periodHours;
}

} // namespace quelvan::validation
