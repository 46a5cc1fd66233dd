#include "input/value_words.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "calc/angle_catalogue.h"
#include "calc/designation.h"
#include "calc/number_text.h"
#include "calc/steel_grade.h"
#include "input/bay_inputs.h"
#include "os/shown_text.h"

namespace deckplate::input {
namespace {

// When a row's words apply: a few problems are worded otherwise in one case.
enum class Case : std::uint8_t {
    Always,
    NothingGiven,  // blanks only: an empty cell, a key left out
    ByOption,      // given by a command-line option, which can name the option that helps
    NoneNear,      // an angle that no designation of the catalogue comes near
};

// A problem's words, with {name} (the input as the language names it), {value} (the text
// given), {least} and {most} (a count's range), {bound} (a size's limit, mm), {grade} (the
// steel's), {nearest1} and {nearest2} (the angles nearest to one given) and {text} (a command's
// own rule) put in. A language's words left empty are said by the problem's next row.
struct Wording {
    ValueFault fault;
    Case only;
    std::string_view english;
    std::string_view chinese;
};

using enum ValueFault;

constexpr Wording kWordings[] = {
    {NotANumber, Case::NothingGiven, "{name}: no value given; a number is needed",
     "{name}没有给出数值"},
    {NotANumber, Case::Always, "{name}: '{value}' is not a number", "{name}“{value}”不是数字"},
    {BeyondRange, Case::Always, "{name}: {value} is out of the range of numbers",
     "{name}“{value}”超出可计算的范围"},
    {NotWhole, Case::Always, "{name}: '{value}' is not a whole number; give {least} to {most}",
     "{name}“{value}”不是整数，应为 {least} 至 {most}"},
    {OutsideRange, Case::Always, "{name}: must be {least} to {most}, not {value}",
     "{name}应为 {least} 至 {most}，现为 {value}"},
    {NotPositive, Case::Always, "{name}: must be greater than 0 mm, not {value}",
     "{name}必须大于 0 mm，现为 {value}"},
    {NegativeLoad, Case::Always, "{name}: must be 0 kN/m² or more, not {value}",
     "{name}不能小于 0 kN/m²，现为 {value}"},
    {NegativeForce, Case::Always, "{name}: must be 0 kN or more, not {value}",
     "{name}不能小于 0 kN，现为 {value}"},
    {NotAFlatBar, Case::Always,
     "{name}: '{value}' is not a flat bar; write height x thickness in mm, e.g. 80x8",
     "{name}“{value}”不是扁钢规格，应写作 高x厚（mm），如 80x8"},
    {NotAPatch, Case::Always,
     "{name}: '{value}' is not a patch; write across x along the stiffeners in mm, e.g. 200x200",
     "{name}“{value}”不是作用面尺寸，应写作 垂直加劲肋边长x沿加劲肋边长（mm），如 200x200"},
    // An option's patch stands on the option's load; a row's on its own or the run's.
    {PatchWithoutPointLoad, Case::ByOption,
     "{name} needs --point-load: without a point load the patch '{value}' checks nothing", ""},
    {PatchWithoutPointLoad, Case::Always,
     "{name}: '{value}' needs a point load: give one in column 'point_load' or with --point-load",
     "{name}“{value}”没有对应的集中荷载，请在 point_load 一栏给出"},
    {PatchBelowThickness, Case::Always,
     "{name}: each side must be at least the plate's thickness, {bound} mm, not {value}",
     "作用面每边不能小于铺板厚度 {bound} mm，现为 {value}"},
    {NotInCatalogue, Case::NoneNear,
     "{name}: '{value}' is not in the angle catalogue; 'deckplate-cli angles' lists the "
     "designations, e.g. L63x40x5",
     "{name}“{value}”不在角钢规格表中（如 L63x40x5）"},
    {NotInCatalogue, Case::Always,
     "{name}: '{value}' is not in the angle catalogue; the nearest are {nearest1} and "
     "{nearest2} ('deckplate-cli angles' lists them all)",
     "{name}“{value}”不在角钢规格表中（最接近的是 {nearest1}、{nearest2}）"},
    {NotABasis, Case::Always, "{name}: '{value}' is neither legacy nor current",
     "{name}“{value}”应为 legacy（原规范）或 current（现行规范）"},
    {NotAGrade, Case::Always,
     "{name}: '{value}' is not a steel grade; give Q235, Q355, Q390, Q420 or Q460",
     "{name}“{value}”不是钢材牌号，应为 Q235、Q355、Q390、Q420 或 Q460"},
    // An option names the option that would give the grade a use.
    {GradeWithLegacyBasis, Case::ByOption,
     "{name} {value} needs --basis current: the legacy basis knows Q235 only (f = 215 for every "
     "part)",
     ""},
    {GradeWithLegacyBasis, Case::Always,
     "{name}: {value} needs the current basis; the legacy basis knows Q235 only (f = 215)",
     "{name} {value} 须按现行规范计算；原规范只有 Q235（f = 215）"},
    {NotABoundary, Case::Always,
     "{name}: '{value}' is neither simple (简支, 四边简支) nor continuous (连续, 三跨及以上连续)",
     "{name}“{value}”应为 simple（四边简支）或 continuous（三跨及以上连续）"},
    {ThickerThanTable, Case::Always,
     "{name}: {value} mm is thicker than the strength table of {grade} goes (to {bound} mm, "
     "GB 50017-2017 Table 4.4.1); the code gives no design strength for it",
     "{name} {value} mm 超出 {grade} 强度设计值表的厚度范围（至 {bound} mm，GB 50017-2017 表 "
     "4.4.1），规范未给出其强度设计值"},
    {NotASafetyClass, Case::Always, "{name}: '{value}' is not a safety class; give 1, 2 or 3",
     "{name}“{value}”不是结构安全等级，应为 1、2 或 3（一级、二级、三级）"},
    {NotAFlag, Case::Always, "{name}: '{value}' is neither yes nor no",
     "{name}“{value}”应为 是 或 否（yes、no）"},
    {NotAnArrangement, Case::Always, "{name}: '{value}' is none of double, intermittent, single",
     "{name}“{value}”不是焊缝形式，应为 双面连续、双面断续 或 单面连续"},
    {NotSegments, Case::Always,
     "{name}: '{value}' is not a weld's segments; write length@pitch in mm, e.g. 50@150",
     "{name}“{value}”不是断续焊缝的段长@间距（mm），应写作如 50@150"},
    {InputWithLegacyBasis, Case::Always,
     "{name}: '{value}' is an input of the current basis; the legacy basis has no such check",
     "{name}是现行规范的输入，原规范没有此项验算"},
    {WeldWithoutSegments, Case::Always,
     "{name}: an intermittent weld needs its segments, length@pitch in mm (e.g. 50@150)",
     "双面断续焊缝须给出段长@间距（mm），如 50@150"},
    {SegmentsWithContinuousWeld, Case::Always,
     "{name}: segments {value} are for an intermittent weld; the weld given is continuous",
     "断续焊缝段长@间距“{value}”只用于双面断续焊缝，所选焊缝为连续焊缝"},
    {SegmentNotLongerThanLegs, Case::Always,
     "{name}: a segment of {value} mm is no longer than twice the leg size, {bound} mm, so "
     "nothing of it counts",
     "断续焊缝段长 {value} mm 不大于两倍焊脚尺寸 {bound} mm，计算长度为零"},
    {PitchBelowSegment, Case::Always,
     "{name}: a pitch of {value} mm is shorter than the segment, {bound} mm",
     "断续焊缝间距 {value} mm 小于段长 {bound} mm"},
    {SpacingWithinStiffener, Case::Always,
     "{name}: {value} mm is no wider than the stiffener itself, {bound} mm, so the stiffeners "
     "cannot be built (spacings are in mm, centre to centre)",
     "{name} {value} mm 不大于加劲肋本身的宽度 {bound} mm，加劲肋无法布置（间距以 mm "
     "计，为中心距）"},
    {DeviceName, Case::Always,
     "{name}: '{value}' names a device on Windows (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to "
     "LPT9, with any extension), where nothing would be saved; choose another name",
     "{name}“{value}”是 Windows 的设备名，无法保存"},
    {NoValue, Case::Always, "no value in {name}", "{name}一栏没有值"},
    {Other, Case::Always, "{text}", "{text}"},
};

// What the words may have put in.
constexpr std::string_view kPlaceholders[] = {"name",  "value",    "least",    "most", "bound",
                                              "grade", "nearest1", "nearest2", "text"};

// Whether `words` put in nothing but `placeholders`, each closed.
constexpr bool OnlyPlaceholders(std::string_view words,
                                std::span<const std::string_view> placeholders) {
    for (std::size_t open = words.find('{'); open != std::string_view::npos;
         open = words.find('{', open + 1)) {
        const std::size_t close = words.find('}', open);
        if (close == std::string_view::npos ||
            std::ranges::find(placeholders, words.substr(open + 1, close - open - 1)) ==
                placeholders.end())
            return false;
    }
    return true;
}

// Every problem is said in both languages whatever its case, with nothing put in that is not
// there to put.
constexpr bool EveryProblemWorded() {
    for (int fault = 0; fault <= static_cast<int>(Other); ++fault) {
        if (std::ranges::none_of(kWordings, [&](const Wording& w) {
                return static_cast<int>(w.fault) == fault && w.only == Case::Always &&
                       !w.english.empty() && !w.chinese.empty();
            }))
            return false;
    }
    return std::ranges::all_of(kWordings, [](const Wording& w) {
        return OnlyPlaceholders(w.english, kPlaceholders) &&
               OnlyPlaceholders(w.chinese, kPlaceholders);
    });
}
static_assert(EveryProblemWorded(), "every ValueFault needs a row that always holds, in both");

// A notice's words, with {schedule} (the schedule as given; English only, since the window's
// summary names the schedule above its notices), {line} and {gbk} (the line read as GBK) put in.
// A line that does not read as GBK has the words without it.
struct NoticeWording {
    NoticeKind kind;
    bool readsAsGbk;
    std::string_view english;
    std::string_view chinese;
};

constexpr NoticeWording kNoticeWordings[] = {
    {NoticeKind::FormerGradeName, false,
     "Q345 is the grade's name before GB/T 1591-2018; taken as Q355",
     "Q345 是 GB/T 1591-2018 之前的牌号，按 Q355 计算。"},
    {NoticeKind::NotUtf8AfterMark, true,
     "the schedule '{schedule}' starts with a UTF-8 byte-order mark, but line {line} is not "
     "UTF-8 (it reads as GBK: {gbk}); its characters that are not UTF-8 are shown as "
     "\xef\xbf\xbd. Save the schedule again as UTF-8 CSV, or as GBK CSV without the mark",
     "排表以 UTF-8 字节顺序标记开头，但第 {line} 行不是 UTF-8（按 GBK 读作：{gbk}）；其中不是 "
     "UTF-8 的字符显示为 \xef\xbf\xbd。请重新另存为 UTF-8 的 CSV，或不带标记的 GBK CSV。"},
    {NoticeKind::NotUtf8AfterMark, false,
     "the schedule '{schedule}' starts with a UTF-8 byte-order mark, but line {line} is not "
     "UTF-8; its characters that are not UTF-8 are shown as \xef\xbf\xbd. Save the schedule "
     "again as UTF-8 CSV, or as GBK CSV without the mark",
     "排表以 UTF-8 字节顺序标记开头，但第 {line} 行不是 UTF-8；其中不是 UTF-8 的字符显示为 "
     "\xef\xbf\xbd。请重新另存为 UTF-8 的 CSV，或不带标记的 GBK CSV。"},
};

constexpr std::string_view kNoticePlaceholders[] = {"schedule", "line", "gbk"};

// Every notice is said in both languages, with nothing put in that is not there to put.
constexpr bool EveryNoticeWorded() {
    for (const NoticeKind kind : {NoticeKind::FormerGradeName, NoticeKind::NotUtf8AfterMark}) {
        if (std::ranges::find(kNoticeWordings, kind, &NoticeWording::kind) ==
            std::end(kNoticeWordings))
            return false;
    }
    return std::ranges::all_of(kNoticeWordings, [](const NoticeWording& w) {
        return !w.english.empty() && !w.chinese.empty() &&
               OnlyPlaceholders(w.english, kNoticePlaceholders) &&
               OnlyPlaceholders(w.chinese, kNoticePlaceholders);
    });
}
static_assert(EveryNoticeWorded(), "every NoticeKind needs its words, in both languages");

// A designation's part as the English message names it: "column 'stiffener' (80x0) thickness".
std::string PartName(const ValueProblem& p) {
    // A part given on its own (a bay file's flat_bar_thickness) is named by itself.
    constexpr std::pair<BayField, std::string_view> kParts[] = {
        {BayField::FlatBarHeight, "height"},
        {BayField::FlatBarThickness, "thickness"},
        {BayField::PatchAcross, "across"},
        {BayField::PatchAlong, "along"},
    };
    const auto part =
        std::ranges::find(kParts, p.input.field, &std::pair<BayField, std::string_view>::first);
    if (p.whole.empty() || part == std::end(kParts)) return p.input.name;
    return p.input.name + " (" + p.whole + ") " + std::string(part->second);
}

// The input as the window's captions name it; an input no caption names, as given.
std::string CaptionName(const ValueProblem& p) {
    const std::string_view field = FieldName(p.input.field);
    return field.empty() ? p.input.name : std::string(field);
}

// `words` with each {placeholder} replaced by `value` of it. What is put in is not read again:
// a text given that holds "{name}" stays as given.
std::string Filled(std::string_view words,
                   const std::function<std::string(std::string_view)>& value) {
    std::string text;
    for (std::size_t open = words.find('{'); open != std::string_view::npos;
         open = words.find('{')) {
        const std::size_t close = words.find('}', open);
        text.append(words.substr(0, open)).append(value(words.substr(open + 1, close - open - 1)));
        words.remove_prefix(close + 1);
    }
    return text.append(words);
}

// The problem in the language whose words `language` picks, its input named by `nameOf`.
std::string Worded(const ValueProblem& problem, std::string_view Wording::*language,
                   std::string (*nameOf)(const ValueProblem&)) {
    ValueProblem p = problem;
    p.value = os::ShownText(p.value);
    p.whole = os::ShownText(p.whole);
    const std::vector<std::string_view> nearest = p.fault == NotInCatalogue
                                                      ? NearestAngles(CatalogueForm(p.value))
                                                      : std::vector<std::string_view>();
    const auto holds = [&](Case only) {
        switch (only) {
            case Case::Always:
                return true;
            case Case::NothingGiven:
                return Trimmed(p.value).empty();
            case Case::ByOption:
                return p.input.name.starts_with("--");
            case Case::NoneNear:
                return nearest.empty();
        }
        return false;
    };
    const Wording& row = *std::ranges::find_if(kWordings, [&](const Wording& w) {
        return w.fault == p.fault && !(w.*language).empty() && holds(w.only);
    });
    const std::string name = nameOf(p);
    return Filled(row.*language, [&](std::string_view key) -> std::string {
        if (key == "name") return name;
        if (key == "value") return p.value;
        if (key == "least") return std::to_string(p.least);
        if (key == "most") return std::to_string(p.most);
        if (key == "bound") return PlainNumberText(p.bound);
        if (key == "grade") return std::string(GradeName(p.steel));
        if (key == "nearest1") return std::string(nearest.at(0));
        if (key == "nearest2") return std::string(nearest.at(1));
        return p.text;  // {text}
    });
}

}  // namespace

std::string ValueProblemText(const ValueProblem& problem) {
    return Worded(problem, &Wording::english, PartName);
}

std::string ValueProblemWords(const ValueProblem& problem) {
    return Worded(problem, &Wording::chinese, CaptionName);
}

namespace {

// The notice in the language whose words `language` picks, `schedule` put in as shown.
std::string NoticeWorded(const Notice& notice, std::string_view NoticeWording::*language,
                         std::string_view schedule) {
    const NoticeWording& row = *std::ranges::find_if(kNoticeWordings, [&](const NoticeWording& w) {
        return w.kind == notice.kind && (!w.readsAsGbk || notice.asGbk);
    });
    return Filled(row.*language, [&](std::string_view key) -> std::string {
        if (key == "schedule") return os::ShownWhole(schedule);
        if (key == "line") return std::to_string(notice.line);
        return os::ShownText(notice.asGbk.value_or(""));  // {gbk}
    });
}

}  // namespace

std::string NoticeText(const Notice& notice, std::string_view schedule) {
    return NoticeWorded(notice, &NoticeWording::english, schedule);
}

std::string NoticeWords(const Notice& notice) {
    return NoticeWorded(notice, &NoticeWording::chinese, {});
}

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
    return RowOf(field).chinese;
}

}  // namespace deckplate::input
