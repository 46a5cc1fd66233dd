#pragma once
// A long task's box in the Qt window: a bar and 取消, shown only once the task has run half a
// second, so that a short task never flashes a box. The task runs on the window's own thread;
// every step lets Qt handle what is pending, so the window repaints and 取消 is heard.

#include <QElapsedTimer>
#include <QPointer>
#include <QProgressDialog>
#include <string_view>

namespace deckplate::ui {

class ProgressBox {
  public:
    ProgressBox() = default;
    ~ProgressBox() { End(); }
    ProgressBox(const ProgressBox&) = delete;
    ProgressBox& operator=(const ProgressBox&) = delete;

    /// `task` is `done` (0 to 1) through; the box, once shown, is window-modal over `owner`.
    /// False once 取消 was pressed, until End.
    bool Step(QWidget* owner, std::string_view task, double done);
    /// The task is over: the box, if shown, goes, and the next Step starts the half second anew.
    void End();

  private:
    QElapsedTimer running_;
    /// Owned by the window or dialog it stands over, which may go first (the box with it).
    QPointer<QProgressDialog> box_;
    bool cancelled_ = false;
};

}  // namespace deckplate::ui
