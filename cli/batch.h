#pragma once
// deckplate-cli batch: a schedule's results written to a file or standard output, with the
// messages and exit status a script reads.

#include <iosfwd>
#include <string>

#include "cli/bay_options.h"
#include "cli/project_options.h"

namespace deckplate::cli {

/// A batch run as the command line gives it. Every member has an initializer, so a caller names
/// only the ones it sets ({.schedule = path}).
struct BatchOptions {
    std::string schedule{};  ///< the schedule's path, UTF-8
    std::string output{};    ///< the results file; standard output when empty
    /// Each row's inputs where its own cells are empty: the basis, grade, safety class,
    /// self-weight, point load and patch, weld.
    BayOptions defaults{};
    std::string books{};       ///< with a folder, each computed row's calculation book
    std::string book{};        ///< with a file, the whole schedule's book, .docx or .html
    bool docx = false;         ///< the folder's books as Word documents rather than HTML
    ProjectOptions project{};  ///< the books' title block
};

/// Reads the schedule and writes the results as UTF-8 CSV with byte-order mark. Returns
/// kAllPass when every row passes, kLimitExceeded when any fails or errs, kBadArguments when an
/// option is wrong, the file cannot be read, a column is missing or the results or a book cannot
/// be written; a book in the folder is named after its row's name.
int RunBatch(const BatchOptions& options, std::ostream& out, std::ostream& err);

}  // namespace deckplate::cli
