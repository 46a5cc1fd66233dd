#pragma once
// The calculation book (计算书): one bay's check written out for a reviewer as one self-contained
// HTML file — a title block with the project and lines for the signatures, each formula with the
// numbers put into it, its limit and the clause the limit comes from, a sketch of the plate panel
// and a drawing of the stiffener's section to scale. Inline CSS, SVG and MathML, no script and
// nothing from outside, so that any current browser shows it and prints it on A4, each page with
// the project's name above and its number below.
//
// Data flow: BookInput (the bay with its basis, its name, the project, the version) →
// CalculationBook() runs CheckBay → the figures its formulas need (book_figures.h) → the title
// block, then the sections in order (计算依据, 输入, 荷载组合, 铺板验算, 加劲肋验算, 集中荷载验算
// when the bay has a point load, 结论), each written from the check's own values → one UTF-8 HTML
// text. A whole schedule's book (schedule_book.h) sets the same sections for each of its bays.
// Writing the file is the caller's business: os::ReplaceTextFile(…, TextEncoding::Utf8).

#include <string>

#include "calc/bay_check.h"
#include "project/project_info.h"

namespace deckplate::report {

struct BookInput {
    BayInput bay{};                  ///< loads, sizes, boundary, stiffener and design basis
    std::string bayName{};           ///< the bay's name as typed, UTF-8; may be empty
    project::ProjectInfo project{};  ///< the title block's
    std::string version{};           ///< the program's version, e.g. "1.0.0"
};

/// The book as UTF-8 HTML. Runs CheckBay itself, so every number is the check's; an arithmetic
/// fault throws ArithmeticError and gives no book.
std::string CalculationBook(const BookInput& input);

}  // namespace deckplate::report
