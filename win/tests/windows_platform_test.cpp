// What the Windows platform keeps and answers: remembered choices in the registry, and a file
// it cannot open named in the answer.
#include "win/windows_platform.h"

#include <gtest/gtest.h>

namespace deckplate::win {
namespace {

TEST(WindowsPlatform, RemembersChoicesInTheRegistry) {
    const struct {
        const char* key;
        const char* value;
    } cases[] = {
        {"plain", "6.0"},
        {"Chinese key and value", "GB 50017—2017 钢结构设计标准"},
        {"emptied", ""},
    };
    WindowsPlatform platform;
    EXPECT_EQ(platform.LoadSetting("never stored"), "");
    for (const auto& c : cases) {
        platform.SaveSetting(c.key, "an earlier choice");
        platform.SaveSetting(c.key, c.value);
        EXPECT_EQ(WindowsPlatform().LoadSetting(c.key), c.value) << c.key;
    }
}

TEST(WindowsPlatform, NamesAFileItCannotOpen) {
    WindowsPlatform platform;
    const std::string failure =
        platform.OpenFile("Z:\\no such folder\\计算书.html", form::Viewer::Browser);
    EXPECT_NE(failure.find("Z:\\no such folder\\计算书.html"), std::string::npos) << failure;
}

}  // namespace
}  // namespace deckplate::win
