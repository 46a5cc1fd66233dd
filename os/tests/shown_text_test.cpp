// What a message shows of a value a user or a file gave: nothing that a terminal would act on,
// nothing that cuts the message, and no page of text.
#include "os/shown_text.h"

#include <gtest/gtest.h>

namespace deckplate::os {
namespace {

struct ShownCase {
    const char* name;
    std::string given;
    std::string shown;
};
void PrintTo(const ShownCase& c, std::ostream* os) { *os << c.name; }

class ShownTextTest : public testing::TestWithParam<ShownCase> {};

TEST_P(ShownTextTest, ShowsWhatCanBePrinted) {
    EXPECT_EQ(ShownText(GetParam().given), GetParam().shown);
}

std::string Times(std::size_t n, std::string_view text) {
    std::string repeated;
    for (std::size_t i = 0; i < n; ++i) repeated += text;
    return repeated;
}

INSTANTIATE_TEST_SUITE_P(
    Values, ShownTextTest,
    testing::Values(
        ShownCase{"Designation", "L63x40x5", "L63x40x5"},
        ShownCase{"Chinese", "某厂 3# 平台", "某厂 3# 平台"},
        ShownCase{"WindowsPath", "C:\\工程\\b.deckplate", "C:\\工程\\b.deckplate"},
        // Sets the terminal's title and clears its screen when printed raw.
        ShownCase{"TerminalEscapes", "\x1b]0;PWNED\x07\x1b[2J", "\\x1b]0;PWNED\\x07\\x1b[2J"},
        ShownCase{"Nul", std::string("Q3\0 55", 6), "Q3\\x00 55"},
        ShownCase{"LineBreakAndTab", "a\r\nb\tc", "a\\x0d\\x0ab\\x09c"},
        ShownCase{"Delete", "a\x7f", "a\\x7f"},
        ShownCase{"C1Control",
                  "a\xc2\x9b"
                  "2J",
                  "a\\u009b2J"},
        ShownCase{"DirectionOverride",
                  "abc\xe2\x80\xae"
                  "fdp.exe",
                  "abc\\u202efdp.exe"},
        ShownCase{"NotUtf8",
                  "Q\xff\xc3"
                  "5",
                  "Q\xef\xbf\xbd\xef\xbf\xbd"
                  "5"},
        ShownCase{"SixtyCharacters", Times(60, "x"), Times(60, "x")},
        ShownCase{"CutAtAWholeCharacter", Times(100000, "一"), Times(60, "一") + "…"},
        ShownCase{"EscapesCountAsOneCharacter", Times(61, "\x1b"), Times(60, "\\x1b") + "…"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ShownWhole, EscapesWithoutCutting) {
    const std::string path = "/data/" + Times(100, "平台") + "\x1b.deckplate";
    EXPECT_EQ(ShownWhole(path), "/data/" + Times(100, "平台") + "\\x1b.deckplate");
}

}  // namespace
}  // namespace deckplate::os
