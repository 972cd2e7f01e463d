#pragma once

#include "core/NList.h"
#include "ui/lists/RecordListModel.h"
#include "ui/shell/Prompter.h"

#include <QDialog>

#include <functional>
#include <map>
#include <memory>
#include <utility>

namespace quelvan::ui {

// The record keeping shared by every kind of list over an NList<Record>. A kind says how a row
// shows a record, which dialog edits it, how an edited copy is assigned into the stored record
// and, where rows can be added, what a new record is. Every record made in the dialog comes in
// through Adopt, which gives it its key.
template <typename Record> class RecordListAdapter : public RecordListModel {
public:
    const std::vector<int>& StoredKeys() const override { return storedKeys_; }

    // The record a row shows: the edited copy, else the stored or added record; null for an
    // unknown key.
    const Record* Shown(int key) const
    {
        const auto it = entries_.find(key);
        if (it == entries_.end())
            return nullptr;
        const Entry& e = it->second;
        return e.copy ? e.copy.get() : e.Target();
    }

    void FillRow(graphics::NGridTable& grid, int row, int key) const override
    {
        Fill(grid, row, *Shown(key));
    }

    bool Edit(int key, Prompter& prompter, QWidget* parent) override
    {
        std::unique_ptr<Record> edited = RunEditor(*Shown(key), prompter, parent);
        if (!edited)
            return false;
        entries_.at(key).copy = std::move(edited);
        return true;
    }

    std::optional<int> Add() override
    {
        std::unique_ptr<Record> record = NewRecord();
        if (!record)
            return std::nullopt;
        return Adopt(std::move(record));
    }

    std::optional<int> Duplicate(int key) override
    {
        std::unique_ptr<Record> copy = CopyOf(*Shown(key));
        if (!copy)
            return std::nullopt;
        return Adopt(std::move(copy));
    }

    std::optional<QString> DeletionRefusal(int key) const override
    {
        return Refusal(*entries_.at(key).Target());
    }

    void Forget(int key) override { entries_.erase(key); }

    void Apply(const std::vector<int>& keysInOrder) override
    {
        std::vector<std::unique_ptr<Record>> old = list_.TakeAll();
        std::vector<std::unique_ptr<Record>> result;
        for (const int key : keysInOrder) {
            Entry& e = entries_.at(key);
            if (e.copy)
                Assign(*e.Target(), *e.copy);
            e.copy.reset();
            if (e.added) {
                result.push_back(std::move(e.added));
                continue;
            }
            for (auto& owned : old)
                if (owned.get() == e.stored)
                    result.push_back(std::move(owned));
        }
        // Records the dialog never listed keep their order after the listed ones; the records
        // of deleted rows are left behind and destroyed.
        for (auto& owned : old)
            if (owned && !WasListed(owned.get()))
                result.push_back(std::move(owned));
        list_.Replace(std::move(result));
    }

protected:
    RecordListAdapter(ListLayout layout, NList<Record>& list)
        : RecordListModel(std::move(layout))
        , list_(list)
    {
    }

    // The records Apply would hand back for that order of keys, as values, each with the stored
    // record it would be (null for a record made in the dialog); the records the dialog never
    // listed follow, as Apply keeps them.
    std::vector<std::pair<Record, const Record*>> PreviewRecords(
        const std::vector<int>& keysInOrder) const
    {
        std::vector<std::pair<Record, const Record*>> records;
        for (const int key : keysInOrder) {
            const Entry& e = entries_.at(key);
            Record value = *e.Target();
            if (e.copy)
                Assign(value, *e.copy);
            records.emplace_back(std::move(value), e.stored);
        }
        for (const Record& owned : list_)
            if (!WasListed(&owned))
                records.emplace_back(owned, &owned);
        return records;
    }

    // Lists a stored record (in list order, from the kind's constructor).
    void Keep(Record& record)
    {
        const int key = nextKey_++;
        entries_[key].stored = &record;
        storedKeys_.push_back(key);
        listed_.push_back(&record);
    }
    // Takes a record made in the dialog; its key.
    int Adopt(std::unique_ptr<Record> record)
    {
        const int key = nextKey_++;
        entries_[key].added = std::move(record);
        return key;
    }
    // Changes the record of a row through its edited copy (made from the shown record when the
    // row has none yet).
    void Modify(int key, const std::function<void(Record&)>& change)
    {
        Entry& e = entries_.at(key);
        if (!e.copy)
            e.copy = std::make_unique<Record>(*e.Target());
        change(*e.copy);
    }

    // The records of the rows, stored or added (without their edits, which never change an
    // identifier).
    std::vector<const Record*> RowRecords() const
    {
        std::vector<const Record*> records;
        for (const auto& [key, e] : entries_)
            records.push_back(e.Target());
        return records;
    }

    virtual void Fill(graphics::NGridTable& grid, int row, const Record& record) const = 0;
    // The editing dialog on the shown record: a new record on "OK", null on "Annuler".
    virtual std::unique_ptr<Record> RunEditor(
        const Record& shown, Prompter& prompter, QWidget* parent) const = 0;
    // Gives the stored record the edited copy's contents.
    virtual void Assign(Record& stored, const Record& edited) const = 0;
    // The record of a new row; null where rows are not added.
    virtual std::unique_ptr<Record> NewRecord() const { return nullptr; }
    // "Dupliquer": the copy of the shown record; null where records are not duplicated.
    virtual std::unique_ptr<Record> CopyOf(const Record& /*shown*/) const { return nullptr; }
    // Why a row's record may not be deleted; none when it may.
    virtual std::optional<QString> Refusal(const Record& /*record*/) const { return std::nullopt; }

private:
    struct Entry {
        Record* stored = nullptr;
        std::unique_ptr<Record> added;
        std::unique_ptr<Record> copy;
        Record* Target() const { return stored ? stored : added.get(); }
    };

    bool WasListed(const Record* record) const
    {
        for (const Record* listed : listed_)
            if (listed == record)
                return true;
        return false;
    }

    NList<Record>& list_;
    std::map<int, Entry> entries_;
    std::vector<int> storedKeys_;
    std::vector<const Record*> listed_;
    int nextKey_ = 1;
};

// Runs an editing dialog that makes a new record on "OK" (TakeResult); null on "Annuler".
template <typename Dialog>
auto RunEditingDialog(Dialog& dialog, Prompter& prompter) -> decltype(dialog.TakeResult())
{
    if (prompter.Exec(dialog) != QDialog::Accepted)
        return nullptr;
    return dialog.TakeResult();
}

} // namespace quelvan::ui
