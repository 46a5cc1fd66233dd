#pragma once
// A schedule row checked: its bay's check and utilisations, or why it has none; and the run's
// summary, counting each row as passed, exceeded or in error.

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "calc/checks.h"
#include "calc/point_load.h"
#include "schedule/row_reader.h"

namespace deckplate::schedule {

/// A row that could not be checked: its spreadsheet line and why.
struct RowError {
    long long line = 0;
    std::variant<input::ValueProblem, ArithmeticError> cause;
};

/// Why, as the results file's error column says it after "line N: ": the value's problem in the
/// command line's words, or "arithmetic fault: division by zero in plate stress".
std::string RowErrorText(const RowError& error);

/// Why, in the calculation book's words (Chinese), as the window's summary says it after
/// "第 N 行：" too: the value's problem, or "算术错误：除数为零，出现在：钢铺板应力".
std::string RowErrorWords(const RowError& error);

/// A row's check, or why there is none.
struct RowCheck {
    std::optional<BayCheck> check;
    Utilisation utilisation;
    std::optional<RowError> error;
};

/// Checks schedule rows one after another. The bays of a schedule repeat a handful of panels and
/// patches: the point load's series is summed once for each.
class RowChecker {
  public:
    /// The row's bay checked. Of the display texts only the stresses are formed, which the
    /// strength verdicts judge: the results are numbers and verdicts.
    RowCheck Check(const ScheduleRow& row);

  private:
    PatchInfluenceMemo patches_;
};

/// How many of a run's row errors its summary keeps, in the order of the schedule.
inline constexpr std::size_t kFirstErrors = 5;

/// How a run went: every row after the header either passes, exceeds a limit or errs.
struct Summary {
    long long rows = 0;
    long long passed = 0;
    long long exceeded = 0;
    long long errors = 0;
    std::vector<RowError> firstErrors;  ///< the first few

    void Count(const RowCheck& result);
    bool AllPass() const { return passed == rows; }
};

}  // namespace deckplate::schedule
