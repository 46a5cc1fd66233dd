// A bay's opening sections: the basis it is computed on, the inputs and the loads.
#include "report/book_sections.h"
#include "report/html_text.h"
#include "report/mathml.h"

namespace deckplate::report {

using namespace mathml;

namespace {

std::string Row(std::string_view heading, std::string_view content) {
    return Cat("<tr><th>", heading, "</th><td>", content, "</td></tr>\n");
}

std::string Value(double x, std::string_view unit) { return Cat(Text(Exact(x)), " ", unit); }

std::string Number(double x) { return Text(Exact(x)); }

std::string LoadCombinationRule(DesignBasis basis) {
    if (basis == DesignBasis::Legacy) {
        return Cat("GB 50009-2012《建筑结构荷载规范》第 3.2.3、3.2.4 条，由可变荷载控制的组合：",
                   "q = ", Number(kLegacyDeadFactor), "·D + ", Number(kLegacyLiveFactor), "·P");
    }
    return Cat("GB 55001-2021《工程结构通用规范》第 3.1.13 条：q = ", Number(kCurrentDeadFactor),
               "·D + ", Number(kCurrentLiveFactor), "·P；工作平台按工业楼面，活荷载标准值大于 ",
               Number(kHeavyFloorLiveLoad), " kN/m² 时 γ<sub>Q</sub> 取 ",
               Number(kHeavyFloorLiveFactor));
}

// "按厚度 t ≤ 16 mm 取 f = 215、f<sub>v</sub> = 125，16 &lt; t ≤ 40 mm 取 f = 205、f<sub>v</sub> =
// 120， …"
std::string StrengthBands(SteelGrade grade) {
    std::string text = "按厚度";
    double from = 0;
    for (const StrengthBand& band : ValuesOf(grade).bands) {
        text += Cat(from == 0 ? " " : Cat("，", Number(from), " &lt; "), "t ≤ ",
                    Number(band.upToThickness), " mm 取 f = ", Number(band.f),
                    "、f<sub>v</sub> = ", Number(band.fv));
        from = band.upToThickness;
    }
    return text + " N/mm²";
}

std::string StrengthRule(const BookContext& book) {
    const DesignBasis basis = book.input.bay.basis;
    const SteelGrade grade = basis == DesignBasis::Legacy ? SteelGrade::Q235 : book.input.bay.steel;
    const SteelGradeValues& steel = ValuesOf(grade);
    const std::string rule = basis == DesignBasis::Legacy
                                 ? Cat("各部件 f = ", Number(kStressLimit), " N/mm²")
                                 : Cat(StrengthBands(grade), "；f<sub>y</sub> = ", Number(steel.fy),
                                       " N/mm²，ε<sub>k</sub> = √(235/f<sub>y</sub>) = ",
                                       Text(book.figures.current->epsilonK));
    return Cat(steel.name, "（", steel.standard, "），GB 50017-2017《钢结构设计标准》表 4.4.1，",
               rule, "。本计算：铺板（t = ", Value(book.input.bay.thickness.mm, "mm"),
               "）f = ", Text(Exact(book.check.plate.f)), " N/mm²，", StiffenerKind(book), "（t = ",
               Value(StiffenerThickness(StiffenerSection(book.input.bay.stiffener)), "mm"),
               "）f = ", Text(Exact(book.check.stiffener.f)),
               " N/mm²；弹性模量 E = ", Text(SteelModulus()), " N/mm²（表 4.4.8）");
}

std::string GammaRule(const BookContext& book) {
    const std::string lowerEdge =
        book.FlatBar() ? Cat(Text(Exact(kFlatBarTipGamma)), "（扁钢肋端，T 形截面的自由端）")
                       : Cat(Text(Exact(kAngleLegGamma)), "（角钢短肢）");
    return Cat("γ<sub>x</sub>，GB 50017-2017 第 6.1.2 条及表 8.1.1：铺板 ",
               Text(Exact(kPlateGamma)), "；加劲肋组合截面上缘（铺板顶面）",
               Text(Exact(kTopFaceGamma)), "，下缘 ", lowerEdge);
}

}  // namespace

std::string BasisSection(const BookContext& book) {
    const DesignBasis basis = book.input.bay.basis;
    const std::string content = Cat(
        "<table class=\"basis\">\n",
        Row("设计依据", Cat(BasisNameZh(basis), basis == DesignBasis::Legacy
                                                    ? "（按 GB 50009-2012 的荷载组合复核）"
                                                    : "（GB 55001-2021，2022-01-01 起实施）")),
        Row("荷载组合", Cat(LoadCombinationRule(basis), "；挠度按标准组合 q<sub>k</sub> = D + P")),
        Row("钢材", StrengthRule(book)), Row("截面塑性发展系数", GammaRule(book)),
        Row("挠度限值",
            Cat("铺板 a/", Number(kPlateDeflectionLimit),
                "（GB 50017-2017 附录 B 表 B.1.1，平台板）；加劲肋 L/",
                Number(kStiffenerDeflectionLimit), "（程序规定；表 B.1.1 无铺板加劲肋一项）")),
        Row("计算模型",
            Cat("铺板取 1 m 宽板条：四边简支板按弹性薄板理论（ν = 0.3）查 α、β；三跨及以上连续板按"
                "连续单向板条取 α = ",
                Number(kContinuousPlate.alpha), "、β = ", Number(kContinuousPlate.beta),
                "。加劲肋为跨度 L 的简支梁，承受一个间距 a 的荷载，截面计入有效宽度 "
                "b<sub>e</sub> = min(",
                Number(kStripThicknesses),
                book.figures.current ? "·t·ε<sub>k</sub>, a) 的铺板（参照 GB 50017-2017 第 "
                                       "6.3.7 条，每侧 15·t·ε<sub>k</sub>）"
                                     : "t, a) 的铺板")),
        "</table>\n");
    return BookSection(book, "basis", "1 计算依据", content);
}

std::string InputSection(const BookContext& book) {
    const BayInput& bay = book.input.bay;
    std::string stiffener = StiffenerTitle(book);
    if (const auto* bar = std::get_if<FlatBar>(&bay.stiffener))
        stiffener += Cat("（高 h = ", Value(bar->height, "mm"),
                         "，厚 t<sub>w</sub> = ", Value(bar->thickness, "mm"), "）");
    const auto pair = [](std::string_view h1, std::string_view v1, std::string_view h2,
                         std::string_view v2) {
        return Cat("<tr><th>", h1, "</th><td>", v1, "</td><th>", h2, "</th><td>", v2,
                   "</td></tr>\n");
    };
    const std::string content =
        Cat("<table class=\"inputs\">\n",
            pair("恒荷载标准值 D", Value(bay.dead, "kN/m²"), "活荷载标准值 P",
                 Value(bay.live, "kN/m²")),
            pair("铺板厚度 t", Value(bay.thickness.mm, "mm"), "边界条件",
                 bay.boundary.continuous ? "三跨及以上连续" : "四边简支"),
            pair("加劲肋跨度 L", Value(bay.span, "mm"), "加劲肋间距 a", Value(bay.spacing, "mm")),
            "<tr><th>加劲肋</th><td colspan=\"3\">", stiffener, "</td></tr>\n", "</table>\n");
    return BookSection(book, "input", "2 输入", content);
}

std::string LoadSection(const BookContext& book) {
    const BayInput& bay = book.input.bay;
    const DeckPlateResult& plate = book.check.plate;
    const std::string q =
        Math(Cat(Mi("q"), Mo("="), GammaX("G"), Mo("·"), Mi("D"), Mo("+"), GammaX("Q"), Mo("·"),
                 Mi("P"), Mo("="), Mn(Exact(plate.factors.dead)), Mo("×"), Mn(Exact(bay.dead)),
                 Mo("+"), Mn(Exact(plate.factors.live)), Mo("×"), Mn(Exact(bay.live)), Mo("="),
                 Mn(book.figures.q), Unit("kN/m²")));
    const std::string qk = Math(Cat(SubscriptedSymbol("q", "k"), Mo("="), Mi("D"), Mo("+"), Mi("P"),
                                    Mo("="), Mn(Exact(bay.dead)), Mo("+"), Mn(Exact(bay.live)),
                                    Mo("="), Mn(book.figures.qk), Unit("kN/m²")));
    std::string notes =
        Cat("<p>荷载组合：", EscapeHtml(LoadCombinationText(plate.basis, plate.factors)),
            "。q 用于强度验算，q<sub>k</sub> 用于挠度验算。</p>\n");
    if (plate.factors.heavyIndustrialFloor) {
        notes +=
            Cat("<p>P = ", Value(bay.live, "kN/m²"), " > ", Value(kHeavyFloorLiveLoad, "kN/m²"),
                "（工业楼面），γ<sub>Q</sub> 取 ", Text(Exact(plate.factors.live)), "。</p>\n");
    }
    notes += Cat("<p class=\"note\">铺板及加劲肋自重 w = ",
                 Text(Shown(book.check.stiffener.shown.selfWeight)), " kN/m²（每平方米，钢材 ",
                 Number(kSteelUnitWeight),
                 " kN/m³）仅供参考，未另行计入，应已包含在恒荷载 D 中。</p>\n");
    return BookSection(book, "loads", "3 荷载组合", Cat(FormulaBlock(q), FormulaBlock(qk), notes));
}

}  // namespace deckplate::report
