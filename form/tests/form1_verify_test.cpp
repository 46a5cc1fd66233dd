// The Verify command: results, colours, captions, what a fault part-way leaves on show, and the
// report button that follows the last complete run.
#include <functional>

#include "form/tests/form1_fixture.h"

namespace deckplate::form {
namespace {

constexpr Control kSectionLabels[] = {Label30, Label32, Label34, Label36, Label37, Label31,
                                      Label33, Label35, Label40, Label38, Label39};

TEST_F(Form1Test, FlatBarBayShowsTheCommandLinesValues) {
    EnterFlatBarBay();
    Click(Command1);
    EXPECT_TRUE(platform.errors.empty());
    const std::pair<Control, const char*> texts[] = {{Text6, " .12"},
                                                     {Text7, " .6"},
                                                     {Text8, " 17.36"},
                                                     {Text10, " 1"},
                                                     {Text11, " 1.39"},
                                                     {Text12, " 51.34"},
                                                     {Label31, " 4"},
                                                     {Label33, " 34.13"},
                                                     {Label35, " 6.4"},
                                                     {Label38, " 1.9"},
                                                     {Label39, " 108.76"},
                                                     {Label41, " .6"},
                                                     {Label13, "钢铺板挠度满足要求"},
                                                     {Label14, "钢铺板强度满足要求"},
                                                     {Label20, "加劲肋挠度满足要求"},
                                                     {Label21, "加劲肋强度满足要求"},
                                                     {Label34, "扁钢形心与短肢边距(cm)"},
                                                     {Label30, "扁钢强轴惯性矩(cm4)"},
                                                     {Label32, "扁钢截面面积(cm2)"}};
    for (const auto& [control, text] : texts) EXPECT_EQ(Text(control), text) << Row(control).name;
    for (Control c : {Label28, Label29, Label13, Label14, Label20, Label21, Label41})
        EXPECT_TRUE(form.State(c).visible) << Row(c).name;
    for (Control c : kSectionLabels) EXPECT_TRUE(form.State(c).visible) << Row(c).name;
    EXPECT_EQ(form.Variables().AstiffenerE, 6.4);
    EXPECT_EQ(form.Variables().IStiffenerE, 34.13);
    EXPECT_EQ(form.Variables().Alpha, 0.125);
    EXPECT_EQ(form.Variables().Beta, 0.1422);
    EXPECT_TRUE(form.State(Command3).enabled);
    for (Control c : {Text7, Text8, Text11, Text12}) EXPECT_EQ(form.State(c).ink, Ink::Default);
}

TEST_F(Form1Test, ExceededResultsTurnBlueAndBack) {
    EnterAngleBay();
    Pick(Combo2, 0);  // L25x16x3: stiffener stress 337.63, ratio 129.5
    Click(Command1);
    EXPECT_EQ(Text(Text12), " 337.63");
    EXPECT_EQ(form.State(Text12).ink, Ink::Blue);
    EXPECT_EQ(form.State(Text11).ink, Ink::Blue);
    EXPECT_EQ(form.State(Text8).ink, Ink::Default);
    EXPECT_EQ(form.State(Text7).ink, Ink::Default);
    EXPECT_EQ(Text(Label21), "★加劲肋强度超出限值<215N/mm2>,须重新计算");
    EXPECT_EQ(Text(Label20), "★加劲肋挠度1/ 129.5超出限值<1/200>，须重新计算");

    Pick(Combo2, 30);  // L90x56x6 carries it
    Click(Command1);
    EXPECT_EQ(form.State(Text12).ink, Ink::Default);
    EXPECT_EQ(form.State(Text11).ink, Ink::Default);
    EXPECT_EQ(Text(Label21), "加劲肋强度满足要求");

    Pick(Combo1, 0);  // 2.5 mm plate: plate deflection exceeded
    Click(Command1);
    EXPECT_EQ(form.State(Text7).ink, Ink::Blue);
    EXPECT_TRUE(Text(Label13).starts_with("★平台铺板挠度1/"));
}

TEST_F(Form1Test, AngleNeverPickedIsABarePlateStrip) {
    EnterAngleBay();
    Click(Command1);
    EXPECT_TRUE(platform.errors.empty());
    EXPECT_EQ(Text(Label31), " 0");
    EXPECT_EQ(Text(Label35), " 0");
    EXPECT_EQ(Text(Label38), " .3");
    EXPECT_TRUE(form.State(Command3).enabled);
}

TEST_F(Form1Test, BoundaryBoxesDecideCoefficients) {
    struct {
        const char* name;
        bool check1, check2;
        double alpha, beta;
    } cases[] = {
        {"four edges", true, false, 0.125, 0.1422},
        {"both ticked: continuous", true, true, 0.1, 0.11},
        {"continuous", false, true, 0.1, 0.11},
        {"neither: four edges", false, false, 0.125, 0.1422},
    };
    EnterFlatBarBay();
    for (const auto& c : cases) {
        Tick(Check1, c.check1);
        Tick(Check2, c.check2);
        Click(Command1);
        EXPECT_EQ(form.Variables().Alpha, c.alpha) << c.name;
        EXPECT_EQ(form.Variables().Beta, c.beta) << c.name;
    }
}

TEST_F(Form1Test, FlatBarCaptionsStayUntilAnAnglePick) {
    EnterFlatBarBay();
    Click(Command1);
    Click(Option2);
    Click(Command1);
    EXPECT_EQ(Text(Label34), "扁钢形心与短肢边距(cm)");
    Pick(Combo2, 13);
    EXPECT_EQ(Text(Label34), "角钢形心与短肢边距(cm)");
    Click(Command1);
    EXPECT_EQ(Text(Label31), " 2.04");
}

TEST_F(Form1Test, AngleVerifyKeepsFlatBarStore) {
    EnterFlatBarBay();
    Click(Command1);
    Click(Option2);
    Pick(Combo2, 20);
    Click(Command1);
    EXPECT_EQ(form.Variables().AstiffenerE, 6.4);
    EXPECT_EQ(form.Variables().IStiffenerE, 34.13);
}

TEST_F(Form1Test, AnyThicknessIsComputedAsEntered) {
    // No whole-number limit on the thickness: 4.5 is 4.5 mm, and a 1100 mm slab computes.
    EnterFlatBarBay();
    Pick(Combo1, 3);
    Click(Command1);
    EXPECT_EQ(Text(Text8), " 30.86");  // 6000 · .125 / (1.2 · 4.5²)
    Type(Combo1, "1100");
    Click(Command1);
    EXPECT_TRUE(platform.errors.empty());
    EXPECT_EQ(Text(Text8), " 0");
}

// Each row: what is typed, what the run says, and that it wrote nothing and kept the inputs.
TEST_F(Form1Test, RunThatStopsBeforeAnyResultWritesNothing) {
    struct {
        const char* name;
        Control box;
        const char* text;
        bool continuous;
        const char* error;
    } cases[] = {
        {"thickness beyond number range", Combo1, "1e999", false, "溢出"},
        {"thickness 0", Combo1, "", false, "除数为零"},
        {"thickness not a number", Combo1, "abc", true, "铺板厚度“abc”不是数字。"},
        {"thickness with letters after it", Combo1, "8.0inf", false, "铺板厚度“8.0inf”不是数字"},
        {"decimal comma", Text2, " 1,5 ", false, "活荷载“1,5”不是数字。请改正后再验算。"},
        {"flat bar height nan", Text9, "nan", false, "扁钢高“nan”不是数字"},
        {"flat bar height 0", Text9, "0", false, "扁钢高不能为零"},
        {"flat bar thickness 0", Text13, " 0.0", false, "扁钢厚不能为零"},
        {"spacing 0, four edges", Text5, "0", false, "除数为零"},
        {"negative dead load", Text1, "-1", false, "静荷载不能为负数"},
        {"negative live load", Text2, "-0.5", false, "活荷载不能为负数"},
        {"negative thickness", Combo1, "-6", false, "铺板厚度不能为负数"},
        {"negative span", Text4, "-2000", false, "加劲肋跨度不能为负数"},
        {"negative spacing", Text5, "-500", true, "加劲肋间距不能为负数"},
        {"negative flat bar height", Text9, "-80", false, "扁钢高不能为负数"},
        {"negative flat bar thickness", Text13, "-8", false, "扁钢厚不能为负数"},
    };
    for (const auto& c : cases) {
        StartedForm row;
        auto& [fake, model] = row;
        form::EnterFlatBarBay(model);
        if (c.continuous) model.Clicked(Check2);
        if (c.continuous) model.Clicked(Check1);
        model.TextEdited(c.box, c.text);
        fake.messages.clear();
        model.Clicked(Command1);
        ASSERT_EQ(fake.errors.size(), 1u) << c.name;
        EXPECT_NE(fake.errors.front().find(c.error), std::string::npos) << fake.errors.front();
        for (Control box : {Text6, Text7, Text8, Text10, Text11, Text12})
            EXPECT_EQ(model.State(box).text, " ") << c.name;
        EXPECT_EQ(model.State(Label13).text, " ") << c.name;
        EXPECT_FALSE(model.State(Label41).visible) << c.name;
        EXPECT_FALSE(model.State(Command3).enabled) << c.name;
        EXPECT_EQ(model.State(c.box).text, c.text) << c.name;  // kept for correction
        EXPECT_EQ(model.State(Text9).text, c.box == Text9 ? c.text : "80") << c.name;
    }
}

TEST_F(Form1Test, ZeroLoadsStopAtPlateDeflectionVerdict) {
    EnterFlatBarBay();
    Type(Text1, " ");
    Type(Text2, " ");
    Click(Command1);
    ASSERT_EQ(platform.errors.size(), 1u);
    EXPECT_NE(platform.errors.front().find("除数为零"), std::string::npos);
    EXPECT_NE(platform.errors.front().find("钢铺板挠度"), std::string::npos);
    // Numbers, section values and both strength verdicts are on show.
    EXPECT_EQ(Text(Text8), " 0");
    EXPECT_EQ(Text(Text12), " 0");
    EXPECT_EQ(Text(Label39), " 108.76");
    EXPECT_EQ(Text(Label41), " .6");
    EXPECT_EQ(Text(Label14), "钢铺板强度满足要求");
    EXPECT_EQ(Text(Label21), "加劲肋强度满足要求");
    EXPECT_EQ(form.Variables().AstiffenerE, 6.4);
    // The deflection lines are not: Label13 keeps the stress caption, Label20 shows nothing.
    EXPECT_EQ(Text(Label13), "铺板强度σ= 0N/mm2");
    EXPECT_EQ(Text(Label20), " ");
    EXPECT_TRUE(form.State(Label13).visible);
    for (Control c : {Label30, Label36, Label37, Label40})
        EXPECT_FALSE(form.State(c).visible) << Row(c).name;
    EXPECT_FALSE(form.State(Command3).enabled);
}

TEST_F(Form1Test, ZeroSpacingContinuousStopsAtSelfWeight) {
    for (const bool flatBar : {true, false}) {
        StartedForm row;
        auto& [fake, model] = row;
        form::EnterFlatBarBay(model);
        model.TextEdited(Text5, "0");
        if (!flatBar) {
            model.Clicked(Option2);
            model.ListPicked(Combo2, 0);  // writes Label31 " .86"
        }
        model.Clicked(Check1);
        model.Clicked(Check2);
        model.Clicked(Command1);
        ASSERT_EQ(fake.errors.size(), 1u);
        EXPECT_NE(fake.errors.front().find("铺板及加劲肋自重"), std::string::npos);
        EXPECT_EQ(model.State(Text6).text, " 0");
        EXPECT_EQ(model.State(Label13).text, "铺板强度σ= 0N/mm2");
        EXPECT_EQ(model.State(Text10).text, " 0");
        EXPECT_TRUE(model.State(Label41).visible);
        EXPECT_EQ(model.State(Label41).text, "");
        if (flatBar) {
            // A strip no wider than the spacing of 0: the flat bar's own 34.13 cm⁴.
            EXPECT_EQ(model.State(Label39).text, " 34.13");
            EXPECT_EQ(model.State(Label34).text, "扁钢形心与短肢边距(cm)");
            EXPECT_EQ(model.Variables().AstiffenerE, 0.0);  // not stored: the run stopped before
        } else {
            EXPECT_EQ(model.State(Label31).text, " .86");  // the pick's, not Verify's
            EXPECT_EQ(model.State(Label39).text, " ");
        }
        EXPECT_FALSE(model.State(Label14).visible);
    }
}

TEST_F(Form1Test, DeflectionLimitBoxPlaysNoPart) {
    EnterFlatBarBay();
    form.TextEdited(Text3, "10");  // disabled: typing cannot reach it
    Click(Command1);
    EXPECT_EQ(Text(Text3), "150");
    EXPECT_EQ(Text(Label13), "钢铺板挠度满足要求");
}

// The report button is enabled only while the window shows what the last complete Verify
// computed from the inputs on show.
TEST_F(Form1Test, ReportButtonFollowsTheLastCompleteRun) {
    struct {
        const char* name;
        std::function<void(Form1Test&)> change;
    } cases[] = {
        {"a fault part-way",
         [](Form1Test& t) {
             t.Type(Text5, "0");
             t.Click(Command1);
         }},
        {"a load edited", [](Form1Test& t) { t.Type(Text1, "100"); }},
        {"a thickness picked", [](Form1Test& t) { t.Pick(Combo1, 0); }},
        {"a thickness typed", [](Form1Test& t) { t.Type(Combo1, "8.0"); }},
        {"a flat bar edited", [](Form1Test& t) { t.Type(Text9, "100"); }},
        {"a boundary box clicked", [](Form1Test& t) { t.Click(Check2); }},
        {"the stiffener type switched", [](Form1Test& t) { t.Click(Option2); }},
        {"an angle picked", [](Form1Test& t) { t.Pick(Combo2, 3); }},
        {"a result box overtyped", [](Form1Test& t) { t.Type(Text8, "1"); }},
        {"the point load switched on",
         [](Form1Test& t) { t.form.MenuChosen(MenuItem::PointLoad); }},
        // The group is on from the row above.
        {"a point load edited", [](Form1Test& t) { t.Type(Text14, "2"); }},
    };
    for (const auto& c : cases) {
        EnterFlatBarBay();
        Click(Command1);
        ASSERT_TRUE(form.State(Command3).enabled) << c.name;
        c.change(*this);
        EXPECT_FALSE(form.State(Command3).enabled) << c.name;
        EXPECT_FALSE(form.State(MenuItem::ExportBook).enabled) << c.name;  // the same rule
        const std::size_t writes = platform.writes.size();
        Click(Command3);  // disabled: no report from a window whose inputs and results differ
        EXPECT_EQ(platform.writes.size(), writes) << c.name;
        form.Clicked(Option1);
        Type(Text5, "500");
        Click(Command1);
        EXPECT_TRUE(form.State(Command3).enabled) << c.name;
    }
}

TEST_F(Form1Test, ReportIsWrittenBeforeTheViewerStarts) {
    EnterFlatBarBay();
    Click(Command1);
    Click(Command3);
    EXPECT_EQ(platform.calls,
              (std::vector<std::string>{"write d:\\WExo.txt", "open d:\\WExo.txt"}));
    ASSERT_EQ(platform.writes.size(), 1u);
    EXPECT_EQ(platform.writes.front().encoding, os::TextEncoding::Gbk);
    // Ending in the stiffener strength verdict, with no line end.
    EXPECT_TRUE(platform.writes.front().text.ends_with("\r\n提示：加劲肋强度满足要求"));
    EXPECT_NE(platform.writes.front().text.find("平台恒荷载(Kn/m2)：1\r\n"), std::string::npos);
    EXPECT_TRUE(platform.errors.empty());

    platform.openFailure = "no viewer";
    Click(Command3);
    EXPECT_EQ(platform.writes.size(), 2u);
    ASSERT_EQ(platform.errors.size(), 1u);
    EXPECT_NE(platform.errors.front().find("no viewer"), std::string::npos);
}

// No drive D: (or no room on it): the message, then the same report where the user chooses.
TEST_F(Form1Test, ReportThatCannotBeWrittenCanBeSavedElsewhere) {
    struct {
        const char* name;
        std::string choice;
        bool choiceWritable;
        std::vector<std::string> calls;
        std::size_t errors;
    } cases[] = {
        {"saved elsewhere",
         "C:\\Users\\me\\Documents\\WExo.txt",
         true,
         {"write d:\\WExo.txt", "choose WExo.txt", "write C:\\Users\\me\\Documents\\WExo.txt",
          "open C:\\Users\\me\\Documents\\WExo.txt"},
         1},
        {"dialog cancelled", "", true, {"write d:\\WExo.txt", "choose WExo.txt"}, 1},
        {"chosen place fails too",
         "e:\\WExo.txt",
         false,
         {"write d:\\WExo.txt", "choose WExo.txt", "write e:\\WExo.txt"},
         2},
    };
    for (const auto& c : cases) {
        FakePlatform fake;
        fake.unwritable = {"d:\\WExo.txt"};
        if (!c.choiceWritable) fake.unwritable.insert(c.choice);
        fake.saveChoice = c.choice;
        Form1 model(fake);
        model.Form_Load();
        form::EnterAngleBay(model);
        model.Clicked(Command1);
        model.Clicked(Command3);
        EXPECT_EQ(fake.calls, c.calls) << c.name;
        ASSERT_EQ(fake.errors.size(), c.errors) << c.name;
        EXPECT_TRUE(fake.errors.front().starts_with("计算书未能保存。\n无法写入 d:\\WExo.txt："))
            << fake.errors.front();
        EXPECT_TRUE(fake.errors.front().ends_with("请另选位置保存。")) << c.name;
        if (c.calls.size() == 4) {
            EXPECT_EQ(fake.writes.front().path, c.choice) << c.name;
        }
    }
}

// 文件 → 导出计算书…: the last complete Verify's book, where the user chooses, in the browser.
TEST_F(Form1Test, CalculationBookIsExportedAfterACompleteVerify) {
    EXPECT_FALSE(form.State(MenuItem::ExportBook).enabled);
    form.MenuChosen(MenuItem::ExportBook);  // disabled: nothing to export yet
    EXPECT_TRUE(platform.calls.empty());

    EnterAngleBay();
    Pick(Combo2, 13);  // L63x40x4
    Click(Command1);
    ASSERT_TRUE(form.State(MenuItem::ExportBook).enabled);
    platform.saveChoice = "/home/me/书.html";
    form.MenuChosen(MenuItem::ExportBook);
    EXPECT_EQ(platform.calls,
              (std::vector<std::string>{"choose 钢平台计算书.html", "write /home/me/书.html",
                                        "browse /home/me/书.html"}));
    ASSERT_EQ(platform.writes.size(), 1u);
    const FakePlatform::Write& book = platform.writes.front();
    EXPECT_EQ(book.encoding, os::TextEncoding::Utf8);
    EXPECT_NE(book.text.find("钢平台铺板及加劲肋计算书"), std::string::npos);
    EXPECT_NE(book.text.find("L63x40x4"), std::string::npos);
    EXPECT_NE(book.text.find(Text(Text12)), std::string::npos);  // the window's own stress

    platform.saveChoice.clear();  // the dialog cancelled: nothing written
    form.MenuChosen(MenuItem::ExportBook);
    EXPECT_EQ(platform.writes.size(), 1u);

    // A place that cannot be written (a read-only file): said, and the dialog offered again.
    platform.saveChoice = "/home/me/只读.html";
    platform.unwritable.insert(platform.saveChoice);
    platform.calls.clear();
    form.MenuChosen(MenuItem::ExportBook);
    ASSERT_EQ(platform.errors.size(), 2u);  // the place chosen again fails too
    EXPECT_NE(platform.errors.front().find("计算书未能导出。"), std::string::npos);
    EXPECT_NE(platform.errors.front().find("请另选位置保存。"), std::string::npos);
    EXPECT_EQ(platform.calls,
              (std::vector<std::string>{"choose 钢平台计算书.html", "write /home/me/只读.html",
                                        "choose 钢平台计算书.html", "write /home/me/只读.html"}));
}

}  // namespace
}  // namespace deckplate::form
