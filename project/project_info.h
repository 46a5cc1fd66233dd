#pragma once
// The project a calculation belongs to, as its title block states it: the project, its number,
// the part and the design stage, who calculated, checked and approved it, and the date; for an
// institute also its name (设计单位), the book's number, the member (构件), the discipline's lead
// engineer (专业负责人), who authorises it (审定) and the institute's logo, a PNG or JPEG file
// kept by its path. A bay
// file keeps it, the window edits it in 文件 → 工程信息…, the command line takes it from options,
// and the calculation book prints it. Whatever gives it, one rule decides what a field may hold
// (ProjectTextProblem): a book never prints a page of text, a line break or a day that is not one.

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace deckplate::project {

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
    std::string designUnit{};    ///< 设计单位, the institute
    std::string bookNumber{};    ///< 计算书编号
    std::string member{};        ///< 构件, the bay's name as the title block states it
    std::string leadEngineer{};  ///< 专业负责人
    std::string authorizedBy{};  ///< 审定
    std::string logo{};          ///< the logo's file, a PNG or JPEG, as given

    friend bool operator==(const ProjectInfo&, const ProjectInfo&) = default;
};

/// One field: where it is kept and how it is named.
struct ProjectField {
    std::string ProjectInfo::*field;
    std::string_view key;      ///< in a bay file and the remembered settings: "calculated_by"
    std::string_view caption;  ///< as the title block and the window name it: "计算"
};

/// Every field: the project's first, in the order the window lists them.
std::span<const ProjectField> ProjectFields();

/// The most characters a field of the project information may have.
inline constexpr std::size_t kMostProjectCharacters = 200;

/// What is wrong with a text given for a field of the project information.
enum class ProjectTextFault {
    NotUtf8,
    ControlCharacter,  ///< a line break, a tab, ESC, NUL or another control character
    TooLong,           ///< more than kMostProjectCharacters characters
    NotADate,          ///< the date: not a day of the calendar written YYYY-MM-DD
};

/// The fault of `text` as the value of `field`, or none: one line of UTF-8 text of at most
/// kMostProjectCharacters characters, and the date either empty (the day the book is written) or
/// a day of the calendar written YYYY-MM-DD.
std::optional<ProjectTextFault> ProjectTextProblem(const ProjectField& field,
                                                   std::string_view text);

/// A field of a project at fault, and its fault.
struct ProjectProblem {
    const ProjectField* field = nullptr;
    ProjectTextFault fault = ProjectTextFault::NotUtf8;
};
/// The first field of `project` at fault, in the order of ProjectFields(), or none.
std::optional<ProjectProblem> ProjectInfoProblem(const ProjectInfo& project);

/// The fault in English, after what names the field: "is longer than 200 characters".
std::string ProjectTextFaultText(ProjectTextFault fault);

/// Whether `text` is a date of the calendar written YYYY-MM-DD: "2024-02-29" is, "2023-02-29"
/// and "2024-2-9" are not.
bool IsIsoDate(std::string_view text);

/// The project information with today's date when it has none.
ProjectInfo Dated(ProjectInfo project);

}  // namespace deckplate::project
