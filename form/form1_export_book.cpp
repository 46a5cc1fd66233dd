// 文件 → 导出计算书…: the calculation book of the last complete Verify, where the user chooses,
// written in one step like the report and opened in the browser.
#include "calc/checked.h"
#include "form/error_report.h"
#include "form/form1.h"
#include "report/calculation_book.h"
#include "version/deckplate_version.h"

namespace deckplate::form {

project::ProjectInfo Form1::BookProject() const {
    project::ProjectInfo project = project_;
    if (project.date.empty()) project.date = platform_.Today();
    return project;
}

void Form1::ExportBook_Click() {
    std::string book;
    try {
        book = report::CalculationBook(
            {.bay = lastBay_, .project = BookProject(), .version = DECKPLATE_VERSION});
    } catch (const ArithmeticError& error) {
        platform_.ReportError(ErrorReportText(error));
        return;
    }
    constexpr std::string_view kProposed = "钢平台计算书.html";
    std::string path = platform_.ChooseSaveFile(kProposed);
    if (path.empty()) return;
    try {
        platform_.WriteTextFile(path, book, os::TextEncoding::Utf8);
    } catch (const os::FileError& error) {
        // A read-only file or a folder the user may not write: the book can go elsewhere.
        if (!SaveElsewhere(error, path, book, os::TextEncoding::Utf8, kProposed, "计算书未能导出"))
            return;
    }
    OpenFile(path, Viewer::Browser, "导出");
}

}  // namespace deckplate::form
