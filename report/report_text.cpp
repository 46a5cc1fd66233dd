#include "report/report_text.h"

#include <span>
#include <string_view>
#include <vector>

#include "calc/checks.h"
#include "calc/code_values.h"
#include "calc/number_text.h"
#include "report/point_load_words.h"

namespace deckplate::report {
namespace {

constexpr std::string_view kRule = "##############################################################";

std::string Join(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += "\r\n";
        text += lines[i];
    }
    return text;
}

std::string Cat(std::string_view label, std::string_view value) {
    std::string line(label);
    line += value;
    return line;
}

// The report's lines of the inputs, group by group: each its caption, then the input's text as
// the window shows it.
struct InputLine {
    BayField field;
    std::string_view caption;
};
constexpr InputLine kLoadLines[] = {{BayField::Dead, "平台恒荷载(Kn/m2)："},
                                    {BayField::Live, "平台活荷载(Kn/m2)："}};
constexpr InputLine kCurrentBasisLines[] = {{BayField::Steel, "钢材牌号："}};
constexpr InputLine kMemberLines[] = {{BayField::Thickness, "钢铺板厚度(mm)："},
                                      {BayField::Span, "加劲肋跨度(mm)："},
                                      {BayField::Spacing, "加劲肋间距(mm)："}};
constexpr InputLine kFlatBarLines[] = {{BayField::FlatBarHeight, "扁钢高(mm)："},
                                       {BayField::FlatBarThickness, "扁钢厚(mm)："}};
constexpr InputLine kAngleLines[] = {{BayField::Stiffener, "角钢规格："}};
constexpr InputLine kPointLoadLines[] = {{BayField::PointLoad, "集中荷载(kN)："},
                                         {BayField::PatchAcross, "作用面垂直加劲肋边长(mm)："},
                                         {BayField::PatchAlong, "作用面沿加劲肋边长(mm)："}};

void AddInputs(std::vector<std::string>& lines, const ReportSnapshot& w,
               std::span<const InputLine> group) {
    for (const InputLine& line : group) {
        const auto text = w.inputs.find(line.field);
        lines.push_back(Cat(line.caption, text != w.inputs.end() ? text->second : ""));
    }
}

// Where the report prints each check's value and verdict: after the plate's moment, after the
// stiffener's, or in the point load's part, in this order within each.
enum class ReportPart { Plate, Stiffener, PointLoad };
struct ReportPlace {
    Check check;
    ReportPart part;
};
constexpr ReportPlace kReportPlaces[] = {
    {Check::PlateDeflection, ReportPart::Plate},
    {Check::PlateStrength, ReportPart::Plate},
    {Check::StiffenerDeflection, ReportPart::Stiffener},
    {Check::StiffenerStrength, ReportPart::Stiffener},
    {Check::StiffenerLiveDeflection, ReportPart::Stiffener},
    {Check::StiffenerShear, ReportPart::Stiffener},
    {Check::StiffenerOutstand, ReportPart::Stiffener},
    {Check::WeldStrength, ReportPart::Stiffener},
    {Check::WeldDetail, ReportPart::Stiffener},
    {Check::PointLoadPlateDeflection, ReportPart::PointLoad},
    {Check::PointLoadPlateStrength, ReportPart::PointLoad},
    {Check::PointLoadStiffenerDeflection, ReportPart::PointLoad},
    {Check::PointLoadStiffenerStrength, ReportPart::PointLoad},
    {Check::PointLoadStiffenerShear, ReportPart::PointLoad},
    {Check::PointLoadWeldStrength, ReportPart::PointLoad},
};
static_assert(std::size(kReportPlaces) == kCheckCount, "a place in the report for every check");

// The lines of a part's checks that the window shows: the value ("钢铺板最大挠度(mm)： δ= .38",
// a ratio with its symbol and limit) and "提示：" with its verdict.
void AddChecks(std::vector<std::string>& lines, const ReportSnapshot& w, ReportPart part) {
    const CheckScope scope{.pointLoad = w.pointLoadShown, .currentBasis = w.currentBasis};
    for (const ReportPlace& place : kReportPlaces) {
        const CheckRow& row = RowOf(place.check);
        if (place.part != part || !InScope(row, scope)) continue;
        const ReportCheck& c = w.checks[static_cast<std::size_t>(place.check)];
        if (row.reportLabel.empty()) {
            lines.push_back(Cat("提示：", c.verdict));
            continue;
        }
        std::string value = Cat(row.reportLabel, "");
        if (row.measure == Measure::Ratio) {
            value +=
                Cat(" ", c.symbol) + Cat("=", c.value) + "        限值" + c.rule + "：" + c.limit;
        } else {
            value += c.value;
        }
        lines.push_back(value);
        lines.push_back(Cat("提示：", c.verdict));
    }
}

// 输入信息: the loads, the deflection limits, and under the current basis the load combination
// and the steel.
void AddLoads(std::vector<std::string>& lines, const ReportSnapshot& w) {
    lines.push_back("输入信息：");
    AddInputs(lines, w, kLoadLines);
    const DesignBasis basis = w.currentBasis ? DesignBasis::Current : DesignBasis::Legacy;
    lines.push_back(Cat("钢铺板挠度限值(mm)： 1/", w.deflectionLimit));
    lines.push_back(Cat("加劲肋挠度限值： 1/", PlainNumberText(StiffenerDeflectionLimit(basis))));
    if (!w.loadCombination.empty()) lines.push_back(Cat("荷载组合：", w.loadCombination));
    if (w.currentBasis) AddInputs(lines, w, kCurrentBasisLines);
}

// 构件信息: the plate and the stiffeners, the stiffener's kind, size and section.
void AddMembers(std::vector<std::string>& lines, const ReportSnapshot& w) {
    lines.push_back("构件信息：");
    AddInputs(lines, w, kMemberLines);
    if (w.flatBar) {
        lines.push_back("加劲肋类型：扁钢");
        AddInputs(lines, w, kFlatBarLines);
        lines.push_back(Cat("扁钢面积(cm2)：A=", NumberText(w.AstiffenerE)) +
                        Cat("        扁钢惯性矩(cm4)： Ix=", NumberText(w.IStiffenerE)));
    } else {
        lines.push_back("加劲肋类型：不等边角钢");
        AddInputs(lines, w, kAngleLines);
        lines.push_back(Cat("角钢面积(cm2)： A=", NumberText(w.Aangle1)) +
                        Cat("        角钢惯性矩(cm4)： Ix=", NumberText(w.Iangle1)));
        lines.push_back(Cat("角钢形心与短肢边距(cm)： y0=", NumberText(w.Yoangle1)));
    }
}

}  // namespace

