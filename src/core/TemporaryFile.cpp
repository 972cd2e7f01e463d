#include "core/TemporaryFile.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <random>
#include <unistd.h>

namespace quelvan {

namespace {

// The names of the temporary files being written, where a signal handler can read them: fixed
// buffers filled before the file is created, each with a state a handler may load.
constexpr int kFree = 0;
constexpr int kFilling = 1;
constexpr int kPending = 2;
constexpr size_t kSlotCount = 8;
constexpr size_t kLongestPath = 4096;

struct PendingName {
    std::atomic<int> state { kFree };
    char path[kLongestPath] {};
};
static_assert(std::atomic<int>::is_always_lock_free, "a signal handler reads the states");

std::array<PendingName, kSlotCount> gPending;

constexpr std::array kCleanedSignals { SIGINT, SIGTERM, SIGHUP };

extern "C" void RemovePendingFilesThenEnd(int signal)
{
    for (PendingName& pending : gPending) {
        if (pending.state.load(std::memory_order_acquire) == kPending)
            ::unlink(pending.path);
    }
    // The action is the default again (SA_RESETHAND): the signal ends the program as it would
    // have without this handler, once the handler returns.
    ::raise(signal);
}

// Installed once, and only over the default action: a signal the program ignores (SIGHUP
// under nohup) or handles itself keeps its meaning.
void InstallSignalCleanup()
{
    static std::once_flag once;
    std::call_once(once, [] {
        for (const int signal : kCleanedSignals) {
            struct sigaction current { };
            if (::sigaction(signal, nullptr, &current) != 0 || current.sa_handler != SIG_DFL)
                continue;
            struct sigaction cleanup { };
            cleanup.sa_handler = RemovePendingFilesThenEnd;
            sigemptyset(&cleanup.sa_mask);
            for (const int other : kCleanedSignals)
                sigaddset(&cleanup.sa_mask, other);
            cleanup.sa_flags = SA_RESETHAND;
            ::sigaction(signal, &cleanup, nullptr);
        }
    });
}

// Records the name before the file exists, so that no moment leaves a file a signal would not
// remove; -1 when every slot is taken or the name does not fit.
int RecordPending(const std::string& path)
{
    if (path.size() >= kLongestPath)
        return -1;
    for (size_t i = 0; i < gPending.size(); ++i) {
        int expected = kFree;
        if (!gPending[i].state.compare_exchange_strong(expected, kFilling))
            continue;
        std::memcpy(gPending[i].path, path.c_str(), path.size() + 1);
        gPending[i].state.store(kPending, std::memory_order_release);
        return static_cast<int>(i);
    }
    return -1;
}

void Forget(int slot)
{
    if (slot >= 0)
        gPending[static_cast<size_t>(slot)].state.store(kFree, std::memory_order_release);
}

std::string RandomSuffix()
{
    static constexpr char kLetters[]
        = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937 generator { std::random_device {}() };
    std::uniform_int_distribution<size_t> pick(0, sizeof(kLetters) - 2);
    std::string suffix(6, ' ');
    for (char& c : suffix)
        c = kLetters[pick(generator)];
    return suffix;
}

} // namespace

TemporaryFile::TemporaryFile(const std::string& folder)
{
    InstallSignalCleanup();
    constexpr int kAttempts = 100;
    for (int attempt = 0; attempt < kAttempts && fd_ < 0; ++attempt) {
        path_ = folder + ".quelvan-" + RandomSuffix();
        slot_ = RecordPending(path_);
        fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0600);
        if (fd_ >= 0)
            break;
        const int error = errno;
        Forget(slot_);
        slot_ = -1;
        if (error != EEXIST)
            break;
    }
    if (fd_ < 0)
        path_.clear();
}

TemporaryFile::~TemporaryFile()
{
    if (fd_ >= 0)
        ::close(fd_);
    if (!path_.empty())
        ::unlink(path_.c_str());
    Forget(slot_);
}

bool TemporaryFile::Close()
{
    const int fd = fd_;
    fd_ = -1;
    return fd >= 0 && ::close(fd) == 0;
}

bool TemporaryFile::RenameTo(const std::string& target)
{
    if (path_.empty() || ::rename(path_.c_str(), target.c_str()) != 0)
        return false;
    path_.clear();
    Forget(slot_);
    slot_ = -1;
    return true;
}

} // namespace quelvan
