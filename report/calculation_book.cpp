#include "report/calculation_book.h"

#include "report/book_sections.h"
#include "report/html_text.h"

namespace deckplate::report {

std::string CalculationBook(const BookInput& input) {
    const BayCheck check = CheckBay(input.bay);
    const BookContext book = ContextOf(input, check);
    const std::string subject =
        input.bayName.empty() ? std::string() : Cat("构件：", EscapeHtml(input.bayName));
    return Cat(DocumentHead(input.bayName, input.project, input.version),
               TitleBlock(input.project, input.version, subject), BaySections(book), DocumentEnd());
}

}  // namespace deckplate::report
