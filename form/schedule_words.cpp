#include "form/schedule_words.h"

#include <string>
#include <vector>

#include "calc/angle_catalogue.h"
#include "calc/checked.h"
#include "calc/designation.h"
#include "calc/number_text.h"
#include "calc/quantity.h"
#include "form/system_reason_words.h"
#include "input/bay_inputs.h"
#include "os/shown_text.h"

namespace deckplate::form {

using input::ValueFault;
using schedule::ScheduleFault;

std::string_view FieldName(BayField field) {
    // The parts of the inputs no one box holds, and a row's name; every input by its row.
    switch (field) {
        case BayField::Name:
            return "名称";
        case BayField::FlatBarHeight:
            return "扁钢高";
        case BayField::FlatBarThickness:
            return "扁钢厚";
        case BayField::PatchAcross:
            return "作用面垂直加劲肋边长";
        case BayField::PatchAlong:
            return "作用面沿加劲肋边长";
        case BayField::Other:
            return {};
        default:
            break;
    }
    return input::RowOf(field).chinese;
}

std::string ValueProblemWords(const input::ValueProblem& problem) {
    // The text given may hold anything: a control character, a page.
    input::ValueProblem p = problem;
    p.value = os::ShownText(p.value);
    const std::string_view field = FieldName(p.input.field);
    const std::string name = field.empty() ? p.input.name : std::string(field);
    const std::string quoted = name + "“" + p.value + "”";
    const std::string range = std::to_string(p.least) + " 至 " + std::to_string(p.most);
    switch (p.fault) {
        case ValueFault::NotANumber:
            if (Trimmed(p.value).empty()) return name + "没有给出数值";
            return quoted + "不是数字";
        case ValueFault::BeyondRange:
            return quoted + "超出可计算的范围";
        case ValueFault::NotWhole:
            return quoted + "不是整数，应为 " + range;
        case ValueFault::OutsideRange:
            return name + "应为 " + range + "，现为 " + p.value;
        case ValueFault::NotPositive:
            return name + "必须大于 0 mm，现为 " + p.value;
        case ValueFault::NegativeLoad:
            return name + "不能小于 0 kN/m²，现为 " + p.value;
        case ValueFault::NegativeForce:
            return name + "不能小于 0 kN，现为 " + p.value;
        case ValueFault::NotAFlatBar:
            return quoted + "不是扁钢规格，应写作 高x厚（mm），如 80x8";
        case ValueFault::NotAPatch:
            return quoted + "不是作用面尺寸，应写作 垂直加劲肋边长x沿加劲肋边长（mm），如 200x200";
        case ValueFault::PatchWithoutPointLoad:
            return quoted + "没有对应的集中荷载，请在 point_load 一栏给出";
        case ValueFault::PatchBelowThickness:
            return "作用面每边不能小于铺板厚度 " + PlainNumberText(p.bound) + " mm，现为 " +
                   p.value;
        case ValueFault::NotInCatalogue: {
            const std::vector<std::string_view> nearest = NearestAngles(CatalogueForm(p.value));
            if (nearest.empty()) return quoted + "不在角钢规格表中（如 L63x40x5）";
            return quoted + "不在角钢规格表中（最接近的是 " + std::string(nearest[0]) + "、" +
                   std::string(nearest[1]) + "）";
        }
        case ValueFault::NotABasis:
            return quoted + "应为 legacy（原规范）或 current（现行规范）";
        case ValueFault::NotAGrade:
            return quoted + "不是钢材牌号，应为 Q235、Q355、Q390、Q420 或 Q460";
        case ValueFault::GradeWithLegacyBasis:
            return name + " " + p.value + " 须按现行规范计算；原规范只有 Q235（f = 215）";
        case ValueFault::NotABoundary:
            return quoted + "应为 simple（四边简支）或 continuous（三跨及以上连续）";
        case ValueFault::ThickerThanTable:
            return name + " " + p.value + " mm 超出 " + std::string(GradeName(p.steel)) +
                   " 强度设计值表的厚度范围（至 " + PlainNumberText(p.bound) +
                   " mm，GB 50017-2017 表 4.4.1），规范未给出其强度设计值";
        case ValueFault::NotASafetyClass:
            return quoted + "不是结构安全等级，应为 1、2 或 3（一级、二级、三级）";
        case ValueFault::NotAFlag:
            return quoted + "应为 是 或 否（yes、no）";
        case ValueFault::NotAnArrangement:
            return quoted + "不是焊缝形式，应为 双面连续、双面断续 或 单面连续";
        case ValueFault::NotSegments:
            return quoted + "不是断续焊缝的段长@间距（mm），应写作如 50@150";
        case ValueFault::InputWithLegacyBasis:
            return name + "是现行规范的输入，原规范没有此项验算";
        case ValueFault::WeldWithoutSegments:
            return "双面断续焊缝须给出段长@间距（mm），如 50@150";
        case ValueFault::SegmentsWithContinuousWeld:
            return "断续焊缝段长@间距“" + p.value + "”只用于双面断续焊缝，所选焊缝为连续焊缝";
        case ValueFault::SegmentNotLongerThanLegs:
            return "断续焊缝段长 " + p.value + " mm 不大于两倍焊脚尺寸 " +
                   PlainNumberText(p.bound) + " mm，计算长度为零";
        case ValueFault::PitchBelowSegment:
            return "断续焊缝间距 " + p.value + " mm 小于段长 " + PlainNumberText(p.bound) + " mm";
        case ValueFault::SpacingWithinStiffener:
            return name + " " + p.value + " mm 不大于加劲肋本身的宽度 " + PlainNumberText(p.bound) +
                   " mm，加劲肋无法布置（间距以 mm 计，为中心距）";
        case ValueFault::DeviceName:
            return quoted + "是 Windows 的设备名，无法保存";
        case ValueFault::NoValue:
            return name + "一栏没有值";
        case ValueFault::Other:
            break;
    }
    return p.text;
}

std::string RowErrorWords(const schedule::RowError& error) {
    if (const auto* problem = std::get_if<input::ValueProblem>(&error.cause))
        return ValueProblemWords(*problem);
    const ArithmeticError& fault = std::get<ArithmeticError>(error.cause);
    std::string text = "算术错误：";
    switch (fault.fault()) {
        case ArithmeticFault::DivisionByZero:
            text += "除数为零";
            break;
        case ArithmeticFault::Overflow:
            text += "溢出";
            break;
        case ArithmeticFault::InvalidOperation:
            text += "无效运算 0/0";
            break;
        case ArithmeticFault::NoConvergence:
            text += "级数未收敛";
            break;
    }
    const std::string_view where = QuantityNameZh(fault.quantity());
    if (!where.empty()) (text += "，出现在：") += where;
    return text;
}

std::string ScheduleProblemWords(const schedule::ScheduleProblem& p) {
    const std::string line = "第 " + std::to_string(p.line) + " 行";
    std::string columns;
    for (const std::string& column : p.columns) columns += (columns.empty() ? "" : "、") + column;
    switch (p.fault) {
        case ScheduleFault::IsFolder:
            return "这是一个文件夹，请选择 CSV 文件。";
        case ScheduleFault::NotAFile:
            return "这不是普通文件（而是设备、管道等），请选择 CSV 文件。";
        case ScheduleFault::CannotOpen:
            return "无法读取：" + SystemReasonWords(p.reason) + "。";
        case ScheduleFault::Empty:
            return "文件是空的。";
        case ScheduleFault::ReadFailed:
            return "读取中断：" + SystemReasonWords(p.reason) + "。";
        case ScheduleFault::Utf16:
            return "文件是 UTF-16 文本（电子表格的“Unicode 文本”）。排表应为 UTF-8 或 GBK 的 CSV："
                   "请另存为“CSV UTF-8（逗号分隔）”。";
        case ScheduleFault::Malformed:
            return "不是可读的 CSV：" + p.detail;
        case ScheduleFault::QuoteNeverClosed:
            return line + "开始的引号直到文件结尾都没有闭合。";
        case ScheduleFault::QuoteTooLong:
            return line + "开始的引号在 1 MB 内没有闭合。";
        case ScheduleFault::RowTooLong:
            return line + "超过 1 MB，排表的行远比这短。";
        case ScheduleFault::MissingColumns:
            return "表头缺少 " + columns +
                   " 列；表头应有 name, dead, live, thickness, span, spacing, boundary, stiffener" +
                   (p.separator == '\0'
                        ? std::string("。")
                        : std::string("。各列似乎以") +
                              (p.separator == ';' ? "分号（;）" : "制表符") +
                              "分隔，排表应以逗号（,）分隔：请另存为逗号分隔的 CSV。");
        case ScheduleFault::RepeatedColumn:
            return "表头有不止一个 " + columns + " 列（" + p.letters + "），请只保留一个。";
    }
    return {};
}

std::string EncodingWarningWords(const schedule::EncodingWarning& w) {
    return "排表以 UTF-8 字节顺序标记开头，但第 " + std::to_string(w.line) + " 行不是 UTF-8" +
           (w.asGbk ? "（按 GBK 读作：" + os::ShownText(*w.asGbk) + "）" : "") +
           "；其中不是 UTF-8 的字符显示为 \xef\xbf\xbd。请重新另存为 UTF-8 的 CSV，或不带标记的 "
           "GBK CSV。";
}

}  // namespace deckplate::form
