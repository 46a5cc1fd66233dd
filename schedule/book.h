#pragma once
// deckplate-cli batch --books / --book, and the window's books of a schedule: the calculation
// books of a run, each replacing an earlier file in one step (report/book_file.h writes one
// bay's book).

#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "os/file_identity.h"
#include "report/book_file.h"
#include "report/schedule_book.h"

namespace deckplate::schedule {

/// Writes the book of a whole schedule to `path` in one step, in `format` (as its name asks for,
/// report::BookFormatOf; report/schedule_book.h). Returns false, with nothing written, when
/// `progress` stopped it. Throws os::FileError.
bool WriteScheduleBook(const report::ScheduleBookInput& input,
                       std::span<const report::ScheduleBookRow> rows,
                       const std::filesystem::path& path, report::BookFormat format,
                       const report::BookProgress& progress = {});

/// A book of a schedule's row that could not be written; the message names the file and why.
class BookError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

/// The books of one batch run, written into one folder as the rows are checked.
class BookFolder {
  public:
    /// Says whether a path reaches a file the books must leave alone: the schedule, the results.
    using Reserved = std::function<bool(const std::filesystem::path&)>;

    /// Creates the folder (and its parents) when it is missing, and reads the project's logo.
    /// Throws BookError, report::BookFileError for the logo.
    BookFolder(const std::filesystem::path& folder, project::ProjectInfo project,
               report::BookFormat format = report::BookFormat::Html, Reserved reserved = {});

    /// Writes the book of the checked bay on spreadsheet line `line`, named after `rowName`; a
    /// name that reaches a book of this run or a reserved file gets "-2", "-3" … Throws
    /// BookError.
    void Write(const BayInput& bay, const BayCheck& check, std::string_view rowName,
               long long line);

  private:
    std::filesystem::path folder_;
    report::BookInput book_;  // the project, dated, and its logo; each row's bay and name
    report::BookFormat format_;
    // The books written so far, as the file system knows them: whether a name reaches one of
    // them is the disk's to say, whatever its case rules.
    std::set<os::FileIdentity> written_;
    Reserved reserved_;
};

}  // namespace deckplate::schedule
