#pragma once
// deckplate-cli batch: every bay of a schedule checked as the window checks one.

#include <iosfwd>
#include <string>

#include "design_basis.h"

namespace deckplate::cli {

/// Reads `schedulePath`, writes the results as UTF-8 CSV with byte-order mark to `outputPath`
/// (standard output when empty). Each row is checked under `basis` unless the schedule's
/// optional basis column names another. Returns 0 when every row passes, 1 when any fails or
/// errs, 2 when the file cannot be read or a column is missing.
int RunBatch(const std::string& schedulePath, const std::string& outputPath, std::ostream& out,
             std::ostream& err, DesignBasis basis = DesignBasis::Legacy);

}  // namespace deckplate::cli
