#include "calc/checks.h"

#include <algorithm>

#include "calc/number_text.h"

namespace deckplate {
namespace {

using enum Check;
using enum Measure;
// The members and load cases, short: their enumerators share names with types of the check.
constexpr Member kPlate = Member::Plate, kStiffener = Member::Stiffener, kWeld = Member::Weld;
constexpr LoadCase kUniform = LoadCase::Uniform, kPoint = LoadCase::PointLoad;

// A deflection's utilisation: the limit ratio over the actual one. A span of 0 gives a ratio of
// 0, and its utilisation is a division by zero, named as such.
double DeflectionUse(double limit, double ratio, Quantity quantity) {
    return Compute(quantity, [&] { return Checked(limit) / ratio; }).value();
}

const PointLoadCheck& Point(const BayCheck& c) { return *c.pointLoad; }

// f_f^w, the fillet weld's strength.
LimitRule WeldStrengthRule() {
    return {.form = LimitRule::Form::Strength, .symbol = {"f", "f", "w"}};
}

// The detailing's value and limit: of the rule broken, or else of the leg size.
struct DetailingFigures {
    double actual, required;
};
DetailingFigures DetailingValue(const BayCheck& c) {
    const WeldDetailingCheck& d = *c.weldDetailing;
    if (d.broken != WeldRule::None) return {d.actual, d.required};
    return {c.weld->size, d.leastSize};
}

// What the detailing measures: the leg size, or the part of an intermittent weld a rule breaks.
Symbol DetailingSymbol(const WeldDetailingCheck& d) {
    switch (d.broken) {
        case WeldRule::SegmentTooShort:
            return {"l"};
        case WeldRule::EffectiveTooShort:
            return {"l", "w"};
        case WeldRule::GapTooWide:
            return {"s−l"};
        case WeldRule::None:
        case WeldRule::LegTooSmall:
            break;
    }
    return {"h", "f"};
}

Symbol DetailingLimitSymbol(const WeldDetailingCheck& d) {
    switch (d.broken) {
        case WeldRule::SegmentTooShort:
            return {"l", "min"};
        case WeldRule::EffectiveTooShort:
            return {"l", "w,min"};
        case WeldRule::GapTooWide:
            return {"(s−l)", "max"};
        case WeldRule::None:
        case WeldRule::LegTooSmall:
            break;
    }
    return {"h", "f,min"};
}

// A length over a ratio: a/150, L/250.
LimitRule LengthOver(std::string_view length, double ratio) {
    return {.form = LimitRule::Form::LengthOver, .symbol = {length}, .ratio = ratio};
}

// Any verdict, as the table reads it.
template <class Verdict>
CheckOutcome Outcome(const Verdict& verdict) {
    return {verdict.exceeded, verdict.text};
}

constexpr CheckRow kChecks[] = {
    {.id = PlateStrength,
     .key = "plate_strength",
     .name = "铺板强度",
     .member = kPlate,
     .loadCase = kUniform,
     .aspect = "strength",
     .measure = Stress,
     .currentBasisOnly = false,
     .symbol = [](const BayCheck&) { return Symbol{"σ"}; },
     .value = [](const BayCheck& c) { return c.plateStrength.judged; },
     .shown = [](const BayCheck& c) { return c.plate.shown.stress; },
     .limit = [](const BayCheck& c) { return c.plate.f; },
     .limitRule =
         [](const BayCheck&) {
             return LimitRule{.form = LimitRule::Form::Strength, .symbol = {"f"}};
         },
     .utilisation = [](const BayCheck& c) { return c.plateStrength.judged / c.plate.f; },
     .verdict = [](const BayCheck& c) { return Outcome(c.plateStrength); },
     .reportLabel = "钢铺板最大应力(N/mm2)： σ="},
    {.id = PlateDeflection,
     .key = "plate_deflection",
     .name = "铺板挠度",
     .member = kPlate,
     .loadCase = kUniform,
     .aspect = "deflection",
     .measure = Deflection,
     .currentBasisOnly = false,
     .symbol = [](const BayCheck&) { return Symbol{"δ"}; },
     .value = [](const BayCheck& c) { return c.plate.deflection; },
     .shown = [](const BayCheck& c) { return c.plate.shown.deflection; },
     .limit = [](const BayCheck& c) { return c.plateDeflection.allowed; },
     .limitRule =
         [](const BayCheck&) {
             return LimitRule{.form = LimitRule::Form::LengthOver,
                              .symbol = {"a"},
                              .ratio = kPlateDeflectionLimit};
         },
     .utilisation =
         [](const BayCheck& c) {
             return DeflectionUse(kPlateDeflectionLimit, c.plateDeflection.ratio,
                                  Quantity::PlateDeflectionRatio);
         },
     .verdict = [](const BayCheck& c) { return Outcome(c.plateDeflection); },
     .reportLabel = "钢铺板最大挠度(mm)： δ=",
     .spanRatio = [](const BayCheck& c) { return c.plateDeflection.ratio; }},
    {.id = StiffenerStrength,
     .key = "stiffener_strength",
     .name = "加劲肋强度",
     .member = kStiffener,
     .loadCase = kUniform,
     .aspect = "strength",
     .measure = Stress,
     .currentBasisOnly = false,
     .symbol =
         [](const BayCheck&) {
             return Symbol{"σ", "s"};
         },
     .value = [](const BayCheck& c) { return c.stiffener.stress; },
     .shown = [](const BayCheck& c) { return c.stiffener.shown.stress; },
     .limit = [](const BayCheck& c) { return c.stiffener.f; },
     .limitRule =
         [](const BayCheck&) {
             return LimitRule{.form = LimitRule::Form::Strength, .symbol = {"f"}};
         },
     .utilisation = [](const BayCheck& c) { return c.stiffener.stress / c.stiffener.f; },
     .verdict = [](const BayCheck& c) { return Outcome(c.stiffenerStrength); },
     .reportLabel = "加劲肋最大应力(N/mm2)： σ="},
    {.id = StiffenerDeflection,
     .key = "stiffener_deflection",
     .name = "加劲肋挠度",
     .member = kStiffener,
     .loadCase = kUniform,
     .aspect = "deflection",
     .measure = Deflection,
     .currentBasisOnly = false,
     .symbol =
         [](const BayCheck&) {
             return Symbol{"δ", "s"};
         },
     .value = [](const BayCheck& c) { return c.stiffener.deflection; },
     .shown = [](const BayCheck& c) { return c.stiffener.shown.deflection; },
     .limit = [](const BayCheck& c) { return c.stiffenerDeflection.allowed; },
     .limitRule = [](const BayCheck& c) { return LengthOver("L", c.stiffenerDeflection.limit); },
     .utilisation =
         [](const BayCheck& c) {
             return DeflectionUse(c.stiffenerDeflection.limit, c.stiffenerDeflection.ratio,
                                  Quantity::StiffenerDeflectionRatio);
         },
     .verdict = [](const BayCheck& c) { return Outcome(c.stiffenerDeflection); },
     .reportLabel = "加劲肋最大挠度(mm)： δ=",
     .spanRatio = [](const BayCheck& c) { return c.stiffenerDeflection.ratio; }},
    {.id = StiffenerLiveDeflection,
     .key = "stiffener_live_deflection",
     .name = "加劲肋活载挠度",
     .member = kStiffener,
     .loadCase = kUniform,
     .aspect = "live_deflection",
     .measure = Deflection,
     .currentBasisOnly = true,
     .symbol =
         [](const BayCheck&) {
             return Symbol{"δ", "Q"};
         },
     .value = [](const BayCheck& c) { return c.stiffener.liveDeflection; },
     .shown = [](const BayCheck& c) { return c.stiffener.shown.liveDeflection; },
     .limit = [](const BayCheck& c) { return c.stiffenerLiveDeflection->allowed; },
     .limitRule =
         [](const BayCheck& c) { return LengthOver("L", c.stiffenerLiveDeflection->limit); },
     // δ over the deflection allowed: 0 without a live load, which bends the stiffener not at all.
     .utilisation =
         [](const BayCheck& c) {
             return Compute(Quantity::StiffenerLiveDeflectionRatio,
                            [&] {
                                return Checked(c.stiffener.liveDeflection) /
                                       c.stiffenerLiveDeflection->allowed;
                            })
                 .value();
         },
     .verdict = [](const BayCheck& c) { return Outcome(*c.stiffenerLiveDeflection); },
     .reportLabel = "加劲肋活载挠度(mm)： δ=",
     .spanRatio = [](const BayCheck& c) { return c.stiffenerLiveDeflection->ratio; }},
    {.id = StiffenerShear,
     .key = "stiffener_shear",
     .name = "加劲肋抗剪",
     .member = kStiffener,
     .loadCase = kUniform,
     .aspect = "shear",
     .measure = Stress,
     .currentBasisOnly = true,
     .symbol = [](const BayCheck&) { return Symbol{"τ"}; },
     .value = [](const BayCheck& c) { return c.shear->stress; },
     .shown = [](const BayCheck& c) { return c.shear->shown; },
     .limit = [](const BayCheck& c) { return c.shear->fv; },
     .limitRule =
         [](const BayCheck&) {
             return LimitRule{.form = LimitRule::Form::Strength, .symbol = {"f", "v"}};
         },
     .utilisation = [](const BayCheck& c) { return c.shear->stress / c.shear->fv; },
     .verdict = [](const BayCheck& c) { return Outcome(c.shear->verdict); },
     .reportLabel = "加劲肋剪应力(N/mm2)： τ=",
     .force = [](const BayCheck& c) { return c.shear->force; }},
    {.id = StiffenerOutstand,
     .key = "stiffener_outstand",
     .name = "加劲肋宽厚比",
     .member = kStiffener,
     .loadCase = kUniform,
     .aspect = "outstand",
     .measure = Ratio,
     .currentBasisOnly = true,
     .symbol = [](const BayCheck& c) { return Symbol{c.stiffener.flatBar ? "h/t" : "b/t"}; },
     .value = [](const BayCheck& c) { return c.outstand->ratio; },
     .shown = [](const BayCheck& c) { return ShownValue{c.outstand->ratio}; },
     .limit = [](const BayCheck& c) { return c.outstand->limit; },
     .limitRule =
         [](const BayCheck&) {
             return LimitRule{.form = LimitRule::Form::TimesEpsilonK, .ratio = kOutstandLimit};
         },
     .utilisation = [](const BayCheck& c) { return c.outstand->ratio / c.outstand->limit; },
     .verdict = [](const BayCheck& c) { return Outcome(*c.outstand); },
     .reportLabel = "加劲肋宽厚比："},
    {.id = WeldStrength,
     .key = "weld",
     .name = "铺板与加劲肋焊缝",
     .member = kWeld,
     .loadCase = kUniform,
     .aspect = "weld",
     .measure = Stress,
     .currentBasisOnly = true,
     .symbol =
         [](const BayCheck&) {
             return Symbol{"τ", "f"};
         },
     .value = [](const BayCheck& c) { return c.weld->stress; },
     .shown = [](const BayCheck& c) { return c.weld->shown; },
     .limit = [](const BayCheck& c) { return c.weld->limit; },
     .limitRule = [](const BayCheck&) { return WeldStrengthRule(); },
     .utilisation = [](const BayCheck& c) { return c.weld->stress / c.weld->limit; },
     .verdict = [](const BayCheck& c) { return Outcome(c.weld->verdict); },
     .reportLabel = "焊缝剪应力(N/mm2)： τf=",
     .force = [](const BayCheck& c) { return c.weld->force; }},
    {.id = WeldDetail,
     .key = "weld_detailing",
     .name = "焊缝构造",
     .member = kWeld,
     .loadCase = kUniform,
     .aspect = "weld_detailing",
     .measure = Length,
     .currentBasisOnly = true,
     .symbol = [](const BayCheck& c) { return DetailingSymbol(*c.weldDetailing); },
     .value = [](const BayCheck& c) { return DetailingValue(c).actual; },
     .shown = [](const BayCheck& c) { return ShownValue{DetailingValue(c).actual}; },
     .limit = [](const BayCheck& c) { return DetailingValue(c).required; },
     .limitRule =
         [](const BayCheck& c) {
             return LimitRule{.form = LimitRule::Form::Strength,
                              .symbol = DetailingLimitSymbol(*c.weldDetailing)};
         },
     // A rule of detailing is kept or broken: no degree between.
     .utilisation = [](const BayCheck& c) { return c.weldDetailing->exceeded ? 1.0 : 0.0; },
     .verdict = [](const BayCheck& c) { return Outcome(*c.weldDetailing); },
     .reportLabel = ""},
    {.id = PointLoadPlateStrength,
     .key = "point_load_plate_strength",
     .name = "铺板集中荷载强度",
     .member = kPlate,
     .loadCase = kPoint,
     .aspect = "strength",
     .measure = Stress,
     .currentBasisOnly = false,
     .symbol = [](const BayCheck&) { return Symbol{"σ"}; },
     .value = [](const BayCheck& c) { return Point(c).plateStrength.judged; },
     .shown = [](const BayCheck& c) { return Point(c).plate.shown.stress; },
     .limit = [](const BayCheck& c) { return Point(c).plate.f; },
     .limitRule =
         [](const BayCheck&) {
             return LimitRule{.form = LimitRule::Form::Strength, .symbol = {"f"}};
         },
     .utilisation =
         [](const BayCheck& c) { return Point(c).plateStrength.judged / Point(c).plate.f; },
     .verdict = [](const BayCheck& c) { return Outcome(Point(c).plateStrength); },
     .reportLabel = "钢铺板集中荷载应力(N/mm2)： σ="},
    {.id = PointLoadPlateDeflection,
     .key = "point_load_plate_deflection",
     .name = "铺板集中荷载挠度",
     .member = kPlate,
     .loadCase = kPoint,
     .aspect = "deflection",
     .measure = Deflection,
     .currentBasisOnly = false,
     .symbol = [](const BayCheck&) { return Symbol{"δ"}; },
     .value = [](const BayCheck& c) { return Point(c).plate.deflection; },
     .shown = [](const BayCheck& c) { return Point(c).plate.shown.deflection; },
     .limit = [](const BayCheck& c) { return Point(c).plate.deflectionLimit; },
     .limitRule =
         [](const BayCheck&) {
             return LimitRule{.form = LimitRule::Form::CappedLengthOver,
                              .symbol = {"a"},
                              .ratio = kPointLoadPlateDeflectionLimit,
                              .cap = kPointLoadPlateStepLimit};
         },
     .utilisation =
         [](const BayCheck& c) {
             return Point(c).plate.deflection / Point(c).plate.deflectionLimit;
         },
     .verdict = [](const BayCheck& c) { return Outcome(Point(c).plateDeflection); },
     .reportLabel = "钢铺板集中荷载挠度(mm)： δ="},
    {.id = PointLoadStiffenerStrength,
     .key = "point_load_stiffener_strength",
     .name = "加劲肋集中荷载强度",
     .member = kStiffener,
     .loadCase = kPoint,
     .aspect = "strength",
     .measure = Stress,
     .currentBasisOnly = false,
     .symbol =
         [](const BayCheck&) {
             return Symbol{"σ", "s"};
         },
     .value = [](const BayCheck& c) { return Point(c).stiffener.stress; },
     .shown = [](const BayCheck& c) { return Point(c).stiffener.shown.stress; },
     .limit = [](const BayCheck& c) { return Point(c).stiffener.f; },
     .limitRule =
         [](const BayCheck&) {
             return LimitRule{.form = LimitRule::Form::Strength, .symbol = {"f"}};
         },
     .utilisation =
         [](const BayCheck& c) { return Point(c).stiffener.stress / Point(c).stiffener.f; },
     .verdict = [](const BayCheck& c) { return Outcome(Point(c).stiffenerStrength); },
     .reportLabel = "加劲肋集中荷载应力(N/mm2)： σ="},
    {.id = PointLoadStiffenerDeflection,
     .key = "point_load_stiffener_deflection",
     .name = "加劲肋集中荷载挠度",
     .member = kStiffener,
     .loadCase = kPoint,
     .aspect = "deflection",
     .measure = Deflection,
     .currentBasisOnly = false,
     .symbol =
         [](const BayCheck&) {
             return Symbol{"δ", "s"};
         },
     .value = [](const BayCheck& c) { return Point(c).stiffener.deflection; },
     .shown = [](const BayCheck& c) { return Point(c).stiffener.shown.deflection; },
     .limit = [](const BayCheck& c) { return Point(c).stiffenerDeflection.allowed; },
     .limitRule =
         [](const BayCheck& c) { return LengthOver("L", Point(c).stiffenerDeflection.limit); },
     .utilisation =
         [](const BayCheck& c) {
             return DeflectionUse(Point(c).stiffenerDeflection.limit,
                                  Point(c).stiffenerDeflection.ratio,
                                  Quantity::PointLoadStiffenerDeflectionRatio);
         },
     .verdict = [](const BayCheck& c) { return Outcome(Point(c).stiffenerDeflection); },
     .reportLabel = "加劲肋集中荷载挠度(mm)： δ=",
     .spanRatio = [](const BayCheck& c) { return Point(c).stiffenerDeflection.ratio; }},
    {.id = PointLoadStiffenerShear,
     .key = "point_load_stiffener_shear",
     .name = "加劲肋集中荷载抗剪",
     .member = kStiffener,
     .loadCase = kPoint,
     .aspect = "shear",
     .measure = Stress,
     .currentBasisOnly = true,
     .symbol = [](const BayCheck&) { return Symbol{"τ"}; },
     .value = [](const BayCheck& c) { return Point(c).shear->stress; },
     .shown = [](const BayCheck& c) { return Point(c).shear->shown; },
     .limit = [](const BayCheck& c) { return Point(c).shear->fv; },
     .limitRule =
         [](const BayCheck&) {
             return LimitRule{.form = LimitRule::Form::Strength, .symbol = {"f", "v"}};
         },
     .utilisation = [](const BayCheck& c) { return Point(c).shear->stress / Point(c).shear->fv; },
     .verdict = [](const BayCheck& c) { return Outcome(Point(c).shear->verdict); },
     .reportLabel = "加劲肋集中荷载剪应力(N/mm2)： τ=",
     .force = [](const BayCheck& c) { return Point(c).shear->force; }},
    {.id = PointLoadWeldStrength,
     .key = "point_load_weld",
     .name = "焊缝集中荷载",
     .member = kWeld,
     .loadCase = kPoint,
     .aspect = "weld",
     .measure = Stress,
     .currentBasisOnly = true,
     .symbol =
         [](const BayCheck&) {
             return Symbol{"τ", "f"};
         },
     .value = [](const BayCheck& c) { return Point(c).weld->stress; },
     .shown = [](const BayCheck& c) { return Point(c).weld->shown; },
     .limit = [](const BayCheck& c) { return Point(c).weld->limit; },
     .limitRule = [](const BayCheck&) { return WeldStrengthRule(); },
     .utilisation = [](const BayCheck& c) { return Point(c).weld->stress / Point(c).weld->limit; },
     .verdict = [](const BayCheck& c) { return Outcome(Point(c).weld->verdict); },
     .reportLabel = "焊缝集中荷载剪应力(N/mm2)： τf=",
     .force = [](const BayCheck& c) { return Point(c).weld->force; }},
};

constexpr bool RowsFollowTheEnumeration() {
    for (std::size_t i = 0; i < std::size(kChecks); ++i)
        if (static_cast<std::size_t>(kChecks[i].id) != i) return false;
    return std::size(kChecks) == kCheckCount;
}
static_assert(RowsFollowTheEnumeration(), "row i of the table of checks must describe Check(i)");

}  // namespace

std::span<const CheckRow> Checks() { return kChecks; }

std::string SymbolText(const Symbol& symbol) {
    return std::string(symbol.letter) + std::string(symbol.subscript) +
           std::string(symbol.superscript);
}

std::string LimitRuleText(const LimitRule& rule) {
    const std::string symbol = SymbolText(rule.symbol);
    switch (rule.form) {
        case LimitRule::Form::Strength:
            return symbol;
        case LimitRule::Form::LengthOver:
            return symbol + "/" + PlainNumberText(rule.ratio);
        case LimitRule::Form::CappedLengthOver:
            return "min(" + symbol + "/" + PlainNumberText(rule.ratio) + ", " +
                   PlainNumberText(rule.cap) + ")";
        case LimitRule::Form::TimesEpsilonK:
            break;
    }
    return PlainNumberText(rule.ratio) + "εk";
}

const CheckRow& RowOf(Check check) { return kChecks[static_cast<std::size_t>(check)]; }

CheckScope ScopeOf(const BayCheck& check) {
    return {.pointLoad = check.pointLoad.has_value(),
            .currentBasis = check.plate.basis == DesignBasis::Current};
}

bool InScope(const CheckRow& row, const CheckScope& scope) {
    return (row.loadCase != LoadCase::PointLoad || scope.pointLoad) &&
           (!row.currentBasisOnly || scope.currentBasis);
}

bool BayCheck::AllPass() const {
    const CheckScope scope = ScopeOf(*this);
    return std::ranges::none_of(kChecks, [&](const CheckRow& row) {
        return InScope(row, scope) && row.verdict(*this).exceeded;
    });
}

Utilisation Utilisations(const BayCheck& check) {
    const CheckScope scope = ScopeOf(check);
    Utilisation u;
    for (const CheckRow& row : kChecks)
        if (InScope(row, scope)) u.values_[Utilisation::Index(row.id)] = row.utilisation(check);
    return u;
}

double Utilisation::Governing() const { return (*this)[GoverningCheck()]; }

Check Utilisation::GoverningCheck() const {
    Check governing = Check::PlateStrength;
    for (const CheckRow& row : kChecks)
        if (Has(row.id) && (*this)[row.id] > (*this)[governing]) governing = row.id;
    return governing;
}

}  // namespace deckplate
