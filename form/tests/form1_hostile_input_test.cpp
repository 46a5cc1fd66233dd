// What a hostile file or text gives the window: the project information takes only what the
// command line's options would, a pipe is refused without waiting on it, a part beyond its
// grade's strength table is refused, and the system's reasons are said in Chinese.
#include <filesystem>
#include <fstream>

#include "form/error_report.h"
#include "form/project_info_dialog.h"
#include "form/save_changes_dialog.h"
#include "form/system_reason_words.h"
#include "form/tests/form1_fixture.h"
#include "os/file_replacement.h"
#include "os/paths.h"
#include "os/system_error.h"
#include "os/tests/test_folder.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <future>
#endif

namespace deckplate::form {
namespace {

TEST_F(Form1Test, ProjectInformationTakesOnlyWhatTheOptionsWould) {
    const struct {
        const char* name;
        ProjectInfoControl box;
        std::string text;
        std::string error;  // empty: taken
    } cases[] = {
        {"no such day", ProjectInfoControl::Date, "2026-02-30",
         "日期“2026-02-30”不是有效的日期，应写作 年-月-日（YYYY-MM-DD），如 2024-05-31，或留空。"
         "请改正后再确定。"},
        {"a word for a date", ProjectInfoControl::Date, "明天", "日期“明天”不是有效的日期"},
        {"a five-digit year", ProjectInfoControl::Date, "99999-01-01",
         "日期“99999-01-01”不是有效的日期"},
        {"a line break", ProjectInfoControl::Name, "某厂\n平台",
         "工程名称“某厂\\x0a平台”含有换行或其他控制字符，应为一行文字。请改正后再确定。"},
        {"ESC", ProjectInfoControl::Part, "\x1b[2J", "子项“\\x1b[2J”含有换行或其他控制字符"},
        {"NUL", ProjectInfoControl::Stage, std::string("施工\0图", 10), "设计阶段“施工\\x00图”"},
        {"a page", ProjectInfoControl::CheckedBy, std::string(10000, 'x'),
         "校对“" + std::string(60, 'x') + "…”超过 200 个字。请改正后再确定。"},
        {"200 characters", ProjectInfoControl::Name, std::string(200, 'x'), ""},
        {"the institute's page", ProjectInfoControl::DesignUnit, std::string(201, 'x'),
         "设计单位“" + std::string(60, 'x') + "…”超过 200 个字。"},
        {"a logo's path over two lines", ProjectInfoControl::Logo, "D:\\图\n标志.png",
         "标志图片“D:\\图\\x0a标志.png”含有换行或其他控制字符"},
    };
    for (const auto& c : cases) {
        StartedForm t;
        bool stays = false;
        t.platform.dialogs.push_back([&](Dialog& d) {
            d.TextEdited(c.box, c.text);
            d.Clicked(ProjectInfoControl::Accept);
            stays = d.IsOpen();
        });
        t.form.MenuChosen(MenuItem::ProjectInfo);
        EXPECT_EQ(stays, !c.error.empty()) << c.name;
        EXPECT_EQ(t.form.Project().name == c.text, c.error.empty()) << c.name;
        if (c.error.empty()) {
            EXPECT_TRUE(t.platform.errors.empty()) << c.name;
            continue;
        }
        ASSERT_EQ(t.platform.errors.size(), 1u) << c.name;
        EXPECT_NE(t.platform.errors[0].find(c.error), std::string::npos)
            << c.name << ": " << t.platform.errors[0];
        EXPECT_EQ(t.form.Project(), project::ProjectInfo{}) << c.name;
    }
}

TEST_F(Form1Test, ABayFileOfWhatTheOptionsWouldRefuseIsNotOpened) {
    os::Folder folder;
    const auto put = [&](const std::string& name, const std::string& text) {
        std::ofstream(folder.path() / name, std::ios::binary) << text;
        return os::Utf8Of(folder.path() / name);
    };
    const std::string date = put("date.deckplate", R"({"format": "deckplate-bay",
        "format_version": 1, "project": {"date": "明天"}})");
    const std::string twice = put("twice.deckplate", R"({"format": "deckplate-bay",
        "format_version": 1, "bay": {"dead": "1", "dead": "9"}})");
    const std::string dead = Text(DeadLoad);
    form.OpenBayFile(date);
    form.OpenBayFile(twice);
    form.OpenBayFile(os::Utf8Of(folder.path() / "missing.deckplate"));
    ASSERT_EQ(platform.errors.size(), 3u);
    EXPECT_EQ(platform.errors[0],
              "无法打开“date.deckplate”：\n“project.date”的值“明天”不是有效的日期，应写作 "
              "年-月-日（YYYY-MM-DD），如 2024-05-31，或留空。");
    EXPECT_EQ(platform.errors[1],
              "无法打开“twice.deckplate”：\n“bay.dead”出现了不止一次，请只保留一个。");
    EXPECT_EQ(platform.errors[2], "无法打开“missing.deckplate”：\n无法读取：文件或文件夹不存在。");
    EXPECT_EQ(Text(DeadLoad), dead);
}

