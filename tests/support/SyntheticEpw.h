#pragma once

// A small EPW weather file written by a test: a year of hourly records at 45° N, 5° E, UTC+1,
// with the dry-bulb temperature of every hour from a function and no sun at all (so that the
// file never contradicts its time zone).
#include "core/NumberText.h"

#include <array>
#include <fstream>
#include <functional>
#include <string>

namespace quelvan::test {

// hour: 1 to 8760, the hour of the year that the record ends.
inline void WriteSyntheticEpw(
    const std::string& path, const std::string& city, const std::function<double(int)>& temperature)
{
    constexpr std::array<int, 12> kMonthDays { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    std::ofstream out(path, std::ios::binary);
    out << "LOCATION," << city << ",REG,FRA,Essai,000000,45.0,5.0,1.0,200.0\r\n"
        << "DESIGN CONDITIONS,0\r\nTYPICAL/EXTREME PERIODS,0\r\nGROUND TEMPERATURES,0\r\n"
        << "HOLIDAYS/DAYLIGHT SAVINGS,No,0,0,0\r\nCOMMENTS 1,\r\nCOMMENTS 2,\r\n"
        << "DATA PERIODS,1,1,Data,Sunday, 1/ 1,12/31\r\n";
    int hour = 0;
    for (int month = 1; month <= 12; ++month)
        for (int day = 1; day <= kMonthDays[static_cast<std::size_t>(month - 1)]; ++day)
            for (int h = 1; h <= 24; ++h) {
                out << "1999," << month << ',' << day << ',' << h << ",60,?9?9?9?9E0,"
                    << FormatDouble("%.1f", temperature(++hour)) << ",5.0,80,99000,0,0,300,0,0,0";
                for (int field = 16; field < 35; ++field)
                    out << ",0";
                out << "\r\n";
            }
}

} // namespace quelvan::test
