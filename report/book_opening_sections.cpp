// A bay's opening sections: the basis it is computed on, the inputs and the loads.
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
    return Line("GB 55001-2021《工程结构通用规范》第 3.1.13 条：q = ", Number(kCurrentDeadFactor),
                "·D + ", Number(kCurrentLiveFactor), "·P；工作平台按工业楼面，活荷载标准值大于 ",
                Number(kHeavyFloorLiveLoad), " kN/m² 时 γ", Sub("Q"), " 取 ",
                Number(kHeavyFloorLiveFactor));
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
    return Line("γ", Sub("x"), "，GB 50017-2017 第 6.1.2 条及表 8.1.1：钢铺板 ",
                Text(Exact(kPlateGamma)), "；加劲肋组合截面上缘（钢铺板顶面）",
                Text(Exact(kTopFaceGamma)), "，下缘 ", lowerEdge);
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
    table.rows.push_back(TableRow(
        "计算模型",
        Line("钢铺板取 1 m 宽板条：四边简支板按弹性薄板理论（ν = 0.3）查 α、β；三跨及以上连续板按"
             "连续单向板条取 α = ",
             Number(kContinuousPlate.alpha), "、β = ", Number(kContinuousPlate.beta),
             "。加劲肋为跨度 L 的简支梁，承受一个间距 a 的荷载，截面计入有效宽度 b", Sub("e"),
             " = min(", Number(kStripThicknesses),
             book.figures.current ? Line("·t·ε", Sub("k"),
                                         ", a) 的钢铺板（参照 GB 50017-2017 第 6.3.7 条，每侧 "
                                         "15·t·ε",
                                         Sub("k"), "）")
                                  : Line("t, a) 的钢铺板"),
             "。跨度 L 与间距 a 均为中心距。")));
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

Blocks InputSection(const BookContext& book) {
    const BayInput& bay = book.input.bay;
    doc::Runs stiffener = Line(StiffenerTitle(book));
    if (const auto* bar = std::get_if<FlatBar>(&bay.stiffener))
        AddTo(stiffener, Line("（高 h = ", Value(bar->height, "mm"), "，厚 t", Sub("w"), " = ",
                              Value(bar->thickness, "mm"), "）"));
    const auto pair = [](std::string_view h1, std::string v1, std::string_view h2, std::string v2) {
        return doc::Row{.cells = {HeadCell(Line(h1)), PlainCell(Line(v1)), HeadCell(Line(h2)),
                                  PlainCell(Line(v2))}};
    };
    doc::Table table{.columns = {20, 30, 20, 30}};
    table.rows.push_back(pair("恒荷载标准值 D", Value(bay.dead, "kN/m²"), "活荷载标准值 P",
                              Value(bay.live, "kN/m²")));
    table.rows.push_back(pair("钢铺板厚度 t", Value(bay.thickness.mm, "mm"), "边界条件",
                              bay.boundary.continuous ? "三跨及以上连续" : "四边简支"));
    table.rows.push_back(
        pair("加劲肋跨度 L", Value(bay.span, "mm"), "加劲肋间距 a", Value(bay.spacing, "mm")));
    table.rows.push_back({.cells = {HeadCell(Line("加劲肋")), PlainCell(std::move(stiffener), 3)}});
    return {SectionHeading(book, "input", "2 输入"), {std::move(table)}};
}

Blocks LoadSection(const BookContext& book) {
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
    Blocks blocks{SectionHeading(book, "loads", "3 荷载组合"), Formula(std::move(q)),
                  Formula(std::move(qk)),
                  Body(Line("荷载组合：", LoadCombinationText(plate.basis, plate.factors),
                            "。q 用于强度验算，q", Sub("k"), " 用于挠度验算。"))};
    if (plate.factors.heavyIndustrialFloor) {
        blocks.push_back(
            Body(Line("P = ", Value(bay.live, "kN/m²"), " > ", Value(kHeavyFloorLiveLoad, "kN/m²"),
                      "（工业楼面），γ", Sub("Q"), " 取 ", Text(Exact(plate.factors.live)), "。")));
    }
    blocks.push_back(
        Note(Line("钢铺板及加劲肋自重 w = ", Text(Shown(book.check.stiffener.shown.selfWeight)),
                  " kN/m²（每平方米，钢材 ", Number(kSteelUnitWeight),
                  " kN/m³）仅供参考，未另行计入，应已包含在恒荷载 D 中。")));
    return blocks;
}

}  // namespace deckplate::report
