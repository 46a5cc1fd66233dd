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
        {"tick continuous", {Continuous}, 1, true, true},
        {"then clear one", {Continuous, SimplySupported}, 1, false, true},
        {"tick four edges again", {Continuous, SimplySupported, SimplySupported}, 2, true, true},
        {"clear both", {SimplySupported}, 0, false, false},
        {"switch cleanly", {SimplySupported, Continuous}, 0, false, true},
    };
    for (const auto& c : cases) {
        StartedForm row;
        auto& [fake, model] = row;
        for (Control box : c.clicks) model.Clicked(box);
        EXPECT_EQ(fake.messages.size(), c.messages) << c.name;
        for (const std::string& message : fake.messages) EXPECT_EQ(message, "请选择其中之一");
        EXPECT_EQ(model.State(SimplySupported).checked, c.check1) << c.name;
        EXPECT_EQ(model.State(Continuous).checked, c.check2) << c.name;
    }
}

TEST_F(Form1Test, OptionSwitchKeepsTypedText) {
    Click(FlatBarChoice);
    for (Control c : {FlatBarHeightCaption, FlatBarThicknessCaption, FlatBarHeightUnit,
                      FlatBarThicknessUnit, FlatBarHeight, FlatBarThickness})
        EXPECT_TRUE(form.State(c).visible) << Row(c).name;
    EXPECT_TRUE(form.State(FlatBarHeight).enabled);
    EXPECT_FALSE(form.State(AngleSize).visible);
    EXPECT_FALSE(form.State(AngleSizeCaption).visible);
    Type(FlatBarHeight, "80");
    Type(FlatBarThickness, "8");

    Click(AngleChoice);
    EXPECT_FALSE(form.State(FlatBarHeight).visible);
    EXPECT_TRUE(form.State(FlatBarHeight).enabled);  // hidden, but left enabled
    EXPECT_TRUE(form.State(FlatBarThickness).enabled);
    EXPECT_TRUE(form.State(AngleSize).visible);
    EXPECT_FALSE(form.State(FlatBarHeightUnit).visible);

    Click(FlatBarChoice);
    EXPECT_EQ(Text(FlatBarHeight), "80");
    EXPECT_EQ(Text(FlatBarThickness), "8");
}

TEST_F(Form1Test, AnglePickWritesHiddenCells) {
    EnterFlatBarBay();
    form.Clicked(VerifyButton);  // a flat-bar Verify leaves the flat-bar captions
    Click(AngleChoice);
    Pick(AngleSize, 0);
    EXPECT_EQ(form.Variables().indexjudge, 0);
    EXPECT_EQ(form.Variables().Iangle1, 0.7);
    EXPECT_EQ(form.Variables().Yoangle1, 0.86);
    EXPECT_EQ(form.Variables().Aangle1, 1.162);
    EXPECT_EQ(form.Variables().Hangle1, 25.0);
    EXPECT_EQ(Text(SectionCentroid), " .86");
    EXPECT_EQ(Text(SectionInertia), " .7");
    EXPECT_EQ(Text(SectionArea), " 1.16");
    EXPECT_EQ(Text(SectionCentroidCaption), "角钢形心与短肢边距(cm)");
    EXPECT_EQ(Text(SectionInertiaCaption), "角钢强轴惯性矩(cm4)");
    EXPECT_EQ(Text(SectionAreaCaption), "角钢截面面积(cm2)");
    EXPECT_EQ(Text(CompositeCentroid),
              " 1.9");  // the right-hand column keeps the last Verify's values

    Pick(AngleSize, 50);
    EXPECT_EQ(form.Variables().indexjudge, 50);
    EXPECT_EQ(form.Variables().Hangle1, 140.0);
    EXPECT_EQ(Text(SectionInertia), " 445.5");
}

TEST_F(Form1Test, AnglePickBeforeAnyVerifyStaysHidden) {
    Pick(AngleSize, 0);
    EXPECT_EQ(Text(SectionCentroid), " .86");
    EXPECT_FALSE(form.State(SectionCentroid).visible);  // written, but shown only by Verify
    EXPECT_EQ(Text(CompositeCentroid), " ");
}

TEST_F(Form1Test, AngleVariablesSurviveOptionSwitchesAndTyping) {
    Pick(AngleSize, 40);
    Click(FlatBarChoice);
    Click(AngleChoice);
    EXPECT_EQ(form.Variables().indexjudge, 40);
    EXPECT_EQ(form.Variables().Aangle1, 17.17);
    EXPECT_EQ(form.Variables().Hangle1, 100.0);
    // Typing another designation into the field does not change the chosen angle.
    Type(AngleSize, "L25x16x3");
    EXPECT_EQ(form.Variables().indexjudge, 40);
    EXPECT_EQ(form.State(AngleSize).picked, 40);
    EXPECT_EQ(Text(AngleSize), "L25x16x3");
}

TEST_F(Form1Test, VerifyIsEnabledOnlyByAPick) {
    Type(Thickness, "6.0");
    EXPECT_FALSE(form.State(VerifyButton).enabled);
    Click(VerifyButton);  // a disabled button does nothing
    EXPECT_EQ(Text(PlateMoment), " ");
    Pick(Thickness, 3);
    EXPECT_TRUE(form.State(VerifyButton).enabled);
    EXPECT_EQ(Text(Thickness), "4.5");
    Type(Thickness, "");
    EXPECT_TRUE(form.State(VerifyButton).enabled);  // stays enabled
}

