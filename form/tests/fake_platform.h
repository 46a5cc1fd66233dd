#pragma once
// A platform that records what the window asked of it, and answers as a test tells it to.

#include <map>
#include <set>
#include <string>
#include <system_error>
#include <vector>

#include "form/platform.h"

namespace deckplate::form {

class FakePlatform : public Platform {
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
    std::string openFailure;  ///< returned by OpenFile when set
    std::string saveChoice;   ///< the Save dialog's answer; empty: cancelled
    /// "write PATH", "open PATH" (text editor), "browse PATH", "choose NAME", in order
    std::vector<std::string> calls;
    std::map<std::string, std::string, std::less<>> settings;  ///< survives a new Form1

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
    }
    std::string OpenFile(std::string_view path, Viewer viewer) override {
        calls.push_back((viewer == Viewer::Browser ? "browse " : "open ") + std::string(path));
        return openFailure;
    }
    std::string ChooseSaveFile(std::string_view name) override {
        calls.push_back("choose " + std::string(name));
        return saveChoice;
    }
    std::string LoadSetting(std::string_view key) override {
        const auto found = settings.find(key);
        return found == settings.end() ? std::string() : found->second;
    }
    void SaveSetting(std::string_view key, std::string_view value) override {
        settings[std::string(key)] = value;
    }
};

}  // namespace deckplate::form
