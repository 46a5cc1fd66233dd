#include "form/error_report.h"

#include "calc/checked.h"
#include "form/system_reason_words.h"
#include "os/file_replacement.h"
#include "os/paths.h"

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
        case ArithmeticFault::NoConvergence:
            text = "计算错误：级数在允许的项数内未收敛";
            break;
    }
    const std::string_view where = QuantityNameZh(error.quantity());
    if (!where.empty()) (text += "\n出现在：") += where;
    text += "\n请检查输入数据。";
    return text;
}

std::string FileErrorText(const os::FileError& error) {
    const std::string path = os::Utf8Of(error.path());
    const std::string reason = SystemReasonWords(error.reason());
    switch (error.step()) {
        case os::FileStep::FindFolder:
            return "文件夹不存在：" + path + "（" + reason + "）";
        case os::FileStep::Create:
            return "无法写入 " + path + "：" + reason;
        case os::FileStep::Write:
            return "写入 " + path + " 失败：" + reason;
        case os::FileStep::Replace:
            break;
    }
    return "保存 " + path + " 失败：" + reason;
}

}  // namespace deckplate::form
