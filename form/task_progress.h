#pragma once
// A long task's progress passed on to the platform's bar in steps of a thousandth: a schedule of
// 100,000 rows asks the bar 1,000 times, not 100,000, so that drawing it and answering 取消 do
// not slow the run down.

#include <string_view>

#include "form/platform.h"

namespace deckplate::form {

class TaskProgress {
  public:
    TaskProgress(Platform& platform, std::string_view task) : platform_(platform), task_(task) {}
    ~TaskProgress() { platform_.EndProgress(); }
    TaskProgress(const TaskProgress&) = delete;
    TaskProgress& operator=(const TaskProgress&) = delete;

    /// The task is `done` (0 to 1) through; false once the user has pressed 取消.
    bool operator()(double done) {
        if (done < shown_ + kStep && done < 1 && shown_ >= 0) return true;
        shown_ = done;
        return platform_.ShowProgress(task_, done);
    }

  private:
    static constexpr double kStep = 0.001;
    Platform& platform_;
    std::string_view task_;
    double shown_ = -1;
};

}  // namespace deckplate::form
