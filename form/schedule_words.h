#pragma once
// The window's words for a schedule that cannot be read or may not read as it means. A row's
// error is worded below the window (schedule/row_check.h), as the books say it too; the command
// line words the same data in English.

#include <string>

#include "schedule/csv_reader.h"

namespace deckplate::form {

/// Why a schedule cannot be read or used: "排表是一个文件夹，请选择 CSV 文件".
std::string ScheduleProblemWords(const schedule::ScheduleProblem& problem);

/// "排表以 UTF-8 字节顺序标记开头，但第 3 行不是 UTF-8 …".
std::string EncodingWarningWords(const schedule::EncodingWarning& warning);

}  // namespace deckplate::form
