#pragma once
// A bay file's problem as the window says it, in Chinese: what is wrong and where in the file;
// and what is wrong with a field of the project information, wherever it was given.

#include <string>

#include "project/bay_file.h"

namespace deckplate::form {

/// "“bay.span”为负数（-2000）。", one sentence.
std::string BayFileProblemWords(const project::BayFileProblem& problem);

/// What is wrong with a field of the project information, after the field and its text:
/// "超过 200 个字". The same words for a bay file's field and for what 工程信息 is given.
std::string ProjectTextWords(project::ProjectTextFault fault);

}  // namespace deckplate::form
