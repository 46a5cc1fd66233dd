#include "calc/deck_plate.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calc/number_text.h"

namespace deckplate {
namespace {

// Values quoted to a few digits are compared to that many digits; display texts exactly.
void ExpectNear(double actual, double quoted, double places) {
    EXPECT_NEAR(actual, quoted, 0.5 * std::pow(10.0, -places)) << "quoted " << quoted;
}

struct PlateCase {
    const char* name;
    double dead, live, thickness, span, spacing;
    bool continuous;
    double alpha, beta, stress, deflection;
    const char *moment, *deflectionText, *stressText, *strengthVerdict, *deflectionVerdict;
    DesignBasis basis = DesignBasis::Legacy;
};
void PrintTo(const PlateCase& c, std::ostream* os) { *os << c.name; }

class CheckDeckPlateTest : public testing::TestWithParam<PlateCase> {};

TEST_P(CheckDeckPlateTest, ValuesTextsAndVerdicts) {
    const auto& c = GetParam();
    const DeckPlateResult r =
        CheckDeckPlate(c.dead, c.live, c.thickness, c.span, c.spacing, c.continuous, c.basis);
    EXPECT_EQ(r.alpha, c.alpha);
    EXPECT_EQ(r.beta, c.beta);
    ExpectNear(r.stress, c.stress, 5);
    ExpectNear(r.deflection, c.deflection, 5);
    EXPECT_EQ(DisplayText(r.shown.moment), c.moment);
    EXPECT_EQ(DisplayText(r.shown.deflection), c.deflectionText);
    EXPECT_EQ(DisplayText(r.shown.stress), c.stressText);
    EXPECT_EQ(PlateStrengthVerdict(r.shown.stress.Rounded(), r.f).text, c.strengthVerdict);
    EXPECT_EQ(PlateDeflectionVerdict(c.spacing, r.deflection).text, c.deflectionVerdict);
}

constexpr const char* kStrengthOk = "钢铺板强度满足要求";
constexpr const char* kStrengthExceeded = "★钢铺板强度超出限值<215N/mm2>,须重新计算";
constexpr const char* kDeflectionOk = "钢铺板挠度满足要求";

INSTANTIATE_TEST_SUITE_P(
    Bays, CheckDeckPlateTest,
    testing::Values(
        PlateCase{"ContinuousSixMm", 1, 2, 6, 1500, 600, true, 0.1, 0.11, 20, 0.96117, " .14",
                  " .96", " 20", kStrengthOk, kDeflectionOk},
        PlateCase{"ContinuousThreeMm", 1, 2, 3, 1500, 600, true, 0.1, 0.11, 80, 7.68932, " .14",
                  " 7.69", " 80", kStrengthOk, "★平台铺板挠度1/ 78超出限值<1/150>，须重新计算"},
        // The list entry "2.5" is computed as the 2.5 mm plate it names.
        PlateCase{"ContinuousTwoAndAHalfMm", 1, 2, 2.5, 1500, 600, true, 0.1, 0.11, 115.2, 13.28715,
                  " .14", " 13.29", " 115.2", kStrengthOk,
                  "★平台铺板挠度1/ 45.2超出限值<1/150>，须重新计算"},
        PlateCase{"ContinuousOverstressed", 10, 20, 4, 1500, 1000, true, 0.1, 0.11, 1250, 250.30340,
                  " 4", " 250.3", " 1250", kStrengthExceeded,
                  "★平台铺板挠度1/ 4超出限值<1/150>，须重新计算"},
        PlateCase{"FourEdgesSquare", 1, 2, 6, 600, 600, false, 0.065, 0.0433, 13, 0.37835, " .09",
                  " .38", " 13", kStrengthOk, kDeflectionOk},
        // M = 0.125 exactly: the half goes to the even neighbour, " .12".
        PlateCase{"FourEdgesLongPanel", 1, 2, 6, 2000, 500, false, 0.125, 0.1422, 17.36111, 0.59921,
                  " .12", " .6", " 17.36", kStrengthOk, kDeflectionOk},
        PlateCase{"NegativeLoadsComputedAsEntered", -1, -2, 6, 1500, 600, true, 0.1, 0.11, -20,
                  -0.96117, "-.14", "-.96", "-20", kStrengthOk,
                  "★平台铺板挠度1/-624.2超出限值<1/150>，须重新计算"},
        // q = 4.3, β = 0.0443: M = .065 · 4.3 · .5², δ = .0443 · 3 · 500⁴ / (206000 · 6³)
        // / 1000.
        PlateCase{"FourEdgesSquareCurrent", 1, 2, 6, 500, 500, false, 0.065, 0.0443, 9.70486,
                  0.18667, " .07", " .19", " 9.7", kStrengthOk, kDeflectionOk,
                  DesignBasis::Current},
        // A 20 mm plate: f = 205 under the current basis. Continuous, the envelope of equal
        // spans: M = (0.107 · 1.3 · 10 + 0.121 · 1.4 · 110) · 1² = 20.025, σ = 6000 · 20.025 /
        // (1.2 · 20²) = 250.3125, δ = 10.92 · (0.00677 · 10 + 0.0099 · 110) · 1000⁴ /
        // (206000 · 20³) / 1000 = 7.66454; legacy q = 166, σ = 207.5.
        PlateCase{"TwentyMmPlateCurrent", 10, 110, 20, 1500, 1000, true, 0.107, 0.00677, 250.3125,
                  7.66454, " 20.02", " 7.66", " 250.31", "★钢铺板强度超出限值<205N/mm2>,须重新计算",
                  "★平台铺板挠度1/ 130.5超出限值<1/150>，须重新计算", DesignBasis::Current},
        PlateCase{"TwentyMmPlateLegacy", 10, 110, 20, 1500, 1000, true, 0.1, 0.11, 207.5, 8.00971,
                  " 16.6", " 8.01", " 207.5", kStrengthOk,
                  "★平台铺板挠度1/ 124.8超出限值<1/150>，须重新计算"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CheckDeckPlate, LoadsAreFactoredDeadAndLive) {
    const DeckPlateResult r = CheckDeckPlate(1, 2, 6, 1500, 600, true);
    EXPECT_EQ(r.q, 4);
    EXPECT_EQ(r.qk, 3);
    EXPECT_EQ(r.moment, 0.1 * 4 * 0.36);
}

TEST(CheckDeckPlate, ContinuousIgnoresSpanAndSpacingForCoefficients) {
    for (double span : {0.0, 300.0, 1200.0, 9000.0}) {
        const DeckPlateResult r = CheckDeckPlate(1, 2, 6, span, 600, true);
        EXPECT_EQ(r.alpha, 0.1);
        EXPECT_EQ(r.beta, 0.11);
    }
}

TEST(PlateVerdicts, LimitsAreInclusive) {
    struct {
        double stress;
        bool exceeded;
    } strength[] = {{215, true}, {214.99, false}, {215.01, true}, {-300, false}, {1e20, true}};
    for (const auto& c : strength)
        EXPECT_EQ(PlateStrengthVerdict(c.stress).exceeded, c.exceeded) << c.stress;
    // A stress of 214.996 is displayed as 215 and fails; 214.994 is displayed 214.99 and passes.
    EXPECT_TRUE(PlateStrengthVerdict(ShownValue{214.996}.Rounded()).exceeded);
    EXPECT_FALSE(PlateStrengthVerdict(ShownValue{214.994}.Rounded()).exceeded);

    const DeflectionVerdict atLimit = PlateDeflectionVerdict(600, 4);
    EXPECT_TRUE(atLimit.exceeded);
    EXPECT_EQ(atLimit.ratio, 150);
    EXPECT_EQ(atLimit.text, "★平台铺板挠度1/ 150超出限值<1/150>，须重新计算");
    EXPECT_FALSE(PlateDeflectionVerdict(600.0001, 4).exceeded);
}

struct FaultCase {
    const char* name;
    double dead, live, thickness, span, spacing;
    bool continuous;
    ArithmeticFault fault;
    Quantity quantity;
};
void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }

class DeckPlateFaultTest : public testing::TestWithParam<FaultCase> {};

TEST_P(DeckPlateFaultTest, NamesFaultAndQuantity) {
    const auto& c = GetParam();
    try {
        const DeckPlateResult r =
            CheckDeckPlate(c.dead, c.live, c.thickness, c.span, c.spacing, c.continuous);
        PlateDeflectionVerdict(c.spacing, r.deflection);
        FAIL() << "no error";
    } catch (const ArithmeticError& e) {
        EXPECT_EQ(e.fault(), c.fault);
        EXPECT_EQ(e.quantity(), c.quantity);
    }
}

INSTANTIATE_TEST_SUITE_P(
    OrdinaryInput, DeckPlateFaultTest,
    testing::Values(FaultCase{"ZeroThickness", 1, 2, 0, 1500, 600, true,
                              ArithmeticFault::DivisionByZero, Quantity::PlateStress},
                    FaultCase{"ZeroThicknessNoLoad", 0, 0, 0, 1500, 600, true,
                              ArithmeticFault::InvalidOperation, Quantity::PlateStress},
                    FaultCase{"ZeroSpacingFourEdges", 1, 2, 6, 1500, 0, false,
                              ArithmeticFault::DivisionByZero, Quantity::PlateAspectRatio},
                    FaultCase{"ZeroLoads", 0, 0, 6, 1500, 600, true,
                              ArithmeticFault::DivisionByZero, Quantity::PlateDeflectionRatio},
                    FaultCase{"ZeroLoadsAndSpacing", 0, 0, 6, 1500, 0, true,
                              ArithmeticFault::InvalidOperation, Quantity::PlateDeflectionRatio},
                    FaultCase{"ZeroSpacingContinuous", 1, 2, 6, 1500, 0, true,
                              ArithmeticFault::InvalidOperation, Quantity::PlateDeflectionRatio},
                    FaultCase{"HugeLoad", 1e308, 1e308, 6, 1500, 600, true,
                              ArithmeticFault::Overflow, Quantity::DesignLoad},
                    FaultCase{"HugeSpacing", 1, 2, 6, 1500, 1e90, true, ArithmeticFault::Overflow,
                              Quantity::PlateDeflection}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace deckplate
