// 设置 → 集中荷载验算: the group it shows and the layout it moves, the point load it adds to
// Verify, the inputs it refuses, and the report button it holds back.
#include "form/tests/form1_fixture.h"

namespace deckplate::form {
namespace {

// The lightest deck the uniform check passes for D = 1, P = 2, span 2000, spacing 500 under the
// current basis: plate "4.0" on L45x28x3, which the point load of 1.5 kN on 200 × 200 fails.
void EnterLightDeck(Form1& form) {
    form.MenuChosen(MenuItem::BasisCurrent);
    form.TextEdited(Text1, "1");
    form.TextEdited(Text2, "2");
    form.ListPicked(Combo1, 2);
    form.TextEdited(Text4, "2000");
    form.TextEdited(Text5, "500");
    form.ListPicked(Combo2, 6);
}

TEST_F(Form1Test, PointLoadMenuItemShowsTheGroupAndMovesTheButtons) {
    const int buttonsTop = Row(Command1).top;
    EXPECT_FALSE(form.PointLoadShown());  // off by default
    EnterFlatBarBay();
    Click(Command1);

    form.MenuChosen(MenuItem::PointLoad);
    EXPECT_TRUE(form.State(MenuItem::PointLoad).checked);
    for (Control c : {Frame6, Label44, Text14, Text15, Text16, Label47, Text17, Text20, Label55})
        EXPECT_TRUE(form.State(c).visible) << Row(c).name;
    for (Control c : {Label56, Label57, Label60})  // until a Verify writes them
        EXPECT_FALSE(form.State(c).visible) << Row(c).name;
    // The buttons move below the group, as far beneath it as they were beneath 加劲肋数据.
    const Placement group = ControlPlacement(Frame6, true);
    const int gap = buttonsTop - (Row(Frame3).top + Row(Frame3).height);
    for (Control button : {Command1, Command3, Command2})
        EXPECT_EQ(ControlPlacement(button, true).top, group.top + group.height + gap);
    EXPECT_EQ(ClientHeightTwips(true), ControlPlacement(Command1, true).top + Row(Command1).height);
    EXPECT_EQ(ControlPlacement(Text14, true).top, Row(Text14).top);  // inside the group: as is
    EXPECT_FALSE(form.State(Command3).enabled);
    EXPECT_EQ(platform.settings["point_load"], "on");

    Form1 nextRun(platform);
    nextRun.Form_Load();
    EXPECT_TRUE(nextRun.PointLoadShown());
    EXPECT_TRUE(nextRun.State(Text15).visible);
    nextRun.MenuChosen(MenuItem::PointLoad);
    for (const ControlRow& row : ControlTable()) {
        if (row.id != Frame6 && row.container != Frame6) continue;
        EXPECT_FALSE(nextRun.State(row.id).visible) << row.name;
    }
    EXPECT_EQ(platform.settings["point_load"], "off");
    EXPECT_EQ(ControlPlacement(Command2, false).top, buttonsTop);
    EXPECT_EQ(ClientHeightTwips(false), kClientHeightTwips);
}

TEST_F(Form1Test, PointLoadVerifyFillsTheGroup) {
    EnterLightDeck(form);
    form.MenuChosen(MenuItem::PointLoad);
    Click(Command1);
    EXPECT_TRUE(platform.errors.empty());
    const struct {
        Control box;
        const char* text;
        bool exceeded;
        Control verdict;
        const char* verdictText;
    } results[] = {
        {Text17, " 5.2", true, Label57, "★钢铺板集中荷载挠度 5.2mm超出限值< 2.5mm>,须重新计算"},
        {Text18, " 142.4", false, Label58, "钢铺板集中荷载强度满足要求"},
        {Text19, " 8.6", false, Label59, "加劲肋集中荷载挠度满足要求"},
        {Text20, " 255.54", true, Label60, "★加劲肋集中荷载强度超出限值<215N/mm2>,须重新计算"},
    };
    for (const auto& r : results) {
        EXPECT_EQ(Text(r.box), r.text) << Row(r.box).name;
        EXPECT_EQ(form.State(r.box).ink, r.exceeded ? Ink::Blue : Ink::Default) << Row(r.box).name;
        EXPECT_EQ(Text(r.verdict), r.verdictText) << Row(r.verdict).name;
        EXPECT_TRUE(form.State(r.verdict).visible) << Row(r.verdict).name;
    }
    EXPECT_TRUE(form.State(Label56).visible);
    // The uniform check passes: only the point load fails this deck.
    EXPECT_EQ(Text(Label21), "加劲肋强度满足要求");

    Click(Command3);
    ASSERT_EQ(platform.writes.size(), 1u);
    EXPECT_TRUE(platform.writes.front().text.ends_with(
        "\r\n加劲肋集中荷载应力(N/mm2)： σ= 255.54\r\n"
        "提示：★加劲肋集中荷载强度超出限值<215N/mm2>,须重新计算"));
}

TEST_F(Form1Test, PointLoadInputsAreRefusedAsTheOthers) {
    struct {
        const char* name;
        Control box;
        const char* text;
        const char* error;
    } cases[] = {
        {"negative force", Text14, "-1.5", "集中荷载不能为负数"},
        {"patch of no width", Text15, "0", "作用面垂直加劲肋边长不能为零"},
        {"patch length not a number", Text16, "200mm", "作用面沿加劲肋边长“200mm”不是数字"},
    };
    for (const auto& c : cases) {
        StartedForm row;
        auto& [fake, model] = row;
        EnterLightDeck(model);
        model.MenuChosen(MenuItem::PointLoad);
        model.TextEdited(c.box, c.text);
        model.Clicked(Command1);
        ASSERT_EQ(fake.errors.size(), 1u) << c.name;
        EXPECT_NE(fake.errors.front().find(c.error), std::string::npos) << fake.errors.front();
        EXPECT_EQ(model.State(Text6).text, " ") << c.name;
        EXPECT_EQ(model.State(Text17).text, " ") << c.name;
    }
}

// A window that grew by the group keeps its buttons and its title bar on the screen.
TEST(TopOnScreen, MovesUpOnlyAsFarAsItMust) {
    struct {
        int screenTop, screenHeight, windowTop, windowHeight, top;
    } cases[] = {
        {0, 768, 126, 642, 126},  // still ends on the screen: stays
        {0, 768, 150, 680, 88},   // 62 pixels below the screen: up by as much
        {0, 600, 40, 680, 0},     // taller than the screen: the title bar stays on it
        {30, 768, 150, 700, 98},  // a screen that starts lower down (a second monitor)
    };
    for (const auto& c : cases)
        EXPECT_EQ(TopOnScreen(c.screenTop, c.screenHeight, c.windowTop, c.windowHeight), c.top)
            << c.windowTop << "+" << c.windowHeight;
}

}  // namespace
}  // namespace deckplate::form
