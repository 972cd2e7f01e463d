#include "pacing/CalculationWorker.h"

namespace quelvan {

CalculationWorker::CalculationWorker(int maxSteps, double minimumInterval)
    : maxSteps_(maxSteps)
    , minimumInterval_(minimumInterval)
{
}

void CalculationWorker::Launch(double nowSeconds)
{
    launched_ = true;
    lastRequest_ = nowSeconds;
}

void CalculationWorker::Signal(WorkerEvent event)
{
    // Auto-reset events: a second signal before the test is the same signal.
    signalled_[static_cast<int>(event)] = true;
}

bool CalculationWorker::TakeEvent(WorkerEvent event)
{
    bool& flag = signalled_[static_cast<int>(event)];
    const bool was = flag;
    flag = false;
    return was;
}

void CalculationWorker::TestEvents()
{
    // Only the first signalled event is consumed in one turn, in this order.
    if (TakeEvent(WorkerEvent::Pause)) {
        paused_ = true;
        singleStepPending_ = false;
    } else if (TakeEvent(WorkerEvent::SingleStep)) {
        singleStepPending_ = true;
    } else if (TakeEvent(WorkerEvent::Resume)) {
        paused_ = false;
    } else if (TakeEvent(WorkerEvent::Stop)) {
        stopped_ = true;
    }
}

WorkerAction CalculationWorker::Poll(double nowSeconds)
{
    if (!launched_ || finished_)
        return WorkerAction::None;
    if (!started_) {
        if (!TakeEvent(WorkerEvent::Start))
            return WorkerAction::None;
        started_ = true;
    }
    if (stopped_ || stepsRequested_ >= maxSteps_) {
        finished_ = true;
        return WorkerAction::EndOfRun;
    }
    WorkerAction action = WorkerAction::None;
    // A nanosecond of slack so that decimal clock readings (0.3 - 0.2) count as a full interval.
    const bool intervalDone = nowSeconds - lastRequest_ + 1e-9 >= minimumInterval_;
    if (intervalDone && (!paused_ || singleStepPending_)) {
        action = WorkerAction::Step;
        ++stepsRequested_;
        singleStepPending_ = false;
        lastRequest_ = nowSeconds;
    }
    TestEvents();
    return action;
}

} // namespace quelvan
