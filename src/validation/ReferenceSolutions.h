#pragma once

#include "engine/DynamicCharacteristics.h"

#include <complex>
#include <span>
#include <vector>

// Closed-form solutions of heat conduction that the engine's results are checked against, and
// the measure of a periodic series. None of them uses the engine's own discretisation.
namespace quelvan::validation {

// e^{x²} erfc(x) for x >= 0, finite for any x (0 at infinity).
double ScaledErfc(double x);

// Temperature (°C) at a depth (m) in a semi-infinite body of the given material, initially at
// `initial`, whose face exchanges with an air at `air` from time 0 through the coefficient
// `exchange` (W/(m².K); infinity imposes the face temperature):
//     (T − T0) / (Ta − T0) = erfc(ξ) − e^{Hx + H²αt} erfc(ξ + H√(αt)),
// ξ = x / (2√(αt)), α = λ / (ρc), H = h / λ (the body heated from its face through a surface
// coefficient). At t <= 0 the body is at `initial`.
double SemiInfiniteStepTemperature(
    double depth, double seconds, const SiLayer& body, double exchange, double initial, double air);

// The same body when the air rises linearly from `initial` to `air` over the first rampSeconds
// and then stays: the step solution averaged over the delays of the ramp,
// (1/τ) ∫₀^τ T_step(x, t − s) ds, by Simpson's rule on 200 intervals.
double SemiInfiniteRampTemperature(double depth, double seconds, double rampSeconds,
    const SiLayer& body, double exchange, double initial, double air);

// Surface flux densities (W/m²) at whole hours of a homogeneous slab whose two faces take
// imposed temperatures (both surface resistances 0), given at hours 0, 1, ... and linear in
// between, starting from the steady state of hour 0. Signs as the hourly series: the exterior
// flux leaves the wall (λ ∂T/∂x at the exterior face), the interior one enters it (λ ∂T/∂x at
// the interior face). Closed form: the straight profile between the faces, the quasi-steady
// profile that constant slopes of the face temperatures add to it (a cubic), and the sine
// modes of the slab, each relaxing exactly from one hour's quasi-steady value to the next.
struct FaceFluxes {
    std::vector<double> exterior;
    std::vector<double> interior;
};
FaceFluxes ImposedFacesSlabFluxes(const SiLayer& slab, std::span<const double> exteriorFace,
    std::span<const double> interiorFace);

// Heat (J/m², 0 at 0 °C) held by layers (from the exterior face) whose temperature is piecewise
// linear between nodes at the given positions (m from the exterior face, increasing):
// ∫ ρ c T dx, each piece taking the material of the layer its middle lies in.
double HeldHeat(const std::vector<SiLayer>& layers, std::span<const float> positions,
    std::span<const float> temperatures);

// Steady temperatures through a wall between two airs, by series resistances: the exterior
// face, each interface between layers, then the interior face (layers + 1 values).
std::vector<double> SeriesResistanceTemperatures(
    const SiWall& wall, double exteriorAir, double interiorAir);

// Heat (J/m²) that a sinusoidal flux of amplitude `amplitude` (W/m²) carries in one direction
// over one period of `periodHours`: the integral of its positive half, amplitude × P / π.
double HalfPeriodHeat(double amplitude, double periodHours);

// The harmonic of one period of a series sampled at equal intervals: c = (2/n) Σ s_k e^{2πik/n}
// over the n samples of exactly one period. |c| is the amplitude of the fundamental and the
// fundamental peaks arg(c) / 2π periods after the first sample.
std::complex<double> FundamentalHarmonic(std::span<const double> onePeriod);

// Phase lag (hours in [0, P)) of a response harmonic behind a driving one.
double LagHours(std::complex<double> drive, std::complex<double> response, double periodHours);

} // namespace quelvan::validation
