#include "model/WallComposition.h"

#include "core/TextTrim.h"
#include "model/CBCData.h"
#include "model/CMaterial.h"
#include "model/KslDoc.h"
#include "model/NMaterialLayer.h"

namespace quelvan {

std::string WallComposition(const KslDoc& doc)
{
    std::string text;
    for (int i = 0; i < doc.layers.Count(); ++i) {
        const NMaterialLayer& layer = doc.layers.At(i);
        const CMaterial* material = layer.Material();
        if (!text.empty())
            text += " + ";
        text += material ? material->Name() : std::string("?");
        const std::string_view thickness = TrimBlanks(layer.Thickness());
        if (!thickness.empty())
            text += " " + std::string(thickness);
    }
    return text;
}

std::string WallAndWeather(const KslDoc& doc, const CBCData* exterior)
{
    std::string text;
    const std::string wall = WallComposition(doc);
    if (!wall.empty())
        text = "Paroi : " + wall;
    if (exterior) {
        text += text.empty() ? "Ambiance" : " ; ambiance";
        text += " extérieure : " + exterior->Name();
    }
    return text;
}

} // namespace quelvan
