#include "error_report.h"

#include "checked.h"

namespace deckplate::form {

std::string ErrorReportText(const ArithmeticError& error) {
    std::string text;
    switch (error.fault()) {
        case ArithmeticFault::DivisionByZero:
            text = "运行时错误 '11'：除数为零";
            break;
        case ArithmeticFault::Overflow:
            text = "运行时错误 '6'：溢出";
            break;
        case ArithmeticFault::InvalidOperation:
            text = "运行时错误 '6'：溢出（无效运算 0/0）";
            break;
    }
    const std::string_view where = QuantityNameZh(error.quantity());
    if (!where.empty()) (text += "\n出现在：") += where;
    text += "\n请检查输入数据。";
    return text;
}

}  // namespace deckplate::form
