#include "ui/RecordListDlg.h"

#include "core/NumberText.h"
#include "graphics/AmbianceIcons.h"
#include "ui/AmbianceDialog.h"
#include "ui/LayerDialog.h"
#include "ui/MaterialDialog.h"
#include "ui/Prompter.h"
#include "ui/UiText.h"

#include <QMenu>

#include <numbers>

namespace quelvan::ui {

using graphics::CellKind;
using graphics::GridCell;

namespace {
constexpr float kInsulantLimit = 0.09f; // W/m.K: at or below, a material is an insulant

void SetText(GridCell& cell, const std::string& text)
{
    cell.type = CellKind::Text;
    cell.text = text;
}

template <typename T>
void Reorder(NList<T>& list, const std::vector<T*>& order, std::vector<std::unique_ptr<T>> added)
{
    std::vector<std::unique_ptr<T>> old = list.TakeAll();
    std::vector<std::unique_ptr<T>> result;
    for (T* record : order) {
        for (auto& owned : old)
            if (owned.get() == record)
                result.push_back(std::move(owned));
        for (auto& owned : added)
            if (owned.get() == record)
                result.push_back(std::move(owned));
    }
    list.Replace(std::move(result));
}
} // namespace

RecordListDlg::RecordListDlg(NList<CMaterial>& materials, Prompter& prompter, QWidget* parent)
    : GeneralListDlg(ListKind::Materials, prompter, parent)
    , materials_(&materials)
{
    setWindowTitle(QStringLiteral("Matériaux"));
    FillHeaders({ { QStringLiteral("Couleur"), 60 }, { QStringLiteral("Nom"), 270 },
        { QStringLiteral("Conductivité\n(W/m.K)"), 80 },
        { QStringLiteral("Masse vol.\n(kg/m3)"), 80 }, { QStringLiteral("Capacité\n(J/kg.K)"), 80 },
        { QStringLiteral("Diffusivité\n10-6.(m²/s)"), 80 },
        { QStringLiteral("Effusivité\n10-6.(U.S.I.)"), 80 } });
    for (CMaterial& material : materials) {
        const int row = Grid().RowCount();
        Grid().SetRowCount(row + 1);
        Grid().Row(row).height = 18;
        Entry entry;
        entry.material = &material;
        Grid().Cell(row, 0).tag = NewEntry(std::move(entry));
        FillMaterialRow(row, material);
    }
    FitToGrid();
}

RecordListDlg::RecordListDlg(NList<CBCData>& ambiances, Side side, int azimuthDegrees,
    int inclinationDegrees, Prompter& prompter, QWidget* parent)
    : GeneralListDlg(ListKind::Ambiances, prompter, parent)
    , ambiances_(&ambiances)
    , side_(side)
    , azimuth_(azimuthDegrees)
    , inclination_(inclinationDegrees)
{
    setWindowTitle(QString::fromUtf8(Describe(side).listTitle));
    FillHeaders({ { QStringLiteral("Nom"), 320 }, { QString(), 90 },
        { QStringLiteral("Période"), 68 }, { QStringLiteral("T min\n(°C)"), 52 },
        { QStringLiteral("T max\n(°C)"), 52 }, { QString(), 90 }, { QStringLiteral("Période"), 68 },
        { QStringLiteral("F min\n(W/m²)"), 52 }, { QStringLiteral("F max\n(W/m²)"), 52 } });
    for (CBCData& ambiance : ambiances) {
        if (ambiance.side != side)
            continue;
        const int row = Grid().RowCount();
        Grid().SetRowCount(row + 1);
        Grid().Row(row).height = 18;
        Entry entry;
        entry.ambiance = &ambiance;
        Grid().Cell(row, 0).tag = NewEntry(std::move(entry));
        FillAmbianceRow(row, ambiance);
    }
    FitToGrid();
}

RecordListDlg::RecordListDlg(NList<NMaterialLayer>& layers, const NList<CMaterial>& library,
    Prompter& prompter, QWidget* parent)
    : GeneralListDlg(ListKind::Layers, prompter, parent)
    , layers_(&layers)
    , library_(&library)
{
    setWindowTitle(QStringLiteral("Couches"));
    SetRowLimit(kMaxLayers);
    FillHeaders({ { QStringLiteral("Couche"), 72 }, { QStringLiteral("Matériau"), 300 },
        { QStringLiteral("Epaisseur\n(mm)"), 100 },
        { QStringLiteral("Résistance\n(m².K/W)"), 100 } });
    Grid().Column(0).rowNumber = true;
    for (NMaterialLayer& layer : layers) {
        const int row = Grid().RowCount();
        Grid().SetRowCount(row + 1);
        Grid().Row(row).height = 18;
        Entry entry;
        entry.layer = &layer;
        Grid().Cell(row, 0).tag = NewEntry(std::move(entry));
        FillLayerRow(row, layer);
    }
    BuildAssociateMenu();
    FitToGrid();
}

RecordListDlg::~RecordListDlg() = default;

void RecordListDlg::FillHeaders(const std::vector<std::pair<QString, int>>& columns)
{
    Grid().SetColumnCount(static_cast<int>(columns.size()));
    for (size_t c = 0; c < columns.size(); ++c) {
        const int column = static_cast<int>(c);
        SetText(Grid().Cell(0, column), FromQ(columns[c].first));
        Grid().Column(column).width = columns[c].second;
    }
}

int RecordListDlg::NewEntry(Entry entry)
{
    const int key = nextKey_++;
    entries_.emplace(key, std::move(entry));
    return key;
}

RecordListDlg::Entry& RecordListDlg::EntryAt(int row)
{
    return entries_.at(Grid().Cell(row, 0).tag);
}

const RecordListDlg::Entry* RecordListDlg::FindEntry(int row) const
{
    if (row < 1 || row >= Grid().RowCount())
        return nullptr;
    const auto it = entries_.find(Grid().Cell(row, 0).tag);
    return it == entries_.end() ? nullptr : &it->second;
}

const CMaterial* RecordListDlg::MaterialAt(int row) const
{
    const Entry* e = FindEntry(row);
    return e ? (e->materialCopy ? e->materialCopy.get() : e->material) : nullptr;
}

const CBCData* RecordListDlg::AmbianceAt(int row) const
{
    const Entry* e = FindEntry(row);
    return e ? (e->ambianceCopy ? e->ambianceCopy.get() : e->ambiance) : nullptr;
}

const NMaterialLayer* RecordListDlg::LayerAt(int row) const
{
    const Entry* e = FindEntry(row);
    if (!e)
        return nullptr;
    if (e->layerCopy)
        return e->layerCopy.get();
    return e->layer ? e->layer : e->addedLayer.get();
}

void RecordListDlg::FillMaterialRow(int row, const CMaterial& material)
{
    GridCell& swatch = Grid().Cell(row, 0);
    swatch.type = CellKind::ColourSwatch;
    swatch.colour = material.GetColour();
    SetText(Grid().Cell(row, 1), material.Name());
    SetText(Grid().Cell(row, 2), material.Conductivity());
    SetText(Grid().Cell(row, 3), material.Density());
    SetText(Grid().Cell(row, 4), material.Capacity());
    const MaterialDerivedTexts derived
        = DerivedTexts(material.Conductivity(), material.Density(), material.Capacity());
    SetText(Grid().Cell(row, 5), derived.diffusivity);
    SetText(Grid().Cell(row, 6), derived.effusivity);
}

void RecordListDlg::FillAmbianceRow(int row, const CBCData& ambiance)
{
    SetText(Grid().Cell(row, 0), ambiance.Name());
    for (const Component component : kComponents) {
        const ProfileData& profile = ambiance.Profile(component);
        const int base = component == Component::Temperature ? 1 : 5;
        GridCell& icon = Grid().Cell(row, base);
        icon.type = CellKind::Bitmap;
        icon.bitmap = graphics::AmbianceIcons::Icon(profile.type);
        SetText(Grid().Cell(row, base + 1), PeriodName(profile.period));
        const bool shown = TextsOf(profile.type, component).listShowsValues;
        SetText(Grid().Cell(row, base + 2), shown ? profile.values[0] : "---");
        SetText(Grid().Cell(row, base + 3), shown ? profile.values[1] : "---");
    }
}

void RecordListDlg::FillLayerRow(int row, const NMaterialLayer& layer)
{
    SetText(Grid().Cell(row, 1), layer.Material() ? layer.Material()->Name() : std::string());
    SetText(Grid().Cell(row, 2), layer.Thickness());
    SetText(Grid().Cell(row, 3), FromQ(LayerResistanceText(layer)));
}

void RecordListDlg::BuildAssociateMenu()
{
    QMenu* menu = AssociateMenu();
    if (!menu || !library_)
        return;
    menu->clear();
    auto add = [this, menu](const CMaterial& material) {
        const int id = material.Identifier();
        QAction* action = menu->addAction(ToQ(material.Name()));
        action->setData(id);
        connect(action, &QAction::triggered, this, [this, id] { AssociateMaterial(id); });
    };
    for (const CMaterial& material : *library_)
        if (FloatValue(material.Conductivity()) > kInsulantLimit)
            add(material);
    menu->addSeparator();
    for (const CMaterial& material : *library_)
        if (!(FloatValue(material.Conductivity()) > kInsulantLimit))
            add(material);
}

void RecordListDlg::AssociateMaterial(int identifier)
{
    const int row = SelectedRow();
    if (row < 0 || identifier < CMaterial::kIdentifierBase
        || identifier > CMaterial::kIdentifierBase + 19 || !library_)
        return;
    const CMaterial* chosen = nullptr;
    for (const CMaterial& material : *library_)
        if (material.Identifier() == identifier)
            chosen = &material;
    if (!chosen)
        return;
    Entry& entry = EntryAt(row);
    if (!entry.layerCopy)
        entry.layerCopy = std::make_unique<NMaterialLayer>(*LayerAt(row));
    entry.layerCopy->SetMaterial(chosen);
    FillLayerRow(row, *entry.layerCopy);
    Canvas()->update();
}

void RecordListDlg::EditRow(int row, int)
{
    SelectRow(row);
    Entry& entry = EntryAt(row);
    if (materials_) {
        MaterialDialog dialog(*MaterialAt(row), this);
        if (prompter().Exec(dialog) != QDialog::Accepted)
            return;
        entry.materialCopy = dialog.TakeResult();
        FillMaterialRow(row, *entry.materialCopy);
    } else if (ambiances_) {
        AmbianceDialog dialog(*AmbianceAt(row), azimuth_ * std::numbers::pi / 180.0,
            inclination_ * std::numbers::pi / 180.0, this);
        if (prompter().Exec(dialog) != QDialog::Accepted)
            return;
        entry.ambianceCopy = dialog.TakeResult();
        FillAmbianceRow(row, *entry.ambianceCopy);
    } else if (layers_) {
        LayerDialog dialog(*LayerAt(row), *library_, this);
        if (prompter().Exec(dialog) != QDialog::Accepted)
            return;
        entry.layerCopy = dialog.TakeResult();
        FillLayerRow(row, *entry.layerCopy);
    }
    Canvas()->update();
}

void RecordListDlg::FillNewRow(int row)
{
    if (!layers_ || !library_)
        return;
    const CMaterial* first = nullptr;
    for (const CMaterial& material : *library_)
        if (material.Identifier() == CMaterial::kIdentifierBase)
            first = &material;
    Entry entry;
    entry.addedLayer = std::make_unique<NMaterialLayer>(first, "100");
    const NMaterialLayer& layer = *entry.addedLayer;
    Grid().Cell(row, 0).tag = NewEntry(std::move(entry));
    FillLayerRow(row, layer);
}

void RecordListDlg::RowDeleted(int row)
{
    entries_.erase(Grid().Cell(row, 0).tag);
}

void RecordListDlg::ApplyResult()
{
    std::vector<CMaterial*> materialOrder;
    std::vector<CBCData*> ambianceOrder;
    std::vector<NMaterialLayer*> layerOrder;
    std::vector<std::unique_ptr<NMaterialLayer>> addedLayers;
    for (int row = 1; row < Grid().RowCount(); ++row) {
        Entry& e = EntryAt(row);
        if (e.material) {
            if (e.materialCopy)
                e.material->AssignFrom(*e.materialCopy);
            materialOrder.push_back(e.material);
        } else if (e.ambiance) {
            if (e.ambianceCopy)
                e.ambiance->AssignFrom(*e.ambianceCopy);
            ambianceOrder.push_back(e.ambiance);
        } else {
            NMaterialLayer* target = e.layer ? e.layer : e.addedLayer.get();
            if (e.layerCopy)
                *target = *e.layerCopy;
            layerOrder.push_back(target);
            if (e.addedLayer)
                addedLayers.push_back(std::move(e.addedLayer));
        }
        e.materialCopy.reset();
        e.ambianceCopy.reset();
        e.layerCopy.reset();
    }
    if (materials_)
        Reorder(*materials_, materialOrder, {});
    if (ambiances_) {
        // The other side's records (none in a well-formed list) stay after this side's.
        for (CBCData& other : *ambiances_)
            if (other.side != side_)
                ambianceOrder.push_back(&other);
        Reorder(*ambiances_, ambianceOrder, {});
    }
    if (layers_)
        Reorder(*layers_, layerOrder, std::move(addedLayers));
}

} // namespace quelvan::ui
