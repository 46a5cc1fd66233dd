#pragma once
// A bay file's problem as the window says it, in Chinese: what is wrong and where in the file.

#include <string>

#include "project/bay_file.h"

namespace deckplate::form {

/// "“bay.span”为负数（-2000）。", one sentence.
std::string BayFileProblemWords(const project::BayFileProblem& problem);

}  // namespace deckplate::form
