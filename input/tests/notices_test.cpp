// A reading's notices: each kind kept once, taken as a front end says them, warnings first, and
// none taken twice.
#include "input/notices.h"

#include <gtest/gtest.h>

namespace deckplate::input {
namespace {

TEST(Notices, EachKindOnceWarningsFirstNoneTwice) {
    const Notice q345{.kind = NoticeKind::FormerGradeName};
    const Notice line3{.kind = NoticeKind::NotUtf8AfterMark, .line = 3};
    const Notice line7{.kind = NoticeKind::NotUtf8AfterMark, .line = 7};
    Notices notices;
    notices.Add(q345);
    notices.Add(q345);
    EXPECT_EQ(notices.Take(Severity::Warning), std::vector<Notice>{});  // the note waits
    notices.Add(line3);
    notices.Add(line7);  // the first line of its kind stands for the rest
    EXPECT_EQ(notices.Take(), (std::vector<Notice>{line3, q345}));
    EXPECT_EQ(notices.Take(), std::vector<Notice>{});
    notices.Add(line7);
    EXPECT_TRUE(notices.Has(NoticeKind::NotUtf8AfterMark));
    EXPECT_EQ(notices.Take(), std::vector<Notice>{});  // its kind came and was said
}

}  // namespace
}  // namespace deckplate::input
