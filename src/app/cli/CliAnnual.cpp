// quelvan-cli annual: the heat balance of the project's wall over a periodic year, month by
// month, as a French table or as JSON, and its hours as CSV.
#include "app/cli/CliArguments.h"
#include "app/cli/CliBatch.h"
#include "app/cli/CliCommands.h"
#include "app/cli/CliOutputs.h"
#include "app/cli/CliPrint.h"

#include "core/Messages.h"
#include "core/NumberText.h"
#include "core/TextFile.h"
#include "engine/SurfacePrecision.h"
#include "engine/annual/AnnualBalanceText.h"
#include "model/KslDoc.h"

#include <nlohmann/json.hpp>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quelvan::cli {

namespace {

struct AnnualCommandOptions {
    std::string project;
    std::string weatherDirectory;
    std::string hourly;
    bool standard = false;
    bool json = false;
    bool force = false;
};

nlohmann::ordered_json FiguresJson(const annual::BalanceFigures& figures)
{
    nlohmann::ordered_json object;
    for (const annual::BalanceColumn& column : annual::kBalanceColumns) {
        const std::optional<double> value = column.value(figures);
        if (!value)
            object[column.key] = nullptr;
        else if (column.integer)
            object[column.key] = static_cast<int>(*value);
        else
            object[column.key] = *value;
    }
    return object;
}

void PrintJson(const annual::AnnualBalanceResult& result)
{
    nlohmann::ordered_json object;
    object["mode"] = result.mode == CalculationMode::Fine ? "fine" : "standard";
    object["passes"] = result.passes;
    nlohmann::ordered_json months = nlohmann::ordered_json::array();
    for (int m = 0; m < kMonthCount; ++m) {
        nlohmann::ordered_json month;
        month["month"] = m + 1;
        month.update(FiguresJson(result.figures.months[static_cast<size_t>(m)]));
        months.push_back(month);
    }
    object["months"] = months;
    object["year"] = FiguresJson(result.figures.year);
    PrintLines(object.dump(2));
}

int Annual(const AnnualCommandOptions& options)
{
    KslDoc doc;
    if (!ReadProjectForBatch(doc, options.project)
        || !OutputsAreSafe(FilesReadByRun(options.project, doc, options.weatherDirectory),
            { options.hourly }, options.force)
        || !OutputFoldersAreWritable({ options.hourly }))
        return kExitFailure;
    WeatherSearch search;
    search.explicitDirectory = options.weatherDirectory;
    CalculationInputs inputs = InputsFromDocument(doc, search);

    std::string error;
    const CalculationMode mode
        = options.standard ? CalculationMode::Standard : CalculationMode::Fine;
    inputs.mode = mode;
    const std::optional<annual::AnnualProblem> problem
        = annual::PrepareAnnualBalance(doc, inputs, mode, &error);
    // The standard year forms its surface fluxes as the week does, and is warned of as it is.
    if (problem)
        for (const std::string& warning : SurfacePrecisionWarnings(inputs))
            PrintError(warning);
    const std::optional<annual::AnnualBalanceResult> result
        = problem ? annual::RunAnnualBalance(*problem) : std::nullopt;
    if (!result) {
        PrintError(error.empty() ? msg::kInternalError : error);
        return kExitFailure;
    }
    if (!result->converged) {
        PrintError(annual::BalanceTitle(*result));
        PrintError(msg::kYearNotPeriodic);
    }
    if (options.json) {
        PrintJson(*result);
    } else {
        for (const std::string& line : annual::BalanceTableLines(*result))
            PrintLine(line);
    }
    if (!options.hourly.empty()) {
        if (!WriteFileAtomically(options.hourly, annual::HourlyCsv(result->hours))) {
            PrintError(std::string(msg::kHourlyNotWritten) + " : " + options.hourly);
            return kExitFailure;
        }
        if (!options.json)
            PrintLine(
                "Heures : " + options.hourly + " (" + FormatInt("%d", kHoursPerYear) + " heures)");
    }
    return kExitOk;
}

} // namespace

void DeclareAnnual(CommandLine& commands)
{
    auto options = std::make_shared<AnnualCommandOptions>();
    CLI::App& command = commands.Add(commands.Root(), "annual",
        "bilan thermique de la paroi sur une année périodique, mois par mois",
        [options](const CLI::App&) { return Annual(*options); });
    AddProjectArgument(command, options->project, "le projet dont la paroi est étudiée");
    AddWeatherDirectoryOption(command, options->weatherDirectory);
    command.add_flag("--standard", options->standard,
        "calcul standard (cinq mailles par couche, un pas implicite d'une heure) au lieu du "
        "calcul fin");
    command.add_flag("--json", options->json,
        "écrit un objet JSON (mode, passes, months, year ; clés loss_kwh_m2, gain_kwh_m2, "
        "net_kwh_m2, steady_kwh_m2, tsi_min, tsi_max, hours_tsi_above_26, hours_tsi_below_17, "
        "frsi_min, peak_in_w_m2, peak_out_w_m2)");
    AddOutputOption(command, "--hourly", options->hourly, "HEURES.csv",
        "écrit les 8760 heures en CSV (heure, T_ext, T_sol-air ext, T_se, T_si, T_int, FSI)");
    AddForceFlag(command, options->force);
}

} // namespace quelvan::cli
