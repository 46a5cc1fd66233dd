#pragma once
// A platform that records what the window asked of it, and answers as a test tells it to.

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include "form/dialog.h"
#include "form/platform.h"
#include "os/paths.h"

namespace deckplate::form {

class FakePlatform : public Platform {
    class File : public FileWriter {
      public:
        File(FakePlatform& platform, std::string path) : platform_(platform), path_(path) {}
        std::ostream& Stream() override { return text_; }
        void Commit() override {
            platform_.writes.push_back({path_, text_.str(), os::TextEncoding::Utf8});
        }

      private:
        FakePlatform& platform_;
        std::string path_;
        std::ostringstream text_;
    };

  public:
    struct Write {
        std::string path, text;
        os::TextEncoding encoding;
    };

    std::vector<std::string> messages;
    std::vector<std::string> errors;
    int endProgramCalls = 0;
    std::string reportPath = "d:\\WExo.txt";
    std::set<std::string, std::less<>> unwritable;  ///< paths whose writing fails
    std::vector<Write> writes;
    bool onDisk = false;      ///< a text written goes to disk too, as the editions write it
    std::string openFailure;  ///< returned by OpenFile when set
    /// The Save dialog's answer, given the proposed name's extension when it has none, as the
    /// editions' dialogs give it; empty: cancelled.
    std::string saveChoice;
    std::string openChoice;    ///< the Open dialog's answer; empty: cancelled
    std::string folderChoice;  ///< the folder dialog's answer; empty: cancelled
    /// What the user does in each dialog the window shows, in order; a dialog without one is
    /// cancelled.
    std::vector<std::function<void(Dialog&)>> dialogs;
    int progressSteps = 0;  ///< ShowProgress calls
    int cancelAfter = -1;   ///< 取消 pressed at this ShowProgress call (counting from 1)
    /// "write PATH", "start PATH" (a streamed file), "open PATH" (text editor), "browse PATH",
    /// "associated PATH", "choose NAME", "open-dialog KIND", "folder TITLE", "dialog TITLE",
    /// "progress-end", in order
    std::vector<std::string> calls;
    std::map<std::string, std::string, std::less<>> settings;  ///< survives a new Form1
    std::size_t dialogsShown = 0;

    void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
    void ReportError(std::string_view text) override { errors.emplace_back(text); }
    void EndProgram() override { ++endProgramCalls; }
    std::string ReportPath() override { return reportPath; }
    void WriteTextFile(std::string_view path, std::string_view text,
                       os::TextEncoding encoding) override {
        calls.push_back("write " + std::string(path));
        if (unwritable.contains(path))
            throw os::FileError(os::FileStep::Create, std::string(path),
                                std::make_error_code(std::errc::no_such_device));
        writes.push_back({std::string(path), std::string(text), encoding});
        if (onDisk) os::ReplaceTextFile(os::PathFromUtf8(path), text, encoding);
    }
    /// A streamed file lands among the writes when it is committed, as a whole.
    std::unique_ptr<FileWriter> StartFile(std::string_view path) override {
        calls.push_back("start " + std::string(path));
        if (unwritable.contains(path))
            throw os::FileError(os::FileStep::Create, std::string(path),
                                std::make_error_code(std::errc::no_such_device));
        return std::make_unique<File>(*this, std::string(path));
    }
    std::string OpenFile(std::string_view path, Viewer viewer) override {
        const char* how = viewer == Viewer::Browser      ? "browse "
                          : viewer == Viewer::Associated ? "associated "
                                                         : "open ";
        calls.push_back(how + std::string(path));
        return openFailure;
    }
    std::string ChooseSaveFile(std::string_view name,
                               std::span<const FileKind> kinds = {}) override {
        std::string offered;
        for (const FileKind& kind : kinds) offered += " *." + std::string(kind.extension);
        calls.push_back("choose " + std::string(name) + offered);
        if (saveChoice.empty() || os::PathFromUtf8(saveChoice).has_extension()) return saveChoice;
        return saveChoice + os::Utf8Of(os::PathFromUtf8(name).extension());
    }
    std::string ChooseOpenFile(std::string_view kind, std::string_view) override {
        calls.push_back("open-dialog " + std::string(kind));
        return openChoice;
    }
    std::string ChooseFolder(std::string_view title) override {
        calls.push_back("folder " + std::string(title));
        return folderChoice;
    }
    void RunDialog(Dialog& dialog) override {
        calls.push_back("dialog " + std::string(dialog.Table().title));
        const std::size_t shown = dialogsShown++;
        if (shown < dialogs.size()) dialogs[shown](dialog);
        if (dialog.IsOpen()) dialog.Cancel();
    }
    bool ShowProgress(std::string_view, double) override { return ++progressSteps != cancelAfter; }
    void EndProgress() override { calls.push_back("progress-end"); }
    std::string LoadSetting(std::string_view key) override {
        const auto found = settings.find(key);
        return found == settings.end() ? std::string() : found->second;
    }
    void SaveSetting(std::string_view key, std::string_view value) override {
        settings[std::string(key)] = value;
    }

    // Where the editions' dialogs start, for the tests.
    using Platform::ProposedPath;
    using Platform::RememberFolder;
    using Platform::StartFolder;
};

}  // namespace deckplate::form
