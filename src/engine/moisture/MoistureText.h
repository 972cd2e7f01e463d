#pragma once

// The French text of the moisture check, shared by the command line and the desktop: the month
// table of the condensation, the verdict as a sentence and the mould check.
#include "engine/moisture/MoistureCheck.h"

#include <string>
#include <vector>

namespace quelvan::moisture {

// Hourly surface humidity: hours per month above 80 % and the longest run of such hours.
struct SurfaceHumidityHours {
    std::array<int, 12> hoursAbove80 {};
    int longestRunHours = 0;
};

// "4 057": a whole number with its thousands set apart by blanks.
std::string GroupedGrams(double grams);

// "Condensation qui s'évapore en totalité : au plus 4 057 g/m² en mars à l'interface Béton
// lourd | Laine de verre ; sèche en juillet".
std::string VerdictSentence(const CondensationResult& result);

// The heading, one line per month (θe, pe, pi, the places that hold or exchange water, the net
// amount of the month and the amount held), then the verdict.
std::vector<std::string> CondensationTableLines(const CondensationResult& result);

// f_Rsi,min per month, the critical month, the wall's f_Rsi and the verdict.
std::vector<std::string> MouldTableLines(const MouldResult& mould);

std::vector<std::string> SurfaceHumidityLines(const SurfaceHumidityHours& hours);

// "janvier" ... "décembre" for 1 to 12.
std::string MonthName(int month);

} // namespace quelvan::moisture
