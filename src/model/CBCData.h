#pragma once

#include "model/GElement.h"

#include <array>
#include <string>

namespace quelvan {

// Profile types of an ambiance: code number, two-letter code in the project file, name shown.
enum class ProfileType : int {
    Null = 0,      // "NU", "Nul"
    Constant = 1,  // "CS", "Constante"
    Sinusoid = 2,  // "SN", "Sinusoïdale"
    Ramp = 3,      // "RM", "Rampe"
    Square = 4,    // "ST", "Créneau"
    Solar = 5,     // "SO", "Calculé"
    Weather = 6,   // "FL", weather file
    Unknown = 7,   // "UN", unknown code read from a file
};

// 0..6 give their codes, anything else "UN".
const char* ProfileTypeCode(int type);
// The seven codes give 0..6, anything else 7.
int ProfileTypeFromCode(std::string_view code);
// "Nul", "Constante", "Sinusoïdale", "Rampe", "Créneau", "Calculé", "Fichier", "Inconnu".
const char* ProfileTypeName(int type);

inline constexpr int kPeriodDay = 0;  // "Jour": a 24-hour cycle
inline constexpr int kPeriodWeek = 1; // "Semaine": a 168-hour cycle
const char* PeriodName(int period);

struct ProfileData {
    int period = kPeriodDay;
    int type = 0;
    std::array<std::string, 4> values; // value 1..4 of the profile, as stored

    friend bool operator==(const ProfileData&, const ProfileData&) = default;
};

inline constexpr std::array<const char*, 10> kCities { "Agen", "Ajaccio", "Carpentras",
    "LaRochelle", "Limoges", "Mâcon", "Millau", "Nancy", "Rennes", "Trappes" };
// Exact comparison; -1 when the name is not a city of the list.
int CityIndexOf(std::string_view name);
// The city text, "UndefinedFile" outside 0..9.
const char* CityName(int index);

inline constexpr int kSideExterior = 0;
inline constexpr int kSideInterior = 1;
inline constexpr int kAmbianceIdentifierBase = 4001;

// An ambiance: the boundary condition on one face, a pair of time profiles (air temperature
// and radiative flux density), or both taken from a weather file.
class CBCData : public GElement {
public:
    CBCData();
    CBCData(int identifier, std::string name, int side, int temperatureType, int fluxType,
            int temperaturePeriod, int fluxPeriod, std::array<std::string, 4> temperatureValues,
            std::array<std::string, 4> fluxValues);

    // Copies name, profiles, identifier, side and weather flag; with the weather flag also the
    // city, the first day and the weather period (written into both profile periods).
    void AssignFrom(const CBCData& other);

    // When the temperature type is 6: sets the weather flag, the city from temperature value 1,
    // the first day from value 2, the periods from the temperature period, values 1-2 to "0".
    void ApplyWeatherCase();

    // Identifier minus 4001.
    int Index() const { return Identifier() - kAmbianceIdentifierBase; }

    ProfileData temperature;
    ProfileData flux;
    int cityIndex = -1;
    int firstDay = 1;
    int weatherPeriod = kPeriodDay;
    bool weatherFlag = false;
    int side = kSideExterior;

    const ProfileData& Profile(int component) const { return component == 0 ? temperature : flux; }
};

} // namespace quelvan
