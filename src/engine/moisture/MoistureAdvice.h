#pragma once

// The moisture check said in plain words for the desktop and the report: what the year's verdict
// means for the wall, the interior the check assumed, the mould check in one sentence, and the
// French hygrometry class of a vapour excess.
#include "engine/moisture/MoistureCheck.h"
#include "engine/moisture/MonthlyClimate.h"

#include <string>
#include <vector>

namespace quelvan::moisture {

// Water at an interface beyond which a non-absorbent layer (mineral wool, foam, a film) is at
// risk even when it dries within the year (DIN 4108-3), in g/m².
inline constexpr double kNonAbsorbentLimit = 500.0;

// "Aucune eau ne se condense dans la paroi au cours de l'année.", "De l'eau se condense ...
// mais sèche en août ...", "De l'eau s'accumule d'année en année : ..."; an amount beyond
// 0.5 kg/m² is called too much for an insulant or a film.
std::string PlainVerdict(const CondensationResult& result);

// "faible" (W/n up to 2.5 g/m³), "moyenne" (up to 5), "forte" (up to 7.5), "très forte".
std::string HygrometryClass(double vapourExcess);

// "20.0 °C, humidité relative 50 %", "20.0 °C, classe d'humidité 3", "20.0 °C, excès de vapeur
// W/n = 4 g/m³ (hygrométrie moyenne)".
std::string InteriorText(const InteriorModel& interior);

// "f_Rsi de la paroi 0.914 > f_Rsi,max 0.771 (décembre) : pas de risque de moisissure en
// surface." or its failing form.
std::string MouldSentence(const MouldResult& mould);

// The places that hold water in some month of the year, in the order they first appear: the
// columns of the monthly tables.
std::vector<std::string> WetPlaces(const CondensationResult& result);
// "Béton lourd |\nLaine de verre (g/m²)": a place's column heading, its two layers on two
// lines.
std::string PlaceHeading(const std::string& place);
// The water held at the place at the month's end, g/m².
double HeldAt(const MonthResult& month, const std::string& place);

// "Couches de l'extérieur vers l'intérieur : 1 Enduit (15.0 mm, s_d 0.15 m) ; 2 ...": the key
// of the numbered bands of the diagram.
std::string LayerKeyText(const MoistureWall& wall);

} // namespace quelvan::moisture
