// 结论: the checks side by side, and what the engineer must do when one is exceeded.
#include "calc/number_text.h"
#include "report/book_sections.h"

namespace deckplate::report {

using doc::Sub;

namespace {

// One check's row: its value and its limit as the verdict under its working prints them, with
// the rule the limit comes from, its utilisation and its verdict.
doc::Row ConclusionRow(const CheckRow& check, const BayCheck& c, double utilisation) {
    const bool exceeded = check.verdict(c).exceeded;
    const PrintedComparison printed = Compared(check, c);
    const std::string_view unit = UnitOf(check.measure);
    return {
        .cells = {PlainCell(Line(exceeded ? "★" : "", BookCheckName(check))),
                  PlainCell(Line(SymbolRuns(check.symbol(c)), " = ", Text(printed.value), unit)),
                  PlainCell(Line(RuleRuns(check.limitRule(c)), " = ", Text(printed.limit), unit)),
                  {.runs = Line(Text(ThreeDecimals(utilisation))), .align = doc::Align::Right},
                  PlainCell(Line(exceeded ? "超出限值" : "满足要求"))},
        .look = exceeded ? doc::RowLook::Exceeded : doc::RowLook::Plain};
}

}  // namespace

Blocks ConclusionSection(const BookContext& book) {
    const BayCheck& c = book.check;
    doc::Table table{.columns = {30, 20, 26, 10, 14}, .headerRows = 1};
    table.rows.push_back(
        {.cells = {HeadCell(Line("验算项目")), HeadCell(Line("计算值")), HeadCell(Line("限值")),
                   HeadCell(Line("利用率")), HeadCell(Line("结论"))}});
    std::string exceeded;
    for (const CheckRow& check : Checks()) {
        if (!book.utilisation.Has(check.id)) continue;
        table.rows.push_back(ConclusionRow(check, c, book.utilisation[check.id]));
        if (check.verdict(c).exceeded)
            exceeded += Cat(exceeded.empty() ? "" : "、", BookCheckName(check));
    }
    const doc::Runs use = Line(
        "利用率为计算值与限值之比（挠度为 ", Text(Exact(kPlateDeflectionLimit)), "/(a/δ)、",
        Text(Exact(StiffenerDeflectionLimit(c.plate.basis))), "/(L/δ", Sub("s"), ")",
        c.stiffenerLiveDeflection
            ? Line("、δ", Sub("Q"), "/(L/", Text(Exact(kStiffenerLiveDeflectionLimit)), ")")
            : Line(),
        c.pointLoad
            ? Cat("；集中荷载下钢铺板挠度为 δ/min(a/", Text(Exact(kPointLoadPlateDeflectionLimit)),
                  ", ", Text(Exact(kPointLoadPlateStepLimit)), ")")
            : std::string(),
        "），达到 1 即超出限值", c.weldDetailing ? "；焊缝构造满足时为 0，不满足时为 1" : "", "。");
    const doc::Runs statement =
        exceeded.empty()
            ? Line("结论：钢铺板及加劲肋", c.pointLoad ? "在均布荷载和集中荷载下" : "",
                   c.shear ? "的强度、挠度（含加劲肋活荷载挠度）、加劲肋抗剪及宽厚比、焊缝强度及"
                             "构造"
                           : "的强度和挠度",
                   "均满足要求。")
            : Line("结论：★", exceeded,
                   "超出限值，本设计不满足要求，须修改设计（钢铺板厚度、加劲肋截面或间距）后重新"
                   "计算。");
    const doc::Runs omitted =
        Line("本计算书未包括：", c.shear ? "" : "抗剪、", c.weld ? "" : "钢铺板与加劲肋间的焊缝、",
             "加劲肋的支座、", c.pointLoad ? "" : "集中荷载、", "振动及疲劳。");
    // The table may run onto the next page under its repeated headings; the statement stays
    // with the notes, never alone at the top of a page.
    return {SectionHeading(book, "conclusion",
                           Cat(std::to_string(ConclusionSectionNumber(book)), " 结论")),
            {std::move(table)},
            {doc::KeepTogether{
                {Note(use), {doc::Verdict{!exceeded.empty(), statement, true}}, Note(omitted)}}}};
}

}  // namespace deckplate::report
