#pragma once
// A whole schedule's calculation book as one document: the title block, a contents list, a
// summary of every row (name, plate, stiffener, the governing check with its utilisation and the
// verdict; a row in error with its error), then each computed bay from a new page with the
// sections of its own book. The pages are numbered through.
//
// Written to a stream piece by piece: one bay's HTML at a time, so that a long schedule's book is
// never held whole. The summary comes before the bays, so the rows are taken all at once, as
// inputs; each bay is checked once for the summary and once for its sections.

#include <cstddef>
#include <functional>
#include <optional>
#include <ostream>
#include <span>
#include <string>

#include "report/calculation_book.h"

namespace deckplate::report {

/// A schedule's row as its book takes it.
struct ScheduleBookRow {
    long long line = 0;             ///< the spreadsheet's line
    std::string name{};             ///< its name cell
    std::optional<BayInput> bay{};  ///< a computed row's bay
    std::string error{};            ///< why a row has no bay, in the front end's words
};

struct ScheduleBookInput {
    std::string schedule{};  ///< the schedule's file name, as the title block names it
    project::ProjectInfo project{};
    std::string version{};
};

/// Tells how many rows' sections are written so far; false stops the writing.
using BookProgress = std::function<bool(std::size_t written)>;

/// Writes the book of `rows` to `out` as UTF-8 HTML. A bay whose full check meets an arithmetic
/// fault stays in the summary with the fault. Returns false when `progress` stopped it, with the
/// document unfinished.
bool WriteScheduleBook(std::ostream& out, const ScheduleBookInput& input,
                       std::span<const ScheduleBookRow> rows, const BookProgress& progress = {});

}  // namespace deckplate::report
