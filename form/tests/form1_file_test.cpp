// 文件 → 保存, 打开… and the rest: a bay saved and opened again is the window as it was, unsaved
// changes are never lost without asking, and a bad file changes nothing.
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "form/file_changed_dialog.h"
#include "form/project_info_dialog.h"
#include "form/save_changes_dialog.h"
#include "form/tests/form1_fixture.h"
#include "os/paths.h"

namespace deckplate::form {
namespace {

// A bay file that leaves every key out: a new window's bay.
constexpr const char* kEmptyBay = R"({"format": "deckplate-bay", "format_version": 1})";

class Form1FileTest : public Form1Test {
  protected:
    void TearDown() override { std::filesystem::remove_all(folder); }

    /// Writes `text` as a file of the test's folder: its path.
    std::string Put(const std::string& name, const std::string& text) {
        const auto path = folder / os::PathFromUtf8(name);
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << text;
        return os::Utf8Of(path);
    }
    /// What the last save wrote, put on disk where it was written.
    std::string SavedFile() {
        const FakePlatform::Write& write = platform.writes.back();
        return Put(os::FileNameOf(write.path), write.text);
    }
    /// The dead load a bay file on disk holds, or "<none>".
    static std::string DeadLoadIn(const std::string& path) {
        try {
            return project::ReadBayFile(path).bay.Text(BayField::Dead);
        } catch (const project::BayFileError&) {
            return "<none>";
        }
    }
    void Answer(SaveChangesControl button) {
        platform.dialogs.push_back([button](Dialog& d) { d.Clicked(button); });
    }

