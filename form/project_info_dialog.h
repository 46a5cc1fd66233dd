#pragma once
// 文件 → 工程信息…: the project the bay belongs to, as the calculation book's title block states
// it — 工程名称, 工程编号, 子项, 设计阶段, who calculated, checked and approved it, and the date
// (the day the book is written when left empty). 确定 takes what is typed; 取消 keeps the
// project as it was.

#include <optional>

#include "form/dialog.h"
#include "report/project_info.h"

namespace deckplate::form {

// clang-format off
enum class ProjectInfoControl : int {
    NameCaption, Name, NumberCaption, Number, PartCaption, Part, StageCaption, Stage,
    CalculatedByCaption, CalculatedBy, CheckedByCaption, CheckedBy,
    ApprovedByCaption, ApprovedBy, DateCaption, Date, DateHint,
    Accept, Cancel,
};
// clang-format on

class ProjectInfoDialog : public Dialog {
  public:
    explicit ProjectInfoDialog(const report::ProjectInfo& project);
    /// The project as typed, once 确定 has closed the dialog.
    const std::optional<report::ProjectInfo>& Accepted() const { return accepted_; }

  private:
    void OnClicked(int control) override;

    std::optional<report::ProjectInfo> accepted_;
};

const DialogTable& ProjectInfoDialogTable();

}  // namespace deckplate::form
