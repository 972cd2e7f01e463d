// The closed-form references against hand values (tables of erfc, hand-summed resistances).
#include "validation/ReferenceSolutions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace quelvan::validation {
namespace {

TEST(ReferenceSolutions, ScaledErfcOnBothSidesOfTheAsymptoticSeries)
{
    // e^{x²} erfc(x) to 30 digits: 1, 0.42758357615..., then across the switch at 25.
    EXPECT_DOUBLE_EQ(ScaledErfc(0), 1.0);
    EXPECT_NEAR(ScaledErfc(1), 0.427583576155807, 1e-14);
    EXPECT_NEAR(ScaledErfc(24.9), 0.0226399877760483, 1e-13);
    EXPECT_NEAR(ScaledErfc(25), 0.0225495724326414, 1e-14);
    EXPECT_NEAR(ScaledErfc(100), 0.00564161378298943, 1e-15);
    EXPECT_EQ(ScaledErfc(INFINITY), 0.0);
}

TEST(ReferenceSolutions, SemiInfiniteBodyWithImposedFaceAndThroughASurfaceCoefficient)
{
    // α = 1e-6 m²/s, t = 1e4 s: √(αt) = 0.1 m. From 0 °C toward 20 °C.
    const SiLayer body { 1.0, 1.0, 1000, 1000 };
    // Face imposed: 20 erfc(0.5) at 0.1 m.
    EXPECT_NEAR(SemiInfiniteStepTemperature(0.1, 1e4, body, INFINITY, 0, 20), 9.59000244, 1e-7);
    // h = 10 W/(m².K): h√(αt)/λ = 1, the face at 20 (1 − e erfc(1)).
    EXPECT_NEAR(SemiInfiniteStepTemperature(0, 1e4, body, 10, 0, 20), 11.44832848, 1e-7);
    EXPECT_EQ(SemiInfiniteStepTemperature(0.1, 0, body, 10, 3, 20), 3.0);
}

TEST(ReferenceSolutions, LinearRiseOfAnImposedFaceMatchesTheIteratedErfc)
{
    // A face rising by r per second from t = 0 gives 4 r t i²erfc(ξ); a rise stopped at τ is
    // that minus the same delayed by τ. i²erfc(z) = ((1 + 2z²) erfc z − 2z e^{−z²} / √π) / 4.
    const SiLayer body { 1.0, 1.0, 1000, 1000 }; // α = 1e-6 m²/s
    auto rising = [](double x, double t) {
        const double z = x / (2 * std::sqrt(1e-6 * t));
        return t
            * ((1 + 2 * z * z) * std::erfc(z)
                - 2 * z * std::exp(-z * z) / std::sqrt(std::numbers::pi));
    };
    const double tau = 1e4;
    const double exact = 20 / tau * (rising(0.1, 2e4) - rising(0.1, 2e4 - tau));
    EXPECT_NEAR(SemiInfiniteRampTemperature(0.1, 2e4, tau, body, INFINITY, 0, 20), exact, 1e-6);
}

TEST(ReferenceSolutions, SlabBetweenImposedFacesGivesSteadyAndSemiInfiniteFluxes)
{
    // Constant faces: the steady flux λ ΔT / L through both faces.
    const SiLayer concrete { 0.2, 2, 2450, 1000 };
    const std::vector<double> cold(30, 5.0), warm(30, 20.0);
    const FaceFluxes steady = ImposedFacesSlabFluxes(concrete, cold, warm);
    for (std::size_t h = 0; h < 30; ++h) {
        EXPECT_NEAR(steady.exterior[h], 150.0, 1e-9);
        EXPECT_NEAR(steady.interior[h], 150.0, 1e-9);
    }
    // 3 m, the exterior face raised linearly from 0 to 20 °C over the first hour: while the far
    // face stays out of reach, the body is semi-infinite and the flux entering its face is
    // 2 λ ΔT (√t − √(t − τ)) / (τ √(π α)) (the step's λ ΔT / √(π α t) averaged over the rise).
    const SiLayer thick { 3.0, 2, 2450, 1000 };
    std::vector<double> face(73, 20.0);
    face[0] = 0.0;
    const FaceFluxes q = ImposedFacesSlabFluxes(thick, face, std::vector<double>(73, 0.0));
    const double alpha = 2.0 / 2450e3;
    for (const int h : { 1, 2, 6, 24, 72 }) {
        const double t = h * 3600.0;
        const double entering = 2 * 2.0 * 20 / (3600 * std::sqrt(std::numbers::pi * alpha))
            * (std::sqrt(t) - std::sqrt(t - 3600));
        EXPECT_NEAR(-q.exterior[static_cast<std::size_t>(h)], entering, 1e-6 * entering) << h;
        EXPECT_NEAR(q.interior[static_cast<std::size_t>(h)], 0.0, 0.01) << h; // 3 m away
    }
}

TEST(ReferenceSolutions, HeldHeatOfALinearProfileAcrossTwoLayers)
{
    // 0.1 m of ρc = 1e6 from 10 to 20 °C, 0.2 m of ρc = 2e6 from 20 to 0 °C (a node inside).
    const std::vector<SiLayer> layers { { 0.1, 1, 1000, 1000 }, { 0.2, 1, 1000, 2000 } };
    const std::vector<float> x { 0.0f, 0.1f, 0.2f, 0.3f };
    const std::vector<float> t { 10, 20, 10, 0 };
    EXPECT_NEAR(HeldHeat(layers, x, t), 1.5e6 + 4e6, 1.0);
}

TEST(ReferenceSolutions, SeriesResistancesOfATwoLayerWall)
{
    // R = 0.05 + 0.1/1 + 0.1/0.1 + 0.05 = 1.2; 12 K across: 10 W/m².
    const SiWall wall { { { 0.1, 1, 0, 0 }, { 0.1, 0.1, 0, 0 } }, 0.05, 0.05 };
    const std::vector<double> t = SeriesResistanceTemperatures(wall, 0, 12);
    ASSERT_EQ(t.size(), 3u);
    EXPECT_NEAR(t[0], 0.5, 1e-12);
    EXPECT_NEAR(t[1], 1.5, 1e-12);
    EXPECT_NEAR(t[2], 11.5, 1e-12);
}

TEST(ReferenceSolutions, HarmonicAmplitudeLagAndHalfPeriodHeat)
{
    std::vector<double> drive, response;
    for (int k = 0; k < 24; ++k) {
        drive.push_back(std::cos(2 * std::numbers::pi * k / 24));
        response.push_back(3 + 2 * std::cos(2 * std::numbers::pi * (k - 5.5) / 24));
    }
    EXPECT_NEAR(std::abs(FundamentalHarmonic(response)), 2.0, 1e-12);
    EXPECT_NEAR(
        LagHours(FundamentalHarmonic(drive), FundamentalHarmonic(response), 24), 5.5, 1e-12);
    EXPECT_NEAR(
        LagHours(FundamentalHarmonic(response), FundamentalHarmonic(drive), 24), 18.5, 1e-12);
    // 2 W/m² over 24 h: 2 × 86400 / π J/m² in each direction.
    EXPECT_NEAR(HalfPeriodHeat(2, 24), 55003.948, 1e-3);
}

} // namespace
} // namespace quelvan::validation
