// Which names reach one file: the rule that keeps a run's outputs off its inputs and off each
// other.
#include "os/file_identity.h"

#include <gtest/gtest.h>

#include <fstream>

#include "os/tests/test_folder.h"

namespace deckplate::os {
namespace {

namespace fs = std::filesystem;

TEST(SameFile, ByIdentityOrByWhereItWouldBeWritten) {
    Folder folder;
    const fs::path dir = folder.path();
    std::ofstream(dir / "bay.deckplate") << "{}";
    std::ofstream(dir / "other.deckplate") << "{}";
    fs::create_directory(dir / "sub");
    fs::create_hard_link(dir / "bay.deckplate", dir / "hard.deckplate");
#ifdef _WIN32
    const bool caseless = true;
#else
    const bool caseless = false;
    fs::create_symlink(dir / "bay.deckplate", dir / "link.deckplate");
    EXPECT_TRUE(SameFile(dir / "link.deckplate", dir / "bay.deckplate")) << "symbolic link";
#endif
    const struct {
        const char* name;
        fs::path a, b;
        bool same;
    } cases[] = {
        {"one name", dir / "bay.deckplate", dir / "bay.deckplate", true},
        {"another spelling", dir / "sub" / ".." / "bay.deckplate", dir / "bay.deckplate", true},
        {"hard link", dir / "hard.deckplate", dir / "bay.deckplate", true},
        {"two files", dir / "other.deckplate", dir / "bay.deckplate", false},
        {"a file and a name of none", dir / "new.html", dir / "bay.deckplate", false},
        {"two names of none, spelled apart", dir / "sub" / ".." / "new.html", dir / "new.html",
         true},
        {"two names of none", dir / "new.html", dir / "new.csv", false},
        {"names of none apart by case", dir / "New.html", dir / "new.html", caseless},
    };
    for (const auto& c : cases) EXPECT_EQ(SameFile(c.a, c.b), c.same) << c.name;
}

}  // namespace
}  // namespace deckplate::os
