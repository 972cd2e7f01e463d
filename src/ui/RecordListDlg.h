#pragma once

#include "core/NList.h"
#include "model/CBCData.h"
#include "model/CMaterial.h"
#include "model/NMaterialLayer.h"
#include "ui/GeneralListDlg.h"

#include <map>
#include <memory>

namespace quelvan::ui {

// The list dialog of the material library, of one side's ambiances or of the wall's layers.
// Each row keeps its stored record and, once edited, an edited copy; the project changes only
// when the caller applies the result after "OK", in the rows' display order.
class RecordListDlg : public GeneralListDlg {
    Q_OBJECT
public:
    static constexpr int kMaxLayers = 7;

    // "Matériaux".
    RecordListDlg(NList<CMaterial>& materials, Prompter& prompter, QWidget* parent = nullptr);
    // "Ambiances Extérieures" / "Ambiances Intérieures"; the wall's azimuth and inclination
    // in degrees for the computed-flux preview.
    RecordListDlg(NList<CBCData>& ambiances, Side side, int azimuthDegrees, int inclinationDegrees,
        Prompter& prompter, QWidget* parent = nullptr);
    // "Couches", with the library the layers take their materials from.
    RecordListDlg(NList<NMaterialLayer>& layers, const NList<CMaterial>& library,
        Prompter& prompter, QWidget* parent = nullptr);
    ~RecordListDlg() override;

    // Hands the rows back to the list in display order, edited copies assigned into the
    // stored records; records of deleted rows are destroyed.
    void ApplyResult();

    // Gives the selected layer that material (identifier 3001..3020), as "Associer Matériau".
    void AssociateMaterial(int identifier);
    // Row's record as shown (edited copy or stored), for tests and the caller.
    const CMaterial* MaterialAt(int row) const;
    const CBCData* AmbianceAt(int row) const;
    const NMaterialLayer* LayerAt(int row) const;

protected:
    void EditRow(int row, int column) override;
    void FillNewRow(int row) override;
    void RowDeleted(int row) override;

private:
    struct Entry {
        CMaterial* material = nullptr;
        CBCData* ambiance = nullptr;
        NMaterialLayer* layer = nullptr;
        std::unique_ptr<NMaterialLayer> addedLayer;
        std::unique_ptr<CMaterial> materialCopy;
        std::unique_ptr<CBCData> ambianceCopy;
        std::unique_ptr<NMaterialLayer> layerCopy;
    };

    Entry& EntryAt(int row);
    const Entry* FindEntry(int row) const;
    int NewEntry(Entry entry);
    void FillMaterialRow(int row, const CMaterial& material);
    void FillAmbianceRow(int row, const CBCData& ambiance);
    void FillLayerRow(int row, const NMaterialLayer& layer);
    void FillHeaders(const std::vector<std::pair<QString, int>>& columns);
    void BuildAssociateMenu();

    NList<CMaterial>* materials_ = nullptr;
    NList<CBCData>* ambiances_ = nullptr;
    NList<NMaterialLayer>* layers_ = nullptr;
    const NList<CMaterial>* library_ = nullptr;
    Side side_ = Side::Exterior;
    int azimuth_ = 0;
    int inclination_ = 90;
    std::map<int, Entry> entries_;
    int nextKey_ = 1;
};

} // namespace quelvan::ui
