// The window as it first appears: every control against the table, both lists, the state
// variables, and where the window opens.
#include <set>

#include "form/tests/form1_fixture.h"

namespace deckplate::form {
namespace {

TEST_F(Form1Test, EveryControlHasItsStartState) {
    // Start-up hides and disables the flat-bar inputs beyond what the table says.
    const std::set<Control> hiddenByStartUp{FlatBarHeightCaption, FlatBarThicknessCaption,
                                            FlatBarHeight, FlatBarThickness};
    const std::set<Control> disabledByStartUp{FlatBarHeight, FlatBarThickness};
    for (const ControlRow& row : ControlTable()) {
        const ControlState& state = form.State(row.id);
        EXPECT_EQ(state.text, row.caption) << row.name;
        EXPECT_EQ(state.visible, row.visible && !hiddenByStartUp.count(row.id)) << row.name;
        EXPECT_EQ(state.enabled, row.enabled && !disabledByStartUp.count(row.id)) << row.name;
        EXPECT_EQ(state.checked, row.checked) << row.name;
    }
    // 110, and the current basis' live-load deflection (4), the weld's group (13) and the weld's
    // row under the point load (4).
    EXPECT_EQ(ControlTable().size(), 131u);
    EXPECT_TRUE(form.State(SimplySupported).checked);
    EXPECT_FALSE(form.State(Continuous).checked);
    EXPECT_TRUE(form.State(AngleChoice).checked);
    EXPECT_FALSE(form.State(FlatBarChoice).checked);
    EXPECT_EQ(Text(DeadLoad), " ");  // one blank, not empty
    EXPECT_EQ(Text(AngleSizeCaption), "角钢规格：");
    // A verdict line not yet written shows nothing, never a placeholder.
    for (Control line : {PlateDeflectionVerdict, PlateStrengthVerdict, StiffenerDeflectionVerdict,
                         StiffenerStrengthVerdict})
        EXPECT_EQ(Text(line), " ");
}

TEST_F(Form1Test, FlatBarInputsAreHiddenAndDisabled) {
    for (Control c : {FlatBarHeightCaption, FlatBarThicknessCaption, FlatBarHeightUnit,
                      FlatBarThicknessUnit, FlatBarHeight, FlatBarThickness})
        EXPECT_FALSE(form.State(c).visible) << Row(c).name;
    EXPECT_FALSE(form.State(FlatBarHeight).enabled);
    EXPECT_FALSE(form.State(FlatBarThickness).enabled);
    EXPECT_TRUE(form.State(AngleSize).visible);
    EXPECT_FALSE(form.State(DeflectionLimit).enabled);
}

TEST_F(Form1Test, ListsAreFilledWithNothingPicked) {
    EXPECT_EQ(
        form.State(Thickness).items,
        (std::vector<std::string>{"2.5", "3.0", "4.0", "4.5", "5.0", "5.5", "6.0", "7.0", "8.0"}));
    const auto& angles = form.State(AngleSize).items;
    ASSERT_EQ(angles.size(), 51u);
    EXPECT_EQ(angles[0], "L25x16x3");
    EXPECT_EQ(angles[8], "L50x32x3");
    EXPECT_EQ(angles[50], "L140x90x10");
    for (Control list : {Thickness, AngleSize}) {
        EXPECT_EQ(form.State(list).picked, -1);
        EXPECT_EQ(Text(list), "");
    }
}

TEST_F(Form1Test, StateVariablesStartAtZero) {
    for (double v : {form.Variables().Alpha, form.Variables().Beta, form.Variables().Iangle1,
                     form.Variables().Yoangle1, form.Variables().Aangle1, form.Variables().Hangle1,
                     form.Variables().AstiffenerE, form.Variables().IStiffenerE})
        EXPECT_EQ(v, 0.0);
    EXPECT_EQ(form.Variables().indexjudge, 0);
    EXPECT_FALSE(form.State(VerifyButton).enabled);
    EXPECT_FALSE(form.State(ReportButton).enabled);
    EXPECT_TRUE(form.State(ExitButton).enabled);
}

TEST(CentredWindow, HalvesTheFreeSpaceInWholePixels) {
    struct {
        int screenWidth, screenHeight, windowWidth, windowHeight, left, top;
    } cases[] = {
        {1024, 768, 543, 465, 240, 151},   // 240.5 and 151.5 are cut to whole pixels
        {1920, 1080, 551, 495, 684, 292},  // with a frame and a title bar
        {500, 400, 543, 465, -21, -32},    // a window larger than the screen
    };
    for (const auto& c : cases) {
        const WindowPosition p =
            CentredWindow(c.screenWidth, c.screenHeight, c.windowWidth, c.windowHeight);
        EXPECT_EQ(p.left, c.left) << c.screenWidth;
        EXPECT_EQ(p.top, c.top) << c.screenWidth;
    }
}

}  // namespace
}  // namespace deckplate::form
