#pragma once
// Every value the check takes from a code or from the program's own rules — coefficients,
// factors, limits and the extent of the coefficient table — once, beside the clause it comes
// from. The calculation, the calculation book and the command line all read them here;
// docs/engineering-basis.md explains each. A value whose clause is the program's own rule says
// so.

#include <array>

namespace deckplate {

// Material.

/// Elastic modulus of steel E, N/mm² (GB 50017-2017 §4.4.8).
inline constexpr double kSteelModulus = 206000.0;
/// Unit weight of steel, kN/m³ (GB 50009-2012 Appendix A); the self-weight of one square metre
/// of floor is kSteelUnitWeight / 1000 per mm of steel.
inline constexpr double kSteelUnitWeight = 78.5;

/// Strength f of Q235 up to 16 mm thick, N/mm²: the legacy basis takes it for every part.
inline constexpr double kStressLimit = 215.0;
/// One band of GB 50017-2017 Table 4.4.1: f and fv of a grade up to a thickness.
struct StrengthBand {
    double upToThickness;  ///< mm, inclusive
    double f;              ///< design strength in tension, compression and bending, N/mm²
    double fv;             ///< design strength in shear, N/mm²
};
/// A structural steel grade of the current basis: its nominal yield strength fy (which gives
/// εk = √(235 / fy)), the standard it is rolled to, and its bands of Table 4.4.1 by the thickness
/// of the part; and the electrode that matches it for a fillet weld with that weld's strength
/// f_f^w (GB 50017-2017 Table 4.4.5). A part thicker than the last band is refused (the
/// platforms' plates and stiffeners are far thinner).
struct SteelGradeValues {
    const char* name;      ///< "Q355"
    const char* standard;  ///< "GB/T 1591-2018"
    double fy;             ///< N/mm²
    std::array<StrengthBand, 3> bands;
    /// Whether the bands were checked against a public copy of Table 4.4.1; the others are the
    /// table as commonly quoted (docs/engineering-basis.md).
    bool confirmed;
    const char* electrode;  ///< "E43"
    double weldStrength;    ///< f_f^w, N/mm²
};
// clang-format off
inline constexpr std::array<SteelGradeValues, 5> kSteelGrades{{
    {"Q235", "GB/T 700-2006",  235, {{{16, 215, 125}, {40, 205, 120}, {100, 200, 115}}}, true,  "E43", 160},
    {"Q355", "GB/T 1591-2018", 355, {{{16, 305, 175}, {40, 295, 170}, {63, 290, 165}}}, true,  "E50", 200},
    {"Q390", "GB/T 1591-2018", 390, {{{16, 345, 200}, {40, 330, 190}, {63, 310, 180}}}, false, "E50", 200},
    {"Q420", "GB/T 1591-2018", 420, {{{16, 375, 215}, {40, 355, 205}, {63, 320, 185}}}, false, "E55", 220},
    {"Q460", "GB/T 1591-2018", 460, {{{16, 410, 235}, {40, 390, 225}, {63, 355, 205}}}, false, "E55", 220},
}};
// clang-format on
/// The yield strength εk is taken against: εk = √(kReferenceYield / fy) (GB 50017-2017 §3.5.1).
inline constexpr double kReferenceYield = 235.0;

// Load factors of the design load q = γQ·P + γG·D.

/// Legacy basis: GB 50009-2012 §3.2.3 and §3.2.4, the combination governed by the live load.
inline constexpr double kLegacyDeadFactor = 1.2;
inline constexpr double kLegacyLiveFactor = 1.4;
/// Current basis: GB 55001-2021 §3.1.13.
inline constexpr double kCurrentDeadFactor = 1.3;
inline constexpr double kCurrentLiveFactor = 1.5;
/// GB 55001-2021 §3.1.13: γQ not less than 1.4 for the live load of an industrial floor whose
/// standard value exceeds 4 kN/m²; a work platform counts as such a floor.
inline constexpr double kHeavyFloorLiveFactor = 1.4;
/// Live load, kN/m², above which the current basis takes kHeavyFloorLiveFactor.
inline constexpr double kHeavyFloorLiveLoad = 4.0;

// The structural importance factor γ0 (GB 55001-2021 §3.1.12, Table 3.1.12), by the safety
// class: 一级 1.1, 二级 1.0, 三级 0.9. It multiplies every design load of the current basis;
// ordinary steel structures are 二级 (GB 50017-2017 §3.1.4).
inline constexpr double kImportanceFactors[] = {1.1, 1.0, 0.9};

// Plastic adaptation factors γx (GB 50017-2017 §6.1.2 and Table 8.1.1).

/// The deck plate in bending.
inline constexpr double kPlateGamma = 1.2;
/// The composite section's top face (the plate's top).
inline constexpr double kTopFaceGamma = 1.05;
/// A flat bar's lower edge: the free tip of a T-section.
inline constexpr double kFlatBarTipGamma = 1.2;
/// An angle's lower edge: its short leg, a flange.
inline constexpr double kAngleLegGamma = 1.05;
/// A section with a compression element beyond class S3 takes no plastic adaptation: γx = 1.0
/// (GB 50017-2017 §6.1.2, §8.1.1).
inline constexpr double kNoPlasticAdaptation = 1.0;
/// The S3 limit of a flange outstand in εk (GB 50017-2017 Table 3.5.1): the deck plate is the
/// composite section's compression flange on each side of the stiffener, so a spacing above
/// 2·13·t·εk leaves an outstand beyond S3 and the current basis takes γx = 1.0 at both fibres.
inline constexpr double kCompactOutstandLimit = 13.0;

// Sections.

/// Effective plate strip of a stiffener in plate thicknesses, 15·t each side (the handbooks'
/// width for a Q235 deck plate); under the current basis 15·t·εk each side, after GB 50017-2017
/// §6.3.7's strip beside a web stiffener, by analogy; never wider than the spacing.
inline constexpr double kStripThicknesses = 30.0;
/// Largest width-to-thickness ratio of an outstanding element, in εk: a flat bar's h / t, an
/// angle's short leg b / t (GB 50017-2017 Table 3.5.1, the S4 limit of a flexural member's
/// flange outstand), so that it does not buckle locally before it yields. Under the legacy basis
/// `design` offers no flat bar more slender than this for Q235 and checks nothing; under the
/// current basis it is a check of every stiffener.
inline constexpr double kOutstandLimit = 15.0;

// Deflection limits, as span / deflection: a ratio at or below the limit fails.

/// The deck plate: a/150 (GB 50017-2017 Appendix B, Table B.1.1, platform plate).
inline constexpr double kPlateDeflectionLimit = 150.0;
/// The stiffener under the legacy basis: L/200, the program's rule as it always was.
inline constexpr double kStiffenerDeflectionLimit = 200.0;
/// The stiffener under the current basis: GB 50017-2017 Table B.1.1, item 4 (the other beams of
/// work platforms), l/250 under the standard load and l/300 under the live load alone.
inline constexpr double kCurrentStiffenerDeflectionLimit = 250.0;
inline constexpr double kStiffenerLiveDeflectionLimit = 300.0;

// Plate coefficients: M = α·q·a², δ = β·qk·a⁴ / (E·t³).

/// One row of the four-edge table: α and β of a rounded aspect ratio b/a.
struct CoefficientRow {
    double alpha;
    double beta;
};
/// The table's extent, in tenths of b/a: rows 1.0 to 2.0.
inline constexpr double kTableFirstTenths = 10.0;
inline constexpr double kTableLastTenths = 20.0;
/// Four edges simply supported, rows b/a = 1.0, 1.1, … 2.0. β is the elastic value for ν = 0.3
/// (Timoshenko & Woinowsky-Krieger, Theory of Plates and Shells, §30: w·D / (q·a⁴) times
/// 12·(1 − ν²)); α from 1.0 to 1.5 is larger than the elastic moment coefficient, on the safe
/// side. β of row 1.0 is the legacy basis' 0.0433, a transposed digit of the elastic 0.0443
/// (kCurrentSquareBeta), kept so that old results can be reproduced.
inline constexpr std::array<CoefficientRow, 11> kFourEdgeRows{{
    {0.065, 0.0433},
    {0.07, 0.053},
    {0.074, 0.0616},
    {0.079, 0.0697},
    {0.083, 0.077},
    {0.085, 0.0843},
    {0.0862, 0.0906},
    {0.0908, 0.0964},
    {0.0948, 0.1017},
    {0.0985, 0.1064},
    {0.1017, 0.1106},
}};
/// The elastic moment coefficients of the rows b/a = 1.0 … 1.5 (Timoshenko & Woinowsky-Krieger,
/// Theory of Plates and Shells, §30, ν = 0.3), which the table's α exceeds on the safe side; from
/// 1.6 on the table takes them. Only the book states them beside the α it takes.
inline constexpr std::array<double, 6> kElasticFourEdgeAlpha{0.0479, 0.0554, 0.0627,
                                                             0.0694, 0.0755, 0.0812};
/// β of the square panel under the current basis: the elastic value.
inline constexpr double kCurrentSquareBeta = 0.0443;
/// Every ratio outside the table: a long narrow panel behaves as a one-way strip, α = 1/8 and
/// β = 5/384 · 12·(1 − ν²).
inline constexpr CoefficientRow kOneWayStrip{0.125, 0.1422};
/// A plate continuous over three or more spans under the legacy basis: the program's rule for a
/// one-way strip continuous over the stiffeners (α the support moment of three equal spans).
inline constexpr CoefficientRow kContinuousPlate{0.1, 0.11};

/// A plate continuous over three or more spans under the current basis: the envelope of equal-span
/// continuous beams of three and more spans under a uniform load (the standard tables of
/// continuous-beam coefficients): the dead load on every span, the live load also on alternate
/// spans where that gives more.
struct ContinuousEnvelope {
    double momentDead, momentLive;          ///< support moment / (q·l²): 0.107 (four spans, all
                                            ///< loaded), 0.121 (live on the spans beside B)
    double deflectionDead, deflectionLive;  ///< end span's w·E·I / (q·l⁴): 0.00677 (three spans,
                                            ///< all loaded), 0.00990 (spans 1 and 3 loaded)
    double supportDead, supportLive;  ///< the first interior support's reaction / (q·l):
                                      ///< 1.143 (all loaded), 1.223 (live patterned)
};
inline constexpr ContinuousEnvelope kContinuousEnvelope{0.107,   0.121, 0.00677,
                                                        0.00990, 1.143, 1.223};
/// 12·(1 − ν²) for ν = 0.3: a plate strip's flexural rigidity is E·t³ / (12·(1 − ν²)) per unit
/// width, so a beam's deflection coefficient times it gives the plate strip's β.
inline constexpr double kPlateRigidityFactor = 10.92;

// The fillet weld between the deck plate and a stiffener (GB 50017-2017 §11.2.2, §11.3.5,
// §11.3.8).

/// A fillet weld's throat over its leg: he = 0.7·hf.
inline constexpr double kFilletThroat = 0.7;
/// One band of Table 11.3.5: the least leg hf for a thicker part up to a thickness, mm.
struct WeldLegBand {
    double upToThickness;
    double leastLeg;
};
inline constexpr std::array<WeldLegBand, 3> kLeastWeldLegs{{{6, 3}, {12, 5}, {20, 6}}};
/// The least leg above the last band, mm.
inline constexpr double kLeastWeldLegAbove = 8;
/// An intermittent weld's segment: at least 10·hf and 50 mm long, its effective length at least
/// 8·hf and 40 mm (§11.3.5); the clear gap between segments at most 15 times the thinner part
/// joined, a compression element's rule (§11.3.8).
inline constexpr double kLeastSegmentLegs = 10;
inline constexpr double kLeastSegment = 50;
inline constexpr double kLeastEffectiveLegs = 8;
inline constexpr double kLeastEffectiveLength = 40;
inline constexpr double kWidestGapThicknesses = 15;

// The point load of a work platform or walkway: GB/T 17888.2-2020 (identical to ISO 14122-2:2016)
// as secondary sources quote it; the clause number is not confirmed.

/// The standard point load F, kN, on a square patch of side kPointLoadPatch, mm, at the most
/// unfavourable position.
inline constexpr double kPointLoadForce = 1.5;
inline constexpr double kPointLoadPatch = 200.0;
/// The deck plate under the point load: deflection at most a/200 and at most 4 mm (the step
/// between a loaded and an adjacent unloaded panel).
inline constexpr double kPointLoadPlateDeflectionLimit = 200.0;
inline constexpr double kPointLoadPlateStepLimit = 4.0;
/// Poisson's ratio of steel, for the elastic plate under a patch load.
inline constexpr double kPoissonRatio = 0.3;

}  // namespace deckplate
