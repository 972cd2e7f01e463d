#include "model/OwnRecords.h"

#include "model/CBCData.h"
#include "model/CMaterial.h"
#include "model/NMaterialLayer.h"

#include <algorithm>

namespace quelvan {

namespace {

std::string Quoted(const std::string& name)
{
    return "« " + name + " »";
}

} // namespace

bool IsBuiltIn(const CMaterial& material)
{
    return material.LibraryIndex() >= 0 && material.LibraryIndex() < kBuiltInMaterialCount;
}

bool IsBuiltIn(const CBCData& ambiance)
{
    return ambiance.Index() >= 0 && ambiance.Index() < BuiltInAmbianceCount(ambiance.side);
}

int FreeIndex(std::span<const int> used, int first)
{
    int index = first;
    while (std::ranges::find(used, index) != used.end())
        ++index;
    return index;
}

std::string CopyName(const std::string& name)
{
    return "Copie de " + name;
}

std::optional<std::string> MaterialDeletionRefusal(
    const CMaterial& material, const NList<NMaterialLayer>& layers)
{
    if (IsBuiltIn(material))
        return Quoted(material.Name())
            + " fait partie de la bibliothèque d'origine : seuls les matériaux ajoutés peuvent "
              "être supprimés";
    int number = 0;
    for (const NMaterialLayer& layer : layers) {
        ++number;
        if (layer.Material() == &material)
            return Quoted(material.Name()) + " ne peut pas être supprimé : la couche "
                + std::to_string(number) + " de la paroi est faite de ce matériau";
    }
    return std::nullopt;
}

std::optional<std::string> AmbianceDeletionRefusal(const CBCData& ambiance, int selectedIndex)
{
    if (IsBuiltIn(ambiance))
        return Quoted(ambiance.Name())
            + " fait partie des ambiances d'origine : seules les ambiances ajoutées peuvent être "
              "supprimées";
    if (ambiance.Index() == selectedIndex)
        return Quoted(ambiance.Name()) + " ne peut pas être supprimée : c'est l'ambiance "
            + (ambiance.side == Side::Exterior ? "extérieure" : "intérieure")
            + " choisie pour la paroi";
    return std::nullopt;
}

} // namespace quelvan
