#pragma once
// deckplate-cli batch: every bay of a schedule checked as the window checks one.

#include <iosfwd>
#include <string>

#include "calc/design_basis.h"

namespace deckplate::cli {

/// Reads `schedulePath`, writes the results as UTF-8 CSV with byte-order mark to `outputPath`
/// (standard output when empty). Each row is checked under `basis` unless the schedule's
/// optional basis column names another. Returns 0 when every row passes, 1 when any fails or
/// errs, 2 when the file cannot be read or a column is missing. With `booksFolder`, each
/// computed row's calculation book goes into that folder, named after the row's name; a book
/// that cannot be written stops the run with 2.
int RunBatch(const std::string& schedulePath, const std::string& outputPath, std::ostream& out,
             std::ostream& err, DesignBasis basis = DesignBasis::Legacy,
             const std::string& booksFolder = {});

}  // namespace deckplate::cli
