#pragma once
// The real platform of the Qt window: Qt message boxes and Save dialog, files written through
// the shared one-step replacement, and the report file and viewers of this system —
// "d:\WExo.txt" and Notepad on Windows; ~/d/WExo.txt (the folder ~/d standing for drive D:)
// and the desktop's own viewers elsewhere.

#include "form/platform.h"

class QWidget;

namespace deckplate::ui {

class QtPlatform : public form::Platform {
  public:
    /// The window the message boxes and dialogs belong to; set once it exists.
    void SetWindow(QWidget* window) { window_ = window; }

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
    QWidget* window_ = nullptr;
};

}  // namespace deckplate::ui
