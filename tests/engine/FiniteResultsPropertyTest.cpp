// Random valid walls and ambiances through a week of calculation: every results cell is a
// finite number, and with no flux on either face the surfaces stay between the lowest and the
// highest air temperature of the run (heat only flows from the warmer air to the colder).
#include "core/NumberText.h"
#include "engine/EngineState.h"
#include "model/KslDoc.h"
#include "model/WallCheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

namespace quelvan {
namespace {

class RandomProject {
public:
    explicit RandomProject(unsigned seed)
        : random_(seed)
    {
    }

    // A wall of 1 to kMaxLayerCount layers of the built-in materials, 0.1 mm to 0.5 m each
    // (log-uniform), and faces of random resistance and absorption.
    void SetWall(KslDoc& doc)
    {
        doc.layers.Clear();
        const int count = Whole(1, kMaxLayerCount);
        for (int i = 0; i < count; ++i)
            doc.AddLayer(doc.FindMaterialByIndex(Whole(0, doc.materials.Count() - 1)),
                FloatText(std::pow(10.0, Real(-1.0, std::log10(500.0)))));
        doc.surfaces.resistanceExterior = FloatText(Real(0.0, 0.3));
        doc.surfaces.resistanceInterior = FloatText(Real(0.0, 0.3));
        doc.surfaces.absorptionExterior = FloatText(Real(0.0, 1.0));
        doc.surfaces.absorptionInterior = FloatText(Real(0.0, 1.0));
    }

    // Selects a new ambiance of a random temperature shape; with a flux when `flux` is true.
    void SelectAmbiance(KslDoc& doc, Side side, bool flux)
    {
        constexpr ProfileType kShapes[] = { ProfileType::Constant, ProfileType::Sinusoid,
            ProfileType::Ramp, ProfileType::Square };
        const ProfileType temperature = kShapes[Whole(0, 3)];
        const Period period = Whole(0, 1) == 0 ? Period::Day : Period::Week;
        const std::string low = FloatText(Real(-30.0, 40.0));
        const std::string high
            = temperature == ProfileType::Constant ? low : FloatText(Real(-30.0, 60.0));
        const int start = Whole(0, 167);
        ProfileType fluxType = ProfileType::Null;
        std::array<std::string, 4> fluxValues { "0", "0", "0", "0" };
        if (flux && side == Side::Exterior && Whole(0, 1) == 0) {
            fluxType = ProfileType::Solar; // transparency, latitude, albedo, day
            fluxValues = { FloatText(Real(0.0, 100.0)), FloatText(Real(-90.0, 90.0)),
                FloatText(Real(0.0, 100.0)), FormatInt("%d", Whole(1, 365)) };
        } else if (flux) {
            fluxType = ProfileType::Square;
            fluxValues = { FloatText(Real(-200.0, 200.0)), FloatText(Real(0.0, 1000.0)),
                FormatInt("%d", Whole(0, 24)), FormatInt("%d", Whole(0, 168)) };
        }
        NList<CBCData>& list = doc.Ambiances(side);
        CBCData& record = doc.AddAmbiance(kAmbianceIdentifierBase + list.Count(), side, "Hasard",
            temperature, fluxType, period, period,
            { low, high, FormatInt("%d", start), FormatInt("%d", Whole(start, 168)) }, fluxValues);
        (side == Side::Exterior ? doc.selectedExterior : doc.selectedInterior) = record.Index();
    }

private:
    int Whole(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    double Real(double low, double high)
    {
        return std::uniform_real_distribution<double>(low, high)(random_);
    }

    std::mt19937 random_;
};

TEST(FiniteResultsProperty, RandomWallsAndAmbiances)
{
    constexpr int kProjects = 200;
    for (int n = 0; n < kProjects; ++n) {
        SCOPED_TRACE("project " + std::to_string(n));
        RandomProject random(static_cast<unsigned>(n));
        KslDoc doc;
        random.SetWall(doc);
        const bool flux = n % 2 == 0; // half the projects without flux on either face
        random.SelectAmbiance(doc, Side::Exterior, flux);
        random.SelectAmbiance(doc, Side::Interior, flux);
        EngineState engine;
        ASSERT_EQ(engine.PrepareCalculation(doc, InputsFromDocument(doc)), Failure::None)
            << engine.LastErrorMessage();
        while (engine.CanAdvance())
            engine.AdvanceHour(doc, true, true);
        for (int r = 1; r < doc.results.RowCount(); ++r)
            for (int c = 1; c < KslDoc::kResultColumns; ++c) {
                float value = 0.0f;
                ASSERT_TRUE(ParseFloat(doc.results.Cell(r, c), value) && std::isfinite(value))
                    << "row " << r << ", column " << c << ": " << doc.results.Cell(r, c);
            }
        if (flux)
            continue;
        const RunView& run = engine.View();
        const auto& exterior = run.Series(SeriesId::ExteriorTemperature);
        const auto& interior = run.Series(SeriesId::InteriorTemperature);
        const float low
            = std::min(*std::ranges::min_element(exterior), *std::ranges::min_element(interior));
        const float high
            = std::max(*std::ranges::max_element(exterior), *std::ranges::max_element(interior));
        // The solver's tolerance and the rounding of single precision.
        const float margin = 0.01f + 1e-3f * (high - low);
        for (SeriesId surface :
            { SeriesId::ExteriorSurfaceTemperature, SeriesId::InteriorSurfaceTemperature })
            for (const float t : run.Series(surface)) {
                EXPECT_GE(t, low - margin);
                EXPECT_LE(t, high + margin);
            }
    }
}

} // namespace
} // namespace quelvan
