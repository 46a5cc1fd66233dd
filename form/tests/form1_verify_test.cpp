// The Verify command: results, colours, captions, what a fault part-way leaves on show, and the
// report button that follows the last complete run.
#include <filesystem>
#include <functional>

#include "form/project_info_dialog.h"
#include "form/tests/form1_fixture.h"
#include "os/paths.h"
#include "os/today.h"

namespace deckplate::form {
namespace {

constexpr Control kSectionLabels[] = {
    SectionInertiaCaption,   SectionAreaCaption, SectionCentroidCaption, CompositeCentroidCaption,
    CompositeInertiaCaption, SectionCentroid,    SectionInertia,         SectionArea,
    SelfWeightCaption,       CompositeCentroid,  CompositeInertia};

TEST_F(Form1Test, FlatBarBayShowsTheCommandLinesValues) {
    EnterFlatBarBay();
    Click(VerifyButton);
    EXPECT_TRUE(platform.errors.empty());
    const std::pair<Control, const char*> texts[] = {
        {PlateMoment, " .12"},
        {PlateDeflection, " .6"},
        {PlateStress, " 17.36"},
        {StiffenerMoment, " 1"},
        {StiffenerDeflection, " 1.39"},
        {StiffenerStress, " 51.34"},
        {SectionCentroid, " 4"},
        {SectionInertia, " 34.13"},
        {SectionArea, " 6.4"},
        {CompositeCentroid, " 1.9"},
        {CompositeInertia, " 108.76"},
        {SelfWeight, " .6"},
        {PlateDeflectionVerdict, "钢铺板挠度满足要求"},
        {PlateStrengthVerdict, "钢铺板强度满足要求"},
        {StiffenerDeflectionVerdict, "加劲肋挠度满足要求"},
        {StiffenerStrengthVerdict, "加劲肋强度满足要求"},
        {SectionCentroidCaption, "扁钢形心与短肢边距(cm)"},
        {SectionInertiaCaption, "扁钢强轴惯性矩(cm4)"},
        {SectionAreaCaption, "扁钢截面面积(cm2)"}};
    for (const auto& [control, text] : texts) EXPECT_EQ(Text(control), text) << Row(control).name;
    for (Control c :
         {PlateHintHeading, StiffenerHintHeading, PlateDeflectionVerdict, PlateStrengthVerdict,
          StiffenerDeflectionVerdict, StiffenerStrengthVerdict, SelfWeight})
        EXPECT_TRUE(form.State(c).visible) << Row(c).name;
    for (Control c : kSectionLabels) EXPECT_TRUE(form.State(c).visible) << Row(c).name;
    EXPECT_EQ(form.Variables().AstiffenerE, 6.4);
    EXPECT_EQ(form.Variables().IStiffenerE, 34.13);
    EXPECT_EQ(form.Variables().Alpha, 0.125);
    EXPECT_EQ(form.Variables().Beta, 0.1422);
    EXPECT_TRUE(form.State(ReportButton).enabled);
    for (Control c : {PlateDeflection, PlateStress, StiffenerDeflection, StiffenerStress})
        EXPECT_EQ(form.State(c).ink, Ink::Default);
}

// What could be built but looks mistyped is computed and then said in a message; stiffeners
// closer than they are wide are refused before anything is computed.
TEST(Form1Cautions, MistypedLookingInputsAreSaidAndImpossibleOnesRefused) {
    const struct {
        const char* name;
        Control box;
        const char* text;
        const char* message;  ///< after 验算, or empty
        const char* error;    ///< refused, or empty
    } cases[] = {
        {"span in metres", Span, "1.8",
         "请核对输入：\n加劲肋跨度 1.8 mm 似为按米输入，本程序以 mm 计。", ""},
        {"flat bar swapped", FlatBarHeight, "6",
         "请核对输入：\n加劲肋规格 扁钢 6x8 的厚度大于高度，高与厚是否写反（应为 高x厚）。", ""},
        {"spacing within the flat bar", Spacing, "8", "",
         "加劲肋间距 8 mm 不大于加劲肋本身的宽度 8 mm，加劲肋无法布置（间距以 mm 计，为中心距）。"},
        {"nothing mistyped", Span, "2000", "", ""},
    };
    for (const auto& c : cases) {
        StartedForm row;
        auto& [fake, model] = row;
        EnterFlatBarBay(model);
        model.TextEdited(c.box, c.text);
        model.Clicked(VerifyButton);
        EXPECT_EQ(fake.messages, std::string(c.message).empty()
                                     ? std::vector<std::string>{}
                                     : std::vector<std::string>{c.message})
            << c.name;
        ASSERT_EQ(fake.errors.size(), std::string(c.error).empty() ? 0u : 1u) << c.name;
        if (!fake.errors.empty()) {
            EXPECT_EQ(fake.errors.front().rfind(c.error, 0), 0u) << fake.errors.front();
        }
        EXPECT_EQ(model.State(PlateStress).text == " ", !std::string(c.error).empty()) << c.name;
    }
}

TEST_F(Form1Test, ExceededResultsTurnBlueAndBack) {
    EnterAngleBay();
    Pick(AngleSize, 0);  // L25x16x3: stiffener stress 337.63, ratio 129.5
    Click(VerifyButton);
    EXPECT_EQ(Text(StiffenerStress), " 337.63");
    EXPECT_EQ(form.State(StiffenerStress).ink, Ink::Blue);
    EXPECT_EQ(form.State(StiffenerDeflection).ink, Ink::Blue);
    EXPECT_EQ(form.State(PlateStress).ink, Ink::Default);
    EXPECT_EQ(form.State(PlateDeflection).ink, Ink::Default);
    EXPECT_EQ(Text(StiffenerStrengthVerdict), "★加劲肋强度超出限值<215N/mm2>,须重新计算");
    EXPECT_EQ(Text(StiffenerDeflectionVerdict), "★加劲肋挠度1/ 129.5超出限值<1/200>，须重新计算");

    Pick(AngleSize, 30);  // L90x56x6 carries it
    Click(VerifyButton);
    EXPECT_EQ(form.State(StiffenerStress).ink, Ink::Default);
    EXPECT_EQ(form.State(StiffenerDeflection).ink, Ink::Default);
    EXPECT_EQ(Text(StiffenerStrengthVerdict), "加劲肋强度满足要求");

    Pick(Thickness, 0);  // 2.5 mm plate: plate deflection exceeded
    Click(VerifyButton);
    EXPECT_EQ(form.State(PlateDeflection).ink, Ink::Blue);
    EXPECT_TRUE(Text(PlateDeflectionVerdict).starts_with("★平台铺板挠度1/"));
}

TEST_F(Form1Test, AngleNeverPickedIsABarePlateStrip) {
    EnterAngleBay();
    Click(VerifyButton);
    EXPECT_TRUE(platform.errors.empty());
    EXPECT_EQ(Text(SectionCentroid), " 0");
    EXPECT_EQ(Text(SectionArea), " 0");
    EXPECT_EQ(Text(CompositeCentroid), " .3");
    EXPECT_TRUE(form.State(ReportButton).enabled);
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
        Tick(SimplySupported, c.check1);
        Tick(Continuous, c.check2);
        Click(VerifyButton);
        EXPECT_EQ(form.Variables().Alpha, c.alpha) << c.name;
        EXPECT_EQ(form.Variables().Beta, c.beta) << c.name;
    }
}

TEST_F(Form1Test, FlatBarCaptionsStayUntilAnAnglePick) {
    EnterFlatBarBay();
    Click(VerifyButton);
    Click(AngleChoice);
    Click(VerifyButton);
    EXPECT_EQ(Text(SectionCentroidCaption), "扁钢形心与短肢边距(cm)");
    Pick(AngleSize, 13);
    EXPECT_EQ(Text(SectionCentroidCaption), "角钢形心与短肢边距(cm)");
    Click(VerifyButton);
    EXPECT_EQ(Text(SectionCentroid), " 2.04");
}

TEST_F(Form1Test, AngleVerifyKeepsFlatBarStore) {
    EnterFlatBarBay();
    Click(VerifyButton);
    Click(AngleChoice);
    Pick(AngleSize, 20);
    Click(VerifyButton);
    EXPECT_EQ(form.Variables().AstiffenerE, 6.4);
    EXPECT_EQ(form.Variables().IStiffenerE, 34.13);
}

TEST_F(Form1Test, AnyThicknessIsComputedAsEntered) {
    // No whole-number limit on the thickness: 4.5 is 4.5 mm, and a 1100 mm slab computes.
    EnterFlatBarBay();
    Pick(Thickness, 3);
    Click(VerifyButton);
    EXPECT_EQ(Text(PlateStress), " 30.86");  // 6000 · .125 / (1.2 · 4.5²)
    Type(Thickness, "1100");
    Click(VerifyButton);
    EXPECT_TRUE(platform.errors.empty());
    EXPECT_EQ(Text(PlateStress), " 0");
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
        {"thickness beyond number range", Thickness, "1e999", false, "溢出"},
        {"thickness 0", Thickness, "", false, "除数为零"},
        {"thickness not a number", Thickness, "abc", true, "铺板厚度“abc”不是数字。"},
        {"thickness with letters after it", Thickness, "8.0inf", false, "铺板厚度“8.0inf”不是数字"},
        {"decimal comma", LiveLoad, " 1,5 ", false, "活荷载“1,5”不是数字。请改正后再验算。"},
        {"flat bar height nan", FlatBarHeight, "nan", false, "扁钢高“nan”不是数字"},
        {"flat bar height 0", FlatBarHeight, "0", false, "扁钢高不能为零"},
        {"flat bar thickness 0", FlatBarThickness, " 0.0", false, "扁钢厚不能为零"},
        {"spacing 0, four edges", Spacing, "0", false, "除数为零"},
        {"negative dead load", DeadLoad, "-1", false, "静荷载不能为负数"},
        {"negative live load", LiveLoad, "-0.5", false, "活荷载不能为负数"},
        {"negative thickness", Thickness, "-6", false, "铺板厚度不能为负数"},
        {"negative span", Span, "-2000", false, "加劲肋跨度不能为负数"},
        {"negative spacing", Spacing, "-500", true, "加劲肋间距不能为负数"},
        {"negative flat bar height", FlatBarHeight, "-80", false, "扁钢高不能为负数"},
        {"negative flat bar thickness", FlatBarThickness, "-8", false, "扁钢厚不能为负数"},
    };
    for (const auto& c : cases) {
        StartedForm row;
        auto& [fake, model] = row;
        form::EnterFlatBarBay(model);
        if (c.continuous) model.Clicked(Continuous);
        if (c.continuous) model.Clicked(SimplySupported);
        model.TextEdited(c.box, c.text);
        fake.messages.clear();
        model.Clicked(VerifyButton);
        ASSERT_EQ(fake.errors.size(), 1u) << c.name;
        EXPECT_NE(fake.errors.front().find(c.error), std::string::npos) << fake.errors.front();
        for (Control box : {PlateMoment, PlateDeflection, PlateStress, StiffenerMoment,
                            StiffenerDeflection, StiffenerStress})
            EXPECT_EQ(model.State(box).text, " ") << c.name;
        EXPECT_EQ(model.State(PlateDeflectionVerdict).text, " ") << c.name;
        EXPECT_FALSE(model.State(SelfWeight).visible) << c.name;
        EXPECT_FALSE(model.State(ReportButton).enabled) << c.name;
        EXPECT_EQ(model.State(c.box).text, c.text) << c.name;  // kept for correction
        EXPECT_EQ(model.State(FlatBarHeight).text, c.box == FlatBarHeight ? c.text : "80")
            << c.name;
    }
}

