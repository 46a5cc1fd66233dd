#include "calc/point_load.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "calc/angle_catalogue.h"
#include "calc/bay_check.h"
#include "calc/checks.h"

namespace deckplate {
namespace {

// Roark's Formulas for Stress and Strain, Table 11.4 case 1b: a plate simply supported on four
// edges, short side b, under a load W spread on a small central circle of radius r0, ν = 0.3:
// σ = 3W/(2π·t²)·[(1 + ν)·ln(2b/(π·r0)) + β] and y = α·W·b²/(E·t³). Ours carries W on a square
// patch of the circle's area.
TEST(PatchLoadInfluence, AgreesWithRoarkForASmallCentralLoad) {
    struct {
        double aspect, beta, alpha;
    } rows[] = {{1.0, 0.435, 0.1267},   {1.2, 0.650, 0.1478}, {1.4, 0.789, 0.1621},
                {1.6, 0.875, 0.1715},   {1.8, 0.927, 0.1770}, {2.0, 0.958, 0.1805},
                {1000.0, 1.000, 0.1851}};
    const double b = 1000, r0 = 20, t = 10, W = 1000, nu = 0.3, pi = std::numbers::pi;
    const double side = r0 * std::sqrt(pi);
    for (const auto& row : rows) {
        const PatchInfluence p = PatchLoadInfluence(b, b * row.aspect, side, side);
        const double stress = 6.0 * W * p.moment / (t * t);
        const double roarkStress =
            3.0 * W / (2.0 * pi * t * t) * ((1 + nu) * std::log(2 * b / (pi * r0)) + row.beta);
        EXPECT_NEAR(stress / roarkStress, 1.0, 0.01) << "b/a " << row.aspect;
        const double deflection = W * p.deflection / (kSteelModulus * t * t * t);
        const double roarkDeflection = row.alpha * W * b * b / (kSteelModulus * t * t * t);
        EXPECT_NEAR(deflection / roarkDeflection, 1.0, 0.01) << "b/a " << row.aspect;
    }
}

// A patch as small as the plate is thick sums many terms but still reaches its bound, and its sum
// agrees with one of more terms; one far smaller is never reported short of it.
TEST(PatchLoadInfluence, SumsToItsBoundOrSaysItCannot) {
    const PatchInfluence least = PatchLoadInfluence(2000, 6000, 2.5, 2.5);
    EXPECT_GT(least.terms, 1000);
    const PatchInfluence finer = PatchLoadInfluence(2000, 6000, 2.4999, 2.4999);
    EXPECT_NEAR(least.moment / finer.moment, 1.0, 5e-4);
    try {
        PatchLoadInfluence(500, 2000, 0.001, 0.001);
        ADD_FAILURE() << "a patch of 0.001 mm summed to a result";
    } catch (const ArithmeticError& e) {
        EXPECT_EQ(e.fault(), ArithmeticFault::NoConvergence);
    }
}

// 1.5 kN on 200 × 200 mm over a 4 mm plate on L45x28x3 at 500 mm, span 2000 mm, current basis,
// D = 1 kN/m² given with the self-weight in it: the deck that `design` offered lightest before the
// point load was checked.
TEST(PointLoad, WorkedBayOfAWalkway) {
    const BayInput bay{.dead = 1,
                       .live = 2,
                       .thickness = ThicknessOf(4),
                       .span = 2000,
                       .spacing = 500,
                       .stiffener = CatalogueAngle{*FindAngle("L45x28x3")},
                       .basis = DesignBasis::Current,
                       .pointLoad = PointLoad{},
                       .deadIncludesSelfWeight = true};
    const BayCheck c = CheckBay(bay);
    ASSERT_TRUE(c.AllPass() == false && c.pointLoad);
    const PointLoadCheck& p = *c.pointLoad;
    EXPECT_EQ(p.factor, 1.5);
    // Plate: α·γG·D·a² of the table's row 4.0 (the one-way strip) and the patch's elastic part.
    EXPECT_DOUBLE_EQ(p.plate.momentDead, 0.125 * 1.3 * 1 * 0.25);
    EXPECT_NEAR(p.plate.deflection, 5.200, 0.001);
    EXPECT_EQ(p.plate.deflectionLimit, 2.5);
    EXPECT_EQ(p.plateDeflection.text, "★钢铺板集中荷载挠度 5.2mm超出限值< 2.5mm>,须重新计算");
    // Stiffener: Ms = 1.3·1·0.5·2000²/8 + 1.5·1.5·1000·2000/4 N·mm; the spacing 500 mm is above
    // 26·t·εk = 104 mm, so the section takes γx = 1.0: σ = (4 + 45 − 11.9889)·1450000 /
    // 200007.5 = 268.32 at the short leg (Yo = 11.9889 mm, Ix = 200007.5 mm⁴ by hand).
    EXPECT_DOUBLE_EQ(p.stiffener.Ms, 325000.0 + 1125000.0);
    EXPECT_EQ(DisplayText(p.stiffener.shown.stress), " 268.32");
    EXPECT_EQ(p.stiffenerStrength.text, "★加劲肋集中荷载强度超出限值<215N/mm2>,须重新计算");
    const double Ix = c.stiffener.Ix;
    EXPECT_DOUBLE_EQ(p.stiffener.deflection,
                     5.0 * 1 * 0.5 * std::pow(2000.0, 4) / (384.0 * kSteelModulus * Ix) +
                         1500.0 * std::pow(2000.0, 3) / (48.0 * kSteelModulus * Ix));
    EXPECT_EQ(Utilisations(c).GoverningCheck(), Check::PointLoadPlateDeflection);
}

TEST(PointLoad, PatchLargerThanThePanelIsCutToIt) {
    const PatchInfluence cut = PatchLoadInfluence(500, 2000, 900, 3000);
    EXPECT_EQ(cut.across, 500);
    EXPECT_EQ(cut.along, 2000);
    // The whole force on the whole panel: the uniform load's centre deflection, which
    // Timoshenko & Woinowsky-Krieger (§30, table of a plate simply supported on four edges)
    // give for b/a = 4 as 0.01282·q·a⁴/D, that is 0.01282·12·(1 − ν²)·q·a⁴/(E·t³).
    const double q = 1.0 / (500.0 * 2000.0);
    EXPECT_NEAR(cut.deflection / (q * std::pow(500.0, 4)) / (0.01282 * 10.92), 1.0, 0.005);
}

}  // namespace
}  // namespace deckplate
