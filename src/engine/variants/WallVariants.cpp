#include "engine/variants/WallVariants.h"

#include "engine/variants/VariantStudy.h"
#include "engine/variants/VariantSweep.h"
#include "model/CMaterial.h"
#include "model/KslDoc.h"
#include "model/NMaterialLayer.h"

namespace quelvan::variants {

std::optional<std::string> ApplyWallVariant(KslDoc& project, WallVariant variant)
{
    if (variant == WallVariant::Reversed) {
        const SweepAxis reversal { AxisKind::Reversal, 0, { { {}, 1.0 } } };
        ApplyValue(project, reversal, reversal.values.front());
        return "Paroi inversée";
    }
    const int insulation = InsulationLayer(project);
    if (insulation <= 0)
        return std::nullopt;
    const bool thicker = variant == WallVariant::ThickerInsulation;
    const NMaterialLayer& layer = project.layers.At(insulation - 1);
    const std::string thickness = ScaledThickness(layer.Thickness(), thicker ? 2.0 : 0.5);
    std::string name = std::string("Épaisseur d'isolant ") + (thicker ? "× 2" : "÷ 2") + " ("
        + layer.Material()->Name() + ", " + thickness + " mm)";
    const SweepAxis axis { AxisKind::Thickness, insulation, { { thickness, 0.0 } } };
    ApplyValue(project, axis, axis.values.front());
    return name;
}

} // namespace quelvan::variants
