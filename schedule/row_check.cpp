#include "schedule/row_check.h"

namespace deckplate::schedule {

using input::ValueProblem;
using input::ValueProblemText;

std::string RowErrorText(const RowError& error) {
    if (const auto* problem = std::get_if<ValueProblem>(&error.cause))
        return ValueProblemText(*problem);
    return std::string("arithmetic fault: ") + std::get<ArithmeticError>(error.cause).what();
}

RowCheck RowChecker::Check(const ScheduleRow& row) {
    if (!row.bay)
        return {
            .check = std::nullopt, .utilisation = {}, .error = RowError{row.line, *row.problem}};
    try {
        const BayInput& bay = *row.bay;
        BayCheck check = CheckBay(bay, CheckPlates(bay, &patches_));
        const Utilisation utilisation = Utilisations(check);
        return {.check = std::move(check), .utilisation = utilisation, .error = std::nullopt};
    } catch (const ArithmeticError& e) {
        return {.check = std::nullopt, .utilisation = {}, .error = RowError{row.line, e}};
    }
}

void Summary::Count(const RowCheck& result) {
    ++rows;
    if (result.error) {
        ++errors;
        if (firstErrors.size() < kFirstErrors) firstErrors.push_back(*result.error);
    } else if (result.check->AllPass()) {
        ++passed;
    } else {
        ++exceeded;
    }
}

}  // namespace deckplate::schedule
