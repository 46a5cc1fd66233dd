#include "ui/progress_box.h"

#include <QCoreApplication>
#include <QProgressDialog>

#include "form/control_table.h"
#include "ui/qt_text.h"

namespace deckplate::ui {
namespace {

constexpr int kShownAfterMs = 500;
constexpr int kBarSteps = 1000;

}  // namespace

ProgressBox::ProgressBox() = default;
ProgressBox::~ProgressBox() = default;

bool ProgressBox::Step(QWidget* owner, std::string_view task, double done) {
    if (!running_.isValid()) running_.start();
    if (!cancelled_ && !box_ && running_.elapsed() >= kShownAfterMs) {
        box_ = std::make_unique<QProgressDialog>(QStringFromUtf8(task), QStringLiteral("取消"), 0,
                                                 kBarSteps, owner);
        box_->setWindowTitle(QStringFromUtf8(form::kApplicationTitle));
        box_->setWindowModality(Qt::WindowModal);
        // Shown here, by the half second since the task began, not by the box's own guess of
        // how long the task will take; and kept at a full bar until End.
        box_->setMinimumDuration(kShownAfterMs);
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
        box_.reset();
    }
    return !cancelled_;
}

void ProgressBox::End() {
    box_.reset();
    running_.invalidate();
    cancelled_ = false;
}

}  // namespace deckplate::ui
