// What the Windows platform keeps and answers: remembered choices in the registry, a file it
// cannot open named in the answer, a viewer that gives up at once said with its status, and the
// Save dialog giving a name typed without an extension the proposed one before it asks about
// replacing a file, in the folder last used.
#include "win/windows_platform.h"

#include <commdlg.h>
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "os/paths.h"
#include "os/wide_text.h"

namespace deckplate::win {
namespace {

TEST(WindowsPlatform, RemembersChoicesInTheRegistry) {
    const struct {
        const char* key;
        const char* value;
    } cases[] = {
        {"plain", "6.0"},
        {"Chinese key and value", "GB 50017—2017 钢结构设计标准"},
        {"emptied", ""},
    };
    WindowsPlatform platform;
    EXPECT_EQ(platform.LoadSetting("never stored"), "");
    for (const auto& c : cases) {
        platform.SaveSetting(c.key, "an earlier choice");
        platform.SaveSetting(c.key, c.value);
        EXPECT_EQ(WindowsPlatform().LoadSetting(c.key), c.value) << c.key;
    }
}

TEST(WindowsPlatform, NamesAFileItCannotOpen) {
    WindowsPlatform platform;
    const std::string failure =
        platform.OpenFile("Z:\\no such folder\\计算书.html", form::Viewer::Browser);
    EXPECT_NE(failure.find("Z:\\no such folder\\计算书.html"), std::string::npos) << failure;
}

// A folder of the test's own, removed with what is in it.
class TestFolder {
  public:
    explicit TestFolder(const char* name)
        : path_(std::filesystem::temp_directory_path() / os::PathFromUtf8(name)) {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TestFolder() { std::filesystem::remove_all(path_); }
    const std::filesystem::path& path() const { return path_; }
    std::string File(const char* name, const char* text = "") const {
        const std::filesystem::path file = path_ / os::PathFromUtf8(name);
        std::ofstream(file) << text;
        return os::Utf8Of(file);
    }

  private:
    std::filesystem::path path_;
};

// A kind of file whose program is cmd.exe ending with `status`; gone with the object.
class TestViewer {
  public:
    TestViewer(const wchar_t* extension, int status)
        : extension_(extension), kind_(std::wstring(L"DeckPlateTest") + extension) {
        Set(extension_, kind_);
        Set(kind_ + L"\\shell\\open\\command", L"cmd.exe /c exit " + std::to_wstring(status));
    }
    ~TestViewer() {
        RegDeleteTreeW(HKEY_CLASSES_ROOT, extension_.c_str());
        RegDeleteTreeW(HKEY_CLASSES_ROOT, kind_.c_str());
    }
    TestViewer(const TestViewer&) = delete;
    TestViewer& operator=(const TestViewer&) = delete;

  private:
    static void Set(const std::wstring& key, const std::wstring& value) {
        RegSetKeyValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, REG_SZ, value.c_str(),
                        static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    }
    std::wstring extension_, kind_;
};

// The shell starts the program and says no more; a program that ends at once with a failing
// status did not show the file.
TEST(WindowsPlatform, SaysAViewerThatGivesUpAtOnce) {
    const struct {
        const char* name;
        const wchar_t* extension;
        int status;
        const char* said;  // after the file's path; empty: opened
    } cases[] = {
        {"ended well", L".dptestgood", 0, ""},
        {"gave up", L".dptestfail", 3, "：打开它的程序（cmd.exe）启动后随即结束，退出码 3。"},
    };
    const TestFolder folder("windows_platform_viewer");
    WindowsPlatform platform;
    for (const auto& c : cases) {
        const TestViewer viewer(c.extension, c.status);
        const std::string file = folder.File(("计算书" + os::Utf8FromWide(c.extension)).c_str());
        const std::string failure = platform.OpenFile(file, form::Viewer::Associated);
        EXPECT_EQ(failure, *c.said ? "无法打开 " + file + c.said : "") << c.name;
    }
}

// Answers the system's dialogs of this thread as they come up, one step each, from a thread
// timer that their modal loops run: the dialog and message box windows (#32770) that take input.
class DialogAnswers {
  public:
    using Step = std::function<void(HWND)>;
    explicit DialogAnswers(std::deque<Step> steps) : steps_(std::move(steps)) {
        current_ = this;
        timer_ = SetTimer(nullptr, 0, 50, &DialogAnswers::Look);
    }
    ~DialogAnswers() {
        KillTimer(nullptr, timer_);
        current_ = nullptr;
    }
    DialogAnswers(const DialogAnswers&) = delete;
    DialogAnswers& operator=(const DialogAnswers&) = delete;

