#include "ui/lists/RecordListDlg.h"

#include "graphics/QtStrings.h"
#include "ui/shell/Prompter.h"

#include <QMenu>

namespace quelvan::ui {

RecordListDlg::RecordListDlg(
    std::unique_ptr<RecordListModel> list, Prompter& prompter, QWidget* parent)
    : GeneralListDlg(list->Layout().kind, prompter, parent)
    , list_(std::move(list))
{
    setWindowTitle(list_->Layout().title);
    SetRowLimit(list_->Layout().rowLimit);
    SetHint(list_->Layout().hint);
    const std::span<const ListColumn> columns = list_->Layout().columns;
    Grid().SetColumnCount(static_cast<int>(columns.size()));
    for (size_t c = 0; c < columns.size(); ++c) {
        const int column = static_cast<int>(c);
        Grid().SetText(0, column, columns[c].header);
        Grid().Column(column).width = columns[c].width;
        Grid().Column(column).rowNumber = columns[c].rowNumber;
    }
    for (const int key : list_->StoredKeys()) {
        const int row = Grid().RowCount();
        Grid().SetRowCount(row + 1);
        Grid().Row(row).height = kRowHeight;
        Grid().Cell(row, 0).tag = key;
        list_->FillRow(Grid(), row, key);
    }
    list_->AddEditCommands(*EditMenu(), *this);
    FitToGrid();
}

RecordListDlg::~RecordListDlg() = default;

std::optional<int> RecordListDlg::SelectedKey() const
{
    const int row = SelectedRow();
    if (row < 0)
        return std::nullopt;
    return KeyAt(row);
}

void RecordListDlg::RefillRow(int key)
{
    const int row = Grid().FindRowByTag(0, key);
    if (row < 1)
        return;
    list_->FillRow(Grid(), row, key);
    Canvas()->update();
}

void RecordListDlg::KeepSteps(const ProjectState& opened)
{
    opened_ = opened;
    steps_.clear();
}

void RecordListDlg::NoteChange(const QString& command)
{
    if (!opened_)
        return;
    std::vector<int> keys;
    for (int row = 1; row < Grid().RowCount(); ++row)
        keys.push_back(KeyAt(row));
    EditStep step { FromQ(windowTitle() + QStringLiteral(" : ") + command), *opened_ };
    list_->Preview(step.state, keys);
    steps_.push_back(std::move(step));
}

void RecordListDlg::EditRow(int row, int)
{
    SelectRow(row);
    if (list_->Edit(KeyAt(row), prompter(), this)) {
        RefillRow(KeyAt(row));
        NoteChange(QStringLiteral("modifier"));
    }
}

void RecordListDlg::FillNewRow(int row)
{
    if (const std::optional<int> key = list_->Add()) {
        Grid().Cell(row, 0).tag = *key;
        list_->FillRow(Grid(), row, *key);
    }
}

void RecordListDlg::RowDeleted(int row)
{
    list_->Forget(KeyAt(row));
}

bool RecordListDlg::MayDeleteRow(int row)
{
    const std::optional<QString> refusal = list_->DeletionRefusal(KeyAt(row));
    if (refusal)
        prompter().Message(this, *refusal, Prompter::Icon::Information);
    return !refusal;
}

void RecordListDlg::DuplicateRow(int row)
{
    const std::optional<int> key = list_->Duplicate(KeyAt(row));
    if (!key)
        return;
    if (!list_->Edit(*key, prompter(), this)) {
        list_->Forget(*key);
        return;
    }
    Grid().InsertRowAfter(row);
    const int copy = row + 1;
    Grid().Row(copy).height = kRowHeight;
    Grid().Cell(copy, 0).tag = *key;
    list_->FillRow(Grid(), copy, *key);
    SelectRow(copy);
    FitToGrid();
    NoteChange(QStringLiteral("Dupliquer"));
}

void RecordListDlg::AddRecordRow(
    const std::function<std::optional<int>(Prompter&)>& make, const QString& command)
{
    if (RowLimitReached())
        return;
    const std::optional<int> key = make(prompter());
    if (!key)
        return;
    const int row = Grid().RowCount();
    Grid().InsertRowAfter(row - 1);
    Grid().Row(row).height = kRowHeight;
    Grid().Cell(row, 0).tag = *key;
    list_->FillRow(Grid(), row, *key);
    SelectRow(row);
    FitToGrid();
    NoteChange(command);
}

void RecordListDlg::ApplyResult()
{
    std::vector<int> keys;
    for (int row = 1; row < Grid().RowCount(); ++row)
        keys.push_back(KeyAt(row));
    list_->Apply(keys);
}

} // namespace quelvan::ui
