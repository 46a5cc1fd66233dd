#pragma once
// The real platform of the Windows window: MessageBoxW, the report at d:\WExo.txt written in one
// step (os::ReplaceTextFile: a temporary file beside it, then MoveFileExW), Notepad started
// without waiting, the standard Save dialog proposing the user's Documents folder, and the
// remembered choices in the registry under HKEY_CURRENT_USER\Software\DeckPlate.

#include <windows.h>

#include "form/platform.h"

namespace deckplate::win {

class WindowsPlatform : public form::Platform {
  public:
    /// The window that owns the message boxes and the Save dialog; set once it exists.
    void SetWindow(HWND window) { window_ = window; }

    void ShowMessage(std::string_view text) override;
    void ReportError(std::string_view text) override;
    void EndProgram() override;
    std::string ReportPath() override;
    void WriteTextFile(std::string_view path, std::string_view text,
                       os::TextEncoding encoding) override;
    std::string OpenFile(std::string_view path, form::Viewer viewer) override;
    std::string ChooseSaveFile(std::string_view name) override;
    std::string LoadSetting(std::string_view key) override;
    void SaveSetting(std::string_view key, std::string_view value) override;

  private:
    HWND window_ = nullptr;
};

}  // namespace deckplate::win
