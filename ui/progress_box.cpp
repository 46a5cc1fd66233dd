#include "ui/progress_box.h"

#include <QCoreApplication>

#include "form/control_table.h"
#include "ui/qt_text.h"

namespace deckplate::ui {
namespace {

constexpr int kShownAfterMs = 500;
constexpr int kBarSteps = 1000;

}  // namespace

bool ProgressBox::Step(QWidget* owner, std::string_view task, double done) {
    if (!running_.isValid()) running_.start();
    if (!cancelled_ && !box_ && running_.elapsed() >= kShownAfterMs) {
        box_ =
            new QProgressDialog(QStringFromUtf8(task), QStringLiteral("取消"), 0, kBarSteps, owner);
        box_->setWindowTitle(QStringFromUtf8(form::kApplicationTitle));
        box_->setWindowModality(Qt::WindowModal);
        // Made and shown here, once the task has run half a second, rather than left to the
        // box's own minimum duration, which would show it sooner for a task it guesses is long.
        // A full bar stays until End.
        box_->setAutoReset(false);
        box_->setAutoClose(false);
        box_->show();
    }
    if (box_) {
        box_->setLabelText(QStringFromUtf8(task));
        box_->setValue(qBound(0, qRound(done * kBarSteps), kBarSteps));
    }
    // Before the box is up the window would take clicks meant for a finished task (选型 again):
    // those wait, and the box, once modal, keeps them away from the window.
    QCoreApplication::processEvents(box_ ? QEventLoop::AllEvents
                                         : QEventLoop::ExcludeUserInputEvents);
    if (box_ && box_->wasCanceled()) {
        cancelled_ = true;
        delete box_;
    }
    return !cancelled_;
}

void ProgressBox::End() {
    delete box_;
    running_.invalidate();
    cancelled_ = false;
}

}  // namespace deckplate::ui
