// Replacing a file: whatever goes wrong, the previous file stays as it was and nothing is left
// beside it.
#include "file_replacement.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace deckplate::os {
namespace {

namespace fs = std::filesystem;

class Folder {
  public:
    Folder() {
        std::string name = (fs::temp_directory_path() / "deckplate_os_XXXXXX").string();
        path_ = ::mkdtemp(name.data());
    }
    ~Folder() { fs::remove_all(path_); }
    const fs::path& path() const { return path_; }
    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(path_))
            names.push_back(entry.path().filename().string());
        return names;
    }

  private:
    fs::path path_;
};

std::string Read(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return file ? content.str() : "<missing>";
}

TEST(ReplaceFile, ReplacesTheWholeFileAndKeepsItsPermissions) {
    Folder folder;
    const fs::path path = folder.path() / "results.csv";
    ReplaceFile(path, "first content, longer than the second");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    ReplaceFile(path, "second");
    EXPECT_EQ(Read(path), "second");
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(folder.Files(), std::vector<std::string>{"results.csv"});

    // A device has no content to keep: it is written straight through and stays a device.
    ReplaceFile("/dev/null", "discarded");
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

TEST(ReplaceFile, MissingFolderIsNamed) {
    Folder folder;
    const fs::path path = folder.path() / "no such folder" / "results.csv";
    try {
        ReplaceFile(path, "content");
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(e.step(), FileStep::FindFolder);
        EXPECT_EQ(e.path(), folder.path() / "no such folder");
        EXPECT_EQ(
            std::string(e.what()),
            "the folder '" + (folder.path() / "no such folder").string() + "' does not exist");
    }
    EXPECT_TRUE(folder.Files().empty());
}

TEST(ReplaceFile, UnwritableFolderIsNamed) {
    // /proc takes no new files, whoever runs the test.
    try {
        ReplaceFile("/proc/WExo.txt", "report");
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(e.step(), FileStep::Create);
        EXPECT_EQ(e.path(), "/proc/WExo.txt");
    }
}

TEST(ReplaceFile, FailedWriteKeepsThePreviousFile) {
    Folder folder;
    const fs::path path = folder.path() / "results.csv";
    ReplaceFile(path, "previous content");

    // A file size limit stands in for a full disk: the new content cannot be written whole.
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit tight = saved;
    tight.rlim_cur = 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
    std::optional<FileError> failure;
    try {
        ReplaceFile(path, std::string(256 * 1024, 'x'));
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
    EXPECT_EQ(folder.Files(), std::vector<std::string>{"results.csv"});
}

TEST(FileReplacement, AbandonedOrKilledLeavesNothingBehind) {
    Folder folder;
    const fs::path path = folder.path() / "results.csv";
    ReplaceFile(path, "previous content");
    {
        FileReplacement abandoned(path);
        abandoned.Stream() << std::string(200 * 1024, 'x');
    }  // never committed
    EXPECT_EQ(Read(path), "previous content");

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
    EXPECT_EQ(folder.Files(), std::vector<std::string>{"results.csv"});
}

}  // namespace
}  // namespace deckplate::os
