#include "engine/variants/VariantText.h"

#include "core/CharacterCount.h"
#include "core/NumberText.h"
#include "engine/DynamicCharacteristicsText.h"
#include "engine/annual/AnnualBalanceText.h"
#include "engine/moisture/MoistureSummary.h"
#include "engine/variants/VariantStudy.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace quelvan::variants {

namespace {

// Digits a figure column leaves room for, so that the table's widths never depend on its rows.
constexpr std::size_t kNumberWidth = 8;
constexpr int kCsvExtraDecimals = 2;
constexpr const char* kGap = "  ";

using Figures = VariantFigures;
using Value = std::optional<double>;

template <double DynamicCharacteristics::*member> Value Dynamic(const Figures& f)
{
    return f.dynamic.*member;
}
template <double WeekFigures::*member> Value Week(const Figures& f)
{
    return f.week.*member;
}
// The annual balance's column of a figure of the year.
const annual::BalanceColumn& BalanceColumnOf(const FigureColumn& figure)
{
    for (const annual::BalanceColumn& column : annual::kBalanceColumns)
        if (std::string_view(column.key) == figure.key)
            return column;
    return annual::kBalanceColumns.front(); // every key of the year is the balance's
}

// A figure's value, a year's from the balance's column (none without the year).
Value FigureValue(const FigureColumn& figure, const Figures& f)
{
    if (!figure.annual)
        return figure.value(f);
    return f.year ? BalanceColumnOf(figure).value(*f.year) : std::nullopt;
}

bool IsCount(const FigureColumn& figure)
{
    return figure.annual ? BalanceColumnOf(figure).integer : figure.integer;
}

std::string Padded(const std::string& text, std::size_t width, bool right)
{
    const std::string fill(width > CharacterCount(text) ? width - CharacterCount(text) : 0, ' ');
    return right ? fill + text : text + fill;
}

std::string Fixed(double value, int decimals)
{
    // No "-0.00" for a value that rounds to zero.
    const double shown = std::fabs(value) < 0.5 * std::pow(10.0, -decimals) ? 0.0 : value;
    return FormatDouble(("%." + std::to_string(decimals) + "f").c_str(), shown);
}

std::string AxisKey(const SweepAxis& axis)
{
    const std::string layer = "layer" + std::to_string(axis.layer);
    switch (axis.kind) {
    case AxisKind::Thickness:
        return layer + "_thickness_mm";
    case AxisKind::Material:
        return layer + "_material";
    case AxisKind::Mu:
        return layer + "_mu";
    case AxisKind::Sd:
        return layer + "_sd_m";
    case AxisKind::Reversal:
        return "reversed";
    case AxisKind::Azimuth:
        break;
    }
    return "azimuth_deg";
}

StudyColumn AxisColumn(const SweepAxis& axis, std::size_t position)
{
    const bool numbers = IsLayerAxis(axis.kind) && axis.kind != AxisKind::Material;
    StudyColumn column { StudyColumn::Kind::Axis, position, AxisKey(axis), {}, {}, 0, 0, numbers };
    const std::string layer = "Couche " + std::to_string(axis.layer);
    switch (axis.kind) {
    case AxisKind::Thickness:
        column.label = layer;
        column.unit = "mm";
        break;
    case AxisKind::Material:
        column.label = layer;
        column.unit = "matériau";
        break;
    case AxisKind::Mu:
        column.label = layer;
        column.unit = "μ";
        break;
    case AxisKind::Sd:
        column.label = layer;
        column.unit = "s_d (m)";
        break;
    case AxisKind::Reversal:
        column.label = "Paroi";
        break;
    case AxisKind::Azimuth:
        column.label = "Orientation";
        break;
    }
    for (const AxisValue& value : axis.values)
        column.width = std::max(column.width, CharacterCount(value.text));
    return column;
}

// A text cell as CSV: a text a spreadsheet would run as a formula (starting with "=", "+", "-"
// or "@", such as a name "=HYPERLINK(...)") gets a leading "'", which makes it text there; a
// cell holding a comma, a quote or a line end is quoted.
std::string CsvText(const std::string& text)
{
    const bool formula
        = !text.empty() && std::string_view("=+-@").find(text.front()) != std::string_view::npos;
    std::string cell = formula ? "'" + text : text;
    if (cell.find_first_of(",\"\r\n") == std::string::npos)
        return cell;
    std::string quoted = "\"";
    for (const char c : cell)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

StudyColumn MoistureColumn(std::size_t position)
{
    const moisture::SummaryColumn& summary = moisture::kSummaryColumns[position];
    const bool keyword = summary.kind == moisture::SummaryKind::Keyword;
    StudyColumn column { StudyColumn::Kind::Moisture, position, summary.key, summary.label,
        summary.unit, summary.decimals, keyword ? 0 : kNumberWidth, !keyword };
    // The French words of the verdict set the keyword column's width.
    for (const moisture::Verdict v :
        { moisture::Verdict::None, moisture::Verdict::Evaporates, moisture::Verdict::Accumulates })
        column.width
            = std::max(column.width, keyword ? CharacterCount(moisture::VerdictWord(v)) : 0);
    column.width
        = std::max({ column.width, CharacterCount(column.label), CharacterCount(column.unit) });
    return column;
}

// The moisture check's value of a column: nothing without the check, the verdict's keyword, a
// month or a count of hours, or a number.
Cell MoistureCell(const StudyColumn& column, const VariantOutcome& outcome)
{
    if (!outcome.figures || !outcome.figures->moisture)
        return std::monostate {};
    const moisture::MoistureSummary& summary = *outcome.figures->moisture;
    const moisture::SummaryKind kind = moisture::kSummaryColumns[column.position].kind;
    if (kind == moisture::SummaryKind::Keyword)
        return std::string(moisture::VerdictKeyword(summary.verdict));
    const std::optional<double> value = moisture::SummaryNumber(summary, column.position);
    if (!value)
        return std::monostate {};
    if (kind == moisture::SummaryKind::Number)
        return *value;
    return static_cast<long long>(std::llround(*value));
}

// The moisture check's value as the table shows it.
std::string MoistureText(const StudyColumn& column, const VariantOutcome& outcome)
{
    const Cell cell = MoistureCell(column, outcome);
    if (std::holds_alternative<std::string>(cell))
        return moisture::VerdictWord(outcome.figures->moisture->verdict);
    if (const auto* number = std::get_if<double>(&cell))
        return Fixed(*number, column.decimals);
    if (const auto* count = std::get_if<long long>(&cell))
        return std::to_string(*count);
    return "---";
}

} // namespace

const std::array<FigureColumn, kFigureColumnCount> kFigureColumns { {
    { "u", nullptr, nullptr, 3, false, false, nullptr, Dynamic<&DynamicCharacteristics::u> },
    { "f", nullptr, nullptr, 3, false, false, nullptr,
        Dynamic<&DynamicCharacteristics::decrement> },
    { "shift_h", nullptr, nullptr, 2, false, false, nullptr,
        Dynamic<&DynamicCharacteristics::shiftHours> },
    { "kappa_int", nullptr, nullptr, 1, false, false, nullptr,
        Dynamic<&DynamicCharacteristics::kappaInterior> },
    { "kappa_ext", nullptr, nullptr, 1, false, false, nullptr,
        Dynamic<&DynamicCharacteristics::kappaExterior> },
    { "week_tsi_max", "Tsi max", "°C", 2, false, false,
        "Température de surface intérieure la plus haute de la semaine en calcul fin.",
        Week<&WeekFigures::tsiMax> },
    { "week_peak_flux_w_m2", "Flux max", "W/m²", 2, false, false,
        "Plus grande densité de flux à la surface intérieure dans la semaine, dans un sens ou "
        "dans l'autre.",
        Week<&WeekFigures::peakFlux> },
    { "week_tsi_daily_range", "Amplitude de Tsi (jour 7)", "K", 2, false, false,
        "Amplitude de Tsi le 7e jour : la plus haute moins la plus basse température de surface "
        "intérieure du dernier jour de la semaine.",
        Week<&WeekFigures::tsiDailyRange> },
    { "week_gain_wh_m2", "Apports de la semaine", "Wh/m²", 1, false, false,
        "Chaleur reçue par la pièce à travers la face intérieure pendant la semaine.",
        Week<&WeekFigures::gain> },
    { "week_loss_wh_m2", "Pertes de la semaine", "Wh/m²", 1, false, false,
        "Chaleur perdue par la pièce à travers la face intérieure pendant la semaine.",
        Week<&WeekFigures::loss> },
    // The year's figures take their key, unit, decimals and value from the annual balance's
    // table; a label given here replaces the balance's heading (a study names the year).
    { "loss_kwh_m2", "Pertes annuelles", nullptr, 0, false, true,
        "Chaleur perdue par la pièce à travers la paroi sur l'année en régime périodique.",
        nullptr },
    { "gain_kwh_m2", "Apports annuels", nullptr, 0, false, true,
        "Chaleur reçue par la pièce à travers la paroi sur l'année en régime périodique.",
        nullptr },
    { "net_kwh_m2", "Bilan net annuel", nullptr, 0, false, true,
        "Pertes annuelles moins apports annuels.", nullptr },
    { "hours_tsi_above_26", nullptr, nullptr, 0, false, true,
        "Nombre d'heures de l'année où la surface intérieure dépasse 26 °C.", nullptr },
    { "frsi_min", nullptr, nullptr, 0, false, true,
        "Facteur de température de surface intérieure le plus bas de l'année : plus il est bas, "
        "plus la face intérieure est froide par rapport à l'air intérieur.",
        nullptr },
} };

std::vector<StudyColumn> FigureColumns(bool annual, bool moisture)
{
    std::vector<StudyColumn> columns;
    for (std::size_t f = 0; f < kFigureColumns.size(); ++f) {
        const FigureColumn& figure = kFigureColumns[f];
        if (figure.annual && !annual)
            continue;
        StudyColumn column { StudyColumn::Kind::Figure, f, figure.key, {}, {}, figure.decimals,
            kNumberWidth, true };
        if (figure.annual) {
            const annual::BalanceColumn& year = BalanceColumnOf(figure);
            column.label = figure.label != nullptr ? figure.label : year.label;
            column.unit = year.unit;
            column.decimals = year.decimals;
        } else if (figure.label == nullptr) {
            const DynamicValueInfo& info = DynamicValue(figure.key);
            column.label = info.shortLabel;
            column.unit = *info.unit == '\0' ? "-" : info.unit;
        } else {
            column.label = figure.label;
            column.unit = figure.unit;
        }
        column.width
            = std::max({ column.width, CharacterCount(column.label), CharacterCount(column.unit) });
        columns.push_back(column);
    }
    for (std::size_t m = 0; moisture && m < moisture::kSummaryColumns.size(); ++m)
        columns.push_back(MoistureColumn(m));
    return columns;
}

std::string FigureText(const StudyColumn& column, const VariantOutcome& outcome)
{
    if (column.kind == StudyColumn::Kind::Moisture)
        return MoistureText(column, outcome);
    const FigureColumn& figure = kFigureColumns[column.position];
    const std::optional<double> value
        = outcome.figures ? FigureValue(figure, *outcome.figures) : std::nullopt;
    if (!value)
        return "---";
    return IsCount(figure) ? std::to_string(std::llround(*value)) : Fixed(*value, column.decimals);
}

std::string FigureMeaning(const StudyColumn& column)
{
    if (column.kind == StudyColumn::Kind::Moisture)
        return moisture::kSummaryColumns[column.position].meaning;
    const FigureColumn& figure = kFigureColumns[column.position];
    if (figure.meaning != nullptr)
        return figure.meaning;
    const DynamicValueInfo& info = DynamicValue(figure.key);
    return std::string(info.label) + " : " + info.meaning;
}

std::string FigureDifferenceText(
    const StudyColumn& column, const VariantOutcome& outcome, const VariantOutcome& reference)
{
    std::optional<double> value, base;
    bool integer = false;
    if (column.kind == StudyColumn::Kind::Moisture) {
        const Cell a = MoistureCell(column, outcome);
        const Cell b = MoistureCell(column, reference);
        integer = std::holds_alternative<long long>(a);
        for (const auto& [cell, number] : { std::pair { &a, &value }, std::pair { &b, &base } }) {
            if (const auto* d = std::get_if<double>(cell))
                *number = *d;
            else if (const auto* n = std::get_if<long long>(cell))
                *number = static_cast<double>(*n);
        }
    } else if (outcome.figures && reference.figures) {
        const FigureColumn& figure = kFigureColumns[column.position];
        value = FigureValue(figure, *outcome.figures);
        base = FigureValue(figure, *reference.figures);
        integer = IsCount(figure);
    }
    if (!value || !base)
        return {};
    // The difference of the figures as shown, so that it reads as the subtraction of the cells.
    const double scale = std::pow(10.0, integer ? 0 : column.decimals);
    const double difference = (std::round(*value * scale) - std::round(*base * scale)) / scale;
    const std::string shown
        = integer ? std::to_string(std::llround(difference)) : Fixed(difference, column.decimals);
    // A difference that rounds to zero has no sign (Fixed never writes "-0.00").
    const bool zero = shown.find_first_not_of("0.") == std::string::npos;
    return "Δ " + std::string(difference > 0 && !zero ? "+" : "") + shown;
}

std::vector<StudyColumn> StudyColumns(const VariantStudy& study, bool annual, bool moisture)
{
    std::vector<StudyColumn> columns;
    std::size_t indexWidth = std::to_string(study.Count() == 0 ? 0 : study.Count() - 1).size();
    columns.push_back({ StudyColumn::Kind::Index, 0, "index", "N°", "", 0, indexWidth, true });
    if (study.Axes().empty() || study.Projects().size() > 1) {
        StudyColumn project { StudyColumn::Kind::Project, 0, "project", "Projet", "", 0, 0, false };
        for (const StudyProject& p : study.Projects())
            project.width = std::max(project.width, CharacterCount(p.name));
        columns.push_back(project);
    }
    for (std::size_t a = 0; a < study.Axes().size(); ++a)
        columns.push_back(AxisColumn(study.Axes()[a], a));
    for (StudyColumn& column : FigureColumns(annual, moisture))
        columns.push_back(std::move(column));
    columns.push_back({ StudyColumn::Kind::Message, 0, "error", "", "", 0, 0, false });
    for (StudyColumn& column : columns)
        column.width
            = std::max({ column.width, CharacterCount(column.label), CharacterCount(column.unit) });
    return columns;
}

Cell CellOf(const StudyColumn& column, const VariantStudy& study, const VariantResult& result)
{
    switch (column.kind) {
    case StudyColumn::Kind::Index:
        return static_cast<long long>(result.index);
    case StudyColumn::Kind::Project: {
        const std::size_t project = study.Choice(result.index).project;
        return project < study.Projects().size() ? study.Projects()[project].name : std::string();
    }
    case StudyColumn::Kind::Axis: {
        const SweepAxis& axis = study.Axes()[column.position];
        const AxisValue& value = axis.values[study.Choice(result.index).values[column.position]];
        switch (axis.kind) {
        case AxisKind::Material:
            return value.text;
        case AxisKind::Reversal:
            return value.number != 0.0;
        case AxisKind::Azimuth:
            return static_cast<long long>(value.number);
        case AxisKind::Thickness:
        case AxisKind::Mu:
        case AxisKind::Sd:
            break;
        }
        return value.number;
    }
    case StudyColumn::Kind::Figure: {
        if (!result.outcome.figures)
            return std::monostate {};
        const FigureColumn& figure = kFigureColumns[column.position];
        const std::optional<double> value = FigureValue(figure, *result.outcome.figures);
        if (!value)
            return std::monostate {};
        if (IsCount(figure))
            return static_cast<long long>(std::llround(*value));
        return *value;
    }
    case StudyColumn::Kind::Moisture:
        return MoistureCell(column, result.outcome);
    case StudyColumn::Kind::Message:
        break;
    }
    return result.outcome.figures ? Cell {} : Cell { result.outcome.error };
}

std::vector<std::string> TableHeader(const std::vector<StudyColumn>& columns)
{
    std::string labels, units;
    for (const StudyColumn& column : columns) {
        if (column.kind == StudyColumn::Kind::Message)
            break;
        labels += (labels.empty() ? "" : kGap) + Padded(column.label, column.width, column.right);
        units += (units.empty() ? "" : kGap) + Padded(column.unit, column.width, column.right);
    }
    for (std::string* line : { &labels, &units })
        line->erase(line->find_last_not_of(' ') + 1);
    return { labels, units };
}

std::string TableRow(
    const std::vector<StudyColumn>& columns, const VariantStudy& study, const VariantResult& result)
{
    std::string row;
    for (const StudyColumn& column : columns) {
        const Cell cell = CellOf(column, study, result);
        const bool figure = column.kind == StudyColumn::Kind::Figure
            || column.kind == StudyColumn::Kind::Moisture;
        if (figure && !result.outcome.figures)
            continue;
        std::string text;
        if (column.kind == StudyColumn::Kind::Axis) {
            const SweepAxis& axis = study.Axes()[column.position];
            text = axis.values[study.Choice(result.index).values[column.position]].text;
        } else if (figure) {
            text = FigureText(column, result.outcome);
        } else if (const auto* count = std::get_if<long long>(&cell)) {
            text = std::to_string(*count);
        } else if (const auto* words = std::get_if<std::string>(&cell)) {
            text = *words;
        } else {
            continue;
        }
        if (column.kind == StudyColumn::Kind::Message)
            row += kGap + text;
        else
            row += (row.empty() ? "" : kGap) + Padded(text, column.width, column.right);
    }
    // Trailing blanks of a last column padded on the right go.
    row.erase(row.find_last_not_of(' ') + 1);
    return row;
}

std::string CsvHeader(const std::vector<StudyColumn>& columns)
{
    std::string line;
    for (const StudyColumn& column : columns)
        line += (line.empty() ? "" : ",") + column.key;
    return line;
}

std::string CsvRow(
    const std::vector<StudyColumn>& columns, const VariantStudy& study, const VariantResult& result)
{
    std::string line;
    bool first = true;
    for (const StudyColumn& column : columns) {
        const Cell cell = CellOf(column, study, result);
        std::string text;
        const bool typed = column.kind == StudyColumn::Kind::Axis
            && IsLayerAxis(study.Axes()[column.position].kind)
            && study.Axes()[column.position].kind != AxisKind::Material;
        if (typed) {
            // The thickness, μ or s_d exactly as it went into the project.
            const SweepAxis& axis = study.Axes()[column.position];
            text = axis.values[study.Choice(result.index).values[column.position]].text;
        } else if (const auto* number = std::get_if<double>(&cell)) {
            text = Fixed(*number, column.decimals + kCsvExtraDecimals);
        } else if (const auto* count = std::get_if<long long>(&cell)) {
            text = std::to_string(*count);
        } else if (const auto* yes = std::get_if<bool>(&cell)) {
            text = *yes ? "1" : "0";
        } else if (const auto* words = std::get_if<std::string>(&cell)) {
            text = CsvText(*words);
        }
        line += (first ? "" : ",") + text;
        first = false;
    }
    return line;
}

} // namespace quelvan::variants
