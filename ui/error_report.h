#pragma once
// The words of the error report for an arithmetic fault, as Chinese engineers know them from
// Windows programs: the run-time error number and its description, then where it arose.

#include <QString>

namespace deckplate {
class ArithmeticError;
}

namespace deckplate::ui {

/// "运行时错误 '11'：除数为零" and the quantity, e.g. "（出现在：钢铺板应力）".
QString ErrorReportText(const ArithmeticError& error);

}  // namespace deckplate::ui