TEST_F(Form1Test, ExitEndsTheProgram) {
    Click(VerifyButton);
    Click(ExitButton);  // nothing typed: nothing to save
    EXPECT_EQ(platform.endProgramCalls, 1);
    EXPECT_TRUE(platform.messages.empty());
}

// 设置 → 计算依据 and 钢材牌号: the choice names itself in the title, invalidates the results on
// show, is remembered for the next run, and every later Verify uses it; the legacy basis knows
// Q235 only.
TEST_F(Form1Test, DesignBasisChoiceIsUsedAndRemembered) {
    EnterFlatBarBay();
    Click(VerifyButton);
    EXPECT_EQ(Text(PlateStress), " 17.36");  // q = 1.2 × 1 + 1.4 × 2 = 4.0
    EXPECT_FALSE(form.State(MenuItem::SteelQ355).enabled);
    form.MenuChosen(MenuItem::SteelQ355);  // disabled: no effect
    EXPECT_TRUE(form.State(MenuItem::SteelQ235).checked);
    form.MenuChosen(MenuItem::BasisCurrent);
    EXPECT_EQ(form.Basis(), DesignBasis::Current);
    EXPECT_EQ(Text(Window), "*未命名 — 平台钢铺板计算 — 现行规范 Q235");
    form.MenuChosen(MenuItem::SteelQ355);
    EXPECT_EQ(Text(Window), "*未命名 — 平台钢铺板计算 — 现行规范 Q355");
    EXPECT_EQ(platform.settings["steel"], "Q355");
    EXPECT_TRUE(form.State(MenuItem::BasisCurrent).checked);
    EXPECT_FALSE(form.State(MenuItem::BasisLegacy).checked);
    EXPECT_FALSE(form.State(ReportButton).enabled);
    EXPECT_EQ(platform.settings["basis"], "current");

    Click(VerifyButton);
    // The self-weight 0.0785 × (6 + 640/500) = 0.57148 added: q = 1.3 × 1.57148 + 1.5 × 2 =
    // 5.042924, σ = 6000 × 0.125 × q × 0.5²/(1.2 × 6²) = 21.89.
    EXPECT_EQ(Text(PlateStress), " 21.89");
    // V = 5.042924 × 0.5 × 2/2 = 2.521462 kN, S = 8 × 64.88²/2 = 16837.3 mm³ below Yo = 21.12 mm,
    // Ix = 1028648 mm⁴: τ = 2521.462 × 16837.3/(1028648 × 8) = 5.16.
    EXPECT_EQ(Text(ShearStress), " 5.16");
    EXPECT_EQ(Text(Outstand), " 10");         // 80 / 8
    EXPECT_EQ(Text(OutstandLimit), " 12.2");  // 15 √(235/355)
    EXPECT_TRUE(form.State(StiffenerOutstandVerdict).visible);
    Click(ReportButton);
    ASSERT_EQ(platform.writes.size(), 1u);
    EXPECT_NE(platform.writes.front().text.find(
                  "加劲肋挠度限值： 1/250\r\n荷载组合：1.3×恒+1.5×活（GB 55001-2021）\r\n"
                  "钢材牌号：Q355（GB/T 1591-2018）\r\n"),
              std::string::npos);
    // A flat bar's outstand is its height over its thickness.
    EXPECT_NE(
        platform.writes.front().text.find("加劲肋宽厚比： h/t= 10        限值15εk： 12.2\r\n"),
        std::string::npos);

    Form1 nextRun(platform);
    nextRun.Form_Load();
    EXPECT_EQ(nextRun.Basis(), DesignBasis::Current);
    EXPECT_EQ(nextRun.State(Window).text, "未命名 — 平台钢铺板计算 — 现行规范 Q355");
    nextRun.MenuChosen(MenuItem::BasisLegacy);
    EXPECT_EQ(nextRun.State(Window).text, "*未命名 — 平台钢铺板计算");
    EXPECT_TRUE(nextRun.State(MenuItem::SteelQ235).checked);
    EXPECT_FALSE(nextRun.State(ShearFrame).visible);
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
    Type(DeadLoad, " ");  // the text it already has
    Click(AngleChoice);   // already chosen
    EXPECT_TRUE(view.changes.empty());
    Type(DeadLoad, "1");  // and the title marks the change
    EXPECT_EQ(view.changes, (std::vector<Control>{DeadLoad, Window}));
}

// A bay shown in the window reads back as the same bay, whatever its stiffener, boundary, basis
// and point load: what sizing applies and a bay file opens is what Verify then checks.
TEST(Form1Bay, FilledWindowReadsBackTheSameBay) {
    const BayInput flatBar{.dead = 1,
                           .live = 2,
                           .thickness = ThicknessOf(6),
                           .span = 2000,
                           .spacing = 500,
                           .stiffener = FlatBar{80, 8}};
    BayInput angle = flatBar;
    angle.thickness = ThicknessOf(4.5);
    angle.boundary = BoundaryOf(true);
    angle.stiffener = CatalogueAngle{30};
    angle.basis = DesignBasis::Current;
    angle.pointLoad = PointLoad{.force = 1.5, .across = 100, .along = 300};
    BayInput bothTicks = flatBar;
    bothTicks.boundary = {.simple = true, .continuous = true};
    bothTicks.thickness = ThicknessOf(5.2);  // not in the list: typed into its field
    for (const BayInput& bay : {flatBar, angle, bothTicks, flatBar}) {
        StartedForm started;
        started.form.Fill(angle);  // another bay first: every input must change
        started.form.Fill(bay);
        EXPECT_EQ(started.form.ReadBay(), bay) << StiffenerName(bay.stiffener);
    }
}

}  // namespace
}  // namespace deckplate::form
