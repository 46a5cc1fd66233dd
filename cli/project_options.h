#pragma once
// The project information as the command line gives it to book and batch: a bay file's (--project
// FILE.deckplate), then one option for each field of the title block overriding it, each as text
// until it is read, so that a message can name the option.

#include <optional>
#include <span>
#include <string>

#include "cli/run_files.h"
#include "project/project_info.h"

namespace deckplate::cli {

/// Each field as given, or none when its option is not.
struct ProjectOptions {
    std::optional<std::string> file{};  ///< --project: the bay file whose project it is
    std::optional<std::string> name{}, number{}, part{}, stage{}, calculatedBy{}, checkedBy{},
        approvedBy{}, date{}, designUnit{}, bookNumber{}, member{}, leadEngineer{}, authorizedBy{},
        logo{};

    /// Whether any field is given.
    bool Any() const;
};

/// One option: its name, its help and the field it sets.
struct ProjectOption {
    const char* name;  ///< "--project-name"
    const char* help;
    std::optional<std::string> ProjectOptions::*given;
    std::string project::ProjectInfo::*field;
};
/// Every option, in the order of the fields (project::ProjectFields).
std::span<const ProjectOption> ProjectOptionTable();

/// Names the bay file --project reads among the run's files, when it is given.
void ProjectFile(RunFiles& files, const ProjectOptions& options);

/// The project information: --project's file's, else `otherwise` (the project of the bay file
/// given --from), each field an option gives replacing it; each option's text checked, and
/// today's date when none is given. Throws input::ValueError naming the option.
project::ProjectInfo ReadProjectInfo(const ProjectOptions& options,
                                     project::ProjectInfo otherwise = {});

}  // namespace deckplate::cli
