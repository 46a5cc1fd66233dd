#include "report/project_info.h"

namespace deckplate::report {
namespace {

constexpr ProjectField kFields[] = {
    {&ProjectInfo::name, "name", "工程名称"},
    {&ProjectInfo::number, "number", "工程编号"},
    {&ProjectInfo::part, "part", "子项"},
    {&ProjectInfo::stage, "stage", "设计阶段"},
    {&ProjectInfo::calculatedBy, "calculated_by", "计算"},
    {&ProjectInfo::checkedBy, "checked_by", "校对"},
    {&ProjectInfo::approvedBy, "approved_by", "审核"},
    {&ProjectInfo::date, "date", "日期"},
};

}  // namespace

std::span<const ProjectField> ProjectFields() { return kFields; }

}  // namespace deckplate::report
