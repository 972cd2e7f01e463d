#include "ui/records/ResistanceText.h"

#include "core/NumberText.h"
#include "graphics/QtStrings.h"
#include "model/CMaterial.h"
#include "model/NMaterialLayer.h"

namespace quelvan::ui {

QString ResistanceText(
    const std::string& thickness, const std::string& conductivity, SignificantDigits digits)
{
    const double e = FloatValue(thickness) * 0.001;
    const double lambda = FloatValue(conductivity);
    return ToQ(FormatNumber(e / (lambda + 1e-7), digits, true));
}

QString LayerResistanceText(const NMaterialLayer& layer)
{
    const std::string conductivity = layer.Material() ? layer.Material()->Conductivity() : "0";
    QString text = ResistanceText(layer.Thickness(), conductivity, SignificantDigits { 4 });
    if (text.size() > 6)
        text = ResistanceText(layer.Thickness(), conductivity, SignificantDigits { 3 });
    return text;
}

} // namespace quelvan::ui
