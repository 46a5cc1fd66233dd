#pragma once
// A platform that records what the window asked of it, and answers as a test tells it to.

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
};

}  // namespace deckplate::form
