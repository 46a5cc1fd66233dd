#pragma once
// The parts of a calculation book in the order it sets them: the title block, then each bay's
// sections, each as blocks of the document model (document.h).

#include <string_view>

#include "report/book_parts.h"

namespace deckplate::report {

/// The title block of page 1: the title, `subject` (what the book is of), the project with the
/// institute's fields that are filled, a line for each signature, the logo, the program's name
/// and version and where its verification is.
doc::TitleBlock BookTitleBlock(const project::ProjectInfo& project, std::string_view version,
                               doc::Runs subject, std::optional<doc::ImageRun> logo);

/// What the book is as a whole: its title (with `subject`, when given), the project's name
/// above every page, the program.
doc::DocumentInfo BookInfo(std::string_view subject, const project::ProjectInfo& project,
                           std::string_view version);

/// A bay's sections, 计算依据 to 结论.
Blocks BaySections(const BookContext& book);

Blocks BasisSection(const BookContext& book);       ///< 计算依据
Blocks InputSection(const BookContext& book);       ///< 输入
Blocks LoadSection(const BookContext& book);        ///< 荷载组合
Blocks PlateSection(const BookContext& book);       ///< 钢铺板验算
Blocks StiffenerSection(const BookContext& book);   ///< 加劲肋验算
Blocks WeldSection(const BookContext& book);        ///< 焊缝验算, current basis only
Blocks PointLoadSection(const BookContext& book);   ///< 集中荷载验算, none without one
Blocks ConclusionSection(const BookContext& book);  ///< 结论

}  // namespace deckplate::report
