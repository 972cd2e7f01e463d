// The engine against physics computed independently: series resistances in the steady state,
// the heat balance of a week, and the periodic response of a concrete wall.
#include "engine/DynamicCharacteristics.h"
#include "engine/EngineState.h"
#include "engine/SiWall.h"

#include "EngineTestSupport.h"
#include "core/NumberText.h"
#include "model/KslDoc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <vector>

namespace quelvan {
namespace {

using test::SelectConstant;
using test::SetWall;

// The wall in SI units, read as the engine reads it.
std::vector<SiLayer> Layers(const KslDoc& doc)
{
    return SiWallFromProject(doc.layers, doc.surfaces).value().layers;
}

struct WallCase {
    const char* name;
    test::WallLayers layers; // empty: the new project's wall
    friend void PrintTo(const WallCase& c, std::ostream* os) { *os << c.name; }
};

const WallCase kDefaultWall { "default wall", {} };
const WallCase kSandwich { "steel sandwich",
    { { "Métal ferreux", "0.7" }, { "Laine de roche", "80" }, { "Métal ferreux", "0.7" } } };
const WallCase kSevenLayers { "seven layers",
    { { "Enduit de mortier", "15" }, { "Béton lourd", "160" }, { "Polystyrène expansé", "100" },
        { "Lame d'air non ventilée", "20" }, { "Bois résineux", "30" },
        { "Plaque de plâtre à parement de carton", "13" }, { "Plâtre", "5" } } };

void Apply(KslDoc& doc, const WallCase& c)
{
    if (!c.layers.empty())
        SetWall(doc, c.layers);
}

class SteadyState : public ::testing::TestWithParam<WallCase> { };

TEST_P(SteadyState, SurfaceAndInterfaceTemperaturesMatchSeriesResistances)
{
    KslDoc doc;
    Apply(doc, GetParam());
    SelectConstant(doc, Side::Exterior, "-5");
    SelectConstant(doc, Side::Interior, "20");
    EngineState engine;
    ASSERT_EQ(engine.PrepareCalculation(doc, InputsFromDocument(doc)), Failure::None);
    const std::vector<SiLayer> layers = Layers(doc);
    double r = 0.04 + 0.13;
    for (const SiLayer& l : layers)
        r += l.thickness / l.conductivity;
    const double q = 25.0 / r;
    EXPECT_NEAR(engine.View().uValue, 1 / r, 1e-4);
    // Hour 0 and the end of a week, which must stay there.
    for (int pass = 0; pass < 2; ++pass) {
        const std::vector<float>& t = engine.View().nodes.T;
        double expected = -5 + q * 0.04;
        EXPECT_NEAR(t.front(), expected, 0.01) << "pass " << pass;
        for (size_t k = 0; k < layers.size(); ++k) {
            expected += q * layers[k].thickness / layers[k].conductivity;
            EXPECT_NEAR(t[5 * (k + 1)], expected, 0.01) << "interface " << k << " pass " << pass;
        }
        EXPECT_NEAR(t.back(), 20 - q * 0.13, 0.01) << "pass " << pass;
        for (int i = 0; i < kRunHours; ++i)
            engine.AdvanceHour(doc, true, true);
    }
}
INSTANTIATE_TEST_SUITE_P(
    Walls, SteadyState, ::testing::Values(kDefaultWall, kSandwich, kSevenLayers));

class EnergyBalance : public ::testing::TestWithParam<WallCase> { };

TEST_P(EnergyBalance, StoredHeatEqualsTheIntegratedSurfaceFluxes)
{
    KslDoc doc;
    Apply(doc, GetParam());
    // Exterior: a ramp 0 -> 30 over two days, and 300 W/m2 from hour 24 to 96.
    CBCData& ext = doc.AddAmbiance(4100, Side::Exterior, "Rampe et flux", ProfileType::Ramp,
        ProfileType::Square, Period::Week, Period::Week, { "0", "30", "0", "48" },
        { "0", "300", "24", "96" });
    doc.selectedExterior = ext.Index();
    SelectConstant(doc, Side::Interior, "20");
    EngineState engine;
    ASSERT_EQ(engine.PrepareCalculation(doc, InputsFromDocument(doc)), Failure::None);

    // Stored heat: capacity times the mean temperature of each cell (linear elements).
    auto stored = [&]() {
        const std::vector<SiLayer> layers = Layers(doc);
        const std::vector<float>& t = engine.View().nodes.T;
        double sum = 0;
        for (size_t k = 0; k < layers.size(); ++k) {
            const double cellCapacity
                = layers[k].density * layers[k].heatCapacity * layers[k].thickness / 5;
            for (size_t j = 5 * k; j < 5 * k + 5; ++j)
                sum += cellCapacity * (t[j] + t[j + 1]) / 2;
        }
        return sum;
    };
    const double start = stored();
    for (int i = 0; i < kRunHours; ++i)
        engine.AdvanceHour(doc, true, true);
    const double change = stored() - start;

    // Heat in: interior convective flux, minus exterior convective loss, plus the absorbed
    // exterior flux (trapezoidal over the recorded hours, like the engine's energies).
    const auto& fext = engine.View().Series(SeriesId::ExteriorFlux);
    double absorbed = 0;
    for (size_t h = 1; h < fext.size(); ++h)
        absorbed += 0.4 * (fext[h] + fext[h - 1]) * 1800.0;
    const double in = engine.View().interiorEnergy - engine.View().exteriorEnergy + absorbed;
    ASSERT_GT(std::fabs(change), 1e6); // a real storage, several MJ/m2
    EXPECT_NEAR(in, change, 0.01 * std::fabs(change)) << "stored " << change << " J/m2";
}
INSTANTIATE_TEST_SUITE_P(Walls, EnergyBalance, ::testing::Values(kDefaultWall, kSevenLayers));

TEST(PeriodicResponse, ConcreteWallInteriorFluxFollowsThePeriodicTransmittance)
{
    KslDoc doc;
    SetWall(doc, { { "Béton lourd", "200" } });
    CBCData& ext = doc.AddAmbiance(4100, Side::Exterior, "Sinusoïde 10/30", ProfileType::Sinusoid,
        ProfileType::Null, Period::Day, Period::Day, { "10", "30", "15", "0" },
        { "0", "0", "0", "0" });
    doc.selectedExterior = ext.Index();
    SelectConstant(doc, Side::Interior, "20");
    EngineState engine;
    ASSERT_EQ(engine.PrepareCalculation(doc, InputsFromDocument(doc)), Failure::None);
    for (int i = 0; i < kRunHours; ++i)
        engine.AdvanceHour(doc, true, true);

    // The exact periodic solution (checked on its own in DynamicCharacteristicsTest).
    const auto wall = SiWallFromProject(doc.layers, doc.surfaces);
    ASSERT_TRUE(wall.has_value());
    const auto exact = ComputeDynamicCharacteristics(*wall);
    ASSERT_TRUE(exact.has_value());
    const double expected = exact->y12 * 10.0; // exterior amplitude 10 K

    const auto& qsi = engine.View().Series(SeriesId::InteriorSurfaceFlux);
    const auto [lo, hi] = std::minmax_element(qsi.begin() + 144, qsi.end());
    const double amplitude = (*hi - *lo) / 2;
    // Time shift: phase of the daily harmonic of the last day, the flux taken into the room
    // (the series counts it from the room into the wall).
    const auto phase = [](const std::vector<float>& s, double sign) {
        std::complex<double> sum;
        for (int h = 144; h < 168; ++h)
            sum += sign * s[static_cast<size_t>(h)] * std::polar(1.0, -2 * M_PI * h / 24);
        return std::arg(sum);
    };
    const auto hours = [](double radians) { return std::fmod(radians * 12 / M_PI + 48, 24); };
    const double shift = hours(phase(engine.View().Series(SeriesId::ExteriorTemperature), 1)
        - phase(engine.View().Series(SeriesId::InteriorSurfaceFlux), -1));
    EXPECT_NEAR(amplitude, expected, 0.15 * expected)
        << "engine " << amplitude << " W/m2, EN ISO 13786 " << expected << " W/m2";
    EXPECT_NEAR(shift, exact->shiftHours, 0.6) << "engine " << shift << " h";
    RecordProperty("InteriorFluxAmplitude", std::to_string(amplitude));
    RecordProperty("PeriodicTransmittanceAmplitude", std::to_string(expected));
    RecordProperty("InteriorFluxShift", std::to_string(shift));
}

} // namespace
} // namespace quelvan
