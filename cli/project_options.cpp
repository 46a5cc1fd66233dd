#include "cli/project_options.h"

#include <array>

#include "project/bay_file.h"
#include "schedule/book.h"
#include "schedule/values.h"

namespace deckplate::cli {
namespace {

using report::ProjectInfo;

// clang-format off
constexpr std::array<ProjectOption, 8> kOptions{{
    {"--project-name",   "the project's name (工程名称), also above every printed page",
     &ProjectOptions::name,         &ProjectInfo::name},
    {"--project-number", "the project's number (工程编号)",
     &ProjectOptions::number,       &ProjectInfo::number},
    {"--part",           "the part of the project (子项)",
     &ProjectOptions::part,         &ProjectInfo::part},
    {"--stage",          "the design stage (设计阶段)",
     &ProjectOptions::stage,        &ProjectInfo::stage},
    {"--calculated-by",  "who calculated (计算)",
     &ProjectOptions::calculatedBy, &ProjectInfo::calculatedBy},
    {"--checked-by",     "who checks (校对)",
     &ProjectOptions::checkedBy,    &ProjectInfo::checkedBy},
    {"--approved-by",    "who approves (审核)",
     &ProjectOptions::approvedBy,   &ProjectInfo::approvedBy},
    {"--date",           "the book's date, YYYY-MM-DD (default: today)",
     &ProjectOptions::date,         &ProjectInfo::date},
}};
// clang-format on

std::string FaultText(schedule::ProjectTextFault fault) {
    switch (fault) {
        case schedule::ProjectTextFault::NotUtf8:
            return "is not UTF-8 text";
        case schedule::ProjectTextFault::ControlCharacter:
            return "holds a line break or another control character; give one line of text";
        case schedule::ProjectTextFault::TooLong:
            return "is longer than " + std::to_string(schedule::kMostProjectCharacters) +
                   " characters";
    }
    return {};
}

}  // namespace

bool ProjectOptions::Any() const {
    if (file) return true;
    for (const ProjectOption& option : kOptions)
        if (this->*option.given) return true;
    return false;
}

std::span<const ProjectOption> ProjectOptionTable() { return kOptions; }

ProjectInfo ReadProjectInfo(const ProjectOptions& options, ProjectInfo otherwise) {
    ProjectInfo project = std::move(otherwise);
    if (options.file) {
        try {
            project = project::ReadBayFile(*options.file).project;
        } catch (const project::BayFileError& e) {
            throw schedule::ValueError("--project " + *options.file + ": " + e.what());
        }
    }
    for (const ProjectOption& option : kOptions) {
        const std::optional<std::string>& text = options.*option.given;
        if (!text) continue;
        if (const auto fault = schedule::ProjectTextProblem(*text))
            throw schedule::ValueError(std::string(option.name) + ": the text " +
                                       FaultText(*fault));
        project.*option.field = *text;
    }
    if (options.date && !schedule::IsIsoDate(*options.date)) {
        throw schedule::ValueError(
            "--date: must be a date written YYYY-MM-DD, such as "
            "2024-05-31, not " +
            *options.date);
    }
    return schedule::Dated(std::move(project));
}

}  // namespace deckplate::cli
