#pragma once
// The calculation book (计算书): one bay's check written out for a reviewer — a title block with
// the institute, the project and lines for the signatures, each formula with the numbers put
// into it, its limit and the clause the limit comes from, a sketch of the plate panel and a
// drawing of the stiffener's section to scale — as one document (document.h) that either format
// sets: a self-contained HTML page that any current browser prints on A4, or an editable Word
// document (.docx). Each printed page has the project's name above it and its number below.
//
// Data flow: BookInput and the bay's finished BayCheck → the figures its formulas need
// (book_figures.h) → the title block, then the sections in order (计算依据, 输入, 荷载组合,
// 钢铺板验算, 加劲肋验算, 集中荷载验算 when the bay has a point load, 结论), each written from the
// check's own values → doc::Document. A whole schedule's book (schedule_book.h) sets the same
// sections for each of its bays; book_file.h writes either to a file.

#include <optional>
#include <string>

#include "calc/bay_check.h"
#include "project/project_info.h"
#include "report/document.h"

namespace deckplate::report {

struct BookInput {
    BayInput bay{};                       ///< loads, sizes, boundary, stiffener and design basis
    std::string bayName{};                ///< the bay's name as typed, UTF-8; empty: project.member
    project::ProjectInfo project{};       ///< the title block's
    std::string version{};                ///< the program's version, e.g. "1.0.0"
    std::optional<doc::ImageRun> logo{};  ///< the institute's logo, read from project.logo
};

/// The book of a bay from its finished check, `check` being CheckBay(input.bay)'s, so that
/// every number is the check's. Throws ArithmeticError when a figure cannot be formed.
doc::Document CalculationBook(const BookInput& input, const BayCheck& check);

}  // namespace deckplate::report
