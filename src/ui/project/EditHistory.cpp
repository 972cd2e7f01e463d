#include "ui/project/EditHistory.h"

#include "graphics/QtStrings.h"
#include "model/KslDoc.h"

#include <QUndoCommand>

namespace quelvan::ui {

// One edit: the states before and after it. The step is pushed after the edit was made, so
// its first redo has nothing to do.
class EditHistory::StateStep final : public QUndoCommand {
public:
    StateStep(EditHistory& history, const QString& text, State before, State after, int mergeKey,
        int session)
        : QUndoCommand(text)
        , history_(history)
        , before_(std::move(before))
        , after_(std::move(after))
        , mergeKey_(mergeKey)
        , session_(session)
    {
    }

    void undo() override { history_.Restore(before_); }
    void redo() override
    {
        if (done_)
            history_.Restore(after_);
        done_ = true;
    }
    int id() const override { return mergeKey_ != 0 ? mergeKey_ : -1; }
    bool mergeWith(const QUndoCommand* other) override
    {
        // Same id: a step of this kind with the same merge key.
        const auto* next = static_cast<const StateStep*>(other);
        if (next->session_ != session_)
            return false;
        after_ = next->after_;
        setObsolete(*after_ == *before_);
        return true;
    }

private:
    EditHistory& history_;
    State before_;
    State after_;
    int mergeKey_;
    int session_;
    bool done_ = false;
};

EditHistory::EditHistory(KslDoc& doc, QObject* parent)
    : QObject(parent)
    , doc_(doc)
{
    stack_.setUndoLimit(kStepLimit);
    connect(&stack_, &QUndoStack::cleanChanged, this, &EditHistory::FollowCleanState);
    current_ = CaptureNow();
}

EditHistory::~EditHistory()
{
    // The stack empties itself as it goes, announcing it to windows that may be going too.
    stack_.blockSignals(true);
}

EditHistory::State EditHistory::CaptureNow() const
{
    return std::make_shared<const ProjectState>(
        CaptureProjectState(doc_, form_ ? form_() : doc_.StoredFormValues()));
}

void EditHistory::FollowCleanState()
{
    doc_.modified = !stack_.isClean();
}

void EditHistory::Reset()
{
    stack_.clear();
    stack_.setClean();
    current_ = CaptureNow();
    EndMerge();
    FollowCleanState();
}

void EditHistory::Record(const QString& text, int mergeKey)
{
    if (restoring_)
        return; // the form reloading a restored state
    State next = CaptureNow();
    if (*next == *current_)
        return;
    stack_.push(new StateStep(*this, text, current_, next, mergeKey, session_));
    current_ = std::move(next);
    FollowCleanState();
}

void EditHistory::RecordSteps(const std::vector<EditStep>& steps, const QString& text)
{
    EndMerge();
    State now = CaptureNow();
    for (size_t i = 0; i < steps.size(); ++i) {
        // The last state is taken from the project itself, so that the history never parts
        // from what the document holds.
        State next = i + 1 == steps.size() && steps[i].state == *now
            ? now
            : std::make_shared<const ProjectState>(steps[i].state);
        if (*next == *current_)
            continue;
        stack_.push(new StateStep(*this, ToQ(steps[i].text), current_, next, 0, session_));
        current_ = std::move(next);
    }
    if (*now != *current_) {
        stack_.push(new StateStep(*this, text, current_, now, 0, session_));
        current_ = std::move(now);
    }
    EndMerge();
    FollowCleanState();
}

void EditHistory::MarkSaved()
{
    stack_.setClean();
    FollowCleanState();
}

void EditHistory::MarkUnsaved()
{
    stack_.resetClean();
    FollowCleanState();
}

void EditHistory::Restore(const State& state)
{
    RestoreProjectState(doc_, *state);
    doc_.controlsOutOfDate = true;
    current_ = state;
    EndMerge();
    restoring_ = true;
    emit restored();
    restoring_ = false;
}

} // namespace quelvan::ui
