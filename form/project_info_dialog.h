#pragma once
// 文件 → 工程信息…: the project the bay belongs to, as the calculation book's title block states
// it — 工程名称, 工程编号, 子项, 设计阶段, who calculated, checked and approved it, the date
// (the day the book is written when left empty), and for an institute 设计单位, 计算书编号, 构件,
// 专业负责人, 审定 and the path of its logo. 确定 takes what is typed, when every field
// holds what the options of the command line may give (project/project_info.h): else it says what
// is wrong and where, and the dialog stays for it to be put right. 取消 keeps the project as it
// was.

#include <optional>

#include "form/dialog.h"
#include "project/project_info.h"

namespace deckplate::form {

// clang-format off
enum class ProjectInfoControl : int {
    NameCaption, Name, NumberCaption, Number, PartCaption, Part, StageCaption, Stage,
    CalculatedByCaption, CalculatedBy, CheckedByCaption, CheckedBy,
    ApprovedByCaption, ApprovedBy, DateCaption, Date,
    DesignUnitCaption, DesignUnit, BookNumberCaption, BookNumber, MemberCaption, Member,
    LeadEngineerCaption, LeadEngineer, AuthorizedByCaption, AuthorizedBy, LogoCaption, Logo,
    DateHint, LogoHint,
    Accept, Cancel,
};
// clang-format on

class ProjectInfoDialog : public Dialog {
  public:
    ProjectInfoDialog(Platform& platform, const project::ProjectInfo& project);
    /// The project as typed, once 确定 has closed the dialog.
    const std::optional<project::ProjectInfo>& Accepted() const { return accepted_; }

  private:
    void OnClicked(int control) override;

    Platform& platform_;
    std::optional<project::ProjectInfo> accepted_;
};

const DialogTable& ProjectInfoDialogTable();

}  // namespace deckplate::form
