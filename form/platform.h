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

/// The report's file name: on drive D: under Windows, in the folder standing for it elsewhere,
/// and the name proposed when it has to go elsewhere.
inline constexpr std::string_view kReportFileName = "WExo.txt";
/// The report file under Windows: d:\WExo.txt.
inline std::string WindowsReportPath() { return "d:\\" + std::string(kReportFileName); }

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
    /// Opens the file in `viewer` without waiting for the viewer to close. Empty once the
    /// viewer is running; when it cannot start, or gives up at once (no program for the file's
    /// kind, a browser that will not start), a text that names the file and says why.
    virtual std::string OpenFile(std::string_view path, Viewer viewer) = 0;
    /// The standard Save dialog, proposing `name` in StartFolder(), or in `name`'s own folder
    /// when it is a whole path, and listing the files of `name`'s kind (FileKindName) before all
    /// files: the chosen path, or empty when the user cancels. A name typed without an extension
    /// gets `name`'s, and only then does the dialog ask before an existing file is replaced.
    /// With `kinds`, it lists them instead, the proposed name's kind chosen at first, and a name
    /// typed without an extension gets the chosen kind's.
    virtual std::string ChooseSaveFile(std::string_view name,
                                       std::span<const FileKind> kinds = {}) = 0;
    /// The standard Open dialog, in StartFolder(), for an existing file of the kind `extension`
    /// ("csv"), described as `kind` ("排表"), or any file: the chosen path, or empty when the
    /// user cancels.
    virtual std::string ChooseOpenFile(std::string_view kind, std::string_view extension) = 0;
    /// The standard folder dialog, in StartFolder(), titled `title`: the chosen folder, or empty
    /// when cancelled.
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

    /// Remembers the folder of `used`, a file chosen in a dialog, opened or saved, for the next
    /// dialog.
    void RememberFolderOf(std::string_view used);

  protected:
    /// Where every file dialog starts: the folder the user last chose a file or a folder in, or
    /// last opened or saved a bay file in, in this run or an earlier one, while it is there; else
    /// empty, and the edition starts in the user's documents (their home when there are none).
    std::string StartFolder();
    /// `name` as a Save dialog proposes it: a whole path as it is, a bare name in StartFolder().
    std::string ProposedPath(std::string_view name);
    /// Remembers `folder`, chosen in the folder dialog, for the next dialog.
    void RememberFolder(std::string_view folder);
};

/// How a file dialog describes the files of the kind `extension` ("deckplate": 铺板计算文件);
/// empty for a kind without words of its own, listed by its pattern alone.
std::string_view FileKindName(std::string_view extension);

}  // namespace deckplate::form
