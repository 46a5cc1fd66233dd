#pragma once
// A schedule checked row by row, each bay as the window checks one: the results file's bytes,
// the run's summary and, when asked, each computed row's calculation book. The command line's
// batch and the window's 批量验算 both run it, so that both write the same bytes.

#include <cstdio>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "calc/design_basis.h"
#include "schedule/csv_reader.h"
#include "schedule/values.h"

namespace deckplate::schedule {

class BookFolder;

/// What every row takes unless its own basis, point_load and patch columns say otherwise.
struct RunDefaults {
    DesignBasis basis = DesignBasis::Legacy;
    PointLoadOptions pointLoad{};
};

/// How many of a run's row errors its summary keeps, in the order of the schedule.
inline constexpr std::size_t kFirstErrors = 5;

/// A row that could not be checked: its spreadsheet line and why, as its error column says
/// after "line N: ".
struct RowError {
    long long line = 0;
    std::string reason;
};

/// How a run went: every row after the header either passes, exceeds a limit or errs.
struct Summary {
    long long rows = 0;
    long long passed = 0;
    long long exceeded = 0;
    long long errors = 0;
    std::vector<RowError> firstErrors;  ///< the first few
    bool AllPass() const { return passed == rows; }
};

/// After each row: its spreadsheet line, the bytes of the schedule read so far and its size.
/// False stops the run.
using RowProgress = std::function<bool(long long line, long long bytesRead, long long size)>;

/// An open schedule whose header has been read and whose columns are all there.
class Schedule {
  public:
    /// Opens the CSV file at `path` (UTF-8) and reads its header. Throws ScheduleError when it
    /// cannot be read, is a folder, is empty, lacks a column or has one twice: the message says
    /// which file (for all but a column's fault, which follows it) and why. `warn` hears what
    /// may not read as the schedule means.
    explicit Schedule(const std::string& path, const CsvReader::Warning& warn = {});
    ~Schedule();
    Schedule(const Schedule&) = delete;
    Schedule& operator=(const Schedule&) = delete;

    /// Whether `output` is the schedule's own file, by identity: another spelling, a hard or a
    /// symbolic link is the same file.
    bool IsFile(const std::filesystem::path& output) const;

    /// Checks every row after the header and writes the results to `results` as UTF-8 CSV with
    /// byte-order mark: the input's cells, the row's basis, the result columns (the point load's
    /// only when the run or the schedule has one), status, error and version. With `books`, each
    /// computed row's calculation book. Once only. Empty when `progress` stopped the run (what
    /// was written so far is then no result). Throws ScheduleError when the schedule cannot be
    /// read on, BookError when a book cannot be written.
    std::optional<Summary> Check(const RunDefaults& defaults, std::ostream& results,
                                 BookFolder* books = nullptr, const RowProgress& progress = {});

  private:
    struct Columns;
    std::string path_;
    std::filesystem::path file_;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> stream_;
    long long size_ = 0;
    std::unique_ptr<CsvReader> reader_;
    std::vector<std::string> header_;
    std::unique_ptr<Columns> columns_;
};

}  // namespace deckplate::schedule
