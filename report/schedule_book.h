#pragma once
// A whole schedule's calculation book as one document: the title block, the contents (in Word
// with each bay's page), a summary of every row (name, span and spacing, plate, stiffener, grade,
// point load, the governing check with its utilisation and the verdict; a row in error with its
// error), then each computed bay from a new page with the sections of its own book. The pages
// are numbered through.
//
// Written to a document writer block by block, one bay's blocks at a time, so that a long
// schedule's book is never held whole. The summary comes before the bays, so the rows are taken
// all at once, each with the finished check of its run: no bay is checked again here.

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "report/calculation_book.h"
#include "report/document_writer.h"

namespace deckplate::report {

/// A schedule's row as its book takes it.
struct ScheduleBookRow {
    long long line = 0;               ///< the spreadsheet's line
    std::string name{};               ///< its name cell
    std::optional<BayInput> bay{};    ///< a computed row's bay
    std::optional<BayCheck> check{};  ///< its finished check
    std::string error{};              ///< why a row has no check, in the book's words (Chinese)
};

struct ScheduleBookInput {
    project::ProjectInfo project{};
    std::string version{};
    std::optional<doc::ImageRun> logo{};  ///< the institute's logo, read from project.logo
};

/// Tells how many rows' sections are written so far; false stops the writing.
using BookProgress = std::function<bool(std::size_t written)>;

/// Writes the book of `rows` through `writer`, and finishes it. A bay whose figures meet an
/// arithmetic fault stays in the summary with the fault. Returns false when `progress` stopped
/// it, with the document unfinished.
bool WriteScheduleBook(doc::DocumentWriter& writer, const ScheduleBookInput& input,
                       std::span<const ScheduleBookRow> rows, const BookProgress& progress = {});

}  // namespace deckplate::report
