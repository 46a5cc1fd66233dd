#include "calc/bay_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "calc/angle_catalogue.h"
#include "calc/checks.h"

namespace deckplate {
namespace {

// D = 1, P = 2 kN/m², t = 6 mm, L = 2000 mm, a = 500 mm, flat bar 80 × 8, four edges.
const BayInput kFlatBarBay{.dead = 1,
                           .live = 2,
                           .thickness = ThicknessOf(6),
                           .span = 2000,
                           .spacing = 500,
                           .stiffener = FlatBar{80, 8}};

// Changes one input of the flat-bar bay.
template <class Change>
BayInput FlatBarBayWith(Change change) {
    BayInput bay = kFlatBarBay;
    change(bay);
    return bay;
}

TEST(CheckBay, VerdictsAndUtilisations) {
    const BayCheck c = CheckBay({.dead = 1,
                                 .live = 2,
                                 .thickness = ThicknessOf(6),
                                 .span = 1500,
                                 .spacing = 600,
                                 .stiffener = CatalogueAngle{*FindAngle("L25x16x3")}});
    EXPECT_FALSE(c.AllPass());
    EXPECT_FALSE(c.plateStrength.exceeded);
    EXPECT_TRUE(c.stiffenerStrength.exceeded);
    EXPECT_TRUE(c.stiffenerDeflection.exceeded);
    const Utilisation u = Utilisations(c);
    EXPECT_EQ(u[Check::PlateStrength], 25.0 / 215);        // displayed " 25"
    EXPECT_EQ(u[Check::StiffenerStrength], 337.63 / 215);  // displayed " 337.63"
    EXPECT_EQ(u[Check::StiffenerDeflection], 200 / c.stiffenerDeflection.ratio);
    EXPECT_GT(u[Check::StiffenerDeflection], 1.0);
    EXPECT_FALSE(u.Has(Check::PointLoadPlateStrength));
    EXPECT_EQ(u.Governing(), u[Check::StiffenerStrength]);
    EXPECT_EQ(u.GoverningCheck(), Check::StiffenerStrength);
}

TEST(CheckBay, ExceededExactlyWhenUtilisationReachesOne) {
    // A stress displayed as 215 is both exceeded and fully used.
    BayCheck c = CheckBay(kFlatBarBay);
    c.plateStrength = PlateStrengthVerdict(215);
    EXPECT_EQ(Utilisations(c)[Check::PlateStrength], 1.0);
    EXPECT_TRUE(c.plateStrength.exceeded);
}

// Each row: a bay, how many of its steps it completes, and the fault that stops it, if any. The
// window shows exactly the steps it is told of.
TEST(CheckBay, StepsInOrderUntilAFault) {
    using enum BayStage;
    const BayStep steps[] = {{PlateStrip},
                             {Plate},
                             {Stiffener},
                             {SelfWeight},
                             {Verdict, Check::PlateStrength},
                             {Verdict, Check::StiffenerStrength},
                             {Verdict, Check::PlateDeflection},
                             {Verdict, Check::StiffenerDeflection}};
    struct {
        const char* name;
        BayInput bay;
        std::size_t steps;
        std::optional<Quantity> fault;
    } cases[] = {
        {"complete", kFlatBarBay, 8, std::nullopt},
        {"strip before the plate",
         FlatBarBayWith([](BayInput& b) { b.thickness = ThicknessOf(1e308); }), 0,
         Quantity::PlateStrip},
        // Spacing 0 on a continuous plate: the self-weight divides by zero before the plate's
        // deflection ratio would find 0/0.
        {"self-weight", FlatBarBayWith([](BayInput& b) {
             b.spacing = 0;
             b.boundary = BoundaryOf(true);
         }),
         3, Quantity::SelfWeight},
        {"plate deflection of no load", FlatBarBayWith([](BayInput& b) { b.dead = b.live = 0; }), 6,
         Quantity::PlateDeflectionRatio},
    };
    for (const auto& c : cases) {
        std::vector<BayStep> told;
        try {
            CheckBay(c.bay, [&](const BayStep& step, const BayCheck&) { told.push_back(step); });
            EXPECT_FALSE(c.fault) << c.name;
        } catch (const ArithmeticError& e) {
            EXPECT_EQ(e.quantity(), c.fault) << c.name;
        }
        ASSERT_EQ(told.size(), c.steps) << c.name;
        for (std::size_t i = 0; i < told.size(); ++i) EXPECT_EQ(told[i], steps[i]) << c.name;
    }
}

// With a point load under the current basis, the live-load deflection, shear, outstand and weld
// follow the uniform load's verdicts, and the point load's plate, stiffener and verdicts close
// the check.
TEST(CheckBay, PointLoadStepsFollowTheUniformOnes) {
    BayInput bay = kFlatBarBay;
    bay.basis = DesignBasis::Current;
    bay.pointLoad = PointLoad{};
    std::vector<BayStep> told;
    CheckBay(bay, [&](const BayStep& step, const BayCheck&) { told.push_back(step); });
    using enum BayStage;
    const std::vector<BayStep> tail = {{Verdict, Check::StiffenerLiveDeflection},
                                       {Verdict, Check::StiffenerShear},
                                       {Verdict, Check::StiffenerOutstand},
                                       {Verdict, Check::WeldStrength},
                                       {Verdict, Check::WeldDetail},
                                       {PointLoadPlate},
                                       {PointLoadStiffener},
                                       {Verdict, Check::PointLoadPlateStrength},
                                       {Verdict, Check::PointLoadPlateDeflection},
                                       {Verdict, Check::PointLoadStiffenerStrength},
                                       {Verdict, Check::PointLoadStiffenerDeflection},
                                       {Verdict, Check::PointLoadStiffenerShear},
                                       {Verdict, Check::PointLoadWeldStrength}};
    ASSERT_EQ(told.size(), 8 + tail.size());
    EXPECT_TRUE(std::equal(tail.begin(), tail.end(), told.begin() + 8));
}

}  // namespace
}  // namespace deckplate
