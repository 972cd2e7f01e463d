#include "model/AmbianceCodes.h"

#include <algorithm>

namespace quelvan {

namespace {

using K = EditKind;
constexpr std::array<bool, 2> kBothSides { true, true };
constexpr std::array<bool, 2> kExteriorOnly { true, false };
constexpr std::array<bool, 2> kNowhere { false, false };

// Temperature profiles.
constexpr ValueField kTemperatureMax { "Temp. maxi", "°C" };
constexpr ValueField kTemperatureMin { "Temp. mini", "°C" };
constexpr ValueField kStartHour { "Heure Début", "h" };
constexpr ValueField kEndHour { "Heure Fin", "h" };
// The dialog's default layout of the temperature edits: a range between two hours.
constexpr std::array<ValueField, 4> kTemperatureRange { kTemperatureMax, kTemperatureMin,
    kStartHour, kEndHour };
constexpr std::array<const char*, 4> kTemperatureColumns { "Min\n(°C)", "Max\n(°C)", "H déb.\n(h)",
    "H Fin\n(h)" };
constexpr std::array<const char*, 4> kTemperatureValue { "Valeur\n(° C)" };

constexpr ProfileTexts kTemperature[] = {
    // Null
    { kNowhere, 4, kTemperatureRange, 1, 0, kTemperatureValue, true },
    // Constant
    { kBothSides, 1, { { { "Valeur", "°C" } } }, 1, 1, kTemperatureValue, true },
    // Sinusoid
    { kBothSides, 3, { { kTemperatureMax, kTemperatureMin, { "Heure 1° maxi", "h" } } }, 3, 3,
        { "Min\n(°C)", "Max\n(°C)", "H du maxi\n(h)" }, true },
    // Ramp
    { kBothSides, 4, kTemperatureRange, 4, 4, kTemperatureColumns, true },
    // Square
    { kBothSides, 4, kTemperatureRange, 4, 4, kTemperatureColumns, true },
    // Solar
    { kNowhere, 4, kTemperatureRange, 4, 4,
        { "Min\n(°C)", "Max\n(°C)", "Albédo\n(%)", "1° Jour\n(-)" }, false },
    // Weather
    { kNowhere, 4, kTemperatureRange, 0, 0, {}, false },
    // Unknown
    { kNowhere, 4, kTemperatureRange, 0, 0, {}, true },
};

// Flux profiles.
constexpr std::array<const char*, 4> kFluxColumns { "Min\n(W/m²)", "Max\n(W/m²)", "H déb.\n(h)",
    "H Fin\n(h)" };
constexpr std::array<const char*, 4> kFluxValue { "Valeur\n(W/m²)" };

constexpr ProfileTexts kFlux[] = {
    // Null
    { kBothSides, 0, {}, 1, 0, kFluxValue, false },
    // Constant
    { kBothSides, 1, { { { "Valeur", "W/m²" } } }, 1, 1, kFluxValue, true },
    // Sinusoid
    { kNowhere, 0, {}, 3, 3, { "Min\n(W/m²)", "Max\n(W/m²)", "H du maxi\n(h)" }, true },
    // Ramp
    { kNowhere, 0, {}, 4, 4, kFluxColumns, true },
    // Square
    { kBothSides, 4, { { { "Flux maxi", "W/m²" }, { "Flux mini", "W/m²" }, kStartHour, kEndHour } },
        4, 4, kFluxColumns, true },
    // Solar: the sun is seen from the exterior face only.
    { kExteriorOnly, 4,
        { { { "Latitude", "deg", K::Latitude }, { "C. Transparence", "%", K::Percent },
            { "Albedo du sol", "%", K::Percent }, { "1° jour", "-", K::DayOfYear } } },
        4, 4, { "C. Transp.\n(%)", "Latitude\n(deg)", "Albédo\n(%)", "1° Jour\n(-)" }, false },
    // Weather
    { kNowhere, 0, {}, 0, 0, {}, false },
    // Unknown
    { kNowhere, 0, {}, 0, 0, {}, false },
};

using T = ProfileType;
constexpr std::array<ProfileTypeInfo, 8> kProfileTypes { {
    { T::Null, "NU", "Nul", "Nul", { kTemperature[0], kFlux[0] } },
    { T::Constant, "CS", "Constante", "Constante", { kTemperature[1], kFlux[1] } },
    { T::Sinusoid, "SN", "Sinusoïdale", "Sinus", { kTemperature[2], kFlux[2] } },
    { T::Ramp, "RM", "Rampe", "Rampe", { kTemperature[3], kFlux[3] } },
    { T::Square, "ST", "Créneau", "Créneau", { kTemperature[4], kFlux[4] } },
    { T::Solar, "SO", "Calculé", "Calculé", { kTemperature[5], kFlux[5] } },
    { T::Weather, "FL", "Fichier", "Fichier", { kTemperature[6], kFlux[6] } },
    { T::Unknown, "UN", "Inconnu", "Inconnu", { kTemperature[7], kFlux[7] } },
} };

constexpr std::array<PeriodInfo, 2> kPeriodInfos { {
    { Period::Day, 1, "Jour" },
    { Period::Week, 7, "Semaine" },
} };

constexpr std::array<SideInfo, 2> kSideInfos { {
    { Side::Exterior, "nb de CL exterieures", "Ambiances Extérieures",
        "Ambiance Extérieure :", "Extérieur" },
    { Side::Interior, "nb de CL interieures", "Ambiances Intérieures",
        "Ambiance Intérieure :", "Intérieur" },
} };

constexpr std::array<ComponentInfo, 2> kComponentInfos { {
    { Component::Temperature, "Température" },
    { Component::Flux, "Flux" },
} };

// Each table is indexed by code; a value outside it (never made by the program) reads as the
// last entry.
template <typename Info, size_t N, typename Code>
const Info& Lookup(const std::array<Info, N>& table, Code code)
{
    const auto index = static_cast<size_t>(code);
    return table[index < N ? index : N - 1];
}

constexpr bool IndexedByCode()
{
    for (size_t i = 0; i < kProfileTypes.size(); ++i)
        if (static_cast<size_t>(kProfileTypes[i].type) != i)
            return false;
    for (size_t i = 0; i < kPeriodInfos.size(); ++i)
        if (static_cast<size_t>(kPeriodInfos[i].period) != i)
            return false;
    for (size_t i = 0; i < kSideInfos.size(); ++i)
        if (static_cast<size_t>(kSideInfos[i].side) != i)
            return false;
    for (size_t i = 0; i < kComponentInfos.size(); ++i)
        if (static_cast<size_t>(kComponentInfos[i].component) != i)
            return false;
    return true;
}
static_assert(IndexedByCode());

} // namespace

std::span<const ProfileTypeInfo> ProfileTypes()
{
    return kProfileTypes;
}

const ProfileTypeInfo& Describe(ProfileType type)
{
    return Lookup(kProfileTypes, type);
}

const PeriodInfo& Describe(Period period)
{
    return Lookup(kPeriodInfos, period);
}

const SideInfo& Describe(Side side)
{
    return Lookup(kSideInfos, side);
}

const ComponentInfo& Describe(Component component)
{
    return Lookup(kComponentInfos, component);
}

ProfileType ProfileTypeFromKeyword(std::string_view keyword)
{
    for (const ProfileTypeInfo& info : kProfileTypes)
        if (keyword == info.keyword)
            return info.type;
    return ProfileType::Unknown;
}

std::string ValueLabel(ProfileType type, Component component, size_t value)
{
    const ProfileTexts& texts = TextsOf(type, component);
    for (size_t edit = 0; edit < kEditedValue.size(); ++edit)
        if (kEditedValue[edit] == value && static_cast<int>(edit) < texts.fields)
            return texts.field[edit].label;
    if (static_cast<int>(value) < texts.columns && texts.header[value] != nullptr) {
        std::string header = texts.header[value];
        std::replace(header.begin(), header.end(), '\n', ' ');
        return header;
    }
    return "valeur " + std::to_string(value + 1);
}

std::vector<ProfileType> OfferedTypes(Component component, Side side)
{
    std::vector<ProfileType> types;
    for (const ProfileTypeInfo& info : kProfileTypes)
        if (info.texts[static_cast<size_t>(component)].offered[static_cast<size_t>(side)])
            types.push_back(info.type);
    return types;
}

} // namespace quelvan
