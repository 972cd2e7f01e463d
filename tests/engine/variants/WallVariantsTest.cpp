// The comparison's ready-made variants: the wall reversed keeps its layers in the other order;
// the insulation twice or half as thick changes only the insulating layer and names it with its
// new thickness (the layer of lowest conductivity); a wall with no layer gets no thickness
// variant.
#include "engine/variants/WallVariants.h"

#include "engine/EngineTestSupport.h"
#include "model/CMaterial.h"
#include "model/KslDoc.h"
#include "model/NMaterialLayer.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace quelvan {
namespace {

using test::SetWall;
using variants::ApplyWallVariant;
using variants::WallVariant;

std::vector<std::pair<std::string, std::string>> Layers(const KslDoc& doc)
{
    std::vector<std::pair<std::string, std::string>> out;
    for (int i = 0; i < doc.layers.Count(); ++i)
        out.emplace_back(doc.layers.At(i).Material()->Name(), doc.layers.At(i).Thickness());
    return out;
}

TEST(WallVariants, ReversedAndInsulationScaledAreNamedAfterWhatChanged)
{
    KslDoc reversed;
    SetWall(
        reversed, { { "Béton lourd", "200" }, { "Laine de roche", "100" }, { "Plâtre", "13" } });
    EXPECT_EQ(ApplyWallVariant(reversed, WallVariant::Reversed), "Paroi inversée");
    EXPECT_EQ(Layers(reversed),
        (std::vector<std::pair<std::string, std::string>> {
            { "Plâtre", "13" }, { "Laine de roche", "100" }, { "Béton lourd", "200" } }));

    KslDoc thicker;
    SetWall(thicker, { { "Béton lourd", "200" }, { "Laine de roche", "100" }, { "Plâtre", "13" } });
    EXPECT_EQ(ApplyWallVariant(thicker, WallVariant::ThickerInsulation),
        "Épaisseur d'isolant × 2 (Laine de roche, 200 mm)");
    EXPECT_EQ(Layers(thicker),
        (std::vector<std::pair<std::string, std::string>> {
            { "Béton lourd", "200" }, { "Laine de roche", "200" }, { "Plâtre", "13" } }));

    KslDoc thinner;
    SetWall(thinner, { { "Béton lourd", "200" }, { "Laine de roche", "75" } });
    EXPECT_EQ(ApplyWallVariant(thinner, WallVariant::ThinnerInsulation),
        "Épaisseur d'isolant ÷ 2 (Laine de roche, 37.5 mm)");
    EXPECT_EQ(thinner.layers.At(1).Thickness(), "37.5");
}

TEST(WallVariants, AWallWithoutLayersHasNoThicknessVariant)
{
    KslDoc doc;
    SetWall(doc, {});
    const auto before = Layers(doc);
    EXPECT_FALSE(ApplyWallVariant(doc, WallVariant::ThickerInsulation));
    EXPECT_EQ(Layers(doc), before);
}

} // namespace
} // namespace quelvan
