#pragma once
// MathML for the calculation book's formulas, which current browsers show without any script or
// font from outside. Each function returns one element as text; a formula is built by nesting
// them: Math(Cat(Mi("q"), Mo("="), Mn(Exact(4)))). Texts given to Mi, Mo and Mtext are escaped.

#include <string>
#include <string_view>

#include "report/book_numbers.h"
#include "report/html_text.h"

namespace deckplate::report::mathml {

/// A formula set on a line of its own.
std::string Math(std::string_view content);
/// A formula within a line of text.
std::string InlineMath(std::string_view content);

std::string Mi(std::string_view identifier);  ///< a symbol, set in italic when one letter
std::string Mo(std::string_view op);          ///< an operator or a parenthesis
std::string Mtext(std::string_view text);     ///< words and units, upright
std::string Mn(const Figure& number);         ///< a number, "× 10ⁿ" as a superscript
std::string Mrow(std::string_view content);
std::string Mfrac(std::string_view numerator, std::string_view denominator);
std::string Msup(std::string_view base, std::string_view exponent);
std::string Msub(std::string_view base, std::string_view subscript);
std::string Munder(std::string_view base, std::string_view under);  ///< Σ with its range below

/// ( content )
std::string Parenthesised(std::string_view content);
/// A unit after a value, with a thin space before it: " N/mm²".
std::string Unit(std::string_view unit);

}  // namespace deckplate::report::mathml
