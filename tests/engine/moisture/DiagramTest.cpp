// The Glaser diagram's data and the plain words of the check: the layers placed by their s_d or
// thickness, the saturation curve inside the layers from the temperatures alone, the condensing
// interface with the month's water, the month the diagram opens on, and the verdict, interior and
// mould sentences for each case.
#include "engine/moisture/GlaserDiagram.h"
#include "engine/moisture/MoistureAdvice.h"

#include "engine/moisture/MoistureTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quelvan::moisture {
namespace {

TEST(Diagram, LayersAndPointsStandWhereTheirResistancesPutThem)
{
    const MoistureWall wall = test::InsideInsulated(0.0);
    const CondensationResult r = CheckCondensation(wall, test::TemperateYear(0.6));
    const DiagramData sd = DiagramOf(wall, r, 1, DiagramAxis::Sd);
    // s_d: concrete 0.2 × 80 = 16 m, wool 0.1 m, plasterboard 0.05 m.
    ASSERT_EQ(sd.layers.size(), 3u);
    EXPECT_DOUBLE_EQ(sd.layers[0].to, 16.0);
    EXPECT_NEAR(sd.layers[1].to, 16.1, 1e-12);
    EXPECT_NEAR(sd.axisLength, 16.15, 1e-12);
    ASSERT_EQ(sd.points.size(), 4u);
    EXPECT_NEAR(sd.points[2].x, 16.1, 1e-12);
    const DiagramData thick = DiagramOf(wall, r, 1, DiagramAxis::Thickness);
    EXPECT_NEAR(thick.axisLength, 0.3125, 1e-12);
    EXPECT_NEAR(thick.points[1].x, 0.2, 1e-12);
    // The faces carry the air's pressures; p never exceeds saturation.
    const MonthResult& january = *std::find_if(
        r.months.begin(), r.months.end(), [](const MonthResult& m) { return m.month == 1; });
    EXPECT_NEAR(sd.points.front().pPa, january.climate.pE, 1e-9);
    EXPECT_NEAR(sd.points.back().pPa, january.climate.pI, 1e-9);
    for (const DiagramPoint& p : sd.points)
        EXPECT_LE(p.pPa, p.psatPa + 1e-9);
    // The saturation curve: at each layer's middle the temperature is the mean of its faces'
    // (linear within a layer), and psat is Magnus' of it, below the chord (convex in θ).
    ASSERT_EQ(sd.saturation.size(), 3u * 16u + 1u);
    for (std::size_t k = 0; k < 3; ++k) {
        const DiagramPoint& middle = sd.saturation[k * 16 + 8];
        const double theta = (sd.points[k].thetaC + sd.points[k + 1].thetaC) / 2.0;
        EXPECT_NEAR(middle.thetaC, theta, 1e-12);
        EXPECT_NEAR(middle.psatPa, SaturationPressure(theta), 1e-9);
        EXPECT_LE(middle.psatPa, (sd.points[k].psatPa + sd.points[k + 1].psatPa) / 2.0 + 1e-9);
        EXPECT_NEAR(middle.x, (sd.points[k].x + sd.points[k + 1].x) / 2.0, 1e-12);
    }
    EXPECT_NEAR(sd.saturation.back().psatPa, sd.points.back().psatPa, 1e-12);
}

TEST(Diagram, TheColdInterfaceCondensesInWinterAndTheDiagramOpensOnTheWettestMonth)
{
    const MoistureWall wall = test::InsideInsulated(0.0);
    const CondensationResult r = CheckCondensation(wall, test::TemperateYear(0.6));
    ASSERT_NE(r.verdict, Verdict::None);
    const MouldResult mould = CheckMould(wall, test::TemperateYear(0.6));
    EXPECT_EQ(CriticalMonth(r, mould), r.maxMonth);
    const DiagramData d = DiagramOf(wall, r, r.maxMonth, DiagramAxis::Sd);
    ASSERT_FALSE(d.condensing.empty());
    // The concrete | wool interface, holding the month's maximum at its end.
    EXPECT_EQ(d.condensing.front().point, 1);
    EXPECT_EQ(d.condensing.front().location, "Béton | Laine");
    EXPECT_NEAR(d.condensing.front().heldGPerM2, r.maxTotalGPerM2, 1e-9);
    EXPECT_NEAR(d.points[1].pPa, d.points[1].psatPa, 1e-6);

    // A dry wall: no place marked; the diagram opens on the mould check's critical month.
    const CondensationResult dry = CheckCondensation(wall, test::TemperateYear(0.2));
    const MouldResult dryMould = CheckMould(wall, test::TemperateYear(0.2));
    ASSERT_EQ(dry.verdict, Verdict::None);
    EXPECT_EQ(CriticalMonth(dry, dryMould), dryMould.criticalMonth);
    EXPECT_TRUE(DiagramOf(wall, dry, 1, DiagramAxis::Sd).condensing.empty());
}

TEST(Advice, VerdictsInterioursAndMouldInPlainWords)
{
    const MoistureWall wall = test::InsideInsulated(0.0);
    const CondensationResult wet = CheckCondensation(wall, test::TemperateYear(0.6));
    const std::string said = PlainVerdict(wet);
    if (wet.verdict == Verdict::Evaporates) {
        EXPECT_EQ(said.rfind("De l'eau se condense dans la paroi mais sèche", 0), 0u) << said;
        EXPECT_EQ(said.find("0,5 kg/m²") != std::string::npos, wet.maxTotalGPerM2 > 500.0);
    } else {
        EXPECT_EQ(said.rfind("De l'eau s'accumule", 0), 0u) << said;
    }
    EXPECT_EQ(PlainVerdict(CheckCondensation(wall, test::TemperateYear(0.2))),
        "Aucune eau ne se condense dans la paroi au cours de l'année.");
    // The French hygrometry classes on W/n: faible ≤ 2.5, moyenne ≤ 5, forte ≤ 7.5.
    EXPECT_EQ(HygrometryClass(2.5), "faible");
    EXPECT_EQ(HygrometryClass(2.6), "moyenne");
    EXPECT_EQ(HygrometryClass(7.5), "forte");
    EXPECT_EQ(HygrometryClass(8.0), "très forte");
    EXPECT_EQ(InteriorText({ InteriorHumidity::VapourExcess, 6.0, 19.0 }),
        "19.0 °C, excès de vapeur W/n = 6 g/m³ (hygrométrie forte)");
    EXPECT_EQ(InteriorText({ InteriorHumidity::HumidityClass, 3.0, 20.0 }),
        "20.0 °C, classe d'humidité 3");
    MouldResult mould;
    mould.frsiWall = 0.914;
    mould.frsiMax = 0.771;
    mould.criticalMonth = 12;
    EXPECT_EQ(MouldSentence(mould),
        "f_Rsi de la paroi 0.914 > f_Rsi,max 0.771 (décembre) : pas de risque de moisissure en "
        "surface.");
    mould.passes = false;
    mould.frsiWall = 0.7;
    EXPECT_EQ(MouldSentence(mould),
        "f_Rsi de la paroi 0.700 ≤ f_Rsi,max 0.771 (décembre) : risque de moisissure sur la face "
        "intérieure.");
    // The tables' columns: each wet place once, in the order it first appears.
    const std::vector<std::string> places = WetPlaces(wet);
    ASSERT_EQ(places.size(), 1u);
    EXPECT_EQ(places[0], "Béton | Laine");
    EXPECT_EQ(PlaceHeading(places[0]), "Béton |\nLaine (g/m²)");
    EXPECT_EQ(PlaceHeading("dans la couche 2 (Laine)"), "dans la couche 2 (Laine)\n(g/m²)");
    EXPECT_EQ(LayerKeyText(wall).rfind("Couches de l'extérieur vers l'intérieur : 1 Béton "
                                       "(200.0 mm, s_d 16 m) ; 2 Laine (100.0 mm, s_d 0.1 m)",
                  0),
        0u)
        << LayerKeyText(wall);
}

} // namespace
} // namespace quelvan::moisture
