#include "calc/plate_formulas.h"

#include <gtest/gtest.h>

#include <functional>

namespace deckplate {
namespace {

struct CoefficientCase {
    const char* name;
    double span;
    double spacing;
    double alpha;
    double beta;
    DesignBasis basis = DesignBasis::Legacy;
};
void PrintTo(const CoefficientCase& c, std::ostream* os) { *os << c.name; }

class PlateCoefficientsTest : public testing::TestWithParam<CoefficientCase> {};

TEST_P(PlateCoefficientsTest, PicksRowOfRoundedAspectRatio) {
    const auto& c = GetParam();
    const PlateCoefficientChoice choice = PlateCoefficients(c.span, c.spacing, c.basis);
    EXPECT_EQ(choice.alpha, c.alpha);
    EXPECT_EQ(choice.beta, c.beta);
}

INSTANTIATE_TEST_SUITE_P(
    Ratios, PlateCoefficientsTest,
    testing::Values(
        CoefficientCase{"Square", 600, 600, 0.065, 0.0433},
        CoefficientCase{"RoundsDownToOne", 1040, 1000, 0.065, 0.0433},
        CoefficientCase{"RoundsUpToOne", 960, 1000, 0.065, 0.0433},
        CoefficientCase{"RoundsToOnePointOne", 1060, 1000, 0.07, 0.053},
        CoefficientCase{"ExactlyOnePointTwo", 1200, 1000, 0.074, 0.0616},
        CoefficientCase{"TieGoesToEvenTenth", 1250, 1000, 0.074, 0.0616},
        CoefficientCase{"OnePointThree", 1300, 1000, 0.079, 0.0697},
        CoefficientCase{"OnePointFour", 1400, 1000, 0.083, 0.077},
        CoefficientCase{"OnePointFive", 1500, 1000, 0.085, 0.0843},
        CoefficientCase{"OnePointSix", 1600, 1000, 0.0862, 0.0906},
        CoefficientCase{"OnePointSeven", 1700, 1000, 0.0908, 0.0964},
        CoefficientCase{"OnePointEight", 1800, 1000, 0.0948, 0.1017},
        CoefficientCase{"OnePointNine", 1900, 1000, 0.0985, 0.1064},
        CoefficientCase{"Two", 2000, 1000, 0.1017, 0.1106},
        CoefficientCase{"TwoPointZeroFour", 2040, 1000, 0.1017, 0.1106},
        CoefficientCase{"BeyondTwo", 2060, 1000, 0.125, 0.1422},
        CoefficientCase{"SpacingLongerThanSpan", 500, 1000, 0.125, 0.1422},
        CoefficientCase{"ZeroSpan", 0, 1000, 0.125, 0.1422},
        CoefficientCase{"NegativeRatio", -1500, 1000, 0.125, 0.1422},
        CoefficientCase{"HugeRatio", 1e300, 1e-5, 0.125, 0.1422},
        // The current basis takes the elastic β of the square panel; no other row
        // differs.
        CoefficientCase{"SquareCurrent", 600, 600, 0.065, 0.0443, DesignBasis::Current},
        CoefficientCase{"RoundsToOneCurrent", 1040, 1000, 0.065, 0.0443, DesignBasis::Current},
        CoefficientCase{"OnePointOneCurrent", 1060, 1000, 0.07, 0.053, DesignBasis::Current},
        CoefficientCase{"BeyondTwoCurrent", 2060, 1000, 0.125, 0.1422, DesignBasis::Current}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PlateCoefficients, ZeroSpacingFails) {
    try {
        PlateCoefficients(1500, 0);
        FAIL() << "no error";
    } catch (const ArithmeticError& e) {
        EXPECT_EQ(e.fault(), ArithmeticFault::DivisionByZero);
    }
}

TEST(MaxOfThree, NeverBelowTheThird) {
    struct {
        double a, b, c, expected;
    } cases[] = {{-3, -5, 0, 0}, {2, 7, 5, 7}, {4, 4, 1, 4}, {9, 1, 3, 9}, {1, 2, 2, 2}};
    for (const auto& c : cases) EXPECT_EQ(MaxOfThree(c.a, c.b, c.c).value(), c.expected);
}

TEST(PlateFormulas, WorkedValuesToTheLastDigit) {
    EXPECT_EQ(PlateMoment(0.065, 10, 1000).value(), 0.65);
    EXPECT_EQ(PlateStress(0.65, 6).value(), 90.27777777777779);
    EXPECT_EQ(PlateDeflection(0.0433, 7, 1000, 6).value(), 6.811848256023013);
}

TEST(PlateFormulas, ZeroThicknessDividesByZero) {
    struct {
        const char* name;
        ArithmeticFault expected;
        std::function<void()> run;
    } cases[] = {
        {"stress", ArithmeticFault::DivisionByZero, [] { PlateStress(0.65, 0); }},
        {"deflection", ArithmeticFault::DivisionByZero,
         [] { PlateDeflection(0.0433, 7, 1000, 0); }},
        {"stress of zero moment", ArithmeticFault::InvalidOperation, [] { PlateStress(0, 0); }},
        {"huge spacing", ArithmeticFault::Overflow, [] { PlateDeflection(0.1, 3, 1e100, 6); }},
    };
    for (const auto& c : cases) {
        try {
            c.run();
            ADD_FAILURE() << c.name << ": no error";
        } catch (const ArithmeticError& e) {
            EXPECT_EQ(e.fault(), c.expected) << c.name;
        }
    }
}

}  // namespace
}  // namespace deckplate
