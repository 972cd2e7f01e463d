#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace quelvan {
class KslDoc;
struct CatalogueEntry;
} // namespace quelvan

// A wall described in JSON (docs/moisture.md): layers from the exterior to the interior, each a
// thickness in mm and a material (the name of a built-in material or of a material of the
// catalogue, or a material given in full with μ or s_d), and optionally
// the surface resistances, the absorption coefficients, the azimuth and the inclination.
namespace quelvan::cli {

// Replaces the wall of a new project by the description; materials given in full become the
// project's own materials, and so do the catalogue's materials a layer names (once each, with
// every value of the catalogue; `catalogue` may be null when it could not be read). False, with
// "layers[2].thickness_mm : nombre positif attendu" (the JSON path of the fault and why) in *error,
// for a description that does not fit; the document is then partly changed and must not be written.
bool ApplyWallDescription(KslDoc& doc, const nlohmann::json& description,
    const std::vector<CatalogueEntry>* catalogue, std::string* error);

} // namespace quelvan::cli
