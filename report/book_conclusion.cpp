// 结论: the checks side by side, and what the engineer must do when one is exceeded.
#include <vector>

#include "report/book_sections.h"
#include "report/html_text.h"

namespace deckplate::report {

namespace {

struct CheckRow {
    std::string_view name;
    std::string value;
    std::string limit;
    double utilisation;
    bool exceeded;
    std::string_view verdict;
};

std::string Row(const CheckRow& row) {
    return Cat("<tr", row.exceeded ? " class=\"exceeded\"" : "", "><td>", row.exceeded ? "★" : "",
               row.name, "</td><td>", row.value, "</td><td>", row.limit,
               "</td><td class=\"number\">", Text(ThreeDecimals(row.utilisation)), "</td><td>",
               EscapeHtml(row.verdict), "</td></tr>\n");
}

// The point-load case's four rows, after the uniform load's.
std::vector<CheckRow> PointLoadRows(const PointLoadCheck& p, const Utilisation::PointLoad& u) {
    return {
        {"铺板集中荷载强度", Cat("σ = ", Text(Shown(p.plate.display.stress)), " N/mm²"),
         Cat("f = ", Text(Exact(p.plate.f)), " N/mm²"), u.plateStrength, p.plateStrength.exceeded,
         p.plateStrength.text},
        {"铺板集中荷载挠度", Cat("δ = ", Text(Shown(p.plate.display.deflection)), " mm"),
         Cat("min(a/", Text(Exact(kPointLoadPlateDeflectionLimit)), ", ",
             Text(Exact(kPointLoadPlateStepLimit)),
             ") = ", Text(Significant(p.plate.deflectionLimit)), " mm"),
         u.plateDeflection, p.plateDeflection.exceeded, p.plateDeflection.text},
        {"加劲肋集中荷载强度",
         Cat("σ<sub>s</sub> = ", Text(Shown(p.stiffener.display.stress)), " N/mm²"),
         Cat("f = ", Text(Exact(p.stiffener.f)), " N/mm²"), u.stiffenerStrength,
         p.stiffenerStrength.exceeded, p.stiffenerStrength.text},
        {"加劲肋集中荷载挠度",
         Cat("δ<sub>s</sub> = ", Text(Shown(p.stiffener.display.deflection)), " mm"),
         Cat("L/", Text(Exact(p.stiffenerDeflection.limit)), " = ",
             Text(Significant(p.stiffenerDeflection.allowed)), " mm"),
         u.stiffenerDeflection, p.stiffenerDeflection.exceeded, p.stiffenerDeflection.text},
    };
}

}  // namespace

std::string ConclusionSection(const BookContext& book) {
    const BayCheck& c = book.check;
    const Utilisation& u = book.utilisation;
    std::vector<CheckRow> rows = {
        {"铺板强度", Cat("σ = ", Text(Shown(c.plate.display.stress)), " N/mm²"),
         Cat("f = ", Text(Exact(c.plate.f)), " N/mm²"), u.plateStrength, c.plateStrength.exceeded,
         c.plateStrength.text},
        {"铺板挠度", Cat("δ = ", Text(Shown(c.plate.display.deflection)), " mm"),
         Cat("a/", Text(Exact(c.plateDeflection.limit)), " = ",
             Text(Significant(c.plateDeflection.allowed)), " mm"),
         u.plateDeflection, c.plateDeflection.exceeded, c.plateDeflection.text},
        {"加劲肋强度", Cat("σ<sub>s</sub> = ", Text(Shown(c.stiffener.display.stress)), " N/mm²"),
         Cat("f = ", Text(Exact(c.stiffener.f)), " N/mm²"), u.stiffenerStrength,
         c.stiffenerStrength.exceeded, c.stiffenerStrength.text},
        {"加劲肋挠度", Cat("δ<sub>s</sub> = ", Text(Shown(c.stiffener.display.deflection)), " mm"),
         Cat("L/", Text(Exact(c.stiffenerDeflection.limit)), " = ",
             Text(Significant(c.stiffenerDeflection.allowed)), " mm"),
         u.stiffenerDeflection, c.stiffenerDeflection.exceeded, c.stiffenerDeflection.text},
    };
    if (c.pointLoad) {
        const std::vector<CheckRow> point = PointLoadRows(*c.pointLoad, *u.pointLoad);
        rows.insert(rows.end(), point.begin(), point.end());
    }
    std::string table =
        "<table class=\"conclusion\">\n<tr><th>验算项目</th><th>计算值</th><th>限值</th>"
        "<th>利用率</th><th>结论</th></tr>\n";
    std::string exceeded;
    for (const CheckRow& row : rows) {
        table += Row(row);
        if (row.exceeded) exceeded += Cat(exceeded.empty() ? "" : "、", row.name);
    }
    table += Cat("</table>\n<p class=\"note\">利用率为计算值与限值之比（挠度为 ",
                 Text(Exact(kPlateDeflectionLimit)), "/(a/δ)、",
                 Text(Exact(kStiffenerDeflectionLimit)), "/(L/δ<sub>s</sub>)",
                 c.pointLoad ? "；集中荷载下铺板挠度为 δ/min(a/" +
                                   Text(Exact(kPointLoadPlateDeflectionLimit)) + ", " +
                                   Text(Exact(kPointLoadPlateStepLimit)) + ")"
                             : "",
                 "），达到 1 即超出限值。</p>\n");
    const std::string statement =
        exceeded.empty()
            ? Cat("<p class=\"statement pass\">结论：铺板及加劲肋",
                  c.pointLoad ? "在均布荷载和集中荷载下" : "", "的强度和挠度均满足要求。</p>\n")
            : Cat("<p class=\"statement exceeded\">结论：★", exceeded,
                  "超出限值，本设计不满足要求，须修改设计（铺板厚度、加劲肋截面或间距）后重新计算。"
                  "</p>\n");
    return BookSection(
        "conclusion", c.pointLoad ? "7 结论" : "6 结论",
        Cat(table, statement,
            "<p class=\"note\">本计算书未包括：抗剪、铺板与加劲肋间的焊缝、加劲肋的支座、",
            c.pointLoad ? "" : "集中荷载、", "振动及疲劳。</p>\n"));
}

}  // namespace deckplate::report