    // One of each test's own: ctest runs the tests side by side.
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() /
        ("form1_file_test_" +
         std::string(testing::UnitTest::GetInstance()->current_test_info()->name()) + "_" +
         std::to_string(::getpid()));
};

TEST_F(Form1FileTest, ABaySavedOpensAsItWasSaved) {
    EnterAngleBay();
    Type(LiveLoad, "1,5");  // not a number: kept as typed
    Pick(AngleSize, 4);
    Tick(Continuous, true);
    form.MenuChosen(MenuItem::BasisCurrent);
    form.MenuChosen(MenuItem::SteelQ390);
    form.MenuChosen(MenuItem::PointLoad);
    Type(PatchAlong, "150");
    platform.dialogs.push_back([](Dialog& d) {
        d.TextEdited(ProjectInfoControl::Name, "某厂 3# 平台");
        d.TextEdited(ProjectInfoControl::CheckedBy, "李四");
        d.Clicked(ProjectInfoControl::Accept);
    });
    form.MenuChosen(MenuItem::ProjectInfo);
    platform.saveChoice = os::Utf8Of(folder / os::PathFromUtf8("3#平台"));
    form.MenuChosen(MenuItem::Save);
    EXPECT_EQ(platform.writes.back().path, platform.saveChoice + ".deckplate");
    EXPECT_EQ(Text(Window), "3#平台.deckplate — 平台钢铺板计算 — 现行规范 Q390");
    const std::string saved = SavedFile();

    StartedForm next;  // another window, the settings of this one
    next.platform.settings = platform.settings;
    next.form.Form_Load();
    EXPECT_EQ(next.form.Project().name, "某厂 3# 平台");  // a new bay: the last project's
    next.form.OpenBayFile(saved);
    EXPECT_TRUE(next.platform.errors.empty());
    EXPECT_EQ(next.form.State(LiveLoad).text, "1,5");
    EXPECT_EQ(next.form.State(AngleSize).picked, 4);
    EXPECT_EQ(next.form.State(Window).text, Text(Window));
    EXPECT_EQ(next.form.Project().checkedBy, "李四");
    EXPECT_EQ(next.form.State(MenuItem::Recent1).text, "&1 " + saved);
    EXPECT_TRUE(next.form.State(VerifyButton).enabled);
    next.platform.saveChoice = saved;
    next.form.MenuChosen(MenuItem::SaveAs);  // the same bay writes the same file
    EXPECT_EQ(next.platform.writes.back().text, platform.writes.back().text);
}

TEST_F(Form1FileTest, UnsavedChangesAreSavedOrGivenUpOnlyWhenTheEngineerSays) {
    const struct {
        const char* name;
        MenuItem item;
        SaveChangesControl answer;
        int ends;         // the program ended
        bool saved;       // the bay was written first
        bool stillThere;  // the typed load is on show after
        bool unsaved;     // the title still marks unsaved changes
    } cases[] = {
        {"退出, 取消", MenuItem::Exit, SaveChangesControl::Cancel, 0, false, true, true},
        {"退出, 不保存", MenuItem::Exit, SaveChangesControl::Discard, 1, false, true, true},
        {"退出, 保存", MenuItem::Exit, SaveChangesControl::Save, 1, true, true, false},
        {"新建, 取消", MenuItem::New, SaveChangesControl::Cancel, 0, false, true, true},
        {"新建, 不保存", MenuItem::New, SaveChangesControl::Discard, 0, false, false, false},
        {"打开, 取消", MenuItem::Open, SaveChangesControl::Cancel, 0, false, true, true},
    };
    for (const auto& c : cases) {
        StartedForm t;
        t.form.TextEdited(DeadLoad, "1.5");
        t.platform.dialogs.push_back([&](Dialog& d) { d.Clicked(c.answer); });
        t.platform.saveChoice = os::Utf8Of(folder / "bay.deckplate");
        t.form.MenuChosen(c.item);
        EXPECT_EQ(t.platform.endProgramCalls, c.ends) << c.name;
        EXPECT_EQ(t.platform.writes.size(), c.saved ? 1u : 0u) << c.name;
        EXPECT_EQ(t.form.State(DeadLoad).text == "1.5", c.stillThere) << c.name;
        EXPECT_EQ(t.form.Modified(), c.unsaved) << c.name;
        EXPECT_FALSE(t.platform.calls.back().starts_with("open-dialog")) << c.name;
    }
}

TEST_F(Form1FileTest, ABadFileChangesNothing) {
    EnterFlatBarBay();
    const std::string title = Text(Window);
    const std::string bad = Put("bad.deckplate", R"({"format": "deckplate-bay",
        "format_version": 1, "bay": {"dead": 2, "span": -1}})");
    Answer(SaveChangesControl::Discard);
    form.OpenBayFile(bad);
    ASSERT_EQ(platform.errors.size(), 1u);
    EXPECT_EQ(platform.errors[0], "无法打开“bad.deckplate”：\n“bay.span”不能为负数（-1）。");
    EXPECT_EQ(Text(DeadLoad), "1");
    EXPECT_EQ(Text(Window), title);
    EXPECT_FALSE(form.State(MenuItem::Recent1).visible);
}

TEST_F(Form1FileTest, AFileThatCannotBeWrittenOffersTheSaveDialogAgain) {
    EnterFlatBarBay();
    platform.saveChoice = os::Utf8Of(folder / "nowhere" / "bay.deckplate");
    platform.unwritable.insert(platform.saveChoice);
    form.MenuChosen(MenuItem::Save);
    ASSERT_EQ(platform.errors.size(), 2u);  // the first failure, then the second place's
    EXPECT_TRUE(platform.errors[0].starts_with("未能保存。\n")) << platform.errors[0];
    EXPECT_EQ(std::ranges::count_if(platform.calls,
                                    [](const std::string& c) { return c.starts_with("choose"); }),
              2);
    EXPECT_TRUE(form.Modified());  // nothing saved: the bay is still unsaved
}

// Every Save dialog of a bay proposes the bay files' extension, which the editions' dialogs give
// a name typed without one before they ask about replacing a file of that name.
TEST_F(Form1FileTest, EveryWayOfSavingProposesTheBayFilesExtension) {
    const struct {
        const char* name;
        const char* opened;  // the bay file opened first; none: a new bay
        bool unwritable;     // the opened file cannot be written: 保存 offers the dialog again
        MenuItem item;
        const char* proposed;  // in the folder of the test when it has none of its own
    } cases[] = {
        {"保存 of a new bay", nullptr, false, MenuItem::Save, "未命名.deckplate"},
        {"另存为 of a bay file", "a.deckplate", false, MenuItem::SaveAs, "*a.deckplate"},
        {"另存为 of a file named without it", "a", false, MenuItem::SaveAs, "*a.deckplate"},
        {"保存 again after a failed 保存", "a", true, MenuItem::Save, "a.deckplate"},
    };
    for (const auto& c : cases) {
        StartedForm t;
        if (c.opened) {
            t.form.OpenBayFile(Put(c.opened, kEmptyBay));
            if (c.unwritable) t.platform.unwritable.insert(t.form.FilePath());
        }
        t.form.TextEdited(DeadLoad, "1.5");
        t.platform.saveChoice = os::Utf8Of(folder / "X");  // typed without an extension
        t.form.MenuChosen(c.item);
        const std::string proposed = c.proposed[0] == '*'
                                         ? os::Utf8Of(folder / os::PathFromUtf8(c.proposed + 1))
                                         : c.proposed;
        EXPECT_EQ(t.platform.calls.back(), "write " + os::Utf8Of(folder / "X.deckplate")) << c.name;
        EXPECT_NE(std::ranges::find(t.platform.calls, "choose " + proposed), t.platform.calls.end())
            << c.name;
        EXPECT_EQ(t.form.FilePath(), os::Utf8Of(folder / "X.deckplate")) << c.name;
    }
}

// 文件 → 1 opens the file opened there, whatever folder the program now runs in.
TEST_F(Form1FileTest, TheFilesOpenedLastAreKeptByTheirWholePath) {
    const std::string bay = R"({"format": "deckplate-bay", "format_version": 1, "bay": {"dead": )";
    Put("site1/bay.deckplate", bay + R"("1"}})");
    Put("site2/bay.deckplate", bay + R"("2"}})");
    const std::filesystem::path started = std::filesystem::current_path();
    std::filesystem::current_path(folder / "site1");  // cd site1; deckplate bay.deckplate
    form.OpenBayFile("bay.deckplate");
    EXPECT_EQ(platform.StartFolder(), os::Utf8Of(folder / "site1"));  // the dialogs start there
    std::filesystem::current_path(folder / "site2");
    StartedForm later;  // a later run, in site2
    later.platform.settings = platform.settings;
    later.form.Form_Load();
    later.form.MenuChosen(MenuItem::Recent1);
    std::filesystem::current_path(started);
    EXPECT_EQ(later.form.State(DeadLoad).text, "1");
    EXPECT_EQ(later.form.FilePath(), os::Utf8Of(folder / "site1" / "bay.deckplate"));
    EXPECT_EQ(later.form.State(MenuItem::Recent1).text,
              "&1 " + os::Utf8Of(folder / "site1" / "bay.deckplate"));
}

// A file remembered as it was typed by an earlier version names no folder: it leaves the list.
TEST_F(Form1FileTest, AFileRememberedWithoutItsFolderLeavesTheList) {
    const std::string whole = Put("bay.deckplate", "{}");
    StartedForm t;
    t.platform.settings = {{"recent1", "bay.deckplate"}, {"recent2", whole}};
    t.form.Form_Load();
    EXPECT_EQ(t.form.State(MenuItem::Recent1).text, "&1 " + whole);
    EXPECT_FALSE(t.form.State(MenuItem::Recent2).visible);
    EXPECT_EQ(t.platform.settings["recent1"], whole);
    EXPECT_EQ(t.platform.settings["recent2"], "");
}

// Two windows hold one file: the second 保存 asks before it replaces what the first saved.
TEST_F(Form1FileTest, AFileWrittenSinceItWasOpenedIsReplacedOnlyWhenTheEngineerSays) {
    enum class Since { Nothing, OtherWindowSaved, Removed, ThisWindowSaved };
    const struct {
        const char* name;
        Since since;
        std::optional<FileChangedControl> answer;  // the question asked, and the answer
        const char* fileHolds;                     // the dead load in the file after
        bool elsewhere;                            // this window's bay went to another file
    } cases[] = {
        {"unchanged: saved without asking", Since::Nothing, {}, "9", false},
        {"saved by another window, 仍然保存", Since::OtherWindowSaved, FileChangedControl::Save,
         "9", false},
        {"saved by another window, 另存为", Since::OtherWindowSaved, FileChangedControl::SaveAs,
         "7", true},
        {"saved by another window, 取消", Since::OtherWindowSaved, FileChangedControl::Cancel, "7",
         false},
        {"removed: saved without asking", Since::Removed, {}, "9", false},
        {"saved by this window since: not asked", Since::ThisWindowSaved, {}, "9", false},
    };
    const std::string path = os::Utf8Of(folder / "bay.deckplate");
    const std::string other = os::Utf8Of(folder / "other.deckplate");
    for (const auto& c : cases) {
        std::filesystem::remove_all(folder);
        Put("bay.deckplate", kEmptyBay);
        StartedForm first, second;
        first.platform.onDisk = second.platform.onDisk = true;
        first.form.OpenBayFile(path);
        second.form.OpenBayFile(path);
        if (c.since == Since::OtherWindowSaved) {
            second.form.TextEdited(DeadLoad, "7");
            second.form.MenuChosen(MenuItem::Save);
        } else if (c.since == Since::Removed) {
            std::filesystem::remove(path);
        } else if (c.since == Since::ThisWindowSaved) {
            first.form.TextEdited(DeadLoad, "8");
            first.form.MenuChosen(MenuItem::Save);
        }
        first.form.TextEdited(DeadLoad, "9");
        if (c.answer) {
            first.platform.dialogs.push_back([&c](Dialog& d) { d.Clicked(*c.answer); });
            first.platform.saveChoice = other;
        }
        first.form.MenuChosen(MenuItem::Save);
        EXPECT_EQ(std::ranges::count(first.platform.calls, "dialog 文件已被改过"), c.answer ? 1 : 0)
            << c.name;
        EXPECT_EQ(DeadLoadIn(path), c.fileHolds) << c.name;
        EXPECT_EQ(first.form.FilePath(), c.elsewhere ? other : path) << c.name;
        EXPECT_EQ(DeadLoadIn(other), c.elsewhere ? "9" : "<none>") << c.name;
        const bool saved = c.answer != FileChangedControl::Cancel;
        EXPECT_EQ(first.form.Modified(), !saved) << c.name;
    }
}

// Every file dialog starts where the engineer last chose a file or a folder, while it is there.
TEST_F(Form1FileTest, FileDialogsStartInTheFolderLastUsed) {
    std::filesystem::create_directories(folder / "site1");
    std::filesystem::create_directories(folder / "site2");
    const struct {
        const char* name;
        const char* fileChosen;    // in a dialog, in the test's folder
        const char* folderChosen;  // in the folder dialog
        const char* starts;        // in the test's folder; none: the documents
    } cases[] = {
        {"nothing chosen yet", nullptr, nullptr, nullptr},
        {"a file chosen", "site1/a.deckplate", nullptr, "site1"},
        {"a folder chosen after it", "site1/a.deckplate", "site2", "site2"},
        {"a folder since removed", "gone/a.deckplate", nullptr, nullptr},
    };
    for (const auto& c : cases) {
        FakePlatform fake;
        if (c.fileChosen) fake.RememberFolderOf(os::Utf8Of(folder / c.fileChosen));
        if (c.folderChosen) fake.RememberFolder(os::Utf8Of(folder / c.folderChosen));
        const std::string starts = c.starts ? os::Utf8Of(folder / c.starts) : "";
        EXPECT_EQ(fake.StartFolder(), starts) << c.name;
        EXPECT_EQ(fake.ProposedPath("未命名.deckplate"),
                  c.starts ? os::Utf8Of(folder / c.starts / os::PathFromUtf8("未命名.deckplate"))
                           : "未命名.deckplate")
            << c.name;
        // A whole path proposed (beside a schedule) starts in its own folder.
        const std::string beside = os::Utf8Of(folder / "site2" / os::PathFromUtf8("s_结果.csv"));
        EXPECT_EQ(fake.ProposedPath(beside), beside) << c.name;
    }
}

// The report and the book are written even when no viewer shows them: the message names the
// file and says why it could not be opened.
TEST_F(Form1FileTest, AViewerThatFailsIsSaidWithTheFileWritten) {
    const struct {
        const char* name;
        bool book;  // 文件 → 导出计算书; else the button 计 算 书
        const char* said;
    } cases[] = {
        {"计 算 书", false, "计算书已保存。\n"},
        {"导出计算书", true, "计算书已导出。\n"},
    };
    for (const auto& c : cases) {
        StartedForm t;
        form::EnterFlatBarBay(t.form);
        t.form.Clicked(VerifyButton);
        t.platform.saveChoice = "/home/me/书.html";
        t.platform.openFailure = "无法打开 /home/me/书.html：系统中没有打开此类文件的程序。";
        if (c.book)
            t.form.MenuChosen(MenuItem::ExportBook);
        else
            t.form.Clicked(ReportButton);
        EXPECT_EQ(t.platform.writes.size(), 1u) << c.name;
        EXPECT_EQ(t.platform.errors, std::vector<std::string>{c.said + t.platform.openFailure})
            << c.name;
    }
}

}  // namespace
}  // namespace deckplate::form
