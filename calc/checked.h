#pragma once
// Checked arithmetic for the design calculation.
//
// Every floating-point step of the calculation goes through `Checked`, whose operators test each
// result: a division by zero, an overflow or an invalid operation (0/0) throws `ArithmeticError`
// instead of letting an infinity or a NaN reach a displayed value. `Compute` names the quantity
// being formed, so the error can say where it arose ("division by zero in plate stress").

#include <cmath>
#include <stdexcept>
#include <string>
#include <string_view>

#include "calc/quantity.h"

namespace deckplate {

/// NoConvergence: a series still short of its bound after the most terms it may sum, whose sum
/// would be a wrong result.
enum class ArithmeticFault { DivisionByZero, Overflow, InvalidOperation, NoConvergence };

/// Machine-readable name of a fault: "division_by_zero", "overflow", "invalid_operation",
/// "no_convergence".
std::string_view FaultKey(ArithmeticFault fault);

class ArithmeticError : public std::runtime_error {
  public:
    explicit ArithmeticError(ArithmeticFault fault, Quantity quantity = Quantity::Unnamed);

    ArithmeticFault fault() const { return fault_; }
    /// The quantity being computed when the fault arose.
    Quantity quantity() const { return quantity_; }

    /// Names the quantity unless an inner step has already named it.
    void NameQuantity(Quantity quantity);

  private:
    ArithmeticFault fault_;
    Quantity quantity_;
};

/// A finite double whose arithmetic refuses to leave the finite numbers.
class Checked {
  public:
    constexpr Checked() = default;
    /// Throws Overflow for an infinity and InvalidOperation for a NaN.
    Checked(double value) : value_(value) {  // NOLINT(google-explicit-constructor)
        if (!std::isfinite(value)) [[unlikely]]
            ThrowFor(value);
    }

    constexpr double value() const { return value_; }

    friend Checked operator+(Checked a, Checked b) { return Result(a.value_ + b.value_); }
    friend Checked operator-(Checked a, Checked b) { return Result(a.value_ - b.value_); }
    friend Checked operator*(Checked a, Checked b) { return Result(a.value_ * b.value_); }
    // Inline, as the others: the sizing search divides some thirty times for each candidate.
    friend Checked operator/(Checked a, Checked b) {
        if (b.value_ == 0.0) [[unlikely]]
            ThrowForDivision(a.value_);
        return Result(a.value_ / b.value_);
    }
    friend Checked operator-(Checked a) { return Checked(-a.value_); }

    friend bool operator==(Checked a, Checked b) { return a.value_ == b.value_; }
    friend auto operator<=>(Checked a, Checked b) { return a.value_ <=> b.value_; }

  private:
    static Checked Result(double r) {
        if (!std::isfinite(r)) [[unlikely]]
            ThrowFor(r);
        Checked c;
        c.value_ = r;
        return c;
    }
    [[noreturn]] static void ThrowFor(double nonFinite);
    /// 0/0 is an invalid operation, any other number over 0 a division by zero.
    [[noreturn]] static void ThrowForDivision(double numerator);
    double value_ = 0.0;
};

/// base raised to a whole power, as the formulas write t², a⁴.
Checked Power(Checked base, int exponent);

/// Runs `formula` and, should it fault, names `quantity` in the error before passing it on.
template <class Formula>
auto Compute(Quantity quantity, Formula&& formula) {
    try {
        return formula();
    } catch (ArithmeticError& error) {
        error.NameQuantity(quantity);
        throw;
    }
}

/// A number handed to the calculation; an infinity or NaN is refused as a fault of an input.
inline Checked InputNumber(double value) {
    return Compute(Quantity::InputNumber, [&] { return Checked(value); });
}

}  // namespace deckplate
