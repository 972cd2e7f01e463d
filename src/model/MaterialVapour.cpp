// The vapour resistance of a material: what the user gave, else the built-in μ.
#include "model/MaterialVapour.h"

#include "core/NumberText.h"
#include "model/KslDoc.h"

#include <cmath>

namespace quelvan {

bool ReadsAsPositive(std::string_view text, double& value)
{
    float parsed = 0.0F;
    value = 0.0;
    if (!ParseFloat(text, parsed) || !std::isfinite(parsed) || parsed <= 0.0F)
        return false;
    value = static_cast<double>(parsed);
    return true;
}

std::optional<double> InteriorHumidityValue(const MoistureSettings& settings)
{
    float parsed = 0.0F;
    if (!ParseFloat(settings.value, parsed) || !std::isfinite(parsed))
        return std::nullopt;
    const double value = parsed;
    switch (settings.mode) {
    case InteriorHumidity::RelativeHumidity:
        if (value > 0.0 && value <= 100.0)
            return value;
        break;
    case InteriorHumidity::HumidityClass:
        if (value >= 1.0 && value <= 5.0 && value == std::floor(value))
            return value;
        break;
    case InteriorHumidity::VapourExcess:
        if (value >= 0.0 && value <= 30.0)
            return value;
        break;
    }
    return std::nullopt;
}

const MaterialVapour* VapourRecordOf(const KslDoc& doc, int libraryIndex)
{
    for (const MaterialVapour& record : doc.vapour)
        if (record.index == libraryIndex)
            return &record;
    return nullptr;
}

std::optional<VapourResistance> VapourOf(const KslDoc& doc, const CMaterial& material)
{
    double value = 0.0;
    if (const MaterialVapour* own = VapourRecordOf(doc, material.LibraryIndex())) {
        if (ReadsAsPositive(own->sd, value))
            return VapourResistance { true, value };
        if (ReadsAsPositive(own->mu, value))
            return VapourResistance { false, value };
    }
    if (const auto mu = BuiltInMu(material.Identifier(), material.Name()))
        return VapourResistance { false, *mu };
    return std::nullopt;
}

} // namespace quelvan
