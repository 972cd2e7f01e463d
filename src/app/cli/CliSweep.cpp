// quelvan-cli sweep: the variants of one project over a layer's thickness or material, the wall
// reversed and the orientation, every combination, computed on all cores.
#include "app/cli/CliArguments.h"
#include "app/cli/CliBatch.h"
#include "app/cli/CliCommands.h"
#include "app/cli/CliStudy.h"

#include "engine/variants/VariantStudy.h"
#include "model/KslDoc.h"

#include <memory>
#include <string>

namespace quelvan::cli {

namespace {

struct SweepOptions {
    std::string project;
    StudyCommandOptions study;
    variants::SweepRequest request;
    std::string layer; // the last --layer given
    bool layerUnused = false; // and no --thickness or --material after it yet
    std::string skippedLayer; // the first --layer followed by another --layer, not by a value
};

// The option a value axis is given with.
const char* AxisOption(variants::AxisKind kind)
{
    using variants::AxisKind;
    switch (kind) {
    case AxisKind::Thickness:
        return "--thickness";
    case AxisKind::Material:
        return "--material";
    case AxisKind::Mu:
        return "--mu";
    case AxisKind::Sd:
        return "--sd";
    case AxisKind::Reversal:
        return "--reverse";
    case AxisKind::Azimuth:
        break;
    }
    return "--azimuth";
}

// "--thickness : la plage « 300:20:20 » est vide", "--layer : la paroi n'a pas de couche 5".
std::string FaultMessage(const variants::SweepFault& fault)
{
    const bool layer = fault.subject == variants::SweepFault::Subject::Layer;
    return std::string(layer ? "--layer" : AxisOption(fault.axis)) + " : " + fault.reason;
}

int Sweep(const CLI::App& command, const SweepOptions& options)
{
    if (!options.skippedLayer.empty() || options.layerUnused)
        return UsageError(command,
            "--layer " + (options.skippedLayer.empty() ? options.layer : options.skippedLayer)
                + " : --thickness ou --material doit suivre");
    KslDoc doc;
    if (!ReadProjectForBatch(doc, options.project))
        return kExitFailure;
    variants::SweepFault fault;
    std::optional<std::vector<variants::SweepAxis>> axes
        = variants::BuildAxes(doc, options.request, &fault);
    if (!axes)
        return UsageError(command, FaultMessage(fault));
    if (axes->empty())
        return UsageError(command,
            "Rien à faire varier : indiquer --layer N avec --thickness ou --material, --reverse "
            "ou --azimuth");
    variants::VariantStudy study;
    study.AddProject(doc, options.project);
    study.SetAxes(std::move(*axes));
    if (study.Count() > variants::kMaxVariantsUnforced && !options.study.force)
        return UsageError(command,
            variants::TooManyVariantsText(study.Count())
                + " : ajouter --force pour la lancer quand même");
    return RunStudyCommand(command, study, { options.project }, options.study);
}

// --thickness, --material, --mu and --sd apply to the layer of the --layer before them: each is
// taken as it is read, in the order typed.
void AddLayerOption(CLI::App& command, SweepOptions& options, variants::AxisKind kind,
    const std::string& name, const std::string& placeholder, const std::string& description)
{
    command
        .add_option_function<std::string>(
            name,
            [&options, kind, name](const std::string& values) {
                if (options.layer.empty())
                    throw CLI::ValidationError(name, "--layer N doit le précéder");
                options.request.layers.push_back({ kind, options.layer, values });
                options.layerUnused = false;
            },
            description)
        ->type_name(placeholder)
        ->trigger_on_parse();
}

} // namespace

void DeclareSweep(CommandLine& commands)
{
    auto options = std::make_shared<SweepOptions>();
    CLI::App& command = commands.Add(commands.Root(), "sweep",
        "calcule les variantes d'un projet (épaisseur ou matériau d'une couche, paroi inversée, "
        "orientations, toutes leurs combinaisons) sur tous les cœurs",
        [options](const CLI::App& app) { return Sweep(app, *options); });
    AddProjectArgument(command, options->project, "le projet dont les variantes sont calculées");
    command
        .add_option_function<std::string>(
            "--layer",
            [options](const std::string& layer) {
                // "--layer 2 --layer 3 --thickness 80" would vary layer 3 only, without a word.
                if (options->layerUnused && options->skippedLayer.empty())
                    options->skippedLayer = options->layer;
                options->layer = layer;
                options->layerUnused = true;
            },
            "la couche que l'option suivante fait varier, 1 côté extérieur")
        ->type_name("N")
        ->trigger_on_parse();
    AddLayerOption(command, *options, variants::AxisKind::Thickness, "--thickness",
        "LISTE|DE:À:PAS",
        "les épaisseurs de la couche en mm : une liste (80,120,160) ou une plage (20:300:20)");
    AddLayerOption(command, *options, variants::AxisKind::Material, "--material", "NOMS",
        "les matériaux de la couche, noms de la bibliothèque du projet séparés par des virgules "
        "(un nom qui en contient entre guillemets : '\"Brique, pleine\",Plâtre')");
    AddLayerOption(command, *options, variants::AxisKind::Mu, "--mu", "LISTE|DE:À:PAS",
        "les facteurs μ du matériau de la couche (toutes ses couches) : une liste (10,50) ou une "
        "plage (10:100:10)");
    AddLayerOption(command, *options, variants::AxisKind::Sd, "--sd", "LISTE|DE:À:PAS",
        "les s_d en m du matériau de la couche (toutes ses couches), en place de son μ : une "
        "liste (0.1,2,18) ou une plage (1:50:1)");
    command.add_flag("--reverse", options->request.reverse,
        "ajoute la paroi inversée (isolation intérieure / extérieure), faces inchangées");
    command
        .add_option_function<std::string>(
            "--azimuth", [options](const std::string& list) { options->request.azimuths = list; },
            "les orientations : all pour les huit de la table, ou une liste de noms (Sud,Ouest) "
            "ou d'angles depuis le sud (0,90,-145, ou 180 et -180 pour Nord)")
        ->type_name("all|LISTE");
    AddStudyOptions(command, options->study,
        "lance une étude de plus de 100 000 variantes ; -o remplace un projet ou un fichier "
        "météo existant");
}

} // namespace quelvan::cli
