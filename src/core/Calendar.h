#pragma once

#include <array>
#include <cstddef>

// The year every yearly figure and weather file runs over: 365 days of 24 hours from 1 January
// 0:00, calendar months of 28 to 31 days. Hour h (1 to 8760) runs from h - 1 to h hours after
// the start of the year.
namespace quelvan {

inline constexpr int kHoursPerDay = 24;
inline constexpr int kDaysPerYear = 365;
inline constexpr int kHoursPerYear = kDaysPerYear * kHoursPerDay;
inline constexpr int kMonthCount = 12;

inline constexpr std::array<int, kMonthCount> kDaysPerMonth { 31, 28, 31, 30, 31, 30, 31, 31, 30,
    31, 30, 31 };

inline constexpr std::array<const char*, kMonthCount> kMonthNames { "Janvier", "Février", "Mars",
    "Avril", "Mai", "Juin", "Juillet", "Août", "Septembre", "Octobre", "Novembre", "Décembre" };

// The month (0 to 11) of hour h (1 to 8760).
constexpr int MonthOfHour(int hour)
{
    int day = (hour - 1) / kHoursPerDay;
    for (int month = 0; month < kMonthCount; ++month) {
        if (day < kDaysPerMonth[static_cast<std::size_t>(month)])
            return month;
        day -= kDaysPerMonth[static_cast<std::size_t>(month)];
    }
    return kMonthCount - 1;
}

// The number of hours of a month (0 to 11).
constexpr int HoursOfMonth(int month)
{
    return kHoursPerDay * kDaysPerMonth[static_cast<std::size_t>(month)];
}

static_assert(kHoursPerYear == 8760);
static_assert(MonthOfHour(1) == 0 && MonthOfHour(744) == 0 && MonthOfHour(745) == 1);
static_assert(MonthOfHour(8760) == 11 && MonthOfHour(8016) == 10 && MonthOfHour(8017) == 11);

} // namespace quelvan
