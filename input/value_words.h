#pragma once
// A value that cannot be used, in words: in English for the command line and the results file,
// in Chinese for the window and the calculation books, both from one table with a row per
// problem. The text given is shown through os::ShownText: it may hold anything, a terminal's
// escapes, a NUL, a page.

#include <string>
#include <string_view>

#include "calc/bay_input.h"
#include "input/values.h"

namespace deckplate::input {

/// The problem in English: "--spacing: must be greater than 0 mm, not 0".
std::string ValueProblemText(const ValueProblem& problem);

/// The problem in Chinese, the input named as the window's captions name it:
/// "加劲肋间距必须大于 0 mm，现为 0".
std::string ValueProblemWords(const ValueProblem& problem);

/// A bay's input as the window's captions call it: "加劲肋间距", "扁钢厚"; empty for
/// BayField::Other.
std::string_view FieldName(BayField field);

}  // namespace deckplate::input
