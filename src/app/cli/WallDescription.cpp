// A wall from its JSON description: every key checked, every fault named by its JSON path.
#include "app/cli/WallDescription.h"

#include "core/NumberText.h"
#include "core/WallJsonMessages.h"
#include "model/KslDoc.h"
#include "model/MaterialCatalogue.h"
#include "model/OwnRecords.h"
#include "model/WallTables.h"

#include <cmath>
#include <set>

namespace quelvan::cli {

namespace {

using Json = nlohmann::json;

// The first fault, with its JSON path.
struct Fault {
    std::string text;
};

[[noreturn]] void Refuse(const std::string& path, const char* reason)
{
    throw Fault { path + " : " + reason };
}

// The JSON path of a member: "layers[2].thickness_mm".
std::string MemberPath(const std::string& path, const std::string& key)
{
    if (path.empty())
        return key;
    std::string joined = path;
    joined += '.';
    joined += key;
    return joined;
}

void OnlyKeys(const Json& object, const std::string& path, const std::set<std::string>& keys)
{
    for (const auto& [key, value] : object.items())
        if (!keys.contains(key))
            Refuse(MemberPath(path, key), msg::kWallJsonUnknownKey);
}

double NumberAt(const Json& object, const std::string& key, const std::string& path, bool positive)
{
    const std::string where = MemberPath(path, key);
    if (!object.contains(key) || !object.at(key).is_number())
        Refuse(where, positive ? msg::kWallJsonPositive : msg::kWallJsonNumber);
    const double value = object.at(key).get<double>();
    if (!std::isfinite(value) || (positive && value <= 0.0))
        Refuse(where, positive ? msg::kWallJsonPositive : msg::kWallJsonNumber);
    return value;
}

std::string Text(double value)
{
    return FloatText(value);
}

// A material given in full: added to the library once (the same name twice must give the same
// values), with its μ or s_d.
const CMaterial& OwnMaterial(KslDoc& doc, const Json& m, const std::string& path)
{
    OnlyKeys(m, path, { "name", "lambda_w_mk", "rho_kg_m3", "c_j_kgk", "mu", "sd_m" });
    if (!m.contains("name") || !m.at("name").is_string() || m.at("name").get<std::string>().empty())
        Refuse(path + ".name", msg::kWallJsonName);
    const std::string name = m.at("name").get<std::string>();
    const std::string lambda = Text(NumberAt(m, "lambda_w_mk", path, true));
    const std::string rho = Text(NumberAt(m, "rho_kg_m3", path, true));
    const std::string c = Text(NumberAt(m, "c_j_kgk", path, true));
    if (m.contains("mu") == m.contains("sd_m"))
        Refuse(path, msg::kWallJsonVapour);
    const bool bySd = m.contains("sd_m");
    const std::string vapour = Text(NumberAt(m, bySd ? "sd_m" : "mu", path, true));
    const MaterialVapour wanted { 0, bySd ? "" : vapour, bySd ? vapour : "" };
    if (const CMaterial* known = doc.FindMaterialByName(name);
        known != nullptr && known->LibraryIndex() >= kBuiltInMaterialCount) {
        const MaterialVapour* v = VapourRecordOf(doc, known->LibraryIndex());
        if (known->Conductivity() != lambda || known->Density() != rho || known->Capacity() != c
            || v == nullptr || v->mu != wanted.mu || v->sd != wanted.sd)
            Refuse(path + ".name", msg::kWallJsonTwice);
        return *known;
    }
    if (doc.materials.Count() >= kMaxListRecords)
        Refuse(path, msg::kWallJsonTooMany);
    const int index = doc.materials.Count();
    const CMaterial& added = doc.AddMaterial(
        CMaterial::kIdentifierBase + index, index % CMaterial::kColourCount, name, lambda, rho, c);
    doc.vapour.Append(std::make_unique<MaterialVapour>(
        MaterialVapour { added.LibraryIndex(), wanted.mu, wanted.sd }));
    return added;
}

// A material named by a layer: the project's (a built-in one, or one added before), else the
// catalogue's, added to the project's library.
const CMaterial& NamedMaterial(KslDoc& doc, const std::string& name,
    const std::vector<CatalogueEntry>* catalogue, const std::string& path)
{
    if (const CMaterial* known = doc.FindMaterialByName(name))
        return *known;
    const CatalogueEntry* entry
        = catalogue != nullptr ? FindCatalogueEntry(*catalogue, name) : nullptr;
    if (entry == nullptr)
        Refuse(
            path, catalogue != nullptr ? msg::kWallJsonUnknownMaterial : msg::kWallJsonNoCatalogue);
    if (const CMaterial* added = doc.FindMaterialByName(entry->name))
        return *added;
    const CMaterial* added = AddCatalogueMaterial(doc, *entry);
    if (added == nullptr)
        Refuse(path, msg::kWallJsonTooMany);
    return *added;
}

void AddLayer(KslDoc& doc, const Json& layer, const std::vector<CatalogueEntry>* catalogue,
    const std::string& path)
{
    if (!layer.is_object())
        Refuse(path, msg::kWallJsonObject);
    OnlyKeys(layer, path, { "thickness_mm", "material" });
    const double thickness = NumberAt(layer, "thickness_mm", path, true);
    if (!layer.contains("material"))
        Refuse(path + ".material", msg::kWallJsonMaterial);
    const Json& material = layer.at("material");
    const CMaterial* chosen = nullptr;
    if (material.is_string()) {
        chosen = &NamedMaterial(doc, material.get<std::string>(), catalogue, path + ".material");
    } else if (material.is_object()) {
        chosen = &OwnMaterial(doc, material, path + ".material");
    } else {
        Refuse(path + ".material", msg::kWallJsonMaterial);
    }
    doc.AddLayer(chosen, Text(thickness));
}

void ApplyPlacement(KslDoc& doc, const Json& d)
{
    const std::pair<const char*, std::string SurfaceTexts::*> surfaces[] = {
        { "rse_m2k_w", &SurfaceTexts::resistanceExterior },
        { "rsi_m2k_w", &SurfaceTexts::resistanceInterior },
        { "absorption_ext", &SurfaceTexts::absorptionExterior },
        { "absorption_int", &SurfaceTexts::absorptionInterior },
    };
    for (const auto& [key, member] : surfaces)
        if (d.contains(key))
            doc.surfaces.*member = Text(NumberAt(d, key, "", false));
    if (d.contains("azimuth")) {
        const Json& a = d.at("azimuth");
        int found = -1;
        for (std::size_t i = 0; i < kAzimuths.size() && a.is_string(); ++i)
            if (a.get<std::string>() == kAzimuths[i].label)
                found = static_cast<int>(i);
        if (found < 0)
            Refuse("azimuth", msg::kWallJsonAzimuth);
        doc.azimuthIndex = found;
    }
    if (d.contains("inclination_deg")) {
        const Json& i = d.at("inclination_deg");
        const int index = i.is_number_integer() ? InclinationIndexOf(i.get<int>()) : -1;
        if (index < 0)
            Refuse("inclination_deg", msg::kWallJsonInclination);
        doc.inclinationIndex = index;
    }
}

} // namespace

bool ApplyWallDescription(
    KslDoc& doc, const Json& d, const std::vector<CatalogueEntry>* catalogue, std::string* error)
{
    try {
        if (!d.is_object())
            Refuse("$", msg::kWallJsonObject);
        OnlyKeys(d, "",
            { "layers", "rse_m2k_w", "rsi_m2k_w", "absorption_ext", "absorption_int", "azimuth",
                "inclination_deg" });
        if (!d.contains("layers") || !d.at("layers").is_array() || d.at("layers").empty())
            Refuse("layers", msg::kWallJsonLayers);
        doc.layers.Clear();
        const Json& layers = d.at("layers");
        for (std::size_t k = 0; k < layers.size(); ++k)
            AddLayer(doc, layers[k], catalogue, "layers[" + std::to_string(k) + "]");
        ApplyPlacement(doc, d);
        return true;
    } catch (const Fault& fault) {
        if (error != nullptr)
            *error = fault.text;
        return false;
    }
}

} // namespace quelvan::cli
