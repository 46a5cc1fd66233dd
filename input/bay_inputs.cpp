#include "input/bay_inputs.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "calc/angle_catalogue.h"
#include "calc/bay_check.h"
#include "calc/number_text.h"
#include "calc/stiffener.h"
#include "calc/weld.h"

namespace deckplate::input {
namespace {

// The shortest text that reads back as exactly `x`: a bay written by a check gives that check's
// numbers again to the last bit.
std::string ExactText(double x) {
    std::array<char, 32> text;
    const auto end = std::to_chars(text.data(), text.data() + text.size(), x).ptr;
    return {text.data(), end};
}

std::string WithUnit(double x, std::string_view unit) {
    return PlainNumberText(x) + " " + std::string(unit);
}

std::string PatchWords(const PointLoad& load) {
    return PlainNumberText(load.across) + "×" + PlainNumberText(load.along) + " mm";
}

std::string FlagText(bool flag) { return flag ? "yes" : "no"; }

// A point load's force read where the bay may already have one (a run's, a file's): its patch
// stays.
void ReadPointLoad(std::string_view text, const Input& input, BayInput& bay) {
    PointLoad load = bay.pointLoad.value_or(PointLoad{});
    load.force = PointLoadForce(text, input);
    bay.pointLoad = load;
}

// A patch stands on a point load: given without one, it would check nothing.
void ReadPatch(std::string_view text, const Input& input, BayInput& bay) {
    if (!bay.pointLoad)
        throw ValueError(ValueProblem{.fault = ValueFault::PatchWithoutPointLoad,
                                      .input = input,
                                      .value = std::string(text)});
    const Patch patch = ParsePatch(text, input);
    bay.pointLoad->across = patch.across;
    bay.pointLoad->along = patch.along;
}

using enum InputKind;
constexpr InputOption kNoOption{};
constexpr CheckLine kNameAndWords{.caption = "", .words = nullptr};
constexpr BookCell kNotInBook{.heading = "", .words = nullptr};

// clang-format off
constexpr InputRow kInputs[] = {
    {.field = BayField::Dead, .kind = Number, .key = "dead",
     .english = "dead load", .chinese = "静荷载", .unit = "kN/m²", .choices = "",
     .required = true, .currentOnly = false, .batch = false, .design = true,
     .option = {"--dead", "NUMBER", "dead load, kN/m²",
                [](std::string_view t, const Input& i, BayInput& b) { b.dead = Load(t, i); }},
     .alternative = kNoOption,
     .read = [](std::string_view t, const Input& i, BayInput& b) { b.dead = Load(t, i); },
     .value = [](const BayInput& b) -> InputValue { return b.dead; },
     .text = [](const BayInput& b) { return ExactText(b.dead); },
     .words = [](const BayInput& b) { return WithUnit(b.dead, "kN/m²"); },
     .checkLine = kNameAndWords,
     .book = {.heading = "恒荷载标准值 D", .words = nullptr}},
    {.field = BayField::Live, .kind = Number, .key = "live",
     .english = "live load", .chinese = "活荷载", .unit = "kN/m²", .choices = "",
     .required = true, .currentOnly = false, .batch = false, .design = true,
     .option = {"--live", "NUMBER", "live load, kN/m²",
                [](std::string_view t, const Input& i, BayInput& b) { b.live = Load(t, i); }},
     .alternative = kNoOption,
     .read = [](std::string_view t, const Input& i, BayInput& b) { b.live = Load(t, i); },
     .value = [](const BayInput& b) -> InputValue { return b.live; },
     .text = [](const BayInput& b) { return ExactText(b.live); },
     .words = [](const BayInput& b) { return WithUnit(b.live, "kN/m²"); },
     .checkLine = kNameAndWords,
     .book = {.heading = "活荷载标准值 P", .words = nullptr}},
    {.field = BayField::Thickness, .kind = Number, .key = "thickness",
     .english = "plate thickness", .chinese = "铺板厚度", .unit = "mm", .choices = "",
     .required = true, .currentOnly = false, .batch = false, .design = false,
     .option = {"--thickness", "NUMBER", "deck plate thickness, mm (e.g. 4.5)",
                [](std::string_view t, const Input& i, BayInput& b) {
                    b.thickness = ThicknessOf(Length(t, i));
                }},
     .alternative = kNoOption,
     .read = [](std::string_view t, const Input& i, BayInput& b) {
         b.thickness = ThicknessOf(Length(t, i));
     },
     .value = [](const BayInput& b) -> InputValue { return b.thickness.mm; },
     .text = [](const BayInput& b) { return ExactText(b.thickness.mm); },
     .words = [](const BayInput& b) { return WithUnit(b.thickness.mm, "mm"); },
     .checkLine = kNameAndWords,
     .book = {.heading = "钢铺板厚度 t", .words = nullptr}},
    {.field = BayField::Span, .kind = Number, .key = "span",
     .english = "stiffener span", .chinese = "加劲肋跨度", .unit = "mm", .choices = "",
     .required = true, .currentOnly = false, .batch = false, .design = true,
     .option = {"--span", "NUMBER", "stiffener span, mm, centre to centre of its supports",
                [](std::string_view t, const Input& i, BayInput& b) { b.span = Length(t, i); }},
     .alternative = kNoOption,
     .read = [](std::string_view t, const Input& i, BayInput& b) { b.span = Length(t, i); },
     .value = [](const BayInput& b) -> InputValue { return b.span; },
     .text = [](const BayInput& b) { return ExactText(b.span); },
     .words = [](const BayInput& b) { return WithUnit(b.span, "mm"); },
     .checkLine = kNameAndWords,
     .book = {.heading = "加劲肋跨度 L", .words = nullptr}},
    {.field = BayField::Spacing, .kind = Number, .key = "spacing",
     .english = "stiffener spacing", .chinese = "加劲肋间距", .unit = "mm", .choices = "",
     .required = true, .currentOnly = false, .batch = false, .design = true,
     .option = {"--spacing", "NUMBER", "stiffener spacing, mm, centre to centre",
                [](std::string_view t, const Input& i, BayInput& b) { b.spacing = Length(t, i); }},
     .alternative = kNoOption,
     .read = [](std::string_view t, const Input& i, BayInput& b) { b.spacing = Length(t, i); },
     .value = [](const BayInput& b) -> InputValue { return b.spacing; },
     .text = [](const BayInput& b) { return ExactText(b.spacing); },
     .words = [](const BayInput& b) { return WithUnit(b.spacing, "mm"); },
     .checkLine = kNameAndWords,
     .book = {.heading = "加劲肋间距 a", .words = nullptr}},
    {.field = BayField::Boundary, .kind = Choice, .key = "boundary",
     .english = "boundary", .chinese = "边界条件", .unit = "", .choices = "simple, continuous",
     .required = true, .currentOnly = false, .batch = false, .design = true,
     .option = {"--continuous", "",
                "plate continuous over three or more spans (default: four edges simply "
                "supported)",
                [](std::string_view, const Input&, BayInput& b) { b.boundary = BoundaryOf(true); }},
     .alternative = kNoOption,
     .read = [](std::string_view t, const Input& i, BayInput& b) {
         b.boundary = ParseBoundary(t, i);
     },
     .value = [](const BayInput& b) -> InputValue {
         return std::string(b.boundary.continuous ? "continuous" : "simple");
     },
     .text = [](const BayInput& b) {
         return std::string(b.boundary.continuous ? "continuous" : "simple");
     },
     .words = [](const BayInput& b) {
         return std::string(b.boundary.continuous ? "三跨及以上连续" : "四边简支");
     },
     .checkLine = kNameAndWords,
     .book = {.heading = "边界条件", .words = nullptr}},
    {.field = BayField::Stiffener, .kind = Text, .key = "stiffener",
     .english = "stiffener", .chinese = "加劲肋规格", .unit = "", .choices = "",
     .required = true, .currentOnly = false, .batch = false, .design = false,
     .option = {"--flat-bar", "HxT", "flat bar height x thickness, mm (80x8; x, X, * or ×)",
                [](std::string_view t, const Input& i, BayInput& b) {
                    b.stiffener = ParseFlatBar(t, i);
                }},
     .alternative = {"--angle", "DESIGNATION",
                     "angle designation (L63x40x5; any case, x, X, * or ×)",
                     [](std::string_view t, const Input& i, BayInput& b) {
                         b.stiffener = ParseAngle(t, i);
                     }},
     .read = [](std::string_view t, const Input& i, BayInput& b) {
         b.stiffener = ParseStiffener(t, i);
     },
     .value = [](const BayInput& b) -> InputValue { return StiffenerName(b.stiffener); },
     .text = [](const BayInput& b) { return StiffenerName(b.stiffener); },
     .words = [](const BayInput& b) {
         return (std::holds_alternative<FlatBar>(b.stiffener) ? "扁钢 " : "不等边角钢 ") +
                StiffenerName(b.stiffener);
     },
     .checkLine = {.caption = "加劲肋类型", .words = nullptr},
     // The book words the stiffener as it titles it throughout, with a flat bar's sizes.
     .book = {.heading = "加劲肋", .words = nullptr}},
    {.field = BayField::Basis, .kind = Choice, .key = "basis",
     .english = "design basis", .chinese = "计算依据", .unit = "", .choices = "current, legacy",
     .required = false, .currentOnly = false, .batch = true, .design = true,
     .option = {"--basis", "current|legacy",
                "design basis: current (GB 55001-2021 factors, γ0, the self-weight, f by grade "
                "and thickness, GB 50017-2017's checks; the default) or legacy (1.2 D + 1.4 P "
                "after GB 50009-2012, superseded for new designs since 2022-01-01; f = 215)",
                [](std::string_view t, const Input& i, BayInput& b) { b.basis = ParseBasis(t, i); }},
     .alternative = kNoOption,
     .read = [](std::string_view t, const Input& i, BayInput& b) { b.basis = ParseBasis(t, i); },
     .value = [](const BayInput& b) -> InputValue { return std::string(BasisName(b.basis)); },
     .text = [](const BayInput& b) { return std::string(BasisName(b.basis)); },
     .words = [](const BayInput& b) {
         return std::string(BasisNameZh(b.basis)) + "（" + std::string(LoadCode(b.basis)) + "）";
     },
     .checkLine = kNameAndWords,
     .book = kNotInBook},
    {.field = BayField::Steel, .kind = Choice, .key = "steel",
     .english = "steel grade", .chinese = "钢材牌号", .unit = "", .choices = "Q235, Q355, Q390, Q420, Q460",
     .required = false, .currentOnly = false, .batch = true, .design = true,
     .option = {"--steel", "GRADE",
                "steel grade, as drawings write it too (Q355B, Q355ND): Q235 (the default), "
                "Q355, Q390, Q420 or Q460; the legacy basis knows Q235 only",
                [](std::string_view t, const Input& i, BayInput& b) {
                    const SteelDesignation steel = ParseSteel(t, i);
                    b.steel = steel.grade;
                    b.steelMark = steel.mark;
                }},
     .alternative = kNoOption,
     .read = [](std::string_view t, const Input& i, BayInput& b) {
         const SteelDesignation steel = ParseSteel(t, i);
         b.steel = steel.grade;
         b.steelMark = steel.mark;
     },
     .value = [](const BayInput& b) -> InputValue {
         return DesignationName(b.steel, b.steelMark);
     },
     .text = [](const BayInput& b) { return DesignationName(b.steel, b.steelMark); },
     .words = [](const BayInput& b) {
         return DesignationName(b.steel, b.steelMark) + "（" + ValuesOf(b.steel).standard +
                "）";
     },
     .checkLine = {.caption = "", .words = [](const BayInput&, const BayCheck& c) {
         return std::string(GradeName(c.plate.steel));
     }},
     .book = kNotInBook},
    {.field = BayField::SafetyClass, .kind = Choice, .key = "safety_class",
     .english = "safety class", .chinese = "结构安全等级", .unit = "", .choices = "1, 2, 3",
     .required = false, .currentOnly = true, .batch = true, .design = true,
     .option = {"--safety-class", "1|2|3",
                "the structure's safety class (GB 55001-2021 §3.1.12): 1 (γ0 = 1.1), 2 (1.0, the "
                "default, ordinary steel structures) or 3 (0.9); current basis",
                [](std::string_view t, const Input& i, BayInput& b) {
                    b.safetyClass = ParseSafetyClass(t, i);
                }},
     .alternative = kNoOption,
     .read = [](std::string_view t, const Input& i, BayInput& b) {
         b.safetyClass = ParseSafetyClass(t, i);
     },
     .value = [](const BayInput& b) -> InputValue {
         return static_cast<double>(SafetyClassNumber(b.safetyClass));
     },
     .text = [](const BayInput& b) { return std::to_string(SafetyClassNumber(b.safetyClass)); },
     .words = [](const BayInput& b) {
         return std::string(SafetyClassNameZh(b.safetyClass)) + "，γ0 = " +
                std::string(ImportanceFactorText(b.safetyClass));
     },
     .checkLine = {.caption = "", .words = [](const BayInput&, const BayCheck& c) {
         return std::string(SafetyClassNameZh(c.loads.safetyClass)) + "（γ0 = " +
                std::string(ImportanceFactorText(c.loads.safetyClass)) + "）";
     }},
     .book = {.heading = "结构安全等级", .words = [](const BayInput& b, const BayCheck&) {
         return std::string(SafetyClassNameZh(b.safetyClass));
     }}},
    {.field = BayField::DeadIncludesSelfWeight, .kind = Flag, .key = "dead_includes_self_weight",
     .english = "dead load includes the self-weight", .chinese = "恒荷载已含自重", .unit = "", .choices = "",
     .required = false, .currentOnly = true, .batch = true, .design = true,
     .option = {"--dead-includes-self-weight", "",
                "the dead load given already includes the floor's self-weight (current basis; "
                "by default the program adds the plate's and stiffeners' own weight to it)",
                [](std::string_view, const Input&, BayInput& b) {
                    b.deadIncludesSelfWeight = true;
                }},
     .alternative = kNoOption,
     .read = [](std::string_view t, const Input& i, BayInput& b) {
         b.deadIncludesSelfWeight = ParseFlag(t, i);
     },
     .value = [](const BayInput& b) -> InputValue { return b.deadIncludesSelfWeight; },
     .text = [](const BayInput& b) { return FlagText(b.deadIncludesSelfWeight); },
     .words = [](const BayInput& b) {
         return std::string(b.deadIncludesSelfWeight ? "是" : "否，另加钢铺板及加劲肋自重");
     },
     .checkLine = {.caption = "自重", .words = [](const BayInput& b, const BayCheck& c) {
         if (b.deadIncludesSelfWeight) return std::string("已含于静荷载");
         return "另加 " + PrintText(ShownValue{c.loads.addedSelfWeight}) +
                " kN/m²（钢铺板及加劲肋）";
     }},
     .book = {.heading = "钢铺板及加劲肋自重", .words = [](const BayInput& b, const BayCheck&) {
         return std::string(b.deadIncludesSelfWeight ? "已包含在 D 中" : "另行计入");
     }}},
    {.field = BayField::PointLoad, .kind = Number, .key = "point_load",
     .english = "point load", .chinese = "集中荷载", .unit = "kN", .choices = "",
     .required = false, .currentOnly = false, .batch = true, .design = true,
     .option = {"--point-load", "KN",
                "also check a point load of KN kN (a standard value; 1.5 for a work platform or "
                "walkway) on the patch, as a load case of its own",
                ReadPointLoad},
     .alternative = kNoOption,
     .read = ReadPointLoad,
     .value = [](const BayInput& b) -> InputValue {
         if (!b.pointLoad) return std::monostate{};
         return b.pointLoad->force;
     },
     .text = [](const BayInput& b) {
         return b.pointLoad ? ExactText(b.pointLoad->force) : std::string();
     },
     .words = [](const BayInput& b) {
         return b.pointLoad ? WithUnit(b.pointLoad->force, "kN") : std::string("无");
     },
     .checkLine = kNameAndWords,
     .book = kNotInBook},
    {.field = BayField::Patch, .kind = Text, .key = "patch",
     .english = "patch", .chinese = "作用面", .unit = "mm", .choices = "",
     .required = false, .currentOnly = false, .batch = true, .design = true,
     .option = {"--patch", "UxV",
                "the point load's patch, across x along the stiffeners, mm (default 200x200); "
                "needs --point-load",
                ReadPatch},
     .alternative = kNoOption,
     .read = ReadPatch,
     .value = [](const BayInput& b) -> InputValue {
         if (!b.pointLoad) return std::monostate{};
         return ExactText(b.pointLoad->across) + "x" + ExactText(b.pointLoad->along);
     },
     .text = [](const BayInput& b) {
         return b.pointLoad ? ExactText(b.pointLoad->across) + "x" + ExactText(b.pointLoad->along)
                            : std::string();
     },
     .words = [](const BayInput& b) {
         return b.pointLoad ? PatchWords(*b.pointLoad) : std::string("无");
     },
     .checkLine = kNameAndWords,
     .book = kNotInBook},
    {.field = BayField::Weld, .kind = Choice, .key = "weld",
     .english = "weld", .chinese = "焊缝形式", .unit = "", .choices = "double, intermittent, single",
     .required = false, .currentOnly = true, .batch = true, .design = false,
     .option = {"--weld", "double|intermittent|single",
                "the weld between plate and stiffener: double-sided continuous (the default), "
                "double-sided intermittent (give --weld-segment) or single-sided continuous; "
                "current basis",
                [](std::string_view t, const Input& i, BayInput& b) {
                    b.weld.arrangement = ParseWeldArrangement(t, i);
                }},
     .alternative = kNoOption,
     .read = [](std::string_view t, const Input& i, BayInput& b) {
         b.weld.arrangement = ParseWeldArrangement(t, i);
     },
     .value = [](const BayInput& b) -> InputValue {
         return std::string(ArrangementKey(b.weld.arrangement));
     },
     .text = [](const BayInput& b) { return std::string(ArrangementKey(b.weld.arrangement)); },
     .words = [](const BayInput& b) {
         return std::string(ArrangementNameZh(b.weld.arrangement)) + "角焊缝";
     },
     .checkLine = kNameAndWords,
     .book = {.heading = "焊缝", .words = [](const BayInput& b, const BayCheck& c) {
         // The weld as checked (its size the least the code allows when none is given), with its
         // segments: the cell stands for the weld's size and segments too.
         if (!c.weld) return std::string();
         return WeldDescriptionZh(*c.weld) + (b.weld.size ? "" : "（焊脚尺寸未给定，取构造最小值）");
     }}},
    {.field = BayField::WeldSize, .kind = Number, .key = "weld_size",
     .english = "weld size", .chinese = "焊脚尺寸", .unit = "mm", .choices = "",
     .required = false, .currentOnly = true, .batch = true, .design = false,
     .option = {"--weld-size", "MM",
                "the weld's leg size hf, mm (default: the least GB 50017-2017 Table 11.3.5 "
                "allows for the thicker part, at most the thinner part); current basis",
                [](std::string_view t, const Input& i, BayInput& b) { b.weld.size = Length(t, i); }},
     .alternative = kNoOption,
     .read = [](std::string_view t, const Input& i, BayInput& b) { b.weld.size = Length(t, i); },
     .value = [](const BayInput& b) -> InputValue {
         if (!b.weld.size) return std::monostate{};
         return *b.weld.size;
     },
     .text = [](const BayInput& b) {
         return b.weld.size ? ExactText(*b.weld.size) : std::string();
     },
     .words = [](const BayInput& b) {
         return b.weld.size ? WithUnit(*b.weld.size, "mm") : std::string("按构造最小值");
     },
     .checkLine = kNameAndWords,
     .book = kNotInBook},
    {.field = BayField::WeldSegments, .kind = Text, .key = "weld_segment",
     .english = "weld segments", .chinese = "断续焊缝段长@间距", .unit = "mm", .choices = "",
     .required = false, .currentOnly = true, .batch = true, .design = false,
     .option = {"--weld-segment", "L@S",
                "an intermittent weld's segments: length @ pitch centre to centre, mm (50@150); "
                "needs --weld intermittent",
                [](std::string_view t, const Input& i, BayInput& b) {
                    b.weld.segments = ParseWeldSegments(t, i);
                }},
     .alternative = kNoOption,
     .read = [](std::string_view t, const Input& i, BayInput& b) {
         b.weld.segments = ParseWeldSegments(t, i);
     },
     .value = [](const BayInput& b) -> InputValue {
         if (!b.weld.segments) return std::monostate{};
         return SegmentsText(*b.weld.segments);
     },
     .text = [](const BayInput& b) {
         return b.weld.segments ? SegmentsText(*b.weld.segments) : std::string();
     },
     .words = [](const BayInput& b) {
         return b.weld.segments ? SegmentsText(*b.weld.segments) + " mm" : std::string();
     },
     .checkLine = kNameAndWords,
     .book = kNotInBook},
};
// clang-format on

}  // namespace

std::span<const InputRow> BayInputs() { return kInputs; }

const InputRow& RowOf(BayField field) {
    const auto row = std::ranges::find(kInputs, field, &InputRow::field);
    return row != std::end(kInputs) ? *row : kInputs[0];
}

const InputRow* FindInput(std::string_view key) {
    const auto row = std::ranges::find(kInputs, key, &InputRow::key);
    return row != std::end(kInputs) ? &*row : nullptr;
}

BayInput DefaultBay() { return BayInput{.basis = DesignBasis::Current}; }

void KeepToTheBasis(BayInput& bay,
                    const std::function<std::optional<GivenInput>(BayField)>& given) {
    if (bay.basis != DesignBasis::Legacy) return;
    for (const InputRow& row : kInputs) {
        if (!row.currentOnly) continue;
        if (const std::optional<GivenInput> input = given(row.field))
            throw ValueError(ValueProblem{.fault = ValueFault::InputWithLegacyBasis,
                                          .input = input->input,
                                          .value = input->text});
    }
    if (!given(BayField::Steel)) {
        bay.steel = SteelGrade::Q235;
        bay.steelMark = {};
    }
    const BayInput defaults = DefaultBay();
    bay.safetyClass = defaults.safetyClass;
    bay.deadIncludesSelfWeight = defaults.deadIncludesSelfWeight;
    bay.weld = defaults.weld;
}

namespace {

// What a stiffener takes of the plate's width: a flat bar's thickness, an angle's short leg; 0
// for an angle never picked.
double WidthAtThePlate(const StiffenerChoice& stiffener) {
    if (const auto* bar = std::get_if<FlatBar>(&stiffener)) return bar->thickness;
    return AngleShortLeg(std::get<CatalogueAngle>(stiffener).position);
}

}  // namespace

std::vector<Caution> Cautions(const BayInput& bay) {
    std::vector<Caution> cautions;
    // A span or spacing under 100 mm is no platform's: most likely metres typed for millimetres.
    for (const auto& [field, value] :
         {std::pair{BayField::Span, bay.span}, std::pair{BayField::Spacing, bay.spacing}})
        if (value > 0 && value < kLeastLikelyLength)
            cautions.push_back(
                {field,
                 PlainNumberText(value) + " mm looks like metres typed: the program takes mm",
                 PlainNumberText(value) + " mm 似为按米输入，本程序以 mm 计"});
    if (const auto* bar = std::get_if<FlatBar>(&bay.stiffener); bar && bar->height < bar->thickness)
        cautions.push_back({BayField::Stiffener,
                            "the flat bar " + StiffenerName(bay.stiffener) +
                                " is thicker than it is high: height x thickness swapped?",
                            "扁钢 " + StiffenerName(bay.stiffener) +
                                " 的厚度大于高度，高与厚是否写反（应为 高x厚）"});
    return cautions;
}

void RequireSound(const BayInput& bay, const std::function<Input(BayField)>& naming) {
    RequireGradeOfBasis(bay.steel, bay.basis, naming(BayField::Steel));
    if (bay.pointLoad) {
        const PointLoad& load = *bay.pointLoad;
        RequirePatchAtLeast({load.across, load.along}, bay.thickness.mm, naming(BayField::Patch),
                            PlainNumberText(load.across) + "x" + PlainNumberText(load.along));
    }
    // A stiffener given as a designation names the part in it ("--flat-bar (300x80) thickness");
    // one whose part a bay file gives on its own, the part's key.
    const Input stiffener = naming(BayField::Stiffener);
    RequirePartsInStrengthTable(
        bay, naming(BayField::Thickness), stiffener,
        stiffener.field == BayField::Stiffener ? StiffenerName(bay.stiffener) : std::string());
    // Stiffeners no farther apart than one is wide at the plate cannot be built: most often a
    // spacing typed in metres. A spacing of 0 or less is each front end's own refusal.
    if (const double width = WidthAtThePlate(bay.stiffener);
        width > 0 && bay.spacing > 0 && !(bay.spacing > width))
        throw ValueError(ValueProblem{.fault = ValueFault::SpacingWithinStiffener,
                                      .input = naming(BayField::Spacing),
                                      .value = PlainNumberText(bay.spacing),
                                      .bound = width});
    if (bay.basis != DesignBasis::Current) return;
    const Weld& weld = bay.weld;
    const bool intermittent = weld.arrangement == WeldArrangement::Intermittent;
    if (intermittent && !weld.segments)
        throw ValueError(ValueProblem{.fault = ValueFault::WeldWithoutSegments,
                                      .input = naming(BayField::WeldSegments)});
    if (!intermittent && weld.segments)
        throw ValueError(ValueProblem{.fault = ValueFault::SegmentsWithContinuousWeld,
                                      .input = naming(BayField::WeldSegments),
                                      .value = SegmentsText(*weld.segments)});
    if (!weld.segments) return;
    const double size = weld.size.value_or(
        DefaultWeldSize(bay.thickness.mm, StiffenerThickness(StiffenerSection(bay.stiffener))));
    if (!(weld.segments->length > 2 * size))
        throw ValueError(ValueProblem{.fault = ValueFault::SegmentNotLongerThanLegs,
                                      .input = naming(BayField::WeldSegments),
                                      .value = PlainNumberText(weld.segments->length),
                                      .bound = 2 * size});
    if (weld.segments->pitch < weld.segments->length)
        throw ValueError(ValueProblem{.fault = ValueFault::PitchBelowSegment,
                                      .input = naming(BayField::WeldSegments),
                                      .value = PlainNumberText(weld.segments->pitch),
                                      .bound = weld.segments->length});
}

}  // namespace deckplate::input
