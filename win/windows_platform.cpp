#include "win/windows_platform.h"

#include <shellapi.h>

#include <filesystem>
#include <string>
#include <utility>

#include "form/control_table.h"
#include "os/file_replacement.h"
#include "os/paths.h"
#include "os/system_error.h"
#include "os/wide_text.h"
#include "win/dialog_window.h"
#include "win/file_dialogs.h"
#include "win/progress_box.h"

namespace deckplate::win {
namespace {

constexpr wchar_t kSettingsKey[] = L"Software\\DeckPlate";

void ShowModal(HWND owner, std::string_view text, UINT icon) {
    MessageBoxW(owner, os::WideFromUtf8(text).c_str(),
                os::WideFromUtf8(form::kApplicationTitle).c_str(), MB_OK | icon);
}

// How long a program started for a file is given to fail: a browser that will not start ends
// within a second or two with a failing status, which the shell, having started it, never reads.
constexpr DWORD kViewerPatienceMs = 2000;

// The name of the program a process runs ("msedge.exe"), or empty.
std::string ProgramOf(HANDLE process) {
    std::wstring image(MAX_PATH, L'\0');
    auto size = static_cast<DWORD>(image.size());
    if (!QueryFullProcessImageNameW(process, 0, image.data(), &size)) return {};
    image.resize(size);
    return os::Utf8Of(std::filesystem::path(image).filename());
}

// Empty when the program the shell started for `path` (none, when an instance already running
// took the file) is still running after a while, or ended well; else what it did, naming the
// file. Meanwhile the window repaints, and the user's input waits.
std::string GaveUpAtOnce(HANDLE process, std::string_view path) {
    if (process == nullptr) return {};
    const ULONGLONG until = GetTickCount64() + kViewerPatienceMs;
    for (;;) {
        const ULONGLONG now = GetTickCount64();
        const DWORD left = now < until ? static_cast<DWORD>(until - now) : 0;
        const DWORD woken =
            MsgWaitForMultipleObjects(1, &process, FALSE, left, QS_PAINT | QS_SENDMESSAGE);
        if (woken != WAIT_OBJECT_0 + 1) break;  // ended, or the time is up
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT))
            DispatchMessageW(&message);
    }
    DWORD status = STILL_ACTIVE;
    GetExitCodeProcess(process, &status);
    const std::string program = ProgramOf(process);
    CloseHandle(process);
    if (status == STILL_ACTIVE || status == 0) return {};
    return "无法打开 " + std::string(path) + "：打开它的程序" +
           (program.empty() ? "" : "（" + program + "）") + "启动后随即结束，退出码 " +
           std::to_string(status) + "。";
}

std::wstring SystemFolder() {
    std::wstring folder(MAX_PATH, L'\0');
    folder.resize(GetSystemDirectoryW(folder.data(), MAX_PATH));
    return folder;
}

}  // namespace

WindowsPlatform::WindowsPlatform() = default;
WindowsPlatform::~WindowsPlatform() = default;

void WindowsPlatform::ShowMessage(std::string_view text) { ShowModal(owner_, text, 0); }

void WindowsPlatform::ReportError(std::string_view text) { ShowModal(owner_, text, MB_ICONERROR); }

void WindowsPlatform::EndProgram() { PostQuitMessage(0); }

std::string WindowsPlatform::ReportPath() { return form::WindowsReportPath(); }

void WindowsPlatform::WriteTextFile(std::string_view path, std::string_view text,
                                    os::TextEncoding encoding) {
    os::ReplaceTextFile(os::PathFromUtf8(path), text, encoding);
}

