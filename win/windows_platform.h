#pragma once
// The real platform of the Windows window: MessageBoxW, the report at d:\WExo.txt written in one
// step (os::ReplaceTextFile: a temporary file beside it, then MoveFileExW), Notepad started
// without waiting, the shell's program for the calculation book and for a file of any other
// kind (one that ends at once with a failing status is said), the standard Open, Save and folder
// dialogs starting in the folder last used (file_dialogs.h), the window's dialogs
// (dialog_window.h) and a long task's progress (progress_box.h), and the remembered choices in
// the registry under HKEY_CURRENT_USER\Software\DeckPlate.
//
// What the platform shows is owned by the window, or by the dialog on show over it, so that it
// stays above that and the window stays disabled until the dialog ends.

#include <windows.h>

#include <memory>

#include "form/platform.h"

namespace deckplate::win {

class ProgressBox;

class WindowsPlatform : public form::Platform {
  public:
    WindowsPlatform();
    ~WindowsPlatform() override;

    /// The window that owns the message boxes and dialogs; set once it exists.
    void SetWindow(HWND window) { owner_ = window; }

    void ShowMessage(std::string_view text) override;
    void ReportError(std::string_view text) override;
    void EndProgram() override;
    std::string ReportPath() override;
    void WriteTextFile(std::string_view path, std::string_view text,
                       os::TextEncoding encoding) override;
    std::string OpenFile(std::string_view path, form::Viewer viewer) override;
    std::string ChooseSaveFile(std::string_view name,
                               std::span<const form::FileKind> kinds = {}) override;
    std::string ChooseOpenFile(std::string_view kind, std::string_view extension) override;
    std::string ChooseFolder(std::string_view title) override;
    void RunDialog(form::Dialog& dialog) override;
    bool ShowProgress(std::string_view task, double done) override;
    void EndProgress() override;
    std::string LoadSetting(std::string_view key) override;
    void SaveSetting(std::string_view key, std::string_view value) override;

  private:
    HWND owner_ = nullptr;                   ///< the window, or the dialog on show over it
    std::unique_ptr<ProgressBox> progress_;  ///< from a task's first step to its end
};

}  // namespace deckplate::win
