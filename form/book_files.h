#pragma once
// What both of the window's book commands share — 导出计算书… and the schedule summary's
// 写计算书…: the kinds of file the Save dialog offers (Word, the default, and HTML), the rule that
// the chosen name's extension decides the format, and the words for a book's file that cannot
// be made (its name, the logo).

#include <optional>
#include <string>
#include <string_view>

#include "form/platform.h"
#include "report/book_file.h"

namespace deckplate::form {

/// Word (.docx) first, the default; then HTML.
inline constexpr FileKind kBookKinds[] = {{"Word 文档", "docx"}, {"网页", "html"}};

/// The format the chosen file's name asks for; a name that asks for none is reported to the user
/// ("计算书的文件名须以 .docx 或 .html 结尾") and gives none.
std::optional<report::BookFormat> ChosenBookFormat(Platform& platform, std::string_view path);

/// "标志图片“D:\logo.gif”不是 PNG 或 JPEG 图片。": the problem in the window's words.
std::string BookFileWords(const report::BookFileProblem& problem);

}  // namespace deckplate::form
