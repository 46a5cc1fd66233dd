// The reactions to the user's choices between calculations.
#include "form/tests/form1_fixture.h"

namespace deckplate::form {
namespace {

TEST_F(Form1Test, BoundaryBoxesWarnWhenBothTicked) {
    struct {
        const char* name;
        std::vector<Control> clicks;
        std::size_t messages;
        bool check1, check2;
    } cases[] = {
        {"tick continuous", {Check2}, 1, true, true},
        {"then clear one", {Check2, Check1}, 1, false, true},
        {"tick four edges again", {Check2, Check1, Check1}, 2, true, true},
        {"clear both", {Check1}, 0, false, false},
        {"switch cleanly", {Check1, Check2}, 0, false, true},
    };
    for (const auto& c : cases) {
        StartedForm row;
        auto& [fake, model] = row;
        for (Control box : c.clicks) model.Clicked(box);
        EXPECT_EQ(fake.messages.size(), c.messages) << c.name;
        for (const std::string& message : fake.messages) EXPECT_EQ(message, "请选择其中之一");
        EXPECT_EQ(model.State(Check1).checked, c.check1) << c.name;
        EXPECT_EQ(model.State(Check2).checked, c.check2) << c.name;
    }
}

TEST_F(Form1Test, OptionSwitchKeepsTypedText) {
    Click(Option1);
    for (Control c : {Label15, Label22, Label23, Label24, Text9, Text13})
        EXPECT_TRUE(form.State(c).visible) << Row(c).name;
    EXPECT_TRUE(form.State(Text9).enabled);
    EXPECT_FALSE(form.State(Combo2).visible);
    EXPECT_FALSE(form.State(label16).visible);
    Type(Text9, "80");
    Type(Text13, "8");

    Click(Option2);
    EXPECT_FALSE(form.State(Text9).visible);
    EXPECT_TRUE(form.State(Text9).enabled);  // hidden, but left enabled
    EXPECT_TRUE(form.State(Text13).enabled);
    EXPECT_TRUE(form.State(Combo2).visible);
    EXPECT_FALSE(form.State(Label23).visible);

    Click(Option1);
    EXPECT_EQ(Text(Text9), "80");
    EXPECT_EQ(Text(Text13), "8");
}

TEST_F(Form1Test, AnglePickWritesHiddenCells) {
    EnterFlatBarBay();
    form.Clicked(Command1);  // a flat-bar Verify leaves the flat-bar captions
    Click(Option2);
    Pick(Combo2, 0);
    EXPECT_EQ(form.Variables().indexjudge, 0);
    EXPECT_EQ(form.Variables().Iangle1, 0.7);
    EXPECT_EQ(form.Variables().Yoangle1, 0.86);
    EXPECT_EQ(form.Variables().Aangle1, 1.162);
    EXPECT_EQ(form.Variables().Hangle1, 25.0);
    EXPECT_EQ(Text(Label31), " .86");
    EXPECT_EQ(Text(Label33), " .7");
    EXPECT_EQ(Text(Label35), " 1.16");
    EXPECT_EQ(Text(Label34), "角钢形心与短肢边距(cm)");
    EXPECT_EQ(Text(Label30), "角钢强轴惯性矩(cm4)");
    EXPECT_EQ(Text(Label32), "角钢截面面积(cm2)");
    EXPECT_EQ(Text(Label38), " 1.9");  // the right-hand column keeps the last Verify's values

    Pick(Combo2, 50);
    EXPECT_EQ(form.Variables().indexjudge, 50);
    EXPECT_EQ(form.Variables().Hangle1, 140.0);
    EXPECT_EQ(Text(Label33), " 445.5");
}

TEST_F(Form1Test, AnglePickBeforeAnyVerifyStaysHidden) {
    Pick(Combo2, 0);
    EXPECT_EQ(Text(Label31), " .86");
    EXPECT_FALSE(form.State(Label31).visible);  // written, but shown only by Verify
    EXPECT_EQ(Text(Label38), " ");
}

TEST_F(Form1Test, AngleVariablesSurviveOptionSwitchesAndTyping) {
    Pick(Combo2, 40);
    Click(Option1);
    Click(Option2);
    EXPECT_EQ(form.Variables().indexjudge, 40);
    EXPECT_EQ(form.Variables().Aangle1, 17.17);
    EXPECT_EQ(form.Variables().Hangle1, 100.0);
    // Typing another designation into the field does not change the chosen angle.
    Type(Combo2, "L25x16x3");
    EXPECT_EQ(form.Variables().indexjudge, 40);
    EXPECT_EQ(form.State(Combo2).picked, 40);
    EXPECT_EQ(Text(Combo2), "L25x16x3");
}

TEST_F(Form1Test, VerifyIsEnabledOnlyByAPick) {
    Type(Combo1, "6.0");
    EXPECT_FALSE(form.State(Command1).enabled);
    Click(Command1);  // a disabled button does nothing
    EXPECT_EQ(Text(Text6), " ");
    Pick(Combo1, 3);
    EXPECT_TRUE(form.State(Command1).enabled);
    EXPECT_EQ(Text(Combo1), "4.5");
    Type(Combo1, "");
    EXPECT_TRUE(form.State(Command1).enabled);  // stays enabled
}

TEST_F(Form1Test, ExitEndsTheProgram) {
    EnterFlatBarBay();
    Click(Command1);
    Click(Command2);
    EXPECT_EQ(platform.endProgramCalls, 1);
    EXPECT_TRUE(platform.messages.empty());
}

// 设置 → 计算依据: the choice names itself in the title, invalidates the results on show, is
// remembered for the next run, and every later Verify uses it.
TEST_F(Form1Test, DesignBasisChoiceIsUsedAndRemembered) {
    EnterFlatBarBay();
    Click(Command1);
    EXPECT_EQ(Text(Text8), " 17.36");  // q = 1.2 × 1 + 1.4 × 2 = 4.0
    form.MenuChosen(MenuItem::BasisCurrent);
    EXPECT_EQ(form.Basis(), DesignBasis::Current);
    EXPECT_EQ(Text(form1), "平台钢铺板计算 — 现行规范");
    EXPECT_TRUE(form.State(MenuItem::BasisCurrent).checked);
    EXPECT_FALSE(form.State(MenuItem::BasisLegacy).checked);
    EXPECT_FALSE(form.State(Command3).enabled);
    EXPECT_EQ(platform.settings["basis"], "current");

    Click(Command1);
    EXPECT_EQ(Text(Text8), " 18.66");  // q = 1.3 × 1 + 1.5 × 2 = 4.3
    Click(Command3);
    ASSERT_EQ(platform.writes.size(), 1u);
    EXPECT_NE(platform.writes.front().text.find(
                  "加劲肋挠度限值： 1/200\r\n荷载组合：1.3×恒+1.5×活（GB 55001-2021）\r\n"),
              std::string::npos);

    Form1 nextRun(platform);
    nextRun.Form_Load();
    EXPECT_EQ(nextRun.Basis(), DesignBasis::Current);
    EXPECT_EQ(nextRun.State(form1).text, "平台钢铺板计算 — 现行规范");
    nextRun.MenuChosen(MenuItem::BasisLegacy);
    EXPECT_EQ(nextRun.State(form1).text, "平台钢铺板计算");
    EXPECT_EQ(platform.settings["basis"], "legacy");
}

// Every change the view is told of, for a view that counts them.
class CountingView : public FormView {
  public:
    void ControlChanged(Control control) override { changes.push_back(control); }
    void MenuItemChanged(MenuItem) override {}
    void LayoutChanged() override { ++layoutChanges; }
    std::vector<Control> changes;
    int layoutChanges = 0;
};

TEST_F(Form1Test, TheViewHearsOfRealChangesOnly) {
    CountingView view;
    form.SetView(&view);
    Type(Text1, " ");  // the text it already has
    Click(Option2);    // already chosen
    EXPECT_TRUE(view.changes.empty());
    Type(Text1, "1");
    EXPECT_EQ(view.changes, std::vector<Control>{Text1});
}

}  // namespace
}  // namespace deckplate::form
