#pragma once
// The calculation book (计算书): one bay's check written out for a reviewer as one self-contained
// HTML file — each formula with the numbers put into it, its limit and the clause the limit comes
// from, a sketch of the plate panel and a drawing of the stiffener's section to scale. Inline
// CSS, SVG and MathML, no script and nothing from outside, so that any current browser shows it
// and prints it on A4.
//
// Data flow: BookInput (the bay with its basis, its names, the date, the version) →
// CalculationBook() runs CheckBay → the sections in order (title, 计算依据, 输入, 荷载组合,
// 铺板验算, 加劲肋验算, 集中荷载验算 when the bay has a point load, 结论), each written from the
// check's own values → one UTF-8 HTML text.
// Writing the file is the caller's business: os::ReplaceTextFile(…, TextEncoding::Utf8).

#include <string>

#include "calc/bay_check.h"

namespace deckplate::report {

struct BookInput {
    BayInput bay{};         ///< loads, sizes, boundary, stiffener and design basis
    std::string bayName{};  ///< the bay's name as typed, UTF-8; may be empty
    std::string date{};     ///< the date the book states, e.g. "2024-05-31"
    std::string version{};  ///< the program's version, e.g. "1.0.0"
};

/// The book as UTF-8 HTML. Runs CheckBay itself, so every number is the check's; an arithmetic
/// fault throws ArithmeticError and gives no book.
std::string CalculationBook(const BookInput& input);

}  // namespace deckplate::report
