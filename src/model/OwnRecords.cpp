#include "model/OwnRecords.h"

#include "model/CBCData.h"
#include "model/CMaterial.h"
#include "model/NMaterialLayer.h"

#include <algorithm>
#include <array>

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

Colour CopyColour(std::span<const Colour> used)
{
    // Blues, greens, purples and pinks: hues the built-in library (greys, ochres, reds,
    // yellows) does not use.
    constexpr std::array<Colour, 12> kOwnColours { MakeColour(70, 130, 180),
        MakeColour(60, 170, 110), MakeColour(150, 100, 200), MakeColour(230, 120, 170),
        MakeColour(40, 170, 170), MakeColour(0, 110, 220), MakeColour(120, 200, 60),
        MakeColour(190, 60, 120), MakeColour(100, 80, 50), MakeColour(140, 180, 230),
        MakeColour(30, 90, 60), MakeColour(200, 160, 220) };
    constexpr int kShades = 4; // each a fifth of the way nearer white
    const auto paler = [](int part, int shade) { return part + (255 - part) * shade / 5; };
    for (int shade = 0; shade < kShades; ++shade)
        for (const Colour base : kOwnColours) {
            const Colour candidate = MakeColour(
                paler(RedOf(base), shade), paler(GreenOf(base), shade), paler(BlueOf(base), shade));
            if (std::ranges::find(used, candidate) == used.end())
                return candidate;
        }
    return kOwnColours.front();
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
