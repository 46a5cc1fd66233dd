// Where the window puts its optional groups: beside the form, which keeps its place, one below
// another with no blank row inside; the window as large as they need; and where a window goes
// that would open or grow past an edge of the screen.
#include <algorithm>
#include <vector>

#include "form/tests/form1_fixture.h"

namespace deckplate::form {
namespace {

constexpr Control kGroups[] = {ShearFrame, WeldFrame, PointLoadFrame};

// The four layouts the basis and 集中荷载验算 make.
constexpr FormLayout kLayouts[] = {{false, false}, {false, true}, {true, false}, {true, true}};

// A line of text, a caption's height: no blank between two rows is as tall.
constexpr int kLineHeight = 255;

int Bottom(const Placement& place) { return place.top + place.height; }
int Right(const Placement& place) { return place.left + place.width; }

bool Shown(Control group, const FormLayout& layout) {
    return group == PointLoadFrame ? layout.pointLoad : layout.currentBasis;
}

TEST(WindowLayout, GroupsStandInASecondColumnBesideTheForm) {
    const Placement platform = ControlPlacement(PlatformFrame, {});
    const int gap = Row(PlateFrame).top - Bottom(platform);  // between the form's frames
    for (const FormLayout& layout : kLayouts) {
        SCOPED_TRACE(testing::Message() << "current basis " << layout.currentBasis
                                        << ", point load " << layout.pointLoad);
        // The form keeps its place, buttons too, whatever is shown beside it.
        for (const ControlRow& row : ControlTable()) {
            if (OptionalGroupOf(row.id) != Window) continue;
            const Placement place = ControlPlacement(row.id, layout);
            EXPECT_EQ(place.top, row.top) << row.name;
            EXPECT_EQ(place.left, row.left) << row.name;
        }
        // The groups shown, from the height of 平台数据 down, each the form's gap below the one
        // above, clear of the form's frames and inside the window with the form's margins.
        int top = platform.top, right = kClientWidthTwips, bottom = kClientHeightTwips;
        for (const Control group : kGroups) {
            EXPECT_EQ(InLayout(group, layout), Shown(group, layout)) << Row(group).name;
            if (!Shown(group, layout)) continue;
            const Placement place = ControlPlacement(group, layout);
            EXPECT_EQ(place.top, top) << Row(group).name;
            EXPECT_GE(place.left, Right(platform) + gap) << Row(group).name;
            top = Bottom(place) + gap;
            right = std::max(right, Right(place) + kClientWidthTwips - Right(platform));
            bottom = std::max(bottom, Bottom(place) + platform.top);
        }
        EXPECT_EQ(ClientWidthTwips(layout), right);
        EXPECT_EQ(ClientHeightTwips(layout), bottom);
    }
    EXPECT_EQ(ClientWidthTwips({}), kClientWidthTwips);
    EXPECT_EQ(ClientHeightTwips({}), kClientHeightTwips);
}

// Inside a group the rows shown stand one below another from its top, results above the verdict
// lines, with no blank row where the legacy basis leaves the stiffener's shear out, nor above it
// before a Verify has written the verdicts; the group ends a margin below its last row.
TEST(WindowLayout, AGroupHasNoBlankRow) {
    for (const FormLayout& layout : kLayouts) {
        for (const bool verified : {false, true}) {
            StartedForm started;
            Form1& form = started.form;
            if (layout.currentBasis) form.MenuChosen(MenuItem::BasisCurrent);
            if (layout.pointLoad) form.MenuChosen(MenuItem::PointLoad);
            if (verified) {
                EnterFlatBarBay(form);
                form.Clicked(VerifyButton);
                ASSERT_TRUE(started.platform.errors.empty());
            }
            for (const Control group : kGroups) {
                if (!Shown(group, layout)) continue;
                SCOPED_TRACE(testing::Message()
                             << Row(group).name << ", current basis " << layout.currentBasis
                             << (verified ? ", verified" : ", not verified"));
                std::vector<Placement> shown;
                for (const ControlRow& row : ControlTable())
                    if (row.container == group && form.State(row.id).visible)
                        shown.push_back(ControlPlacement(row.id, layout));
                std::ranges::sort(shown, {}, &Placement::top);
                ASSERT_FALSE(shown.empty());
                EXPECT_LE(shown.front().top, 240);
                int lowest = Bottom(shown.front());
                for (const Placement& place : shown) {
                    EXPECT_LT(place.top - lowest, kLineHeight)
                        << "a blank line above the row at " << place.top;
                    lowest = std::max(lowest, Bottom(place));
                }
                const int height = GroupHeight(group, layout);
                EXPECT_LE(lowest, height);
                // Before a Verify only the verdicts' place stays blank, at the bottom.
                if (verified) {
                    EXPECT_LE(height - lowest, 150);
                }
            }
        }
    }
}

// A row that only the current basis shows is left out, not shown, without it.
TEST(WindowLayout, TheLegacyBasisLeavesOutTheShearRows) {
    for (const Control c : {PointLoadShearCaption, PointLoadShear, PointLoadShearUnit,
                            PointLoadShearVerdict, PointLoadWeldCaption, PointLoadWeldStress,
                            PointLoadWeldStressUnit, PointLoadWeldVerdict}) {
        EXPECT_FALSE(InLayout(c, {false, true})) << Row(c).name;
        EXPECT_TRUE(InLayout(c, {true, true})) << Row(c).name;
    }
    // The verdicts move up into the shear's place, and the group is shorter by the shear's and
    // the weld's rows.
    EXPECT_EQ(ControlPlacement(PointLoadPlateDeflectionVerdict, {false, true}).top,
              ControlPlacement(PointLoadShear, {true, true}).top);
    const auto margin = [](const FormLayout& layout, Control last) {
        return GroupHeight(PointLoadFrame, layout) - Bottom(ControlPlacement(last, layout));
    };
    EXPECT_EQ(margin({false, true}, PointLoadStiffenerStrengthVerdict),
              margin({true, true}, PointLoadWeldVerdict));
}

// A window that opened or grew past an edge of the screen's work area comes back onto it, moved
// no further than it must; its title bar never leaves the screen.
TEST(OnScreen, MovesAWindowOnlyAsFarAsItMust) {
    const struct {
        const char* name;
        ScreenRect area, window;
        int left, top;
    } cases[] = {
        {"inside: stays", {0, 0, 1366, 768}, {100, 126, 551, 642}, 100, 126},
        {"62 pixels below: up by as much", {0, 0, 1366, 768}, {100, 150, 551, 680}, 100, 88},
        {"taller than the area: title bar at its top",
         {0, 0, 1366, 600},
         {100, 40, 551, 680},
         100,
         0},
        {"a screen that starts lower down", {0, 30, 1366, 768}, {100, 150, 551, 700}, 100, 98},
        {"grew past the right edge: left by as much",
         {0, 0, 1366, 728},
         {411, 131, 1096, 516},
         270,
         131},
        {"wider than the area: its left edge at the area's",
         {0, 0, 800, 600},
         {-20, 10, 1096, 516},
         0,
         10},
        {"left of a second screen's area: right onto it",
         {1920, 0, 1366, 728},
         {1800, 100, 551, 500},
         1920,
         100},
        {"above a taskbar at the top", {0, 40, 1920, 1040}, {600, 12, 1000, 700}, 600, 40},
    };
    for (const auto& c : cases) {
        const WindowPosition p = OnScreen(c.area, c.window);
        EXPECT_EQ(p.left, c.left) << c.name;
        EXPECT_EQ(p.top, c.top) << c.name;
    }
}

}  // namespace
}  // namespace deckplate::form
