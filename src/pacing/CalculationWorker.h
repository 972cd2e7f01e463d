#pragma once

namespace quelvan {

// The five signals the run buttons send to the worker. Each behaves as an auto-reset event:
// signalling twice before the worker looks at it counts once, and a test consumes it.
enum class WorkerEvent { Start = 0, Pause, SingleStep, Resume, Stop };

// What the worker asks the view to do after a poll.
enum class WorkerAction {
    None, // nothing this time
    Step, // perform one hour (AdvanceHour with transient and record)
    EndOfRun, // the run has ended: the view sets the finished state; the worker is done
};

// Paces the hourly steps of a run. It never computes and owns no thread: the interface calls
// Poll from a timer on its own thread with the current time (any monotonic clock in seconds),
// so tests drive it with a fake clock. One Poll is one turn of the pacing loop:
//   - before the start event nothing happens;
//   - a step is requested when at least the minimum interval has passed since the previous
//     request (or since Launch) and the run is not paused, or a single step is pending; the
//     pending single step is then cleared and the interval restarts;
//   - then the events are tested in the order pause, single step, resume, stop, and only the
//     first signalled one is consumed: pause sets paused and clears a pending single step,
//     single step sets it pending, resume clears paused, stop ends the loop;
//   - after the last allowed request or after stop, the next Poll returns EndOfRun, once.
class CalculationWorker {
public:
    static constexpr int kMaxSteps = 168;
    static constexpr double kMinimumInterval = 0.1;

    explicit CalculationWorker(int maxSteps = kMaxSteps, double minimumInterval = kMinimumInterval);

    // The worker starts: it notes the clock and waits for the start event.
    void Launch(double nowSeconds);
    void Signal(WorkerEvent event);
    WorkerAction Poll(double nowSeconds);

    bool IsStarted() const { return started_; }
    bool IsPaused() const { return paused_; }
    bool IsSingleStepPending() const { return singleStepPending_; }
    // True once EndOfRun has been returned.
    bool IsFinished() const { return finished_; }
    int StepsRequested() const { return stepsRequested_; }

private:
    bool TakeEvent(WorkerEvent event);
    void TestEvents();

    int maxSteps_;
    double minimumInterval_;
    bool signalled_[5] = {};
    bool launched_ = false;
    bool started_ = false;
    bool paused_ = false;
    bool singleStepPending_ = false;
    bool stopped_ = false;
    bool finished_ = false;
    int stepsRequested_ = 0;
    double lastRequest_ = 0.0;
};

} // namespace quelvan
