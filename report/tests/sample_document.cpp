#include "report/tests/sample_document.h"

#include "report/book_numbers.h"

namespace deckplate::report::doc {
namespace {

using namespace math;

Expr Sub(std::string_view symbol, std::string_view subscript) {
    return Msub(Mi(symbol), Mi(subscript));
}

report::Figure Power(std::string digits, int tenPower) { return {std::move(digits), tenPower}; }

Block Text(Runs runs) { return {Paragraph{std::move(runs)}}; }
Block Note(Runs runs) { return {Paragraph{std::move(runs), ParagraphLook::Note}}; }

Cell Head(std::string_view text) { return {.runs = {Words(text)}, .header = true}; }
Cell Plain(Runs runs, int span = 1) { return {.runs = std::move(runs), .span = span}; }
Cell Number(std::string_view text) { return {.runs = {Words(text)}, .align = Align::Right}; }

// The composite section to scale: the plate strip over an angle, the axis, the dimensions.
drawing::Drawing SectionDrawing() {
    using namespace drawing;
    Drawing d{.width = 282, .height = 222, .title = "加劲肋组合截面"};
    d.shapes.push_back(Rect{{40, 28}, 170, 8.5, Look::Steel});
    d.shapes.push_back(Polygon{
        {{122, 36.5}, {128, 36.5}, {128, 180}, {170, 180}, {170, 186}, {122, 186}}, Look::Steel});
    AddHorizontalDimension(d, {122, 186}, {170, 186}, 202, "b = 40");
    AddVerticalDimension(d, {210, 28}, {210, 36.5}, 226, "t = 6");
    AddVerticalDimension(d, {128, 36.5}, {170, 186}, 226, "h = 100");
    AddHorizontalDimension(d, {40, 28}, {210, 28}, 16, "be = 180.0");
    d.shapes.push_back(Line{{14, 74}, {222, 74}, Look::Axis});
    d.shapes.push_back(Label{{28, 71}, "x", Anchor::Middle, Look::AxisLabel});
    d.shapes.push_back(Label{{217, 71}, "x", Anchor::Middle, Look::AxisLabel});
    AddVerticalDimension(d, {40, 28}, {40, 74}, 18, "Yo = 33.50", true);
    return d;
}

// The plate panel in plan: three panels of a continuous plate, the middle one checked.
drawing::Drawing PanelSketch() {
    using namespace drawing;
    Drawing d{.width = 326, .height = 130, .title = "连续铺板的区格平面"};
    for (int i = 0; i < 3; ++i)
        d.shapes.push_back(
            Rect{{16, 12.0 + i * 28}, 200, 28, i == 1 ? Look::CheckedPanel : Look::Panel});
    for (int i = 0; i <= 3; ++i)
        d.shapes.push_back(Line{{16, 12.0 + i * 28}, {216, 12.0 + i * 28}, Look::Support});
    AddHorizontalDimension(d, {16, 96}, {216, 96}, 112, "b = L = 2000");
    AddVerticalDimension(d, {216, 40}, {216, 68}, 230, "a = 500");
    return d;
}

std::string Id(int bay, std::string_view part) {
    return "bay-" + std::to_string(bay) + std::string(part);
}

std::vector<Block> Basis(int bay) {
    Table table{.columns = {22, 78}};
    const auto row = [&](std::string_view head, Runs content) {
        table.rows.push_back({.cells = {Head(head), Plain(std::move(content))}});
    };
    row("设计依据", {Words("现行规范（GB 55001-2021，2022-01-01 起实施）")});
    row("荷载组合",
        {Words(
             "GB 55001-2021《工程结构通用规范》第 3.1.13 条：q = 1.3·D + 1.5·P；挠度按标准组合 q"),
         doc::Sub("k"), Words(" = D + P")});
    row("钢材",
        {Words("Q235（GB/T 700-2006），f = 215 N/mm²，f"), doc::Sub("v"), Words(" = 125 N/mm²，f"),
         doc::Sub("y"), Words(" = 235 N/mm²，ε"), doc::Sub("k"), Words(" = √(235/f"), doc::Sub("y"),
         Words(") = 1.000；弹性模量 E = 2.06×10⁵ N/mm²")});
    row("截面塑性发展系数", {Words("γ"), doc::Sub("x"), Words("：铺板 1.2；上缘 1.05，下缘 1.2")});
    row("挠度限值", {Words("铺板 a/150；加劲肋 L/200")});
    return {{Heading{2, {Words("1 计算依据")}, Id(bay, "-basis")}}, {std::move(table)}};
}

std::vector<Block> Inputs(int bay) {
    Table table{.columns = {20, 30, 20, 30}};
    table.rows.push_back({.cells = {Head("恒荷载标准值 D"), Plain({Words("1.5 kN/m²")}),
                                    Head("活荷载标准值 P"), Plain({Words("4 kN/m²")})}});
    table.rows.push_back({.cells = {Head("铺板厚度 t"), Plain({Words("6 mm")}), Head("边界条件"),
                                    Plain({Words("三跨及以上连续")})}});
    table.rows.push_back({.cells = {Head("加劲肋跨度 L"), Plain({Words("2000 mm")}),
                                    Head("加劲肋间距 a"), Plain({Words("500 mm")})}});
    table.rows.push_back({.cells = {Head("加劲肋"), Plain({Words("不等边角钢 L100x63x6")}, 3)}});
    return {{Heading{2, {Words("2 输入")}, Id(bay, "-input")}}, {std::move(table)}};
}

std::vector<Block> Loads(int bay) {
    return {
        {Heading{2, {Words("3 荷载组合")}, Id(bay, "-loads")}},
        {FormulaBlock{{Mi("q"),        Mo("="), Sub("γ", "G"),   Mo("·"),
                       Mi("D"),        Mo("+"), Sub("γ", "Q"),   Mo("·"),
                       Mi("P"),        Mo("="), Mn(Exact(1.3)),  Mo("×"),
                       Mn(Exact(1.5)), Mo("+"), Mn(Exact(1.5)),  Mo("×"),
                       Mn(Exact(4)),   Mo("="), Mn(Exact(7.95)), Unit("kN/m²")}}},
        {FormulaBlock{{Sub("q", "k"), Mo("="), Mi("D"), Mo("+"), Mi("P"), Mo("="), Mn(Exact(1.5)),
                       Mo("+"), Mn(Exact(4)), Mo("="), Mn(Exact(5.5)), Unit("kN/m²")}}},
        Text({Words("荷载组合：1.3D + 1.5P。q 用于强度验算，q"), doc::Sub("k"),
              Words(" 用于挠度验算。")}),
        Note({Words("铺板及加劲肋自重 w = 0.6 kN/m²（每平方米，钢材 78.5 kN/m³）仅供参考，"
                    "未另行计入，应已包含在恒荷载 D 中。")}),
    };
}

std::vector<Block> Plate(int bay) {
    const Expr stress{Mi("σ"),
                      Mo("="),
                      Mfrac({Mn(Exact(6)), Mo("·"), Mi("M")},
                            {Sub("γ", "x"), Mo("·"), Msup(Mi("t"), Mn(Exact(2)))}),
                      Mo("="),
                      Mfrac({Mn(Exact(6)), Mo("×"), Mn(Power("0.1988", 3))},
                            {Mn(Exact(1.2)), Mo("×"), Msup(Mn(Exact(6)), Mn(Exact(2)))}),
                      Mo("="),
                      Mn(Exact(27.61)),
                      Unit("N/mm²"),
                      Mo("<"),
                      Mi("f"),
                      Mo("="),
                      Mn(Exact(215)),
                      Unit("N/mm²")};
    const Expr deflection{
        Mi("δ"),
        Mo("="),
        Mfrac({Mi("β"), Mo("·"), Sub("q", "k"), Mo("·"), Msup(Mi("a"), Mn(Exact(4)))},
              {Mi("E"), Mo("·"), Msup(Mi("t"), Mn(Exact(3)))}),
        Mo("="),
        Mfrac({Mn(Exact(0.0026)), Mo("×"), Mn(Power("5.5", -3)), Mo("×"),
               Msup(Mn(Exact(500)), Mn(Exact(4)))},
              {Mn(Power("2.06", 5)), Mo("×"), Msup(Mn(Exact(6)), Mn(Exact(3)))}),
        Mo("="),
        Mn(Exact(0.02)),
        Unit("mm"),
        Mo("<"),
        Mfrac(Mi("a"), Mn(Exact(150))),
        Mo("="),
        Mn(Exact(3.33)),
        Unit("mm")};
    const std::vector<Block> text = {
        Text({Words("铺板区格短边为加劲肋间距 a = 500 mm，长边为加劲肋跨度 b = L = 2000 mm，"
                    "取 1 m 宽板条计算。")}),
        Text({Words("三跨及以上连续铺板，按连续单向板条："),
              Inline({Mi("α"), Mo("="), Mn(Exact(0.1))}), Words("，"),
              Inline({Mi("β"), Mo("="), Mn(Exact(0.0026))}), Words("。")}),
    };
    return {
        {Heading{2, {Words("4 铺板验算")}, Id(bay, "-plate")}},
        {SideBySide{
            {{{Illustration{PanelSketch(), {Words("区格平面（粗线为支承边，尺寸 mm）")}}}}, text}}},
        {Heading{3, {Words("强度")}}},
        {FormulaBlock{{Mi("M"), Mo("="), Mi("α"), Mo("·"), Mi("q"), Mo("·"),
                       Msup(Mi("a"), Mn(Exact(2))), Mo("="), Mn(Exact(0.1)), Mo("×"),
                       Mn(Exact(7.95)), Mo("×"), Msup(Mn(Exact(0.5)), Mn(Exact(2))), Mo("="),
                       Mn(Exact(0.1988)), Unit("kN·m/m")}}},
        {FormulaBlock{stress}},
        Note({Words("a 以 m 计；M 为每米板宽的弯矩，代入应力式时化为每毫米板宽 N·mm/mm。")}),
        {Verdict{false, {Words("钢铺板强度 27.61 N/mm² < 215 N/mm²，满足要求")}}},
        {Heading{3, {Words("挠度")}}},
        {FormulaBlock{deflection}},
        Note({Words("q"), doc::Sub("k"), Words(" 以 N/mm² 计，a、t 以 mm 计；"),
              Inline({Mi("a"), Mo("/"), Mi("δ"), Mo("="), Mn(Exact(25000.0)), Mo(">"),
                      Mn(Exact(150))}),
              Words("。")}),
        {Verdict{false, {Words("钢铺板挠度 0.02 mm < 3.33 mm，满足要求")}}},
    };
}

std::vector<Block> Stiffener(int bay) {
    Table values{.columns = {24, 76}};
    values.rows.push_back(
        {.cells = {Head("有效板宽"), Plain({Words("b"), doc::Sub("e"), Words(" = min(30·t·ε"),
                                            doc::Sub("k"), Words(", a) = 180.0 mm")})}});
    values.rows.push_back(
        {.cells = {Head("铺板条"), Plain({Words("A"), doc::Sub("p"), Words(" = 1080 mm²；I"),
                                          doc::Sub("p"), Words(" = 3240 mm⁴")})}});
    values.rows.push_back(
        {.cells = {Head("组合截面"), Plain({Words("Y"), doc::Sub("o"), Words(" = 33.50 mm；I"),
                                            doc::Sub("x"), Words(" = 261.34×10⁴ mm⁴")})}});
    const Expr yo{Sub("Y", "o"),
                  Mo("="),
                  Mfrac({Sub("A", "p"), Mo("·"), Mfrac(Mi("t"), Mn(Exact(2))), Mo("+"),
                         Sub("A", "s"), Mo("·"), Sub("y", "s")},
                        {Sub("A", "p"), Mo("+"), Sub("A", "s")}),
                  Mo("="),
                  Mfrac({Mn(Exact(1080)), Mo("×"), Mn(Exact(3)), Mo("+"), Mn(Exact(961.7)), Mo("×"),
                         Mn(Exact(66.4))},
                        {Mn(Exact(1080)), Mo("+"), Mn(Exact(961.7))}),
                  Mo("="),
                  Mn(Exact(33.5)),
                  Unit("mm")};
    const auto squared = [](Expr content) {
        return Msup(Parenthesised(std::move(content)), Mn(Exact(2)));
    };
    const Expr ix{Sub("I", "x"),
                  Mo("="),
                  Sub("I", "p"),
                  Mo("+"),
                  Sub("A", "p"),
                  Mo("·"),
                  squared({Sub("Y", "o"), Mo("−"), Mfrac(Mi("t"), Mn(Exact(2)))}),
                  Mo("+"),
                  Sub("I", "s"),
                  Mo("+"),
                  Sub("A", "s"),
                  Mo("·"),
                  squared({Sub("y", "s"), Mo("−"), Sub("Y", "o")})};
    const Expr ixNumbers{Mo("="),    Mn(Exact(3240)),
                         Mo("+"),    Mn(Exact(1080)),
                         Mo("×"),    squared({Mn(Exact(33.5)), Mo("−"), Mn(Exact(3))}),
                         Mo("+"),    Mn(Power("99.06", 4)),
                         Mo("+"),    Mn(Exact(961.7)),
                         Mo("×"),    squared({Mn(Exact(66.4)), Mo("−"), Mn(Exact(33.5))}),
                         Mo("="),    Mn(Power("261.34", 4)),
                         Unit("mm⁴")};
    const Expr moment{
        Sub("M", "s"),
        Mo("="),
        Mfrac({Mi("q"), Mo("·"), Mi("a"), Mo("·"), Msup(Mi("L"), Mn(Exact(2)))}, Mn(Exact(8))),
        Mo("="),
        Mfrac({Mn(Power("7.95", -3)), Mo("×"), Mn(Exact(500)), Mo("×"),
               Msup(Mn(Exact(2000)), Mn(Exact(2)))},
              Mn(Exact(8))),
        Mo("="),
        Mn(Power("1.988", 6)),
        Unit("N·mm"),
        Mo("="),
        Mn(Exact(1.99)),
        Unit("kN·m")};
    const auto fibre = [](std::string_view name, std::string_view gamma, double value,
                          std::string_view where) {
        return Expr{Sub("σ", name),
                    Mo("="),
                    Mfrac({Sub("M", "s"), Mo("·"), Sub("Y", "o")},
                          {Sub("γ", gamma), Mo("·"), Sub("I", "x")}),
                    Mo("="),
                    Mn(Exact(value)),
                    Unit("N/mm²"),
                    Mtext(where)};
    };
    const Expr governing{Sub("σ", "s"),  Mo("="),
                         Mi("max"),      Parenthesised({Sub("σ", "1"), Mo(","), Sub("σ", "2")}),
                         Mo("="),        Mn(Exact(53.48)),
                         Unit("N/mm²"),  Mo("<"),
                         Mi("f"),        Mo("="),
                         Mn(Exact(215)), Unit("N/mm²")};
    const Expr deflection{
        Sub("δ", "s"), Mo("="),
        Mfrac({Mn(Exact(5)), Mo("·"), Sub("q", "k"), Mo("·"), Mi("a"), Mo("·"),
               Msup(Mi("L"), Mn(Exact(4)))},
              {Mn(Exact(384)), Mo("·"), Mi("E"), Mo("·"), Sub("I", "x")}),
        Mo("="),
        Mfrac({Mn(Exact(5)), Mo("×"), Mn(Power("5.5", -3)), Mo("×"), Mn(Exact(500)), Mo("×"),
               Msup(Mn(Exact(2000)), Mn(Exact(4)))},
              {Mn(Exact(384)), Mo("×"), Mn(Power("2.06", 5)), Mo("×"), Mn(Power("261.34", 4))})};
    const Expr deflectionResult{
        Mo("="), Mn(Exact(1.06)), Unit("mm"), Mo("<"), Mfrac(Mi("L"), Mn(Exact(200))),
        Mo("="), Mn(Exact(10)),   Unit("mm")};
    return {
        {Heading{2, {Words("5 加劲肋验算")}, Id(bay, "-stiffener")}},
        Text({Words("加劲肋按跨度 L = 2000 mm 的简支梁计算，承受一个间距 a = 500 mm 宽的铺板荷载；"
                    "截面为不等边角钢 L100x63x6 与有效宽度 b"),
              doc::Sub("e"), Words(" 的铺板组成的组合截面。")}),
        {SideBySide{{{{Illustration{SectionDrawing(),
                                    {Words("组合截面（按比例，尺寸 mm）；x–x 为组合截面形心轴")}}}},
                     {{std::move(values)}}}}},
        {FormulaBlock{yo}},
        {FormulaBlock{ix, ixNumbers}},
        {Heading{3, {Words("强度")}}},
        {FormulaBlock{moment}},
        {FormulaBlock{fibre("1", "x1", 53.48, "（上缘，铺板顶面）")}},
        {FormulaBlock{fibre("2", "x2", 41.27, "（下缘，角钢短肢外缘）")}},
        {FormulaBlock{governing}},
        {Verdict{false, {Words("钢铺板加劲肋强度 53.48 N/mm² < 215 N/mm²，满足要求")}}},
        {Heading{3, {Words("挠度")}}},
        {FormulaBlock{deflection, deflectionResult}},
        {Verdict{true, {Words("★钢铺板加劲肋挠度 1.06 mm 超出限值 < 1.00 mm >，须重新计算")}}},
    };
}

std::vector<Block> PointLoad(int bay) {
    const Expr series{Mi("w"),
                      Mo("="),
                      Munder(Mo("∑"), {Mi("m"), Mo("="), Mn(Exact(1)), Mo(","), Mn(Exact(3)),
                                       Mo(","), Mn(Exact(5)), Mo(","), Mo("…")}),
                      Msub(Mi("w"), Mi("m")),
                      Parenthesised(Mi("y")),
                      Mo("·"),
                      Mi("sin"),
                      Mfrac({Mi("m"), Mi("π"), Mi("x")}, Mi("a"))};
    Table terms{.columns = {10, 30, 30, 30}, .look = TableLook::Compact};
    terms.rows.push_back(
        {.cells = {Head("m"), Head("wₘ·E·t³/(F·a²)"), Head("Mₓ,ₘ/F"), Head("Mᵧ,ₘ/F")}});
    const char* const values[][4] = {{"1", "0.01288", "0.1978", "0.1021"},
                                     {"3", "-0.0001894", "-0.03312", "0.001744"},
                                     {"5", "1.902×10⁻⁵", "0.01055", "-0.0007322"}};
    for (const auto& v : values)
        terms.rows.push_back({.cells = {Number(v[0]), Number(v[1]), Number(v[2]), Number(v[3])}});
    terms.rows.push_back({.cells = {Number("…"), Plain({Words("至 m = 61")}, 3)}});
    terms.rows.push_back(
        {.cells = {Number("Σ"), Number("0.01270"), Number("0.1802"), Number("0.1032")},
         .look = RowLook::Sum});
    const Expr moment{Mi("M"),           Mo("="), Sub("M", "D"),     Mo("+"),
                      Sub("M", "F"),     Mo("="), Mn(Exact(0.0488)), Mo("+"),
                      Mn(Exact(0.4055)), Mo("="), Mn(Exact(0.4543)), Unit("kN·m/m")};
    const Expr plateStress{Mi("σ"), Mo("="), Mn(Exact(63.1)), Unit("N/mm²"), Mo("<"),
                           Mi("f"), Mo("="), Mn(Exact(215)),  Unit("N/mm²")};
    const Expr deflection{
        Mi("δ"),
        Mo("="),
        Sub("δ", "D"),
        Mo("+"),
        Sub("δ", "F"),
        Mo("="),
        Mn(Exact(0.0058)),
        Mo("+"),
        Mn(Exact(0.8559)),
        Mo("="),
        Mn(Exact(0.86)),
        Unit("mm"),
        Mo("≥"),
        Mi("min"),
        Parenthesised({Mfrac(Mi("a"), Mn(Exact(250))), Mo(","), Mn(Exact(4)), Unit("mm")}),
        Mo("="),
        Mn(Exact(0.75)),
        Unit("mm")};
    const std::vector<Block> explanation = {
        Note({Words("作用面上的压力 p = F/(u·v) 沿 x 展开为 p"), doc::Sub("m"),
              Words(" = 4p/(mπ)·sin(mπ/2)·sin(mπu/(2a))；w"), doc::Sub("m"),
              Words("(y) 取无限长板条在 |y| ≤ v/2 上受荷的解，加上使 y = ±L/2 两边简支的齐次解。"
                    "表中为 F = 1 时各项之值，求和至 m = 61，共 31 项。")}),
    };
    return {
        {Heading{2, {Words("6 集中荷载验算")}, Id(bay, "-point-load")}},
        Text({Words("工作平台及通道的集中荷载（GB/T 17888.2-2020）：F = 1.5 kN，均布于作用面 "
                    "u × v = 200 × 200 mm，置于最不利位置。")}),
        {Heading{3, {Words("铺板")}}},
        Text({Words("集中荷载部分按 Lévy 单三角级数：")}),
        {FormulaBlock{series}},
        {SideBySide{{explanation, {{std::move(terms)}}}}},
        {FormulaBlock{moment}},
        {FormulaBlock{plateStress}},
        {Verdict{false, {Words("钢铺板集中荷载强度 63.10 N/mm² < 215 N/mm²，满足要求")}}},
        {FormulaBlock{deflection}},
        Note({Words("D 以 N/mm² 计，F 以 N 计，a、t 以 mm 计；4 mm 为受荷区格与相邻未受荷区格间的"
                    "高差限值。")}),
        {Verdict{true, {Words("★钢铺板集中荷载挠度 0.86 mm 超出限值 < 0.75 mm >，须重新计算")}}},
    };
}

std::vector<Block> Conclusion(int bay) {
    Table table{.columns = {30, 20, 26, 10, 14}, .headerRows = 1};
    table.rows.push_back(
        {.cells = {Head("验算项目"), Head("计算值"), Head("限值"), Head("利用率"), Head("结论")}});
    const auto row = [&](std::string_view name, Runs value, std::string_view limit,
                         std::string_view use, bool exceeded) {
        table.rows.push_back(
            {.cells = {Plain({Words(std::string(exceeded ? "★" : "") + std::string(name))}),
                       Plain(std::move(value)), Plain({Words(limit)}), Number(use),
                       Plain({Words(exceeded ? "超出限值" : "满足要求")})},
             .look = exceeded ? RowLook::Exceeded : RowLook::Plain});
    };
    row("铺板强度", {Words("σ = 27.61 N/mm²")}, "f = 215 N/mm²", "0.128", false);
    row("铺板挠度", {Words("δ = 0.02 mm")}, "a/150 = 3.33 mm", "0.006", false);
    row("加劲肋强度", {Words("σ"), doc::Sub("s"), Words(" = 53.48 N/mm²")}, "f = 215 N/mm²",
        "0.249", false);
    row("加劲肋挠度", {Words("δ"), doc::Sub("s"), Words(" = 1.06 mm")}, "L/200 = 1.00 mm", "1.060",
        true);
    row("集中荷载下铺板挠度", {Words("δ = 0.86 mm")}, "min(a/250, 4) = 0.75 mm", "1.147", true);
    return {{KeepTogether{{
        {Heading{2, {Words("7 结论")}, Id(bay, "-conclusion")}},
        {std::move(table)},
        Note({Words("利用率为计算值与限值之比，达到 1 即超出限值。")}),
        {Verdict{true,
                 {Words("结论：★加劲肋挠度、集中荷载下铺板挠度超出限值，本设计不满足要求，"
                        "须修改设计后重新计算。")},
                 true}},
    }}}};
}

}  // namespace

const std::vector<std::string> kSampleTexts = {
    "计算依据", "荷载组合", "铺板验算",  "加劲肋验算", "集中荷载验算",
    "结论",     "7.95",     "27.61",     "53.48",      "1.06",
    "0.86",     "1.147",    "L100x63x6", "满足要求",   "超出限值",
};

std::vector<Block> SampleBay(int bay) {
    std::vector<Block> blocks;
    if (bay > 1) blocks.push_back({PageBreak{}});
    blocks.push_back({Heading{
        1, {Words(std::to_string(bay) + " 平台B 第" + std::to_string(bay) + "跨")}, Id(bay, "")}});
    for (auto part : {Basis, Inputs, Loads, Plate, Stiffener, PointLoad, Conclusion}) {
        std::vector<Block> more = part(bay);
        blocks.insert(blocks.end(), std::make_move_iterator(more.begin()),
                      std::make_move_iterator(more.end()));
    }
    return blocks;
}

DocumentInfo SampleInfo() {
    return {.title = "钢平台铺板及加劲肋计算书 — 排表 平台B",
            .header = "某化工厂检修平台 <3#> & \"B\" 区",
            .author = "张三",
            .date = "2026-12-08",
            .generator = "deckplate 1.1.0"};
}

std::vector<Block> SampleFront(int bays, std::string logo) {
    std::vector<Block> blocks;
    TitleBlock title{
        .title = "钢平台铺板及加劲肋计算书",
        .subject = {Words("排表：平台B.csv，共 " + std::to_string(bays) + " 项")},
        .project = {{{"工程名称", "某化工厂检修平台 <3#> & \"B\" 区"}},
                    {{"工程编号", "2026-017"}, {"子项", "3# 平台"}},
                    {{"设计阶段", "施工图"}, {"日期", "2026-12-08"}}},
        .signatures = {{"计算", "张三"}, {"校对", ""}, {"审核", ""}},
        .program = {Words("计算程序：平台钢铺板计算（deckplate）1.1.0。")},
    };
    if (!logo.empty()) {
        title.logo = ImageRun{.bytes = std::move(logo),
                              .type = ImageType::Png,
                              .widthMm = 30,
                              .heightMm = 10,
                              .description = "设计单位标志"};
    }
    blocks.push_back({std::move(title)});
    Contents contents{.title = "目录", .levels = 1};
    for (int bay = 1; bay <= bays; ++bay)
        contents.entries.push_back(
            {std::to_string(bay) + " 平台B 第" + std::to_string(bay) + "跨", Id(bay, "")});
    blocks.push_back({std::move(contents)});
    blocks.push_back(
        {Paragraph{{Words("第一项见 "), Link("1 平台B 第1跨", Id(1, "")), Words("。")}}});
    return blocks;
}

Document SampleDocument(int bays, std::string logo) {
    Document document{.info = SampleInfo(), .blocks = SampleFront(bays, std::move(logo))};
    for (int bay = 1; bay <= bays; ++bay) {
        std::vector<Block> blocks = SampleBay(bay);
        document.blocks.insert(document.blocks.end(), std::make_move_iterator(blocks.begin()),
                               std::make_move_iterator(blocks.end()));
    }
    return document;
}

}  // namespace deckplate::report::doc
