// Replacing a file where POSIX can stage the trouble: kept permissions, a device, a folder that
// takes no files, a full disk (a file size limit stands in) and a process killed mid-write.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <optional>

#include "os/file_replacement.h"
#include "os/tests/test_folder.h"

namespace deckplate::os {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<fs::path>;

TEST(ReplaceFile, KeepsPermissionsAndWritesDevicesStraightThrough) {
    Folder folder;
    const fs::path path = folder.path() / "results.csv";
    ReplaceFileBytes(path, "first content");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    ReplaceFileBytes(path, "second");
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write);

    // A device has no content to keep: it is written straight through and stays a device.
    ReplaceFileBytes("/dev/null", "discarded");
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

TEST(ReplaceFile, UnwritableFolderIsNamed) {
    // /proc takes no new files, whoever runs the test.
    try {
        ReplaceFileBytes("/proc/WExo.txt", "report");
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(e.step(), FileStep::Create);
        EXPECT_EQ(e.path(), "/proc/WExo.txt");
    }
}

TEST(ReplaceFile, FailedWriteKeepsThePreviousFile) {
    Folder folder;
    const fs::path path = folder.path() / "results.csv";
    ReplaceFileBytes(path, "previous content");

    // A file size limit stands in for a full disk: the new content cannot be written whole.
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit tight = saved;
    tight.rlim_cur = 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
    std::optional<FileError> failure;
    try {
        ReplaceFileBytes(path, std::string(256 * 1024, 'x'));
    } catch (const FileError& e) {
        failure = e;
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->step(), FileStep::Write);
    EXPECT_EQ(failure->path(), path);
    EXPECT_EQ(failure->reason(), std::errc::file_too_large);
    EXPECT_EQ(Read(path), "previous content");
    EXPECT_EQ(folder.Files(), Names{"results.csv"});
}

TEST(FileReplacement, KilledLeavesNothingBehind) {
    Folder folder;
    const fs::path path = folder.path() / "results.csv";
    ReplaceFileBytes(path, "previous content");
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        FileReplacement killed(path);
        killed.Stream() << std::string(200 * 1024, 'x') << std::flush;
        ::raise(SIGKILL);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    EXPECT_EQ(Read(path), "previous content");
    EXPECT_EQ(folder.Files(), Names{"results.csv"});
}

}  // namespace
}  // namespace deckplate::os
