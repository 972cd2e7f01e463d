#include "model/AmbianceCheck.h"

#include "core/Messages.h"
#include "core/PhysicalBounds.h"
#include "model/CBCData.h"

#include <array>
#include <cstdint>

namespace quelvan {

namespace {

// What a stored value of a profile holds for the calculation.
enum class Holds : std::uint8_t { Nothing, Quantity, Hour, Percent, Latitude, Day };

// The values each type reads, by index; the others are kept as stored and never read.
struct TypeValues {
    ProfileType type;
    std::array<Holds, 4> values;
};

using H = Holds;
constexpr TypeValues kReadValues[] {
    { ProfileType::Constant, { H::Nothing, H::Quantity, H::Nothing, H::Nothing } },
    { ProfileType::Sinusoid, { H::Quantity, H::Quantity, H::Hour, H::Nothing } },
    { ProfileType::Ramp, { H::Quantity, H::Quantity, H::Hour, H::Hour } },
    { ProfileType::Square, { H::Quantity, H::Quantity, H::Hour, H::Hour } },
    // The computed sun: transparency, latitude, albedo and day of the year.
    { ProfileType::Solar, { H::Percent, H::Latitude, H::Percent, H::Day } },
};

const Bounds& BoundsOf(Holds holds, Component component)
{
    switch (holds) {
    case H::Hour:
        return bounds::kHour;
    case H::Percent:
        return bounds::kPercent;
    case H::Latitude:
        return bounds::kLatitude;
    case H::Day:
        return bounds::kSolarDay;
    default:
        return component == Component::Temperature ? bounds::kAirTemperature : bounds::kFluxDensity;
    }
}

// "Ambiance extérieure « Météo de la ville de Mâcon »".
std::string Place(const CBCData& record, Side side)
{
    return std::string(side == Side::Exterior ? "Ambiance extérieure" : "Ambiance intérieure")
        + " « " + record.Name() + " »";
}

std::string Place(const CBCData& record, Side side, Component component)
{
    return Place(record, side) + (component == Component::Temperature ? ", température" : ", flux");
}

CalculationCheck Refusal(AmbianceFault fault, const std::string& where, const std::string& what)
{
    return { fault, where + " : " + what + " : " + msg::kCalculationImpossible };
}

// Value `index` of the component's profile, named as a value of a profile of type `type`.
CalculationCheck CheckValue(const CBCData& record, Side side, Component component, ProfileType type,
    size_t index, Holds holds)
{
    const std::string& text = record.Profile(component).values[index];
    const Bounds& b = BoundsOf(holds, component);
    const bool whole = holds == H::Hour || holds == H::Day;
    const ValueFault fault = whole ? CheckWholeNumber(text, b) : CheckNumber(text, b);
    if (fault == ValueFault::None)
        return {};
    return Refusal(AmbianceFault::BadValue, Place(record, side, component),
        ValueLabel(type, component, index) + " " + DescribeValueFault(text, fault, b));
}

CalculationCheck CheckProfile(const CBCData& record, Side side, Component component)
{
    const ProfileType type = record.Profile(component).type;
    if (component == Component::Temperature && type == ProfileType::Solar)
        return Refusal(AmbianceFault::TemperatureFromSun, Place(record, side, component),
            "le type « Calculé » ne donne qu'un flux");
    for (const TypeValues& read : kReadValues) {
        if (read.type != type)
            continue;
        for (size_t i = 0; i < read.values.size(); ++i) {
            if (read.values[i] == H::Nothing)
                continue;
            CalculationCheck check = CheckValue(record, side, component, type, i, read.values[i]);
            if (!check.Passed())
                return check;
        }
    }
    return {};
}

// A weather file gives the temperature and the sun; the record gives the day the run starts
// on and the ground's albedo.
CalculationCheck CheckWeather(const CBCData& record, Side side)
{
    if (!bounds::kDayOfYear.Contains(record.firstDay))
        return Refusal(AmbianceFault::BadValue, Place(record, side),
            "premier jour du fichier "
                + DescribeValueFault(
                    std::to_string(record.firstDay), ValueFault::OutOfBounds, bounds::kDayOfYear));
    return CheckValue(record, side, Component::Flux, ProfileType::Solar, 2, H::Percent);
}

} // namespace

const Bounds* ProfileValueBounds(ProfileType type, Component component, std::size_t index)
{
    for (const TypeValues& read : kReadValues)
        if (read.type == type && index < read.values.size() && read.values[index] != H::Nothing)
            return &BoundsOf(read.values[index], component);
    return nullptr;
}

bool FluxActs(const CBCData& record)
{
    if (record.weatherFlag)
        return true;
    for (const TypeValues& read : kReadValues)
        if (read.type == record.flux.type)
            return true;
    return false;
}

CalculationCheck CheckAmbiance(const CBCData* record, Side side, const SurfaceTexts& surfaces)
{
    if (record == nullptr)
        return { AmbianceFault::NoAmbiance,
            std::string(side == Side::Exterior ? "Aucune ambiance extérieure"
                                               : "Aucune ambiance intérieure")
                + " n'est choisie : " + msg::kCalculationImpossible };
    CalculationCheck check = record->weatherFlag
        ? CheckWeather(*record, side)
        : CheckProfile(*record, side, Component::Temperature);
    if (check.Passed() && !record->weatherFlag)
        check = CheckProfile(*record, side, Component::Flux);
    if (!check.Passed() || !FluxActs(*record))
        return check;
    const std::string& absorption
        = side == Side::Exterior ? surfaces.absorptionExterior : surfaces.absorptionInterior;
    const ValueFault fault = CheckNumber(absorption, bounds::kAbsorption);
    if (fault != ValueFault::None)
        return Refusal(AmbianceFault::BadAbsorption,
            side == Side::Exterior ? "Face extérieure" : "Face intérieure",
            "coefficient d'absorption "
                + DescribeValueFault(absorption, fault, bounds::kAbsorption));
    return {};
}

} // namespace quelvan
