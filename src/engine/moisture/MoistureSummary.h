#pragma once

// The moisture check of a wall in one row: the verdict, the most water held and its month, the
// water left after a year, the wall's f_Rsi against the critical month's, and the hours of the
// inner surface above 80 % when a weather year gave them. Its keys are those of
// quelvan-cli condensation --json, which prints the full year.
#include "engine/moisture/MoistureCheck.h"
#include "engine/moisture/MoistureText.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>

namespace quelvan::moisture {

struct MoistureSummary {
    Verdict verdict = Verdict::None;
    double maxTotalGPerM2 = 0.0;
    int maxMonth = 0; // 0 when nothing condenses
    double endTotalGPerM2 = 0.0;
    double frsiWall = 0.0;
    std::optional<double> frsiMax; // none when every month is skipped
    std::optional<int> hoursAbove80; // the year's, with a weather year only
};

MoistureSummary Summarize(const CondensationResult& result, const MouldResult& mould,
    const std::optional<SurfaceHumidityHours>& surface);

// A value of the summary: a keyword, a number (decimals of its column), a month or a count.
enum class SummaryKind { Keyword, Number, Month, Count };

struct SummaryColumn {
    const char* key;
    const char* label;
    const char* unit;
    int decimals;
    SummaryKind kind;
    const char* meaning; // one line of plain French
};

inline constexpr std::size_t kSummaryColumnCount = 7;
enum class SummaryFigure : std::size_t {
    Verdict,
    MaxTotal,
    MaxMonth,
    EndTotal,
    FrsiWall,
    FrsiMax,
    HoursAbove80
};
extern const std::array<SummaryColumn, kSummaryColumnCount> kSummaryColumns;

constexpr const char* SummaryKey(SummaryFigure figure)
{
    return kSummaryColumns[static_cast<std::size_t>(figure)].key;
}

// The verdict in a word of the French table: "aucune", "s'évapore", "s'accumule".
const char* VerdictWord(Verdict verdict);

// The number of a column (the month as 1 to 12, the count of hours); none for the verdict, a
// month without condensation, f_Rsi,max of a year without a cold month and hours without a
// weather year.
std::optional<double> SummaryNumber(const MoistureSummary& summary, std::size_t column);

} // namespace quelvan::moisture
