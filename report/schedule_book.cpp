#include "report/schedule_book.h"

#include <vector>

#include "report/book_sections.h"
#include "report/html_text.h"

namespace deckplate::report {
namespace {

// What the contents and the summary say of a row, found before any bay is written.
struct Outcome {
    int bay = 0;  ///< its number among the bays written, 1 …; 0 for a row without one
    Check governing = Check::PlateStrength;
    double utilisation = 0;
    bool exceeded = false;
    std::string error{};  ///< why the row has no bay
};

Outcome OutcomeOf(const ScheduleBookRow& row, int& bays) {
    if (!row.bay) return {.error = row.error};
    try {
        const BayCheck check = CheckBay(*row.bay);
        const Utilisation u = Utilisations(check);
        return {.bay = ++bays,
                .governing = u.GoverningCheck(),
                .utilisation = u.Governing(),
                .exceeded = !check.AllPass()};
    } catch (const ArithmeticError& e) {
        return {.error = Cat("arithmetic fault: ", e.what())};
    }
}

std::string BayTitle(const ScheduleBookRow& row, int bay) {
    const std::string name =
        row.name.empty() ? Cat("第 ", std::to_string(row.line), " 行") : EscapeHtml(row.name);
    return Cat(std::to_string(bay), " ", name);
}

std::string BayAnchor(int bay) { return Cat("bay-", std::to_string(bay)); }

std::string Contents(std::span<const ScheduleBookRow> rows, const std::vector<Outcome>& outcomes) {
    std::string items;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (outcomes[i].bay == 0) continue;
        items += Cat("<li><a href=\"#", BayAnchor(outcomes[i].bay), "\">",
                     rows[i].name.empty() ? Cat("第 ", std::to_string(rows[i].line), " 行")
                                          : EscapeHtml(rows[i].name),
                     "</a></li>\n");
    }
    return Cat(
        "<section id=\"contents\">\n<h2>目录</h2>\n<p><a href=\"#summary\">汇总</a>；各项计算书"
        "（每项另起一页）：</p>\n<ol class=\"contents\">\n",
        items, "</ol>\n</section>\n");
}

std::string StiffenerOf(const BayInput& bay) {
    const std::string name = StiffenerName(bay.stiffener);
    return Cat(std::holds_alternative<FlatBar>(bay.stiffener) ? "扁钢 " : "角钢 ",
               name.empty() ? std::string("（未选规格）") : EscapeHtml(name));
}

std::string SummaryRow(const ScheduleBookRow& row, const Outcome& outcome) {
    const std::string line = std::to_string(row.line);
    if (outcome.bay == 0) {
        return Cat("<tr class=\"exceeded\"><td></td><td>", EscapeHtml(row.name), "</td><td>", line,
                   "</td><td colspan=\"5\">出错：", EscapeHtml(outcome.error), "</td></tr>\n");
    }
    const BayInput& bay = *row.bay;
    const std::string thickness =
        Text(Exact(bay.thickness.mm));
    return Cat("<tr", outcome.exceeded ? " class=\"exceeded\"" : "", "><td>",
               std::to_string(outcome.bay), "</td><td><a href=\"#", BayAnchor(outcome.bay), "\">",
               EscapeHtml(row.name), "</a></td><td>", line, "</td><td>", thickness, " mm</td><td>",
               StiffenerOf(bay), "</td><td>", RowOf(outcome.governing).name,
               "</td><td class=\"number\">", Text(ThreeDecimals(outcome.utilisation)), "</td><td>",
               outcome.exceeded ? "★超出限值" : "满足要求", "</td></tr>\n");
}

std::string SummaryHead(const std::vector<Outcome>& outcomes) {
    long long passed = 0, exceeded = 0, errors = 0;
    for (const Outcome& o : outcomes) (o.bay == 0 ? errors : o.exceeded ? exceeded : passed) += 1;
    return Cat(
        "<section id=\"summary\">\n<h2>汇总</h2>\n<p>共 ", std::to_string(outcomes.size()),
        " 行：满足要求 ", std::to_string(passed), " 行，超出限值 ", std::to_string(exceeded),
        " 行，出错 ", std::to_string(errors),
        " 行。利用率为控制验算项目（利用率最大者）的计算值与限值之比，达到 1 即超出限值。</p>\n"
        "<table class=\"summary\">\n<thead><tr><th>序号</th><th>名称</th><th>排表行</th>"
        "<th>铺板</th><th>加劲肋</th><th>控制验算项目</th><th>利用率</th><th>结论</th>"
        "</tr></thead>\n");
}

}  // namespace

bool WriteScheduleBook(std::ostream& out, const ScheduleBookInput& input,
                       std::span<const ScheduleBookRow> rows, const BookProgress& progress) {
    std::vector<Outcome> outcomes;
    outcomes.reserve(rows.size());
    int bays = 0;
    for (const ScheduleBookRow& row : rows) outcomes.push_back(OutcomeOf(row, bays));

    out << DocumentHead(input.schedule, input.project, input.version)
        << TitleBlock(
               input.project, input.version,
               Cat("排表：", EscapeHtml(input.schedule), "，共 ", std::to_string(bays), " 项"))
        << Contents(rows, outcomes) << SummaryHead(outcomes);
    for (std::size_t i = 0; i < rows.size(); ++i) out << SummaryRow(rows[i], outcomes[i]);
    out << "</table>\n</section>\n";

    std::size_t written = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (outcomes[i].bay != 0) {
            const ScheduleBookRow& row = rows[i];
            const BookInput bayBook{.bay = *row.bay,
                                    .bayName = row.name,
                                    .project = input.project,
                                    .version = input.version};
            const BayCheck check = CheckBay(bayBook.bay);
            const BookContext book =
                ContextOf(bayBook, check, Cat(BayAnchor(outcomes[i].bay), "-"));
            out << Cat("<article class=\"bay\" id=\"", BayAnchor(outcomes[i].bay),
                       "\">\n<h2 class=\"bay-title\">", BayTitle(row, outcomes[i].bay),
                       "<span class=\"line\">（排表第 ", std::to_string(row.line),
                       " 行）</span></h2>\n", BaySections(book), "</article>\n");
        }
        ++written;
        if (progress && !progress(written)) return false;
    }
    out << DocumentEnd();
    return true;
}

}  // namespace deckplate::report
