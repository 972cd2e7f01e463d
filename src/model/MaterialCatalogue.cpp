// The catalogue of generic materials: every line checked field by field, searched without case
// or accents, and turned into a user material that keeps its values as written.
#include "model/MaterialCatalogue.h"

#include "core/CsvLine.h"
#include "core/PhysicalBounds.h"
#include "core/TextFile.h"
#include "core/TextTrim.h"
#include "model/KslDoc.h"
#include "model/OwnRecords.h"

#include <array>
#include <set>

namespace quelvan {

namespace {

enum Column : std::uint8_t {
    kName,
    kFamily,
    kLambda,
    kRho,
    kCapacity,
    kMuDry,
    kMuWet,
    kSd,
    kSource,
    kNote,
    kDefaults,
    kColumnCount
};

constexpr std::array<const char*, kColumnCount> kHeader { "name_fr", "family_fr", "lambda_W_mK",
    "rho_kg_m3", "c_J_kgK", "mu_dry", "mu_wet", "sd_m", "source", "note", "defaults" };

// The fault of one line: its field (a column's key, empty for the whole line) and why.
struct LineFault {
    std::size_t line = 0;
    std::string field;
    std::string reason;
};

std::string FaultText(const LineFault& fault)
{
    std::string text = "ligne " + std::to_string(fault.line);
    if (!fault.field.empty())
        text += ", champ " + fault.field;
    return text + " : " + fault.reason;
}

// A number of the line within its bounds (above zero besides); the fault otherwise.
std::optional<LineFault> CheckValue(
    const std::string& text, Column column, const Bounds& bounds, std::size_t line)
{
    const std::optional<double> value = StrictNumber(text);
    if (!value)
        return LineFault { line, kHeader[column],
            DescribeValueFault(text, ValueFault::NotANumber, bounds) };
    if (!bounds.Contains(*value) || *value <= 0.0)
        return LineFault { line, kHeader[column],
            DescribeValueFault(text, ValueFault::OutOfBounds, bounds) };
    return std::nullopt;
}

// The values of a line that must be numbers: λ, ρ and c always, μ and s_d when given.
std::optional<LineFault> CheckNumbers(const CatalogueEntry& e, std::size_t line)
{
    const std::pair<const std::string*, std::pair<Column, const Bounds*>> numbers[] {
        { &e.conductivity, { kLambda, &bounds::kConductivity } },
        { &e.density, { kRho, &bounds::kDensity } },
        { &e.capacity, { kCapacity, &bounds::kCapacity } },
        { &e.mu, { kMuDry, &bounds::kVapourFactor } },
        { &e.muWet, { kMuWet, &bounds::kVapourFactor } },
        { &e.sd, { kSd, &bounds::kEquivalentAirLayer } },
    };
    for (const auto& [text, where] : numbers) {
        const bool optional = where.first >= kMuDry;
        if (text->empty() && optional)
            continue;
        if (text->empty())
            return LineFault { line, kHeader[where.first], "valeur manquante" };
        if (auto fault = CheckValue(*text, where.first, *where.second, line))
            return fault;
    }
    if (!e.mu.empty() && !e.sd.empty())
        return LineFault { line, kHeader[kSd], "mu_dry et sd_m donnés tous deux (l'un des deux)" };
    if (!e.muWet.empty() && e.mu.empty())
        return LineFault { line, kHeader[kMuWet], "μ humide sans μ sec" };
    if (!e.muWet.empty() && *StrictNumber(e.muWet) > *StrictNumber(e.mu))
        return LineFault { line, kHeader[kMuWet], "μ humide supérieur au μ sec" };
    return std::nullopt;
}

// The "defaults" field: the keys of the values given by default, separated by blanks.
std::optional<LineFault> ReadDefaults(
    std::string_view text, CatalogueEntry& entry, std::size_t line)
{
    while (!(text = TrimWhitespace(text)).empty()) {
        const std::string_view word = text.substr(0, text.find_first_of(" \t"));
        text.remove_prefix(word.size());
        if (word == kHeader[kLambda])
            entry.conductivityDefault = true;
        else if (word == kHeader[kRho])
            entry.densityDefault = true;
        else if (word == kHeader[kCapacity])
            entry.capacityDefault = true;
        else
            return LineFault { line, kHeader[kDefaults],
                "« " + std::string(word) + " » n'est pas une valeur par défaut connue" };
    }
    return std::nullopt;
}

// One material line; the fault of its first wrong field otherwise.
std::optional<LineFault> ReadEntry(const std::vector<std::string>& fields, std::size_t columns,
    std::size_t line, CatalogueEntry& entry)
{
    if (fields.size() != columns)
        return LineFault { line, {},
            std::to_string(fields.size()) + " champs au lieu de " + std::to_string(columns) };
    const auto field = [&fields](Column c) { return std::string(TrimWhitespace(fields[c])); };
    entry = { field(kName), field(kFamily), field(kLambda), field(kRho), field(kCapacity),
        field(kMuDry), field(kMuWet), field(kSd), field(kSource), field(kNote) };
    if (entry.name.empty())
        return LineFault { line, kHeader[kName], "nom vide" };
    if (entry.family.empty())
        return LineFault { line, kHeader[kFamily], "famille vide" };
    if (auto fault = CheckNumbers(entry, line))
        return fault;
    if (columns > kDefaults)
        return ReadDefaults(fields[kDefaults], entry, line);
    return std::nullopt;
}

// The header's number of columns: the ten of the sources' table, or with "defaults" after them.
std::optional<std::size_t> HeaderColumns(const std::string& line)
{
    const std::vector<std::string> fields = SplitCsvLine(line);
    if (fields.size() != kColumnCount && fields.size() != kColumnCount - 1)
        return std::nullopt;
    for (std::size_t c = 0; c < fields.size(); ++c)
        if (TrimWhitespace(fields[c]) != kHeader[c])
            return std::nullopt;
    return fields.size();
}

// The UTF-8 letter at text[i] (two bytes) without its accent, or nothing for another character.
std::string_view BaseLetter(unsigned char lead, unsigned char next)
{
    if (lead == 0xC5) {
        switch (next) {
        case 0x92:
        case 0x93:
            return "oe";
        default:
            return {};
        }
    }
    if (lead != 0xC3)
        return {};
    const unsigned char low = next | 0x20; // the lower-case letters of Latin-1 are 0x20 above
    if (low >= 0xA0 && low <= 0xA5)
        return "a";
    if (low == 0xA6)
        return "ae";
    if (low == 0xA7)
        return "c";
    if (low >= 0xA8 && low <= 0xAB)
        return "e";
    if (low >= 0xAC && low <= 0xAF)
        return "i";
    if (low == 0xB1)
        return "n";
    if ((low >= 0xB2 && low <= 0xB6) || low == 0xB8)
        return "o";
    if (low >= 0xB9 && low <= 0xBC)
        return "u";
    if (low == 0xBD || low == 0xBF)
        return "y";
    return {};
}

} // namespace

std::string SearchFolded(std::string_view text)
{
    std::string folded;
    folded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (i + 1 < text.size()) {
            const std::string_view base = BaseLetter(c, static_cast<unsigned char>(text[i + 1]));
            if (!base.empty()) {
                folded += base;
                ++i;
                continue;
            }
        }
        folded += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : static_cast<char>(c);
    }
    return folded;
}

