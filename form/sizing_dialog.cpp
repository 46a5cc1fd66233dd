#include "form/sizing_dialog.h"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <sstream>

#include "calc/checked.h"
#include "calc/number_text.h"
#include "calc/plate_thicknesses.h"
#include "form/error_report.h"
#include "form/task_progress.h"

namespace deckplate::form {
namespace {

using enum SizingControl;
using enum DialogKind;

constexpr int Id(SizingControl control) { return static_cast<int>(control); }

// clang-format off
constexpr DialogRow kRows[] = {
    {Id(Source),         "Source",         Label,        120,   120, 12360,   480, ""},
    {Id(FamilyLabel),    "FamilyLabel",    Label,        120,   720,  1400,   300, "加劲肋类型"},
    {Id(Family),         "Family",         DropDown,    1550,   690,  2500,   330, ""},
    {Id(ThicknessLabel), "ThicknessLabel", Label,       4300,   720,  1500,   300, "最小板厚(mm)"},
    {Id(LeastThickness), "LeastThickness", DropDown,    5850,   690,  1000,   330, ""},
    {Id(TopLabel),       "TopLabel",       Label,       7100,   720,  1000,   300, "列出个数"},
    {Id(Top),            "Top",            TextBox,     8150,   690,   800,   330, "10"},
    {Id(SpacingLabel),   "SpacingLabel",   Label,        120,  1200,  1400,   300, "加劲肋间距(mm)"},
    {Id(SpacingFrom),    "SpacingFrom",    TextBox,     1550,  1170,  1000,   330, ""},
    {Id(SpacingRange),   "SpacingRange",   CheckBox,    2700,  1170,  1400,   330, "按范围，至"},
    {Id(SpacingTo),      "SpacingTo",      TextBox,     4150,  1170,  1000,   330, ""},
    {Id(StepLabel),      "StepLabel",      Label,       5300,  1200,   600,   300, "步长"},
    {Id(SpacingStep),    "SpacingStep",    TextBox,     5950,  1170,   900,   330, "100"},
    {Id(Search),         "Search",         PushButton, 10950,   690,  1530,   450, "选 型", true},
    {Id(Status),         "Status",         Label,        120,  1680, 12360,   480, ""},
    {Id(Candidates),     "Candidates",     List,         120,  2220, 12360,  3600, ""},
    {Id(Apply),          "Apply",          PushButton,  9300,  6000,  1530,   450, "应 用"},
    {Id(Close),          "Close",          PushButton, 10950,  6000,  1530,   450, "关 闭"},
};
// clang-format on
static_assert(RowsInOrder(kRows), "row i of the table must describe control i");
constexpr DialogTable kTable{"自动选型", 12600, 6600, kRows};

// The stiffener kinds to choose from, in the list's order.
constexpr std::pair<const char*, sizing::StiffenerFamily> kFamilies[] = {
    {"扁钢和不等边角钢", sizing::StiffenerFamily::Any},
    {"扁钢", sizing::StiffenerFamily::Flat},
    {"不等边角钢", sizing::StiffenerFamily::Angle},
};

// A box's plain number, or empty when its text is none or beyond the range of doubles ("1e999").
std::optional<double> BoxNumber(std::string_view text) {
    if (!IsPlainNumber(text)) return std::nullopt;
    try {
        return ParseNumber(text);
    } catch (const ArithmeticError&) {
        return std::nullopt;
    }
}

std::string Fixed(double value, int decimals) {
    std::ostringstream s;
    s << std::fixed << std::setprecision(decimals) << value;
    return s.str();
}

std::string Row(const sizing::Candidate& c) {
    const Utilisation& u = c.utilisation;
    std::vector<std::string> cells{PlateThicknessText(c.thickness.mm), StiffenerName(c.stiffener),
                                   PlainNumberText(c.spacing), Fixed(c.selfWeight, 3)};
    for (const CheckRow& check : Checks())
        if (u.Has(check.id)) cells.push_back(Fixed(u[check.id], 3));
    cells.emplace_back(RowOf(u.GoverningCheck()).name);
    std::string row;
    for (std::size_t i = 0; i < cells.size(); ++i) (row += i == 0 ? "" : "\t") += cells[i];
    return row;
}

// A heading for each column the rows have: the checks of the bay's basis and load cases.
std::string Headings(const BayInput& bay) {
    std::string headings = "板厚(mm)\t加劲肋\t间距(mm)\t自重(kN/m²)";
    const CheckScope scope{.pointLoad = bay.pointLoad.has_value(),
                           .currentBasis = bay.basis == DesignBasis::Current};
    for (const CheckRow& check : Checks())
        if (InScope(check, scope)) (headings += "\t") += check.name;
    return headings + "\t控制验算";
}

// What the window gives, as the dialog's first line states it.
std::string SourceText(const BayInput& bay) {
    std::string text = "取自主窗口：静荷载 " + PlainNumberText(bay.dead) + " kN/m²，活荷载 " +
                       PlainNumberText(bay.live) + " kN/m²，加劲肋跨度 " +
                       PlainNumberText(bay.span) + " mm，" +
                       (bay.boundary.continuous ? "三跨及以上连续" : "四边简支") + "，" +
                       std::string(BasisNameZh(bay.basis));
    if (bay.basis == DesignBasis::Current) (text += " ") += GradeName(bay.steel);
    if (const auto& p = bay.pointLoad)
        text += "，集中荷载 " + PlainNumberText(p->force) + " kN（作用面 " +
                PlainNumberText(p->across) + "×" + PlainNumberText(p->along) + " mm）";
    return text + "。利用率 1.000 为限值。";
}

}  // namespace

const DialogTable& SizingDialogTable() { return kTable; }

SizingDialog::SizingDialog(Platform& platform, BayInput bay, std::string spacing)
    : Dialog(kTable), platform_(platform), bay_(std::move(bay)) {
    const auto id = [](SizingControl c) { return static_cast<int>(c); };
    SetText(id(Source), SourceText(bay_));
    std::vector<std::string> families;
    for (const auto& family : kFamilies) families.emplace_back(family.first);
    SetItems(id(Family), std::move(families));
    SetPicked(id(Family), 0);
    std::vector<std::string> thicknesses;
    for (const double mm : PlateThicknesses()) thicknesses.push_back(PlateThicknessText(mm));
    SetItems(id(LeastThickness), std::move(thicknesses));
    int usual = 0;
    while (usual + 1 < static_cast<int>(PlateThicknesses().size()) &&
           PlateThicknesses()[static_cast<std::size_t>(usual)] < kUsualLeastThickness)
        ++usual;
    SetPicked(id(LeastThickness), usual);
    const std::string typed(Trimmed(spacing));
    SetText(id(SpacingFrom), typed);
    SetText(id(SpacingTo), typed);
    SetEnabled(id(SpacingTo), false);
    SetEnabled(id(SpacingStep), false);
    SetText(id(Candidates), Headings(bay_));
    SetEnabled(id(Apply), false);
}

void SizingDialog::OnChanged(int control) {
    switch (static_cast<SizingControl>(control)) {
        case SpacingRange: {
            const bool range = State(SpacingRange).checked;
            SetEnabled(static_cast<int>(SpacingTo), range);
            SetEnabled(static_cast<int>(SpacingStep), range);
            break;
        }
        case Candidates:
            SetEnabled(static_cast<int>(Apply), State(Candidates).picked >= 0);
            break;
        default:
            break;
    }
}

void SizingDialog::OnClicked(int control) {
    switch (static_cast<SizingControl>(control)) {
        case Search:
            RankDesigns();
            break;
        case Apply:
            TakePickedDesign();
            break;
        case Close:
            Cancel();
            break;
        default:
            break;
    }
}

void SizingDialog::OnRowTaken(int /*list*/) { TakePickedDesign(); }

std::optional<sizing::DesignRequest> SizingDialog::ReadRequest() {
    // A box's number, or empty after saying what is wrong with it.
    const auto number = [this](SizingControl box, const char* name) -> std::optional<double> {
        const std::string_view text = Trimmed(State(box).text);
        const std::optional<double> value = BoxNumber(text);
        std::string problem;
        if (!IsPlainNumber(text))
            problem = std::string(name) + "“" + std::string(text) + "”不是数字。";
        else if (!value)
            problem = std::string(name) + "“" + std::string(text) + "”超出可计算的范围。";
        else if (!(*value > 0))
            problem = std::string(name) + "必须大于零。";
        if (problem.empty()) return value;
        platform_.ReportError(problem + "请改正后再选型。");
        return std::nullopt;
    };
    sizing::DesignRequest request;
    request.bay = bay_;
    request.family = kFamilies[static_cast<std::size_t>(State(Family).picked)].second;
    request.leastThickness = ParseNumber(State(LeastThickness).text);

    const std::optional<double> from = number(SpacingFrom, "加劲肋间距");
    if (!from) return std::nullopt;
    request.spacings = {*from};
    if (State(SpacingRange).checked) {
        const std::optional<double> to = number(SpacingTo, "间距范围的终值");
        if (!to) return std::nullopt;
        const std::optional<double> step = number(SpacingStep, "步长");
        if (!step) return std::nullopt;
        switch (sizing::CheckSpacingRange(*from, *to, *step)) {
            case sizing::RangeFault::None:
                request.spacings = sizing::SpacingRange(*from, *to, *step);
                break;
            case sizing::RangeFault::Order:
                platform_.ReportError("间距范围的终值不能小于起值。请改正后再选型。");
                return std::nullopt;
            case sizing::RangeFault::TooFine:
                platform_.ReportError("步长不能小于 " + PlainNumberText(sizing::kFinestStep) +
                                      " mm。请改正后再选型。");
                return std::nullopt;
            case sizing::RangeFault::TooMany:
                platform_.ReportError("间距范围给出的间距多于 " +
                                      std::to_string(sizing::kMostSpacings) +
                                      " 个，请加大步长后再选型。");
                return std::nullopt;
        }
    }
    const double shown = BoxNumber(Trimmed(State(Top).text)).value_or(0);
    if (!(shown >= 1 && shown <= kMostListed) || shown != std::floor(shown)) {
        platform_.ReportError("列出个数应为 1 至 " + std::to_string(kMostListed) +
                              " 的整数。请改正后再选型。");
        return std::nullopt;
    }
    request.top = static_cast<std::size_t>(shown);
    return request;
}

void SizingDialog::RankDesigns() {
    std::optional<sizing::DesignRequest> request = ReadRequest();
    if (!request) return;
    sizing::DesignResult result;
    {
        TaskProgress progress(platform_, "自动选型");
        request->progress = [&progress](double done) { return progress(done); };
        result = sizing::Design(*request);
    }
    Show(*request, result);
}

void SizingDialog::Show(const sizing::DesignRequest& request, const sizing::DesignResult& result) {
    // How many checks every candidate had, as a Chinese numeral: 四, 六, 八, 十一.
    constexpr const char* kNumerals[] = {"",     "一",   "二",   "三",   "四",  "五",
                                         "六",   "七",   "八",   "九",   "十",  "十一",
                                         "十二", "十三", "十四", "十五", "十六"};
    static_assert(std::size(kNumerals) > kCheckCount);
    const std::string checks = kNumerals[std::ranges::count_if(
        Checks(), [&](const CheckRow& c) { return InScope(c, result.Scope()); })];
    const std::string basis(BasisNameZh(result.basis));
    std::string status;
    listed_.clear();
    if (result.stopped) {
        status = "选型已取消。";
    } else if (!result.passing.empty()) {
        listed_ = result.passing;
        status = "共 " + std::to_string(result.candidates) + " 个组合，" +
                 std::to_string(result.passingCount) + " 个通过全部" + checks + "项验算（" + basis +
                 "）；按自重从轻到重列出最轻的 " + std::to_string(listed_.size()) + " 个。";
        if (result.faults > 0)
            status += "另有 " + std::to_string(result.faults) + " 个组合出现算术错误，未列出。";
    } else if (result.closest) {
        listed_ = {*result.closest};
        status = "共 " + std::to_string(result.candidates) + " 个组合，没有一个通过全部" + checks +
                 "项验算（" + basis + "）。下面是最接近的一个（控制验算的利用率最低）。";
    } else if (result.firstFault) {
        status = "全部 " + std::to_string(result.candidates) +
                 " 个组合都出现算术错误，无法选型；第一个：" + ErrorReportText(*result.firstFault);
        // One line: the report's own line breaks would not fit the dialog's status.
        for (std::size_t at; (at = status.find('\n')) != std::string::npos;)
            status.replace(at, 1, "；");
        status += FaultCause(request, result.firstFault->fault());
    }
    SetText(static_cast<int>(Status), status);
    std::vector<std::string> rows;
    for (const sizing::Candidate& c : listed_) rows.push_back(Row(c));
    SetItems(static_cast<int>(Candidates), std::move(rows));
    // The lightest picked and the list in focus: Enter takes it, the arrow keys another.
    SetPicked(static_cast<int>(Candidates), listed_.empty() ? -1 : 0);
    SetEnabled(static_cast<int>(Apply), !listed_.empty());
    if (!listed_.empty()) Focus(static_cast<int>(Candidates));
}

std::string SizingDialog::FaultCause(const sizing::DesignRequest& request,
                                     ArithmeticFault fault) const {
    if (sizing::ComputesAtSquarePanel(request)) {
        // The window's inputs compute at a square panel, so the spacings, none of which
        // computes, lie beyond it: above the span they are too large, below it too small.
        std::string typed = "“" + std::string(Trimmed(State(SpacingFrom).text)) + "”";
        if (State(SpacingRange).checked)
            typed += "至“" + std::string(Trimmed(State(SpacingTo).text)) + "”";
        return "加劲肋间距" + typed +
               (request.spacings.front() > request.bay.span ? "过大" : "过小") +
               "，超出可计算的范围，请改正后再选型。";
    }
    return fault == ArithmeticFault::Overflow || fault == ArithmeticFault::NoConvergence
               ? "主窗口中可能有过大的输入（如荷载或加劲肋跨度）。"
               : "主窗口中可能有为零的输入（如加劲肋跨度）。";
}

void SizingDialog::TakePickedDesign() {
    const int picked = State(Candidates).picked;
    if (picked < 0 || picked >= static_cast<int>(listed_.size())) return;
    applied_ = listed_[static_cast<std::size_t>(picked)];
    Finish();
}

}  // namespace deckplate::form
