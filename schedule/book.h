#pragma once
// deckplate-cli book and batch --books: calculation books written as HTML files.

#include <filesystem>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>

#include "os/file_identity.h"
#include "os/today.h"
#include "report/calculation_book.h"

namespace deckplate::schedule {

/// Writes the book of `input` to `path` as UTF-8, in one step: a file there is replaced only by
/// a whole book. Throws ArithmeticError before anything is written, or os::FileError.
void WriteBook(const report::BookInput& input, const std::filesystem::path& path);

/// A book of a schedule's row that could not be written; the message names the file and why.
class BookError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

/// The books of one batch run, written into one folder as the rows are checked.
class BookFolder {
  public:
    /// Creates the folder (and its parents) when it is missing. Throws BookError.
    explicit BookFolder(const std::filesystem::path& folder);

    /// Writes the book of the bay on spreadsheet line `line`, named after `rowName`. Throws
    /// BookError.
    void Write(const BayInput& bay, std::string_view rowName, long long line);

  private:
    std::filesystem::path folder_;
    std::string date_ = os::TodayIso();
    // The books written so far, as the file system knows them: whether a name reaches one of
    // them is the disk's to say, whatever its case rules.
    std::set<os::FileIdentity> written_;
};

}  // namespace deckplate::schedule
