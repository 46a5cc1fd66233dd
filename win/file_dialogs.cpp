#include "win/file_dialogs.h"

#include <commdlg.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <wrl/client.h>

#include <cwchar>
#include <filesystem>
#include <vector>

#include "os/paths.h"
#include "os/wide_text.h"

namespace deckplate::win {
namespace {

using Microsoft::WRL::ComPtr;

std::wstring DocumentsFolder() {
    wchar_t* folder = nullptr;
    std::wstring documents;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Documents, 0, nullptr, &folder)))
        documents = folder;
    CoTaskMemFree(folder);
    return documents;
}

// The filters of a file dialog, each a name and a pattern ended by a null, the list ended by
// one more (that of c_str()): the files of the kind `extension`, described as `kind` when there
// is a description, then all files.
std::wstring FileFilter(const std::wstring& kind, const std::wstring& extension) {
    std::wstring filter;
    const auto add = [&filter](const std::wstring& name, const std::wstring& pattern) {
        filter.append(name).push_back(L'\0');
        filter.append(pattern).push_back(L'\0');
    };
    if (!extension.empty()) {
        const std::wstring pattern = L"*." + extension;
        add(kind.empty() ? pattern : kind + L" (" + pattern + L")", pattern);
    }
    add(L"所有文件 (*.*)", L"*.*");
    return filter;
}

// COM for the time of one dialog, in the apartment the window's thread has or gets.
class ComUse {
  public:
    ComUse()
        : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}
    ~ComUse() {
        if (SUCCEEDED(result_)) CoUninitialize();
    }
    ComUse(const ComUse&) = delete;
    ComUse& operator=(const ComUse&) = delete;

  private:
    HRESULT result_;
};

}  // namespace

std::string ChooseSaveFile(HWND owner, std::string_view name, std::string_view kind,
                           std::span<const form::FileKind> kinds) {
    // A whole path starts in its folder; a bare name in the user's documents.
    const std::filesystem::path proposed = os::PathFromUtf8(name);
    const std::wstring folder = proposed.has_parent_path()
                                    ? proposed.parent_path().make_preferred().wstring()
                                    : DocumentsFolder();
    std::vector<wchar_t> file(32768, L'\0');  // the longest path Windows has
    const std::wstring fileName = proposed.filename().wstring();
    fileName.copy(file.data(), file.size() - 1);
    const std::wstring extension =
        proposed.has_extension() ? proposed.extension().wstring().substr(1) : L"";
    std::wstring filter = FileFilter(os::WideFromUtf8(kind), extension);
    DWORD chosen = 1;
    if (!kinds.empty()) {
        // Each kind an entry of the list, the proposed name's chosen. The Explorer dialog gives a
        // name typed without an extension the chosen entry's.
        filter.clear();
        for (std::size_t i = 0; i < kinds.size(); ++i) {
            const std::wstring own = os::WideFromUtf8(kinds[i].extension);
            const std::wstring pattern = L"*." + own;
            filter.append(os::WideFromUtf8(kinds[i].description) + L" (" + pattern + L")");
            filter.push_back(L'\0');
            filter.append(pattern).push_back(L'\0');
            if (_wcsicmp(own.c_str(), extension.c_str()) == 0) chosen = static_cast<DWORD>(i + 1);
        }
    }
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = chosen;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    // Given to a name typed without one before OFN_OVERWRITEPROMPT asks about that name.
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
    if (!GetSaveFileNameW(&dialog)) return {};
    return os::Utf8FromWide(file.data());
}

std::string ChooseOpenFile(HWND owner, std::string_view kind, std::string_view extension,
                           std::string_view folder) {
    const std::wstring initial = folder.empty() ? DocumentsFolder() : os::WideFromUtf8(folder);
    std::vector<wchar_t> file(32768, L'\0');
    const std::wstring filter = FileFilter(os::WideFromUtf8(kind), os::WideFromUtf8(extension));
    const std::wstring title = L"打开" + os::WideFromUtf8(kind);  // 打开排表
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrTitle = title.c_str();
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrInitialDir = initial.empty() ? nullptr : initial.c_str();
    dialog.Flags =
        OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameW(&dialog)) return {};
    return os::Utf8FromWide(file.data());
}

std::string ChooseFolder(HWND owner, std::string_view title, std::string_view folder) {
    const ComUse com;
    ComPtr<IFileOpenDialog> dialog;
    if (FAILED(CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(&dialog))))
        return {};
    FILEOPENDIALOGOPTIONS options = 0;
    dialog->GetOptions(&options);
    dialog->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST);
    dialog->SetTitle(os::WideFromUtf8(title).c_str());
    ComPtr<IShellItem> start;
    if (!folder.empty() && SUCCEEDED(SHCreateItemFromParsingName(os::WideFromUtf8(folder).c_str(),
                                                                 nullptr, IID_PPV_ARGS(&start))))
        dialog->SetFolder(start.Get());
    ComPtr<IShellItem> chosen;
    wchar_t* path = nullptr;
    if (FAILED(dialog->Show(owner)) || FAILED(dialog->GetResult(&chosen)) ||
        FAILED(chosen->GetDisplayName(SIGDN_FILESYSPATH, &path)))
        return {};
    std::string answer = os::Utf8FromWide(path);
    CoTaskMemFree(path);
    return answer;
}

}  // namespace deckplate::win
