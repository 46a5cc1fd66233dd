// A bay's opening sections: the basis it is computed on, the inputs and the loads.
#include <optional>

#include "input/bay_inputs.h"
#include "report/book_sections.h"

namespace deckplate::report {

using namespace math;
using doc::Sub;

namespace {

std::string Value(double x, std::string_view unit) { return Cat(Text(Exact(x)), " ", unit); }

std::string Number(double x) { return Text(Exact(x)); }

doc::Runs LoadCombinationRule(DesignBasis basis) {
    if (basis == DesignBasis::Legacy) {
        return Line("GB 50009-2012《建筑结构荷载规范》第 3.2.3、3.2.4 条，由可变荷载控制的组合：",
                    "q = ", Number(kLegacyDeadFactor), "·D + ", Number(kLegacyLiveFactor), "·P");
    }
    return Line("GB 55001-2021《工程结构通用规范》第 3.1.13 条：q = γ", Sub("0"), "·(",
                Number(kCurrentDeadFactor), "·G", Sub("k"), " + ", Number(kCurrentLiveFactor),
                "·P)，G", Sub("k"),
                " 为恒荷载 D 与钢铺板及加劲肋自重 w 之和（D 已含自重时即 D）；"
                "工作平台按工业楼面，活荷载标准值大于 ",
                Number(kHeavyFloorLiveLoad), " kN/m² 时 γ", Sub("Q"), " 取 ",
                Number(kHeavyFloorLiveFactor), "；结构重要性系数 γ", Sub("0"),
                "（第 3.1.12 条）：安全等级一级 ", Text(Fixed(kImportanceFactors[0], 1)), "、二级 ",
                Text(Fixed(kImportanceFactors[1], 1)), "、三级 ",
                Text(Fixed(kImportanceFactors[2], 1)));
}

// "按厚度 t ≤ 16 mm 取 f = 215、fᵥ = 125，16 < t ≤ 40 mm 取 f = 205、fᵥ = 120， …"
doc::Runs StrengthBands(SteelGrade grade) {
    doc::Runs text = Line("按厚度");
    double from = 0;
    for (const StrengthBand& band : ValuesOf(grade).bands) {
        AddTo(text, Line(from == 0 ? " " : Cat("，", Number(from), " < "), "t ≤ ",
                         Number(band.upToThickness), " mm 取 f = ", Number(band.f), "、f", Sub("v"),
                         " = ", Number(band.fv)));
        from = band.upToThickness;
    }
    AddTo(text, " N/mm²");
    return text;
}

doc::Runs StrengthRule(const BookContext& book) {
    const DesignBasis basis = book.input.bay.basis;
    const SteelGrade grade = basis == DesignBasis::Legacy ? SteelGrade::Q235 : book.input.bay.steel;
    const SteelGradeValues& steel = ValuesOf(grade);
    const doc::Runs rule =
        basis == DesignBasis::Legacy
            ? Line("各部件 f = ", Number(kStressLimit), " N/mm²")
            : Line(StrengthBands(grade), "；f", Sub("y"), " = ", Number(steel.fy), " N/mm²，ε",
                   Sub("k"), " = √(235/f", Sub("y"), ") = ", Text(book.figures.current->epsilonK));
    return Line(
        steel.name, "（", steel.standard, "），GB 50017-2017《钢结构设计标准》表 4.4.1，", rule,
        "。本计算：钢铺板（t = ", Value(book.input.bay.thickness.mm, "mm"),
        "）f = ", Text(Exact(book.check.plate.f)), " N/mm²，", StiffenerKind(book),
        "（t = ", Value(StiffenerThickness(StiffenerSection(book.input.bay.stiffener)), "mm"),
        "）f = ", Text(Exact(book.check.stiffener.f)),
        " N/mm²；弹性模量 E = ", Text(SteelModulus()), " N/mm²（表 4.4.8）");
}

doc::Runs GammaRule(const BookContext& book) {
    const std::string lowerEdge =
        book.FlatBar() ? Cat(Text(Exact(kFlatBarTipGamma)), "（扁钢肋端，T 形截面的自由端）")
                       : Cat(Text(Exact(kAngleLegGamma)), "（角钢短肢）");
    doc::Runs rule = Line("γ", Sub("x"), "，GB 50017-2017 第 6.1.2 条及表 8.1.1：钢铺板 ",
                          Text(Exact(kPlateGamma)), "；加劲肋组合截面上缘（钢铺板顶面）",
                          Text(Exact(kTopFaceGamma)), "，下缘 ", lowerEdge);
    if (book.CurrentBasis()) {
        AddTo(rule,
              Line("；加劲肋间距 a 大于 2 × ", Number(kCompactOutstandLimit), "·t·ε", Sub("k"),
                   " 时，钢铺板在加劲肋两侧的受压外伸部分超过 S3 级（表 3.5.1），组合截面上、"
                   "下缘均取 ",
                   Text(Fixed(kNoPlasticAdaptation, 1))));
    }
    return rule;
}

doc::Row TableRow(std::string_view heading, doc::Runs content) {
    return {.cells = {HeadCell(Line(heading)), PlainCell(std::move(content))}};
}

}  // namespace

Blocks BasisSection(const BookContext& book) {
    const DesignBasis basis = book.input.bay.basis;
    doc::Table table{.columns = {18, 82}};
    table.rows.push_back(TableRow(
        "设计依据", Line(BasisNameZh(basis), basis == DesignBasis::Legacy
                                                 ? "（按 GB 50009-2012 的荷载组合复核）"
                                                 : "（GB 55001-2021，2022-01-01 起实施）")));
    table.rows.push_back(TableRow(
        "荷载组合", Line(LoadCombinationRule(basis), "；挠度按标准组合 q", Sub("k"), " = D + P")));
    table.rows.push_back(TableRow("钢材", StrengthRule(book)));
    table.rows.push_back(TableRow("截面塑性发展系数", GammaRule(book)));
    table.rows.push_back(TableRow(
        "挠度限值",
        Line("钢铺板 a/", Number(kPlateDeflectionLimit),
             "（GB 50017-2017 附录 B 表 B.1.1，平台板）；加劲肋 L/",
             Number(StiffenerDeflectionLimit(basis)),
             basis == DesignBasis::Legacy ? std::string("（程序规定；表 B.1.1 无钢铺板加劲肋一项）")
                                          : Cat("（表 B.1.1 第 4 项，其他梁），仅活荷载作用下 L/",
                                                Number(kStiffenerLiveDeflectionLimit)))));
    const ContinuousEnvelope& e = kContinuousEnvelope;
    const doc::Runs continuous =
        basis == DesignBasis::Legacy
            ? Line("三跨及以上连续板按连续单向板条取 α = ", Number(kContinuousPlate.alpha),
                   "、β = ", Number(kContinuousPlate.beta),
                   "。加劲肋为跨度 L 的简支梁，承受一个间距 a 的荷载")
            : Line(
                  "三跨及以上连续板按等跨连续单向板条的包络：恒荷载满布，活荷载最不利布置，"
                  "各取其弯矩及挠度系数。加劲肋为跨度 L 的简支梁，四边简支板时承受一个间距 a "
                  "的荷载，连续板时承受第一内支座的反力（恒荷载 ",
                  Number(e.supportDead), "·a，活荷载 ", Number(e.supportLive), "·a）");
    table.rows.push_back(TableRow(
        "计算模型",
        Line("钢铺板取 1 m 宽板条：四边简支板按系数表查 α、β（β 为弹性薄板理论值，ν = 0.3；α 在 "
             "b/a = 1.0～1.5 时大于弹性值，偏于安全）；",
             continuous, "，截面计入有效宽度 b", Sub("e"), " = min(", Number(kStripThicknesses),
             book.figures.current ? Line("·t·ε", Sub("k"),
                                         ", a) 的钢铺板（参照 GB 50017-2017 第 6.3.7 条，每侧 "
                                         "15·t·ε",
                                         Sub("k"), "）")
                                  : Line("t, a) 的钢铺板"),
             "。跨度 L 与间距 a 均为中心距。")));
    if (basis == DesignBasis::Current) {
        table.rows.push_back(TableRow(
            "焊缝",
            Line("钢铺板与加劲肋间的角焊缝：强度按 GB 50017-2017 第 11.2.2 条（翼缘焊缝的剪力流，"
                 "第 11.2.7 条），f",
                 Sub("f"), doc::Sup("w"),
                 " 按表 4.4.5（与钢材匹配的焊条）；构造按第 11.3.5 条（最小焊脚尺寸、断续焊缝"
                 "段长）及第 11.3.8 条（断续焊缝净距）")));
    }
    Blocks blocks{SectionHeading(book, "basis", "1 计算依据")};
    // A book of the legacy basis says at once what it is: a re-check under superseded factors.
    if (basis == DesignBasis::Legacy) {
        blocks.push_back(
            Note(Line("本计算书按 GB 50009-2012 的荷载分项系数复核原有计算；该规范的"
                      "分项系数自 2022-01-01 起已由 GB 55001-2021 取代，新设计应按"
                      "现行规范计算。")));
    }
    blocks.push_back({std::move(table)});
    return blocks;
}

namespace {

// The book's table of inputs, line by line: two inputs a line, or one across the line; a line of
// the current basis' inputs only under it. Each cell is its row's heading and words for the book.
struct BookInputLine {
    BayField left;
    std::optional<BayField> right = std::nullopt;
};
constexpr BookInputLine kBookInputLines[] = {
    {BayField::Dead, BayField::Live},
    {BayField::Thickness, BayField::Boundary},
    {BayField::Span, BayField::Spacing},
    {BayField::Stiffener},
    {BayField::SafetyClass, BayField::DeadIncludesSelfWeight},
    {BayField::Weld},
};

// An input's words in the table: the stiffener's as the book titles it, with a flat bar's sizes
// (its thickness' symbol subscripted); any other input's as its row gives them for the book.
doc::Runs CellWords(const input::InputRow& row, const BookContext& book) {
    const BayInput& bay = book.input.bay;
    if (row.field != BayField::Stiffener)
        return Line(row.book.words ? row.book.words(bay, book.check) : row.words(bay));
    doc::Runs stiffener = Line(StiffenerTitle(book));
    if (const auto* bar = std::get_if<FlatBar>(&bay.stiffener))
        AddTo(stiffener, Line("（高 h = ", Value(bar->height, "mm"), "，厚 t", Sub("w"), " = ",
                              Value(bar->thickness, "mm"), "）"));
    return stiffener;
}

// An input's heading and words, its words across `span` columns.
void AddCells(doc::Row& line, BayField field, int span, const BookContext& book) {
    const input::InputRow& row = input::RowOf(field);
    line.cells.push_back(HeadCell(Line(row.book.heading)));
    line.cells.push_back(PlainCell(CellWords(row, book), span));
}

}  // namespace

Blocks InputSection(const BookContext& book) {
    doc::Table table{.columns = {20, 30, 20, 30}};
    for (const BookInputLine& line : kBookInputLines) {
        if (input::RowOf(line.left).currentOnly && !book.CurrentBasis()) continue;
        doc::Row row;
        AddCells(row, line.left, line.right ? 1 : 3, book);
        if (line.right) AddCells(row, *line.right, 1, book);
        table.rows.push_back(std::move(row));
    }
    return {SectionHeading(book, "input", "2 输入"), {std::move(table)}};
}

namespace {

// The legacy basis' loads, as its books have always set them: q = γG·D + γQ·P, qk = D + P, and
// the self-weight for reference only.
Blocks LegacyLoads(const BookContext& book) {
    const BayInput& bay = book.input.bay;
    const DeckPlateResult& plate = book.check.plate;
    Expr q{Mi("q"),
           Mo("="),
           GammaX("G"),
           Mo("·"),
           Mi("D"),
           Mo("+"),
           GammaX("Q"),
           Mo("·"),
           Mi("P"),
           Mo("="),
           Mn(Exact(plate.factors.dead)),
           Mo("×"),
           Mn(Exact(bay.dead)),
           Mo("+"),
           Mn(Exact(plate.factors.live)),
           Mo("×"),
           Mn(Exact(bay.live)),
           Mo("="),
           Mn(book.figures.q),
           Unit("kN/m²")};
    Expr qk{SubscriptedSymbol("q", "k"),
            Mo("="),
            Mi("D"),
            Mo("+"),
            Mi("P"),
            Mo("="),
            Mn(Exact(bay.dead)),
            Mo("+"),
            Mn(Exact(bay.live)),
            Mo("="),
            Mn(book.figures.qk),
            Unit("kN/m²")};
    return {Formula(std::move(q)), Formula(std::move(qk))};
}

// The current basis' loads: the dead load with the floor's self-weight (added, or already in D),
// γ0 of the safety class, q = γ0·(γG·Gk + γQ·P) and qk = Gk + P.
Blocks CurrentLoads(const BookContext& book) {
    const BayInput& bay = book.input.bay;
    const BayCheck& c = book.check;
    const BookFigures& f = book.figures;
    const Expr dead = DeadSymbol(book), gamma0 = GammaX("0");
    Blocks blocks;
    if (f.selfWeight) {
        const Expr As = SubscriptedSymbol("A", "s");
        blocks.push_back(Body(Line("恒荷载标准值 D = ", Value(bay.dead, "kN/m²"),
                                   "（输入，不含钢铺板及加劲肋自重），自重 w 另行计入（钢材 ",
                                   Number(kSteelUnitWeight), " kN/m³）：")));
        blocks.push_back(Formula({Mi("w"), Mo("="), Mn(Exact(kSteelUnitWeight / 1000.0)), Mo("·"),
                                  Parenthesised({Mi("t"), Mo("+"), Mfrac(As, Mi("a"))}), Mo("="),
                                  Mn(Exact(kSteelUnitWeight / 1000.0)), Mo("×"),
                                  Parenthesised({Mn(Exact(bay.thickness.mm)), Mo("+"),
                                                 Mfrac(Mn(f.As), Mn(Exact(bay.spacing)))}),
                                  Mo("="), Mn(*f.selfWeight), Unit("kN/m²")}));
        blocks.push_back(
            Formula({dead, Mo("="), Mi("D"), Mo("+"), Mi("w"), Mo("="), Mn(Exact(bay.dead)),
                     Mo("+"), Mn(*f.selfWeight), Mo("="), Mn(f.dead), Unit("kN/m²")}));
        blocks.push_back(Note(
            Line("t、a 以 mm 计，A", Sub("s"), " 以 mm² 计（加劲肋截面积，按间距 a 摊为板厚）；",
                 Number(kSteelUnitWeight / 1000.0), " = ", Number(kSteelUnitWeight),
                 " kN/m³ × 10⁻³ m/mm。窗口所示自重 w = ", Text(Shown(c.stiffener.shown.selfWeight)),
                 " kN/m²（一位小数）。")));
    } else {
        blocks.push_back(Body(Line(
            "恒荷载标准值 D = ", Value(bay.dead, "kN/m²"),
            "，钢铺板及加劲肋自重 w = ", Text(Shown(c.stiffener.shown.selfWeight)), " kN/m²（钢材 ",
            Number(kSteelUnitWeight), " kN/m³）已包含在 D 中，不另行计入。")));
    }
    blocks.push_back(Body(
        Line("结构安全等级", SafetyClassNameZh(c.loads.safetyClass), "，结构重要性系数 γ", Sub("0"),
             " = ", Text(Fixed(c.loads.gamma0, 1)), "（GB 55001-2021 第 3.1.12 条）。")));
    const DeckPlateResult& plate = c.plate;
    blocks.push_back(Formula(
        {Mi("q"), Mo("="), gamma0, Mo("·"),
         Parenthesised({GammaX("G"), Mo("·"), dead, Mo("+"), GammaX("Q"), Mo("·"), Mi("P")}),
         Mo("="), Mn(Fixed(c.loads.gamma0, 1)), Mo("×"),
         Parenthesised({Mn(Exact(plate.factors.dead)), Mo("×"), Mn(f.dead), Mo("+"),
                        Mn(Exact(plate.factors.live)), Mo("×"), Mn(Exact(bay.live))}),
         Mo("="), Mn(f.q), Unit("kN/m²")}));
    blocks.push_back(
        Formula({SubscriptedSymbol("q", "k"), Mo("="), dead, Mo("+"), Mi("P"), Mo("="), Mn(f.dead),
                 Mo("+"), Mn(Exact(bay.live)), Mo("="), Mn(f.qk), Unit("kN/m²")}));
    return blocks;
}

}  // namespace

Blocks LoadSection(const BookContext& book) {
    const BayInput& bay = book.input.bay;
    const DeckPlateResult& plate = book.check.plate;
    Blocks blocks{SectionHeading(book, "loads", "3 荷载组合")};
    Append(blocks, book.CurrentBasis() ? CurrentLoads(book) : LegacyLoads(book));
    blocks.push_back(Body(Line("荷载组合：", LoadCombinationText(plate.basis, plate.factors),
                               "。q 用于强度验算，q", Sub("k"), " 用于挠度验算。")));
    if (plate.factors.heavyIndustrialFloor) {
        blocks.push_back(
            Body(Line("P = ", Value(bay.live, "kN/m²"), " > ", Value(kHeavyFloorLiveLoad, "kN/m²"),
                      "（工业楼面），γ", Sub("Q"), " 取 ", Text(Exact(plate.factors.live)), "。")));
    }
    if (!book.CurrentBasis()) {
        blocks.push_back(
            Note(Line("钢铺板及加劲肋自重 w = ", Text(Shown(book.check.stiffener.shown.selfWeight)),
                      " kN/m²（每平方米，钢材 ", Number(kSteelUnitWeight),
                      " kN/m³）仅供参考，未另行计入，应已包含在恒荷载 D 中。")));
    }
    return blocks;
}

}  // namespace deckplate::report
