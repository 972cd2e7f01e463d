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

#include <memory>
#include <optional>
#include <string>

namespace quelvan::cli {

namespace {

struct DynamicOptions {
    std::string project;
    std::optional<double> period;
    bool json = false;
};

void PrintJson(const DynamicCharacteristics& values)
{
    nlohmann::ordered_json object;
    for (const DynamicValueInfo& info : kDynamicValues)
        object[info.key] = values.*info.member;
    object["period_h"] = values.periodHours;
    PrintLines(object.dump(2));
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
        ? ComputeDynamicCharacteristics(*wall, options.period.value_or(kDailyPeriodHours))
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
    AddNumberOption(command, "--period", options->period, quelvan::bounds::kPeriodHours, "HEURES",
        "la période du régime sinusoïdal en heures (par défaut 24)");
    // The keys from the table the object is written from.
    std::string keys;
    for (const DynamicValueInfo& info : kDynamicValues)
        keys += std::string(info.key) + ", ";
    command.add_flag("--json", options->json, "écrit un objet JSON (" + keys + "period_h)");
}

} // namespace quelvan::cli
