// The fine mode's surface fluxes against a converged solution written here, for surface
// resistances from 0 to 10 m².K/W: walls with heavy, light and thin metal faces under a square
// wave of the exterior air. Every hourly flux must lie within max(0.1 W/m², 1 % of its range).
#include "EngineTestSupport.h"
#include "engine/EngineState.h"
#include "model/KslDoc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace quelvan {
namespace {

struct Layer {
    const char* material;
    const char* millimetres;
    double conductivity, density, heatCapacity; // as the built-in library gives them
};
const Layer kConcreteLayer { "Béton lourd", "200", 2, 2450, 1000 };
const Layer kGlassWoolLayer { "Laine de verre", "50", 0.041, 15, 1030 };
const Layer kPlasterLayer { "Plâtre", "10", 0.43, 1050, 1000 };
const Layer kPolystyreneLayer { "Polystyrène expansé", "100", 0.037, 25, 1450 };
const Layer kSteelLayer { "Métal ferreux", "0.7", 72, 7870, 450 };
const Layer kRockWoolLayer { "Laine de roche", "80", 0.039, 80, 1030 };

constexpr int kHours = 48;

// Cells of at most 1 mm (at least 4 a layer), capacities lumped on the nodes, implicit Euler on
// 180 and 360 steps an hour extrapolated (Richardson), the airs linear between whole hours.
class Reference {
public:
    Reference(const std::vector<Layer>& layers, double hExterior, double hInterior)
        : he_(hExterior)
        , hi_(hInterior)
    {
        for (const Layer& l : layers) {
            const double d = std::atof(l.millimetres) / 1000;
            const int n = std::max(4, static_cast<int>(std::ceil(d / 0.001)));
            for (int k = 0; k < n; ++k) {
                k_.push_back(l.conductivity * n / d);
                c_.push_back(l.density * l.heatCapacity * d / n);
            }
        }
    }
    // Both surface fluxes (exterior leaving the wall, interior entering it) at hours 0..kHours.
    std::vector<std::pair<double, double>> Fluxes(
        const std::vector<float>& exterior, const std::vector<float>& interior) const
    {
        const auto coarse = Run(180, exterior, interior);
        const auto fine = Run(360, exterior, interior);
        std::vector<std::pair<double, double>> q;
        for (std::size_t h = 0; h < coarse.size(); ++h) {
            const double se = 2 * fine[h].front() - coarse[h].front();
            const double si = 2 * fine[h].back() - coarse[h].back();
            q.emplace_back(he_ * (se - exterior[h]), hi_ * (interior[h] - si));
        }
        return q;
    }

private:
    // The node temperatures at every whole hour, from the steady state of hour 0.
    std::vector<std::vector<double>> Run(
        int steps, const std::vector<float>& exterior, const std::vector<float>& interior) const
    {
        std::vector<double> t = Solve(0, {}, exterior[0], interior[0]);
        std::vector<std::vector<double>> hours { t };
        for (int h = 0; h < kHours; ++h)
            for (int s = 1; s <= steps; ++s) {
                const double f = double(s) / steps;
                const auto air = [&](const std::vector<float>& v) {
                    return v[static_cast<std::size_t>(h)] * (1 - f)
                        + v[static_cast<std::size_t>(h + 1)] * f;
                };
                t = Solve(3600.0 / steps, t, air(exterior), air(interior));
                if (s == steps)
                    hours.push_back(t);
            }
        return hours;
    }
    // (C / dt + K) T = C / dt T_old + boundary terms, by the Thomas algorithm.
    std::vector<double> Solve(
        double dt, const std::vector<double>& old, double exterior, double interior) const
    {
        const std::size_t n = c_.size() + 1;
        std::vector<double> lower(n, 0.0), diag(n, 0.0), upper(n, 0.0), r(n, 0.0);
        for (std::size_t j = 0; j + 1 < n; ++j) {
            diag[j] += k_[j] + (dt > 0 ? c_[j] / 2 / dt : 0);
            diag[j + 1] += k_[j] + (dt > 0 ? c_[j] / 2 / dt : 0);
            upper[j] = lower[j + 1] = -k_[j];
            if (dt > 0) {
                r[j] += c_[j] / 2 / dt * old[j];
                r[j + 1] += c_[j] / 2 / dt * old[j + 1];
            }
        }
        diag.front() += he_;
        diag.back() += hi_;
        r.front() += he_ * exterior;
        r.back() += hi_ * interior;
        for (std::size_t i = 1; i < n; ++i) {
            const double m = lower[i] / diag[i - 1];
            diag[i] -= m * upper[i - 1];
            r[i] -= m * r[i - 1];
        }
        r[n - 1] /= diag[n - 1];
        for (std::size_t i = n - 1; i-- > 0;)
            r[i] = (r[i] - upper[i] * r[i + 1]) / diag[i];
        return r;
    }

