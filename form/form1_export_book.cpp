// 文件 → 导出计算书…: the calculation book of the last complete Verify, where the user chooses —
// a Word document (the default) or a web page, as the name's extension says — written in one
// step like the report and opened in its viewer.
#include <sstream>

#include "calc/checked.h"
#include "form/book_files.h"
#include "form/error_report.h"
#include "form/form1.h"
#include "os/paths.h"
#include "report/book_file.h"
#include "report/calculation_book.h"

namespace deckplate::form {
namespace {

// The bay file's name with the book's extension beside it, or 钢平台计算书 for a bay never saved.
std::string ProposedBook(const std::string& bayFile, report::BookFormat format) {
    const std::string extension(report::ExtensionOf(format));
    if (bayFile.empty()) return "钢平台计算书" + extension;
    const std::filesystem::path path = os::PathFromUtf8(bayFile);
    return os::Utf8Of(path.parent_path() / os::PathFromUtf8(os::Utf8Of(path.stem()) + extension));
}

}  // namespace

project::ProjectInfo Form1::BookProject() const {
    project::ProjectInfo project = project_;
    if (project.date.empty()) project.date = platform_.Today();
    return project;
}

void Form1::ExportBook_Click() {
    if (!lastCheck_) return;
    report::doc::Document book;
    try {
        book =
            report::CalculationBook(report::BookInputOf(lastBay_, {}, BookProject()), *lastCheck_);
    } catch (const ArithmeticError& error) {
        platform_.ReportError(ErrorReportText(error));
        return;
    } catch (const report::BookFileError& error) {
        platform_.ReportError("计算书未能导出。\n" + BookFileWords(error.Problem()));
        return;
    }
    std::string path =
        platform_.ChooseSaveFile(ProposedBook(filePath_, report::BookFormat::Docx), kBookKinds);
    if (path.empty()) return;
    const std::optional<report::BookFormat> format = ChosenBookFormat(platform_, path);
    if (!format) return;
    // One bay's book is small: it is set whole, then written in one step as the report is.
    std::ostringstream bytes;
    report::doc::WriteDocument(*report::BookWriter(*format, bytes, book.info), book);
    try {
        platform_.WriteTextFile(path, bytes.str(), os::TextEncoding::Utf8);
    } catch (const os::FileError& error) {
        // A read-only file or a folder the user may not write: the book can go elsewhere.
        if (!SaveElsewhere(error, path, bytes.str(), os::TextEncoding::Utf8,
                           ProposedBook(filePath_, *format), "计算书未能导出"))
            return;
    }
    OpenFile(path, Viewer::Browser, "导出");
}

}  // namespace deckplate::form