TEST_F(Form1Test, ZeroLoadsStopAtPlateDeflectionVerdict) {
    EnterFlatBarBay();
    Type(DeadLoad, " ");
    Type(LiveLoad, " ");
    Click(VerifyButton);
    ASSERT_EQ(platform.errors.size(), 1u);
    EXPECT_NE(platform.errors.front().find("除数为零"), std::string::npos);
    EXPECT_NE(platform.errors.front().find("钢铺板挠度"), std::string::npos);
    // Numbers, section values and both strength verdicts are on show.
    EXPECT_EQ(Text(PlateStress), " 0");
    EXPECT_EQ(Text(StiffenerStress), " 0");
    EXPECT_EQ(Text(CompositeInertia), " 108.76");
    EXPECT_EQ(Text(SelfWeight), " .6");
    EXPECT_EQ(Text(PlateStrengthVerdict), "钢铺板强度满足要求");
    EXPECT_EQ(Text(StiffenerStrengthVerdict), "加劲肋强度满足要求");
    EXPECT_EQ(form.Variables().AstiffenerE, 6.4);
    // The deflection lines are not: PlateDeflectionVerdict keeps the stress caption,
    // StiffenerDeflectionVerdict shows nothing.
    EXPECT_EQ(Text(PlateDeflectionVerdict), "铺板强度σ= 0N/mm2");
    EXPECT_EQ(Text(StiffenerDeflectionVerdict), " ");
    EXPECT_TRUE(form.State(PlateDeflectionVerdict).visible);
    for (Control c : {SectionInertiaCaption, CompositeCentroidCaption, CompositeInertiaCaption,
                      SelfWeightCaption})
        EXPECT_FALSE(form.State(c).visible) << Row(c).name;
    EXPECT_FALSE(form.State(ReportButton).enabled);
}

