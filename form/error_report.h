#pragma once
// The words of the error report for an arithmetic fault, as Chinese engineers know them from
// Windows programs: the run-time error number and its description, then where it arose.

#include <string>

namespace deckplate {
class ArithmeticError;
}

namespace deckplate::form {

/// "运行时错误 '11'：除数为零", then "出现在：钢铺板应力" and "请检查输入数据。", one per line.
std::string ErrorReportText(const ArithmeticError& error);

}  // namespace deckplate::form
