#include "calc/bay_check.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace deckplate {
namespace {

TEST(CheckBay, VerdictsAndUtilisations) {
    const BayCheck c = CheckBay({1, 2, 6, 1500, 600, false, AngleValues{25, 0.7, 0.86, 1.162}});
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

// Each row: a bay, how many stages it completes (in BayStage order), and the fault that stops
// it, if any. The window shows exactly the stages it is told of.
TEST(CheckBay, StagesInOrderUntilAFault) {
    struct {
        const char* name;
        BayInput bay;
        std::size_t stages;
        std::optional<Quantity> fault;
    } cases[] = {
        {"complete", {1, 2, 6, 2000, 500, false, FlatBar{80, 8}}, 8, std::nullopt},
        {"strip before the plate",
         {1, 2, 1e308, 2000, 500, false, FlatBar{80, 8}},
         0,
         Quantity::PlateStrip},
        // Spacing 0 on a continuous plate: the self-weight divides by zero before the plate's
        // deflection ratio would find 0/0.
        {"self-weight", {1, 2, 6, 2000, 0, true, FlatBar{80, 8}}, 3, Quantity::SelfWeight},
        {"plate deflection of no load",
         {0, 0, 6, 2000, 500, false, FlatBar{80, 8}},
         6,
         Quantity::PlateDeflectionRatio},
    };
    for (const auto& c : cases) {
        std::vector<BayStage> told;
        try {
            CheckBay(c.bay, [&](BayStage stage, const BayCheck&) { told.push_back(stage); });
            EXPECT_FALSE(c.fault) << c.name;
        } catch (const ArithmeticError& e) {
            EXPECT_EQ(e.quantity(), c.fault) << c.name;
        }
        ASSERT_EQ(told.size(), c.stages) << c.name;
        for (std::size_t i = 0; i < told.size(); ++i)
            EXPECT_EQ(static_cast<std::size_t>(told[i]), i) << c.name;
    }
}

}  // namespace
}  // namespace deckplate
