#include "model/ProjectState.h"

#include "model/KslDoc.h"

#include <memory>

namespace quelvan {

namespace {

template <typename Record> std::vector<Record> Values(const NList<Record>& list)
{
    std::vector<Record> values;
    values.reserve(static_cast<size_t>(list.Count()));
    for (const Record& record : list)
        values.push_back(record);
    return values;
}

template <typename Record>
std::vector<std::unique_ptr<Record>> Records(const std::vector<Record>& values)
{
    std::vector<std::unique_ptr<Record>> records;
    records.reserve(values.size());
    for (const Record& value : values)
        records.push_back(std::make_unique<Record>(value));
    return records;
}

} // namespace

ProjectState CaptureProjectState(const KslDoc& doc, const FormValues& form)
{
    ProjectState state;
    state.author = doc.author;
    state.reference = doc.reference;
    state.form = form;
    state.materials = Values(doc.materials);
    for (const NMaterialLayer& layer : doc.layers)
        state.layers.push_back({ doc.materials.IndexOf(layer.Material()), layer.Thickness() });
    state.exteriorAmbiances = Values(doc.exteriorAmbiances);
    state.interiorAmbiances = Values(doc.interiorAmbiances);
    state.stations = Values(doc.stations);
    state.vapour = Values(doc.vapour);
    state.moisture = Values(doc.moisture);
    return state;
}

void RestoreProjectState(KslDoc& doc, const ProjectState& state)
{
    doc.author = state.author;
    doc.reference = state.reference;
    doc.StoreFormValues(state.form);
    // The layers are rebuilt before the materials they point at are replaced.
    std::vector<std::unique_ptr<CMaterial>> materials = Records(state.materials);
    std::vector<std::unique_ptr<NMaterialLayer>> layers;
    for (const ProjectState::Layer& layer : state.layers) {
        const bool known
            = layer.material >= 0 && layer.material < static_cast<int>(materials.size());
        layers.push_back(std::make_unique<NMaterialLayer>(
            known ? materials[static_cast<size_t>(layer.material)].get() : nullptr,
            layer.thickness));
    }
    doc.layers.Replace(std::move(layers));
    doc.materials.Replace(std::move(materials));
    doc.exteriorAmbiances.Replace(Records(state.exteriorAmbiances));
    doc.interiorAmbiances.Replace(Records(state.interiorAmbiances));
    doc.stations.Replace(Records(state.stations));
    doc.vapour.Replace(Records(state.vapour));
    doc.moisture.Replace(Records(state.moisture));
}

} // namespace quelvan
