// Only a regular file is read: a folder, a device or a pipe is refused before a byte is read and
// without waiting on it.
#include "os/regular_file.h"

#include <gtest/gtest.h>

#include <fstream>

#include "os/tests/test_folder.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <future>
#endif

namespace deckplate::os {
namespace {

namespace fs = std::filesystem;

// The fault of opening `path`, or none when it opens.
std::optional<OpenError> Refusal(const fs::path& path) {
    try {
        OpenRegularFile(path);
        return std::nullopt;
    } catch (const OpenError& e) {
        return e;
    }
}

TEST(OpenRegularFile, ReadsAFileAndRefusesWhatIsNone) {
    Folder folder;
    std::ofstream(folder.path() / "bay.deckplate") << "{}";
    ReadStream stream = OpenRegularFile(folder.path() / "bay.deckplate");
    char text[4] = {};
    EXPECT_EQ(std::fread(text, 1, sizeof text, stream.get()), 2u);
    EXPECT_STREQ(text, "{}");

    const auto folderRefused = Refusal(folder.path());
    ASSERT_TRUE(folderRefused);
    EXPECT_EQ(folderRefused->fault(), OpenFault::Folder);
    const auto missing = Refusal(folder.path() / "missing.deckplate");
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->fault(), OpenFault::System);
    EXPECT_EQ(missing->reason(), std::errc::no_such_file_or_directory);
#ifdef _WIN32
    const fs::path device = "NUL";
#else
    const fs::path device = "/dev/zero";  // never ends
#endif
    const auto deviceRefused = Refusal(device);
    ASSERT_TRUE(deviceRefused);
    EXPECT_EQ(deviceRefused->fault(), OpenFault::NotAFile);
}

#ifndef _WIN32
// Opening a FIFO for reading waits until a program opens it for writing: the opening must not
// wait. Should it, the test opens the FIFO for writing itself, which ends the wait, and fails
// rather than hang.
TEST(OpenRegularFile, RefusesAFifoWithoutWaitingOnIt) {
    Folder folder;
    const fs::path fifo = folder.path() / "fifo.deckplate";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::future<std::optional<OpenError>> refusal =
        std::async(std::launch::async, [&] { return Refusal(fifo); });
    if (refusal.wait_for(std::chrono::seconds(10)) == std::future_status::timeout) {
        ::close(::open(fifo.c_str(), O_WRONLY));
        FAIL() << "the opening waited on the FIFO";
    }
    const std::optional<OpenError> refused = refusal.get();
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->fault(), OpenFault::NotAFile);
}
#endif

}  // namespace
}  // namespace deckplate::os
