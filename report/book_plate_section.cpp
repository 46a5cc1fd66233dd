// 铺板验算: the panel and its coefficients, the plate's moment, stress and deflection.
#include "calc/number_text.h"
#include "report/book_sections.h"
#include "report/drawings.h"
#include "report/html_text.h"
#include "report/mathml.h"

namespace deckplate::report {

using namespace mathml;

namespace {

// How α and β were found, as the plate check reports it: the boundary, and for four simply
// supported edges the aspect ratio b/a rounded to one decimal, which picks a row of the table or,
// outside it, the one-way strip.
std::string Coefficients(const BookContext& book) {
    const BayInput& bay = book.input.bay;
    const DeckPlateResult& plate = book.check.plate;
    const PlateCoefficientChoice& choice = plate.coefficients;
    const std::string alphaBeta =
        Cat(InlineMath(Cat(Mi("α"), Mo("="), Mn(Exact(plate.alpha)))), "，",
            InlineMath(Cat(Mi("β"), Mo("="), Mn(Exact(plate.beta)))));
    if (choice.source == CoefficientSource::Continuous)
        return Cat("<p>三跨及以上连续铺板，按连续单向板条：", alphaBeta, "。</p>\n");
    const bool inTable = choice.source == CoefficientSource::Table;
    std::string text = Cat(
        "<p>四边简支：",
        InlineMath(Cat(Mi("b"), Mo("/"), Mi("a"), Mo("="), Mn(Exact(bay.span)), Mo("/"),
                       Mn(Exact(bay.spacing)), Mo("="), Mn(Fixed(choice.aspectRatio, 1)))),
        "（取一位小数），",
        inTable ? Cat("查四边简支板系数表 b/a = ", Text(Fixed(choice.aspectRatio, 1)), " 一行：")
                : Cat("不在系数表 b/a = ", Text(Fixed(kTableFirstTenths / 10.0, 1)), "～",
                      Text(Fixed(kTableLastTenths / 10.0, 1)), " 之内，按单向板条："),
        alphaBeta, "。</p>\n");
    const double legacySquareBeta = kFourEdgeRows.front().beta;
    if (inTable && plate.beta == legacySquareBeta) {
        const double understated =
            (kCurrentSquareBeta - legacySquareBeta) / kCurrentSquareBeta * 100.0;
        text += Cat("<p class=\"note\">原规范沿用正方形区格 β = ", Text(Exact(legacySquareBeta)),
                    "（弹性理论值 ", Text(Exact(kCurrentSquareBeta)), "，挠度偏小 ",
                    Text(Fixed(understated, 1)), "%），以便复核原有计算。</p>\n");
    }
    return text;
}

std::string Strength(const BookContext& book) {
    const BayInput& bay = book.input.bay;
    const DeckPlateResult& plate = book.check.plate;
    const StrengthVerdict& verdict = book.check.plateStrength;
    const BookFigures& figures = book.figures;
    const std::string moment =
        Math(Cat(Mi("M"), Mo("="), Mi("α"), Mo("·"), Mi("q"), Mo("·"), Msup(Mi("a"), Mn(Exact(2))),
                 Mo("="), Mn(Exact(plate.alpha)), Mo("×"), Mn(figures.q), Mo("×"),
                 Msup(Mn(Exact(bay.spacing / 1000.0)), Mn(Exact(2))), Mo("="), Mn(figures.moment),
                 Unit("kN·m/m")));
    const std::string stress = PlateStressFormula(figures.moment, bay.thickness.mm, figures.stress,
                                                  verdict.exceeded, plate.f);
    return Cat("<h3>强度</h3>\n", FormulaBlock(moment), FormulaBlock(stress),
               "<p class=\"note\">a 以 m 计；M 为每米板宽的弯矩，代入应力式时化为每毫米板宽 "
               "N·mm/mm。</p>\n",
               VerdictLine(verdict.exceeded, verdict.text));
}

std::string Deflection(const BookContext& book) {
    const BayInput& bay = book.input.bay;
    const DeckPlateResult& plate = book.check.plate;
    const DeflectionVerdict& verdict = book.check.plateDeflection;
    const std::string deflection = Math(Cat(
        Mi("δ"), Mo("="),
        Mfrac(Cat(Mi("β"), Mo("·"), SubscriptedSymbol("q", "k"), Mo("·"),
                  Msup(Mi("a"), Mn(Exact(4)))),
              Cat(Mi("E"), Mo("·"), Msup(Mi("t"), Mn(Exact(3))))),
        Mo("="),
        Mfrac(Cat(Mn(Exact(plate.beta)), Mo("×"), Mn(Scaled(book.figures.qk, -3)), Mo("×"),
                  Msup(Mn(Exact(bay.spacing)), Mn(Exact(4)))),
              Cat(Mn(SteelModulus()), Mo("×"), Msup(Mn(Exact(bay.thickness.mm)), Mn(Exact(3))))),
        Mo("="), Mn(book.figures.deflection), Unit("mm"), Mo(Relation(verdict.exceeded)),
        Mfrac(Mi("a"), Mn(Exact(verdict.limit))), Mo("="), Mn(Significant(verdict.allowed)),
        Unit("mm")));
    const std::string ratio = InlineMath(
        Cat(Mi("a"), Mo("/"), Mi("δ"), Mo("="), Mn(Fixed(RoundDecimals(verdict.ratio, 1), 1)),
            Mo(verdict.exceeded ? "≤" : ">"), Mn(Exact(verdict.limit))));
    return Cat("<h3>挠度</h3>\n", FormulaBlock(deflection),
               "<p class=\"note\">q<sub>k</sub> 以 N/mm² 计，a、t 以 mm 计；", ratio, "。</p>\n",
               VerdictLine(verdict.exceeded, verdict.text));
}

}  // namespace

std::string PlateSection(const BookContext& book) {
    const BayInput& bay = book.input.bay;
    const std::string panel =
        Cat("<div class=\"panel-text\"><p>铺板区格短边为加劲肋间距 a = ", Text(Exact(bay.spacing)),
            " mm，长边为加劲肋跨度 b = L = ", Text(Exact(bay.span)),
            " mm，取 1 m 宽板条计算，铺板厚度 t = ", Text(Exact(bay.thickness.mm)), " mm。</p>\n",
            Coefficients(book), "</div>\n");
    const std::string figure =
        Cat("<figure class=\"sketch\">", PanelSketch(bay),
            "<figcaption>区格平面（粗线为支承边，尺寸 mm）</figcaption></figure>\n");
    return BookSection(book, "plate", "4 铺板验算",
                       Cat("<div class=\"side-by-side\">", figure, panel, "</div>\n",
                           Strength(book), Deflection(book)));
}

}  // namespace deckplate::report
