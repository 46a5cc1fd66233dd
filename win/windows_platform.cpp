#include "win/windows_platform.h"

#include <commdlg.h>
#include <shellapi.h>
#include <shlobj.h>

#include <vector>

#include "form/control_table.h"
#include "os/file_replacement.h"
#include "os/paths.h"
#include "os/system_error.h"
#include "os/wide_text.h"

namespace deckplate::win {
namespace {

constexpr wchar_t kSettingsKey[] = L"Software\\DeckPlate";

void ShowModal(HWND owner, std::string_view text, UINT icon) {
    MessageBoxW(owner, os::WideFromUtf8(text).c_str(),
                os::WideFromUtf8(form::kApplicationTitle).c_str(), MB_OK | icon);
}

std::wstring SystemFolder() {
    std::wstring folder(MAX_PATH, L'\0');
    folder.resize(GetSystemDirectoryW(folder.data(), MAX_PATH));
    return folder;
}

std::wstring DocumentsFolder() {
    wchar_t* folder = nullptr;
    std::wstring documents;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Documents, 0, nullptr, &folder)))
        documents = folder;
    CoTaskMemFree(folder);
    return documents;
}

}  // namespace

void WindowsPlatform::ShowMessage(std::string_view text) { ShowModal(window_, text, 0); }

void WindowsPlatform::ReportError(std::string_view text) { ShowModal(window_, text, MB_ICONERROR); }

void WindowsPlatform::EndProgram() { PostQuitMessage(0); }

std::string WindowsPlatform::ReportPath() { return "d:\\WExo.txt"; }

void WindowsPlatform::WriteTextFile(std::string_view path, std::string_view text,
                                    os::TextEncoding encoding) {
    os::ReplaceTextFile(os::PathFromUtf8(path), text, encoding);
}

std::string WindowsPlatform::OpenFile(std::string_view path, form::Viewer viewer) {
    const std::wstring file = os::WideFromUtf8(path);
    if (viewer == form::Viewer::Browser) {
        const auto result = reinterpret_cast<INT_PTR>(
            ShellExecuteW(window_, L"open", file.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
        if (result > 32) return {};
        return "无法打开 " + std::string(path) + "：" + os::LastSystemError().message();
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

std::string WindowsPlatform::ChooseSaveFile(std::string_view name) {
    const std::wstring folder = DocumentsFolder();
    std::vector<wchar_t> file(32768, L'\0');  // the longest path Windows has
    const std::wstring proposed = os::WideFromUtf8(name);
    proposed.copy(file.data(), file.size() - 1);
    // The filters, each a name and a pattern ended by a null, the list ended by one more (that
    // of c_str()): the files of the proposed name's kind ("*.txt" for WExo.txt), then all files.
    const std::size_t dot = proposed.rfind(L'.');
    const std::wstring extension = dot == std::wstring::npos ? L"" : proposed.substr(dot + 1);
    std::wstring filter;
    const auto addFilter = [&filter](const std::wstring& name, const std::wstring& pattern) {
        filter.append(name).push_back(L'\0');
        filter.append(pattern).push_back(L'\0');
    };
    if (!extension.empty()) addFilter(L"*." + extension, L"*." + extension);
    addFilter(L"所有文件 (*.*)", L"*.*");
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = window_;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
    if (!GetSaveFileNameW(&dialog)) return {};
    return os::Utf8FromWide(file.data());
}

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
