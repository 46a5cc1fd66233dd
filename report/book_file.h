#pragma once
// A calculation book written to a file, in the format its name asks for — .docx Word, .html or
// .htm HTML, any other name refused — and in one step: a file there is replaced only by a whole
// book (os::FileReplacement). Also what every front end does with the project information
// before a book prints it: today's date when it has none, and the institute's logo read from
// its file.

#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <span>
#include <stdexcept>
#include <string_view>
#include <system_error>

#include "report/calculation_book.h"
#include "report/document_writer.h"
#include "report/schedule_book.h"

namespace deckplate::report {

enum class BookFormat { Html, Docx };

/// The format a book's file name asks for: .docx Word, .html or .htm HTML, in any case; none
/// for any other name.
std::optional<BookFormat> BookFormatOf(const std::filesystem::path& path);

/// ".docx" or ".html": the extension of a book written in the format.
std::string_view ExtensionOf(BookFormat format);

/// A writer of `format` into `out`, which for Word must be seekable (a file or string stream).
std::unique_ptr<doc::DocumentWriter> BookWriter(BookFormat format, std::ostream& out,
                                                const doc::DocumentInfo& info);

/// What stops a book's file: its name asks for no format, or the logo cannot be used.
struct BookFileProblem {
    enum class Fault {
        UnknownFormat,   ///< the book's name ends in neither .docx nor .html/.htm
        LogoUnreadable,  ///< the logo's file is missing or cannot be read (`reason` says why)
        LogoNotAnImage,  ///< the logo's file is neither a PNG nor a JPEG image
    };
    Fault fault;
    std::filesystem::path file;  ///< the book, or the logo's file
    std::error_code reason{};
};

/// The problem, in English for the command line; the window words it in Chinese.
class BookFileError : public std::runtime_error {
  public:
    explicit BookFileError(BookFileProblem problem);
    const BookFileProblem& Problem() const { return problem_; }

  private:
    BookFileProblem problem_;
};

/// The logo of `project` (its path as given, UTF-8), set 15 mm high, or none when it names none.
/// Throws BookFileError naming the file.
std::optional<doc::ImageRun> ReadLogo(const project::ProjectInfo& project);

/// The book input of a bay as every front end makes it: the project dated today when it has
/// no date, its logo read, this program's version. Throws BookFileError for the logo.
BookInput BookInputOf(const BayInput& bay, std::string_view bayName, project::ProjectInfo project);

/// Writes the book of the checked bay to `path` in `format` (as its name asks for, BookFormatOf).
/// Throws ArithmeticError before anything is written, os::FileError.
void WriteBook(const BookInput& input, const BayCheck& check, const std::filesystem::path& path,
               BookFormat format);

/// Writes the book of a whole schedule (schedule_book.h) into `out` in `format`; for Word `out`
/// must be seekable (os::FileReplacement's stream is). Returns false, the document unfinished,
/// when `progress` stopped it. Throws PackageError when the stream fails under a Word package.
bool WriteScheduleBook(const ScheduleBookInput& input, std::span<const ScheduleBookRow> rows,
                       std::ostream& out, BookFormat format, const BookProgress& progress = {});

}  // namespace deckplate::report
