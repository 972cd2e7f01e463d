// Variant studies: figures against hand calculations on a steady wall, thicker insulation
// lowering U and delaying the wave, a refused variant keeping its message. (Sweeps equal to
// separate runs, and the same bytes whatever the jobs and shards, are checked on the command
// line's output in tests/app.)
#include "engine/variants/VariantStudy.h"
#include "engine/variants/StudyRunner.h"

#include "engine/EngineTestSupport.h"
#include "model/KslDoc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace quelvan::variants {
namespace {

// R_se + Σ d/λ + R_si of the built-in wall with a glass-wool layer of d mm, by hand.
double BuiltInWallU(double glassWoolMillimetres)
{
    return 1.0 / (0.04 + 0.2 / 2.0 + glassWoolMillimetres / 1000.0 / 0.041 + 0.01 / 0.43 + 0.13);
}

VariantStudy Sweep(const KslDoc& base, const SweepRequest& request)
{
    VariantStudy study;
    study.AddProject(base, "mur");
    study.SetAxes(*BuildAxes(base, request));
    return study;
}

std::vector<VariantResult> RunAll(const VariantStudy& study, const FigureOptions& figures, int jobs,
    std::size_t shard = 0, std::size_t shards = 1)
{
    std::vector<VariantResult> results;
    RunStudy(study, figures, { jobs, shard, shards },
        [&results](VariantResult&& r) { results.push_back(std::move(r)); });
    return results;
}

TEST(VariantStudy, SteadyWallGivesTheHandCalculatedWeekAndYear)
{
    KslDoc doc;
    test::SelectConstant(doc, Side::Exterior, "0");
    test::SelectConstant(doc, Side::Interior, "20");
    FigureOptions options;
    options.annual = true;
    const VariantOutcome outcome = ComputeVariantFigures(doc, options);
    ASSERT_TRUE(outcome.figures) << outcome.error;
    const VariantFigures& f = *outcome.figures;
    const double u = BuiltInWallU(50);
    const double flux = u * 20.0; // W/m², from the room into the wall
    EXPECT_NEAR(f.dynamic.u, u, 1e-6 * u);
    EXPECT_NEAR(f.week.loss, flux * 168.0, 1e-4 * flux * 168.0);
    EXPECT_NEAR(f.week.gain, 0.0, 1e-9);
    EXPECT_NEAR(f.week.peakFlux, flux, 1e-4 * flux);
    EXPECT_NEAR(f.week.tsiMax, 20.0 - flux * 0.13, 1e-3);
    EXPECT_NEAR(f.week.tsiDailyRange, 0.0, 1e-4);
    ASSERT_TRUE(f.year);
    EXPECT_NEAR(f.year->loss, flux * 8760.0 / 1000.0, 1e-4 * flux * 8.76);
    EXPECT_NEAR(f.year->net, f.year->loss - f.year->gain, 1e-9);
    EXPECT_EQ(f.year->hoursAbove26, 0);
    ASSERT_TRUE(f.year->frsiMin);
    EXPECT_NEAR(*f.year->frsiMin, 1.0 - u * 0.13, 1e-4);
}

TEST(VariantStudy, WeekHeatSplitsEachHourWhereTheFluxChangesSign)
{
    // The flux runs straight from +10 to -10 W/m² and back every hour: each hour holds a
    // triangle of 10 W/m² × 0.5 h / 2 on each side of zero.
    std::vector<float> fsi, tsi;
    for (int h = 0; h <= 168; ++h) {
        fsi.push_back(h % 2 == 0 ? 10.0f : -10.0f);
        tsi.push_back(h < 144 ? 30.0f : 20.0f + static_cast<float>(h % 3));
    }
    const WeekFigures week = WeekFiguresOf(tsi, fsi);
    EXPECT_NEAR(week.loss, 168 * 2.5, 1e-9);
    EXPECT_NEAR(week.gain, 168 * 2.5, 1e-9);
    EXPECT_EQ(week.peakFlux, 10.0);
    EXPECT_EQ(week.tsiMax, 30.0);
    EXPECT_EQ(week.tsiDailyRange, 2.0); // day 7 alone: hours 144 to 168
}

TEST(VariantStudy, ThickerInsulationLowersUAndDelaysTheWave)
{
    const std::vector<double> thicknesses { 40, 80, 120, 160, 200 };
    const VariantStudy study
        = Sweep(KslDoc(), { { { AxisKind::Thickness, "2", "40:200:40" } }, true, std::nullopt });
    const std::vector<VariantResult> results = RunAll(study, {}, 0);
    ASSERT_EQ(results.size(), 10u);
    // As built (insulation inside) and reversed (outside), alternately.
    for (std::size_t side = 0; side < 2; ++side) {
        for (std::size_t k = 0; k < thicknesses.size(); ++k) {
            const auto& figures = results[2 * k + side].outcome.figures;
            ASSERT_TRUE(figures);
            const double u = BuiltInWallU(thicknesses[k]);
            EXPECT_NEAR(figures->dynamic.u, u, 1e-6 * u);
            if (k == 0)
                continue;
            const auto& thinner = *results[2 * (k - 1) + side].outcome.figures;
            EXPECT_LT(figures->dynamic.u, thinner.dynamic.u);
            EXPECT_GT(figures->dynamic.shiftHours, thinner.dynamic.shiftHours);
        }
    }
}

TEST(VariantStudy, RefusedVariantKeepsItsMessageAndTheStudyGoesOn)
{
    KslDoc base;
    base.initialTemperatureMode = InitialTemperature::PreviousCalculation;
    const VariantStudy study
        = Sweep(base, { { { AxisKind::Thickness, "2", "0,50" } }, false, std::nullopt });
    const std::vector<VariantResult> results = RunAll(study, {}, 2);
    ASSERT_EQ(results.size(), 2u);
    EXPECT_FALSE(results[0].outcome.figures);
    EXPECT_EQ(results[0].outcome.error,
        "Couche 2 (Laine de verre) : épaisseur « 0 » hors limites (de 0,001 à 10000 mm) : "
        "calcul impossible");
    ASSERT_TRUE(results[1].outcome.figures);
    // No previous calculation in a study: the week starts from the steady state, with a remark.
    EXPECT_EQ(results[1].outcome.notes,
        std::vector<std::string> {
            "Aucun calcul précédent : le calcul part de l'état stationnaire" });
}

} // namespace
} // namespace quelvan::variants
