#include "graphics/CWallDrawing.h"

#include "core/NumberText.h"
#include "graphics/NShpRectangle.h"
#include "model/CMaterial.h"
#include "model/KslDoc.h"
#include "model/NMaterialLayer.h"

namespace quelvan::graphics {

CWallDrawing::CWallDrawing(const KslDoc* document)
    : document_(document)
{
    Build();
}

std::vector<float> CWallDrawing::LayerShares(std::span<const std::string> thicknesses)
{
    std::vector<float> shares;
    shares.reserve(thicknesses.size());
    for (const std::string& text : thicknesses)
        shares.push_back(FloatValue(text));
    for (int pass = 0; pass < kMaximumPasses && !shares.empty(); ++pass) {
        float sum = 0.0f;
        for (float s : shares)
            sum += s;
        bool changed = false;
        for (float& s : shares) {
            // A wall of zero total thickness gives every layer the minimum share.
            s = sum != 0.0f ? s / sum : 0.0f;
            if (!(s >= kMinimumShare)) {
                s = kMinimumShare;
                changed = true;
            }
        }
        if (!changed)
            break;
    }
    return shares;
}

void CWallDrawing::Build()
{
    CDrawTransform& t = Transform();
    t.SetMode(TransformMode::Isotropic);
    t.Recompute();
    t.SetWorldExtent(kWorldSize, kWorldSize);
    t.SetWorldOrigin(0, kWorldSize);
    if (t.DeviceWidth() != 0.0f || t.DeviceHeight() != 0.0f)
        t.Recompute();
    RemoveAllShapes();
    if (!document_)
        return;
    std::vector<const NMaterialLayer*> layers;
    std::vector<std::string> thicknesses;
    for (const NMaterialLayer& layer : document_->layers) {
        if (!layer.Material())
            continue;
        layers.push_back(&layer);
        thicknesses.push_back(layer.Thickness());
    }
    const std::vector<float> shares = LayerShares(thicknesses);
    int left = kLeft;
    for (size_t i = 0; i < layers.size(); ++i) {
        const int right = left + TruncatedCoordinate(shares[i] * kDrawingWidth);
        const CMaterial& material = *layers[i]->Material();
        NShpRectangle& rect = AddRectangle(
            { left, kBottom, right, kTop }, material.GetColour(), material.GetColour(), layers[i]);
        rect.SetText(material.Name());
        rect.SetVerticalText(true);
        left = right;
    }
}

} // namespace quelvan::graphics
