#pragma once
// What the window needs from the operating system, behind one interface: the message box, the
// error report, ending the program, the report file and its viewer, and the remembered choices. Each edition implements it
// for real (the Qt window on Linux, the Windows-API window on Windows); tests use a recording
// fake. Texts are UTF-8.

#include <string>
#include <string_view>

namespace deckplate::form {

class Platform {
  public:
    virtual ~Platform() = default;

    /// Modal message with one OK button, no icon and the application's title.
    virtual void ShowMessage(std::string_view text) = 0;
    /// Modal error report with the application's title; the program keeps running.
    virtual void ReportError(std::string_view text) = 0;
    /// Ends the program at once, without prompt.
    virtual void EndProgram() = 0;

    /// Replaces the report file with `text` (written in the code page the report is read in)
    /// as one step: on failure the previous file stays as it was. Returns an empty string on
    /// success, else the reason in words, naming the path.
    virtual std::string WriteReportFile(std::string_view text) = 0;
    /// Opens the report in the text editor without waiting. Empty on success, else the reason.
    virtual std::string StartViewer() = 0;

    /// A choice remembered between runs (QSettings; the registry under HKEY_CURRENT_USER on
    /// Windows), or empty when none is stored.
    virtual std::string LoadSetting(std::string_view key) = 0;
    virtual void SaveSetting(std::string_view key, std::string_view value) = 0;
};

}  // namespace deckplate::form
