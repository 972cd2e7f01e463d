// quelvan-cli new / check: write a new project's file, read a project file and summarise it.
#include "app/cli/CliArguments.h"
#include "app/cli/CliBatch.h"
#include "app/cli/CliCommands.h"
#include "app/cli/CliOutputs.h"
#include "app/cli/CliPrint.h"
#include "app/cli/WallDescription.h"

#include "core/Messages.h"
#include "core/TextFile.h"
#include "core/WallJsonMessages.h"
#include "engine/DynamicCharacteristicsText.h"
#include "engine/InstalledData.h"
#include "engine/SiWall.h"
#include "engine/SurfacePrecision.h"
#include "model/KslDoc.h"
#include "model/MaterialCatalogue.h"
#include "model/WallCheck.h"
#include "model/WallTables.h"
#include "persistence/ProjectFile.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <system_error>

namespace quelvan::cli {

namespace {

std::string AmbianceName(const KslDoc& doc, Side side)
{
    const CBCData* record = doc.SelectedAmbiance(side);
    return record != nullptr ? record->Name() : "aucune";
}

template <size_t N> std::string Label(const std::array<AngleEntry, N>& table, int index)
{
    return index >= 0 && index < static_cast<int>(N) ? table[static_cast<size_t>(index)].label
                                                     : "?";
}

// The catalogue of materials a wall description may name; null when it is not found or does not
// read (a layer naming one of its materials is then refused).
std::unique_ptr<std::vector<CatalogueEntry>> Catalogue()
{
    const std::optional<std::string> path = FindMaterialCatalogue();
    std::optional<std::vector<CatalogueEntry>> entries
        = path ? ReadCatalogueFile(*path, nullptr) : std::nullopt;
    return entries ? std::make_unique<std::vector<CatalogueEntry>>(std::move(*entries)) : nullptr;
}

// The wall of a JSON description in place of a new project's wall; prints the fault and gives
// false when the file does not read, is not JSON, does not describe a wall or gives a wall the
// calculation refuses.
bool ReadWallDescription(KslDoc& doc, const std::string& wallPath)
{
    const std::string heading = std::string(msg::kWallJson) + " " + wallPath + " : ";
    const TextFileRead read = ReadTextFile(wallPath);
    if (!read.text) {
        PrintError(heading + std::string(ReadFaultText(read.fault)));
        return false;
    }
    std::string text;
    for (const std::string& line : read.text->lines)
        text += line + "\n";
    const nlohmann::json description = nlohmann::json::parse(text, nullptr, false);
    std::string error;
    if (description.is_discarded()) {
        error = msg::kWallJsonSyntax;
    } else if (ApplyWallDescription(doc, description, Catalogue().get(), &error)) {
        const WallCheck verdict = CheckWall(doc.layers, doc.surfaces);
        if (verdict.Passed())
            return true;
        error = verdict.Message();
    }
    PrintError(heading + error);
    return false;
}

// Never over an existing project unless asked: a project holds hours of work.
int New(const std::string& path, bool force, const std::string& wallPath)
{
    // Any existing file is kept without --force (below), not only a project or a weather file.
    if (!OutputsAreSafe(
            wallPath.empty() ? std::vector<std::string> {} : std::vector<std::string> { wallPath },
            { path }, true))
        return kExitFailure;
    std::error_code error;
    if (!force && std::filesystem::exists(std::filesystem::symlink_status(path, error))) {
        PrintError("Le fichier « " + path + " » existe déjà : il n'est remplacé qu'avec --force");
        return kExitFailure;
    }
    KslDoc doc;
    doc.SetPath(path);
    if (!wallPath.empty() && !ReadWallDescription(doc, wallPath))
        return kExitFailure;
    switch (WriteProjectFile(doc, path)) {
    case WriteResult::Ok:
        return kExitOk;
    case WriteResult::ValueTooLong:
        PrintError(msg::kValueTooLong);
        return kExitFailure;
    case WriteResult::CannotWrite:
        break;
    }
    PrintError(msg::kProjectNotSaved);
    return kExitFailure;
}

// The steady transmittance and how the wall answers a daily wave: U, decrement and time shift,
// written as the dynamic command writes them.
void PrintDynamicSummary(const KslDoc& doc)
{
    const std::optional<SiWall> wall = SiWallFromProject(doc.layers, doc.surfaces);
    const std::optional<DynamicCharacteristics> values
        = wall ? ComputeDynamicCharacteristics(*wall) : std::nullopt;
    if (!values)
        return;
    for (const char* key : { "u", "f", "shift_h" })
        PrintLine(DynamicValueLine(DynamicValue(key), *values));
}

int Check(const std::string& path)
{
    KslDoc doc;
    ReadError error;
    if (ReadProjectFile(doc, path, &error) != Failure::None) {
        PrintError(ReadErrorMessage(error));
        return kExitFailure;
    }
    PrintLine("Projet : " + path);
    PrintLine("Auteur : " + doc.author);
    PrintLine("Référence : " + doc.reference);
    PrintLine("Couches (de l'extérieur vers l'intérieur) : " + std::to_string(doc.layers.Count()));
    int number = 0;
    for (const NMaterialLayer& layer : doc.layers) {
        const CMaterial* material = layer.Material();
        PrintLine("  " + std::to_string(++number) + ". " + layer.Thickness() + " mm de "
            + (material != nullptr ? material->Name() : "?"));
    }
    PrintLine("Ambiance extérieure : " + AmbianceName(doc, Side::Exterior));
    PrintLine("Ambiance intérieure : " + AmbianceName(doc, Side::Interior));
    PrintLine("Orientation : " + Label(kAzimuths, doc.azimuthIndex));
    PrintLine("Inclinaison : " + Label(kInclinations, doc.inclinationIndex));
    // The summary stays useful on a project the calculation refuses; the refusal ends it.
    if (!CheckCalculationForBatch(doc))
        return kExitFailure;
    PrintDynamicSummary(doc);
    return kExitOk;
}

// The summary, then the mode a run would use when the project can be computed.
int CheckWithMode(const std::string& path, bool fine)
{
    const int code = Check(path);
    if (code != kExitOk)
        return code;
    PrintLine(std::string("Mode de calcul : ") + CalculationModeLabel(ModeOf(fine)));
    KslDoc doc;
    if (ReadProjectFile(doc, path) == Failure::None) {
        CalculationInputs inputs = InputsFromDocument(doc);
        inputs.mode = ModeOf(fine);
        for (const std::string& warning : SurfacePrecisionWarnings(inputs))
            PrintError(warning);
    }
    return code;
}

} // namespace

void DeclareNew(CommandLine& commands)
{
    auto path = std::make_shared<std::string>();
    auto force = std::make_shared<bool>(false);
    auto wall = std::make_shared<std::string>();
    CLI::App& command = commands.Add(commands.Root(), "new", "écrit un nouveau projet",
        [path, force, wall](const CLI::App&) { return New(*path, *force, *wall); });
    AddProjectArgument(
        command, *path, "le projet à écrire (matériaux, paroi et ambiances d'origine)");
    AddForceFlag(command, *force, "remplace le fichier s'il existe déjà");
    command
        .add_option("--wall", *wall,
            "la paroi décrite en JSON (couches de l'extérieur vers l'intérieur ; "
            "docs/moisture.md)")
        ->type_name("MUR.json");
}

void DeclareCheck(CommandLine& commands)
{
    auto path = std::make_shared<std::string>();
    auto fine = std::make_shared<bool>(false);
    CLI::App& command = commands.Add(commands.Root(), "check", "lit un projet et le résume",
        [path, fine](const CLI::App&) { return CheckWithMode(*path, *fine); });
    AddProjectArgument(command, *path, "le projet à lire");
    AddFineFlag(command, *fine, "le mode de calcul annoncé est le calcul fin");
}

} // namespace quelvan::cli
