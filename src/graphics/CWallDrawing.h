#pragma once

#include "graphics/CDrawObject.h"

#include <span>
#include <string>
#include <vector>

namespace quelvan {
class KslDoc;
}

namespace quelvan::graphics {

// The wall's cross-section: one rectangle per layer, side by side from the exterior (left) to
// the interior (right), as wide as the layer's share of the total thickness, with a minimum
// share so that thin layers stay visible; filled and outlined in the material's colour and
// labelled vertically with the material's name. Each rectangle's owner is its layer.
class CWallDrawing : public CDrawObject {
public:
    static constexpr int kWorldSize = 1000;
    static constexpr int kLeft = 125;
    static constexpr int kBottom = 166;
    static constexpr int kTop = 875;
    static constexpr float kDrawingWidth = 750.0f;
    static constexpr float kMinimumShare = 0.0666668f;
    static constexpr int kMaximumPasses = 20;

    // Keeps the document (not owned; may be null for an empty drawing) and builds.
    explicit CWallDrawing(const KslDoc* document);

    // Rebuilds every shape from the document's current layers (world 1000 by 1000,
    // isotropic). Layers without a material are not drawn.
    void Build() override;

    // Shares of the total thickness, each raised to the minimum share, renormalised until a
    // pass changes nothing (at most 20 passes). Unreadable thicknesses count as 0.
    static std::vector<float> LayerShares(std::span<const std::string> thicknesses);

private:
    const KslDoc* document_;
};

} // namespace quelvan::graphics
