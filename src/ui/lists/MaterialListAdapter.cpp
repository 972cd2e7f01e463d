#include "ui/lists/MaterialListAdapter.h"

#include "core/NumberText.h"
#include "engine/InstalledData.h"
#include "graphics/NGridTable.h"
#include "graphics/QtStrings.h"
#include "model/CMaterial.h"
#include "model/OwnRecords.h"
#include "model/ProjectState.h"
#include "ui/lists/CatalogueDialog.h"
#include "ui/lists/RecordListDlg.h"
#include "ui/records/MaterialDialog.h"

#include <QMenu>

#include <algorithm>
#include <array>

namespace quelvan::ui {

namespace {
constexpr std::array<ListColumn, 8> kColumns { {
    { "Couleur", 60 },
    { "Nom", 270 },
    { kMaterialValueHeaders[0], 80 },
    { kMaterialValueHeaders[1], 80 },
    { kMaterialValueHeaders[2], 80 },
    { kMaterialValueHeaders[3], 80 },
    { kMaterialValueHeaders[4], 80 },
    { "μ", 70 },
} };
} // namespace

MaterialListAdapter::MaterialListAdapter(
    NList<CMaterial>& materials, const NList<NMaterialLayer>& layers, NList<MaterialVapour>& vapour)
    : RecordListAdapter(
        { ListKind::Materials, QStringLiteral("Matériaux"), kColumns, kMaxListRecords }, materials)
    , layers_(layers)
    , vapourList_(vapour)
{
    for (CMaterial& material : materials)
        Keep(material);
    for (const MaterialVapour& v : vapour)
        vapour_.push_back(v);
}

void MaterialListAdapter::SetVapour(
    int libraryIndex, const std::string& mu, const std::string& sd) const
{
    const auto found = std::find_if(vapour_.begin(), vapour_.end(),
        [libraryIndex](const MaterialVapour& v) { return v.index == libraryIndex; });
    if (mu.empty() && sd.empty()) {
        if (found != vapour_.end())
            vapour_.erase(found);
        return;
    }
    if (found != vapour_.end()) {
        found->mu = mu;
        found->sd = sd;
    } else {
        vapour_.push_back({ libraryIndex, mu, sd });
    }
}

std::vector<MaterialVapour> MaterialListAdapter::VapourFor(
    const std::vector<int>& libraryIndices) const
{
    std::vector<MaterialVapour> kept;
    for (const MaterialVapour& v : vapour_)
        if (std::find(libraryIndices.begin(), libraryIndices.end(), v.index)
            != libraryIndices.end())
            kept.push_back(v);
    return kept;
}

void MaterialListAdapter::Apply(const std::vector<int>& keysInOrder)
{
    // The rows' library indices first: applying hands the added records over to the list.
    std::vector<int> indices;
    for (const int key : keysInOrder)
        indices.push_back(Shown(key)->LibraryIndex());
    RecordListAdapter::Apply(keysInOrder);
    std::vector<std::unique_ptr<MaterialVapour>> records;
    for (const MaterialVapour& v : VapourFor(indices))
        records.push_back(std::make_unique<MaterialVapour>(v));
    vapourList_.Replace(std::move(records));
}

void MaterialListAdapter::Fill(graphics::NGridTable& grid, int row, const CMaterial& material) const
{
    graphics::GridCell& swatch = grid.Cell(row, 0);
    swatch.type = graphics::CellKind::ColourSwatch;
    swatch.colour = material.GetColour();
    grid.SetText(row, 1, material.Name());
    grid.SetText(row, 2, material.Conductivity());
    grid.SetText(row, 3, material.Density());
    grid.SetText(row, 4, material.Capacity());
    const MaterialDerivedTexts derived
        = DerivedTexts(material.Conductivity(), material.Density(), material.Capacity());
    grid.SetText(row, 5, derived.diffusivity);
    grid.SetText(row, 6, derived.effusivity);
    // μ as the check reads it: the user's s_d or μ, else the built-in value, else nothing.
    std::string mu = "-";
    const auto own = std::find_if(vapour_.begin(), vapour_.end(),
        [&material](const MaterialVapour& v) { return v.index == material.LibraryIndex(); });
    if (own != vapour_.end())
        mu = !own->sd.empty() ? "s_d " + own->sd + " m" : own->mu;
    else if (const std::optional<double> builtIn
        = BuiltInMu(material.Identifier(), material.Name()))
        mu = FormatDouble("%g", *builtIn);
    grid.SetText(row, 7, mu);
}

std::unique_ptr<CMaterial> MaterialListAdapter::RunEditor(
    const CMaterial& shown, Prompter& prompter, QWidget* parent) const
{
    VapourFields fields;
    const auto own = std::find_if(vapour_.begin(), vapour_.end(),
        [&shown](const MaterialVapour& v) { return v.index == shown.LibraryIndex(); });
    if (own != vapour_.end()) {
        fields.mu = own->mu;
        fields.sd = own->sd;
    }
    fields.builtInMu = BuiltInMu(shown.Identifier(), shown.Name());
    MaterialDialog dialog(shown, parent, fields);
    std::unique_ptr<CMaterial> edited = RunEditingDialog(dialog, prompter);
    if (edited)
        SetVapour(shown.LibraryIndex(), dialog.Vapour().mu, dialog.Vapour().sd);
    return edited;
}

std::pair<int, Colour> MaterialListAdapter::NewIdentity() const
{
    std::vector<int> used;
    std::vector<Colour> colours;
    for (const CMaterial* material : RowRecords()) {
        used.push_back(material->LibraryIndex());
        colours.push_back(material->GetColour());
    }
    return { CMaterial::kIdentifierBase + FreeIndex(used, kBuiltInMaterialCount),
        CopyColour(colours) };
}

int MaterialListAdapter::AddFromCatalogue(const CatalogueEntry& entry)
{
    const auto [identifier, colour] = NewIdentity();
    auto material = std::make_unique<CMaterial>(CatalogueMaterial(entry, identifier, 0));
    material->SetColour(colour);
    const std::optional<MaterialVapour> vapour = CatalogueVapour(entry, material->LibraryIndex());
    SetVapour(material->LibraryIndex(), vapour ? vapour->mu : std::string(),
        vapour ? vapour->sd : std::string());
    return Adopt(std::move(material));
}

std::optional<int> MaterialListAdapter::RunCatalogue(Prompter& prompter, QWidget* parent)
{
    std::string error = "Le catalogue de matériaux est introuvable";
    const std::optional<std::string> path = FindMaterialCatalogue();
    std::optional<std::vector<CatalogueEntry>> entries
        = path ? ReadCatalogueFile(*path, &error) : std::nullopt;
    if (!entries) {
        prompter.Message(parent, ToQ(error), Prompter::Icon::Exclamation);
        return std::nullopt;
    }
    CatalogueDialog dialog(std::move(*entries), parent);
    if (prompter.Exec(dialog) != QDialog::Accepted || !dialog.Chosen())
        return std::nullopt;
    return AddFromCatalogue(*dialog.Chosen());
}

void MaterialListAdapter::AddEditCommands(QMenu& edit, RecordListDlg& dialog)
{
    QAction* action = edit.addAction(QStringLiteral("&Catalogue..."));
    action->setObjectName(QStringLiteral("actionCatalogue"));
    QObject::connect(action, &QAction::triggered, &dialog, [this, &dialog] {
        dialog.AddRecordRow(
            [this, &dialog](Prompter& prompter) { return RunCatalogue(prompter, &dialog); },
            QStringLiteral("Catalogue"));
    });
}

std::unique_ptr<CMaterial> MaterialListAdapter::CopyOf(const CMaterial& shown) const
{
    const auto [identifier, colour] = NewIdentity();
    auto copy = std::make_unique<CMaterial>(shown);
    copy->SetName(CopyName(shown.Name()));
    copy->SetColour(colour);
    copy->SetIdentifier(identifier);
    // The copy has the vapour data the user gave the original (a built-in μ is not written
    // out: a project that never set vapour data keeps its file as it was).
    const auto own = std::find_if(vapour_.begin(), vapour_.end(),
        [&shown](const MaterialVapour& v) { return v.index == shown.LibraryIndex(); });
    const MaterialVapour given = own != vapour_.end() ? *own : MaterialVapour {};
    SetVapour(copy->LibraryIndex(), given.mu, given.sd);
    return copy;
}

void MaterialListAdapter::Preview(ProjectState& state, const std::vector<int>& keysInOrder) const
{
    const auto records = PreviewRecords(keysInOrder);
    state.materials.clear();
    std::vector<int> indices;
    for (const auto& record : records) {
        state.materials.push_back(record.first);
        indices.push_back(record.first.LibraryIndex());
    }
    state.vapour = VapourFor(indices);
    // The layers keep their materials, wherever the list put them.
    state.layers.clear();
    for (const NMaterialLayer& layer : layers_) {
        int position = -1;
        for (size_t i = 0; i < records.size() && layer.Material() != nullptr; ++i)
            if (records[i].second == layer.Material())
                position = static_cast<int>(i);
        state.layers.push_back({ position, layer.Thickness() });
    }
}

std::optional<QString> MaterialListAdapter::Refusal(const CMaterial& material) const
{
    const std::optional<std::string> why = MaterialDeletionRefusal(material, layers_);
    return why ? std::optional(ToQ(*why)) : std::nullopt;
}

} // namespace quelvan::ui
