#include "cli/check_output.h"

#include <sstream>
#include <variant>

#include "calc/number_text.h"
#include "version/deckplate_version.h"

namespace deckplate::cli {
namespace {

nlohmann::json Strength(const StrengthVerdict& v) {
    return {{"exceeded", v.exceeded}, {"text", v.text}};
}

nlohmann::json Deflection(const DeflectionVerdict& v) {
    return {{"exceeded", v.exceeded}, {"ratio", v.ratio}, {"text", v.text}};
}

// A utilisation as the window would show a number: three decimals, sign position first.
std::string Ratio(double utilisation) { return NumberText(RoundDecimals(utilisation, 3)); }

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
           {{"moment", p.display.moment},
            {"stress", p.display.stress},
            {"deflection", p.display.deflection}}},
          {"strength", Strength(c.plateStrength)},
          {"deflection_check",
           {{"exceeded", c.plateDeflection.exceeded}, {"text", c.plateDeflection.text}}}}},
        {"stiffener",
         {{"moment", s.Ms / 1e6},
          {"stress", s.stress},
          {"deflection", s.deflection},
          {"deflection_limit", c.stiffenerDeflection.allowed},
          {"display",
           {{"moment", s.display.moment},
            {"stress", s.display.stress},
            {"deflection", s.display.deflection}}},
          {"strength", Strength(c.stiffenerStrength)},
          {"deflection_check", Deflection(c.stiffenerDeflection)}}},
    };
}

// Where a check's member is in the JSON: "plate", "stiffener", under "point_load" for its case.
nlohmann::json& MemberJson(nlohmann::json& json, const CheckRow& check) {
    const char* member = check.member == Member::Plate ? "plate" : "stiffener";
    return check.loadCase == LoadCase::PointLoad ? json["point_load"][member] : json[member];
}

}  // namespace

std::string CheckText(const BayInput& bay, const BayCheck& check, const Utilisation& utilisation) {
    const DeckPlateDisplay& p = check.plate.display;
    const StiffenerDisplay& s = check.stiffener.display;
    const bool flatBar = std::holds_alternative<FlatBar>(bay.stiffener);
    const char* kind = flatBar ? "扁钢" : "角钢";
    std::ostringstream out;
    out << "平台数据\n"
        << "  静荷载kn/m2：" << NumberText(bay.dead) << "\n"
        << "  活荷载kn/m2：" << NumberText(bay.live) << "\n"
        << "  铺板厚度mm：" << NumberText(bay.thickness.mm) << "\n"
        << "  加劲肋跨度mm：" << NumberText(bay.span) << "\n"
        << "  加劲肋间距mm：" << NumberText(bay.spacing) << "\n"
        << "  边界条件：" << (bay.boundary.continuous ? "三跨及以上连续" : "四边简支") << "\n"
        << "  荷载组合：" << LoadCombinationText(check.plate.basis, check.plate.factors) << "\n"
        << "  加劲肋类型：" << (flatBar ? "扁钢 " : "不等边角钢 ") << StiffenerName(bay.stiffener)
        << "\n"
        << "钢铺板数据\n"
        << "  弯矩最大值：" << p.moment << " KnM\n"
        << "  挠度最大值：" << p.deflection << " mm\n"
        << "  最大应力：" << p.stress << " N/mm2\n"
        << "  设计提示：" << check.plateDeflection.text << "\n"
        << "            " << check.plateStrength.text << "\n"
        << "加劲肋数据\n"
        << "  加劲肋弯矩：" << s.moment << " KnM\n"
        << "  加劲肋挠度：" << s.deflection << " mm\n"
        << "  加劲肋强度：" << s.stress << " N/mm2\n"
        << "  设计提示：" << check.stiffenerDeflection.text << "\n"
        << "            " << check.stiffenerStrength.text << "\n"
        << "组合截面参数\n"
        << "  " << kind << "形心与短肢边距(cm)" << s.centroid << "\n"
        << "  " << kind << "强轴惯性矩(cm4)" << s.inertia << "\n"
        << "  " << kind << "截面面积(cm2)" << s.area << "\n"
        << "  组合截面形心与铺板边距(cm)" << s.compositeCentroid << "\n"
        << "  组合截面强轴惯性矩(cm4)" << s.compositeInertia << "\n"
        << "  铺板及加劲肋自重(Kn/m2)" << s.selfWeight << "\n";
    if (check.pointLoad) {
        const PointLoadCheck& c = *check.pointLoad;
        out << "集中荷载" << NumberText(c.load.force) << " kN，作用面" << NumberText(c.load.across)
            << " x" << NumberText(c.load.along) << " mm\n"
            << "  钢铺板弯矩：" << c.plate.display.moment << " KnM\n"
            << "  钢铺板应力：" << c.plate.display.stress << " N/mm2\n"
            << "  钢铺板挠度：" << c.plate.display.deflection << " mm\n"
            << "  加劲肋弯矩：" << c.stiffener.display.moment << " KnM\n"
            << "  加劲肋应力：" << c.stiffener.display.stress << " N/mm2\n"
            << "  加劲肋挠度：" << c.stiffener.display.deflection << " mm\n"
            << "  设计提示：" << c.plateStrength.text << "\n"
            << "            " << c.plateDeflection.text << "\n"
            << "            " << c.stiffenerStrength.text << "\n"
            << "            " << c.stiffenerDeflection.text << "\n";
    }
    out << "利用率 (1 为限值)\n";
    for (const CheckRow& row : Checks())
        if (utilisation.Has(row.id)) out << "  " << row.name << Ratio(utilisation[row.id]) << "\n";
    return out.str();
}

nlohmann::json CheckJson(const BayCheck& check, const Utilisation& utilisation) {
    const DeckPlateResult& p = check.plate;
    const StiffenerResult& s = check.stiffener;
    nlohmann::json json = {
        {"version", DECKPLATE_VERSION},
        {"basis", BasisName(p.basis)},
        {"factors", {{"dead", p.factors.dead}, {"live", p.factors.live}}},
        {"plate",
         {{"q", p.q},
          {"qk", p.qk},
          {"f", p.f},
          {"alpha", p.alpha},
          {"beta", p.beta},
          {"moment", p.moment},
          {"stress", p.stress},
          {"deflection", p.deflection},
          {"display",
           {{"moment", p.display.moment},
            {"deflection", p.display.deflection},
            {"stress", p.display.stress}}},
          {"strength", Strength(check.plateStrength)},
          {"deflection_check", Deflection(check.plateDeflection)}}},
        {"stiffener",
         {{"be", s.be},
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
           {{"moment", s.display.moment},
            {"deflection", s.display.deflection},
            {"stress", s.display.stress},
            {"centroid", s.display.centroid},
            {"inertia", s.display.inertia},
            {"area", s.display.area},
            {"composite_centroid", s.display.compositeCentroid},
            {"composite_inertia", s.display.compositeInertia},
            {"self_weight", s.display.selfWeight}}},
          {"strength", Strength(check.stiffenerStrength)},
          {"deflection_check", Deflection(check.stiffenerDeflection)}}},
    };
    if (check.pointLoad) json["point_load"] = PointLoadJson(*check.pointLoad);
    for (const CheckRow& row : Checks())
        if (utilisation.Has(row.id))
            MemberJson(json, row)["utilisation"][std::string(row.aspect)] = utilisation[row.id];
    return json;
}

nlohmann::json ErrorJson(const ArithmeticError& error) {
    return {{"version", DECKPLATE_VERSION},
            {"error", {{"kind", FaultKey(error.fault())}, {"message", error.what()}}}};
}

}  // namespace deckplate::cli
