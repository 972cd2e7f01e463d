// EN ISO 13786 reciprocity between the two airs: a wall reversed together with its two surface
// resistances keeps |Y12| and swaps κ_int and κ_ext; reversed alone it keeps U. The references
// come from the standard's layer matrix in real functions (cosh ξ cos ξ ...), multiplied here,
// independently of the engine's complex hyperbolic form.
#include "engine/DynamicCharacteristics.h"
#include "engine/variants/VariantFigures.h"
#include "engine/variants/VariantSweep.h"

#include "engine/EngineTestSupport.h"
#include "model/KslDoc.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <complex>
#include <numbers>
#include <utility>
#include <vector>

namespace quelvan {
namespace {

using Complex = std::complex<double>;
using Matrix = std::array<Complex, 4>; // z11, z12, z21, z22
constexpr double kOmega = 2 * std::numbers::pi / 86400.0;

Matrix Times(const Matrix& a, const Matrix& b)
{
    return { a[0] * b[0] + a[1] * b[2], a[0] * b[1] + a[1] * b[3], a[2] * b[0] + a[3] * b[2],
        a[2] * b[1] + a[3] * b[3] };
}

// The layer matrix of EN ISO 13786 with ξ = d / δ, δ = √(λ P / (π ρ c)).
Matrix Layer(const SiLayer& l)
{
    const double delta = std::sqrt(2 * l.conductivity / (kOmega * l.density * l.heatCapacity));
    const double x = l.thickness / delta;
    const double sc = std::sinh(x) * std::cos(x), cs = std::cosh(x) * std::sin(x);
    const Complex diagonal(std::cosh(x) * std::cos(x), std::sinh(x) * std::sin(x));
    return { diagonal, -delta / (2 * l.conductivity) * Complex(sc + cs, cs - sc),
        -l.conductivity / delta * Complex(sc - cs, sc + cs), diagonal };
}

struct Reference {
    double y12, kappaInterior, kappaExterior; // W/(m².K), kJ/(m².K)
};

Reference Independent(const SiWall& wall)
{
    Matrix z { 1, -wall.resistanceExterior, 0, 1 };
    for (const SiLayer& layer : wall.layers)
        z = Times(Layer(layer), z);
    z = Times(Matrix { 1, -wall.resistanceInterior, 0, 1 }, z);
    return { std::abs(-1.0 / z[1]), std::abs((z[3] - 1.0) / z[1]) / kOmega / 1000,
        std::abs((z[0] - 1.0) / z[1]) / kOmega / 1000 };
}

SiWall Reversed(SiWall wall, bool swapSurfaces)
{
    std::reverse(wall.layers.begin(), wall.layers.end());
    if (swapSurfaces)
        std::swap(wall.resistanceExterior, wall.resistanceInterior);
    return wall;
}

void ExpectNear(double value, double reference)
{
    EXPECT_NEAR(value, reference, 1e-9 * std::fabs(reference));
}

TEST(WallReversal, ReciprocityHoldsAndTheEngineMeetsTheStandardsMatrices)
{
    const std::vector<SiWall> walls {
        { { { 0.2, 2, 2450, 1000 }, { 0.05, 0.041, 15, 1030 }, { 0.01, 0.43, 1050, 1000 } }, 0.04,
            0.13 },
        { { { 0.03, 0.15, 500, 1600 }, { 0.1, 0.039, 80, 1030 }, { 0.013, 0.25, 825, 1000 } }, 0.04,
            0.13 },
    };
    for (const SiWall& wall : walls) {
        const Reference forward = Independent(wall);
        const Reference backward = Independent(Reversed(wall, true));
        ExpectNear(backward.y12, forward.y12);
        ExpectNear(backward.kappaInterior, forward.kappaExterior);
        ExpectNear(backward.kappaExterior, forward.kappaInterior);

        const auto engine = ComputeDynamicCharacteristics(wall);
        const auto engineBackward = ComputeDynamicCharacteristics(Reversed(wall, true));
        const auto engineReversed = ComputeDynamicCharacteristics(Reversed(wall, false));
        ASSERT_TRUE(engine && engineBackward && engineReversed);
        ExpectNear(engine->y12, forward.y12);
        ExpectNear(engine->kappaInterior, forward.kappaInterior);
        ExpectNear(engine->kappaExterior, forward.kappaExterior);
        ExpectNear(engineBackward->y12, backward.y12);
        ExpectNear(engineBackward->kappaInterior, backward.kappaInterior);
        ExpectNear(engineBackward->kappaExterior, backward.kappaExterior);
        // The layers alone reversed: the same resistances in another order, another wave.
        ExpectNear(engineReversed->u, engine->u);
        EXPECT_GT(std::fabs(engineReversed->y12 - engine->y12), 1e-3 * engine->y12);
    }
}

} // namespace
} // namespace quelvan
