#pragma once

#include "core/Calendar.h"
#include "core/EditValidation.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quelvan {

// The shape of an ambiance profile, numbered as the dialogs and the engine number it.
enum class ProfileType : int {
    Null = 0,
    Constant = 1,
    Sinusoid = 2,
    Ramp = 3,
    Square = 4,
    Solar = 5, // computed clear-sky flux
    Weather = 6, // taken from a weather file
    Unknown = 7, // a code the project file reader did not know
};

// The cycle a profile repeats: a day (24 hours) or a week (168 hours).
enum class Period : int { Day = 0, Week = 1 };

// The face of the wall an ambiance stands on.
enum class Side : int { Exterior = 0, Interior = 1 };

// The two profiles of an ambiance: air temperature and radiative flux density.
enum class Component : int { Temperature = 0, Flux = 1 };

inline constexpr std::array<Component, 2> kComponents { Component::Temperature, Component::Flux };
inline constexpr std::array<Period, 2> kPeriods { Period::Day, Period::Week };

// One value edit of the ambiance dialog.
struct ValueField {
    const char* label = nullptr;
    const char* unit = nullptr;
    EditKind kind = EditKind::Integer;
};

// What the interface shows of one profile (temperature or flux) of a given type.
struct ProfileTexts {
    // The ambiance dialog's type list offers the type on an exterior / interior ambiance.
    std::array<bool, 2> offered {};
    // The dialog shows the first `fields` value edits, labelled and typed as listed.
    int fields = 0;
    std::array<ValueField, 4> field {};
    // The report's parameter columns and how many of them show a stored value (from value 1).
    int columns = 0;
    int valuesShown = 0;
    std::array<const char*, 4> header {};
    // The ambiance list shows values 1 and 2; otherwise "---".
    bool listShowsValues = false;
};

struct ProfileTypeInfo {
    ProfileType type;
    const char* keyword; // the two letters of the project file
    const char* name; // the dialogs' name
    const char* reportName; // the report's (shorter for the sinusoid)
    std::array<ProfileTexts, 2> texts; // by component
};

struct PeriodInfo {
    Period period;
    int days; // the project file stores a period as its length in days
    const char* name; // dialogs, lists and report
};

struct SideInfo {
    Side side;
    const char* countLabel; // the project file's count line of the side's ambiances
    const char* listTitle; // the ambiance list dialog
    const char* reportCaption; // the report's project data
    const char* faceName; // "Extérieur" / "Intérieur": the face in the form and the tables
};

struct ComponentInfo {
    Component component;
    const char* name; // dialog box and report row
};

std::span<const ProfileTypeInfo> ProfileTypes();
const ProfileTypeInfo& Describe(ProfileType type);
const PeriodInfo& Describe(Period period);
const SideInfo& Describe(Side side);
const ComponentInfo& Describe(Component component);

// The texts of one component of a type.
inline const ProfileTexts& TextsOf(ProfileType type, Component component)
{
    return Describe(type).texts[static_cast<size_t>(component)];
}

// The two letters of the project file.
inline const char* ProfileTypeKeyword(ProfileType type)
{
    return Describe(type).keyword;
}
// The type of a keyword; any text that is not a known keyword gives Unknown.
ProfileType ProfileTypeFromKeyword(std::string_view keyword);
// The name the dialogs show.
inline const char* ProfileTypeName(ProfileType type)
{
    return Describe(type).name;
}
// The ambiance dialog's value edits ("Valeur 1" to "Valeur 4", "Flux 1" to "Flux 4") show the
// stored values 2, 1, 3, 4 (indices 1, 0, 2, 3).
inline constexpr std::array<size_t, 4> kEditedValue { 1, 0, 2, 3 };
// How a stored value (index 0..3) of a profile is named: by the ambiance dialog's label of its
// edit ("Temp. maxi"), else by the report's column ("Min (W/m²)"), else "valeur N" (N from 1).
std::string ValueLabel(ProfileType type, Component component, size_t value);

// The types the dialog's list of that component offers on that side, in list order.
std::vector<ProfileType> OfferedTypes(Component component, Side side);

inline const char* PeriodName(Period period)
{
    return Describe(period).name;
}
inline int PeriodDays(Period period)
{
    return Describe(period).days;
}
// The hours of a period's profile: 24 for a day, 168 for a week.
inline int PeriodHours(Period period)
{
    return PeriodDays(period) * kHoursPerDay;
}
// A length of 1 day is a day; any other number a week.
inline Period PeriodFromDays(int days)
{
    return days == 1 ? Period::Day : Period::Week;
}

} // namespace quelvan
