#pragma once
// The project a calculation belongs to, as its title block states it: the project, its number,
// the part and the design stage, who calculated, checked and approved it, and the date. A bay
// file keeps it, the window edits it in 文件 → 工程信息…, and the calculation book prints it.

#include <span>
#include <string>
#include <string_view>

namespace deckplate::report {

/// Each field UTF-8 text as given; any may be empty.
struct ProjectInfo {
    std::string name{};          ///< 工程名称, also above every printed page
    std::string number{};        ///< 工程编号
    std::string part{};          ///< 子项
    std::string stage{};         ///< 设计阶段
    std::string calculatedBy{};  ///< 计算
    std::string checkedBy{};     ///< 校对
    std::string approvedBy{};    ///< 审核
    std::string date{};          ///< 日期, "2026-12-08"; empty: the day the book is written

    friend bool operator==(const ProjectInfo&, const ProjectInfo&) = default;
};

/// One field: where it is kept and how it is named.
struct ProjectField {
    std::string ProjectInfo::*field;
    std::string_view key;      ///< in a bay file and the remembered settings: "calculated_by"
    std::string_view caption;  ///< as the title block and the window name it: "计算"
};

/// Every field, in the order the title block lists them.
std::span<const ProjectField> ProjectFields();

}  // namespace deckplate::report
