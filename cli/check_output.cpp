#include "cli/check_output.h"

#include <sstream>
#include <type_traits>
#include <variant>

#include "calc/number_text.h"
#include "input/bay_inputs.h"
#include "schedule/results_writer.h"
#include "version/deckplate_version.h"

namespace deckplate::cli {
namespace {

// Units as engineers write them; the window's captions keep the documents' "kn/m2", "KnM".
constexpr std::string_view kSurfaceLoad = "kN/m²";
constexpr std::string_view kMoment = "kN·m";
constexpr std::string_view kStress = "N/mm²";

// The rule a weld's detailing breaks, as --json names it; null for none.
nlohmann::json DetailingRuleKey(WeldRule rule) {
    switch (rule) {
        case WeldRule::LegTooSmall:
            return "leg_size";
        case WeldRule::SegmentTooShort:
            return "segment_length";
        case WeldRule::EffectiveTooShort:
            return "effective_length";
        case WeldRule::GapTooWide:
            return "clear_gap";
        case WeldRule::None:
            break;
    }
    return nullptr;
}

// Where `check`'s text gives each verdict: under the values of its group, in this order.
enum class TextGroup { Plate, Stiffener, ShearAndOutstand, Weld, PointLoad };
struct VerdictPlace {
    Check check;
    TextGroup group;
};
constexpr VerdictPlace kVerdictPlaces[] = {
    {Check::PlateDeflection, TextGroup::Plate},
    {Check::PlateStrength, TextGroup::Plate},
    {Check::StiffenerDeflection, TextGroup::Stiffener},
    {Check::StiffenerStrength, TextGroup::Stiffener},
    {Check::StiffenerLiveDeflection, TextGroup::ShearAndOutstand},
    {Check::StiffenerShear, TextGroup::ShearAndOutstand},
    {Check::StiffenerOutstand, TextGroup::ShearAndOutstand},
    {Check::WeldStrength, TextGroup::Weld},
    {Check::WeldDetail, TextGroup::Weld},
    {Check::PointLoadPlateStrength, TextGroup::PointLoad},
    {Check::PointLoadPlateDeflection, TextGroup::PointLoad},
    {Check::PointLoadStiffenerStrength, TextGroup::PointLoad},
    {Check::PointLoadStiffenerDeflection, TextGroup::PointLoad},
    {Check::PointLoadStiffenerShear, TextGroup::PointLoad},
    {Check::PointLoadWeldStrength, TextGroup::PointLoad},
};
static_assert(std::size(kVerdictPlaces) == kCheckCount, "a place for every check's verdict");

// The verdicts of a group the bay has, the first after "设计提示：", the others beneath it.
void Hints(std::ostream& out, TextGroup group, const BayCheck& check) {
    const CheckScope scope = ScopeOf(check);
    bool first = true;
    for (const VerdictPlace& place : kVerdictPlaces) {
        const CheckRow& row = RowOf(place.check);
        if (place.group != group || !InScope(row, scope)) continue;
        out << (first ? "  设计提示：" : "            ") << row.verdict(check).text << "\n";
        first = false;
    }
}

// A check's verdict as `--json` gives it: whether exceeded and its sentence, a deflection's
// ratio L/δ (null for a deflection of 0, which has none), a shear's force, stress and limit, an
// outstand's ratio and limit, the live-load deflection's value and limit.
nlohmann::json VerdictJson(const CheckRow& row, const BayCheck& check) {
    const CheckOutcome outcome = row.verdict(check);
    nlohmann::json json = {{"exceeded", outcome.exceeded}, {"text", outcome.text}};
    if (row.spanRatio) {
        const double ratio = row.spanRatio(check);
        json["ratio"] = ratio > 0 ? nlohmann::json(ratio) : nlohmann::json(nullptr);
    }
    if (row.aspect == "live_deflection")
        json.update({{"value", row.value(check)}, {"limit", row.limit(check)}});
    if (row.aspect == "weld") {
        const WeldCheck& weld =
            row.loadCase == LoadCase::PointLoad ? *check.pointLoad->weld : *check.weld;
        json.update({{"arrangement", ArrangementKey(weld.arrangement)},
                     {"size", weld.size},
                     {"segment", weld.segments ? nlohmann::json(weld.segments->length) : nullptr},
                     {"pitch", weld.segments ? nlohmann::json(weld.segments->pitch) : nullptr},
                     {"throat", weld.throat},
                     {"shear_flow", weld.shearFlow},
                     {"stress", weld.stress},
                     {"limit", weld.limit}});
    }
    if (row.aspect == "weld_detailing")
        json.update({{"rule", DetailingRuleKey(check.weldDetailing->broken)},
                     {"required", row.limit(check)},
                     {"actual", row.value(check)}});
    if (row.aspect == "shear")
        json.update({{"force", row.force(check)},
                     {"stress", row.value(check)},
                     {"limit", row.limit(check)}});
    if (row.measure == Measure::Ratio)
        json.update({{"ratio", row.value(check)}, {"limit", row.limit(check)}});
    return json;
}

// The key of a check's verdict under its member: "strength", "deflection_check", "shear".
std::string VerdictKey(const CheckRow& row) {
    return row.aspect == "deflection" ? "deflection_check" : std::string(row.aspect);
}

// One line of `check`'s text: a value's name, the value, its unit.
void Line(std::ostream& out, std::string_view name, std::string_view value,
          std::string_view unit = "") {
    out << "  " << name << "：" << value << (unit.empty() ? "" : " ") << unit << "\n";
}

// An input's line from its row: its name and words, or what the row gives `check` instead.
void InputLine(std::ostream& out, BayField field, const BayInput& bay, const BayCheck& check) {
    const input::InputRow& row = input::RowOf(field);
    const input::CheckLine& line = row.checkLine;
    Line(out, line.caption.empty() ? row.chinese : line.caption,
         line.words ? line.words(bay, check) : row.words(bay));
}

// The inputs under 平台数据 in the order the text gives them, which is not the table's: the bay
// itself, then after the load combination the inputs the current basis adds, then the stiffener.
// The point load and the weld head groups of their own.
constexpr BayField kBayLines[] = {BayField::Dead, BayField::Live,    BayField::Thickness,
                                  BayField::Span, BayField::Spacing, BayField::Boundary};
constexpr BayField kCurrentBasisLines[] = {BayField::SafetyClass, BayField::DeadIncludesSelfWeight,
                                           BayField::Steel};

void PlatformData(std::ostream& out, const BayInput& bay, const BayCheck& check) {
    out << "平台数据\n";
    for (const BayField field : kBayLines) InputLine(out, field, bay, check);
    Line(out, "荷载组合", LoadCombinationText(check.plate.basis, check.plate.factors));
    if (check.plate.basis == DesignBasis::Current)
        for (const BayField field : kCurrentBasisLines) InputLine(out, field, bay, check);
    else
        Line(out, "注", LegacyBasisNoteZh());
    InputLine(out, BayField::Stiffener, bay, check);
}

void PlateData(std::ostream& out, const BayCheck& check) {
    const DeckPlateShown& p = check.plate.shown;
    out << "钢铺板数据\n";
    Line(out, "弯矩最大值", PrintText(p.moment), kMoment);
    Line(out, "挠度最大值", PrintText(p.deflection), "mm");
    Line(out, "最大应力", PrintText(p.stress), kStress);
    Hints(out, TextGroup::Plate, check);
}

void StiffenerData(std::ostream& out, const BayCheck& check) {
    const StiffenerShown& s = check.stiffener.shown;
    out << "加劲肋数据\n";
    Line(out, "加劲肋弯矩", PrintText(s.moment), kMoment);
    Line(out, "加劲肋挠度", PrintText(s.deflection), "mm");
    Line(out, "加劲肋强度", PrintText(s.stress), kStress);
    Hints(out, TextGroup::Stiffener, check);
}

// The stiffener's own section, named for its kind, and the composite section's.
void SectionData(std::ostream& out, const BayInput& bay, const BayCheck& check) {
    const StiffenerShown& s = check.stiffener.shown;
    const std::string kind = std::holds_alternative<FlatBar>(bay.stiffener) ? "扁钢" : "角钢";
    out << "组合截面参数\n";
    Line(out, kind + "形心与短肢边距", PrintText(s.centroid), "cm");
    Line(out, kind + "强轴惯性矩", PrintText(s.inertia), "cm⁴");
    Line(out, kind + "截面面积", PrintText(s.area), "cm²");
    Line(out, "组合截面形心与铺板边距", PrintText(s.compositeCentroid), "cm");
    Line(out, "组合截面强轴惯性矩", PrintText(s.compositeInertia), "cm⁴");
    Line(out, "铺板及加劲肋自重", PrintText(s.selfWeight), kSurfaceLoad);
}

// The current basis' checks of the stiffener beyond strength and deflection.
void ShearAndOutstandData(std::ostream& out, const BayCheck& check) {
    out << "加劲肋活载挠度、抗剪及宽厚比\n";
    Line(out, "加劲肋活载挠度", PrintText(check.stiffener.shown.liveDeflection), "mm");
    Line(out, "加劲肋剪应力", PrintText(check.shear->shown), kStress);
    Line(out, "宽厚比",
         PrintText(ShownValue{check.outstand->ratio}) + "（限值 15εk：" +
             PrintText(ShownValue{check.outstand->limit}) + "）");
    Hints(out, TextGroup::ShearAndOutstand, check);
}

// Headed by the weld as checked: its arrangement, its leg and the electrode of the grade.
void WeldData(std::ostream& out, const BayCheck& check) {
    const WeldCheck& weld = *check.weld;
    out << "焊缝（" << WeldDescriptionZh(weld) << "，" << ElectrodeOf(check.plate.steel) << "）\n";
    Line(out, "焊缝应力", PrintText(weld.shown), kStress);
    Hints(out, TextGroup::Weld, check);
}

// Headed by the point load and its patch as their rows word them.
void PointLoadData(std::ostream& out, const BayInput& bay, const BayCheck& check) {
    const input::InputRow &force = input::RowOf(BayField::PointLoad),
                          &patch = input::RowOf(BayField::Patch);
    out << force.chinese << " " << force.words(bay) << "，" << patch.chinese << " "
        << patch.words(bay) << "\n";
    const PointLoadCheck& c = *check.pointLoad;
    Line(out, "钢铺板弯矩", PrintText(c.plate.shown.moment), kMoment);
    Line(out, "钢铺板应力", PrintText(c.plate.shown.stress), kStress);
    Line(out, "钢铺板挠度", PrintText(c.plate.shown.deflection), "mm");
    Line(out, "加劲肋弯矩", PrintText(c.stiffener.shown.moment), kMoment);
    Line(out, "加劲肋应力", PrintText(c.stiffener.shown.stress), kStress);
    Line(out, "加劲肋挠度", PrintText(c.stiffener.shown.deflection), "mm");
    if (c.shear) Line(out, "加劲肋剪应力", PrintText(c.shear->shown), kStress);
    if (c.weld) Line(out, "焊缝应力", PrintText(c.weld->shown), kStress);
    Hints(out, TextGroup::PointLoad, check);
}

void UtilisationData(std::ostream& out, const Utilisation& utilisation) {
    out << "利用率（1 为限值）\n";
    for (const CheckRow& row : Checks())
        if (utilisation.Has(row.id))
            Line(out, row.name, schedule::UtilisationText(utilisation[row.id]));
}

nlohmann::json PlateJson(const DeckPlateResult& p) {
    return {{"q", p.q},
            {"qk", p.qk},
            {"f", p.f},
            {"alpha", p.alpha},
            {"beta", p.beta},
            {"moment", p.moment},
            {"stress", p.stress},
            {"deflection", p.deflection},
            {"display",
             {{"moment", DisplayText(p.shown.moment)},
              {"deflection", DisplayText(p.shown.deflection)},
              {"stress", DisplayText(p.shown.stress)}}}};
}

nlohmann::json StiffenerJson(const StiffenerResult& s) {
    return {{"be", s.be},
            {"Ap", s.Ap},
            {"Ip", s.Ip},
            {"As", s.As},
            {"Is", s.Is},
            {"ys", s.ys},
            {"Yo", s.Yo},
            {"Ix", s.Ix},
            {"Ms", s.Ms},
            {"deflection", s.deflection},
            {"stress_top", s.stressTop},
            {"stress_bottom", s.stressBottom},
            {"stress", s.stress},
            {"f", s.f},
            {"self_weight", s.selfWeight},
            {"display",
             {{"moment", DisplayText(s.shown.moment)},
              {"deflection", DisplayText(s.shown.deflection)},
              {"stress", DisplayText(s.shown.stress)},
              {"centroid", DisplayText(s.shown.centroid)},
              {"inertia", DisplayText(s.shown.inertia)},
              {"area", DisplayText(s.shown.area)},
              {"composite_centroid", DisplayText(s.shown.compositeCentroid)},
              {"composite_inertia", DisplayText(s.shown.compositeInertia)},
              {"self_weight", DisplayText(s.shown.selfWeight)}}}};
}

// The bay as checked, a key an input (the schedule's column, the bay file's key): null where the
// bay leaves the input to the program (no point load, the weld's least leg).
nlohmann::json InputsJson(const BayInput& bay, DesignBasis basis) {
    nlohmann::json inputs;
    for (const input::InputRow& row : input::BayInputs()) {
        if (row.currentOnly && basis != DesignBasis::Current) continue;
        std::visit(
            [&](const auto& value) {
                if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::monostate>)
                    inputs[std::string(row.key)] = nullptr;
                else
                    inputs[std::string(row.key)] = value;
            },
            row.value(bay));
    }
    return inputs;
}

// The loads the checks took: D as given, the self-weight added to it, γ0, and how many spacings'
// dead and live load one stiffener carries.
nlohmann::json LoadsJson(const BayLoads& loads, DesignBasis basis) {
    nlohmann::json json = {{"dead", loads.dead},
                           {"live", loads.live},
                           {"self_weight_added", loads.addedSelfWeight},
                           {"dead_total", loads.deadTotal},
                           {"gamma0", loads.gamma0},
                           {"stiffener_dead_share", loads.supportDead},
                           {"stiffener_live_share", loads.supportLive}};
    if (basis == DesignBasis::Current) json["safety_class"] = SafetyClassNumber(loads.safetyClass);
    return json;
}

nlohmann::json PointLoadJson(const PointLoadCheck& c) {
    const PointLoadPlateResult& p = c.plate;
    const PointLoadStiffenerResult& s = c.stiffener;
    return {
        {"force", c.load.force},
        {"patch", {c.load.across, c.load.along}},
        {"factor", c.factor},
        {"plate",
         {{"moment", p.moment},
          {"stress", p.stress},
          {"deflection", p.deflection},
          {"deflection_limit", p.deflectionLimit},
          {"display",
           {{"moment", DisplayText(p.shown.moment)},
            {"stress", DisplayText(p.shown.stress)},
            {"deflection", DisplayText(p.shown.deflection)}}}}},
        {"stiffener",
         {{"moment", s.Ms / 1e6},
          {"stress", s.stress},
          {"deflection", s.deflection},
          {"deflection_limit", c.stiffenerDeflection.allowed},
          {"display",
           {{"moment", DisplayText(s.shown.moment)},
            {"stress", DisplayText(s.shown.stress)},
            {"deflection", DisplayText(s.shown.deflection)}}}}},
    };
}

// Where a check's member is in the JSON: "plate", "stiffener", under "point_load" for its case;
// the weld's checks stand at the top (or the point load's) as objects of their own.
nlohmann::json& MemberJson(nlohmann::json& json, const CheckRow& check) {
    nlohmann::json& loadCase = check.loadCase == LoadCase::PointLoad ? json["point_load"] : json;
    if (check.member == Member::Weld) return loadCase;
    return loadCase[check.member == Member::Plate ? "plate" : "stiffener"];
}

// Each check's verdict under its member, its utilisation beside it (a weld's within its own
// object).
void AddVerdicts(nlohmann::json& json, const BayCheck& check, const Utilisation& utilisation) {
    for (const CheckRow& row : Checks()) {
        if (!utilisation.Has(row.id)) continue;
        nlohmann::json& member = MemberJson(json, row);
        nlohmann::json& verdict = member[VerdictKey(row)] = VerdictJson(row, check);
        if (row.member == Member::Weld)
            verdict["utilisation"] = utilisation[row.id];
        else
            member["utilisation"][std::string(row.aspect)] = utilisation[row.id];
    }
}

}  // namespace

