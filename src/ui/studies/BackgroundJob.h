#pragma once

#include <QObject>

#include <atomic>
#include <functional>
#include <thread>
#include <utility>

namespace quelvan::ui {

// The one way a window computes in the background: a worker thread started from copies of what
// it needs, a stop flag it polls, and calls queued back to the interface thread. Every start
// begins a new generation; a call queued by an earlier generation (or after Stop) is dropped, so
// a window only ever shows what its latest start computed. Own it as the last member of the
// window, so that it stops and joins its thread before anything the deliveries touch is gone.
class BackgroundJob : public QObject {
    Q_OBJECT
public:
    // What the work sees of its job while it runs on the worker thread.
    class Context {
    public:
        // Whether the window asked the work to stop (a new start, Stop, the window closing).
        bool StopRequested() const { return job_.stop_.load(); }
        // Runs call on the interface thread later, unless a newer start or a Stop came first.
        void Post(std::function<void()> call) const { job_.Post(generation_, std::move(call)); }

    private:
        friend class BackgroundJob;
        Context(BackgroundJob& job, int generation)
            : job_(job)
            , generation_(generation)
        {
        }
        BackgroundJob& job_;
        int generation_;
    };

    BackgroundJob() = default;
    ~BackgroundJob() override;
    BackgroundJob(const BackgroundJob&) = delete;
    BackgroundJob& operator=(const BackgroundJob&) = delete;

    // Stops the work running, then runs work(context) on a new thread; its result is handed to
    // deliver on the interface thread (the thread joined first), then finished is emitted. Work
    // that was asked to stop delivers nothing.
    template <class Work, class Deliver> void Start(Work work, Deliver deliver)
    {
        Stop();
        const int generation = ++generation_;
        running_ = true;
        worker_ = std::thread(
            [this, generation, work = std::move(work), deliver = std::move(deliver)]() mutable {
                const Context context(*this, generation);
                auto result = work(context);
                if (context.StopRequested())
                    return;
                context.Post(
                    [this, deliver = std::move(deliver), result = std::move(result)]() mutable {
                        Join();
                        deliver(std::move(result));
                        emit finished();
                    });
            });
    }

    // Asks the work to stop and waits for its thread; nothing it queued is delivered after.
    void Stop();
    // Whether a start has not yet delivered (or been stopped).
    bool IsRunning() const { return running_; }

signals:
    // A start's result was delivered.
    void finished();

private:
    void Post(int generation, std::function<void()> call);
    void Join();

    std::thread worker_;
    std::atomic<bool> stop_ { false };
    int generation_ = 0; // read and written on the interface thread only
    bool running_ = false;
};

} // namespace quelvan::ui