TEST_F(Form1Test, ZeroSpacingContinuousStopsAtSelfWeight) {
    for (const bool flatBar : {true, false}) {
        StartedForm row;
        auto& [fake, model] = row;
        form::EnterFlatBarBay(model);
        model.TextEdited(Spacing, "0");
        if (!flatBar) {
            model.Clicked(AngleChoice);
            model.ListPicked(AngleSize, 0);  // writes SectionCentroid " .86"
        }
        model.Clicked(SimplySupported);
        model.Clicked(Continuous);
        model.Clicked(VerifyButton);
        ASSERT_EQ(fake.errors.size(), 1u);
        EXPECT_NE(fake.errors.front().find("铺板及加劲肋自重"), std::string::npos);
        EXPECT_EQ(model.State(PlateMoment).text, " 0");
        EXPECT_EQ(model.State(PlateDeflectionVerdict).text, "铺板强度σ= 0N/mm2");
        EXPECT_EQ(model.State(StiffenerMoment).text, " 0");
        EXPECT_TRUE(model.State(SelfWeight).visible);
        EXPECT_EQ(model.State(SelfWeight).text, "");
        if (flatBar) {
            // A strip no wider than the spacing of 0: the flat bar's own 34.13 cm⁴.
            EXPECT_EQ(model.State(CompositeInertia).text, " 34.13");
            EXPECT_EQ(model.State(SectionCentroidCaption).text, "扁钢形心与短肢边距(cm)");
            EXPECT_EQ(model.Variables().AstiffenerE, 0.0);  // not stored: the run stopped before
        } else {
            EXPECT_EQ(model.State(SectionCentroid).text, " .86");  // the pick's, not Verify's
            EXPECT_EQ(model.State(CompositeInertia).text, " ");
        }
        EXPECT_FALSE(model.State(PlateStrengthVerdict).visible);
    }
}

