// 钢铺板验算: the panel and its coefficients, the plate's moment, stress and deflection.
#include <cmath>

#include "calc/number_text.h"
#include "report/book_sections.h"
#include "report/drawings.h"

namespace deckplate::report {

using namespace math;
using doc::Sub;

namespace {

// How α and β were found, as the plate check reports it: the boundary, and for four simply
// supported edges the aspect ratio b/a rounded to one decimal, which picks a row of the table or,
// outside it, the one-way strip.
Blocks Coefficients(const BookContext& book) {
    const BayInput& bay = book.input.bay;
    const DeckPlateResult& plate = book.check.plate;
    const PlateCoefficientChoice& choice = plate.coefficients;
    const doc::Runs alphaBeta = Line(doc::Inline({Mi("α"), Mo("="), Mn(Exact(plate.alpha))}), "，",
                                     doc::Inline({Mi("β"), Mo("="), Mn(Exact(plate.beta))}));
    if (choice.source == CoefficientSource::Continuous)
        return {Body(Line("三跨及以上连续钢铺板，按连续单向板条：", alphaBeta, "。"))};
    if (choice.source == CoefficientSource::ContinuousEnvelope) {
        const auto coefficient = [](std::string_view symbol, std::string_view load, double x) {
            return doc::Inline({SubscriptedSymbol(symbol, load), Mo("="), Mn(Exact(x))});
        };
        return {
            Body(Line("三跨及以上连续钢铺板，按等跨连续单向板条的包络：恒荷载满布于各跨，",
                      coefficient("α", "D", choice.alpha), "（四跨满布的支座弯矩），",
                      coefficient("β", "D", choice.beta),
                      "（三跨满布的边跨挠度）；活荷载按最不利"
                      "布置，",
                      coefficient("α", "L", choice.alphaLive), "（B 支座两侧跨布置），",
                      coefficient("β", "L", choice.betaLive), "（一、三跨布置）。")),
            Note(Line("M = α·q·a²；梁的挠度 w = β·q·a⁴/(E·I)，板条 I = t³/(12(1 − ν²))，故挠度式乘 "
                      "12(1 − ν²) = ",
                      Text(Exact(kPlateRigidityFactor)), "。"))};
    }
    const bool inTable = choice.source == CoefficientSource::Table;
    Blocks blocks{Body(Line(
        "四边简支：",
        doc::Inline({Mi("b"), Mo("/"), Mi("a"), Mo("="), Mn(Exact(bay.span)), Mo("/"),
                     Mn(Exact(bay.spacing)), Mo("="), Mn(Fixed(choice.aspectRatio, 1))}),
        "（取一位小数），",
        inTable ? Cat("查四边简支板系数表 b/a = ", Text(Fixed(choice.aspectRatio, 1)), " 一行：")
                : Cat("不在系数表 b/a = ", Text(Fixed(kTableFirstTenths / 10.0, 1)), "～",
                      Text(Fixed(kTableLastTenths / 10.0, 1)), " 之内，按单向板条："),
        alphaBeta, "。"))};
    // From b/a = 1.0 to 1.5 the table's α is above the elastic plate's: say so, with both.
    const auto row = static_cast<std::size_t>(std::lround(choice.aspectRatio * 10.0) -
                                              std::lround(kTableFirstTenths));
    if (inTable && row < kElasticFourEdgeAlpha.size() && plate.alpha > kElasticFourEdgeAlpha[row])
        blocks.push_back(
            Note(Line("α = ", Text(Exact(plate.alpha)), " 为程序系数表之值，大于弹性薄板理论值 ",
                      Text(Exact(kElasticFourEdgeAlpha[row])),
                      "（Timoshenko《Theory of Plates and Shells》§30，ν = 0.3），"
                      "偏于安全。")));
    const double legacySquareBeta = kFourEdgeRows.front().beta;
    if (inTable && plate.beta == legacySquareBeta) {
        const double understated =
            (kCurrentSquareBeta - legacySquareBeta) / kCurrentSquareBeta * 100.0;
        blocks.push_back(Note(Line("原规范沿用正方形区格 β = ", Text(Exact(legacySquareBeta)),
                                   "（弹性理论值 ", Text(Exact(kCurrentSquareBeta)), "，挠度偏小 ",
                                   Text(Fixed(understated, 1)), "%），以便复核原有计算。")));
    }
    return blocks;
}

// The envelope's moment (αD·γG·Gk + αL·γQ·P)·γ0·a², as calc/plate_formulas.h forms it.
Expr EnvelopeMoment(const BookContext& book) {
    const BayInput& bay = book.input.bay;
    const DeckPlateResult& plate = book.check.plate;
    const PlateCoefficientChoice& c = plate.coefficients;
    return {Mi("M"),
            Mo("="),
            Parenthesised({SubscriptedSymbol("α", "D"), Mo("·"), GammaX("G"), Mo("·"),
                           DeadSymbol(book), Mo("+"), SubscriptedSymbol("α", "L"), Mo("·"),
                           GammaX("Q"), Mo("·"), Mi("P")}),
            Mo("·"),
            GammaX("0"),
            Mo("·"),
            Msup(Mi("a"), Mn(Exact(2))),
            Mo("="),
            Parenthesised({Mn(Exact(c.alpha)), Mo("×"), Mn(Exact(plate.factors.dead)), Mo("×"),
                           Mn(book.figures.dead), Mo("+"), Mn(Exact(c.alphaLive)), Mo("×"),
                           Mn(Exact(plate.factors.live)), Mo("×"), Mn(Exact(bay.live))}),
            Mo("×"),
            Mn(Fixed(plate.gamma0, 1)),
            Mo("×"),
            Msup(Mn(Exact(bay.spacing / 1000.0)), Mn(Exact(2))),
            Mo("="),
            Mn(book.figures.moment),
            Unit("kN·m/m")};
}

// The envelope's deflection 10.92·(βD·Gk + βL·P)·a⁴/(E·t³), up to its result.
Expr EnvelopeDeflection(const BookContext& book) {
    const BayInput& bay = book.input.bay;
    const PlateCoefficientChoice& c = book.check.plate.coefficients;
    const Figure rigidity = Exact(kPlateRigidityFactor);
    return {Mi("δ"),
            Mo("="),
            Mfrac({Mn(rigidity), Mo("·"),
                   Parenthesised({SubscriptedSymbol("β", "D"), Mo("·"), DeadSymbol(book), Mo("+"),
                                  SubscriptedSymbol("β", "L"), Mo("·"), Mi("P")}),
                   Mo("·"), Msup(Mi("a"), Mn(Exact(4)))},
                  {Mi("E"), Mo("·"), Msup(Mi("t"), Mn(Exact(3)))}),
            Mo("="),
            Mfrac({Mn(rigidity), Mo("×"),
                   Parenthesised({Mn(Exact(c.beta)), Mo("×"), Mn(Scaled(book.figures.dead, -3)),
                                  Mo("+"), Mn(Exact(c.betaLive)), Mo("×"),
                                  Mn(Scaled(Exact(bay.live), -3))}),
                   Mo("×"), Msup(Mn(Exact(bay.spacing)), Mn(Exact(4)))},
                  {Mn(SteelModulus()), Mo("×"), Msup(Mn(Exact(bay.thickness.mm)), Mn(Exact(3)))}),
            Mo("="),
            Mn(book.figures.deflection),
            Unit("mm")};
}

Blocks Strength(const BookContext& book) {
    const BayInput& bay = book.input.bay;
    const DeckPlateResult& plate = book.check.plate;
    const StrengthVerdict& verdict = book.check.plateStrength;
    const BookFigures& figures = book.figures;
    Expr moment = plate.coefficients.source == CoefficientSource::ContinuousEnvelope
                      ? EnvelopeMoment(book)
                      : Expr{Mi("M"),
                             Mo("="),
                             Mi("α"),
                             Mo("·"),
                             Mi("q"),
                             Mo("·"),
                             Msup(Mi("a"), Mn(Exact(2))),
                             Mo("="),
                             Mn(Exact(plate.alpha)),
                             Mo("×"),
                             Mn(figures.q),
                             Mo("×"),
                             Msup(Mn(Exact(bay.spacing / 1000.0)), Mn(Exact(2))),
                             Mo("="),
                             Mn(figures.moment),
                             Unit("kN·m/m")};
    return {SubHeading("强度"), Formula(std::move(moment)),
            Formula(PlateStressFormula(figures.moment, bay.thickness.mm, figures.stress,
                                       verdict.exceeded, plate.f)),
            Note(Line("a 以 m 计；M 为每米板宽的弯矩，代入应力式时化为每毫米板宽 N·mm/mm。")),
            VerdictOf(book, Check::PlateStrength)};
}

Blocks Deflection(const BookContext& book) {
    const BayInput& bay = book.input.bay;
    const DeckPlateResult& plate = book.check.plate;
    const DeflectionVerdict& verdict = book.check.plateDeflection;
    Expr deflection =
        plate.coefficients.source == CoefficientSource::ContinuousEnvelope
            ? EnvelopeDeflection(book)
            : Expr{Mi("δ"),
                   Mo("="),
                   Mfrac({Mi("β"), Mo("·"), SubscriptedSymbol("q", "k"), Mo("·"),
                          Msup(Mi("a"), Mn(Exact(4)))},
                         {Mi("E"), Mo("·"), Msup(Mi("t"), Mn(Exact(3)))}),
                   Mo("="),
                   Mfrac({Mn(Exact(plate.beta)), Mo("×"), Mn(Scaled(book.figures.qk, -3)), Mo("×"),
                          Msup(Mn(Exact(bay.spacing)), Mn(Exact(4)))},
                         {Mn(SteelModulus()), Mo("×"),
                          Msup(Mn(Exact(bay.thickness.mm)), Mn(Exact(3)))}),
                   Mo("="),
                   Mn(book.figures.deflection),
                   Unit("mm")};
    deflection += Expr{Mo(Relation(verdict.exceeded)), Mfrac(Mi("a"), Mn(Exact(verdict.limit))),
                       Mo("="), Mn(Significant(verdict.allowed)), Unit("mm")};
    const doc::FormulaRun ratio = doc::Inline(
        {Mi("a"), Mo("/"), Mi("δ"), Mo("="), Mn(Fixed(RoundDecimals(verdict.ratio, 1), 1)),
         Mo(verdict.exceeded ? "≤" : ">"), Mn(Exact(verdict.limit))});
    return {SubHeading("挠度"), Formula(std::move(deflection)),
            Note(Line(plate.coefficients.source == CoefficientSource::ContinuousEnvelope
                          ? Line(DeadSymbolWords(book), "、P")
                          : Line("q", Sub("k")),
                      " 以 N/mm² 计，a、t 以 mm 计；", ratio, "。")),
            VerdictOf(book, Check::PlateDeflection)};
}

}  // namespace

Blocks PlateSection(const BookContext& book) {
    const BayInput& bay = book.input.bay;
    Blocks panel{Body(Line("钢铺板区格短边为加劲肋间距 a = ", Text(Exact(bay.spacing)),
                           " mm，长边为加劲肋跨度 b = L = ", Text(Exact(bay.span)),
                           " mm（均为中心距），取 1 m 宽板条计算，钢铺板厚度 t = ",
                           Text(Exact(bay.thickness.mm)), " mm。"))};
    Append(panel, Coefficients(book));
    Blocks figure{{doc::Illustration{PanelSketch(bay), Line("区格平面（粗线为支承边，尺寸 mm）")}}};
    Blocks blocks{SectionHeading(book, "plate", "4 钢铺板验算"),
                  {doc::SideBySide{{std::move(figure), std::move(panel)}}}};
    Append(blocks, Strength(book));
    Append(blocks, Deflection(book));
    return blocks;
}

}  // namespace deckplate::report
