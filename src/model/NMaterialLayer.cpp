#include "model/NMaterialLayer.h"

#include "core/NumberText.h"
#include "model/CMaterial.h"

namespace quelvan {

NMaterialLayer::NMaterialLayer(const CMaterial* material, std::string thickness)
    : thickness_(std::move(thickness))
    , material_(material)
{
}

double NMaterialLayer::Resistance() const
{
    if (material_ == nullptr)
        return 0.0;
    const double thickness = FloatValue(thickness_);
    const double lambda = FloatValue(material_->Conductivity());
    if (lambda == 0.0)
        return 0.0;
    return thickness / (1000.0 * lambda);
}

} // namespace quelvan
