#include "report/book_parts.h"

#include "report/html_text.h"
#include "report/mathml.h"

namespace deckplate::report {

using namespace mathml;

std::string BookSection(std::string_view id, std::string_view title, std::string_view content) {
    return Cat("<section id=\"", id, "\">\n<h2>", title, "</h2>\n", content, "</section>\n");
}

std::string FormulaBlock(std::string_view math, std::string_view continued) {
    std::string block = Cat("<div class=\"formula\">", math);
    if (!continued.empty()) block += Cat("<div class=\"continued\">", continued, "</div>");
    return block + "</div>\n";
}

std::string VerdictLine(bool exceeded, std::string_view text) {
    return Cat("<p class=\"verdict ", exceeded ? "exceeded" : "pass", "\">", EscapeHtml(text),
               "</p>\n");
}

std::string_view StiffenerKind(const BookContext& book) { return book.FlatBar() ? "扁钢" : "角钢"; }

std::string StiffenerTitle(const BookContext& book) {
    const std::string& name = book.input.stiffenerName;
    return Cat(book.FlatBar() ? "扁钢 " : "不等边角钢 ",
               name.empty() ? std::string("（未选规格）") : EscapeHtml(name));
}

std::string_view Relation(bool exceeded) { return exceeded ? "≥" : "<"; }

Figure SteelModulus() {
    Figure e = Exact(kSteelModulus / 1e5);
    e.tenPower = 5;
    return e;
}

std::string GammaX(std::string_view subscript) { return SubscriptedSymbol("γ", subscript); }

std::string SubscriptedSymbol(std::string_view symbol, std::string_view subscript) {
    return Msub(Mi(symbol), Mi(subscript));
}

}  // namespace deckplate::report
