#pragma once
// A schedule's results file: UTF-8 CSV with byte-order mark, one line for the header and one for
// each row. A row's line repeats its cells, then gives its design basis, its results (the
// point load's only in a run that may have one), the check that governs it and its utilisation
// (governing, max_utilisation: empty for a row in error), its status, error and the program's
// version.

#include <iosfwd>
#include <string>
#include <vector>

#include "calc/checks.h"
#include "schedule/row_check.h"

namespace deckplate::schedule {

/// A utilisation as every output of the command line writes it — the results file, `check`'s
/// text, `design`'s table — and as the calculation book does: rounded to three decimals, halves
/// to the even neighbour, all three written (0.081, 0.600, 1.544).
std::string UtilisationText(double utilisation);

class ResultsWriter {
  public:
    /// Writes the header: the schedule's own, then design_basis, the result columns of the
    /// checks in `scope`, governing, max_utilisation, status, error, note (what looks mistyped) and
    /// version.
    ResultsWriter(std::ostream& out, const std::vector<std::string>& header, CheckScope scope);

    /// Writes a row's line: its results, or its error.
    void Write(const ScheduleRow& row, const RowCheck& result);

  private:
    // A result column: a value of its load case, or a check's verdict or utilisation.
    struct Column {
        std::string header;
        LoadCase loadCase;
        bool currentBasisOnly;
        std::string (*value)(const BayCheck&);
        const CheckRow* check;
        bool utilisation;
    };
    static std::vector<Column> Columns(const CheckScope& scope);

    std::ostream& out_;
    std::size_t cells_;
    std::vector<Column> columns_;
    std::string line_;  ///< the line being put together
};

}  // namespace deckplate::schedule
