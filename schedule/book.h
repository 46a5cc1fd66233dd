#pragma once
// deckplate-cli book and batch --books / --book, and the window's books of a schedule:
// calculation books written as HTML files, each replacing an earlier file in one step; and the
// project information they state, checked as any front end takes it.

#include <filesystem>
#include <optional>
#include <set>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "os/file_identity.h"
#include "report/calculation_book.h"
#include "report/schedule_book.h"

namespace deckplate::schedule {

/// The most characters a field of the project information may have.
inline constexpr std::size_t kMostProjectCharacters = 200;

/// What is wrong with a text given for a field of the project information.
enum class ProjectTextFault {
    NotUtf8,
    ControlCharacter,  ///< a line break, a tab or another control character
    TooLong,           ///< more than kMostProjectCharacters characters
};
/// The text's fault, or none.
std::optional<ProjectTextFault> ProjectTextProblem(std::string_view text);

/// Whether `text` is a date of the calendar written YYYY-MM-DD: "2024-02-29" is, "2023-02-29"
/// and "2024-2-9" are not.
bool IsIsoDate(std::string_view text);

/// The project information with today's date when it has none.
report::ProjectInfo Dated(report::ProjectInfo project);

/// Writes the book of `input` to `path` as UTF-8, in one step: a file there is replaced only by
/// a whole book. Throws ArithmeticError before anything is written, or os::FileError.
void WriteBook(const report::BookInput& input, const std::filesystem::path& path);

/// Writes the book of a whole schedule to `path`, in one step (report/schedule_book.h). Returns
/// false, with nothing written, when `progress` stopped it. Throws os::FileError.
bool WriteScheduleBook(const report::ScheduleBookInput& input,
                       std::span<const report::ScheduleBookRow> rows,
                       const std::filesystem::path& path,
                       const report::BookProgress& progress = {});

/// A book of a schedule's row that could not be written; the message names the file and why.
class BookError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

/// The books of one batch run, written into one folder as the rows are checked.
class BookFolder {
  public:
    /// Creates the folder (and its parents) when it is missing. Throws BookError.
    BookFolder(const std::filesystem::path& folder, report::ProjectInfo project);

    /// Writes the book of the bay on spreadsheet line `line`, named after `rowName`. Throws
    /// BookError.
    void Write(const BayInput& bay, std::string_view rowName, long long line);

  private:
    std::filesystem::path folder_;
    report::ProjectInfo project_;
    // The books written so far, as the file system knows them: whether a name reaches one of
    // them is the disk's to say, whatever its case rules.
    std::set<os::FileIdentity> written_;
};

}  // namespace deckplate::schedule
