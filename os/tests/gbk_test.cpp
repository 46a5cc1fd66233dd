// The report's characters in GBK, and what becomes "?".
#include "gbk.h"

#include <gtest/gtest.h>

namespace deckplate::os {
namespace {

TEST(EncodeGbk, ReportCharactersAndReplacement) {
    struct {
        const char* utf8;
        const char* gbk;
    } cases[] = {
        {"α", "\xa6\xc1"},
        {"β", "\xa6\xc2"},
        {"δ", "\xa6\xc4"},
        {"σ", "\xa6\xd2"},
        {"：", "\xa3\xba"},
        {"★", "\xa1\xef"},
        {"钢", "\xb8\xd6"},
        {"A=-1.5", "A=-1.5"},
        {"\xf0\x9f\x98\x80", "?"},  // an emoji: one character, one "?"
        {"a\xf0\x9f\x98\x80"
         "b",
         "a?b"},
        {"\xe2\x80\x8b", "?"},  // zero-width space
        {"1\xff"
         "2",
         "1?2"},            // a byte that is not UTF-8
        {"\xe9\x92", "?"},  // a character cut short
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(EncodeGbk(c.utf8), c.gbk) << c.utf8;
}

}  // namespace
}  // namespace deckplate::os
