// The windows' background helper: a result reaches the interface thread with finished; a new
// start or a stop drops whatever an earlier start queued, so a window never shows a stale
// result after a fresh one; a job destroyed while its work runs stops and joins it.
#include "ui/studies/BackgroundJob.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QThread>

#include <atomic>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

using quelvan::ui::BackgroundJob;

namespace {

// Runs the event loop until done() or two seconds pass.
template <class Done> bool PumpUntil(Done done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

// Work that waits until it is asked to stop, then returns marker.
auto WaitForStop(int marker)
{
    return [marker](const BackgroundJob::Context& context) {
        while (!context.StopRequested())
            QThread::msleep(1);
        return marker;
    };
}

} // namespace

TEST(BackgroundJob, DeliversTheResultOnTheInterfaceThreadThenSaysFinished)
{
    BackgroundJob job;
    QSignalSpy finished(&job, &BackgroundJob::finished);
    std::vector<int> delivered;
    QThread* workThread = nullptr;
    QThread* deliveryThread = nullptr;
    job.Start(
        [&workThread](const BackgroundJob::Context&) {
            workThread = QThread::currentThread();
            return 6 * 7;
        },
        [&](int value) {
            deliveryThread = QThread::currentThread();
            delivered.push_back(value);
        });
    EXPECT_TRUE(job.IsRunning());
    ASSERT_TRUE(PumpUntil([&] { return finished.count() == 1; }));
    EXPECT_EQ(delivered, std::vector<int>({ 42 }));
    EXPECT_EQ(deliveryThread, QThread::currentThread());
    EXPECT_NE(workThread, QThread::currentThread());
    EXPECT_FALSE(job.IsRunning());
}

TEST(BackgroundJob, ANewStartOrAStopDropsWhatAnEarlierStartQueued)
{
    BackgroundJob job;
    std::vector<int> delivered;
    std::vector<int> progress;
    auto deliver = [&delivered](int value) { delivered.push_back(value); };
    // The first start queues a progress report, then waits to be stopped: the report is still
    // in the queue when the second start stops it, and must not arrive.
    std::atomic<bool> posted { false };
    job.Start(
        [&](const BackgroundJob::Context& context) {
            context.Post([&progress] { progress.push_back(1); });
            posted = true;
            while (!context.StopRequested())
                QThread::msleep(1);
            return 1;
        },
        deliver);
    while (!posted)
        QThread::msleep(1);
    job.Start([](const BackgroundJob::Context&) { return 2; }, deliver);
    ASSERT_TRUE(PumpUntil([&] { return !delivered.empty(); }));
    QCoreApplication::processEvents();
    EXPECT_EQ(delivered, std::vector<int>({ 2 }));
    EXPECT_TRUE(progress.empty());

    // Work that finished before the stop was asked: its delivery is queued, and dropped.
    std::atomic<bool> done { false };
    job.Start(
        [&done](const BackgroundJob::Context&) {
            done = true;
            return 3;
        },
        deliver);
    while (!done)
        QThread::msleep(1);
    QThread::msleep(20);
    job.Stop();
    QCoreApplication::processEvents();
    EXPECT_EQ(delivered, std::vector<int>({ 2 }));
    EXPECT_FALSE(job.IsRunning());

    // A stopped work delivers nothing at all.
    job.Start(WaitForStop(4), deliver);
    job.Stop();
    QCoreApplication::processEvents();
    EXPECT_EQ(delivered, std::vector<int>({ 2 }));
}

TEST(BackgroundJob, DestroyedWhileItsWorkRunsStopsAndJoinsIt)
{
    std::atomic<bool> returned { false };
    int delivered = 0;
    {
        auto job = std::make_unique<BackgroundJob>();
        job->Start(
            [&returned](const BackgroundJob::Context& context) {
                while (!context.StopRequested())
                    QThread::msleep(1);
                returned = true;
                return 5;
            },
            [&delivered](int) { ++delivered; });
    }
    EXPECT_TRUE(returned.load());
    QCoreApplication::processEvents();
    EXPECT_EQ(delivered, 0);
}
