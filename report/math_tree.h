#pragma once
// A formula as a tree, written once and set in both formats of the calculation book: MathML in
// the HTML book (MathMl) and Office
// Math in the Word book (omml.h), which Word, WPS and LibreOffice show and edit as equations.
//
// A formula is an Expr, a row of nodes; the builders each return a one-node row, and a braced
// list of rows joins them: Mfrac({Mi("q"), Mo("·"), Msup(Mi("L"), Mn(Exact(2)))}, Mn(Exact(8))).
// Texts are kept as given (UTF-8) and escaped by each format's writer.

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "report/book_numbers.h"

namespace deckplate::report::math {

struct Node;

/// A row of nodes: a whole formula, or one part of a fraction, script or parenthesis.
class Expr {
  public:
    Expr() = default;
    /// The rows one after another.
    Expr(std::initializer_list<Expr> rows);
    explicit Expr(Node node);

    Expr& operator+=(const Expr& row);
    const std::vector<Node>& Nodes() const { return nodes_; }
    bool Empty() const { return nodes_.empty(); }

  private:
    std::vector<Node> nodes_;
};

enum class NodeKind {
    Identifier,     ///< a symbol: italic when one letter ("q", "γ"), upright when a word ("max")
    Operator,       ///< "=", "×", "·", "(", "≤", "∑"
    Number,         ///< digits, × 10ⁿ when the figure has a power of ten
    Text,           ///< upright words or a unit
    Row,            ///< parts[0], grouped
    Fraction,       ///< parts[0] over parts[1]
    Superscript,    ///< parts[0] with parts[1] raised
    Subscript,      ///< parts[0] with parts[1] lowered
    Under,          ///< parts[0] with parts[1] set below it: Σ with its range
    Parenthesised,  ///< ( parts[0] )
};

struct Node {
    NodeKind kind = NodeKind::Row;
    std::string text{};         ///< an identifier's, operator's or text's characters
    Figure number{};            ///< a number's
    std::vector<Expr> parts{};  ///< the rows a node is made of, in the order above
};

Expr Mi(std::string_view identifier);  ///< a symbol
Expr Mo(std::string_view op);          ///< an operator or a parenthesis
Expr Mtext(std::string_view text);     ///< words, upright
Expr Mn(const Figure& number);         ///< a number
Expr Mrow(Expr content);
Expr Mfrac(Expr numerator, Expr denominator);
Expr Msup(Expr base, Expr exponent);
Expr Msub(Expr base, Expr subscript);
Expr Munder(Expr base, Expr under);  ///< Σ with its range below
/// ( content )
Expr Parenthesised(Expr content);
/// A unit after a value, with a thin space before it: " N/mm²".
Expr Unit(std::string_view unit);

/// How a formula stands: on a line of its own, or within a line of text.
enum class Placement { Display, Inline };

/// The formula as one MathML <math> element.
std::string MathMl(const Expr& formula, Placement placement);

}  // namespace deckplate::report::math
