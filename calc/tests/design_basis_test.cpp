// The two design bases: load factors, the strength limit by part thickness, and the verdicts and
// utilisations judged against that limit. Expected values worked by hand.
#include "calc/design_basis.h"

#include <gtest/gtest.h>

#include "calc/bay_check.h"
#include "calc/checks.h"

namespace deckplate {
namespace {

constexpr DesignBasis kLegacy = DesignBasis::Legacy, kCurrent = DesignBasis::Current;

struct FactorCase {
    const char* name;
    DesignBasis basis;
    double dead, live;
    double gammaG, gammaQ;
    bool heavyFloor;
    double q;  ///< P·γQ + D·γG, kN/m²
    const char* combination;
};
void PrintTo(const FactorCase& c, std::ostream* os) { *os << c.name; }

class LoadFactorTest : public testing::TestWithParam<FactorCase> {};

TEST_P(LoadFactorTest, DesignLoadOfTheBasis) {
    const auto& c = GetParam();
    const DeckPlateResult r = CheckDeckPlate(c.dead, c.live, 6, 1500, 600, true, c.basis);
    EXPECT_EQ(r.factors.dead, c.gammaG);
    EXPECT_EQ(r.factors.live, c.gammaQ);
    EXPECT_EQ(r.factors.heavyIndustrialFloor, c.heavyFloor);
    EXPECT_DOUBLE_EQ(r.q, c.q);
    EXPECT_EQ(r.qk, c.dead + c.live);
    EXPECT_EQ(LoadCombinationText(c.basis, r.factors), c.combination);
}

INSTANTIATE_TEST_SUITE_P(Bases, LoadFactorTest,
                         testing::Values(FactorCase{"Legacy", kLegacy, 1, 2, 1.2, 1.4, false, 4,
                                                    "1.2×恒+1.4×活（GB 50009-2012）"},
                                         FactorCase{"LegacyHasNoFloorRule", kLegacy, 1, 5, 1.2, 1.4,
                                                    false, 8.2, "1.2×恒+1.4×活（GB 50009-2012）"},
                                         FactorCase{"Current", kCurrent, 1, 2, 1.3, 1.5, false, 4.3,
                                                    "1.3×恒+1.5×活（GB 55001-2021）"},
                                         FactorCase{"CurrentAtFour", kCurrent, 1, 4, 1.3, 1.5,
                                                    false, 7.3, "1.3×恒+1.5×活（GB 55001-2021）"},
                                         FactorCase{"CurrentAboveFour", kCurrent, 1, 4.01, 1.3, 1.4,
                                                    true, 6.914, "1.3×恒+1.4×活（GB 55001-2021）"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StrengthOf, ByGradeAndThicknessUnderTheCurrentBasis) {
    const struct {
        DesignBasis basis;
        SteelGrade grade;
        double thickness, f, fv;
    } cases[] = {
        {kLegacy, SteelGrade::Q235, 40, 215, 0},     {kLegacy, SteelGrade::Q355, 6, 215, 0},
        {kCurrent, SteelGrade::Q235, 16, 215, 125},  {kCurrent, SteelGrade::Q235, 16.5, 205, 120},
        {kCurrent, SteelGrade::Q235, 40, 205, 120},  {kCurrent, SteelGrade::Q235, 40.5, 200, 115},
        {kCurrent, SteelGrade::Q235, 100, 200, 115}, {kCurrent, SteelGrade::Q355, 8, 305, 175},
        {kCurrent, SteelGrade::Q355, 20, 295, 170},  {kCurrent, SteelGrade::Q390, 63, 310, 180},
        {kCurrent, SteelGrade::Q460, 16, 410, 235},
    };
    for (const auto& c : cases) {
        const PartStrength s = StrengthOf(c.basis, c.grade, c.thickness);
        EXPECT_EQ(s.f, c.f) << BasisName(c.basis) << " " << GradeName(c.grade) << " "
                            << c.thickness;
        EXPECT_EQ(s.fv, c.fv) << BasisName(c.basis) << " " << GradeName(c.grade) << " "
                              << c.thickness;
    }
}

TEST(StrengthLimit, EachPartByItsOwnThickness) {
    // A 20 mm plate on a flat bar 200 × 18 and on an angle with 10 mm legs.
    const DeckPlateResult plate = CheckDeckPlate(1, 2, 20, 1500, 600, true, kCurrent);
    EXPECT_EQ(plate.f, 205);
    EXPECT_EQ(CheckStiffener(20, 4, 3, 1500, 600, FlatBar{200, 18}, kCurrent).f, 205);
    EXPECT_EQ(CheckStiffener(20, 4, 3, 1500, 600, FlatBar{200, 14}, kCurrent).f, 215);
    const AngleValues angle{140, 445.5, 4.58, 22.26, 10};
    EXPECT_EQ(CheckStiffener(20, 4, 3, 1500, 600, angle, kCurrent).f, 215);
    EXPECT_EQ(CheckStiffener(20, 4, 3, 1500, 600, FlatBar{200, 18}).f, 215);  // legacy
}

TEST(StrengthVerdict, JudgedAgainstAndShowingTheLimitUsed) {
    const struct {
        double stress;
        double f;
        bool exceeded;
        const char* plate;
    } cases[] = {
        {205, 205, true, "★钢铺板强度超出限值<205N/mm2>,须重新计算"},
        {204.99, 205, false, "钢铺板强度满足要求"},
        {200, 200, true, "★钢铺板强度超出限值<200N/mm2>,须重新计算"},
    };
    for (const auto& c : cases) {
        const StrengthVerdict v = PlateStrengthVerdict(c.stress, c.f);
        EXPECT_EQ(v.exceeded, c.exceeded) << c.stress << " against " << c.f;
        EXPECT_EQ(v.text, c.plate) << c.stress << " against " << c.f;
    }
    EXPECT_EQ(StiffenerStrengthVerdict(205, 205).text, "★加劲肋强度超出限值<205N/mm2>,须重新计算");
}

TEST(Utilisation, StrengthAgainstTheLimitUsed) {
    // Flat bar 200 × 18 (f = 205 under the current basis) on a 6 mm plate.
    BayInput bay{.dead = 1,
                 .live = 2,
                 .thickness = ThicknessOf(6),
                 .span = 4000,
                 .spacing = 600,
                 .stiffener = FlatBar{200, 18},
                 .basis = kCurrent};
    const BayCheck current = CheckBay(bay);
    EXPECT_EQ(current.plate.f, 215);
    EXPECT_EQ(current.stiffener.f, 205);
    EXPECT_EQ(Utilisations(current)[Check::StiffenerStrength], current.stiffener.stress / 205);
    EXPECT_EQ(Utilisations(current)[Check::PlateStrength],
              current.plate.shown.stress.Rounded() / 215);
    bay.basis = kLegacy;
    const BayCheck legacy = CheckBay(bay);
    EXPECT_EQ(Utilisations(legacy)[Check::StiffenerStrength], legacy.stiffener.stress / 215);
}

}  // namespace
}  // namespace deckplate
