// What opens every calculation book, of one bay or of a whole schedule: what the document is
// (its title and the project's name above every page) and on page 1 the title block — the
// institute's logo and name, the project, a line for each signature, the program and where its
// verification is described.
#include "report/book_sections.h"
#include "report/calculation_book.h"
#include "report/xml_writer.h"

namespace deckplate::report {

namespace {

constexpr std::string_view kBookTitle = "钢平台铺板及加劲肋计算书";

// The most characters of the project's name above each page: a running head is one line.
constexpr std::size_t kHeaderCharacters = 40;

// `text` cut after `characters` characters, with "…" when cut.
std::string Shortened(std::string_view text, std::size_t characters) {
    std::size_t at = 0;
    for (std::size_t count = 0; at < text.size(); ++count) {
        if (count == characters) return Cat(text.substr(0, at), "…");
        const CodePoint c = DecodeUtf8(text, at);
        at += c.length == 0 ? 1 : c.length;
    }
    return std::string(text);
}

}  // namespace

doc::TitleBlock BookTitleBlock(const project::ProjectInfo& project, std::string_view version,
                               doc::Runs subject, std::optional<doc::ImageRun> logo) {
    using Field = doc::TitleField;
    const auto clean = [](const std::string& text) { return doc::Clean(text); };
    doc::TitleBlock title{.title = std::string(kBookTitle), .subject = std::move(subject)};
    // The institute's own lines only when given; the project's always, to be filled by hand.
    if (!project.designUnit.empty())
        title.project.push_back({Field{"设计单位", clean(project.designUnit)}});
    title.project.push_back({Field{"工程名称", clean(project.name)}});
    title.project.push_back(
        {Field{"工程编号", clean(project.number)}, Field{"子项", clean(project.part)}});
    title.project.push_back(
        {Field{"设计阶段", clean(project.stage)}, Field{"日期", clean(project.date)}});
    if (!project.bookNumber.empty())
        title.project.push_back({Field{"计算书编号", clean(project.bookNumber)}});
    title.signatures = {{"计算", clean(project.calculatedBy)},
                        {"校对", clean(project.checkedBy)},
                        {"审核", clean(project.approvedBy)}};
    if (!project.leadEngineer.empty())
        title.signatures.push_back({"专业负责人", clean(project.leadEngineer)});
    if (!project.authorizedBy.empty())
        title.signatures.push_back({"审定", clean(project.authorizedBy)});
    title.logo = std::move(logo);
    title.program = Line("计算程序：平台钢铺板计算（deckplate）", doc::Clean(version),
                         "。程序的验证手册 verification.md 随程序的文档一同发布，逐项列出 Roark "
                         "板系数、规范条文数值、扁钢截面闭合解及手算算例与本程序结果的对照。");
    return title;
}

doc::DocumentInfo BookInfo(std::string_view subject, const project::ProjectInfo& project,
                           std::string_view version) {
    const std::string title =
        subject.empty() ? std::string(kBookTitle) : Cat(kBookTitle, " — ", doc::Clean(subject));
    // Every printed page names the project above; a book without one names itself.
    const std::string header = project.name.empty()
                                   ? std::string(kBookTitle)
                                   : Shortened(doc::Clean(project.name), kHeaderCharacters);
    return {.title = title,
            .header = header,
            .author = doc::Clean(project.calculatedBy),
            .date = doc::Clean(project.date),
            .generator = Cat("deckplate ", doc::Clean(version))};
}

Blocks BaySections(const BookContext& book) {
    Blocks blocks;
    for (auto section : {BasisSection, InputSection, LoadSection, PlateSection, StiffenerSection,
                         WeldSection, PointLoadSection, ConclusionSection})
        Append(blocks, section(book));
    return blocks;
}

doc::Document CalculationBook(const BookInput& input, const BayCheck& check) {
    const BookContext book = ContextOf(input, check);
    const std::string& member = input.bayName.empty() ? input.project.member : input.bayName;
    doc::Document document{.info = BookInfo(member, input.project, input.version)};
    document.blocks.push_back({BookTitleBlock(
        input.project, input.version,
        member.empty() ? doc::Runs{} : Line("构件：", doc::Clean(member)), input.logo)});
    Append(document.blocks, BaySections(book));
    return document;
}

}  // namespace deckplate::report
