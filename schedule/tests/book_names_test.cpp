// Book file names from schedule names: usable on Windows and Linux, one file per row.
#include "schedule/book_names.h"

#include <gtest/gtest.h>

#include <set>

namespace deckplate::schedule {
namespace {

TEST(SafeFileStem, UsableOnWindowsAndLinux) {
    std::string longName;
    for (int i = 0; i < 60; ++i) longName += "平";  // 180 bytes
    const struct {
        const char* name;
        std::string given;
        std::string stem;
    } cases[] = {
        {"plain", "Platform A bay 1", "Platform A bay 1"},
        {"Chinese", "平台A 第1跨", "平台A 第1跨"},
        {"characters Windows forbids", "A/B\\C:D*E?F\"G<H>I|J", "A_B_C_D_E_F_G_H_I_J"},
        {"control characters", "A\tB\r\nC\x7f", "A_B__C_"},
        {"blanks and trailing dots", "  bay 1. . ", "bay 1"},
        {"only dots", "..", ""},
        {"empty", "", ""},
        {"device", "con", "_con"},
        {"device with an extension", "NUL.txt", "_NUL.txt"},
        {"device with a blank before its extension", "nul .txt", "_nul .txt"},
        {"port", "COM1", "_COM1"},
        {"port with a superscript", "lpt²", "_lpt²"},
        {"longer than a device", "CONSOLE", "CONSOLE"},
        {"port without a number", "COM", "COM"},
        {"too long, cut between characters", longName, longName.substr(0, 150)},
    };
    for (const auto& c : cases) EXPECT_EQ(SafeFileStem(c.given), c.stem) << c.name;
}

TEST(BookNames, RepeatedNamesGetASuffixWhateverTheirCase) {
    // A disk that takes names without regard to the case of ASCII letters, as Windows' does.
    std::set<std::string> disk;
    const auto onDisk = [](std::string name) {
        for (char& c : name) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        return name;
    };
    const auto next = [&](std::string_view rowName, long long line) {
        const std::string name = BookFileName(
            rowName, line, [&](const std::string& taken) { return disk.contains(onDisk(taken)); });
        disk.insert(onDisk(name));
        return name;
    };
    EXPECT_EQ(next("A", 2), "A.html");
    EXPECT_EQ(next("a", 3), "a-2.html");
    EXPECT_EQ(next("A-2", 4), "A-2-2.html");
    EXPECT_EQ(next("A.", 5), "A-3.html");
    EXPECT_EQ(next("", 6), "line-6.html");
    EXPECT_EQ(next("???", 7), "___.html");
}

}  // namespace
}  // namespace deckplate::schedule
