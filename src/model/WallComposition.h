#pragma once

#include <string>

// The words that say which wall and which weather a figure belongs to, for the windows and
// pages that show figures apart from the form.
namespace quelvan {

class CBCData;
class KslDoc;

// The wall's layers in their order, each material's name and thickness in mm:
// "Béton 200 + Laine de verre 100 + Plâtre 13"; empty without a layer.
std::string WallComposition(const KslDoc& doc);

// "Paroi : Béton lourd 200 + Laine de verre 50 + Plâtre 10 ; ambiance extérieure : Météo de la
// ville de Mâcon": the wall and the exterior ambiance chosen (whose name gives the weather's
// city or station); a part that is missing is left out.
std::string WallAndWeather(const KslDoc& doc, const CBCData* exterior);

} // namespace quelvan
