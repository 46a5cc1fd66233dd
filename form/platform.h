#pragma once
// What the window needs from the operating system, behind one interface: the message box, the
// error report, ending the program, files written in one step and opened in their viewer, the
// Open, Save and folder dialogs, the window's own dialogs shown modally, a long task's progress,
// today's date and the remembered choices. Each edition implements it for real (the Qt
// window on Linux, the Windows-API window on Windows); tests use a recording fake. Texts and paths
// are UTF-8.

#include <memory>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "os/file_replacement.h"
#include "os/today.h"

namespace deckplate::form {

class Dialog;

/// A file written as a stream and put in place in one step, so that memory stays flat however
/// long it is. Destroyed without Commit(), it leaves an earlier file of that name as it was.
class FileWriter {
  public:
    virtual ~FileWriter() = default;
    /// Where its text goes, UTF-8 as it is.
    virtual std::ostream& Stream() = 0;
    /// Replaces the file with what was written, in one step. Throws os::FileError.
    virtual void Commit() = 0;
};

/// A kind of file the Save dialog offers in its list: "Word 文档" with the extension "docx".
struct FileKind {
    std::string_view description;
    std::string_view extension;
};

/// What opens a written file.
enum class Viewer {
    TextEditor,  ///< the report: Notepad on Windows, the desktop's text viewer elsewhere
    Browser,     ///< the calculation book
    Associated,  ///< whatever the system opens the file's kind with: Excel for a CSV file
};

class Platform {
  public:
    virtual ~Platform() = default;

    /// Modal message with one OK button, no icon and the application's title.
    virtual void ShowMessage(std::string_view text) = 0;
    /// Modal error report with the application's title; the program keeps running.
    virtual void ReportError(std::string_view text) = 0;
    /// Ends the program at once, without prompt.
    virtual void EndProgram() = 0;

    /// The report file: "d:\WExo.txt" on Windows; ~/d/WExo.txt elsewhere, the folder ~/d
    /// standing for drive D: and made when missing. Throws os::FileError when it cannot be.
    virtual std::string ReportPath() = 0;
    /// Replaces the file at `path` with `text` as one step, in `encoding`: on failure the
    /// previous file stays as it was. Throws os::FileError.
    virtual void WriteTextFile(std::string_view path, std::string_view text,
                               os::TextEncoding encoding) = 0;
    /// Starts the file at `path`, written as a stream (os::FileReplacement, in every edition).
    /// Throws os::FileError when it cannot be started.
    virtual std::unique_ptr<FileWriter> StartFile(std::string_view path);
    /// Opens the file in `viewer` without waiting. Empty on success, else the reason in words.
    virtual std::string OpenFile(std::string_view path, Viewer viewer) = 0;
    /// The standard Save dialog, proposing `name` in the user's documents, or `name`'s folder
    /// when it is a whole path: the chosen path, or empty when the user cancels. It asks before
    /// an existing file is replaced. With `kinds`, it offers them in its list of kinds, the
    /// proposed name's kind chosen at first, and a name typed without an extension gets the
    /// chosen kind's.
    virtual std::string ChooseSaveFile(std::string_view name,
                                       std::span<const FileKind> kinds = {}) = 0;
    /// The standard Open dialog for an existing file of the kind `extension` ("csv"), described
    /// as `kind` ("排表"): the chosen path, or empty when the user cancels.
    virtual std::string ChooseOpenFile(std::string_view kind, std::string_view extension) = 0;
    /// The standard folder dialog, titled `title`: the chosen folder, or empty when cancelled.
    virtual std::string ChooseFolder(std::string_view title) = 0;

    /// Shows one of the window's dialogs modally over the window until the dialog closes.
    virtual void RunDialog(Dialog& dialog) = 0;
    /// A long task, `task` ("批量验算"), is `done` (0 to 1) through: once it has run half a
    /// second, a modal box shows a bar and 取消 until EndProgress. False once 取消 was pressed.
    virtual bool ShowProgress(std::string_view task, double done) = 0;
    /// The task is over: its box, if shown, goes.
    virtual void EndProgress() = 0;

    /// Today's date, "2026-12-07", as a calculation book states it.
    virtual std::string Today() { return os::TodayIso(); }

    /// A choice remembered between runs (QSettings; the registry under HKEY_CURRENT_USER on
    /// Windows), or empty when none is stored.
    virtual std::string LoadSetting(std::string_view key) = 0;
    virtual void SaveSetting(std::string_view key, std::string_view value) = 0;
};

}  // namespace deckplate::form
