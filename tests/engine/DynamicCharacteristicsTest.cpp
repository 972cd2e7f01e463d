// The dynamic characteristics against references computed here: a finite-difference solve of
// the same wall in the frequency domain, the thin-wall and semi-infinite limits in closed form.
#include "engine/DynamicCharacteristics.h"
#include "ReferenceLayers.h"
#include "engine/SiWall.h"
#include "engine/TransferMatrix.h"
#include "model/WallCheck.h"

#include "model/KslDoc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <limits>
#include <numbers>
#include <vector>

namespace quelvan {
namespace {

using Complex = std::complex<double>;

using test::kConcrete;
using test::kGlassWool;
using test::kPlaster;
using test::kRockWool;
using test::kSteel;

double Omega(double periodSeconds = 86400)
{
    return 2 * std::numbers::pi / periodSeconds;
}

// Second method: 400 cells per layer, capacities lumped on the nodes, the complex tridiagonal
// system (iωC + K) θ = h θ_air solved by elimination. Returns the flux entering the wall
// through the exterior face and the flux leaving it into the room, for given air amplitudes.
struct Fluxes {
    Complex intoWallExterior;
    Complex intoRoom;
};
Fluxes SolveFiniteDifferences(const SiWall& wall, double omega, Complex airExt, Complex airInt)
{
    std::vector<double> k; // cell conductances; the off-diagonals are −k
    std::vector<Complex> diag(1, 1 / wall.resistanceExterior);
    for (const SiLayer& l : wall.layers) {
        const double dx = l.thickness / 400;
        const Complex half(l.conductivity / dx, omega * l.density * l.heatCapacity * dx / 2);
        for (int j = 0; j < 400; ++j) {
            k.push_back(l.conductivity / dx);
            diag.back() += half;
            diag.push_back(half);
        }
    }
    const size_t n = diag.size();
    diag[n - 1] += 1 / wall.resistanceInterior;
    std::vector<Complex> t(n, 0.0); // right-hand side, then temperatures
    t[0] = airExt / wall.resistanceExterior;
    t[n - 1] += airInt / wall.resistanceInterior;
    for (size_t i = 1; i < n; ++i) {
        diag[i] -= k[i - 1] * k[i - 1] / diag[i - 1];
        t[i] += k[i - 1] * t[i - 1] / diag[i - 1];
    }
    t[n - 1] /= diag[n - 1];
    for (size_t i = n - 1; i-- > 0;)
        t[i] = (t[i] + k[i] * t[i + 1]) / diag[i];
    return { (airExt - t[0]) / wall.resistanceExterior,
        (t[n - 1] - airInt) / wall.resistanceInterior };
}

// A lag or lead as hours in [0, P).
double Hours(double phase, double period = 24)
{
    return std::fmod(phase * period / (2 * std::numbers::pi) + 2 * period, period);
}

struct PeriodicCase {
    const char* name;
    SiWall wall;
    bool fromProject; // computed through the adapter on a new project's wall
    double periodHours;
    friend void PrintTo(const PeriodicCase& c, std::ostream* os) { *os << c.name; }
};

class AgainstFiniteDifferences : public ::testing::TestWithParam<PeriodicCase> { };

TEST_P(AgainstFiniteDifferences, EveryValueMatches)
{
    const PeriodicCase& c = GetParam();
    KslDoc doc;
    const auto v = ComputeDynamicCharacteristics(
        c.fromProject ? SiWallFromProject(doc.layers, doc.surfaces).value() : c.wall,
        c.periodHours);
    ASSERT_TRUE(v.has_value());
    const double w = Omega(c.periodHours * 3600);
    const double u = SolveFiniteDifferences(c.wall, 0.0, 1.0, 0.0).intoRoom.real();
    const Fluxes ext = SolveFiniteDifferences(c.wall, w, 1.0, 0.0);
    const Fluxes in = SolveFiniteDifferences(c.wall, w, 0.0, 1.0);
    const Complex yInt = -in.intoRoom; // the flux entering the wall from the room
    const auto near = [](double actual, double expected) {
        EXPECT_NEAR(actual, expected, 1e-3 * std::fabs(expected));
    };
    near(v->u, u);
    near(v->y12, std::abs(ext.intoRoom));
    near(v->decrement, std::abs(ext.intoRoom) / u);
    EXPECT_NEAR(v->shiftHours, Hours(-std::arg(ext.intoRoom), c.periodHours), 0.005);
    near(v->admittanceExterior, std::abs(ext.intoWallExterior));
    near(v->admittanceInterior, std::abs(yInt));
    EXPECT_NEAR(v->admittanceShiftExteriorHours,
        Hours(std::arg(ext.intoWallExterior), c.periodHours), 0.005);
    EXPECT_NEAR(v->admittanceShiftInteriorHours, Hours(std::arg(yInt), c.periodHours), 0.005);
    // Stored heat rate: what enters through one face minus what leaves through the other.
    near(v->kappaExterior, std::abs(ext.intoWallExterior - ext.intoRoom) / w / 1000);
    near(v->kappaInterior, std::abs(yInt + in.intoWallExterior) / w / 1000);
    double capacity = 0;
    for (const SiLayer& l : c.wall.layers)
        capacity += l.density * l.heatCapacity * l.thickness / 1000;
    near(v->heatCapacity, capacity);
    // The charts' wave: 10 K outside, peaking at hour 0.
    const PeriodicResponse r = ComputePeriodicResponse(*v, 24, 10.0);
    ASSERT_EQ(r.hours.size(), 25u);
    for (size_t j = 0; j < r.hours.size(); ++j) {
        const Complex wave = std::polar(10.0, 2 * std::numbers::pi * static_cast<double>(j) / 24);
        EXPECT_NEAR(r.hours[j], c.periodHours * static_cast<double>(j) / 24, 1e-12);
        EXPECT_NEAR(r.exteriorTemperature[j], wave.real(), 1e-12);
        EXPECT_NEAR(r.interiorFlux[j], (ext.intoRoom * wave).real(), 1e-2 * v->y12) << j;
    }
}
INSTANTIATE_TEST_SUITE_P(Walls, AgainstFiniteDifferences,
    ::testing::Values(PeriodicCase { "concrete", { { kConcrete }, 0.04, 0.13 }, false, 24 },
        PeriodicCase {
            "default wall", { { kConcrete, kGlassWool, kPlaster }, 0.04, 0.13 }, true, 24 },
        PeriodicCase {
            "steel sandwich, 48 h", { { kSteel, kRockWool, kSteel }, 0.04, 0.13 }, false, 48 }));

TEST(DynamicCharacteristics, PublishedFiguresOfConcreteAndTheSteelSandwich)
{
    const auto concrete = ComputeDynamicCharacteristics({ { kConcrete }, 0.04, 0.13 });
    const auto sandwich
        = ComputeDynamicCharacteristics({ { kSteel, kRockWool, kSteel }, 0.04, 0.13 });
    ASSERT_TRUE(concrete && sandwich);
    EXPECT_NEAR(concrete->u, 3.704, 0.0005);
    EXPECT_NEAR(concrete->y12, 1.922, 0.0005);
    EXPECT_NEAR(concrete->shiftHours, 5.55, 0.006);
    EXPECT_GT(sandwich->decrement, 0.95); // light: the wave passes almost undamped
    EXPECT_LT(sandwich->decrement, 1.0);
}

// As the layer thins, Z12 = −(R + iωτ) + O(ω²) with the lag
// τ = ρcd (R_se R_si + r (R_se + R_si) / 2 + r² / 6) / R, r = d/λ: f → 1 and shift → τ → 0.
TEST(DynamicCharacteristics, ThinLayerTendsToNoDampingAndNoShift)
{
    for (double d : { 1e-3, 1e-5, 1e-8 }) {
        const auto v = ComputeDynamicCharacteristics({ { { d, 2, 2450, 1000 } }, 0.04, 0.13 });
        ASSERT_TRUE(v.has_value()) << d;
        const double r = d / 2;
        const double tau = 2450e3 * d * (0.04 * 0.13 + r * 0.17 / 2 + r * r / 6) / (0.17 + r);
        EXPECT_NEAR(v->shiftHours, tau / 3600, 0.01 * tau / 3600) << d;
        EXPECT_GT(1 - v->decrement, -1e-15) << d;
        EXPECT_LT(1 - v->decrement, std::pow(Omega() * tau, 2) + 1e-15) << d;
    }
}

// A thick layer behaves as two semi-infinite bodies: Y = 1 / (R_s + 1/(λk)) on each face, and
// Y12 = −1/Z12 ≈ 2λk e^{−kd} / ((1 + R_se λk)(1 + R_si λk)), which underflows to 0 eventually.
TEST(DynamicCharacteristics, ThickLayerTendsToNoTransmissionAndStaysFinite)
{
    const Complex lambdaK = 2.0 * Complex(1, 1) * std::sqrt(Omega() * 2450e3 / (2 * 2.0));
    const Complex yExt = 1.0 / (0.04 + 1.0 / lambdaK);
    const Complex yInt = 1.0 / (0.13 + 1.0 / lambdaK);
    for (double d : { 5.0, 1000.0 }) {
        const auto v = ComputeDynamicCharacteristics({ { { d, 2, 2450, 1000 } }, 0.04, 0.13 });
        ASSERT_TRUE(v.has_value()) << d;
        EXPECT_NEAR(v->admittanceExterior, std::abs(yExt), 1e-9 * std::abs(yExt));
        EXPECT_NEAR(v->admittanceInterior, std::abs(yInt), 1e-9 * std::abs(yInt));
        EXPECT_NEAR(v->admittanceShiftExteriorHours, Hours(std::arg(yExt)), 1e-9);
        const double y12 = std::abs(2.0 * lambdaK * std::exp(-lambdaK / 2.0 * d)
            / ((1.0 + 0.04 * lambdaK) * (1.0 + 0.13 * lambdaK)));
        EXPECT_NEAR(v->y12, y12, 1e-9 * y12) << d;
        EXPECT_LT(v->decrement, 1e-12) << d;
    }
}

// The matrix is e^L z: det z = e^{-2L} (checked absolutely, so the cancellation of a thick
// layer's scaled entries does not hide anything above 1e-12).
TEST(TransferMatrix, LayerDeterminantIsOne)
{
    for (const SiLayer& l : { kConcrete, kGlassWool, kSteel, SiLayer { 1, 2, 2450, 1000 },
             SiLayer { 0.2, 2, 0, 1000 }, SiLayer { 1e-9, 2, 2450, 1000 } }) {
        const TransferMatrix z
            = LayerMatrix(l.thickness, l.conductivity, l.density * l.heatCapacity, Omega());
        EXPECT_NEAR(std::abs(z.ScaledDeterminant() - std::exp(-2 * z.logScale)), 0.0, 1e-12)
            << l.thickness << " m";
    }
}

TEST(DynamicCharacteristics, ReversingTheWallSwapsTheFaces)
{
    for (const std::vector<SiLayer>& layers :
        { std::vector { kConcrete, kGlassWool, kPlaster }, std::vector { kSteel, kRockWool } }) {
        const auto a = ComputeDynamicCharacteristics({ layers, 0.04, 0.13 });
        const auto b
            = ComputeDynamicCharacteristics({ { layers.rbegin(), layers.rend() }, 0.13, 0.04 });
        ASSERT_TRUE(a && b);
        const auto same = [](double x, double y) { EXPECT_NEAR(x, y, 1e-9 * std::fabs(y)); };
        same(b->y12, a->y12);
        same(b->shiftHours, a->shiftHours);
        same(b->admittanceInterior, a->admittanceExterior);
        same(b->admittanceExterior, a->admittanceInterior);
        same(b->kappaInterior, a->kappaExterior);
        same(b->kappaExterior, a->kappaInterior);
    }
}

TEST(DynamicCharacteristics, RefusesWallsItCannotCompute)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const SiWall& wall : { SiWall {}, SiWall { { { 0, 2, 2450, 1000 } } },
             SiWall { { { 0.2, 0, 2450, 1000 } } }, SiWall { { { 0.2, 2, -1, 1000 } } },
             SiWall { { { 0.2, 2, 2450, nan } } }, SiWall { { kConcrete }, -0.04, 0.13 } })
        EXPECT_FALSE(ComputeDynamicCharacteristics(wall).has_value());
    EXPECT_FALSE(ComputeDynamicCharacteristics({ { kConcrete } }, 0).has_value());
}

} // namespace
} // namespace quelvan
