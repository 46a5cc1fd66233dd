#pragma once
// The window's words for a schedule that cannot be read. A row's error is worded below the window
// (schedule/row_check.h), as the books say it too, and what may not read as the schedule means is
// a notice of its reading (input/value_words.h); the command line words the same data in English.

#include <string>

#include "schedule/csv_reader.h"

namespace deckplate::form {

/// Why a schedule cannot be read or used: "排表是一个文件夹，请选择 CSV 文件".
std::string ScheduleProblemWords(const schedule::ScheduleProblem& problem);

}  // namespace deckplate::form