std::optional<std::vector<CatalogueEntry>> ParseCatalogue(
    const std::vector<std::string>& lines, std::string* error)
{
    const auto refuse = [error](const LineFault& fault) {
        if (error != nullptr)
            *error = FaultText(fault);
        return std::nullopt;
    };
    const std::optional<std::size_t> columns
        = lines.empty() ? std::nullopt : HeaderColumns(lines.front());
    if (!columns)
        return refuse({ 1, {},
            "en-tête attendu : name_fr,family_fr,lambda_W_mK,rho_kg_m3,"
            "c_J_kgK,mu_dry,mu_wet,sd_m,source,note[,defaults]" });
    std::vector<CatalogueEntry> entries;
    std::set<std::string> names;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (TrimWhitespace(lines[i]).empty())
            continue;
        CatalogueEntry entry;
        if (const auto fault = ReadEntry(SplitCsvLine(lines[i]), *columns, i + 1, entry))
            return refuse(*fault);
        if (!names.insert(SearchFolded(entry.name)).second)
            return refuse({ i + 1, kHeader[kName], "« " + entry.name + " » figure deux fois" });
        entries.push_back(std::move(entry));
    }
    if (entries.empty())
        return refuse({ lines.size(), {}, "aucun matériau" });
    return entries;
}

