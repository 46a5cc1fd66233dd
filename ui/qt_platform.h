#pragma once
// The real platform of the Qt window: Qt message boxes, and the report file and viewer of this
// system — "d:\WExo.txt" and Notepad on Windows; ~/d/WExo.txt (the folder ~/d standing for
// drive D:) and the desktop's text viewer elsewhere.

#include <QString>

#include "platform.h"

class QWidget;

namespace deckplate::ui {

class QtPlatform : public form::Platform {
  public:
    /// The window the message boxes belong to; set once it exists.
    void SetWindow(QWidget* window) { window_ = window; }

    void ShowMessage(std::string_view text) override;
    void ReportError(std::string_view text) override;
    void EndProgram() override;
    std::string WriteReportFile(std::string_view text) override;
    std::string StartViewer() override;
    std::string LoadSetting(std::string_view key) override;
    void SaveSetting(std::string_view key, std::string_view value) override;

  private:
    QWidget* window_ = nullptr;
};

}  // namespace deckplate::ui
