#include "calc/checked.h"

#include <cmath>

namespace deckplate {
namespace {

std::string Describe(ArithmeticFault fault, Quantity quantity) {
    std::string text;
    switch (fault) {
        case ArithmeticFault::DivisionByZero:
            text = "division by zero";
            break;
        case ArithmeticFault::Overflow:
            text = "overflow";
            break;
        case ArithmeticFault::InvalidOperation:
            text = "invalid operation (0/0)";
            break;
        case ArithmeticFault::NoConvergence:
            text = "series not converged";
            break;
    }
    if (quantity != Quantity::Unnamed) text += " in " + std::string(QuantityName(quantity));
    return text;
}

}  // namespace

std::string_view FaultKey(ArithmeticFault fault) {
    switch (fault) {
        case ArithmeticFault::DivisionByZero:
            return "division_by_zero";
        case ArithmeticFault::Overflow:
            return "overflow";
        case ArithmeticFault::InvalidOperation:
            return "invalid_operation";
        case ArithmeticFault::NoConvergence:
            return "no_convergence";
    }
    return "invalid_operation";
}

ArithmeticError::ArithmeticError(ArithmeticFault fault, Quantity quantity)
    : std::runtime_error(Describe(fault, quantity)), fault_(fault), quantity_(quantity) {}

void ArithmeticError::NameQuantity(Quantity quantity) {
    if (quantity_ == Quantity::Unnamed) *this = ArithmeticError(fault_, quantity);
}

// A non-finite result from finite operands: an infinity is an overflow, a NaN an invalid
// operation.
void Checked::ThrowFor(double nonFinite) {
    throw ArithmeticError(std::isnan(nonFinite) ? ArithmeticFault::InvalidOperation
                                                : ArithmeticFault::Overflow);
}

void Checked::ThrowForDivision(double numerator) {
    throw ArithmeticError(numerator == 0.0 ? ArithmeticFault::InvalidOperation
                                           : ArithmeticFault::DivisionByZero);
}

Checked Power(Checked base, int exponent) { return Checked(std::pow(base.value(), exponent)); }

}  // namespace deckplate
