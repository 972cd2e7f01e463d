#pragma once

// Materials and ambiances of the user's own, added beside the built-in ones by duplicating a
// record: which records are built-in (by their index range), the index a copy takes, its name,
// and why a record may not be deleted.
#include "core/NList.h"
#include "model/AmbianceCodes.h"
#include "model/Colour.h"

#include <optional>
#include <span>
#include <string>

namespace quelvan {

class CBCData;
class CMaterial;
class NMaterialLayer;

// The built-in records of a new project; their indices are 0 to count - 1.
inline constexpr int kBuiltInMaterialCount = 19;
inline constexpr int kBuiltInExteriorAmbianceCount = 12;
inline constexpr int kBuiltInInteriorAmbianceCount = 9;
// Most records the material library or one side's ambiance list holds, built-in ones included.
// At 60 materials the library page of the report still prints every row at about 7 points, and
// every index fits the 3 columns of the project file's "O=" and "N=" fields.
inline constexpr int kMaxListRecords = 60;

constexpr int BuiltInAmbianceCount(Side side)
{
    return side == Side::Exterior ? kBuiltInExteriorAmbianceCount : kBuiltInInteriorAmbianceCount;
}

bool IsBuiltIn(const CMaterial& material);
bool IsBuiltIn(const CBCData& ambiance);

// The lowest index from `first` on that none of `used` takes.
int FreeIndex(std::span<const int> used, int first);
// "Copie de " + name.
std::string CopyName(const std::string& name);
// The colour a copied material takes: the first of a set of colours unlike the built-in
// library's that no material of the list has, then the same colours paler, so that two
// adjacent layers of a material and its copy stay apart in the wall's section. When every one
// is taken, the first.
Colour CopyColour(std::span<const Colour> used);

// Why a material may not be deleted (a French message): it is built-in, or a layer of the wall
// is made of it. None when it may.
std::optional<std::string> MaterialDeletionRefusal(
    const CMaterial& material, const NList<NMaterialLayer>& layers);
// Why an ambiance may not be deleted: it is built-in, or it is the one chosen for its side
// (selectedIndex). None when it may.
std::optional<std::string> AmbianceDeletionRefusal(const CBCData& ambiance, int selectedIndex);

} // namespace quelvan