TEST_F(Form1Test, DeflectionLimitBoxPlaysNoPart) {
    EnterFlatBarBay();
    form.TextEdited(DeflectionLimit, "10");  // disabled: typing cannot reach it
    Click(VerifyButton);
    EXPECT_EQ(Text(DeflectionLimit), "150");
    EXPECT_EQ(Text(PlateDeflectionVerdict), "钢铺板挠度满足要求");
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
             t.Type(Spacing, "0");
             t.Click(VerifyButton);
         }},
        {"a load edited", [](Form1Test& t) { t.Type(DeadLoad, "100"); }},
        {"a thickness picked", [](Form1Test& t) { t.Pick(Thickness, 0); }},
        {"a thickness typed", [](Form1Test& t) { t.Type(Thickness, "8.0"); }},
        {"a flat bar edited", [](Form1Test& t) { t.Type(FlatBarHeight, "100"); }},
        {"a boundary box clicked", [](Form1Test& t) { t.Click(Continuous); }},
        {"the stiffener type switched", [](Form1Test& t) { t.Click(AngleChoice); }},
        {"an angle picked", [](Form1Test& t) { t.Pick(AngleSize, 3); }},
        {"a result box overtyped", [](Form1Test& t) { t.Type(PlateStress, "1"); }},
        {"the point load switched on",
         [](Form1Test& t) { t.form.MenuChosen(MenuItem::PointLoad); }},
        // The group is on from the row above.
        {"a point load edited", [](Form1Test& t) { t.Type(PointLoadForce, "2"); }},
    };
    for (const auto& c : cases) {
        EnterFlatBarBay();
        Click(VerifyButton);
        ASSERT_TRUE(form.State(ReportButton).enabled) << c.name;
        c.change(*this);
        EXPECT_FALSE(form.State(ReportButton).enabled) << c.name;
        EXPECT_FALSE(form.State(MenuItem::ExportBook).enabled) << c.name;  // the same rule
        const std::size_t writes = platform.writes.size();
        Click(ReportButton);  // disabled: no report from a window whose inputs and results differ
        EXPECT_EQ(platform.writes.size(), writes) << c.name;
        form.Clicked(FlatBarChoice);
        Type(Spacing, "500");
        Click(VerifyButton);
        EXPECT_TRUE(form.State(ReportButton).enabled) << c.name;
    }
}

