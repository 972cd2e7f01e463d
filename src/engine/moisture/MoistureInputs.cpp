#include "engine/moisture/MoistureInputs.h"

#include "core/Messages.h"
#include "core/MoistureMessages.h"
#include "core/NumberText.h"
#include "core/ReadError.h"
#include "model/KslDoc.h"

#include <cmath>

namespace quelvan::moisture {

std::optional<double> InteriorTemperature(
    const KslDoc& doc, const InteriorChoice& choice, const CBCData* interiorAmbiance)
{
    if (choice.temperature)
        return choice.temperature;
    float value = 0.0F;
    if (!doc.moisture.IsEmpty() && ParseFloat(doc.moisture.At(0).interiorTemperature, value))
        return value;
    if (interiorAmbiance == nullptr)
        return std::nullopt;
    const ProfileData& p = interiorAmbiance->temperature;
    if (p.type == ProfileType::Constant)
        return FloatValue(p.values[1]);
    if (p.type == ProfileType::Sinusoid)
        return (FloatValue(p.values[0]) + FloatValue(p.values[1])) / 2.0;
    return std::nullopt;
}

std::optional<double> InteriorTemperature(const KslDoc& doc, const InteriorChoice& choice)
{
    return InteriorTemperature(doc, choice, doc.SelectedAmbiance(Side::Interior));
}

InteriorModel InteriorAt(const KslDoc& doc, const InteriorChoice& choice, double thetaI)
{
    InteriorModel model { InteriorHumidity::RelativeHumidity, 50.0, thetaI };
    if (choice.relativeHumidity) {
        model.value = *choice.relativeHumidity;
    } else if (choice.humidityClass) {
        model = { InteriorHumidity::HumidityClass, std::round(*choice.humidityClass), thetaI };
    } else if (choice.vapourExcess) {
        model = { InteriorHumidity::VapourExcess, *choice.vapourExcess, thetaI };
    } else if (!doc.moisture.IsEmpty()) {
        model.mode = doc.moisture.At(0).mode;
        model.value = InteriorHumidityValue(doc.moisture.At(0)).value_or(50.0);
    }
    return model;
}

std::optional<InteriorModel> InteriorOf(const KslDoc& doc, const InteriorChoice& choice)
{
    const std::optional<double> theta = InteriorTemperature(doc, choice);
    if (!theta)
        return std::nullopt;
    return InteriorAt(doc, choice, *theta);
}

std::optional<std::string> ExteriorWeatherPath(
    const KslDoc& doc, const WeatherSearch& search, std::string* error)
{
    const CBCData* exterior = doc.SelectedAmbiance(Side::Exterior);
    if (exterior == nullptr || !exterior->weatherFlag) {
        if (error != nullptr)
            *error = msg::kExteriorNotWeather;
        return std::nullopt;
    }
    const std::string name = WeatherFileName(exterior->cityIndex, search);
    std::optional<std::string> path = FindWeatherFile(name, search);
    if (!path && error != nullptr)
        *error = std::string(msg::kWeatherReadError) + " : " + name + " : "
            + std::string(ReadFaultText(ReadFault::NotFound));
    return path;
}

} // namespace quelvan::moisture
