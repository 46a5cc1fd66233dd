// The UTF-16 edge of deckplate-cli.exe: arguments in, console text out.
#include "app/windows_console.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace deckplate::app {
namespace {

TEST(Utf8Arguments, KeepEveryCharacter) {
    const wchar_t* argv[] = {L"deckplate-cli.exe", L"batch",   L"平台排表.csv", L"",
                             L"\U0001F600",        L"a\xd800z"};
    const Utf8Arguments arguments(6, argv);
    ASSERT_EQ(arguments.Count(), 6);
    const std::vector<std::string> expected = {
        "deckplate-cli.exe", "batch", "平台排表.csv", "", "\U0001F600", "a\xef\xbf\xbdz"};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(arguments.Values()[i], expected[i]) << i;
}

// What a console receives when the text comes in pieces, each flushed at once as std::cerr
// does: whole characters only, never half of one.
TEST(Utf16Buffer, HandsOnWholeCharacters) {
    const struct {
        const char* name;
        std::vector<std::string> pieces;
        std::wstring shown;
    } cases[] = {
        {"ascii", {"ok\n"}, L"ok\n"},
        {"one character in three writes", {"\xe9", "\x92", "\xa2"}, L"钢"},
        {"emoji cut after two bytes", {"σ\xf0\x9f", "\x98\x80"}, L"σ\U0001F600"},
        {"a GBK byte is not UTF-8", {"\xb8\xd6."}, L"\xfffd\xfffd."},
        {"cut off at the end", {"板\xe9\x92"}, L"板\xfffd"},
    };
    for (const auto& c : cases) {
        std::wstring shown;
        {
            Utf16Buffer buffer([&](std::wstring_view text) {
                shown += text;
                return true;
            });
            std::ostream stream(&buffer);
            for (const std::string& piece : c.pieces) stream << piece << std::flush;
        }
        EXPECT_EQ(shown, c.shown) << c.name;
    }
}

TEST(Utf16Buffer, LongTextArrivesWhole) {
    std::wstring shown;
    {
        Utf16Buffer buffer([&](std::wstring_view text) {
            shown += text;
            return true;
        });
        std::ostream stream(&buffer);
        for (int i = 0; i < 3000; ++i) stream << "钢铺板";  // 27000 bytes, past the buffer
    }
    ASSERT_EQ(shown.size(), 9000u);
    EXPECT_EQ(shown.find_first_not_of(L"钢铺板"), std::wstring::npos);
}

}  // namespace
}  // namespace deckplate::app
