#include "pacing/RunState.h"

namespace quelvan {

RunButtons ApplyRunState(RunState state, bool tracerShown, const RunButtons& previous)
{
    RunButtons b = previous;
    switch (state) {
    case RunState::Idle:
        b.runText = kRunTextStart;
        b.runEnabled = false;
        b.stepEnabled = false;
        b.stopEnabled = false;
        b.tracerEnabled = false;
        break;
    case RunState::Ready:
        b.runEnabled = true;
        b.tracerEnabled = !tracerShown;
        break;
    case RunState::Running:
        b.runText = kRunTextPause;
        b.runEnabled = true;
        b.stopEnabled = true;
        b.stepEnabled = false;
        break;
    case RunState::Paused:
        b.runText = kRunTextResume;
        b.runEnabled = true;
        b.stepEnabled = true;
        b.stopEnabled = true;
        b.tracerEnabled = !tracerShown;
        break;
    case RunState::Finished:
        b.runText = kRunTextReinitialise;
        b.runEnabled = true;
        b.stepEnabled = false;
        b.stopEnabled = false;
        break;
    }
    return b;
}

RunButtonAction RunButtonActionFor(RunState state)
{
    switch (state) {
    case RunState::Ready:
        return RunButtonAction::StartRun;
    case RunState::Running:
        return RunButtonAction::Pause;
    case RunState::Paused:
        return RunButtonAction::Resume;
    case RunState::Finished:
        return RunButtonAction::Reinitialise;
    case RunState::Idle:
        break;
    }
    return RunButtonAction::None;
}

} // namespace quelvan
