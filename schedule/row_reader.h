#pragma once
// A schedule read row by row: the file opened and its header mapped to the columns a schedule
// has, then each row's bay read from its cells, with the run's defaults where the row is silent.
// The command line's batch and the window's 批量验算 put the same parts together: this reader,
// the check of each row (row_check.h), the results file (results_writer.h), the books and the
// summary.

#include <array>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calc/bay_input.h"
#include "calc/checks.h"
#include "input/bay_inputs.h"
#include "input/values.h"
#include "os/regular_file.h"
#include "schedule/csv_reader.h"

namespace deckplate::schedule {

/// A column a schedule may have, as its header names it (without regard to case or blanks around
/// it), in any order: the rows' names, then one for each input of a bay, its key.
struct ColumnRow {
    std::string_view header;  ///< "spacing"
    BayField field;           ///< what it holds: BayField::Name for the rows' names
    bool required;
};
/// Every column: the name's, then the inputs' in the table's order.
std::span<const ColumnRow> ScheduleColumns();

/// What every row takes unless its own cells say otherwise: the run's bay (its basis, grade,
/// safety class, self-weight, point load and weld), and the run's patch for a row that gives its
/// own point load.
struct RowDefaults {
    BayInput bay = input::DefaultBay();
    std::optional<input::Patch> patch = std::nullopt;
};

/// One row after the header.
struct ScheduleRow {
    long long line = 0;              ///< the spreadsheet's line: the header is line 1
    std::vector<std::string> cells;  ///< as read, for the results file to repeat
    std::string name;                ///< its name cell, without blanks around it
    /// The row's design basis, once read: an error in the basis cell leaves it empty.
    std::optional<DesignBasis> basis;
    /// Its bay, or why it has none.
    std::optional<BayInput> bay;
    std::optional<input::ValueProblem> problem;
};

class RowReader {
  public:
    /// Opens the CSV file at `path` (UTF-8) and reads its header. Throws ScheduleError when it
    /// cannot be read, is a folder or no regular file, is empty, lacks a column or has one twice.
    /// What its reading notices goes to `notices`, when given, each kind once: text that may not
    /// read as the schedule means, and a row's grade given as Q345 (the grade's name before
    /// GB/T 1591-2018), read as Q355, once the row's cells are all read.
    explicit RowReader(const std::string& path, input::Notices* notices = nullptr);
    ~RowReader();
    RowReader(const RowReader&) = delete;
    RowReader& operator=(const RowReader&) = delete;

    const std::string& Path() const { return path_; }
    const std::vector<std::string>& Header() const { return header_; }
    /// Whether the schedule has the column of `field`.
    bool Has(BayField field) const;
    /// The checks the rows may have with `defaults`: the point load's when the run or a column
    /// gives one, the current basis' when the run or a column may take that basis.
    CheckScope Scope(const RowDefaults& defaults) const {
        return {.pointLoad = defaults.bay.pointLoad || Has(BayField::PointLoad),
                .currentBasis = defaults.bay.basis == DesignBasis::Current || Has(BayField::Basis)};
    }
    /// Whether `output` is the schedule's own file, by identity: another spelling, a hard or a
    /// symbolic link is the same file.
    bool IsFile(const std::filesystem::path& output) const;

    /// Reads the next row and its bay, with `defaults` where its cells are empty; false at the
    /// end. Throws ScheduleError when the schedule cannot be read on.
    bool Next(const RowDefaults& defaults, ScheduleRow& row);

    /// For progress: the bytes read so far and the file's size.
    long long BytesRead() const { return reader_->BytesRead(); }
    long long Size() const { return size_; }

  private:
    /// The cell of `field`'s column, without blanks around it; empty without the column.
    std::string Cell(const std::vector<std::string>& cells, BayField field) const;
    BayInput ReadBay(const std::vector<std::string>& cells, const RowDefaults& defaults,
                     ScheduleRow& row);

    std::string path_;
    std::filesystem::path file_;
    os::ReadStream stream_;
    long long size_ = 0;
    std::unique_ptr<CsvReader> reader_;
    std::vector<std::string> header_;
    std::map<BayField, std::size_t> index_;  ///< each column's place in the header
    long long line_ = 1;
    input::Notices* notices_;
};

}  // namespace deckplate::schedule
