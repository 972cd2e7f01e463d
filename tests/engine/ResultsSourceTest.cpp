// Results belong to the calculation they came from: every edit that changes what a calculation
// reads makes the recorded hours another wall's, and an edit of what no calculation reads (a
// name, the references) leaves them the project's.
#include "EngineTestSupport.h"
#include "engine/EngineState.h"
#include "model/CalculationSource.h"
#include "model/KslDoc.h"

#include <gtest/gtest.h>

#include <functional>

namespace quelvan {
namespace {

// Runs a few hours of the project as the document stores it.
void Compute(KslDoc& doc, int hours)
{
    EngineState engine;
    ASSERT_EQ(engine.PrepareCalculation(doc, InputsFromDocument(doc)), Failure::None);
    for (int h = 0; h < hours; ++h)
        engine.AdvanceHour(doc, true, true);
}

CBCData& Selected(KslDoc& doc, Side side)
{
    const int number = side == Side::Exterior ? doc.selectedExterior : doc.selectedInterior;
    return const_cast<CBCData&>(*doc.AmbianceNumbered(side, number));
}

// The first record of a side's list that the form does not choose.
CBCData& Unselected(KslDoc& doc, Side side)
{
    const CBCData* chosen = doc.SelectedAmbiance(side);
    for (CBCData& record : doc.Ambiances(side))
        if (&record != chosen)
            return record;
    return doc.Ambiances(side).At(0);
}

// A material of the library that no layer uses.
CMaterial& UnusedMaterial(KslDoc& doc)
{
    for (CMaterial& material : doc.materials) {
        bool used = false;
        for (const NMaterialLayer& layer : doc.layers)
            used = used || layer.Material() == &material;
        if (!used)
            return material;
    }
    return doc.materials.At(0);
}

struct Edit {
    const char* name;
    std::function<void(KslDoc&)> apply;
    bool stale;
    friend void PrintTo(const Edit& e, std::ostream* os) { *os << e.name; }
};

class EditAfterARun : public ::testing::TestWithParam<Edit> { };

TEST_P(EditAfterARun, MakesTheResultsStaleExactlyWhenACalculationReadsIt)
{
    KslDoc doc;
    Compute(doc, 3);
    ASSERT_TRUE(HoldsCurrentResults(doc));
    const CalculationSource computed = SourceOfStoredProject(doc);
    GetParam().apply(doc);
    EXPECT_EQ(HoldsCurrentResults(doc), !GetParam().stale);
    EXPECT_EQ(SourceOfStoredProject(doc) == computed, !GetParam().stale);
}

INSTANTIATE_TEST_SUITE_P(EveryKindOfEdit, EditAfterARun,
    ::testing::Values(Edit { "author", [](KslDoc& d) { d.author = "Autre"; }, false },
        Edit { "print choices", [](KslDoc& d) { d.printChoices[3] = 1; }, false },
        Edit { "name of a layer's material",
            [](KslDoc& d) {
                const_cast<CMaterial*>(d.layers.At(0).Material())->SetName("Béton renommé");
            },
            false },
        Edit { "conductivity of a layer's material",
            [](KslDoc& d) {
                const_cast<CMaterial*>(d.layers.At(0).Material())->SetConductivity("1.5");
            },
            true },
        Edit { "density of an unused material",
            [](KslDoc& d) { UnusedMaterial(d).SetDensity("1"); }, false },
        Edit { "thickness", [](KslDoc& d) { d.layers.At(1).SetThickness("120"); }, true },
        Edit {
            "exterior absorption", [](KslDoc& d) { d.surfaces.absorptionExterior = "0.9"; }, true },
        Edit {
            "interior resistance", [](KslDoc& d) { d.surfaces.resistanceInterior = "0.1"; }, true },
        Edit { "azimuth", [](KslDoc& d) { d.azimuthIndex = (d.azimuthIndex + 1) % 8; }, true },
        Edit { "inclination", [](KslDoc& d) { d.inclinationIndex = 0; }, true },
        Edit { "initial temperature",
            [](KslDoc& d) { d.initialTemperatureMode = InitialTemperature::PreviousCalculation; },
            true },
        Edit { "another exterior ambiance",
            [](KslDoc& d) { d.selectedExterior = Unselected(d, Side::Exterior).Index(); }, true },
        Edit { "a value of the chosen interior ambiance",
            [](KslDoc& d) { Selected(d, Side::Interior).temperature.values[1] = "31"; }, true },
        Edit { "name of the chosen ambiance",
            [](KslDoc& d) { Selected(d, Side::Exterior).SetName("Été"); }, false },
        Edit { "a value of an ambiance not chosen",
            [](KslDoc& d) { Unselected(d, Side::Exterior).temperature.values[1] = "-40"; }, false },
        Edit { "a station no ambiance names",
            [](KslDoc& d) {
                d.stations.Append(
                    std::make_unique<WeatherStation>(WeatherStation { 10, "Essai", "Essai.wth" }));
            },
            false }));

TEST(ResultsSource, AnEditUndoneMakesTheResultsTheProjectsAgain)
{
    KslDoc doc;
    Compute(doc, 2);
    doc.surfaces.absorptionExterior = "0.9";
    EXPECT_FALSE(HoldsCurrentResults(doc));
    doc.surfaces.absorptionExterior = "0.4";
    EXPECT_TRUE(HoldsCurrentResults(doc));
}

TEST(ResultsSource, AnInitialStateAloneIsNoResultAndAResetForgetsTheSource)
{
    KslDoc doc;
    Compute(doc, 0);
    EXPECT_TRUE(doc.HasResults()); // the initial state is recorded as hour 0
    EXPECT_FALSE(HoldsCurrentResults(doc));
    Compute(doc, 1);
    EXPECT_TRUE(HoldsCurrentResults(doc));
    doc.ResetResults();
    EXPECT_FALSE(doc.resultsSource.has_value());
    EXPECT_FALSE(HoldsCurrentResults(doc));
}

// A weather ambiance reads its station's file: another file is another calculation.
TEST(ResultsSource, TheChosenStationsFileIsPartOfTheSource)
{
    KslDoc doc;
    doc.stations.Append(
        std::make_unique<WeatherStation>(WeatherStation { 10, "Essai", "Essai.wth" }));
    CalculationSource before = SourceOfStoredProject(doc);
    CBCData& outside = Selected(doc, Side::Exterior);
    outside.weatherFlag = true;
    outside.cityIndex = 10;
    const CalculationSource weather = SourceOfStoredProject(doc);
    EXPECT_NE(weather, before);
    doc.stations.At(0).fileName = "Autre.wth";
    EXPECT_NE(SourceOfStoredProject(doc), weather);
}

} // namespace
} // namespace quelvan
