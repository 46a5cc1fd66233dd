// 设置 → 集中荷载验算: the group it shows, the point load it adds to Verify, the inputs it refuses,
// and the report button it holds back.
#include "form/tests/form1_fixture.h"

namespace deckplate::form {
namespace {

// The lightest deck the uniform check passes for D = 1, P = 2, span 2000, spacing 500 under the
// current basis: plate "4.0" on L50x32x3, which the point load of 1.5 kN on 200 × 200 fails.
void EnterLightDeck(Form1& form) {
    form.MenuChosen(MenuItem::BasisCurrent);
    form.TextEdited(DeadLoad, "1");
    form.TextEdited(LiveLoad, "2");
    form.ListPicked(Thickness, 2);
    form.TextEdited(Span, "2000");
    form.TextEdited(Spacing, "500");
    form.ListPicked(AngleSize, 8);
}

TEST_F(Form1Test, PointLoadMenuItemShowsTheGroup) {
    EXPECT_FALSE(form.PointLoadShown());  // off by default
    EnterFlatBarBay();
    Click(VerifyButton);

    form.MenuChosen(MenuItem::PointLoad);
    EXPECT_TRUE(form.State(MenuItem::PointLoad).checked);
    for (Control c : {PointLoadFrame, PointLoadForceCaption, PointLoadForce, PatchAcross,
                      PatchAlong, PatchSidesCaption, PointLoadPlateDeflection,
                      PointLoadStiffenerStress, PointLoadStiffenerStressUnit})
        EXPECT_TRUE(form.State(c).visible) << Row(c).name;
    // Until a Verify writes them; the stiffener's shear until the current basis is chosen.
    for (Control c : {PointLoadHintHeading, PointLoadPlateDeflectionVerdict,
                      PointLoadStiffenerStrengthVerdict, PointLoadShearCaption, PointLoadShear})
        EXPECT_FALSE(form.State(c).visible) << Row(c).name;
    EXPECT_FALSE(form.State(ReportButton).enabled);
    EXPECT_EQ(platform.settings["point_load"], "on");

    Form1 nextRun(platform);
    nextRun.Form_Load();
    EXPECT_TRUE(nextRun.PointLoadShown());
    EXPECT_TRUE(nextRun.State(PatchAcross).visible);
    nextRun.MenuChosen(MenuItem::PointLoad);
    for (const ControlRow& row : ControlTable()) {
        if (row.id != PointLoadFrame && row.container != PointLoadFrame) continue;
        EXPECT_FALSE(nextRun.State(row.id).visible) << row.name;
    }
    EXPECT_EQ(platform.settings["point_load"], "off");
    EXPECT_EQ(ClientWidthTwips(nextRun.Layout()), kClientWidthTwips);
    EXPECT_EQ(ClientHeightTwips(nextRun.Layout()), kClientHeightTwips);
}

TEST_F(Form1Test, PointLoadVerifyFillsTheGroup) {
    EnterLightDeck(form);
    form.MenuChosen(MenuItem::PointLoad);
    Click(VerifyButton);
    EXPECT_TRUE(platform.errors.empty());
    const struct {
        Control box;
        const char* text;
        bool exceeded;
        Control verdict;
        const char* verdictText;
    } results[] = {
        // D with the self-weight 0.0785 × (4 + 243.1/500) = 0.352 kN/m²: 1.352. The plate: δ =
        // 0.91 of the dead load (β = 0.1422) + 4.53 of the force (the patch's elastic centre
        // deflection) = 5.44 mm against min(500/200, 4) = 2.5; σ = 6000 × (0.055 + 0.415)/(1.2
        // × 4²) = 146.87. The stiffener (Yo = 14.10 mm, Ix = 272178 mm⁴, γx = 1.0 since a = 500
        // > 26·t = 104 mm): Ms = 1.3 × 1.352 × 0.5 × 2000²/8 + 1.5 × 1.5 × 1000 × 2000/4 =
        // 1564454 N·mm, σ = (4 + 50 − 14.10) × 1564454/272178 = 229.32 at the short leg;
        // δ = 6.97 mm, L/δ = 286.9 above 250.
        {PointLoadPlateDeflection, " 5.44", true, PointLoadPlateDeflectionVerdict,
         "★钢铺板集中荷载挠度 5.44mm超出限值< 2.5mm>,须重新计算"},
        {PointLoadPlateStress, " 146.87", false, PointLoadPlateStrengthVerdict,
         "钢铺板集中荷载强度满足要求"},
        {PointLoadStiffenerDeflection, " 6.97", false, PointLoadStiffenerDeflectionVerdict,
         "加劲肋集中荷载挠度满足要求"},
        {PointLoadStiffenerStress, " 229.32", true, PointLoadStiffenerStrengthVerdict,
         "★加劲肋集中荷载强度超出限值<215N/mm2>,须重新计算"},
    };
    for (const auto& r : results) {
        EXPECT_EQ(Text(r.box), r.text) << Row(r.box).name;
        EXPECT_EQ(form.State(r.box).ink, r.exceeded ? Ink::Blue : Ink::Default) << Row(r.box).name;
        EXPECT_EQ(Text(r.verdict), r.verdictText) << Row(r.verdict).name;
        EXPECT_TRUE(form.State(r.verdict).visible) << Row(r.verdict).name;
    }
    EXPECT_TRUE(form.State(PointLoadHintHeading).visible);
    // The uniform check passes: only the point load fails this deck.
    EXPECT_EQ(Text(StiffenerStrengthVerdict), "加劲肋强度满足要求");

    Click(ReportButton);
    ASSERT_EQ(platform.writes.size(), 1u);
    // V = 1.3 × 1.352 × 0.5 + 1.5 × 1.5 = 3.129 kN at the support; S = 5728 mm³ below Yo, the
    // leg 3 mm: τ = 3128.9 × 5728/(272178 × 3) = 21.95. The weld, 3 mm both sides (Table 11.3.5
    // for the 4 mm plate): v = 3128.9 × 5809/272178 = 66.78 N/mm with Sp = 480 × (14.10 − 2),
    // τf = 66.78/(2 × 0.7 × 3) = 15.9.
    EXPECT_TRUE(platform.writes.front().text.ends_with(
        "\r\n加劲肋集中荷载应力(N/mm2)： σ= 229.32\r\n"
        "提示：★加劲肋集中荷载强度超出限值<215N/mm2>,须重新计算\r\n"
        "加劲肋集中荷载剪应力(N/mm2)： τ= 21.95\r\n提示：加劲肋集中荷载抗剪满足要求\r\n"
        "焊缝集中荷载剪应力(N/mm2)： τf= 15.9\r\n提示：焊缝集中荷载强度满足要求"));

    // A force that overflows the stiffener's deflection: the plate's new stress stays on show,
    // but no verdict of the earlier run stands beside it.
    Type(PointLoadForce, "1e300");
    Click(VerifyButton);
    ASSERT_EQ(platform.errors.size(), 1u);
    EXPECT_NE(Text(PointLoadPlateStress), " 146.87");
    for (const auto& r : results) {
        EXPECT_EQ(Text(r.verdict), " ") << Row(r.verdict).name;
        EXPECT_EQ(form.State(r.box).ink, Ink::Default) << Row(r.box).name;
    }

    // A patch larger than the 500 × 2000 panel acts cut to it: the report says so.
    Type(PointLoadForce, "1.5");
    Type(PatchAcross, "100000");
    Type(PatchAlong, "100000");
    Click(VerifyButton);
    Click(ReportButton);
    ASSERT_EQ(platform.writes.size(), 2u);
    EXPECT_NE(platform.writes.back().text.find("\r\n作用面大于区格 a × L，截取为 500 × 2000 mm"),
              std::string::npos);
}

TEST_F(Form1Test, PointLoadInputsAreRefusedAsTheOthers) {
    struct {
        const char* name;
        Control box;
        const char* text;
        const char* error;
    } cases[] = {
        {"negative force", PointLoadForce, "-1.5", "集中荷载不能为负数"},
        {"patch of no width", PatchAcross, "0", "作用面垂直加劲肋边长不能为零"},
        {"patch length not a number", PatchAlong, "200mm", "作用面沿加劲肋边长“200mm”不是数字"},
        {"patch thinner than the plate", PatchAcross, "3.9", "作用面每边不能小于铺板厚度 4 mm"},
    };
    for (const auto& c : cases) {
        StartedForm row;
        auto& [fake, model] = row;
        EnterLightDeck(model);
        model.MenuChosen(MenuItem::PointLoad);
        model.TextEdited(c.box, c.text);
        model.Clicked(VerifyButton);
        ASSERT_EQ(fake.errors.size(), 1u) << c.name;
        EXPECT_NE(fake.errors.front().find(c.error), std::string::npos) << fake.errors.front();
        EXPECT_EQ(model.State(PlateMoment).text, " ") << c.name;
        EXPECT_EQ(model.State(PointLoadPlateDeflection).text, " ") << c.name;
    }
}

}  // namespace
}  // namespace deckplate::form
