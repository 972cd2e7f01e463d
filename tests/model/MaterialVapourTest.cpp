// Which vapour resistance a material has: the user's s_d, else the user's μ, else the built-in
// μ of a built-in material still bearing its name; never a guessed default.
#include "model/MaterialVapour.h"
#include "model/KslDoc.h"

#include <gtest/gtest.h>

namespace quelvan {
namespace {

TEST(MaterialVapour, EveryBuiltInMaterialHasAMu)
{
    const KslDoc doc;
    ASSERT_EQ(doc.materials.Count(), 19);
    for (const CMaterial& material : doc.materials) {
        const std::optional<VapourResistance> vapour = VapourOf(doc, material);
        ASSERT_TRUE(vapour.has_value()) << material.Name();
        EXPECT_FALSE(vapour->isSd);
        EXPECT_GE(vapour->value, 1.0) << material.Name();
    }
    // Mineral wool lets vapour through as air does; metal is vapour-tight (1 mm above 1500 m).
    EXPECT_DOUBLE_EQ(VapourOf(doc, *doc.FindMaterialByName("Laine de verre"))->value, 1.0);
    EXPECT_GT(VapourOf(doc, *doc.FindMaterialByName("Métal ferreux"))->Sd(0.001), 1500.0);
}

TEST(MaterialVapour, UserValuesWinAndNoDefaultIsGuessed)
{
    KslDoc doc;
    const CMaterial& own = doc.AddMaterial(3020, 0, "Frein-vapeur", "0.2", "900", "1500");
    EXPECT_FALSE(VapourOf(doc, own).has_value());

    doc.vapour.Append(
        std::make_unique<MaterialVapour>(MaterialVapour { own.LibraryIndex(), "50", "" }));
    EXPECT_DOUBLE_EQ(VapourOf(doc, own)->Sd(0.002), 0.1);
    doc.vapour.At(0).sd = "2";
    EXPECT_TRUE(VapourOf(doc, own)->isSd);
    EXPECT_DOUBLE_EQ(VapourOf(doc, own)->Sd(0.002), 2.0);
    doc.vapour.At(0) = { own.LibraryIndex(), "0", "abc" };
    EXPECT_FALSE(VapourOf(doc, own).has_value());

    // A built-in material given another name is no longer the built-in one.
    CMaterial& concrete = doc.materials.At(0);
    concrete.SetName("Béton de chantier");
    EXPECT_FALSE(VapourOf(doc, concrete).has_value());
}

struct HumidityCase {
    InteriorHumidity mode;
    const char* value;
    bool accepted;
};

class InteriorHumidityTest : public testing::TestWithParam<HumidityCase> { };

TEST_P(InteriorHumidityTest, ValueSuitsItsKind)
{
    const HumidityCase& c = GetParam();
    EXPECT_EQ(InteriorHumidityValue({ c.mode, c.value, "" }).has_value(), c.accepted) << c.value;
}

using H = InteriorHumidity;
INSTANTIATE_TEST_SUITE_P(Values, InteriorHumidityTest,
    testing::Values(HumidityCase { H::RelativeHumidity, "55", true },
        HumidityCase { H::RelativeHumidity, "100", true },
        HumidityCase { H::RelativeHumidity, "0", false },
        HumidityCase { H::RelativeHumidity, "120", false },
        HumidityCase { H::HumidityClass, "3", true },
        HumidityCase { H::HumidityClass, "3.5", false },
        HumidityCase { H::HumidityClass, "6", false }, HumidityCase { H::VapourExcess, "0", true },
        HumidityCase { H::VapourExcess, "7,5", true },
        HumidityCase { H::VapourExcess, "-1", false },
        HumidityCase { H::VapourExcess, "abc", false }));

} // namespace
} // namespace quelvan
