// 文件 → 导出计算书…: the calculation book of the last complete Verify, where the user chooses,
// written in one step like the report and opened in the browser.
#include "calculation_book.h"
#include "checked.h"
#include "deckplate_version.h"
#include "error_report.h"
#include "form1.h"

namespace deckplate::form {

void Form1::ExportBook_Click() {
    std::string book;
    try {
        book = report::CalculationBook(
            {lastBay_, lastStiffenerName_, "", platform_.Today(), DECKPLATE_VERSION});
    } catch (const ArithmeticError& error) {
        platform_.ReportError(ErrorReportText(error));
        return;
    }
    const std::string path = platform_.ChooseSaveFile("钢平台计算书.html");
    if (path.empty()) return;
    try {
        platform_.WriteTextFile(path, book, os::TextEncoding::Utf8);
    } catch (const os::FileError& error) {
        platform_.ReportError("计算书未能导出。\n" + FileErrorText(error));
        return;
    }
    if (const std::string failure = platform_.OpenFile(path, Viewer::Browser); !failure.empty())
        platform_.ReportError("计算书已导出，但无法打开。\n" + failure);
}

}  // namespace deckplate::form
