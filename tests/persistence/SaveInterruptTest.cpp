// Saving a project must never cost the previous file: a save that runs out of room or a
// program killed in the middle of a save leaves either the old project or the new one on
// disk, whole, and never a file that does not read; a save ended by SIGINT, SIGTERM or SIGHUP
// leaves no temporary file either.
#include "core/NumberText.h"
#include "core/TextFile.h"
#include "model/KslDoc.h"
#include "model/WallCheck.h"
#include "persistence/ProjectFile.h"

#include "persistence/ProjectTestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace quelvan {
namespace {

using test::ReadBytes;
using test::TempFolder;

// A project larger than a new one, so that a cut-short copy of it cannot pass for either.
KslDoc LargerProject()
{
    KslDoc doc;
    doc.author = "Auteur de la version longue";
    doc.reference = "Mur à nombreuses couches";
    for (int i = 0; i < kMaxLayerCount - 3; ++i)
        doc.AddLayer(doc.FindMaterialByIndex(i % 19), FormatInt("%d", 10 + i));
    return doc;
}

std::vector<std::string> FilesIn(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

TEST(SaveInterrupt, ADiskFullDuringTheSaveKeepsTheOldProject)
{
    TempFolder folder;
    const std::string path = folder.File("mur.ksl");
    ASSERT_EQ(WriteProjectFile(KslDoc(), path), WriteResult::Ok);
    const std::string before = ReadBytes(path);
    ASSERT_GT(before.size(), 1000u);

    // The file-size limit makes the write fail half-way, as a full disk does. It is set in a
    // child process so that the test runner keeps its own limits.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited {};
        limited.rlim_cur = 512;
        limited.rlim_max = RLIM_INFINITY;
        ::setrlimit(RLIMIT_FSIZE, &limited);
        const WriteResult result = WriteProjectFile(LargerProject(), path);
        ::_exit(result == WriteResult::CannotWrite ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the failed save was not reported as CannotWrite";

    EXPECT_EQ(ReadBytes(path), before);
    KslDoc read;
    EXPECT_EQ(ReadProjectFile(read, path), Failure::None);
    EXPECT_TRUE(SameProjectData(read, KslDoc()));
    // The temporary file of the failed save is gone too.
    EXPECT_EQ(FilesIn(folder.Path()), std::vector<std::string> { "mur.ksl" });
}

// A saving process killed at many moments: every time, the project on disk reads whole as
// one of the two versions being saved in turn.
TEST(SaveInterrupt, AProcessKilledWhileSavingLeavesAWholeProject)
{
    TempFolder folder;
    const std::string path = folder.File("mur.ksl");
    const KslDoc small;
    const KslDoc large = LargerProject();
    ASSERT_EQ(WriteProjectFile(small, path), WriteResult::Ok);

    for (int round = 0; round < 12; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i) {
                if (WriteProjectFile(i % 2 == 0 ? large : small, path) != WriteResult::Ok)
                    ::_exit(1);
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5 + 7 * round));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving process stopped by itself";

        KslDoc read;
        ASSERT_EQ(ReadProjectFile(read, path), Failure::None) << "round " << round;
        EXPECT_TRUE(SameProjectData(read, small) || SameProjectData(read, large))
            << "round " << round;
    }
    // Left-over temporary files of killed saves never take the project's name.
    for (const std::string& name : FilesIn(folder.Path()))
        EXPECT_TRUE(name == "mur.ksl" || name.rfind(".quelvan-", 0) == 0) << name;
}

bool HoldsATemporaryFile(const std::filesystem::path& folder)
{
    for (const std::string& name : FilesIn(folder)) {
        if (name.rfind(".quelvan-", 0) == 0)
            return true;
    }
    return false;
}

class SaveSignal : public testing::TestWithParam<int> { };

// The writer is held mid-write: stopped while its temporary file exists, then sent the signal
// and let go. The signal still ends it, the old file is whole and nothing else is left.
TEST_P(SaveSignal, RemovesTheTemporaryFileAndStillEndsTheProgram)
{
    TempFolder folder;
    const std::string path = folder.File("mur.res");
    test::WriteBytes(path, "old");
    const std::string large(64u << 20, 'x'); // long enough a write to be caught in the middle
    bool caught = false;
    for (int round = 0; round < 20 && !caught; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            ::_exit(WriteFileAtomically(path, large) ? 0 : 1);
        int status = 0;
        bool ended = false;
        while (!HoldsATemporaryFile(folder.Path()) && !ended)
            ended = ::waitpid(child, &status, WNOHANG) == child;
        if (!ended) {
            ::kill(child, SIGSTOP);
            ASSERT_EQ(::waitpid(child, &status, WUNTRACED), child);
            caught = WIFSTOPPED(status) && HoldsATemporaryFile(folder.Path());
            if (caught)
                ::kill(child, GetParam());
            ::kill(child, SIGCONT);
            if (WIFSTOPPED(status)) {
                ASSERT_EQ(::waitpid(child, &status, 0), child);
            }
        }
        if (caught) {
            ASSERT_TRUE(WIFSIGNALED(status));
            EXPECT_EQ(WTERMSIG(status), GetParam());
        } else {
            test::WriteBytes(path, "old"); // the write ended first: try again
        }
    }
    ASSERT_TRUE(caught) << "no write was caught in the middle";
    EXPECT_EQ(ReadBytes(path), "old");
    EXPECT_EQ(FilesIn(folder.Path()), std::vector<std::string> { "mur.res" });
}

INSTANTIATE_TEST_SUITE_P(Signals, SaveSignal, testing::Values(SIGINT, SIGTERM, SIGHUP));

} // namespace
} // namespace quelvan
