#include "report/math_tree.h"

#include <cstdlib>

#include "report/html_text.h"

namespace deckplate::report::math {
namespace {

Expr Leaf(NodeKind kind, std::string_view text) {
    return Expr(Node{.kind = kind, .text = std::string(text)});
}

Expr Composite(NodeKind kind, std::vector<Expr> parts) {
    return Expr(Node{.kind = kind, .parts = std::move(parts)});
}

void AppendMathMl(std::string& out, const Expr& row);

// A part of a fraction or script: MathML asks for exactly one element there.
void AppendPart(std::string& out, const Expr& part) {
    out += "<mrow>";
    AppendMathMl(out, part);
    out += "</mrow>";
}

void AppendComposite(std::string& out, std::string_view tag, const Node& node) {
    out += Cat("<", tag, ">");
    for (const Expr& part : node.parts) AppendPart(out, part);
    out += Cat("</", tag, ">");
}

void AppendNumber(std::string& out, const Figure& number) {
    const std::string digits = Element("mn", EscapeHtml(number.digits));
    if (number.tenPower == 0) {
        out += digits;
        return;
    }
    const std::string exponent =
        Cat(number.tenPower < 0 ? "−" : "", std::to_string(std::abs(number.tenPower)));
    out += Cat("<mrow>", digits, "<mo>×</mo><msup><mrow><mn>10</mn></mrow><mrow><mn>", exponent,
               "</mn></mrow></msup></mrow>");
}

void AppendNode(std::string& out, const Node& node) {
    switch (node.kind) {
        case NodeKind::Identifier:
            out += Element("mi", EscapeHtml(node.text));
            return;
        case NodeKind::Operator:
            out += Element("mo", EscapeHtml(node.text));
            return;
        case NodeKind::Text:
            out += Element("mtext", EscapeHtml(node.text));
            return;
        case NodeKind::Number:
            AppendNumber(out, node.number);
            return;
        case NodeKind::Row:
            AppendPart(out, node.parts[0]);
            return;
        case NodeKind::Fraction:
            AppendComposite(out, "mfrac", node);
            return;
        case NodeKind::Superscript:
            AppendComposite(out, "msup", node);
            return;
        case NodeKind::Subscript:
            AppendComposite(out, "msub", node);
            return;
        case NodeKind::Under:
            AppendComposite(out, "munder", node);
            return;
        case NodeKind::Parenthesised:
            out += "<mrow><mo>(</mo>";
            AppendMathMl(out, node.parts[0]);
            out += "<mo>)</mo></mrow>";
            return;
    }
}

void AppendMathMl(std::string& out, const Expr& row) {
    for (const Node& node : row.Nodes()) AppendNode(out, node);
}

}  // namespace

Expr::Expr(std::initializer_list<Expr> rows) {
    for (const Expr& row : rows) *this += row;
}

Expr::Expr(Node node) { nodes_.push_back(std::move(node)); }

Expr& Expr::operator+=(const Expr& row) {
    nodes_.insert(nodes_.end(), row.nodes_.begin(), row.nodes_.end());
    return *this;
}

Expr Mi(std::string_view identifier) { return Leaf(NodeKind::Identifier, identifier); }
Expr Mo(std::string_view op) { return Leaf(NodeKind::Operator, op); }
Expr Mtext(std::string_view text) { return Leaf(NodeKind::Text, text); }
Expr Mn(const Figure& number) { return Expr(Node{.kind = NodeKind::Number, .number = number}); }
Expr Mrow(Expr content) { return Composite(NodeKind::Row, {std::move(content)}); }

Expr Mfrac(Expr numerator, Expr denominator) {
    return Composite(NodeKind::Fraction, {std::move(numerator), std::move(denominator)});
}

Expr Msup(Expr base, Expr exponent) {
    return Composite(NodeKind::Superscript, {std::move(base), std::move(exponent)});
}

Expr Msub(Expr base, Expr subscript) {
    return Composite(NodeKind::Subscript, {std::move(base), std::move(subscript)});
}

Expr Munder(Expr base, Expr under) {
    return Composite(NodeKind::Under, {std::move(base), std::move(under)});
}

Expr Parenthesised(Expr content) {
    return Composite(NodeKind::Parenthesised, {std::move(content)});
}

Expr Unit(std::string_view unit) { return Mtext(Cat("\u2009", unit)); }

std::string MathMl(const Expr& formula, Placement placement) {
    std::string out = placement == Placement::Display ? "<math display=\"block\">" : "<math>";
    AppendMathMl(out, formula);
    return out + "</math>";
}

}  // namespace deckplate::report::math
