#pragma once
// The window's words for what a schedule's reading found: a bay's inputs by their captions, a
// value that cannot be used ("加劲肋间距必须大于 0 mm，现为 0"), a row that could not be checked
// and a schedule that cannot be read. The command line words the same data in English.

#include <string>
#include <string_view>

#include "calc/bay_input.h"
#include "input/values.h"
#include "schedule/csv_reader.h"
#include "schedule/row_check.h"

namespace deckplate::form {

/// A bay's input as the window's captions call it: "加劲肋间距", "扁钢厚".
std::string_view FieldName(BayField field);

/// "加劲肋间距必须大于 0 mm，现为 0".
std::string ValueProblemWords(const input::ValueProblem& problem);

/// A row's error after "第 N 行：": its value's problem, or
/// "算术错误：除数为零，出现在：钢铺板应力".
std::string RowErrorWords(const schedule::RowError& error);

/// Why a schedule cannot be read or used: "排表是一个文件夹，请选择 CSV 文件".
std::string ScheduleProblemWords(const schedule::ScheduleProblem& problem);

/// "排表以 UTF-8 字节顺序标记开头，但第 3 行不是 UTF-8 …".
std::string EncodingWarningWords(const schedule::EncodingWarning& warning);

}  // namespace deckplate::form
