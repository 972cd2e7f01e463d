// The dynamic characteristics against references computed here: a finite-difference solve of
// the same wall in the frequency domain, the thin-wall and semi-infinite limits in closed form.
#include "engine/DynamicCharacteristics.h"
#include "engine/DynamicWallFromProject.h"
#include "engine/TransferMatrix.h"

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

constexpr double kPi = std::numbers::pi;
constexpr double kDay = 86400.0;
const DynamicLayer kConcrete { 0.2, 2, 2450, 1000 }; // "Béton lourd"
const DynamicLayer kGlassWool { 0.05, 0.041, 15, 1030 }; // "Laine de verre"
const DynamicLayer kPlaster { 0.01, 0.43, 1050, 1000 }; // "Plâtre"
const DynamicLayer kSteel { 0.001, 72, 7870, 450 }; // "Métal ferreux"
const DynamicLayer kRockWool { 0.1, 0.039, 80, 1030 }; // "Laine de roche"

double Omega(double periodSeconds = kDay)
{
    return 2 * kPi / periodSeconds;
}

// Second method: 400 cells per layer, capacities lumped on the nodes, the complex tridiagonal
// system (iωC + K) θ = h θ_air solved by elimination. Returns the flux entering the wall
// through the exterior face and the flux leaving it into the room, for given air amplitudes.
struct Fluxes {
    Complex intoWallExterior;
    Complex intoRoom;
};
Fluxes SolveFiniteDifferences(const DynamicWall& wall, double omega, Complex airExt, Complex airInt)
{
    constexpr int kCells = 400;
    std::vector<double> conductance;
    std::vector<double> capacity(1, 0.0);
    for (const DynamicLayer& l : wall.layers) {
        const double dx = l.thickness / kCells;
        for (int j = 0; j < kCells; ++j) {
            conductance.push_back(l.conductivity / dx);
            capacity.back() += l.density * l.heatCapacity * dx / 2;
            capacity.push_back(l.density * l.heatCapacity * dx / 2);
        }
    }
    const size_t n = capacity.size();
    const double hExt = 1 / wall.resistanceExterior;
    const double hInt = 1 / wall.resistanceInterior;
    std::vector<Complex> diag(n), rhs(n, 0.0);
    for (size_t i = 0; i < n; ++i)
        diag[i] = Complex(0, omega * capacity[i]) + (i > 0 ? conductance[i - 1] : hExt)
            + (i + 1 < n ? conductance[i] : hInt);
    rhs[0] = hExt * airExt;
    rhs[n - 1] += hInt * airInt;
    for (size_t i = 1; i < n; ++i) { // off-diagonals are −K[i−1]
        const Complex m = -conductance[i - 1] / diag[i - 1];
        diag[i] += m * conductance[i - 1];
        rhs[i] -= m * rhs[i - 1];
    }
    std::vector<Complex> t(n);
    t[n - 1] = rhs[n - 1] / diag[n - 1];
    for (size_t i = n - 1; i-- > 0;)
        t[i] = (rhs[i] + conductance[i] * t[i + 1]) / diag[i];
    return { hExt * (airExt - t[0]), hInt * (t[n - 1] - airInt) };
}

// A lag or lead as hours in [0, 24).
double Hours(double phase)
{
    return std::fmod(phase * 24 / (2 * kPi) + 48, 24);
}

struct WallCase {
    const char* name;
    DynamicWall wall;
    bool fromProject; // computed through the adapter on a new project's wall
    friend void PrintTo(const WallCase& c, std::ostream* os) { *os << c.name; }
};

class AgainstFiniteDifferences : public ::testing::TestWithParam<WallCase> { };

