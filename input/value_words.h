#pragma once
// A value that cannot be used, and a reading's notice, in words: in English for the command line
// and the results file, in Chinese for the window and the calculation books, both from one table
// with a row per problem, and one with a row per notice. The text given is shown through
// os::ShownText: it may hold anything, a terminal's escapes, a NUL, a page.

#include <string>
#include <string_view>

#include "calc/bay_input.h"
#include "input/notices.h"
#include "input/values.h"

namespace deckplate::input {

/// The problem in English: "--spacing: must be greater than 0 mm, not 0".
std::string ValueProblemText(const ValueProblem& problem);

/// The problem in Chinese, the input named as the window's captions name it:
/// "加劲肋间距必须大于 0 mm，现为 0".
std::string ValueProblemWords(const ValueProblem& problem);

/// The notice in English, as the command line says it after its "note: " or "warning: ", a
/// schedule named by `schedule` as given: "the schedule 'a.csv' starts with a UTF-8 byte-order
/// mark, but line 3 is not UTF-8 …".
std::string NoticeText(const Notice& notice, std::string_view schedule = {});

/// The notice in Chinese, for the window: "排表以 UTF-8 字节顺序标记开头，但第 3 行不是 UTF-8 …".
std::string NoticeWords(const Notice& notice);

/// A bay's input as the window's captions call it: "加劲肋间距", "扁钢厚"; empty for
/// BayField::Other.
std::string_view FieldName(BayField field);

}  // namespace deckplate::input
