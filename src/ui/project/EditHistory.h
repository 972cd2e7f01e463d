#pragma once

#include "model/ProjectState.h"

#include <QObject>
#include <QUndoStack>

#include <functional>
#include <memory>
#include <vector>

namespace quelvan {
class KslDoc;
}

namespace quelvan::ui {

// The edit history of the project: one QUndoStack whose steps each hold the project's state
// (ProjectState) before and after one edit, whatever was edited: a form field, a list, the
// references. Undoing or redoing a step restores a whole state and announces it (restored), so
// that the form, the wall drawing and the open windows are rebuilt from the document. The
// document's modified mark follows the stack's clean state: undoing back to the saved state
// makes the project unmodified again.
class EditHistory : public QObject {
    Q_OBJECT
public:
    // Steps kept; the oldest are dropped beyond (a state is a few tens of kilobytes).
    static constexpr int kStepLimit = 200;

    explicit EditHistory(KslDoc& doc, QObject* parent = nullptr);
    ~EditHistory() override;

    // Where the values the form shows are read (they reach the document only when stored);
    // until set, the document's stored values.
    void SetFormValues(std::function<FormValues()> form) { form_ = std::move(form); }

    // A new or opened project: no step to undo or redo, and the project as it is now counts as
    // saved.
    void Reset();
    // After a change made by the user: one step from the last known state to the project as it
    // is now, none when nothing changed. Successive changes with the same nonzero merge key (the
    // keystrokes in one field) join one step until EndMerge; a step merged back to its start
    // disappears.
    void Record(const QString& text, int mergeKey = 0);
    // Changes made elsewhere (a list dialog), each with the state it led to, the last one being
    // the project as it is now; steps that change nothing are left out. When the states do not
    // end at the project as it is (or there are none and the project changed), a step named
    // `text` records the rest.
    void RecordSteps(const std::vector<EditStep>& steps, const QString& text);
    // The next change starts a step of its own (the user left the field).
    void EndMerge() { ++session_; }
    // The project was written to its file; an undo from here makes it modified again.
    void MarkSaved();
    // The project must stay modified until the next save (its results were not written).
    void MarkUnsaved();

    // The state after the last step (the project with the form's values as last recorded).
    const ProjectState& Current() const { return *current_; }
    QUndoStack& Stack() { return stack_; }

signals:
    // A step was undone or redone: the document's records were replaced by new ones and its
    // controls are out of date.
    void restored();

private:
    class StateStep;
    using State = std::shared_ptr<const ProjectState>;

    State CaptureNow() const;
    void Restore(const State& state);
    void FollowCleanState();

    KslDoc& doc_;
    std::function<FormValues()> form_;
    QUndoStack stack_;
    State current_;
    int session_ = 0;
    bool restoring_ = false;
};

} // namespace quelvan::ui
