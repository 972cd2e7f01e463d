#pragma once

#include "model/ProjectState.h"
#include "ui/lists/GeneralListDlg.h"
#include "ui/lists/RecordListAdapter.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace quelvan::ui {

// The list dialog over one kind of record list (materials, one side's ambiances, the wall's
// layers, each described by its adapter). Each row keeps the key of its record in its first
// cell; the project changes only when the caller applies the result after "OK", in the rows'
// display order.
class RecordListDlg : public GeneralListDlg {
    Q_OBJECT
public:
    RecordListDlg(
        std::unique_ptr<RecordListModel> list, Prompter& prompter, QWidget* parent = nullptr);
    ~RecordListDlg() override;

    // Hands the rows' records back to the project in display order, edited copies assigned
    // into the stored records; records of deleted rows are destroyed.
    void ApplyResult();

    // Keeps, after every change the user makes in the dialog (a move, an accepted edit, an added,
    // deleted or duplicated row, an associated material), the project as the dialog would hand it
    // back at that moment, starting from `opened` (the project when the dialog opened). On "OK"
    // these states become the steps of the edit history, one per change.
    void KeepSteps(const ProjectState& opened);
    const std::vector<EditStep>& Steps() const { return steps_; }
    // A command of the list's own changed a row (the layer list's "Associer Matériau").
    void NoteChange(const QString& command);

    RecordListModel& List() { return *list_; }
    // The key of the selected row's record; none without a selected row.
    std::optional<int> SelectedKey() const;
    // Shows that record again in its row (after the list changed it).
    void RefillRow(int key);
    // A command of the list's own that adds a record (the material list's "Catalogue..."):
    // below the row limit, `make` gives the new record's key (none when the user gave up); its
    // row is added last and selected, a change named `command`.
    void AddRecordRow(
        const std::function<std::optional<int>(Prompter&)>& make, const QString& command);

    // The record a row shows (edited copy or stored), for callers that know the record type;
    // null for another type or a row without a record.
    template <typename Record> const Record* RecordAt(int row) const
    {
        const auto* list = dynamic_cast<const RecordListAdapter<Record>*>(list_.get());
        return list && row >= 1 && row < Grid().RowCount() ? list->Shown(KeyAt(row)) : nullptr;
    }

protected:
    void RowsChanged(const QString& command) override { NoteChange(command); }
    void EditRow(int row, int column) override;
    void FillNewRow(int row) override;
    void RowDeleted(int row) override;
    bool MayDeleteRow(int row) override;
    // Opens the copy's dialog first: "OK" puts the copy's row after the original and selects
    // it; "Annuler" drops the copy, since the dialog is part of the one "Dupliquer" command.
    void DuplicateRow(int row) override;

private:
    int KeyAt(int row) const { return Grid().Cell(row, 0).tag; }

    std::unique_ptr<RecordListModel> list_;
    std::optional<ProjectState> opened_;
    std::vector<EditStep> steps_;
};

} // namespace quelvan::ui
