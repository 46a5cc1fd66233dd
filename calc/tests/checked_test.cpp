#include "calc/checked.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace deckplate {
namespace {

TEST(Checked, EveryFaultIsNamedWithItsQuantity) {
    const double big = 1e308;
    struct {
        const char* name;
        std::function<Checked()> run;
        ArithmeticFault fault;
        const char* message;
    } cases[] = {
        {"x/0", [] { return Checked(1) / 0.0; }, ArithmeticFault::DivisionByZero,
         "division by zero in plate stress"},
        {"0/0", [] { return Checked(0) / 0.0; }, ArithmeticFault::InvalidOperation,
         "invalid operation (0/0) in plate stress"},
        {"product", [&] { return Checked(big) * 10.0; }, ArithmeticFault::Overflow,
         "overflow in plate stress"},
        {"sum", [&] { return Checked(big) + big; }, ArithmeticFault::Overflow,
         "overflow in plate stress"},
        {"difference", [&] { return Checked(-big) - big; }, ArithmeticFault::Overflow,
         "overflow in plate stress"},
        {"quotient", [&] { return Checked(big) / 1e-10; }, ArithmeticFault::Overflow,
         "overflow in plate stress"},
        {"power", [] { return Power(1e200, 2); }, ArithmeticFault::Overflow,
         "overflow in plate stress"},
        {"infinite input", [] { return Checked(std::numeric_limits<double>::infinity()); },
         ArithmeticFault::Overflow, "overflow in plate stress"},
        {"NaN input", [] { return Checked(std::numeric_limits<double>::quiet_NaN()); },
         ArithmeticFault::InvalidOperation, "invalid operation (0/0) in plate stress"},
    };
    for (const auto& c : cases) {
        try {
            Compute(Quantity::PlateStress, c.run);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const ArithmeticError& e) {
            EXPECT_EQ(e.fault(), c.fault) << c.name;
            EXPECT_EQ(e.quantity(), Quantity::PlateStress) << c.name;
            EXPECT_STREQ(e.what(), c.message) << c.name;
        }
    }
}

TEST(Checked, InnermostQuantityWins) {
    try {
        Compute(Quantity::StiffenerStress, [] {
            return Compute(Quantity::CompositeInertia, [] { return Checked(1) / 0.0; });
        });
        FAIL();
    } catch (const ArithmeticError& e) {
        EXPECT_EQ(e.quantity(), Quantity::CompositeInertia);
    }
}

TEST(Checked, FiniteResultsPassUntouched) {
    EXPECT_EQ((Checked(0.1) + 0.2).value(), 0.1 + 0.2);
    EXPECT_EQ((Checked(1e-300) * 1e-300).value(), 0.0);  // underflow to zero is no fault
    EXPECT_EQ(Power(-2, 3).value(), -8);
}

}  // namespace
}  // namespace deckplate
