// The sweep's axes from typed texts: exact range values, the product's order, the changes made
// on a project, and every refusal with the message that names the option.
#include "engine/variants/VariantSweep.h"
#include "engine/variants/VariantStudy.h"

#include "model/CMaterial.h"
#include "model/KslDoc.h"
#include "model/MaterialVapour.h"
#include "model/WallTables.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quelvan::variants {
namespace {

// The fault as the command line words it (the engine names no option; the test does).
std::string Message(const SweepFault& fault)
{
    if (fault.subject == SweepFault::Subject::Layer)
        return "--layer : " + fault.reason;
    const char* option = fault.axis == AxisKind::Thickness ? "--thickness"
        : fault.axis == AxisKind::Material                 ? "--material"
        : fault.axis == AxisKind::Mu                       ? "--mu"
        : fault.axis == AxisKind::Sd                       ? "--sd"
                                                           : "--azimuth";
    return std::string(option) + " : " + fault.reason;
}

std::vector<std::string> Texts(const std::vector<AxisValue>& values)
{
    std::vector<std::string> texts;
    for (const AxisValue& value : values)
        texts.push_back(value.text);
    return texts;
}

TEST(VariantSweep, RangesGiveExactTextsWithTheDecimalsTyped)
{
    struct Case {
        const char* range;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        { "20:100:20", { "20", "40", "60", "80", "100" } },
        { "10:25:10", { "10", "20" } }, // the end is kept only when a step lands on it
        { "0.5:2:0.5", { "0.5", "1.0", "1.5", "2.0" } },
        // Steps of 0.05 would drift in binary floating point; the texts stay exact.
        { "1.25:1.5:0.05", { "1.25", "1.30", "1.35", "1.40", "1.45", "1.50" } },
        { "7:7:1", { "7" } },
        { "0.001:0.003:0.001", { "0.001", "0.002", "0.003" } },
    };
    for (const Case& c : cases) {
        const auto values = ThicknessValues(c.range);
        ASSERT_TRUE(values) << c.range;
        EXPECT_EQ(Texts(*values), c.texts) << c.range;
    }
    EXPECT_EQ(ThicknessValues("20:300:20")->size(), 15u);
    EXPECT_DOUBLE_EQ(ThicknessValues("1.25:1.5:0.05")->back().number, 1.5);
}

TEST(VariantSweep, RefusalsNameTheOptionAndTheFault)
{
    struct Case {
        LayerRequest layer;
        std::optional<std::string> azimuths;
        std::string message;
    };
    using K = AxisKind;
    const Case cases[] = {
        { { K::Thickness, "0", "80" }, {},
            "--layer : la paroi n'a pas de couche 0 (couches 1 à 3)" },
        { { K::Material, "deux", "Pisé" }, {}, "--layer : « deux » n'est pas un numéro de couche" },
        { { K::Thickness, "2", "80,,120" }, {}, "--thickness : valeur vide dans « 80,,120 »" },
        { { K::Thickness, "2", "8O" }, {},
            "--thickness : « 8O » n'est pas une épaisseur en mm (nombre décimal positif)" },
        { { K::Thickness, "2", "300:20:20" }, {}, "--thickness : la plage « 300:20:20 » est vide" },
        { { K::Thickness, "2", "1234567890123:1234567890124:0.000001" }, {},
            "--thickness : « 1234567890123 » n'est pas une épaisseur en mm (nombre décimal "
            "positif)" },
        { { K::Thickness, "2", "20:300:0" }, {},
            "--thickness : le pas de la plage « 20:300:0 » doit être positif" },
        { { K::Thickness, "2", "20:300" }, {},
            "--thickness : « 20:300 » n'est ni une liste ni une plage DE:À:PAS" },
        { { K::Thickness, "2", "0.001:10000:0.001" }, {},
            "--thickness : la plage « 0.001:10000:0.001 » donne plus de 1 000 000 valeurs" },
        { { K::Material, "1", "" }, {}, "--material : la liste est vide" },
        { { K::Material, "1", "Pisé," }, {}, "--material : nom de matériau vide dans « Pisé, »" },
        { { K::Thickness, "2", "80" }, "Sud,30",
            "--azimuth : « 30 » n'est pas une orientation (Nord, Nord-Est, Est, Sud-Est, Sud, "
            "Sud-Ouest, Ouest, Nord-Ouest, ou son angle depuis le sud en degrés : 180, -145, "
            "-90, -45, 0, 45, 90, 135)" },
    };
    const KslDoc doc;
    for (const Case& c : cases) {
        SweepFault fault;
        EXPECT_FALSE(BuildAxes(doc, { { c.layer }, false, c.azimuths }, &fault)) << c.message;
        EXPECT_EQ(Message(fault), c.message);
        // The reason itself names no option: the command line says which.
        EXPECT_EQ(fault.reason.find("--"), std::string::npos) << fault.reason;
    }
    // The same layer's thickness twice; its thickness and its material together are a product.
    SweepFault fault;
    EXPECT_FALSE(BuildAxes(doc,
        { { { K::Thickness, "2", "50,100" }, { K::Thickness, "2", "10,300" } }, false, {} },
        &fault));
    EXPECT_EQ(Message(fault), "--thickness : la couche 2 est déjà variée");
    EXPECT_TRUE(BuildAxes(doc,
        { { { K::Thickness, "2", "50,100" }, { K::Material, "2", "Laine de roche" } }, false,
            {} }));
    EXPECT_EQ(TooManyVariantsText(150000), "L'étude compte 150 000 variantes, plus de 100 000");
}

TEST(VariantSweep, ProductVariesTheLastAxisFastestAndMakesEachChange)
{
    KslDoc base;
    const SweepRequest request { { { AxisKind::Thickness, "1", "100,300" },
                                     { AxisKind::Material, "2", "Laine de roche" } },
        true, "sud,-90,Nord" };
    const auto axes = BuildAxes(base, request);
    ASSERT_TRUE(axes);
    ASSERT_EQ(axes->size(), 4u);
    EXPECT_EQ(Texts((*axes)[3].values), (std::vector<std::string> { "Sud", "Est", "Nord" }));
    EXPECT_EQ(ProductCount(*axes), 2u * 1u * 2u * 3u);

    VariantStudy study;
    study.AddProject(base, "mur");
    study.SetAxes(*axes);
    EXPECT_EQ(study.Count(), 12u);
    // Variant 9 = digits (1, 0, 1, 0): 300 mm, rock wool, reversed, south.
    const VariantChoice choice = study.Choice(9);
    EXPECT_EQ(choice.values, (std::vector<std::size_t> { 1, 0, 1, 0 }));
    const auto doc = study.Project(9);
    ASSERT_TRUE(doc);
    ASSERT_EQ(doc->layers.Count(), 3);
    // Layer numbers are those of the base wall: its first layer, thickened, is now last.
    EXPECT_EQ(doc->layers.At(0).Material()->Name(), "Plâtre");
    EXPECT_EQ(doc->layers.At(1).Material()->Name(), "Laine de roche");
    EXPECT_EQ(doc->layers.At(2).Material()->Name(), "Béton lourd");
    EXPECT_EQ(doc->layers.At(2).Thickness(), "300");
    EXPECT_EQ(doc->AzimuthDegrees(), 0);
    // The material is the variant's own library record, not the base's.
    EXPECT_EQ(doc->layers.At(1).Material(), doc->FindMaterialByName("Laine de roche"));
    EXPECT_EQ(study.Project(11)->AzimuthDegrees(), 180);
    EXPECT_EQ(study.Project(1)->layers.At(0).Material()->Name(), "Béton lourd");
    // The base itself is untouched.
    EXPECT_EQ(base.layers.At(0).Thickness(), "200");
    EXPECT_EQ(study.Count(), ProductCount(*axes));
    EXPECT_FALSE(study.Project(12));
}

// A μ or s_d axis gives the layer's material a vapour record: the new value replaces what it
// had (μ or s_d), and the moisture check reads it (s_d whatever the thickness, μ times it).
TEST(VariantSweep, VapourAxesSetTheMaterialsRecord)
{
    KslDoc doc; // 200 mm Béton lourd, 50 mm Laine de verre, 10 mm Plâtre
    SweepRequest request;
    request.layers = { { AxisKind::Sd, "2", "0.5:1.5:0.5" }, { AxisKind::Mu, "1", "40,120" } };
    SweepFault fault;
    const auto axes = BuildAxes(doc, request, &fault);
    ASSERT_TRUE(axes.has_value()) << fault.reason;
    ASSERT_EQ(axes->size(), 2U);
    EXPECT_EQ(Texts((*axes)[0].values), (std::vector<std::string> { "0.5", "1.0", "1.5" }));
    EXPECT_EQ((*axes)[1].values[1].number, 120.0);

    const CMaterial& wool = *doc.layers.At(1).Material();
    const CMaterial& concrete = *doc.layers.At(0).Material();
    ApplyValue(doc, (*axes)[0], (*axes)[0].values[1]);
    auto vapour = VapourOf(doc, wool);
    ASSERT_TRUE(vapour.has_value());
    EXPECT_TRUE(vapour->isSd);
    EXPECT_DOUBLE_EQ(vapour->Sd(0.05), 1.0);
    // The built-in μ of the concrete (80) gives way to the axis' value, then to the next one.
    EXPECT_DOUBLE_EQ(VapourOf(doc, concrete)->value, 80.0);
    ApplyValue(doc, (*axes)[1], (*axes)[1].values[0]);
    ApplyValue(doc, (*axes)[1], (*axes)[1].values[1]);
    EXPECT_DOUBLE_EQ(VapourOf(doc, concrete)->Sd(0.2), 24.0);
    EXPECT_EQ(doc.vapour.Count(), 2);
    // μ after s_d on the same material: the s_d goes.
    const SweepAxis mu { AxisKind::Mu, 2, { { "3", 3.0 } } };
    ApplyValue(doc, mu, mu.values[0]);
    EXPECT_FALSE(VapourOf(doc, wool)->isSd);
    EXPECT_DOUBLE_EQ(VapourOf(doc, wool)->Sd(0.05), 0.15);

    request.layers = { { AxisKind::Sd, "2", "1" }, { AxisKind::Sd, "2", "2" } };
    EXPECT_FALSE(BuildAxes(doc, request, &fault).has_value());
    EXPECT_EQ(Message(fault), "--sd : la couche 2 est déjà variée");
    request.layers = { { AxisKind::Mu, "1", "1,-2" } };
    EXPECT_FALSE(BuildAxes(doc, request, &fault).has_value());
    EXPECT_EQ(Message(fault), "--mu : « -2 » n'est pas un facteur μ (nombre décimal positif)");
}

} // namespace
} // namespace quelvan::variants