std::optional<std::vector<CatalogueEntry>> ReadCatalogueFile(
    const std::string& path, std::string* error)
{
    const TextFileRead read = ReadTextFile(path);
    if (!read.text) {
        if (error != nullptr)
            *error = path + " : " + std::string(ReadFaultText(read.fault));
        return std::nullopt;
    }
    std::string fault;
    std::optional<std::vector<CatalogueEntry>> entries = ParseCatalogue(read.text->lines, &fault);
    if (!entries && error != nullptr)
        *error = path + ", " + fault;
    return entries;
}

std::vector<std::size_t> SearchCatalogue(
    const std::vector<CatalogueEntry>& entries, std::string_view text)
{
    std::vector<std::string> words;
    const std::string folded = SearchFolded(text);
    std::string_view rest = folded;
    while (!(rest = TrimWhitespace(rest)).empty()) {
        const std::string_view word = rest.substr(0, rest.find_first_of(" \t"));
        words.emplace_back(word);
        rest.remove_prefix(word.size());
    }
    std::vector<std::size_t> found;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string haystack
            = SearchFolded(entries[i].name) + '\n' + SearchFolded(entries[i].family);
        bool all = true;
        for (const std::string& word : words)
            all = all && haystack.find(word) != std::string::npos;
        if (all)
            found.push_back(i);
    }
    return found;
}

const CatalogueEntry* FindCatalogueEntry(
    const std::vector<CatalogueEntry>& entries, std::string_view name)
{
    for (const CatalogueEntry& entry : entries)
        if (entry.name == name)
            return &entry;
    const std::string folded = SearchFolded(name);
    for (const CatalogueEntry& entry : entries)
        if (SearchFolded(entry.name) == folded)
            return &entry;
    return nullptr;
}

CMaterial CatalogueMaterial(const CatalogueEntry& entry, int identifier, int colourIndex)
{
    return CMaterial(
        identifier, colourIndex, entry.name, entry.conductivity, entry.density, entry.capacity);
}

std::optional<MaterialVapour> CatalogueVapour(const CatalogueEntry& entry, int libraryIndex)
{
    if (!entry.HasVapour())
        return std::nullopt;
    return MaterialVapour { libraryIndex, entry.sd.empty() ? entry.mu : std::string(), entry.sd };
}

const CMaterial* AddCatalogueMaterial(KslDoc& doc, const CatalogueEntry& entry)
{
    if (doc.materials.Count() >= kMaxListRecords)
        return nullptr;
    const int index = doc.materials.Count();
    const CMaterial& added
        = doc.AddMaterial(CMaterial::kIdentifierBase + index, index % CMaterial::kColourCount,
            entry.name, entry.conductivity, entry.density, entry.capacity);
    if (std::optional<MaterialVapour> vapour = CatalogueVapour(entry, added.LibraryIndex()))
        doc.vapour.Append(std::make_unique<MaterialVapour>(std::move(*vapour)));
    return &added;
}

} // namespace quelvan
