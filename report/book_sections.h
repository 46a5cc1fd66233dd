#pragma once
// The parts of a calculation book in the order it sets them: the document's head, the title
// block, then each bay's sections.

#include <string>
#include <string_view>

#include "report/book_parts.h"

namespace deckplate::report {

/// <!DOCTYPE html> to <body>: the title (with `subject`, text, when given), the style sheet, and
/// the project's name as every printed page's header.
std::string DocumentHead(std::string_view subject, const project::ProjectInfo& project,
                         std::string_view version);
/// The title block of page 1: the title, `subject` (HTML: what the book is of), the project, a
/// line for each signature, the program's name and version and where its verification is.
std::string TitleBlock(const project::ProjectInfo& project, std::string_view version,
                       std::string_view subject);
/// </body></html>
std::string DocumentEnd();

/// A bay's sections, 计算依据 to 结论.
std::string BaySections(const BookContext& book);

std::string BasisSection(const BookContext& book);       ///< 计算依据
std::string InputSection(const BookContext& book);       ///< 输入
std::string LoadSection(const BookContext& book);        ///< 荷载组合
std::string PlateSection(const BookContext& book);       ///< 铺板验算
std::string StiffenerSection(const BookContext& book);   ///< 加劲肋验算
std::string PointLoadSection(const BookContext& book);   ///< 集中荷载验算, empty without one
std::string ConclusionSection(const BookContext& book);  ///< 结论

}  // namespace deckplate::report
