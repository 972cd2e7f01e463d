#include "ui/studies/BackgroundJob.h"

namespace quelvan::ui {

BackgroundJob::~BackgroundJob()
{
    Stop();
}

void BackgroundJob::Stop()
{
    stop_ = true;
    Join();
    stop_ = false;
    // Whatever the stopped work queued before it saw the flag belongs to a past generation.
    ++generation_;
}

void BackgroundJob::Join()
{
    if (worker_.joinable())
        worker_.join();
    running_ = false;
}

void BackgroundJob::Post(int generation, std::function<void()> call)
{
    // Queued on this object: Qt drops the call if the job is gone before it runs.
    QMetaObject::invokeMethod(
        this,
        [this, generation, call = std::move(call)] {
            if (generation == generation_)
                call();
        },
        Qt::QueuedConnection);
}

} // namespace quelvan::ui