std::string WindowsPlatform::OpenFile(std::string_view path, form::Viewer viewer) {
    const std::wstring file = os::WideFromUtf8(path);
    if (viewer != form::Viewer::TextEditor) {  // the program the shell has for the file's kind
        // No message of the shell's own: the one below says what went wrong, once.
        SHELLEXECUTEINFOW open{};
        open.cbSize = sizeof open;
        open.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOCLOSEPROCESS;
        open.hwnd = owner_;
        open.lpVerb = L"open";
        open.lpFile = file.c_str();
        open.nShow = SW_SHOWNORMAL;
        if (ShellExecuteExW(&open)) return GaveUpAtOnce(open.hProcess, path);
        const DWORD error = GetLastError();
        // The shell's code of the failure: a kind with no program is none of the system's.
        const auto shellCode = static_cast<int>(reinterpret_cast<INT_PTR>(open.hInstApp));
        if (shellCode == SE_ERR_NOASSOC || shellCode == SE_ERR_ASSOCINCOMPLETE)
            return "无法打开 " + std::string(path) + "：系统中没有打开 " +
                   os::Utf8Of(os::PathFromUtf8(path).extension()) + " 文件的程序。";
        return "无法打开 " + std::string(path) + "：" +
               os::SystemError(static_cast<int>(error != 0 ? error : shellCode)).message();
    }
    // Notepad from the system's own folder, not from wherever the search path leads; the
    // program does not wait for it.
    const std::wstring notepad = SystemFolder() + L"\\notepad.exe";
    std::wstring commandLine = L"notepad.exe \"" + file + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(notepad.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process))
        return "无法用记事本打开 " + std::string(path) + "：" + os::LastSystemError().message();
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return {};
}

std::string WindowsPlatform::ChooseSaveFile(std::string_view name,
                                            std::span<const form::FileKind> kinds) {
    const std::string proposed = ProposedPath(name);
    const std::filesystem::path extension = os::PathFromUtf8(proposed).extension();
    const std::string chosen = win::ChooseSaveFile(
        owner_, proposed,
        form::FileKindName(extension.empty() ? "" : os::Utf8Of(extension).substr(1)), kinds);
    RememberFolderOf(chosen);
    return chosen;
}

std::string WindowsPlatform::ChooseOpenFile(std::string_view kind, std::string_view extension) {
    const std::string chosen = win::ChooseOpenFile(owner_, kind, extension, StartFolder());
    RememberFolderOf(chosen);
    return chosen;
}

std::string WindowsPlatform::ChooseFolder(std::string_view title) {
    const std::string chosen = win::ChooseFolder(owner_, title, StartFolder());
    RememberFolder(chosen);
    return chosen;
}

void WindowsPlatform::RunDialog(form::Dialog& dialog) {
    DialogWindow window(dialog, owner_);
    const HWND outer = std::exchange(owner_, window.Handle());
    window.Run();
    owner_ = outer;
}

bool WindowsPlatform::ShowProgress(std::string_view task, double done) {
    if (!progress_) progress_ = std::make_unique<ProgressBox>(owner_, task);
    return progress_->Step(done);
}

void WindowsPlatform::EndProgress() { progress_.reset(); }

std::string WindowsPlatform::LoadSetting(std::string_view key) {
    const std::wstring name = os::WideFromUtf8(key);
    DWORD bytes = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, name.c_str(), RRF_RT_REG_SZ, nullptr, nullptr,
                     &bytes) != ERROR_SUCCESS)
        return {};
    std::wstring value(bytes / sizeof(wchar_t), L'\0');
    if (RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, name.c_str(), RRF_RT_REG_SZ, nullptr,
                     value.data(), &bytes) != ERROR_SUCCESS)
        return {};
    value.resize(bytes / sizeof(wchar_t));
    while (!value.empty() && value.back() == L'\0') value.pop_back();
    return os::Utf8FromWide(value);
}

void WindowsPlatform::SaveSetting(std::string_view key, std::string_view value) {
    const std::wstring name = os::WideFromUtf8(key);
    const std::wstring data = os::WideFromUtf8(value);
    RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, name.c_str(), REG_SZ, data.c_str(),
                    static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
}

}  // namespace deckplate::win
