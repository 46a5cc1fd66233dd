#pragma once
// The words of the window's error reports: an arithmetic fault as Chinese engineers know it from
// Windows programs (the run-time error number and its description, then where it arose), and a
// file that could not be written.

#include <string>

namespace deckplate {
class ArithmeticError;
}
namespace deckplate::os {
class FileError;
}

namespace deckplate::form {

/// "运行时错误 '11'：除数为零", then "出现在：钢铺板应力" and "请检查输入数据。", one per line.
std::string ErrorReportText(const ArithmeticError& error);

/// Why a file could not be written, naming it: "文件夹不存在：…（…）", "无法写入 …：…",
/// "写入 … 失败：…" or "保存 … 失败：…", each with the system's reason (SystemReasonWords).
std::string FileErrorText(const os::FileError& error);

}  // namespace deckplate::form
