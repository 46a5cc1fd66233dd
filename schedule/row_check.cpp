#include "schedule/row_check.h"

#include "calc/quantity.h"
#include "input/value_words.h"

namespace deckplate::schedule {

using input::ValueProblem;

std::string RowErrorText(const RowError& error) {
    if (const auto* problem = std::get_if<ValueProblem>(&error.cause))
        return input::ValueProblemText(*problem);
    return std::string("arithmetic fault: ") + std::get<ArithmeticError>(error.cause).what();
}

std::string RowErrorWords(const RowError& error) {
    if (const auto* problem = std::get_if<ValueProblem>(&error.cause))
        return input::ValueProblemWords(*problem);
    const ArithmeticError& fault = std::get<ArithmeticError>(error.cause);
    std::string text = "算术错误：";
    switch (fault.fault()) {
        case ArithmeticFault::DivisionByZero:
            text += "除数为零";
            break;
        case ArithmeticFault::Overflow:
            text += "溢出";
            break;
        case ArithmeticFault::InvalidOperation:
            text += "无效运算 0/0";
            break;
        case ArithmeticFault::NoConvergence:
            text += "级数未收敛";
            break;
    }
    const std::string_view where = QuantityNameZh(fault.quantity());
    if (!where.empty()) (text += "，出现在：") += where;
    return text;
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
