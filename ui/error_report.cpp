#include "error_report.h"

#include "checked.h"

namespace deckplate::ui {

QString ErrorReportText(const ArithmeticError& error) {
    QString text;
    switch (error.fault()) {
        case ArithmeticFault::DivisionByZero:
            text = QStringLiteral("运行时错误 '11'：除数为零");
            break;
        case ArithmeticFault::Overflow:
            text = QStringLiteral("运行时错误 '6'：溢出");
            break;
        case ArithmeticFault::InvalidOperation:
            text = QStringLiteral("运行时错误 '6'：溢出（无效运算 0/0）");
            break;
    }
    const std::string_view where = QuantityNameZh(error.quantity());
    if (!where.empty()) text += QStringLiteral("\n出现在：") + QString::fromUtf8(where);
    text += QStringLiteral("\n请检查输入数据。");
    return text;
}

}  // namespace deckplate::ui
