#include "cli/project_options.h"

#include <algorithm>
#include <array>

#include "input/values.h"
#include "os/shown_text.h"
#include "project/bay_file.h"

namespace deckplate::cli {
namespace {

using project::ProjectInfo;

// clang-format off
constexpr std::array<ProjectOption, 14> kOptions{{
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
    {"--design-unit",    "the institute (设计单位)",
     &ProjectOptions::designUnit,   &ProjectInfo::designUnit},
    {"--book-number",    "the book's number (计算书编号)",
     &ProjectOptions::bookNumber,   &ProjectInfo::bookNumber},
    {"--member",         "the member the bay is (构件)",
     &ProjectOptions::member,       &ProjectInfo::member},
    {"--lead-engineer",  "the discipline's lead engineer (专业负责人)",
     &ProjectOptions::leadEngineer, &ProjectInfo::leadEngineer},
    {"--authorized-by",  "who authorises (审定)",
     &ProjectOptions::authorizedBy, &ProjectInfo::authorizedBy},
    {"--logo",           "the institute's logo on the title block: a PNG or JPEG file",
     &ProjectOptions::logo,         &ProjectInfo::logo},
}};
// clang-format on

}  // namespace

bool ProjectOptions::Any() const {
    if (file) return true;
    for (const ProjectOption& option : kOptions)
        if (this->*option.given) return true;
    return false;
}

std::span<const ProjectOption> ProjectOptionTable() { return kOptions; }

void ProjectFile(RunFiles& files, const ProjectOptions& options) {
    if (options.file) files.Input("--project", "the bay file --project reads", *options.file);
}

ProjectInfo ReadProjectInfo(const ProjectOptions& options, ProjectInfo otherwise) {
    ProjectInfo project = std::move(otherwise);
    if (options.file) {
        try {
            project = project::ReadBayFile(*options.file).project;
        } catch (const project::BayFileError& e) {
            throw input::ValueError("--project " + os::ShownWhole(*options.file) + ": " + e.what());
        }
    }
    const auto fields = project::ProjectFields();
    for (const ProjectOption& option : kOptions) {
        const std::optional<std::string>& text = options.*option.given;
        if (!text) continue;
        const auto field = std::ranges::find(fields, option.field, &project::ProjectField::field);
        if (const auto fault = project::ProjectTextProblem(*field, *text)) {
            const bool date = *fault == project::ProjectTextFault::NotADate;
            throw input::ValueError(std::string(option.name) + ": " + (date ? "" : "the text ") +
                                    project::ProjectTextFaultText(*fault) +
                                    (date ? ", not " + os::ShownText(*text) : ""));
        }
        project.*option.field = *text;
    }
    return project::Dated(std::move(project));
}

}  // namespace deckplate::cli
