#include "form/book_files.h"

#include "form/error_report.h"
#include "form/system_reason_words.h"
#include "os/paths.h"
#include "os/shown_text.h"

namespace deckplate::form {

std::optional<report::BookFormat> ChosenBookFormat(Platform& platform, std::string_view path) {
    if (const auto format = report::BookFormatOf(os::PathFromUtf8(path))) return format;
    platform.ReportError("计算书“" + os::ShownText(path) +
                         "”未能写入：文件名须以 .docx（Word 文档）或 .html（网页）结尾。");
    return std::nullopt;
}

std::string BookFileWords(const report::BookFileProblem& problem) {
    using Fault = report::BookFileProblem::Fault;
    const std::string file = os::ShownText(os::Utf8Of(problem.file));
    switch (problem.fault) {
        case Fault::UnknownFormat:
            return "计算书“" + file + "”的文件名须以 .docx（Word 文档）或 .html（网页）结尾。";
        case Fault::LogoUnreadable:
            return "标志图片“" + file + "”无法读取：" + SystemReasonWords(problem.reason) +
                   "。请在 文件 → 工程信息… 中改正后再写计算书。";
        case Fault::LogoNotAnImage:
            break;
    }
    return "标志图片“" + file +
           "”不是 PNG 或 JPEG 图片。请在 文件 → 工程信息… 中改正后再写计算书。";
}

}  // namespace deckplate::form