TEST_F(Form1Test, ReportIsWrittenBeforeTheViewerStarts) {
    EnterFlatBarBay();
    Click(VerifyButton);
    Click(ReportButton);
    EXPECT_EQ(platform.calls,
              (std::vector<std::string>{"write d:\\WExo.txt", "open d:\\WExo.txt"}));
    ASSERT_EQ(platform.writes.size(), 1u);
    EXPECT_EQ(platform.writes.front().encoding, os::TextEncoding::Gbk);
    // Ending in the stiffener strength verdict, with no line end.
    EXPECT_TRUE(platform.writes.front().text.ends_with("\r\n提示：加劲肋强度满足要求"));
    EXPECT_NE(platform.writes.front().text.find("平台恒荷载(Kn/m2)：1\r\n"), std::string::npos);
    EXPECT_TRUE(platform.errors.empty());

    platform.openFailure = "no viewer";
    Click(ReportButton);
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
        model.Clicked(VerifyButton);
        model.Clicked(ReportButton);
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
    Pick(AngleSize, 13);  // L63x40x4
    Click(VerifyButton);
    ASSERT_TRUE(form.State(MenuItem::ExportBook).enabled);
    platform.dialogs.push_back([](Dialog& d) {
        d.TextEdited(ProjectInfoControl::Name, "某厂 3# 平台");
        d.Clicked(ProjectInfoControl::Accept);
    });
    form.MenuChosen(MenuItem::ProjectInfo);
    platform.calls.clear();
    platform.saveChoice = "/home/me/书.html";
    form.MenuChosen(MenuItem::ExportBook);
    EXPECT_EQ(platform.calls,
              (std::vector<std::string>{"choose 钢平台计算书.docx *.docx *.html",
                                        "write /home/me/书.html", "browse /home/me/书.html"}));
    ASSERT_EQ(platform.writes.size(), 1u);
    const FakePlatform::Write& book = platform.writes.front();
    EXPECT_EQ(book.encoding, os::TextEncoding::Utf8);
    EXPECT_NE(book.text.find("钢平台铺板及加劲肋计算书"), std::string::npos);
    // The title block states the project, dated the day it is written when 工程信息 gives no date.
    EXPECT_NE(book.text.find("<td colspan=\"3\">某厂 3# 平台</td>"), std::string::npos);
    EXPECT_NE(book.text.find("<th>日期</th><td>" + os::TodayIso() + "</td>"), std::string::npos);
    EXPECT_NE(book.text.find("L63x40x4"), std::string::npos);
    EXPECT_NE(book.text.find(Text(StiffenerStress)), std::string::npos);  // the window's own stress

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
              (std::vector<std::string>{"choose 钢平台计算书.docx *.docx *.html",
                                        "write /home/me/只读.html", "choose 钢平台计算书.html",
                                        "write /home/me/只读.html"}));
}

// Word is the first kind the Save dialog offers; the name chosen decides the format, and a name
// that asks for none is refused with nothing written. A saved bay's book is proposed under the
// bay file's name.
TEST_F(Form1Test, CalculationBookInWordOrRefusedByItsName) {
    EnterAngleBay();
    Pick(AngleSize, 13);  // L63x40x4
    Click(VerifyButton);
    platform.saveChoice = "/home/me/书.docx";
    form.MenuChosen(MenuItem::ExportBook);
    ASSERT_EQ(platform.writes.size(), 1u);
    EXPECT_EQ(platform.writes.front().text.substr(0, 4), "PK\x03\x04");  // a zip package
    EXPECT_NE(platform.writes.front().text.find("word/document.xml"), std::string::npos);

    platform.saveChoice = "/home/me/书.pdf";
    form.MenuChosen(MenuItem::ExportBook);
    EXPECT_EQ(platform.writes.size(), 1u);
    ASSERT_EQ(platform.errors.size(), 1u);
    EXPECT_NE(platform.errors.front().find("须以 .docx（Word 文档）或 .html（网页）结尾"),
              std::string::npos);

    platform.saveChoice = "/home/me/平台A.deckplate";
    form.MenuChosen(MenuItem::SaveAs);
    platform.calls.clear();
    platform.saveChoice.clear();
    form.MenuChosen(MenuItem::ExportBook);
    // Beside the bay file, as the system writes its path (Windows makes it Z:\home\me\…).
    const std::filesystem::path bayFile = os::PathFromUtf8(form.FilePath());
    EXPECT_EQ(platform.calls.front(),
              "choose " + os::Utf8Of(bayFile.parent_path() / os::PathFromUtf8("平台A.docx")) +
                  " *.docx *.html");
    EXPECT_EQ(os::Utf8Of(bayFile.filename()), "平台A.deckplate");
}

}  // namespace
}  // namespace deckplate::form
