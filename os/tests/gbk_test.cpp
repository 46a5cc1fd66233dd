// The report's characters in GBK, and what becomes "?".
#include "os/gbk.h"

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

TEST(DecodeGbk, SchedulesSavedByChineseSpreadsheets) {
    struct {
        const char* gbk;
        const char* utf8;
    } cases[] = {
        {"\xd2\xbb\xb2\xe3", "一层"},
        {"\x80", "€"},  // code page 936's euro sign
        {"a\xff"
         "b",
         "a\xef\xbf\xbd"
         "b"},                     // a byte GBK does not define: U+FFFD
        {"\xb8", "\xef\xbf\xbd"},  // a character cut short
        {"L63x40x5", "L63x40x5"},
    };
    for (const auto& c : cases) EXPECT_EQ(DecodeGbk(c.gbk), c.utf8) << c.gbk;
}

}  // namespace
}  // namespace deckplate::os
