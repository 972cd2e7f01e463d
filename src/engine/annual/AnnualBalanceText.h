#pragma once

#include "engine/annual/AnnualBalance.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// The annual balance in words and numbers: the columns of its table (names, units, JSON keys,
// number formats), the French table of the command line and of the desktop's copy, and the
// hourly CSV file.
namespace quelvan::annual {

struct BalanceColumn {
    const char* key; // the JSON key
    const char* label; // the table's heading
    const char* unit; // "kWh/m²", "°C", "h", "-", "W/m²"
    int decimals; // of the table's texts (integers: 0)
    bool integer; // a count of hours
    // The value; none for f_Rsi without a qualifying hour.
    std::optional<double> (*value)(const BalanceFigures&);
};

inline constexpr int kBalanceColumnCount = 11;
extern const std::array<BalanceColumn, kBalanceColumnCount> kBalanceColumns;

// The text of a figure as the table shows it (decimal point; "---" when there is no value).
std::string BalanceCellText(const BalanceColumn& column, const BalanceFigures& figures);

// A surface temperature mark as charts name it: "26 °C" for kOverheatingSurface.
std::string SurfaceMarkText(double celsius);

// "Janvier" ... "Décembre" for 0 to 11, "Année" for 12 (the year's row).
std::string BalanceRowName(int row);

// "Bilan annuel (calcul fin) : régime périodique atteint après 2 années simulées" (or "non
// atteint après 5 années simulées, écart 0.012 K").
std::string BalanceTitle(const AnnualBalanceResult& result);

// The title, then the table with one row per month and one for the year, columns aligned, the
// units under the headings.
std::vector<std::string> BalanceTableLines(const AnnualBalanceResult& result);

// The table as tab-separated lines (a header of name and unit, then the rows) for a spreadsheet.
std::string BalanceTabSeparated(const AnnualBalanceResult& result);

// The hours as CSV for spreadsheets and scripts: comma separator, decimal point, CR LF, one
// header line then one line per hour: the hour's end (1 to 8760), T_ext, T_sol-air ext, T_se,
// T_si, T_int (°C) and FSI (W/m²).
std::string HourlyCsv(const std::vector<HourRecord>& hours);

} // namespace quelvan::annual
