#include "calc/bay_check.h"

#include <gtest/gtest.h>

namespace deckplate {
namespace {

TEST(CheckBay, VerdictsAndUtilisations) {
    const BayCheck c = CheckBay({1, 2, 6, 1500, 600, false, AngleValues{0.7, 1.162, 25, 0.86}});
    EXPECT_FALSE(c.AllPass());
    EXPECT_FALSE(c.plateStrength.exceeded);
    EXPECT_TRUE(c.stiffenerStrength.exceeded);
    EXPECT_TRUE(c.stiffenerDeflection.exceeded);
    const Utilisation u = Utilisations(c);
    EXPECT_EQ(u.plateStrength, 25.0 / 215);        // displayed " 25"
    EXPECT_EQ(u.stiffenerStrength, 337.63 / 215);  // displayed " 337.63"
    EXPECT_EQ(u.stiffenerDeflection, 200 / c.stiffenerDeflection.ratio);
    EXPECT_GT(u.stiffenerDeflection, 1.0);
    EXPECT_EQ(u.Governing(), u.stiffenerStrength);
    EXPECT_STREQ(u.GoverningCheck(), "stiffener_strength");
}

TEST(CheckBay, ExceededExactlyWhenUtilisationReachesOne) {
    // A stress displayed as 215 is both exceeded and fully used.
    BayCheck c = CheckBay({1, 2, 6, 2000, 500, false, FlatBar{80, 8}});
    c.plate.display.stress = " 215";
    EXPECT_EQ(Utilisations(c).plateStrength, 1.0);
    EXPECT_TRUE(PlateStrengthVerdict(c.plate.display.stress).exceeded);
}

TEST(CheckBay, FaultOrderFollowsTheWindow) {
    // Spacing 0 on a continuous plate: the stiffener's self-weight divides by zero before the
    // plate's deflection ratio would find 0/0.
    try {
        CheckBay({1, 2, 6, 2000, 0, true, FlatBar{80, 8}});
        FAIL();
    } catch (const ArithmeticError& e) {
        EXPECT_EQ(e.fault(), ArithmeticFault::DivisionByZero);
        EXPECT_EQ(e.quantity(), Quantity::SelfWeight);
    }
}

}  // namespace
}  // namespace deckplate