std::string ReportText(const ReportSnapshot& w) {
    std::vector<std::string> lines = {"", "", "钢平台铺板及加劲肋计算 ", "", ""};
    AddLoads(lines, w);
    lines.push_back("");
    AddMembers(lines, w);
    lines.insert(lines.end(), {"", std::string(kRule), "边界条件："});
    // Verify computes a continuous plate whenever continuous is ticked, so continuous decides here
    // too.
    if (w.simplySupported || w.continuous) {
        const std::string plate = w.continuous ? "三跨及三跨以上连续铺板" : "四边简支无肋铺板";
        lines.push_back(Cat(plate + "的弯矩计算系数： α=", NumberText(w.Alpha)));
        lines.push_back(Cat(plate + "的挠度计算系数： β=", NumberText(w.Beta)));
    }
    lines.insert(lines.end(),
                 {
                     "组合截面参数：",
                     Cat("组合截面强轴惯性矩(cm4)： Ix=", w.compositeInertia),
                     Cat("组合截面形心轴至铺板上表面距离(cm)： Yo=", w.compositeCentroid),
                     "",
                     std::string(kRule),
                     "",
                     "",
                     "计算结果：",
                     Cat("钢铺板最大弯矩(Kn*M)： Mmax=", w.plateMoment),
                 });
    AddChecks(lines, w, ReportPart::Plate);
    lines.push_back(Cat("加劲肋最大弯矩(Kn*M)： Mmax=", w.stiffenerMoment));
    AddChecks(lines, w, ReportPart::Stiffener);
    if (w.pointLoadShown) {
        lines.insert(lines.end(), {"", std::string(kRule), "集中荷载验算："});
        AddInputs(lines, w, kPointLoadLines);
        if (const auto& cut = w.patchCutTo)
            lines.push_back(PatchCutSentence(cut->across, cut->along));
        AddChecks(lines, w, ReportPart::PointLoad);
    }
    return Join(lines);
}

}  // namespace deckplate::report
