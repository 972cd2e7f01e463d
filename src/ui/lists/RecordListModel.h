#pragma once

#include "ui/lists/ListKind.h"

#include <QString>

#include <optional>
#include <span>
#include <vector>

class QMenu;
class QWidget;

namespace quelvan {
struct ProjectState;
}
namespace quelvan::graphics {
class NGridTable;
}

namespace quelvan::ui {

class Prompter;
class RecordListDlg;

// One column of a record list: its header (a second header line follows a "\n"), its width in
// pixels, and whether it shows the row number instead of its cells.
struct ListColumn {
    const char* header;
    int width;
    bool rowNumber = false;
};

// How one kind of list looks: its kind, window title and columns, the most rows "Ajouter" and
// "Dupliquer" accept (0 for no limit), and a line telling how its rows are edited (none when
// empty).
struct ListLayout {
    ListKind kind;
    QString title;
    std::span<const ListColumn> columns;
    int rowLimit = 0;
    QString hint = {};
};

// What the list dialog needs from one kind of record list. The dialog knows rows; the list knows
// records, each under a key that the dialog keeps in the row. A record listed when the dialog
// opened is "stored"; a record made in the dialog ("Ajouter") is owned by the list until the
// result is applied; editing a row makes an edited copy, which replaces the previous copy and
// reaches the stored record only when the result is applied.
class RecordListModel {
public:
    explicit RecordListModel(ListLayout layout)
        : layout_(std::move(layout))
    {
    }
    virtual ~RecordListModel() = default;

    const ListLayout& Layout() const { return layout_; }

    // Keys of the stored records, in list order.
    virtual const std::vector<int>& StoredKeys() const = 0;
    // Writes the record as shown (its edited copy, if any) into a grid row.
    virtual void FillRow(graphics::NGridTable& grid, int row, int key) const = 0;
    // Runs the record's editing dialog; true when "OK" gave a new edited copy.
    virtual bool Edit(int key, Prompter& prompter, QWidget* parent) = 0;
    // "Ajouter": the key of a new record, or none for lists whose rows are not added.
    virtual std::optional<int> Add() = 0;
    // "Dupliquer": the key of a copy of that record (new name and identifier), owned by the list
    // like an added record; none for lists whose records are not duplicated.
    virtual std::optional<int> Duplicate(int /*key*/) { return std::nullopt; }
    // Why the record of that key may not be deleted, as the message to show; none when it may.
    virtual std::optional<QString> DeletionRefusal(int /*key*/) const { return std::nullopt; }
    // The row of that key was deleted: its record leaves the list when the result is applied.
    virtual void Forget(int key) = 0;
    // Hands the records back to the project in the given order of keys.
    virtual void Apply(const std::vector<int>& keysInOrder) = 0;
    // Writes into a state of the project (the project when the dialog opened) the records that
    // Apply would hand back now for that order of keys; nothing changes in the project.
    virtual void Preview(ProjectState& state, const std::vector<int>& keysInOrder) const = 0;
    // Commands of the kind's own, appended to the "Edition" menu.
    virtual void AddEditCommands(QMenu& /*edit*/, RecordListDlg& /*dialog*/) { }

private:
    ListLayout layout_;
};

} // namespace quelvan::ui
