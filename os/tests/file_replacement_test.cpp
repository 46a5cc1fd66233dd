// Replacing a file: whatever goes wrong, the previous file stays as it was and nothing is left
// beside it. What every system does; file_replacement_posix_test.cpp adds what only POSIX can
// stage (permissions, devices, a full disk, a killed process).
#include "os/file_replacement.h"

#include <gtest/gtest.h>

#include <optional>

#include "os/paths.h"
#include "os/tests/test_folder.h"

namespace deckplate::os {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<fs::path>;

TEST(ReplaceFile, ReplacesTheWholeFile) {
    Folder folder;
    // A Chinese name, which a narrow name in Windows' ANSI code page would garble.
    const fs::path path = folder.path() / PathFromUtf8("结果.csv");
    ReplaceFileBytes(path, "first content, longer than the second");
    ReplaceFileBytes(path, "second");
    EXPECT_EQ(Read(path), "second");
    EXPECT_EQ(folder.Files(), Names{PathFromUtf8("结果.csv")});
}

TEST(ReplaceFile, MissingFolderIsNamed) {
    Folder folder;
    const fs::path path = folder.path() / "no such folder" / "results.csv";
    try {
        ReplaceFileBytes(path, "content");
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(e.step(), FileStep::FindFolder);
        EXPECT_EQ(e.path(), folder.path() / "no such folder");
        EXPECT_TRUE(e.reason()) << "the system's reason is lost: " << e.reason().message();
        EXPECT_EQ(std::string(e.what()),
                  "the folder '" + Utf8Of(folder.path() / "no such folder") + "' does not exist");
    }
    EXPECT_TRUE(folder.Files().empty());
}

TEST(ReplaceFile, ReadOnlyFileIsKept) {
    Folder folder;
    const fs::path path = folder.path() / "results.csv";
    ReplaceFileBytes(path, "previous content");
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    std::optional<FileError> failure;
    try {
        ReplaceFileBytes(path, "new content");
    } catch (const FileError& e) {
        failure = e;
    }
    EXPECT_EQ(Read(path), "previous content");
    EXPECT_EQ(folder.Files(), Names{"results.csv"});
    // Windows removes no read-only file, not even with its folder.
    fs::permissions(path, fs::perms::owner_write, fs::perm_options::add);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->step(), FileStep::Create);
    EXPECT_EQ(failure->path(), path);
}

TEST(FileReplacement, AbandonedLeavesNothingBehind) {
    Folder folder;
    const fs::path path = folder.path() / "results.csv";
    ReplaceFileBytes(path, "previous content");
    {
        FileReplacement abandoned(path);
        abandoned.Stream() << std::string(200 * 1024, 'x');
    }  // never committed
    EXPECT_EQ(Read(path), "previous content");
    EXPECT_EQ(folder.Files(), Names{"results.csv"});
}

// A zip writer goes back over what it has written to fill in a part's sizes: the position counts
// what is still buffered, and a write after a seek lands there, past the buffer's 64 KiB too.
TEST(FileReplacement, SeeksBackOverWhatIsWritten) {
    Folder folder;
    const fs::path path = folder.path() / "book.docx";
    std::string expected(100 * 1024, 'x');
    FileReplacement file(path);
    std::ostream& out = file.Stream();
    out << expected;
    EXPECT_EQ(out.tellp(), std::streampos(expected.size()));
    out.seekp(10);
    out << "sizes";
    expected.replace(10, 5, "sizes");
    out.seekp(70 * 1024);
    out << "more";
    expected.replace(70 * 1024, 4, "more");
    out.seekp(0, std::ios_base::end);
    out << "end";
    expected += "end";
    EXPECT_EQ(out.tellp(), std::streampos(expected.size()));
    ASSERT_TRUE(out);
    file.Commit();
    EXPECT_EQ(Read(path), expected);
}

}  // namespace
}  // namespace deckplate::os
