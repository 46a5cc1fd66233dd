// 焊缝验算 (current basis): the fillet weld between the plate and the stiffener, its shear flow
// and stress under the support shear, and its detailing rule by rule.
#include <algorithm>

#include "calc/number_text.h"
#include "report/book_sections.h"

namespace deckplate::report {

using namespace math;
using doc::Sub;

namespace {

Expr Hf() { return SubscriptedSymbol("h", "f"); }
Expr He() { return SubscriptedSymbol("h", "e"); }
Expr Lw() { return SubscriptedSymbol("l", "w"); }
Expr WeldStrengthSymbol() { return Msup(SubscriptedSymbol("f", "f"), Mi("w")); }

// Sp = Ap·(Yo − t/2), the plate strip's first moment about the neutral axis, the throat
// he = 0.7·hf and an intermittent weld's lw = l − 2·hf.
Blocks WeldParts(const BookContext& book) {
    const WeldCheck& weld = *book.check.weld;
    const BookFigures& f = book.figures;
    const WeldFigures& w = f.current->weld;
    const Expr Ap = SubscriptedSymbol("A", "p"), Yo = SubscriptedSymbol("Y", "o");
    const Expr halfT = Mfrac(Mi("t"), Mn(Exact(2)));
    const Expr halfTNumber = Mn(Exact(book.input.bay.thickness.mm / 2));
    // The axis below the plate's mid-plane but for a bare strip: the lever as it stands.
    const bool below = book.check.stiffener.Yo >= book.input.bay.thickness.mm / 2;
    Blocks blocks{
        Formula({SubscriptedSymbol("S", "p"), Mo("="), Ap, Mo("·"),
                 Parenthesised(below ? Expr{Yo, Mo("−"), halfT} : Expr{halfT, Mo("−"), Yo}),
                 Mo("="), Mn(f.Ap), Mo("×"),
                 Parenthesised(below ? Expr{Mn(f.Yo), Mo("−"), halfTNumber}
                                     : Expr{halfTNumber, Mo("−"), Mn(f.Yo)}),
                 Mo("="), Mn(w.Sp), Unit("mm³")}),
        Formula({He(), Mo("="), Mn(Exact(kFilletThroat)), Mo("·"), Hf(), Mo("="),
                 Mn(Exact(kFilletThroat)), Mo("×"), Mn(Exact(weld.size)), Mo("="), Mn(w.throat),
                 Unit("mm")})};
    if (weld.segments && w.lw) {
        blocks.push_back(Formula({Lw(), Mo("="), Mi("l"), Mo("−"), Mn(Exact(2)), Mo("·"), Hf(),
                                  Mo("="), Mn(Exact(weld.segments->length)), Mo("−"), Mn(Exact(2)),
                                  Mo("×"), Mn(Exact(weld.size)), Mo("="), Mn(*w.lw), Unit("mm")}));
    }
    return blocks;
}

// The detailing rules of §11.3.5 and §11.3.8 in the order the check takes them: each with what
// it asks and what the weld gives; the check stops at the first rule broken, so the rules after
// it are not judged.
doc::Table DetailingRules(const BookContext& book) {
    const BayInput& bay = book.input.bay;
    const WeldCheck& weld = *book.check.weld;
    const WeldDetailingCheck& d = *book.check.weldDetailing;
    const double plate = bay.thickness.mm;
    const double rib = StiffenerThickness(StiffenerSection(bay.stiffener));
    const double thicker = std::max(plate, rib), thinner = std::min(plate, rib);
    const double tableLeast = LeastWeldSize(thicker);
    const double hf = weld.size;
    struct Rule {
        WeldRule rule;
        doc::Runs what, limit, actual;
    };
    std::vector<Rule> rules{
        {WeldRule::LegTooSmall,
         Line("最小焊脚尺寸（表 11.3.5，按较厚焊件 t = ", Text(Exact(thicker)), " mm）"),
         tableLeast > thinner
             ? Line("h", Sub("f"), " ≥ min(", Text(Exact(tableLeast)), ", t", Sub("min"), " = ",
                    Text(Exact(thinner)), ") = ", Text(Exact(thinner)), " mm")
             : Line("h", Sub("f"), " ≥ ", Text(Exact(tableLeast)), " mm"),
         Line("h", Sub("f"), " = ", Text(Exact(hf)), " mm")}};
    if (const auto& segments = weld.segments) {
        const double segment = std::max(kLeastSegmentLegs * hf, kLeastSegment);
        const double effective = std::max(kLeastEffectiveLegs * hf, kLeastEffectiveLength);
        const double widest = kWidestGapThicknesses * thinner;
        rules.push_back({WeldRule::SegmentTooShort, Line("断续焊缝段长（第 11.3.5 条）"),
                         Line("l ≥ max(", Text(Exact(kLeastSegmentLegs)), "h", Sub("f"), ", ",
                              Text(Exact(kLeastSegment)), ") = ", Text(Exact(segment)), " mm"),
                         Line("l = ", Text(Exact(segments->length)), " mm")});
        rules.push_back(
            {WeldRule::EffectiveTooShort, Line("断续焊缝计算长度（第 11.3.5 条）"),
             Line("l", Sub("w"), " ≥ max(", Text(Exact(kLeastEffectiveLegs)), "h", Sub("f"), ", ",
                  Text(Exact(kLeastEffectiveLength)), ") = ", Text(Exact(effective)), " mm"),
             Line("l", Sub("w"), " = ", Text(Exact(weld.effectiveLength)), " mm")});
        rules.push_back({WeldRule::GapTooWide, Line("断续焊缝净距（第 11.3.8 条，受压构件）"),
                         Line("s − l ≤ ", Text(Exact(kWidestGapThicknesses)), "t", Sub("min"),
                              " = ", Text(Exact(widest)), " mm"),
                         Line("s − l = ", Text(Exact(segments->pitch - segments->length)), " mm")});
    }
    doc::Table table{.columns = {34, 30, 22, 14}, .headerRows = 1};
    table.rows.push_back({.cells = {HeadCell(Line("构造要求")), HeadCell(Line("限值")),
                                    HeadCell(Line("本设计")), HeadCell(Line("判定"))}});
    bool judged = true;
    for (Rule& rule : rules) {
        const bool broken = rule.rule == d.broken;
        table.rows.push_back(
            {.cells = {PlainCell(std::move(rule.what)), PlainCell(std::move(rule.limit)),
                       PlainCell(std::move(rule.actual)),
                       PlainCell(Line(!judged  ? "—"
                                      : broken ? "★不满足"
                                               : "满足"))},
             .look = broken ? doc::RowLook::Exceeded : doc::RowLook::Plain});
        if (broken) judged = false;
    }
    return table;
}

}  // namespace

Blocks WeldStressFormulas(const BookContext& book, const WeldCheck& weld, const WeldFigures& w,
                          const Figure& force) {
    const Expr v = Mi("v"), n = Mi("n");
    Expr shearFlow{
        v,
        Mo("="),
        Mfrac({Mi("V"), Mo("·"), SubscriptedSymbol("S", "p")}, SubscriptedSymbol("I", "x")),
        Mo("="),
        Mfrac({Mn(Scaled(force, 3)), Mo("×"), Mn(w.Sp)}, Mn(book.figures.Ix)),
        Mo("="),
        Mn(w.v),
        Unit("N/mm")};
    const bool intermittent = weld.segments && w.lw;
    Expr stress{SubscriptedSymbol("τ", "f"), Mo("=")};
    if (intermittent) {
        stress += Expr{Mfrac({v, Mo("·"), Mfrac(Mi("s"), Lw())}, {n, Mo("·"), He()}), Mo("="),
                       Mfrac({Mn(w.v), Mo("×"), Mfrac(Mn(Exact(weld.segments->pitch)), Mn(*w.lw))},
                             {Mn(Exact(weld.throats)), Mo("×"), Mn(w.throat)})};
    } else {
        stress += Expr{Mfrac(v, {n, Mo("·"), He()}), Mo("="),
                       Mfrac(Mn(w.v), {Mn(Exact(weld.throats)), Mo("×"), Mn(w.throat)})};
    }
    stress += Expr{Mo("="),
                   Mn(w.tau),
                   Unit("N/mm²"),
                   Mo(Relation(weld.verdict.exceeded)),
                   WeldStrengthSymbol(),
                   Mo("="),
                   Mn(Exact(weld.limit)),
                   Unit("N/mm²")};
    return {Formula(std::move(shearFlow)), Formula(std::move(stress))};
}

Blocks WeldSection(const BookContext& book) {
    if (!book.check.weld || !book.figures.current) return {};
    const BayInput& bay = book.input.bay;
    const WeldCheck& weld = *book.check.weld;
    const CurrentBasisFigures& f = *book.figures.current;
    Blocks blocks{
        SectionHeading(book, "weld", Cat(std::to_string(WeldSectionNumber(book)), " 焊缝验算")),
        Body(Line("钢铺板与加劲肋以", WeldDescriptionZh(weld), " 连接",
                  bay.weld.size ? "" : "（焊脚尺寸未给定，取构造最小值）", "；焊条 ",
                  ElectrodeOf(bay.steel), "，角焊缝强度设计值 f", Sub("f"), doc::Sup("w"), " = ",
                  Text(Exact(weld.limit)),
                  " N/mm²（GB 50017-2017 表 4.4.5）。钢铺板经此焊缝与加劲肋共同工作，焊缝承受"
                  "两者接触面上的纵向剪力流，取支座处最大剪力 V = ",
                  Text(f.shear.V), " kN（第 5 节）。")),
        SubHeading("强度")};
    Append(blocks, WeldParts(book));
    Append(blocks, WeldStressFormulas(book, weld, f.weld, f.shear.V));
    blocks.push_back(
        Note(Line("S", Sub("p"), " 为焊缝以上有效宽度钢铺板条 b", Sub("e"),
                  " × t 对组合截面中和轴的面积矩，"
                  "V 以 N 计；n 为焊缝条数（双面 2，单面 1），h",
                  Sub("e"), " 为角焊缝计算厚度",
                  weld.segments ? Line("；断续焊缝每段计算长度 l", Sub("w"), " = l − 2h", Sub("f"),
                                       " 承受一个节距 s 的剪力流")
                                : Line(),
                  "（GB 50017-2017 第 11.2.2、11.2.7 条）。")));
    blocks.push_back(VerdictOf(book, Check::WeldStrength));
    blocks.push_back(SubHeading("构造"));
    blocks.push_back({DetailingRules(book)});
    blocks.push_back(VerdictOf(book, Check::WeldDetail));
    return blocks;
}

}  // namespace deckplate::report
