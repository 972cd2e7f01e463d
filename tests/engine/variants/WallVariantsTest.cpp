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

TEST(WallVariants, ThinnerInsulationIsNamedAfterItsLayerAndNewThickness)
{
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
