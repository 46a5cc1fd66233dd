#include "form/project_info_dialog.h"

#include <string>

#include "form/bay_file_words.h"
#include "os/shown_text.h"

namespace deckplate::form {
namespace {

using enum ProjectInfoControl;
using enum DialogKind;

constexpr int Id(ProjectInfoControl control) { return static_cast<int>(control); }

// Each field's caption and box, in the order of project::ProjectFields().
// clang-format off
constexpr DialogRow kRows[] = {
    {Id(NameCaption),         "NameCaption",         Label,       240,  270, 1200,  255, "工程名称"},
    {Id(Name),                "Name",                TextBox,    1500,  240, 4500,  315, ""},
    {Id(NumberCaption),       "NumberCaption",       Label,       240,  690, 1200,  255, "工程编号"},
    {Id(Number),              "Number",              TextBox,    1500,  660, 4500,  315, ""},
    {Id(PartCaption),         "PartCaption",         Label,       240, 1110, 1200,  255, "子项"},
    {Id(Part),                "Part",                TextBox,    1500, 1080, 4500,  315, ""},
    {Id(StageCaption),        "StageCaption",        Label,       240, 1530, 1200,  255, "设计阶段"},
    {Id(Stage),               "Stage",               TextBox,    1500, 1500, 4500,  315, ""},
    {Id(CalculatedByCaption), "CalculatedByCaption", Label,       240, 1950, 1200,  255, "计算"},
    {Id(CalculatedBy),        "CalculatedBy",        TextBox,    1500, 1920, 4500,  315, ""},
    {Id(CheckedByCaption),    "CheckedByCaption",    Label,       240, 2370, 1200,  255, "校对"},
    {Id(CheckedBy),           "CheckedBy",           TextBox,    1500, 2340, 4500,  315, ""},
    {Id(ApprovedByCaption),   "ApprovedByCaption",   Label,       240, 2790, 1200,  255, "审核"},
    {Id(ApprovedBy),          "ApprovedBy",          TextBox,    1500, 2760, 4500,  315, ""},
    {Id(DateCaption),         "DateCaption",         Label,       240, 3210, 1200,  255, "日期"},
    {Id(Date),                "Date",                TextBox,    1500, 3180, 4500,  315, ""},
    {Id(DesignUnitCaption),   "DesignUnitCaption",   Label,       240, 3990, 1200,  255, "设计单位"},
    {Id(DesignUnit),          "DesignUnit",          TextBox,    1500, 3960, 4500,  315, ""},
    {Id(BookNumberCaption),   "BookNumberCaption",   Label,       240, 4410, 1200,  255, "计算书编号"},
    {Id(BookNumber),          "BookNumber",          TextBox,    1500, 4380, 4500,  315, ""},
    {Id(MemberCaption),       "MemberCaption",       Label,       240, 4830, 1200,  255, "构件"},
    {Id(Member),              "Member",              TextBox,    1500, 4800, 4500,  315, ""},
    {Id(LeadEngineerCaption), "LeadEngineerCaption", Label,       240, 5250, 1200,  255, "专业负责人"},
    {Id(LeadEngineer),        "LeadEngineer",        TextBox,    1500, 5220, 4500,  315, ""},
    {Id(AuthorizedByCaption), "AuthorizedByCaption", Label,       240, 5670, 1200,  255, "审定"},
    {Id(AuthorizedBy),        "AuthorizedBy",        TextBox,    1500, 5640, 4500,  315, ""},
    {Id(LogoCaption),         "LogoCaption",         Label,       240, 6090, 1200,  255, "标志图片"},
    {Id(Logo),                "Logo",                TextBox,    1500, 6060, 4500,  315, ""},
    {Id(DateHint),            "DateHint",            Label,      1500, 3540, 4500,  255, "留空则为导出计算书的当天"},
    {Id(LogoHint),            "LogoHint",            Label,      1500, 6420, 4500,  255, "设计单位标志：PNG 或 JPEG 文件的路径"},
    {Id(Accept),              "Accept",              PushButton, 3240, 6900, 1320,  390, "确定", true},
    {Id(Cancel),              "Cancel",              PushButton, 4680, 6900, 1320,  390, "取消"},
};
// clang-format on
static_assert(RowsInOrder(kRows), "row i of the table must describe control i");
constexpr DialogTable kTable{"工程信息", 6240, 7530, kRows};

// The box of field i of project::ProjectFields(): every other control from Name.
constexpr int BoxOf(std::size_t field) { return Id(Name) + 2 * static_cast<int>(field); }
static_assert(BoxOf(7) == Id(Date) && BoxOf(13) == Id(Logo),
              "a caption and a box for each field, in the fields' order");

}  // namespace

const DialogTable& ProjectInfoDialogTable() { return kTable; }

ProjectInfoDialog::ProjectInfoDialog(Platform& platform, const project::ProjectInfo& project)
    : Dialog(kTable), platform_(platform) {
    const auto fields = project::ProjectFields();
    for (std::size_t i = 0; i < fields.size(); ++i) SetText(BoxOf(i), project.*(fields[i].field));
}

void ProjectInfoDialog::OnClicked(int control) {
    if (control == Id(ProjectInfoControl::Accept)) {
        project::ProjectInfo project;
        const auto fields = project::ProjectFields();
        for (std::size_t i = 0; i < fields.size(); ++i)
            project.*(fields[i].field) = State(BoxOf(i)).text;
        if (const auto problem = project::ProjectInfoProblem(project)) {
            const std::size_t i = static_cast<std::size_t>(problem->field - fields.data());
            platform_.ReportError(std::string(problem->field->caption) + "“" +
                                  os::ShownText(project.*(problem->field->field)) + "”" +
                                  ProjectTextWords(problem->fault) + "。请改正后再确定。");
            Focus(BoxOf(i));
            return;
        }
        accepted_ = std::move(project);
    }
    Finish();
}

}  // namespace deckplate::form
