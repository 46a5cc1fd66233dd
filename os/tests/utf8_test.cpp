// Which bytes are UTF-8: what decides a schedule's encoding.
#include "os/utf8.h"

#include <gtest/gtest.h>

namespace deckplate::os {
namespace {

TEST(Encoding, Detection) {
    EXPECT_TRUE(IsUtf8("abc", 3));
    EXPECT_TRUE(IsUtf8("\xe4\xb8\x80", 3));       // 一
    EXPECT_TRUE(IsUtf8("\xe4\xb8", 2));           // cut off by a chunk's end
    EXPECT_FALSE(IsUtf8("\xd2\xbb\xb2\xe3", 4));  // 一层 in GBK
    EXPECT_FALSE(IsUtf8("\xc0\x80", 2));          // overlong
}

}  // namespace
}  // namespace deckplate::os