    double he_, hi_;
    std::vector<double> k_, c_;
};

struct FluxCase {
    const char* name;
    std::vector<Layer> wall;
    const char* resistanceExterior;
    const char* resistanceInterior;
    friend void PrintTo(const FluxCase& c, std::ostream* os) { *os << c.name; }
};

class FineSurfaceFlux : public ::testing::TestWithParam<FluxCase> { };

TEST_P(FineSurfaceFlux, EveryHourWithinATenthOfAWattOrOnePercentOfItsRange)
{
    const FluxCase& c = GetParam();
    KslDoc doc;
    doc.layers.Clear();
    for (const Layer& l : c.wall)
        doc.AddLayer(doc.FindMaterialByName(l.material), l.millimetres);
    doc.surfaces.resistanceExterior = c.resistanceExterior;
    doc.surfaces.resistanceInterior = c.resistanceInterior;
    const CBCData& wave = doc.AddAmbiance(kAmbianceIdentifierBase + 12, Side::Exterior, "Créneau",
        ProfileType::Square, ProfileType::Null, Period::Day, Period::Day, { "5", "25", "8", "18" },
        { "0", "0", "0", "0" });
    doc.selectedExterior = wave.Index();
    test::SelectConstant(doc, Side::Interior, "20");
    EngineState engine;
    CalculationInputs inputs = InputsFromDocument(doc);
    inputs.mode = CalculationMode::Fine;
    ASSERT_EQ(engine.PrepareCalculation(doc, inputs), Failure::None) << engine.LastErrorMessage();
    for (int h = 0; h < kHours; ++h)
        engine.AdvanceHour(doc, true, true);
    const RunView& run = engine.View();
    // The reference sees the airs the calculation used and its exchange coefficients.
    const Reference reference(c.wall, run.surfaces.exchangeExterior, run.surfaces.exchangeInterior);
    const auto exact = reference.Fluxes(
        run.Series(SeriesId::ExteriorTemperature), run.Series(SeriesId::InteriorTemperature));
    for (const bool exterior : { true, false }) {
        const auto& shown
            = run.Series(exterior ? SeriesId::ExteriorSurfaceFlux : SeriesId::InteriorSurfaceFlux);
        double low = 1e30, high = -1e30;
        for (const auto& q : exact) {
            low = std::min(low, exterior ? q.first : q.second);
            high = std::max(high, exterior ? q.first : q.second);
        }
        const double tolerance = std::max(0.1, 0.01 * (high - low));
        for (std::size_t h = 0; h <= kHours; ++h)
            ASSERT_NEAR(shown[h], exterior ? exact[h].first : exact[h].second, tolerance)
                << (exterior ? "exterior" : "interior") << " surface flux, hour " << h;
    }
}

INSTANTIATE_TEST_SUITE_P(Walls, FineSurfaceFlux,
    ::testing::Values(
        FluxCase { "default_bare", { kConcreteLayer, kGlassWoolLayer, kPlasterLayer }, "0", "0" },
        FluxCase { "default", { kConcreteLayer, kGlassWoolLayer, kPlasterLayer }, "0.04", "0.13" },
        FluxCase {
            "default_resistive", { kConcreteLayer, kGlassWoolLayer, kPlasterLayer }, "10", "10" },
        FluxCase { "insulation_outside_bare", { kPolystyreneLayer, kConcreteLayer }, "0", "0" },
        FluxCase { "insulation_outside", { kPolystyreneLayer, kConcreteLayer }, "0.04", "0.13" },
        FluxCase { "steel_sandwich_bare", { kSteelLayer, kRockWoolLayer, kSteelLayer }, "0", "0" },
        FluxCase { "steel_sandwich", { kSteelLayer, kRockWoolLayer, kSteelLayer }, "0.001", "1" }),
    [](const ::testing::TestParamInfo<FluxCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace quelvan
