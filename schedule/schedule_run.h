#pragma once
// A schedule's run, the same for the command line's batch and the window's 批量验算: each row
// read with the run's defaults where its cells are empty, checked, its results line written and
// counted in the summary. What the front ends add — the books, the progress they show, a way to
// stop — they hand in as hooks; the defaults (the options', or what the window lends) as data.

#include <functional>
#include <iosfwd>
#include <optional>

#include "report/schedule_book.h"
#include "schedule/row_check.h"
#include "schedule/row_reader.h"

namespace deckplate::schedule {

/// How far a run is: the spreadsheet line of the row checked last, and the bytes of the file
/// read so far of all there are.
struct RunProgress {
    long long line = 0;
    long long bytesRead = 0;
    long long size = 0;

    /// The part of the file read, 0 to 1 (1 for an empty file).
    double Done() const {
        return size > 0 ? static_cast<double>(bytesRead) / static_cast<double>(size) : 1;
    }
};

/// What a front end does beside the run, each hook optional.
struct RunHooks {
    /// Each row once its results line is written, with its check or its error: a book per row,
    /// or the rows kept for the whole schedule's book (BookRowOf).
    std::function<void(const ScheduleRow& row, const RowCheck& result)> checked = {};
    /// After each row; false stops the run (取消).
    std::function<bool(const RunProgress& progress)> progress = {};
};

/// A row as the books take it: its bay and finished check, or its error in the books' words.
report::ScheduleBookRow BookRowOf(const ScheduleRow& row, const RowCheck& result);

/// Checks every row of `rows`, with `defaults` where a row's cells are empty, and writes the
/// results file to `results` (results_writer.h): its header, then each row's line as the row is
/// checked. Stops early when `results` fails (a full disk: the file's own commit says why).
/// Returns how the run went; nothing when `hooks.progress` stopped it. Throws ScheduleError when
/// the schedule cannot be read on, and what a hook throws.
std::optional<Summary> RunSchedule(RowReader& rows, const RowDefaults& defaults,
                                   std::ostream& results, const RunHooks& hooks = {});

}  // namespace deckplate::schedule
