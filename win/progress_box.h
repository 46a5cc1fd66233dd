#pragma once
// A long task's progress: a small box over the window with a bar and 取消, shown once the task
// has run half a second, so that a short task shows nothing. From the task's start the owner
// takes no input (it is disabled, and only the box's own keys and clicks are passed on), so
// that nothing the user does starts a second task inside the first; what is pending is
// processed at every step, so that the box is drawn and 取消 answers.

#include <windows.h>

#include <chrono>
#include <memory>
#include <string_view>

namespace deckplate::win {

class FormFonts;

class ProgressBox {
  public:
    /// The task `task` ("批量验算") starts now, over `owner` (none: over the screen).
    ProgressBox(HWND owner, std::string_view task);
    /// The task is over: the box goes, the owner takes input again and has its focus back.
    ~ProgressBox();
    ProgressBox(const ProgressBox&) = delete;
    ProgressBox& operator=(const ProgressBox&) = delete;

    /// The task is `done` (0 to 1) through: shows it, once the box is on show, and processes
    /// what is pending. False once 取消 was pressed (or the box closed, or the program is
    /// ending).
    bool Step(double done);

    HWND Handle() const { return box_; }

  private:
    static INT_PTR CALLBACK Procedure(HWND box, UINT message, WPARAM w, LPARAM l);
    void ProcessPending();
    bool ForTheBox(const MSG& message) const;

    HWND owner_;
    HWND ownerFocus_;
    bool ownerWasEnabled_;
    std::chrono::steady_clock::time_point start_;
    HWND box_ = nullptr;
    HWND bar_ = nullptr;
    std::unique_ptr<FormFonts> fonts_;
    bool cancelled_ = false;
};

}  // namespace deckplate::win
