#pragma once

#include "engine/variants/StudyRunner.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// A study's outputs in words and numbers: the columns (the variant's number, its project, the
// values it takes, its figures, the message of a refused variant), each with a key, a French
// heading and a unit, and the three forms a row takes: the French table, CSV and the cells a
// JSON object is made of.
namespace quelvan::variants {

class VariantStudy;

// One figure: its key (those of `dynamic` and `annual` where they exist), heading, unit,
// decimals in the table (CSV keeps two more) and how it is read from the figures; none when the
// figure has no value (f_Rsi of a year without a cold enough hour). The dynamic values take their
// heading and unit from quelvan-cli dynamic's table, the year's their unit, decimals, kind and
// value (and their heading when none is given) from the annual balance's (annual::kBalanceColumns).
struct FigureColumn {
    const char* key;
    const char* label;
    const char* unit;
    int decimals;
    bool integer; // a count of hours
    bool annual; // a figure of the year, shown with the annual balance only
    const char* meaning; // one line of plain French; the dynamic values have theirs
    std::optional<double> (*value)(const VariantFigures&);
};

inline constexpr std::size_t kFigureColumnCount = 15;
extern const std::array<FigureColumn, kFigureColumnCount> kFigureColumns;

// A cell: nothing, a number (its decimals are the column's), a count, a yes/no or a text.
using Cell = std::variant<std::monostate, double, long long, bool, std::string>;

struct StudyColumn {
    // A moisture column's position is in moisture::kSummaryColumns.
    enum class Kind { Index, Project, Axis, Figure, Moisture, Message };
    Kind kind = Kind::Index;
    std::size_t position = 0; // of the axis or of the figure
    std::string key;
    std::string label;
    std::string unit;
    int decimals = 0;
    std::size_t width = 0; // of the table's column, the same for every row and every shard
    bool right = false; // numbers stand right-aligned in the table
};

// The columns of a study's outputs: the index, the project when the study compares several
// projects (or has nothing to sweep), one per axis, the figures (the year's with `annual`) and
// the message; with `moisture` the moisture check's after the figures.
std::vector<StudyColumn> StudyColumns(
    const VariantStudy& study, bool annual, bool moisture = false);

Cell CellOf(const StudyColumn& column, const VariantStudy& study, const VariantResult& result);

// The figure columns alone, as StudyColumns gives them (the desktop's table).
std::vector<StudyColumn> FigureColumns(bool annual, bool moisture = false);
// A figure as the table shows it: its column's decimals, "---" without a value.
std::string FigureText(const StudyColumn& column, const VariantOutcome& outcome);

// What the figure means, in one line of plain French (a row label's tooltip).
std::string FigureMeaning(const StudyColumn& column);
// "Δ +0.12": the figure of that outcome minus the reference's, both as shown (in the column's
// decimals), so that it is the difference of the cells; no sign on zero; empty when either has
// no value.
std::string FigureDifferenceText(
    const StudyColumn& column, const VariantOutcome& outcome, const VariantOutcome& reference);

// The French table: the headings and the units (two lines), then one line per variant: its
// varied values and its figures, or its message in their place.
std::vector<std::string> TableHeader(const std::vector<StudyColumn>& columns);
std::string TableRow(const std::vector<StudyColumn>& columns, const VariantStudy& study,
    const VariantResult& result);

// CSV for spreadsheets: the keys as header, comma separator, decimal point, texts quoted when
// they hold a comma, a quote or a line end.
std::string CsvHeader(const std::vector<StudyColumn>& columns);
std::string CsvRow(const std::vector<StudyColumn>& columns, const VariantStudy& study,
    const VariantResult& result);

} // namespace quelvan::variants
