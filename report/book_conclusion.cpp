// 结论: the checks side by side, and what the engineer must do when one is exceeded.
#include "calc/number_text.h"
#include "report/book_sections.h"
#include "report/html_text.h"

namespace deckplate::report {

namespace {

// A check's symbol as the book sets it: σ, σ<sub>s</sub>.
std::string SymbolHtml(const Symbol& symbol) {
    std::string html(symbol.letter);
    if (!symbol.subscript.empty()) html += Cat("<sub>", symbol.subscript, "</sub>");
    if (!symbol.superscript.empty()) html += Cat("<sup>", symbol.superscript, "</sup>");
    return html;
}

std::string_view Unit(Measure measure) {
    switch (measure) {
        case Measure::Stress:
            return " N/mm²";
        case Measure::Deflection:
            return " mm";
        case Measure::Ratio:
            break;
    }
    return "";
}

// A limit's rule with its symbols set as the formulas set them: f<sub>v</sub>, 15ε<sub>k</sub>.
std::string RuleHtml(const LimitRule& rule) {
    const std::string symbol = SymbolHtml(rule.symbol);
    switch (rule.form) {
        case LimitRule::Form::Strength:
            return symbol;
        case LimitRule::Form::LengthOver:
            return Cat(symbol, "/", Text(Exact(rule.ratio)));
        case LimitRule::Form::CappedLengthOver:
            return Cat("min(", symbol, "/", Text(Exact(rule.ratio)), ", ", Text(Exact(rule.cap)),
                       ")");
        case LimitRule::Form::TimesEpsilonK:
            break;
    }
    return Cat(Text(Exact(rule.ratio)), SymbolHtml({"ε", "k"}));
}

// One check's row: its value as the window shows it, its limit with the rule it comes from, its
// utilisation and verdict (its sentence stands under the check in its section).
std::string Row(const CheckRow& check, const BayCheck& c, double utilisation) {
    const CheckOutcome verdict = check.verdict(c);
    const double limit = check.limit(c);
    const Figure limitFigure = check.measure == Measure::Stress  ? Exact(limit)
                               : check.measure == Measure::Ratio ? Shown(ShownValue{limit})
                                                                 : Significant(limit);
    return Cat("<tr", verdict.exceeded ? " class=\"exceeded\"" : "", "><td>",
               verdict.exceeded ? "★" : "", check.name, "</td><td>", SymbolHtml(check.symbol(c)),
               " = ", Text(Shown(ShownValue{check.value(c)})), Unit(check.measure), "</td><td>",
               RuleHtml(check.limitRule), " = ", Text(limitFigure), Unit(check.measure),
               "</td><td class=\"number\">", Text(ThreeDecimals(utilisation)), "</td><td>",
               verdict.exceeded ? "超出限值" : "满足要求", "</td></tr>\n");
}

}  // namespace

std::string ConclusionSection(const BookContext& book) {
    const BayCheck& c = book.check;
    std::string table =
        "<table class=\"conclusion\">\n<tr><th>验算项目</th><th>计算值</th><th>限值</th>"
        "<th>利用率</th><th>结论</th></tr>\n";
    std::string exceeded;
    for (const CheckRow& check : Checks()) {
        if (!book.utilisation.Has(check.id)) continue;
        table += Row(check, c, book.utilisation[check.id]);
        if (check.verdict(c).exceeded) exceeded += Cat(exceeded.empty() ? "" : "、", check.name);
    }
    table += Cat("</table>\n<p class=\"note\">利用率为计算值与限值之比（挠度为 ",
                 Text(Exact(kPlateDeflectionLimit)), "/(a/δ)、",
                 Text(Exact(kStiffenerDeflectionLimit)), "/(L/δ<sub>s</sub>)",
                 c.pointLoad ? "；集中荷载下铺板挠度为 δ/min(a/" +
                                   Text(Exact(kPointLoadPlateDeflectionLimit)) + ", " +
                                   Text(Exact(kPointLoadPlateStepLimit)) + ")"
                             : "",
                 "），达到 1 即超出限值。</p>\n");
    const std::string statement =
        exceeded.empty()
            ? Cat("<p class=\"statement pass\">结论：铺板及加劲肋",
                  c.pointLoad ? "在均布荷载和集中荷载下" : "",
                  c.shear ? "的强度、挠度、加劲肋抗剪及宽厚比" : "的强度和挠度",
                  "均满足要求。</p>\n")
            : Cat("<p class=\"statement exceeded\">结论：★", exceeded,
                  "超出限值，本设计不满足要求，须修改设计（铺板厚度、加劲肋截面或间距）后重新计算。"
                  "</p>\n");
    // After the point-load section 结论 rarely fits on the page before: it goes whole to the next
    // rather than leaving its statement alone on a page.
    return BookSection(book, "conclusion", c.pointLoad ? "7 结论" : "6 结论",
                       Cat(table, statement, "<p class=\"note\">本计算书未包括：",
                           c.shear ? "" : "抗剪、", "铺板与加劲肋间的焊缝、加劲肋的支座、",
                           c.pointLoad ? "" : "集中荷载、", "振动及疲劳。</p>\n"),
                       c.pointLoad ? "whole" : "");
}

}  // namespace deckplate::report
