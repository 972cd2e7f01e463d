#include "pacing/CalculationWorker.h"

#include <gtest/gtest.h>

#include <vector>

namespace quelvan {
namespace {

// Drives a worker with a fake clock in steps of 10 ms, as an interface timer would.
class Pacing : public ::testing::Test {
protected:
    CalculationWorker worker;
    double now = 100.0;
    int steps = 0;
    int ends = 0;

    WorkerAction Tick(double seconds = 0.01)
    {
        now += seconds;
        const WorkerAction a = worker.Poll(now);
        steps += a == WorkerAction::Step;
        ends += a == WorkerAction::EndOfRun;
        return a;
    }
    void Run(double seconds)
    {
        const double end = now + seconds - 1e-9;
        while (now < end)
            Tick();
    }
    void Start()
    {
        worker.Launch(now);
        worker.Signal(WorkerEvent::Start);
    }
};

TEST_F(Pacing, NothingHappensBeforeTheStartEvent)
{
    worker.Launch(now);
    Run(1.0);
    EXPECT_EQ(steps, 0);
    EXPECT_FALSE(worker.IsStarted());
    worker.Signal(WorkerEvent::Start);
    Tick();
    EXPECT_TRUE(worker.IsStarted());
}

TEST_F(Pacing, NotLaunchedWorkerIgnoresEverything)
{
    worker.Signal(WorkerEvent::Start);
    Run(1.0);
    EXPECT_EQ(steps, 0);
}

TEST_F(Pacing, StepsAreAtLeastATenthOfASecondApart)
{
    Start();
    std::vector<double> times;
    for (int i = 0; i < 200; ++i) {
        if (Tick(0.03) == WorkerAction::Step)
            times.push_back(now);
    }
    ASSERT_GE(times.size(), 10u);
    // The first request waits a full interval after the launch.
    EXPECT_NEAR(times[0] - 100.0, 0.12, 1e-9);
    for (size_t i = 1; i < times.size(); ++i)
        EXPECT_GE(times[i] - times[i - 1], 0.1 - 1e-9);
}

TEST_F(Pacing, AWeekIs168StepsThenOneEndOfRun)
{
    Start();
    Run(30.0);
    EXPECT_EQ(steps, 168);
    EXPECT_EQ(ends, 1);
    EXPECT_TRUE(worker.IsFinished());
    EXPECT_EQ(worker.StepsRequested(), 168);
    // Requests at 0.1 s exactly: the week lasts 16.8 s.
    CalculationWorker fresh;
    fresh.Launch(0);
    fresh.Signal(WorkerEvent::Start);
    int n = 0;
    double t = 0;
    while (!fresh.IsFinished() && t < 100) {
        t += 0.1;
        n += fresh.Poll(t) == WorkerAction::Step;
    }
    EXPECT_EQ(n, 168);
    EXPECT_NEAR(t, 16.9, 1e-6);
}

TEST_F(Pacing, PauseHoldsResumeContinues)
{
    Start();
    Run(0.55);
    const int before = steps;
    EXPECT_GE(before, 4);
    worker.Signal(WorkerEvent::Pause);
    Tick();
    EXPECT_TRUE(worker.IsPaused());
    const int atPause = steps;
    Run(2.0);
    EXPECT_EQ(steps, atPause);
    worker.Signal(WorkerEvent::Resume);
    Tick();
    EXPECT_FALSE(worker.IsPaused());
    Run(1.0);
    EXPECT_GE(steps, atPause + 9);
}

TEST_F(Pacing, TwoSingleStepsWithinOneIntervalMakeOneStep)
{
    Start();
    Run(0.35);
    worker.Signal(WorkerEvent::Pause);
    Run(1.0);
    const int paused = steps;
    // Pressed twice before the worker looks: one signal.
    worker.Signal(WorkerEvent::SingleStep);
    worker.Signal(WorkerEvent::SingleStep);
    Run(1.0);
    EXPECT_EQ(steps, paused + 1);
    // Pressed twice with polls between them, inside the interval that follows a step:
    // the second press finds the step still pending, so one step only.
    worker.Signal(WorkerEvent::SingleStep);
    while (Tick(0.001) != WorkerAction::Step) { }
    EXPECT_EQ(steps, paused + 2);
    worker.Signal(WorkerEvent::SingleStep);
    Tick(0.02);
    worker.Signal(WorkerEvent::SingleStep);
    Tick(0.02);
    Run(1.0);
    EXPECT_EQ(steps, paused + 3);
}

TEST_F(Pacing, PauseClearsAPendingSingleStep)
{
    Start();
    Run(0.35);
    worker.Signal(WorkerEvent::Pause);
    Tick();
    worker.Signal(WorkerEvent::SingleStep);
    Tick(0.001); // pending, but the interval has not passed
    const int before = steps;
    worker.Signal(WorkerEvent::Pause);
    Run(1.0);
    EXPECT_EQ(steps, before);
}

TEST_F(Pacing, OnlyOneEventIsTakenPerTurnInTheFixedOrder)
{
    Start();
    Tick();
    worker.Signal(WorkerEvent::Resume);
    worker.Signal(WorkerEvent::Pause);
    Tick(0.001);
    EXPECT_TRUE(worker.IsPaused()); // pause first
    Tick(0.001);
    EXPECT_FALSE(worker.IsPaused()); // then resume, still signalled
}

TEST_F(Pacing, StopEndsTheRunFromRunningOrPaused)
{
    Start();
    Run(0.5);
    const int done = steps;
    worker.Signal(WorkerEvent::Stop);
    Tick();
    EXPECT_EQ(ends, 0);
    Tick();
    EXPECT_EQ(ends, 1);
    Run(1.0);
    EXPECT_EQ(steps, done);
    EXPECT_EQ(ends, 1);

    CalculationWorker paused;
    paused.Launch(0);
    paused.Signal(WorkerEvent::Start);
    paused.Poll(0.2);
    paused.Signal(WorkerEvent::Pause);
    paused.Poll(0.21);
    paused.Signal(WorkerEvent::Stop);
    paused.Poll(0.22);
    EXPECT_EQ(paused.Poll(0.23), WorkerAction::EndOfRun);
}

TEST_F(Pacing, InjectedIntervalAndStepCount)
{
    CalculationWorker fast(3, 0.001);
    fast.Launch(0);
    fast.Signal(WorkerEvent::Start);
    std::vector<WorkerAction> actions;
    for (int i = 1; i <= 6; ++i)
        actions.push_back(fast.Poll(0.001 * i));
    EXPECT_EQ(actions,
        (std::vector<WorkerAction> { WorkerAction::Step, WorkerAction::Step, WorkerAction::Step,
            WorkerAction::EndOfRun, WorkerAction::None, WorkerAction::None }));
}

} // namespace
} // namespace quelvan