    std::vector<std::string> boxes;  ///< the message boxes' texts
    int unexpected = 0;              ///< dialogs beyond the steps, cancelled

  private:
    static HWND Active() {
        HWND found = nullptr;
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND window, LPARAM found) {
                wchar_t kind[16]{};
                GetClassNameW(window, kind, 16);
                if (std::wstring(kind) != L"#32770" || !IsWindowVisible(window) ||
                    !IsWindowEnabled(window))
                    return TRUE;
                *reinterpret_cast<HWND*>(found) = window;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&found));
        return found;
    }
    static void CALLBACK Look(HWND, UINT, UINT_PTR, DWORD) {
        DialogAnswers& self = *current_;
        const HWND active = Active();
        if (active == nullptr || active == self.handled_) return;
        self.handled_ = active;
        if (GetDlgItem(active, 0xFFFF) != nullptr) {  // a message box's text
            wchar_t text[512]{};
            GetDlgItemTextW(active, 0xFFFF, text, 512);
            self.boxes.push_back(os::Utf8FromWide(text));
        }
        if (self.steps_.empty()) {
            ++self.unexpected;
            PostMessageW(active, WM_COMMAND, IDCANCEL, 0);
            return;
        }
        const Step step = self.steps_.front();
        self.steps_.pop_front();
        step(active);
    }

    static inline DialogAnswers* current_ = nullptr;
    std::deque<Step> steps_;
    UINT_PTR timer_ = 0;
    HWND handled_ = nullptr;
};

// The file name box of the Save dialog and its 保存; a message box's buttons.
DialogAnswers::Step Type(const wchar_t* name) {
    return [name](HWND dialog) {
        constexpr int kFileNameBox = 0x47c;  // cmb13
        SetDlgItemTextW(dialog, kFileNameBox, name);
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    };
}
DialogAnswers::Step Press(int button) {
    return [button](HWND dialog) { PostMessageW(dialog, WM_COMMAND, button, 0); };
}

// Notes the folder a file dialog shows, then cancels it.
DialogAnswers::Step NoteFolder(std::string& folder) {
    return [&folder](HWND dialog) {
        wchar_t shown[MAX_PATH]{};
        SendMessageW(dialog, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(shown));
        folder = os::Utf8FromWide(shown);
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    };
}

TEST(WindowsPlatform, TheSaveDialogGivesTheExtensionBeforeItAsks) {
    const struct {
        const char* name;
        const wchar_t* typed;
        int answer;          // to the question; 0: not asked
        const char* chosen;  // empty: none
    } cases[] = {
        {"typed without the extension, not replaced", L"X", IDNO, ""},
        {"typed without the extension, replaced", L"X", IDYES, "X.deckplate"},
        {"a new name", L"Y", 0, "Y.deckplate"},
    };
    const TestFolder folder("windows_platform_save");
    folder.File("X.deckplate", "kept");
    for (const auto& c : cases) {
        std::deque<DialogAnswers::Step> steps{Type(c.typed)};
        if (c.answer) steps.push_back(Press(c.answer));
        if (!*c.chosen) steps.push_back(Press(IDCANCEL));  // the dialog, shown again
        DialogAnswers answers(steps);
        WindowsPlatform platform;
        const std::string chosen = platform.ChooseSaveFile(
            os::Utf8Of(folder.path() / os::PathFromUtf8("未命名.deckplate")));
        EXPECT_EQ(chosen, *c.chosen ? os::Utf8Of(folder.path() / c.chosen) : "") << c.name;
        // Asked of X.deckplate (Wine's question names no file).
        EXPECT_EQ(answers.boxes.size(), c.answer ? 1u : 0u) << c.name;
        EXPECT_EQ(answers.unexpected, 0) << c.name;
    }
}

// Once a file is chosen, the Open and Save dialogs start in its folder.
TEST(WindowsPlatform, FileDialogsStartInTheFolderLastUsed) {
    const TestFolder folder("windows_platform_folder");
    std::string started[2];
    DialogAnswers answers({Type(L"Y"), NoteFolder(started[0]), NoteFolder(started[1])});
    WindowsPlatform platform;
    platform.ChooseSaveFile(os::Utf8Of(folder.path() / "a.deckplate"));
    platform.ChooseOpenFile("铺板计算文件", "deckplate");
    platform.ChooseSaveFile("钢平台计算书.html");
    EXPECT_EQ(started[0], os::Utf8Of(folder.path()));
    EXPECT_EQ(started[1], os::Utf8Of(folder.path()));
    EXPECT_EQ(answers.unexpected, 0);
}

}  // namespace
}  // namespace deckplate::win
