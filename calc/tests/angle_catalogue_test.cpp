#include "calc/angle_catalogue.h"

#include <gtest/gtest.h>

#include <charconv>
#include <set>
#include <string>
#include <string_view>
#include <vector>

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

// A designation the catalogue lacks is answered with the two nearest it has: the same legs a
// thickness either side, or the nearest legs; a text that is no designation with none.
TEST(NearestAngles, SameLegsFirstThenTheNearestLegs) {
    using Names = std::vector<std::string_view>;
    const struct {
        const char* given;
        Names nearest;
    } cases[] = {
        {"L75x50x7", {"L75x50x6", "L75x50x8"}},    // a thickness between two
        {"L63x40x9", {"L63x40x6", "L63x40x7"}},    // thicker than the legs' thickest
        {"L25x16x2", {"L25x16x3", "L25x16x4"}},    // thinner than the smallest
        {"L99x9x9", {"L100x63x8", "L100x63x10"}},  // legs of no angle: the nearest legs
        {"L63x40", {}},
        {"L63x40x5x1", {}},
        {"Lx40x5", {}},
        {"L0x40x5", {}},
        {"63x40x5", {}},
        {"L99999999999999999999x1x1", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(NearestAngles(c.given), c.nearest) << c.given;
}

}  // namespace
}  // namespace deckplate
