// What opens every calculation book, of one bay or of a whole schedule: the document's head with
// its style sheet, and on page 1 the title block — the project, a line for each signature, the
// program and where its verification is described.
#include "report/book_sections.h"
#include "report/html_text.h"

namespace deckplate::report {

namespace {

constexpr std::string_view kBookTitle = "钢平台铺板及加劲肋计算书";

std::string Cell(std::string_view text) { return Cat("<td>", EscapeHtml(text), "</td>"); }

std::string ProjectTable(const project::ProjectInfo& project) {
    return Cat("<table class=\"project\">\n<tr><th>工程名称</th><td colspan=\"3\">",
               EscapeHtml(project.name), "</td></tr>\n<tr><th>工程编号</th>", Cell(project.number),
               "<th>子项</th>", Cell(project.part), "</tr>\n<tr><th>设计阶段</th>",
               Cell(project.stage), "<th>日期</th>", Cell(project.date), "</tr>\n</table>\n");
}

// Who calculated, checked and approved: the name as given, then room to sign and date by hand.
std::string Signatures(const project::ProjectInfo& project) {
    const auto row = [](std::string_view role, std::string_view name) {
        return Cat("<tr><th>", role, "</th>", Cell(name), "<td></td><td></td></tr>\n");
    };
    return Cat(
        "<table class=\"signatures\">\n<tr><th></th><th>姓名</th><th>签名</th>"
        "<th>日期</th></tr>\n",
        row("计算", project.calculatedBy), row("校对", project.checkedBy),
        row("审核", project.approvedBy), "</table>\n");
}

}  // namespace

std::string DocumentHead(std::string_view subject, const project::ProjectInfo& project,
                         std::string_view version) {
    const std::string title =
        subject.empty() ? std::string(kBookTitle) : Cat(kBookTitle, " — ", EscapeHtml(subject));
    // Every printed page names the project above; a book without one names itself.
    const std::string header = project.name.empty() ? std::string(kBookTitle) : project.name;
    return Cat("<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n",
               "<meta name=\"generator\" content=\"deckplate ", EscapeHtml(version), "\">\n<title>",
               title, "</title>\n<style>", BookStyleSheet(header), "</style>\n</head>\n<body>\n");
}

std::string TitleBlock(const project::ProjectInfo& project, std::string_view version,
                       std::string_view subject) {
    return Cat(
        "<header class=\"title-block\">\n<h1>", kBookTitle, "</h1>\n",
        subject.empty() ? std::string() : Cat("<p class=\"subject\">", subject, "</p>\n"),
        "<div class=\"side-by-side\">", ProjectTable(project), Signatures(project),
        "</div>\n<p class=\"program\">计算程序：平台钢铺板计算（deckplate）", EscapeHtml(version),
        "。程序的验证手册 verification.md 随程序发布（Debian 软件包安装于 "
        "/usr/share/doc/deckplate/docs/verification.md），逐项列出 Roark 板系数、规范条文数值、"
        "扁钢截面闭合解及手算算例与本程序结果的对照。</p>\n</header>\n");
}

std::string DocumentEnd() { return "</body>\n</html>\n"; }

std::string BaySections(const BookContext& book) {
    return Cat(BasisSection(book), InputSection(book), LoadSection(book), PlateSection(book),
               StiffenerSection(book), PointLoadSection(book), ConclusionSection(book));
}

}  // namespace deckplate::report
