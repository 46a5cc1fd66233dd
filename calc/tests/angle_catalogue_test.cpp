#include "calc/angle_catalogue.h"

#include <gtest/gtest.h>

#include <charconv>
#include <set>
#include <string>

namespace deckplate {
namespace {

TEST(AngleCatalogue, FiftyOneDistinctSizesWhoseCentroidLiesInTheLongLeg) {
    const auto rows = AngleCatalogue();
    ASSERT_EQ(rows.size(), 51u);
    std::set<std::string_view> seen;
    for (const AngleRow& row : rows) {
        EXPECT_TRUE(seen.insert(row.designation).second) << row.designation;
        // "L<H>x<b>x<t>": the first number is the long leg.
        ASSERT_EQ(row.designation.front(), 'L');
        int longLeg = 0, shortLeg = 0, leg = 0;
        const char* p = row.designation.data() + 1;
        const char* end = row.designation.data() + row.designation.size();
        p = std::from_chars(p, end, longLeg).ptr;
        ASSERT_EQ(*p++, 'x') << row.designation;
        p = std::from_chars(p, end, shortLeg).ptr;
        ASSERT_EQ(*p++, 'x') << row.designation;
        p = std::from_chars(p, end, leg).ptr;
        EXPECT_EQ(p, end) << row.designation;
        EXPECT_EQ(row.H, longLeg) << row.designation;
        EXPECT_LT(shortLeg, longLeg) << row.designation;
        EXPECT_LT(10 * row.y0, row.H) << row.designation;
        EXPECT_GT(row.Ix, 0) << row.designation;
        EXPECT_GT(row.A, 0) << row.designation;
    }
    EXPECT_EQ(rows[8].designation, "L50x32x3");
}

struct SectionCase {
    const char* name;
    int position;
    double Ix, y0, A, H;
    double leg;  ///< leg thickness, mm
};
void PrintTo(const SectionCase& c, std::ostream* os) { *os << c.name; }

class AngleSectionTest : public testing::TestWithParam<SectionCase> {};

TEST_P(AngleSectionTest, WritesRowOrFallback) {
    const auto& c = GetParam();
    const AngleValues s = AngleSection(static_cast<std::int16_t>(c.position));
    EXPECT_EQ(s.Ix, c.Ix);
    EXPECT_EQ(s.y0, c.y0);
    EXPECT_EQ(s.A, c.A);
    EXPECT_EQ(s.H, c.H);
    EXPECT_EQ(s.legThickness, c.leg);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, AngleSectionTest,
    testing::Values(SectionCase{"First", 0, 0.7, 0.86, 1.162, 25, 3},
                    SectionCase{"L32x20x3", 2, 1.53, 1.08, 1.492, 32, 3},
                    SectionCase{"L32x20x4", 3, 1.93, 1.12, 1.939, 32, 4},
                    SectionCase{"YoExactlyThree", 31, 81.22, 3, 9.88, 90, 7},
                    SectionCase{"SameAreaShorterLeg", 40, 166.87, 3.12, 17.17, 100, 10},
                    SectionCase{"SameAreaLongerLeg", 44, 208.39, 3.7, 17.17, 110, 10},
                    SectionCase{"Last", 50, 445.5, 4.58, 22.26, 140, 10},
                    SectionCase{"NoPick", -1, 0, 0, 1, 1, 0},
                    SectionCase{"PastTheEnd", 51, 0, 0, 1, 1, 0},
                    SectionCase{"Lowest", -32768, 0, 0, 1, 1, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FindAngle, FindsExactDesignationsOnly) {
    EXPECT_EQ(FindAngle("L25x16x3"), 0);
    EXPECT_EQ(FindAngle("L140x90x10"), 50);
    EXPECT_EQ(FindAngle("l25x16x3"), std::nullopt);
    EXPECT_EQ(FindAngle("L25X16X3"), std::nullopt);
    EXPECT_EQ(FindAngle(""), std::nullopt);
}

}  // namespace
}  // namespace deckplate
