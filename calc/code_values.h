#pragma once
// Every value the check takes from a code or from the program's own rules — coefficients,
// factors, limits and the extent of the coefficient table — once, beside the clause it comes
// from. The calculation, the calculation book and the command line all read them here;
// docs/engineering-basis.md explains each. A value whose clause is the program's own rule says
// so.

#include <array>

namespace deckplate {

// Material: Q235 steel.

/// Elastic modulus of steel E, N/mm² (GB 50017-2017 §4.4.8).
inline constexpr double kSteelModulus = 206000.0;
/// Unit weight of steel, kN/m³ (GB 50009-2012 Appendix A); the self-weight of one square metre
/// of floor is kSteelUnitWeight / 1000 per mm of steel.
inline constexpr double kSteelUnitWeight = 78.5;

/// Strength f of Q235 up to 16 mm thick, N/mm²: the legacy basis takes it for every part.
inline constexpr double kStressLimit = 215.0;
/// One band of GB 50017-2017 Table 4.4.1: f of Q235 up to a thickness.
struct StrengthBand {
    double upToThickness;  ///< mm, inclusive
    double f;              ///< N/mm²
};
/// Table 4.4.1 for Q235 (current basis). The table ends at 100 mm: a thicker part keeps the last
/// band's f.
inline constexpr std::array<StrengthBand, 3> kQ235Strength{{
    {16.0, kStressLimit},
    {40.0, 205.0},
    {100.0, 200.0},
}};

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

// Plastic adaptation factors γx (GB 50017-2017 §6.1.2 and Table 8.1.1).

/// The deck plate in bending.
inline constexpr double kPlateGamma = 1.2;
/// The composite section's top face (the plate's top).
inline constexpr double kTopFaceGamma = 1.05;
/// A flat bar's lower edge: the free tip of a T-section.
inline constexpr double kFlatBarTipGamma = 1.2;
/// An angle's lower edge: its short leg, a flange.
inline constexpr double kAngleLegGamma = 1.05;

// Sections.

/// Effective plate strip of a stiffener in plate thicknesses, 15·t each side (the handbooks'
/// width for a Q235 deck plate; GB 50017-2017 §6.3.7 takes 15·t·εk each side of a web
/// stiffener); never wider than the spacing.
inline constexpr double kStripThicknesses = 30.0;
/// Largest height / thickness of an outstanding flat stiffener of Q235 (GB 50017-2017 §6.3.6),
/// so that it does not buckle locally before it yields; `design` offers no more slender bar.
inline constexpr double kFlatBarSlendernessLimit = 15.0;

// Deflection limits, as span / deflection: a ratio at or below the limit fails.

/// The deck plate: a/150 (GB 50017-2017 Appendix B, Table B.1.1, platform plate).
inline constexpr double kPlateDeflectionLimit = 150.0;
/// The stiffener: L/200, the program's rule (Table B.1.1 has no row for a deck stiffener; its
/// row for the other beams of floors and work platforms is l/250).
inline constexpr double kStiffenerDeflectionLimit = 200.0;

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
/// β of the square panel under the current basis: the elastic value.
inline constexpr double kCurrentSquareBeta = 0.0443;
/// Every ratio outside the table: a long narrow panel behaves as a one-way strip, α = 1/8 and
/// β = 5/384 · 12·(1 − ν²).
inline constexpr CoefficientRow kOneWayStrip{0.125, 0.1422};
/// A plate continuous over three or more spans: the program's rule for a one-way strip
/// continuous over the stiffeners (α the support moment of three equal spans).
inline constexpr CoefficientRow kContinuousPlate{0.1, 0.11};

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
