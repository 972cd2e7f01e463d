// quelvan-cli dynamic: the dynamic thermal characteristics of a project's wall (EN ISO 13786
// transfer matrices) for a sinusoidal regime of a given period, in French or as JSON.
#include "app/cli/CliArguments.h"
#include "app/cli/CliBatch.h"
#include "app/cli/CliCommands.h"
#include "app/cli/CliPrint.h"

#include "core/Messages.h"
#include "engine/DynamicCharacteristicsText.h"
#include "engine/SiWall.h"
#include "model/KslDoc.h"

#include <nlohmann/json.hpp>

#include <charconv>
#include <cmath>
#include <memory>
#include <optional>
#include <string>

namespace quelvan::cli {

namespace {

constexpr double kDefaultPeriodHours = 24.0;
// From six minutes to a year: a regime of any period in between has a meaning for a wall.
constexpr double kMinimumPeriodHours = 0.1;
constexpr double kMaximumPeriodHours = 8760.0;

struct DynamicOptions {
    std::string project;
    std::optional<double> period;
    bool json = false;
};

// A number of hours within the accepted periods; a decimal comma is accepted as in the form.
std::optional<double> ParsePeriod(const std::string& text)
{
    std::string number = text;
    if (const size_t comma = number.find(','); comma != std::string::npos)
        number[comma] = '.';
    double hours = 0.0;
    const char* end = number.data() + number.size();
    const auto [stop, error] = std::from_chars(number.data(), end, hours);
    if (number.empty() || error != std::errc() || stop != end || !std::isfinite(hours))
        return std::nullopt;
    if (hours < kMinimumPeriodHours || hours > kMaximumPeriodHours)
        return std::nullopt;
    return hours;
}

void PrintJson(const DynamicCharacteristics& values)
{
    nlohmann::ordered_json object;
    for (const DynamicValueInfo& info : kDynamicValues)
        object[info.key] = values.*info.member;
    object["period_h"] = values.periodHours;
    PrintLine(object.dump(2));
}

void PrintText(const DynamicCharacteristics& values)
{
    PrintLine("Période : " + DynamicPeriodText(values.periodHours) + " h");
    for (const DynamicValueInfo& info : kDynamicValues)
        PrintLine(DynamicValueLine(info, values));
}

int Dynamic(const DynamicOptions& options)
{
    KslDoc doc;
    if (!ReadProjectForBatch(doc, options.project) || !CheckWallForBatch(doc))
        return kExitFailure;
    const std::optional<SiWall> wall = SiWallFromProject(doc.layers, doc.surfaces);
    const std::optional<DynamicCharacteristics> values = wall
        ? ComputeDynamicCharacteristics(*wall, options.period.value_or(kDefaultPeriodHours))
        : std::nullopt;
    if (!values) {
        PrintError(msg::kInternalError);
        return kExitFailure;
    }
    if (options.json)
        PrintJson(*values);
    else
        PrintText(*values);
    return kExitOk;
}

} // namespace

void DeclareDynamic(CommandLine& commands)
{
    auto options = std::make_shared<DynamicOptions>();
    CLI::App& command = commands.Add(commands.Root(), "dynamic",
        "affiche les caractéristiques dynamiques de la paroi (amortissement, déphasage...)",
        [options](const CLI::App&) { return Dynamic(*options); });
    AddProjectArgument(command, options->project, "le projet dont la paroi est étudiée");
    AddReadOption<double>(command, "--period", options->period, ParsePeriod, "HEURES",
        "la période du régime sinusoïdal en heures (par défaut 24)",
        "une durée en heures de 0.1 à 8760");
    command.add_flag("--json", options->json,
        "écrit un objet JSON (u, y12, f, shift_h, kappa_int, kappa_ext, y_int, y_ext, "
        "shift_int_h, shift_ext_h, heat_capacity, period_h)");
}

} // namespace quelvan::cli
