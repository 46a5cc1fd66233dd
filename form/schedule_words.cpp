#include "form/schedule_words.h"

#include <string>

#include "form/system_reason_words.h"

namespace deckplate::form {

using schedule::ScheduleFault;

std::string ScheduleProblemWords(const schedule::ScheduleProblem& p) {
    const std::string line = "第 " + std::to_string(p.line) + " 行";
    std::string columns;
    for (const std::string& column : p.columns) columns += (columns.empty() ? "" : "、") + column;
    switch (p.fault) {
        case ScheduleFault::IsFolder:
            return "这是一个文件夹，请选择 CSV 文件。";
        case ScheduleFault::NotAFile:
            return "这不是普通文件（而是设备、管道等），请选择 CSV 文件。";
        case ScheduleFault::CannotOpen:
            return "无法读取：" + SystemReasonWords(p.reason) + "。";
        case ScheduleFault::Empty:
            return "文件是空的。";
        case ScheduleFault::ReadFailed:
            return "读取中断：" + SystemReasonWords(p.reason) + "。";
        case ScheduleFault::Utf16:
            return "文件是 UTF-16 文本（电子表格的“Unicode 文本”）。排表应为 UTF-8 或 GBK 的 CSV："
                   "请另存为“CSV UTF-8（逗号分隔）”。";
        case ScheduleFault::Malformed:
            return "不是可读的 CSV：" + p.detail;
        case ScheduleFault::QuoteNeverClosed:
            return line + "开始的引号直到文件结尾都没有闭合。";
        case ScheduleFault::QuoteTooLong:
            return line + "开始的引号在 1 MB 内没有闭合。";
        case ScheduleFault::RowTooLong:
            return line + "超过 1 MB，排表的行远比这短。";
        case ScheduleFault::MissingColumns:
            return "表头缺少 " + columns +
                   " 列；表头应有 name, dead, live, thickness, span, spacing, boundary, stiffener" +
                   (p.separator == '\0'
                        ? std::string("。")
                        : std::string("。各列似乎以") +
                              (p.separator == ';' ? "分号（;）" : "制表符") +
                              "分隔，排表应以逗号（,）分隔：请另存为逗号分隔的 CSV。");
        case ScheduleFault::RepeatedColumn:
            return "表头有不止一个 " + columns + " 列（" + p.letters + "），请只保留一个。";
    }
    return {};
}

}  // namespace deckplate::form
