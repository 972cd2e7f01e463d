// quelvan-cli validate: runs the validation cases through the engine in both modes and prints
// each result beside its reference; fails when the fine mode misses a tolerance.
#include "app/cli/CliArguments.h"
#include "app/cli/CliCommands.h"
#include "app/cli/CliPrint.h"

#include "core/CharacterCount.h"
#include "core/NumberText.h"
#include "validation/ValidationSuite.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <string_view>

namespace quelvan::cli {

namespace {

using validation::ValidationRow;

// Column widths in characters (the texts are UTF-8).
constexpr std::size_t kWidths[] = { 40, 11, 22, 12, 19, 10 };

std::string Line(const std::string (&cells)[6])
{
    std::string line;
    for (std::size_t i = 0; i < 6; ++i) {
        line += cells[i];
        if (i + 1 < 6)
            line += std::string(
                kWidths[i] - std::min(kWidths[i] - 1, CharacterCount(cells[i])), ' ');
    }
    return line;
}

// Decimals of the values and deviations of a row compared in its unit: two more than its
// tolerance has.
int Decimals(const ValidationRow& row)
{
    return static_cast<int>(std::ceil(-std::log10(row.tolerance))) + 2;
}

std::string Value(const ValidationRow& row, double value)
{
    if (!std::isfinite(value))
        return "non calculé";
    if (row.relative)
        return FormatDouble("%.4g", value);
    return FormatDouble(("%." + FormatInt("%d", Decimals(row)) + "f").c_str(), value);
}

// A deviation in the row's terms: per cent of the reference, or in the row's unit.
std::string Deviation(const ValidationRow& row, double value)
{
    const double d = row.Deviation(value);
    if (!std::isfinite(d))
        return "-";
    if (row.relative)
        return FormatDouble("%+.2f", d) + " %";
    return FormatDouble(("%+." + FormatInt("%d", Decimals(row)) + "f").c_str(), d);
}

std::string Tolerance(const ValidationRow& row)
{
    return FormatDouble("%.3g", row.tolerance) + (row.relative || row.unit == "%" ? " %" : "");
}

int Validate(const std::string& weatherDirectory)
{
    WeatherSearch weather;
    weather.explicitDirectory = weatherDirectory;
    PrintLine("Validation : méthode standard et calcul fin contre des solutions exactes");
    PrintLine("(écart du calcul fin jugé ; celui de la méthode standard entre parenthèses)");
    PrintLine("");
    PrintLine(Line({ "Cas, grandeur (unité)", "Référence", "Méthode standard", "Calcul fin",
        "Écart", "Verdict" }));
    int rows = 0;
    int passed = 0;
    bool computed = true;
    for (const validation::ValidationCase& c : validation::ValidationCases()) {
        PrintLine(c.title);
        const validation::ValidationResult result = validation::RunValidationCase(c, weather);
        if (!result.error.empty()) {
            PrintError(std::string(c.title) + " : " + result.error);
            computed = false;
            continue;
        }
        for (const ValidationRow& row : result.rows) {
            ++rows;
            passed += row.Passed() ? 1 : 0;
            PrintLine(Line({ "  " + row.quantity + " (" + row.unit + ")", Value(row, row.reference),
                Value(row, row.standard) + " (" + Deviation(row, row.standard) + ")",
                Value(row, row.fine), Deviation(row, row.fine) + " / " + Tolerance(row),
                row.Passed() ? "conforme" : "hors tolérance" }));
        }
    }
    PrintLine("");
    PrintLine("Calcul fin : " + FormatInt("%d", passed) + " grandeurs sur " + FormatInt("%d", rows)
        + " dans les tolérances.");
    return computed && passed == rows ? kExitOk : kExitFailure;
}

} // namespace

void DeclareValidate(CommandLine& commands)
{
    auto weatherDirectory = std::make_shared<std::string>();
    CLI::App& command = commands.Add(commands.Root(), "validate",
        "compare les deux modes de calcul à des solutions exactes et juge le calcul fin",
        [weatherDirectory](const CLI::App&) { return Validate(*weatherDirectory); });
    AddWeatherDirectoryOption(command, *weatherDirectory);
    command.footer("Le code de sortie est 1 quand une grandeur du calcul fin est hors tolérance.");
}

} // namespace quelvan::cli