#ifndef _WIN32
// 打开, a recent file or the file named on the command line: a FIFO would keep the window waiting
// without end. Should the opening wait, the test opens the FIFO for writing, which ends the wait,
// and fails rather than hang.
TEST_F(Form1Test, APipeIsRefusedWithoutWaitingOnIt) {
    os::Folder folder;
    const std::filesystem::path fifo = folder.path() / "fifo.deckplate";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::future<void> opening =
        std::async(std::launch::async, [&] { form.OpenBayFile(os::Utf8Of(fifo)); });
    if (opening.wait_for(std::chrono::seconds(10)) == std::future_status::timeout) {
        ::close(::open(fifo.c_str(), O_WRONLY));
        FAIL() << "the window waited on the FIFO";
    }
    opening.get();
    ASSERT_EQ(platform.errors.size(), 1u);
    EXPECT_EQ(platform.errors[0],
              "无法打开“fifo.deckplate”：\n这不是普通文件（而是设备、管道等），请选择 .deckplate "
              "文件。");
}
#endif

TEST_F(Form1Test, APartBeyondItsGradesStrengthTableIsRefused) {
    EnterFlatBarBay();
    Type(FlatBarHeight, "300");
    Type(FlatBarThickness, "80");
    form.MenuChosen(MenuItem::BasisCurrent);
    form.MenuChosen(MenuItem::SteelQ355);
    Click(VerifyButton);
    ASSERT_EQ(platform.errors.size(), 1u);
    EXPECT_EQ(platform.errors[0],
              "扁钢厚 80 mm 超出 Q355 强度设计值表的厚度范围（至 63 mm，GB 50017-2017 表 "
              "4.4.1），规范未给出其强度设计值。\n请改正后再验算。");
    form.MenuChosen(MenuItem::SteelQ235);  // its table goes to 100 mm
    Click(VerifyButton);
    EXPECT_EQ(platform.errors.size(), 1u);
}

TEST(SystemReasonWords, TheCommonestInChineseAnyOtherAsTheSystemSays) {
    const std::pair<std::errc, const char*> cases[] = {
        {std::errc::no_such_file_or_directory, "文件或文件夹不存在"},
        {std::errc::permission_denied, "没有访问权限"},
        {std::errc::no_space_on_device, "磁盘已满"},
        {std::errc::read_only_file_system, "磁盘为只读"},
        {std::errc::filename_too_long, "文件名或路径过长"},
    };
    for (const auto& [condition, words] : cases)
        EXPECT_EQ(SystemReasonWords(std::make_error_code(condition)), words);
#ifdef _WIN32
    // Windows' own errors, in the language of the user's Windows, are worded alike.
    EXPECT_EQ(SystemReasonWords(os::SystemError(ERROR_DISK_FULL)), "磁盘已满");
    EXPECT_EQ(SystemReasonWords(os::SystemError(ERROR_PATH_NOT_FOUND)), "文件或文件夹不存在");
#endif
    const std::error_code other = std::make_error_code(std::errc::io_error);
    EXPECT_EQ(SystemReasonWords(other), other.message());
    // A file that could not be written says why in the same words.
    EXPECT_EQ(FileErrorText(os::FileError(os::FileStep::Write, "b.html",
                                          std::make_error_code(std::errc::no_space_on_device))),
              "写入 b.html 失败：磁盘已满");
}

}  // namespace
}  // namespace deckplate::form
