#include "project/project_info.h"

#include <charconv>
#include <chrono>

#include "os/today.h"
#include "os/utf8.h"

namespace deckplate::project {
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
    {&ProjectInfo::designUnit, "design_unit", "设计单位"},
    {&ProjectInfo::bookNumber, "book_number", "计算书编号"},
    {&ProjectInfo::member, "member", "构件"},
    {&ProjectInfo::leadEngineer, "lead_engineer", "专业负责人"},
    {&ProjectInfo::authorizedBy, "authorized_by", "审定"},
    {&ProjectInfo::logo, "logo", "标志图片"},
};

}  // namespace

std::span<const ProjectField> ProjectFields() { return kFields; }

std::optional<ProjectTextFault> ProjectTextProblem(const ProjectField& field,
                                                   std::string_view text) {
    const bool date = field.field == &ProjectInfo::date;
    std::size_t characters = 0;
    for (std::string_view rest = text; !rest.empty(); ++characters) {
        const std::size_t length = os::Utf8CharacterLength(rest);
        if (length == 0) return ProjectTextFault::NotUtf8;
        const auto lead = static_cast<unsigned char>(rest.front());
        // C0, DEL and C1 (U+0080 to U+009F, written C2 80 to C2 9F).
        const bool control = lead < 0x20 || lead == 0x7f ||
                             (lead == 0xc2 && static_cast<unsigned char>(rest[1]) < 0xa0);
        if (control) return ProjectTextFault::ControlCharacter;
        rest.remove_prefix(length);
    }
    if (characters > kMostProjectCharacters) return ProjectTextFault::TooLong;
    if (date && !text.empty() && !IsIsoDate(text)) return ProjectTextFault::NotADate;
    return std::nullopt;
}

std::optional<ProjectProblem> ProjectInfoProblem(const ProjectInfo& project) {
    for (const ProjectField& field : kFields)
        if (const auto fault = ProjectTextProblem(field, project.*(field.field)))
            return ProjectProblem{.field = &field, .fault = *fault};
    return std::nullopt;
}

std::string ProjectTextFaultText(ProjectTextFault fault) {
    switch (fault) {
        case ProjectTextFault::NotUtf8:
            return "is not UTF-8 text";
        case ProjectTextFault::ControlCharacter:
            return "holds a line break or another control character; give one line of text";
        case ProjectTextFault::TooLong:
            return "is longer than " + std::to_string(kMostProjectCharacters) + " characters";
        case ProjectTextFault::NotADate:
            return "must be a date written YYYY-MM-DD, such as 2024-05-31";
    }
    return {};
}

bool IsIsoDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
    const auto number = [&](std::size_t at, std::size_t length, int& value) {
        const char* first = text.data() + at;
        const auto [end, error] = std::from_chars(first, first + length, value);
        return error == std::errc() && end == first + length && value >= 0;
    };
    int year = 0, month = 0, day = 0;
    if (!number(0, 4, year) || !number(5, 2, month) || !number(8, 2, day)) return false;
    return std::chrono::year_month_day(std::chrono::year(year),
                                       std::chrono::month(static_cast<unsigned>(month)),
                                       std::chrono::day(static_cast<unsigned>(day)))
        .ok();
}

ProjectInfo Dated(ProjectInfo project) {
    if (project.date.empty()) project.date = os::TodayIso();
    return project;
}

}  // namespace deckplate::project
