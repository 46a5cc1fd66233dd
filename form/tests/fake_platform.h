#pragma once
// A platform that records what the window asked of it, and answers as a test tells it to.

#include <map>
#include <string>
#include <vector>

#include "platform.h"

namespace deckplate::form {

class FakePlatform : public Platform {
  public:
    std::vector<std::string> messages;
    std::vector<std::string> errors;
    int endProgramCalls = 0;
    std::vector<std::string> writes;
    std::string writeFailure;        ///< returned by WriteReportFile when set
    std::string viewerFailure;       ///< returned by StartViewer when set
    std::vector<std::string> calls;  ///< "write" and "viewer" in the order they came
    std::map<std::string, std::string, std::less<>> settings;  ///< survives a new Form1

    void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
    void ReportError(std::string_view text) override { errors.emplace_back(text); }
    void EndProgram() override { ++endProgramCalls; }
    std::string WriteReportFile(std::string_view text) override {
        calls.emplace_back("write");
        if (writeFailure.empty()) writes.emplace_back(text);
        return writeFailure;
    }
    std::string StartViewer() override {
        calls.emplace_back("viewer");
        return viewerFailure;
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
