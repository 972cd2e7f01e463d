// quelvan-cli materials: the catalogue of generic materials shipped with the program, as a French
// table or as JSON, whole or searched by name and family.
#include "app/cli/CliCommands.h"
#include "app/cli/CliPrint.h"

#include "core/CharacterCount.h"
#include "engine/InstalledData.h"
#include "model/MaterialCatalogue.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <charconv>
#include <memory>

namespace quelvan::cli {

namespace {

struct MaterialsOptions {
    std::string search;
    bool json = false;
};

constexpr const char* kDefaultMark = "*";
constexpr const char* kGap = "  ";

using Json = nlohmann::ordered_json;

// A number of the catalogue (checked when it was read) as JSON; null when the field is empty.
Json NumberJson(const std::string& text)
{
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto [stop, fault] = std::from_chars(text.data(), end, value);
    return !text.empty() && fault == std::errc() && stop == end ? Json(value) : Json(nullptr);
}

Json EntryJson(const CatalogueEntry& e)
{
    Json defaults = Json::array();
    for (const auto& [given, key] : { std::pair { e.conductivityDefault, "lambda_w_mk" },
             std::pair { e.densityDefault, "rho_kg_m3" },
             std::pair { e.capacityDefault, "c_j_kgk" } })
        if (given)
            defaults.push_back(key);
    return { { "name", e.name }, { "family", e.family },
        { "lambda_w_mk", NumberJson(e.conductivity) }, { "rho_kg_m3", NumberJson(e.density) },
        { "c_j_kgk", NumberJson(e.capacity) }, { "mu", NumberJson(e.mu) },
        { "mu_wet", NumberJson(e.muWet) }, { "sd_m", NumberJson(e.sd) }, { "defaults", defaults },
        { "source", e.source }, { "note", e.note } };
}

// A value of the table, marked when the catalogue gives it by default.
std::string Marked(const std::string& text, bool byDefault)
{
    return byDefault ? text + kDefaultMark : text;
}

std::string VapourText(const CatalogueEntry& e)
{
    if (!e.sd.empty())
        return "s_d " + e.sd + " m";
    return e.mu.empty() ? "-" : e.mu;
}

std::vector<std::string> TableLines(
    const std::vector<CatalogueEntry>& entries, const std::vector<std::size_t>& found)
{
    using Row = std::array<std::string, 6>;
    std::vector<Row> rows { { "Nom", "Famille", "λ (W/m.K)", "ρ (kg/m³)", "c (J/kg.K)",
        "μ ou s_d" } };
    bool anyDefault = false;
    for (const std::size_t i : found) {
        const CatalogueEntry& e = entries[i];
        anyDefault = anyDefault || e.conductivityDefault || e.densityDefault || e.capacityDefault;
        rows.push_back({ e.name, e.family, Marked(e.conductivity, e.conductivityDefault),
            Marked(e.density, e.densityDefault), Marked(e.capacity, e.capacityDefault),
            VapourText(e) });
    }
    std::array<std::size_t, 6> widths {};
    for (const Row& row : rows)
        for (std::size_t c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], CharacterCount(row[c]));
    std::vector<std::string> lines;
    for (const Row& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            line += row[c];
            if (c + 1 < row.size())
                line += std::string(widths[c] - CharacterCount(row[c]), ' ') + kGap;
        }
        lines.push_back(line);
    }
    if (anyDefault)
        lines.emplace_back(std::string(kDefaultMark)
            + " valeur par défaut : film mince thermiquement négligeable, ou capacité "
              "thermique qu'aucune source ne donne (docs/catalogue.md)");
    return lines;
}

int Materials(const MaterialsOptions& options)
{
    const std::optional<std::string> path = FindMaterialCatalogue();
    if (!path) {
        PrintError(std::string("Catalogue des matériaux introuvable : ") + kCatalogueFileName);
        return kExitFailure;
    }
    std::string error;
    const std::optional<std::vector<CatalogueEntry>> entries = ReadCatalogueFile(*path, &error);
    if (!entries) {
        PrintError("Catalogue des matériaux illisible : " + error);
        return kExitFailure;
    }
    const std::vector<std::size_t> found = SearchCatalogue(*entries, options.search);
    if (options.json) {
        Json list = Json::array();
        for (const std::size_t i : found)
            list.push_back(EntryJson((*entries)[i]));
        PrintLines(Json { { "count", found.size() }, { "materials", list } }.dump(2));
        return kExitOk;
    }
    if (found.empty()) {
        PrintLine("Aucun matériau du catalogue ne correspond à « " + options.search + " ».");
        return kExitOk;
    }
    for (const std::string& line : TableLines(*entries, found))
        PrintLine(line);
    return kExitOk;
}

} // namespace

void DeclareMaterials(CommandLine& commands)
{
    auto options = std::make_shared<MaterialsOptions>();
    CLI::App& command = commands.Add(commands.Root(), "materials",
        "liste le catalogue des matériaux génériques (λ, ρ, c, μ ou s_d, sources : "
        "docs/catalogue.md)",
        [options](const CLI::App&) { return Materials(*options); });
    command
        .add_option("--search", options->search,
            "ne garde que les matériaux dont le nom ou la famille contient chacun de ces mots "
            "(majuscules et accents ignorés)")
        ->type_name("TEXTE");
    command.add_flag("--json", options->json,
        "écrit un objet JSON (count, materials : name, family, lambda_w_mk, rho_kg_m3, c_j_kgk, "
        "mu, mu_wet, sd_m, defaults, source, note ; docs/catalogue.md)");
}

} // namespace quelvan::cli