TEST_P(AgainstFiniteDifferences, EveryValueMatches)
{
    const WallCase& c = GetParam();
    KslDoc doc;
    const DynamicWall wall = c.fromProject
        ? DynamicWallFromProject(doc.layers, doc.resistanceExterior, doc.resistanceInterior)
        : c.wall;
    const auto v = ComputeDynamicCharacteristics(wall);
    ASSERT_TRUE(v.has_value());

    const double w = Omega();
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
    EXPECT_NEAR(v->shiftHours, Hours(-std::arg(ext.intoRoom)), 0.005);
    near(v->admittanceExterior, std::abs(ext.intoWallExterior));
    near(v->admittanceInterior, std::abs(yInt));
    EXPECT_NEAR(v->admittanceShiftExteriorHours, Hours(std::arg(ext.intoWallExterior)), 0.005);
    EXPECT_NEAR(v->admittanceShiftInteriorHours, Hours(std::arg(yInt)), 0.005);
    // Stored heat rate: what enters through one face minus what leaves through the other.
    near(v->kappaExterior, std::abs(ext.intoWallExterior - ext.intoRoom) / w / 1000);
    near(v->kappaInterior, std::abs(yInt + in.intoWallExterior) / w / 1000);
    double capacity = 0;
    for (const DynamicLayer& l : c.wall.layers)
        capacity += l.density * l.heatCapacity * l.thickness / 1000;
    near(v->heatCapacity, capacity);
    RecordProperty("y12", std::to_string(v->y12));
    RecordProperty("shift_h", std::to_string(v->shiftHours));
}
INSTANTIATE_TEST_SUITE_P(Walls, AgainstFiniteDifferences,
    ::testing::Values(WallCase { "concrete", { { kConcrete }, 0.04, 0.13 }, false },
        WallCase { "default wall", { { kConcrete, kGlassWool, kPlaster }, 0.04, 0.13 }, true },
        WallCase { "steel sandwich", { { kSteel, kRockWool, kSteel }, 0.04, 0.13 }, false }));

TEST(DynamicCharacteristics, ConcreteWallGivesThePublishedFigures)
{
    const auto v = ComputeDynamicCharacteristics({ { kConcrete }, 0.04, 0.13 });
    ASSERT_TRUE(v.has_value());
    EXPECT_NEAR(v->u, 3.704, 0.0005);
    EXPECT_NEAR(v->y12, 1.922, 0.0005);
    EXPECT_NEAR(v->shiftHours, 5.55, 0.006);
}

TEST(DynamicCharacteristics, SteelSandwichBarelyDampsTheWave)
{
    const auto v = ComputeDynamicCharacteristics({ { kSteel, kRockWool, kSteel }, 0.04, 0.13 });
    ASSERT_TRUE(v.has_value());
    EXPECT_GT(v->decrement, 0.95);
    EXPECT_LT(v->decrement, 1.0);
}

// As the layer thins, Z12 = −(R + iωτ) + O(ω²) with the lag
// τ = ρcd (R_se R_si + r (R_se + R_si) / 2 + r² / 6) / R, r = d/λ: f → 1 and shift → τ → 0.
TEST(DynamicCharacteristics, ThinLayerTendsToNoDampingAndNoShift)
{
    for (double d : { 1e-3, 1e-5, 1e-8 }) {
        const auto v = ComputeDynamicCharacteristics({ { { d, 2, 2450, 1000 } }, 0.04, 0.13 });
        ASSERT_TRUE(v.has_value()) << d;
        const double r = d / 2;
        const double total = 0.04 + 0.13 + r;
        const double tau = 2450e3 * d * (0.04 * 0.13 + r * 0.17 / 2 + r * r / 6) / total;
        EXPECT_NEAR(v->shiftHours, tau / 3600, 0.01 * tau / 3600) << d;
        EXPECT_GT(1 - v->decrement, -1e-15) << d;
        EXPECT_LT(1 - v->decrement, std::pow(Omega() * tau, 2) + 1e-15) << d;
        EXPECT_NEAR(v->u, 1 / total, 1e-12);
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
        EXPECT_NEAR(v->kappaInterior, std::abs(yInt) / Omega() / 1000, 1e-6);
        const Complex kd = lambdaK / 2.0 * d;
        const double y12 = std::abs(
            2.0 * lambdaK * std::exp(-kd) / ((1.0 + 0.04 * lambdaK) * (1.0 + 0.13 * lambdaK)));
        EXPECT_NEAR(v->y12, y12, 1e-9 * y12 + 1e-300) << d;
        EXPECT_LT(v->decrement, 1e-12) << d;
        EXPECT_GE(v->shiftHours, 0.0);
        EXPECT_LT(v->shiftHours, 24.0);
    }
}

