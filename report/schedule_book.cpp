#include "report/schedule_book.h"

#include <vector>

#include "report/book_sections.h"

namespace deckplate::report {
namespace {

using doc::Sub;

// What the contents and the summary say of a row, found before any bay is written.
struct Outcome {
    int bay = 0;  ///< its number among the bays written, 1 …; 0 for a row without one
    Check governing = Check::PlateStrength;
    double utilisation = 0;
    bool exceeded = false;
    std::string error{};  ///< why the row has no bay
};

Outcome OutcomeOf(const ScheduleBookRow& row, int& bays) {
    if (!row.bay || !row.check) return {.error = row.error};
    try {
        const Utilisation u = Utilisations(*row.check);
        return {.bay = ++bays,
                .governing = u.GoverningCheck(),
                .utilisation = u.Governing(),
                .exceeded = !row.check->AllPass()};
    } catch (const ArithmeticError& e) {
        return {.error = Cat("算术错误：", e.what())};
    }
}

std::string RowName(const ScheduleBookRow& row) {
    return row.name.empty() ? Cat("第 ", std::to_string(row.line), " 行") : doc::Clean(row.name);
}

std::string BayAnchor(int bay) { return Cat("bay-", std::to_string(bay)); }

std::string BayTitle(const ScheduleBookRow& row, int bay) {
    return Cat(std::to_string(bay), " ", RowName(row));
}

doc::Contents ContentsOf(std::span<const ScheduleBookRow> rows,
                         const std::vector<Outcome>& outcomes) {
    doc::Contents contents{.title = "目录", .levels = 1};
    contents.entries.push_back({"汇总", "summary", 1});
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (outcomes[i].bay == 0) continue;
        contents.entries.push_back(
            {BayTitle(rows[i], outcomes[i].bay), BayAnchor(outcomes[i].bay), 1});
    }
    return contents;
}

std::string StiffenerOf(const BayInput& bay) {
    const std::string name = StiffenerName(bay.stiffener);
    return Cat(std::holds_alternative<FlatBar>(bay.stiffener) ? "扁钢 " : "角钢 ",
               name.empty() ? std::string("（未选规格）") : doc::Clean(name));
}

doc::Cell Number(std::string text) { return {.runs = Line(text), .align = doc::Align::Right}; }

constexpr int kSummaryColumns = 11;

doc::Row SummaryRow(const ScheduleBookRow& row, const Outcome& outcome) {
    const std::string line = std::to_string(row.line);
    if (outcome.bay == 0) {
        return {
            .cells = {PlainCell({}), PlainCell(Line(doc::Clean(row.name))), Number(line),
                      PlainCell(Line("出错：", doc::Clean(outcome.error)), kSummaryColumns - 3)},
            .look = doc::RowLook::Exceeded};
    }
    const BayInput& bay = *row.bay;
    const std::string thickness = Text(Exact(bay.thickness.mm));
    const std::string grade = bay.basis == DesignBasis::Legacy
                                  ? std::string(ValuesOf(SteelGrade::Q235).name)
                                  : std::string(ValuesOf(bay.steel).name);
    const std::string point = bay.pointLoad ? Cat(Text(Exact(bay.pointLoad->force)), "（",
                                                  Text(Exact(bay.pointLoad->across)), " × ",
                                                  Text(Exact(bay.pointLoad->along)), "）")
                                            : std::string("—");
    doc::Row result{
        .cells = {Number(std::to_string(outcome.bay)),
                  PlainCell({doc::Link(RowName(row), BayAnchor(outcome.bay))}), Number(line),
                  Number(Cat(Text(Exact(bay.span)), " × ", Text(Exact(bay.spacing)))),
                  Number(thickness), PlainCell(Line(StiffenerOf(bay))), PlainCell(Line(grade)),
                  PlainCell(Line(point)), PlainCell(Line(BookCheckName(RowOf(outcome.governing)))),
                  Number(Text(ThreeDecimals(outcome.utilisation))),
                  PlainCell(Line(outcome.exceeded ? "★超出限值" : "满足要求"))},
        .look = outcome.exceeded ? doc::RowLook::Exceeded : doc::RowLook::Plain};
    return result;
}

Blocks Summary(std::span<const ScheduleBookRow> rows, const std::vector<Outcome>& outcomes) {
    long long passed = 0, exceeded = 0, errors = 0;
    for (const Outcome& o : outcomes) (o.bay == 0 ? errors : o.exceeded ? exceeded : passed) += 1;
    doc::Table table{.columns = {4, 12, 5, 11, 5, 13, 8, 11, 12, 8, 11}, .headerRows = 1};
    table.rows.push_back(
        {.cells = {HeadCell(Line("序号")), HeadCell(Line("名称")), HeadCell(Line("排表行")),
                   HeadCell(Line("L × a")), HeadCell(Line("t")), HeadCell(Line("加劲肋")),
                   HeadCell(Line("钢材")), HeadCell(Line("集中荷载")),
                   HeadCell(Line("控制验算项目")), HeadCell(Line("利用率")),
                   HeadCell(Line("结论"))}});
    for (std::size_t i = 0; i < rows.size(); ++i)
        table.rows.push_back(SummaryRow(rows[i], outcomes[i]));
    return {
        {doc::Heading{1, Line("汇总"), "summary"}},
        Body(Line("共 ", std::to_string(outcomes.size()), " 行：满足要求 ", std::to_string(passed),
                  " 行，超出限值 ", std::to_string(exceeded), " 行，出错 ", std::to_string(errors),
                  " 行。L × a 为加劲肋跨度 × 间距（mm，均为中心距），t 为钢铺板厚度（mm），"
                  "集中荷载为 F（kN）及其作用面 u × v（mm）。利用率为控制验算项目（利用率最大者）"
                  "的计算值与限值之比，达到 1 即超出限值。")),
        {std::move(table)}};
}

}  // namespace

bool WriteScheduleBook(doc::DocumentWriter& writer, const ScheduleBookInput& input,
                       std::span<const ScheduleBookRow> rows, const BookProgress& progress) {
    std::vector<Outcome> outcomes;
    outcomes.reserve(rows.size());
    int bays = 0;
    for (const ScheduleBookRow& row : rows) outcomes.push_back(OutcomeOf(row, bays));

    writer.Write(
        {BookTitleBlock(input.project, input.version,
                        Line("排表计算书，共 ", std::to_string(bays), " 项"), input.logo)});
    writer.Write({ContentsOf(rows, outcomes)});
    for (const doc::Block& block : Summary(rows, outcomes)) writer.Write(block);

    std::size_t written = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (outcomes[i].bay != 0) {
            const ScheduleBookRow& row = rows[i];
            const BookInput bayBook{.bay = *row.bay,
                                    .bayName = row.name,
                                    .project = input.project,
                                    .version = input.version};
            const BookContext book =
                ContextOf(bayBook, *row.check, Cat(BayAnchor(outcomes[i].bay), "-"));
            writer.Write({doc::PageBreak{}});
            writer.Write({doc::Heading{1,
                                       Line(BayTitle(row, outcomes[i].bay), "（排表第 ",
                                            std::to_string(row.line), " 行）"),
                                       BayAnchor(outcomes[i].bay)}});
            for (const doc::Block& block : BaySections(book)) writer.Write(block);
        }
        ++written;
        if (progress && !progress(written)) return false;
    }
    writer.Finish();
    return true;
}

}  // namespace deckplate::report