std::string CheckText(const BayInput& bay, const BayCheck& check, const Utilisation& utilisation) {
    std::ostringstream out;
    PlatformData(out, bay, check);
    PlateData(out, check);
    StiffenerData(out, check);
    SectionData(out, bay, check);
    if (check.shear) ShearAndOutstandData(out, check);
    if (check.weld) WeldData(out, check);
    if (check.pointLoad) PointLoadData(out, bay, check);
    UtilisationData(out, utilisation);
    return out.str();
}

nlohmann::json CheckJson(const BayInput& bay, const BayCheck& check,
                         const Utilisation& utilisation) {
    const DeckPlateResult& p = check.plate;
    nlohmann::json json = {
        {"version", DECKPLATE_VERSION},
        {"basis", BasisName(p.basis)},
        {"factors", {{"dead", p.factors.dead}, {"live", p.factors.live}}},
        {"plate", PlateJson(p)},
        {"stiffener", StiffenerJson(check.stiffener)},
        {"steel", GradeName(p.steel)},
        {"inputs", InputsJson(bay, p.basis)},
        {"loads", LoadsJson(check.loads, p.basis)},
    };
    if (p.basis != DesignBasis::Current) json["note"] = LegacyBasisNoteZh();
    if (check.shear) {
        // The current basis: the grade's εk and fv.
        json["epsilon_k"] = check.stiffener.epsilonK;
        json["stiffener"]["fv"] = check.stiffener.fv;
    }
    if (check.pointLoad) json["point_load"] = PointLoadJson(*check.pointLoad);
    AddVerdicts(json, check, utilisation);
    return json;
}

nlohmann::json ErrorJson(const ArithmeticError& error) {
    return {{"version", DECKPLATE_VERSION},
            {"error", {{"kind", FaultKey(error.fault())}, {"message", error.what()}}}};
}

}  // namespace deckplate::cli
