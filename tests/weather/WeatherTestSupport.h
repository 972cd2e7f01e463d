#pragma once

// Helpers shared by the weather tests: reading back the lines of a weather file and the
// calendar of a 365-day year, written independently of the code under test.

#include "core/NumberText.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace weathertest {

inline constexpr std::array<int, 12> kMonthDays { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };

struct Row {
    std::array<double, 7> column {}; // column k + 1 of the file
};

// Parses the hour lines (line 2 on) of a weather file given as lines; fails the test on a bad
// cell through the returned flag.
inline bool ParseRows(const std::vector<std::string>& lines, std::vector<Row>& rows)
{
    rows.clear();
    for (std::size_t i = 1; i < lines.size(); ++i) {
        Row row;
        std::size_t start = 0;
        for (int c = 0; c < 7; ++c) {
            const std::size_t end = lines[i].find('\t', start);
            const std::string cell = lines[i].substr(
                start, end == std::string::npos ? std::string::npos : end - start);
            float v = 0.0f;
            if (!quelvan::ParseFloat(cell, v))
                return false;
            row.column[static_cast<std::size_t>(c)] = v;
            if (end == std::string::npos && c < 6)
                return false;
            start = end + 1;
        }
        rows.push_back(row);
    }
    return true;
}

// Means over the days of each month of the daily minimum and maximum of column 2.
struct MonthlyExtremes {
    std::array<double, 12> minimum {};
    std::array<double, 12> maximum {};
};

inline MonthlyExtremes MonthlyTemperatureExtremes(const std::vector<Row>& rows)
{
    MonthlyExtremes result;
    int day = 0;
    for (int m = 0; m < 12; ++m) {
        for (int d = 0; d < kMonthDays[static_cast<std::size_t>(m)]; ++d, ++day) {
            double low = 1e9;
            double high = -1e9;
            for (int h = 0; h < 24; ++h) {
                const double t = rows[static_cast<std::size_t>(24 * day + h)].column[1];
                low = std::min(low, t);
                high = std::max(high, t);
            }
            result.minimum[static_cast<std::size_t>(m)]
                += low / kMonthDays[static_cast<std::size_t>(m)];
            result.maximum[static_cast<std::size_t>(m)]
                += high / kMonthDays[static_cast<std::size_t>(m)];
        }
    }
    return result;
}

// Monthly sums of a column over its hours, divided by 1000 (W/m² hours -> kWh/m²).
inline std::array<double, 12> MonthlyKilowattHours(const std::vector<Row>& rows, int column)
{
    std::array<double, 12> result {};
    int hour = 0;
    for (int m = 0; m < 12; ++m) {
        for (int h = 0; h < 24 * kMonthDays[static_cast<std::size_t>(m)]; ++h, ++hour)
            result[static_cast<std::size_t>(m)]
                += rows[static_cast<std::size_t>(hour)].column[static_cast<std::size_t>(column - 1)]
                / 1000.0;
    }
    return result;
}

} // namespace weathertest
