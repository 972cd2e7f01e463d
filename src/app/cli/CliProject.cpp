// quelvan-cli new / check: write a new project's file, read a project file and summarise it.
#include "app/cli/CliCommands.h"

#include "core/Messages.h"
#include "model/KslDoc.h"
#include "model/WallTables.h"
#include "persistence/ProjectFile.h"

#include <cstdio>

namespace quelvan::cli {

namespace {

void PrintLine(const std::string& text)
{
    std::fputs(text.c_str(), stdout);
    std::fputc('\n', stdout);
}

void PrintError(const char* text)
{
    std::fputs(text, stderr);
    std::fputc('\n', stderr);
}

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

} // namespace

int CommandNew(const Args& args)
{
    if (args.size() != 1) {
        PrintError("Usage : quelvan-cli new FICHIER.ksl");
        return 2;
    }
    KslDoc doc;
    doc.SetPath(args[0]);
    switch (WriteProjectFile(doc, args[0])) {
    case WriteResult::Ok:
        return 0;
    case WriteResult::ValueTooLong:
        PrintError(msg::kValueTooLong);
        return 1;
    case WriteResult::CannotWrite:
        break;
    }
    PrintError(msg::kProjectNotSaved);
    return 1;
}

int CommandCheck(const Args& args)
{
    if (args.size() != 1) {
        PrintError("Usage : quelvan-cli check FICHIER.ksl");
        return 2;
    }
    KslDoc doc;
    if (ReadProjectFile(doc, args[0]) != kReadOk) {
        PrintError(msg::kReadError);
        return 1;
    }
    PrintLine("Projet : " + args[0]);
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
    std::string why;
    if (!doc.WallIsComputable(&why))
        PrintLine(why);
    return 0;
}

} // namespace quelvan::cli
