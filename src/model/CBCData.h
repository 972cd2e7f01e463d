#pragma once

#include "model/AmbianceCodes.h"
#include "model/GElement.h"

#include <array>
#include <string>

namespace quelvan {

struct ProfileData {
    Period period = Period::Day;
    ProfileType type = ProfileType::Null;
    std::array<std::string, 4> values; // value 1..4 of the profile, as stored

    friend bool operator==(const ProfileData&, const ProfileData&) = default;
};

inline constexpr std::array<const char*, 10> kCities { "Agen", "Ajaccio", "Carpentras",
    "LaRochelle", "Limoges", "Mâcon", "Millau", "Nancy", "Rennes", "Trappes" };
// Exact comparison; -1 when the name is not a city of the list.
int CityIndexOf(std::string_view name);
// The city text, "UndefinedFile" outside 0..9.
const char* CityName(int index);

inline constexpr int kAmbianceIdentifierBase = 4001;

// An ambiance: the boundary condition on one face, a pair of time profiles (air temperature
// and radiative flux density), or both taken from a weather file.
class CBCData : public GElement {
public:
    CBCData();
    CBCData(int identifier, std::string name, Side side, ProfileType temperatureType,
        ProfileType fluxType, Period temperaturePeriod, Period fluxPeriod,
        std::array<std::string, 4> temperatureValues, std::array<std::string, 4> fluxValues);

    // Copies name, profiles, identifier, side and weather flag; with the weather flag also the
    // city, the first day and the weather period (written into both profile periods).
    void AssignFrom(const CBCData& other);

    // When the temperature type is Weather: sets the weather flag, the city from temperature value
    // 1, the first day from value 2, the periods from the temperature period, values 1-2 to "0".
    void ApplyWeatherCase();

    // Identifier minus 4001.
    int Index() const { return Identifier() - kAmbianceIdentifierBase; }

    ProfileData temperature;
    ProfileData flux;
    int cityIndex = -1;
    int firstDay = 1;
    Period weatherPeriod = Period::Day;
    bool weatherFlag = false;
    Side side = Side::Exterior;

    const ProfileData& Profile(Component component) const
    {
        return component == Component::Temperature ? temperature : flux;
    }

    friend bool operator==(const CBCData&, const CBCData&) = default;
};

} // namespace quelvan
