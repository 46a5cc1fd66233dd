// 工具 → 自动选型… and 文件 → 批量验算…: the dialogs driven as a user would, against the command
// line's own sizing and schedule runs.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/batch.h"
#include "form/schedule_summary_dialog.h"
#include "form/sizing_dialog.h"
#include "form/tests/form1_fixture.h"
#include "os/paths.h"

namespace deckplate::form {
namespace {

using enum SizingControl;

// What the user does in the sizing dialog: 选型, then, when there is a row to pick, 应用 on it.
void SearchAndApply(Dialog& dialog, int row) {
    dialog.Clicked(Search);
    if (row < static_cast<int>(dialog.State(Candidates).items.size())) {
        dialog.ListPicked(Candidates, row);
        dialog.Clicked(SizingControl::Apply);
    }
}

// The dialog's rows for the first worked bay equal the command line's design ranking, plate 4 mm
// and up, and the design applied fills the window and passes its Verify.
TEST_F(Form1Test, SizingListsTheRankingAndAppliesTheChosenDesign) {
    EnterFlatBarBay();
    std::vector<sizing::Candidate> listed;
    platform.dialogs.push_back([&](Dialog& dialog) {
        dialog.Clicked(Search);
        listed = static_cast<SizingDialog&>(dialog).Listed();
        dialog.DoubleClicked(Candidates, 1);  // 55x4: a flat bar, the second lightest
    });
    form.MenuChosen(MenuItem::Sizing);

    const sizing::DesignResult expected = sizing::Design(
        {.bay = {.dead = 1, .live = 2, .span = 2000}, .spacings = {500}, .leastThickness = 4});
    ASSERT_EQ(listed.size(), 10u);
    for (std::size_t i = 0; i < listed.size(); ++i) {
        EXPECT_EQ(listed[i].thickness, expected.passing[i].thickness) << i;
        EXPECT_EQ(listed[i].stiffener, expected.passing[i].stiffener) << i;
    }
    EXPECT_EQ(listed[1].stiffener, StiffenerChoice(FlatBar{55, 4}));
    EXPECT_EQ(Text(Thickness), "4.0");
    EXPECT_TRUE(form.State(FlatBarChoice).checked);
    EXPECT_EQ(Text(FlatBarHeight), "55");
    EXPECT_EQ(Text(FlatBarThickness), "4");
    EXPECT_EQ(Text(Spacing), "500");
    EXPECT_EQ(Text(PlateStrengthVerdict), "钢铺板强度满足要求");
    EXPECT_EQ(Text(StiffenerStrengthVerdict), "加劲肋强度满足要求");
    EXPECT_TRUE(form.State(ReportButton).enabled);  // the report and the book show that design
}

// Under the current basis the rows carry its nine checks' utilisations: a heading stands over
// each.
TEST_F(Form1Test, SizingHeadsEveryColumnItLists) {
    form.MenuChosen(MenuItem::BasisCurrent);
    EnterFlatBarBay();
    std::string headings, firstRow;
    platform.dialogs.push_back([&](Dialog& dialog) {
        dialog.Clicked(Search);
        headings = dialog.State(Candidates).text;
        firstRow = dialog.State(Candidates).items.at(0);
    });
    form.MenuChosen(MenuItem::Sizing);
    EXPECT_EQ(std::ranges::count(headings, '\t'), std::ranges::count(firstRow, '\t')) << headings;
    EXPECT_TRUE(headings.ends_with("焊缝构造\t控制验算")) << headings;
}

// What the dialog says when nothing passes or every candidate faults, and the window's inputs
// it refuses before it opens.
TEST(Form1Sizing, SaysWhyWhenNoDesignPasses) {
    struct Case {
        const char* name;
        const char* dead;
        const char* span;
        const char* spacing;  // the window's, which the dialog starts from
        std::size_t rows;     // listed
        const char* status;   // in the dialog's status line
        const char* refusal;  // the error, or ""
        bool opens;           // the dialog opens before the error
    };
    const Case cases[] = {
        {"too heavy", "200", "6000", "600", 1, "没有一个通过全部四项验算", "", true},
        {"zero span", "1", "0", "600", 0, "主窗口中可能有为零的输入", "", true},
        {"spacing beyond computing", "1", "1500", "1e308", 0,
         "加劲肋间距“1e308”过大，超出可计算的范围", "", true},
        {"text span", "1", "2 m", "600", 0, "", "加劲肋跨度“2 m”不是数字。请改正后再选型。", false},
        {"overflowing load", "1e999", "1500", "600", 0, "", "运行时错误 '6'：溢出", false},
        {"overflowing spacing", "1", "1500", "1e999", 0, "",
         "加劲肋间距“1e999”超出可计算的范围。请改正后再选型。", true},
    };
    for (const Case& c : cases) {
        StartedForm started;
        EnterAngleBay(started.form);
        started.form.TextEdited(DeadLoad, c.dead);
        started.form.TextEdited(Span, c.span);
        started.form.TextEdited(Spacing, c.spacing);
        std::size_t rows = 99;
        std::string status;
        started.platform.dialogs.push_back([&](Dialog& dialog) {
            SearchAndApply(dialog, 99);
            rows = dialog.State(Candidates).items.size();
            status = dialog.State(SizingControl::Status).text;
        });
        started.form.MenuChosen(MenuItem::Sizing);
        EXPECT_EQ(started.platform.dialogsShown, c.opens ? 1u : 0u) << c.name;
        if (*c.refusal) {
            ASSERT_EQ(started.platform.errors.size(), 1u) << c.name;
            EXPECT_EQ(started.platform.errors[0].rfind(c.refusal, 0), 0u)
                << started.platform.errors[0];
            continue;
        }
        EXPECT_EQ(rows, c.rows) << c.name;
        EXPECT_NE(status.find(c.status), std::string::npos) << c.name << ": " << status;
    }
}

class Form1ScheduleTest : public Form1Test {
  protected:
    void SetUp() override {
        folder =
            std::filesystem::temp_directory_path() /
            ("form1_schedule_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
        std::filesystem::create_directories(folder);
        scheduleFile = folder / os::PathFromUtf8("平台排表.csv");
        std::filesystem::copy_file(DECKPLATE_EXAMPLE_SCHEDULE, scheduleFile,
                                   std::filesystem::copy_options::overwrite_existing);
        platform.openChoice = os::Utf8Of(scheduleFile);
        platform.saveChoice = os::Utf8Of(folder / os::PathFromUtf8("结果.csv"));
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::filesystem::path folder, scheduleFile;
};

// The results are the command line's bytes, written once the run is complete; the summary
// counts the rows and names the erring one; its book is one document beside the schedule, every
// row in its summary, or with 每行一个文件 one book per computed row in the chosen folder.
TEST_F(Form1ScheduleTest, ResultsAreTheCommandLinesBytes) {
    std::string summary;
    const std::string results = platform.saveChoice,
                      book = os::Utf8Of(folder / os::PathFromUtf8("计算书.html"));
    platform.folderChoice = os::Utf8Of(folder / os::PathFromUtf8("计算书"));
    platform.dialogs.push_back([&](Dialog& dialog) {
        summary = dialog.State(SummaryControl::Summary).text;
        dialog.Clicked(SummaryControl::OpenResults);
        platform.saveChoice = book;
        dialog.Clicked(SummaryControl::WriteBooks);
        dialog.Clicked(SummaryControl::OneFilePerRow);
        dialog.Clicked(SummaryControl::WriteBooks);
    });
    form.MenuChosen(MenuItem::Schedule);

    std::ostringstream expected, messages;
    cli::BatchOptions options{.schedule = os::Utf8Of(scheduleFile)};
    options.defaults.Give("--basis", "legacy");  // the window's, as an earlier run chose it
    cli::RunBatch(options, expected, messages);
    ASSERT_EQ(platform.writes.size(), 2u);
    EXPECT_EQ(platform.writes[0].path, results);
    EXPECT_EQ(platform.writes[0].text, expected.str());
    EXPECT_EQ(platform.writes[1].path, book);
    for (const char* part :
         {"<h2 id=\"summary\">汇总</h2>", "Platform A bay 1", "出错：加劲肋间距必须大于 0 mm"})
        EXPECT_NE(platform.writes[1].text.find(part), std::string::npos) << part;
    EXPECT_NE(std::ranges::find(platform.calls,
                                "choose " +
                                    os::Utf8Of(folder / os::PathFromUtf8("平台排表_计算书.docx")) +
                                    " *.docx *.html"),
              platform.calls.end());
    EXPECT_EQ(platform.calls[1],
              "choose " + os::Utf8Of(folder / os::PathFromUtf8("平台排表_结果.csv")));
    EXPECT_NE(summary.find("共 4 行：通过 2 行，超限 1 行，出错 1 行。"), std::string::npos)
        << summary;
    EXPECT_NE(summary.find("\n第 5 行：加劲肋间距必须大于 0 mm，现为 0"), std::string::npos)
        << summary;
    // The defaults the window lent the rows, as an earlier run left its settings: the legacy
    // basis knows no safety class, self-weight or weld.
    EXPECT_NE(summary.find("\n列为空的行取窗口的设置：计算依据 原规范（GB 50009-2012），钢材牌号 "
                           "Q235（GB/T 700-2006），集中荷载 无，作用面 无。"),
              std::string::npos)
        << summary;
    EXPECT_NE(std::ranges::find(platform.calls, "associated " + results), platform.calls.end());
    EXPECT_TRUE(
        std::filesystem::exists(folder / os::PathFromUtf8("计算书") / "Platform A bay 1.docx"));
    EXPECT_TRUE(platform.errors.empty()) << platform.errors.front();
}

// The summary warns, once, of the first line that may not read as the schedule means, and then
// notes, once, a grade given by its former name.
TEST_F(Form1ScheduleTest, SummaryWarnsOfTheFirstLineNotUtf8AndNotesQ345) {
    const std::string gbkRow = "\xb6\xfe\xb2\xe3,1,2,6,2000,500,simple,80x8,Q235\r\n";  // 二层
    std::ofstream(scheduleFile, std::ios::binary)
        << "\xef\xbb\xbfname,dead,live,thickness,span,spacing,boundary,stiffener,steel\r\n"
        << "A,1,2,6,2000,500,simple,80x8,Q345\r\n"
        << gbkRow << gbkRow;
    std::string summary;
    platform.dialogs.push_back(
        [&](Dialog& dialog) { summary = dialog.State(SummaryControl::Summary).text; });
    form.MenuChosen(MenuItem::Schedule);
    const std::string warning =
        "\n注意：排表以 UTF-8 字节顺序标记开头，但第 3 行不是 UTF-8（按 GBK "
        "读作：二层）；其中不是 UTF-8 的字符显示为 \xef\xbf\xbd。";
    const std::string note = "\n注意：Q345 是 GB/T 1591-2018 之前的牌号，按 Q355 计算。";
    const std::size_t warned = summary.find(warning);
    ASSERT_NE(warned, std::string::npos) << summary;
    // The note after the warning, and nothing said twice.
    const std::size_t after = warned + warning.size();
    const std::size_t noted = summary.find(note, after);
    ASSERT_NE(noted, std::string::npos) << summary;
    EXPECT_EQ(summary.substr(after, noted - after).find("注意"), std::string::npos) << summary;
    EXPECT_EQ(summary.find("注意", noted + note.size()), std::string::npos) << summary;
}

// Nothing is written when the user cancels the run or the schedule cannot be read; the message
// names the file and says why.
TEST_F(Form1ScheduleTest, CancelledOrUnreadableLeavesNothing) {
    platform.cancelAfter = 2;
    form.MenuChosen(MenuItem::Schedule);
    EXPECT_TRUE(platform.writes.empty());
    EXPECT_EQ(platform.dialogsShown, 0u);

    std::ofstream(scheduleFile) << "name,dead\nA,1\n";
    form.MenuChosen(MenuItem::Schedule);
    EXPECT_TRUE(platform.writes.empty());
    ASSERT_EQ(platform.errors.size(), 1u);
    EXPECT_EQ(platform.errors[0].rfind("无法批量验算“平台排表.csv”：\n表头缺少 live、thickness", 0),
              0u)
        << platform.errors[0];
}

}  // namespace
}  // namespace deckplate::form
