#pragma once
// The real platform of the Qt window: Qt message boxes (plain text, whatever a file's name
// holds), file and folder dialogs starting in the folder last used, the window's dialogs and a
// long task's box, files written through the shared one-step replacement, and the report file
// and viewers of this system — ~/d/WExo.txt (the folder ~/d standing for drive D:) and the
// desktop's own viewers through xdg-open, whose failure is read (viewer_process.h). What opens
// while one of the window's dialogs is on show opens over that dialog.

#include "form/platform.h"
#include "ui/progress_box.h"

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
    /// The window, or the dialog or box on show over it.
    QWidget* Owner() const;

    QWidget* window_ = nullptr;
    ProgressBox progress_;
};

}  // namespace deckplate::ui
