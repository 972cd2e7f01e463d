#include "model/CBCData.h"

#include "core/NumberText.h"

namespace quelvan {

int CityIndexOf(std::string_view name)
{
    for (size_t i = 0; i < kCities.size(); ++i)
        if (name == kCities[i])
            return static_cast<int>(i);
    return -1;
}

const char* CityName(int index)
{
    if (index < 0 || index >= static_cast<int>(kCities.size()))
        return "UndefinedFile";
    return kCities[static_cast<size_t>(index)];
}

CBCData::CBCData()
{
    SetIdentifierBase(kAmbianceIdentifierBase);
}

CBCData::CBCData(int identifier, std::string name, Side side, ProfileType temperatureType,
    ProfileType fluxType, Period temperaturePeriod, Period fluxPeriod,
    std::array<std::string, 4> temperatureValues, std::array<std::string, 4> fluxValues)
    : temperature { temperaturePeriod, temperatureType, std::move(temperatureValues) }
    , flux { fluxPeriod, fluxType, std::move(fluxValues) }
    , side(side)
{
    SetName(std::move(name));
    SetIdentifier(identifier);
    SetIdentifierBase(kAmbianceIdentifierBase);
}

void CBCData::AssignFrom(const CBCData& other)
{
    SetName(other.Name());
    temperature = other.temperature;
    flux = other.flux;
    SetIdentifier(other.Identifier());
    side = other.side;
    weatherFlag = other.weatherFlag;
    if (other.weatherFlag) {
        cityIndex = other.cityIndex;
        firstDay = other.firstDay;
        weatherPeriod = other.weatherPeriod;
        temperature.period = weatherPeriod;
        flux.period = weatherPeriod;
    }
}

void CBCData::ApplyWeatherCase()
{
    if (temperature.type != ProfileType::Weather)
        return;
    weatherFlag = true;
    cityIndex = CityIndexOf(temperature.values[0]);
    firstDay = IntValue(temperature.values[1]);
    weatherPeriod = temperature.period;
    flux.period = temperature.period;
    temperature.values[0] = "0";
    temperature.values[1] = "0";
}

} // namespace quelvan