// The matrix is e^L z: det z = e^{-2L} (checked absolutely, so the cancellation of a thick
// layer's scaled entries does not hide anything above 1e-12).
TEST(TransferMatrix, LayerDeterminantIsOne)
{
    for (const DynamicLayer& l : { kConcrete, kGlassWool, kSteel, DynamicLayer { 1, 2, 2450, 1000 },
             DynamicLayer { 0.2, 2, 0, 1000 }, DynamicLayer { 1e-9, 2, 2450, 1000 } }) {
        const TransferMatrix z
            = LayerMatrix(l.thickness, l.conductivity, l.density * l.heatCapacity, Omega());
        EXPECT_NEAR(std::abs(z.ScaledDeterminant() - std::exp(-2 * z.logScale)), 0.0, 1e-12)
            << l.thickness << " m";
    }
}

TEST(DynamicCharacteristics, ReversingTheWallSwapsTheFaces)
{
    for (const std::vector<DynamicLayer>& layers :
        { std::vector { kConcrete, kGlassWool, kPlaster }, std::vector { kSteel, kRockWool } }) {
        const auto a = ComputeDynamicCharacteristics({ layers, 0.04, 0.13 });
        const auto b = ComputeDynamicCharacteristics(
            { std::vector<DynamicLayer>(layers.rbegin(), layers.rend()), 0.13, 0.04 });
        ASSERT_TRUE(a && b);
        EXPECT_NEAR(b->y12, a->y12, 1e-12 * a->y12);
        EXPECT_NEAR(b->shiftHours, a->shiftHours, 1e-9);
        EXPECT_NEAR(b->admittanceInterior, a->admittanceExterior, 1e-12 * a->admittanceExterior);
        EXPECT_NEAR(b->admittanceExterior, a->admittanceInterior, 1e-12 * a->admittanceInterior);
        EXPECT_NEAR(b->admittanceShiftInteriorHours, a->admittanceShiftExteriorHours, 1e-9);
        EXPECT_NEAR(b->kappaInterior, a->kappaExterior, 1e-9 * a->kappaExterior);
        EXPECT_NEAR(b->kappaExterior, a->kappaInterior, 1e-9 * a->kappaInterior);
        EXPECT_NE(a->admittanceInterior, a->admittanceExterior); // the swap is visible
    }
}

TEST(DynamicCharacteristics, PeriodicResponseFollowsTheFiniteDifferenceWave)
{
    const DynamicWall wall { { kConcrete, kGlassWool }, 0.04, 0.13 };
    const auto v = ComputeDynamicCharacteristics(wall, 48);
    ASSERT_TRUE(v.has_value());
    const PeriodicResponse r = ComputePeriodicResponse(*v, 48, 10.0);
    ASSERT_EQ(r.hours.size(), 49u);
    const Complex y12 = SolveFiniteDifferences(wall, Omega(2 * kDay), 1.0, 0.0).intoRoom;
    for (size_t k = 0; k < r.hours.size(); ++k) {
        const Complex wave = std::polar(10.0, 2 * kPi * r.hours[k] / 48);
        EXPECT_NEAR(r.hours[k], static_cast<double>(k), 1e-12);
        EXPECT_NEAR(r.exteriorTemperature[k], wave.real(), 1e-12);
        EXPECT_NEAR(r.interiorFlux[k], (y12 * wave).real(), 2e-3 * 10 * std::abs(y12)) << k;
    }
}

TEST(DynamicCharacteristics, RefusesWallsItCannotCompute)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const DynamicWall walls[] = { { {}, 0.04, 0.13 }, { { { 0, 2, 2450, 1000 } }, 0.04, 0.13 },
        { { { 0.2, 0, 2450, 1000 } }, 0.04, 0.13 }, { { { 0.2, 2, -1, 1000 } }, 0.04, 0.13 },
        { { { 0.2, 2, 2450, nan } }, 0.04, 0.13 }, { { kConcrete }, -0.04, 0.13 } };
    for (const DynamicWall& wall : walls)
        EXPECT_FALSE(ComputeDynamicCharacteristics(wall).has_value());
    EXPECT_FALSE(ComputeDynamicCharacteristics({ { kConcrete }, 0.04, 0.13 }, 0).has_value());
    KslDoc doc;
    doc.layers.At(1).SetMaterial(nullptr);
    EXPECT_FALSE(ComputeDynamicCharacteristics(DynamicWallFromProject(doc.layers, "0.04", "0.13")));
}

} // namespace
} // namespace quelvan
