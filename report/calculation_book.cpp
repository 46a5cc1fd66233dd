#include "report/calculation_book.h"

#include "report/book_sections.h"
#include "report/html_text.h"

namespace deckplate::report {

std::string CalculationBook(const BookInput& input) {
    const BayCheck check = CheckBay(input.bay);
    const BookContext book{input, check, Utilisations(check)};
    const std::string title = input.bayName.empty()
                                  ? std::string("钢平台铺板及加劲肋计算书")
                                  : Cat("钢平台铺板及加劲肋计算书 — ", EscapeHtml(input.bayName));
    return Cat("<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n",
               "<meta name=\"generator\" content=\"deckplate ", EscapeHtml(input.version),
               "\">\n<title>", title, "</title>\n<style>", BookStyleSheet(),
               check.pointLoad ? PointLoadStyleSheet() : "", "</style>\n</head>\n<body>\n",
               TitleBlock(book), BasisSection(book), InputSection(book), LoadSection(book),
               PlateSection(book), StiffenerSection(book), PointLoadSection(book),
               ConclusionSection(book), "</body>\n</html>\n");
}

}  // namespace deckplate::report
