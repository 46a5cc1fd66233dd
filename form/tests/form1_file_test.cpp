// 文件 → 保存, 打开… and the rest: a bay saved and opened again is the window as it was, unsaved
// changes are never lost without asking, and a bad file changes nothing.
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "form/project_info_dialog.h"
#include "form/save_changes_dialog.h"
#include "form/tests/form1_fixture.h"
#include "os/paths.h"

namespace deckplate::form {
namespace {

class Form1FileTest : public Form1Test {
  protected:
    void TearDown() override { std::filesystem::remove_all(folder); }

    /// Writes `text` as a file of the test's folder: its path.
    std::string Put(const std::string& name, const std::string& text) {
        std::filesystem::create_directories(folder);
        const auto path = folder / os::PathFromUtf8(name);
        std::ofstream(path, std::ios::binary) << text;
        return os::Utf8Of(path);
    }
    /// What the last save wrote, put on disk where it was written.
    std::string SavedFile() {
        const FakePlatform::Write& write = platform.writes.back();
        return Put(os::FileNameOf(write.path), write.text);
    }
    void Answer(SaveChangesControl button) {
        platform.dialogs.push_back([button](Dialog& d) { d.Clicked(button); });
    }

    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() /
        ("form1_file_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
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
    platform.saveChoice = "/nowhere/bay.deckplate";
    platform.unwritable.insert(platform.saveChoice);
    form.MenuChosen(MenuItem::Save);
    ASSERT_EQ(platform.errors.size(), 2u);  // the first failure, then the second place's
    EXPECT_TRUE(platform.errors[0].starts_with("未能保存。\n")) << platform.errors[0];
    EXPECT_EQ(std::ranges::count_if(platform.calls,
                                    [](const std::string& c) { return c.starts_with("choose"); }),
              2);
    EXPECT_TRUE(form.Modified());  // nothing saved: the bay is still unsaved
}

}  // namespace
}  // namespace deckplate::form
