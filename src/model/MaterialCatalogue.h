#pragma once

// The catalogue of generic building materials shipped with the program
// (data/materials/catalogue-materiaux.csv, docs/catalogue.md): read defensively, searched by name
// and family, and turned into a user material of a project with its vapour data.
#include "model/CMaterial.h"
#include "model/MaterialVapour.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quelvan {

class KslDoc;

// The file's name, in the folder "materials" beside the installed weather folder.
inline constexpr const char* kCatalogueFileName = "catalogue-materiaux.csv";

// One material of the catalogue. The numbers are kept as the file writes them (a decimal point),
// so that a material made from the entry holds exactly the catalogue's values.
struct CatalogueEntry {
    std::string name;
    std::string family;
    std::string conductivity; // λ, W/(m·K)
    std::string density; // ρ, kg/m³
    std::string capacity; // c, J/(kg·K)
    std::string mu; // μ dry cup (the higher value); empty when s_d is given or none is known
    std::string muWet; // μ at high humidity, for information; often empty
    std::string sd; // s_d in m of a product sold by it; empty otherwise
    std::string source;
    std::string note;
    // Values the catalogue gives by default rather than from a source (a membrane's λ, ρ and c,
    // which are thermally negligible; a heat capacity no source gave).
    bool conductivityDefault = false;
    bool densityDefault = false;
    bool capacityDefault = false;

    bool HasVapour() const { return !mu.empty() || !sd.empty(); }
    friend bool operator==(const CatalogueEntry&, const CatalogueEntry&) = default;
};

// Reads the catalogue's lines (the header, then one material per line; blank lines are
// skipped). Nothing, with a French message naming the line and the field in *error, when a line
// does not fit: a wrong header, a wrong number of fields, an empty name or family, a name given
// twice (ignoring case and accents), a value that is not a number or lies outside its bounds, μ
// and s_d both given, a humid μ above the dry one, an unknown default.
std::optional<std::vector<CatalogueEntry>> ParseCatalogue(
    const std::vector<std::string>& lines, std::string* error);

// Reads the catalogue file; its path leads the message of a fault.
std::optional<std::vector<CatalogueEntry>> ReadCatalogueFile(
    const std::string& path, std::string* error);

// The text a search compares: lower case, accents and ligatures of Latin letters removed
// ("Béton" and "beton" give "beton", "Œuvre" gives "oeuvre").
std::string SearchFolded(std::string_view text);

// The positions of the entries whose name or family hold every word of the text (case and
// accents ignored), in the catalogue's order; every entry for an empty text.
std::vector<std::size_t> SearchCatalogue(
    const std::vector<CatalogueEntry>& entries, std::string_view text);

// The entry of that name, exactly or ignoring case and accents; null when none.
const CatalogueEntry* FindCatalogueEntry(
    const std::vector<CatalogueEntry>& entries, std::string_view name);

// The user material an entry makes, with the given identifier and colour, and its vapour record
// (μ or s_d as the catalogue gives them; none when the catalogue knows neither).
CMaterial CatalogueMaterial(const CatalogueEntry& entry, int identifier, int colourIndex);
std::optional<MaterialVapour> CatalogueVapour(const CatalogueEntry& entry, int libraryIndex);

// Adds the entry to the project's library as a new user material with its vapour record, and
// gives it; null when the library is full.
const CMaterial* AddCatalogueMaterial(KslDoc& doc, const CatalogueEntry& entry);

} // namespace quelvan
