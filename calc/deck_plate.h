#pragma once
// The deck plate check: one plate panel between two stiffeners, spanning the stiffener spacing.

#include "calc/code_values.h"
#include "calc/design_basis.h"
#include "calc/number_text.h"
#include "calc/plate_formulas.h"
#include "calc/steel_grade.h"
#include "calc/verdict.h"

namespace deckplate {

/// The results as the window shows them, each to 2 decimals.
struct DeckPlateShown {
    ShownValue moment;      ///< kN·m
    ShownValue deflection;  ///< mm
    ShownValue stress;      ///< N/mm²
};

struct DeckPlateResult {
    DesignBasis basis = DesignBasis::Legacy;
    SteelGrade steel = SteelGrade::Q235;
    LoadFactors factors;  ///< γG, γQ of q
    double gamma0 = 1;    ///< the structural importance factor of q
    /// Design load, kN/m²: P·γQ + D·γG under the legacy basis, γ0·(γG·D + γQ·P) under the current.
    double q = 0;
    double qk = 0;                        ///< standard load D + P, kN/m²
    double f = kStressLimit;              ///< strength limit of the plate, N/mm²
    double alpha = 0;                     ///< moment coefficient
    double beta = 0;                      ///< deflection coefficient
    PlateCoefficientChoice coefficients;  ///< how α and β were found
    double moment = 0;                    ///< M, kN·m per metre of plate width
    double stress = 0;                    ///< σ, N/mm²
    double deflection = 0;                ///< δ, mm
    DeckPlateShown shown;
};

/// Checks the plate panel. dead (with the self-weight where it counts), live in kN/m²;
/// thickness, span, spacing in mm. A continuous plate (three or more spans) takes α = 0.1,
/// β = 0.11 under the legacy basis and the envelope of equal spans under the current one;
/// otherwise four simply supported edges with the coefficients of the aspect ratio span / spacing.
/// The basis decides the load factors, the plate's strength limit (with the steel grade, under
/// the current basis), γ0 (1 under the legacy basis) and β of a square panel. Throws
/// ArithmeticError.
DeckPlateResult CheckDeckPlate(double dead, double live, double thickness, double span,
                               double spacing, bool continuous,
                               DesignBasis basis = DesignBasis::Legacy,
                               SteelGrade steel = SteelGrade::Q235, double gamma0 = 1.0);

/// Plate strength from the stress as displayed (N/mm², rounded): the strength limit f (N/mm²) or
/// more fails; the exceeded verdict shows f ("<215N/mm2>").
StrengthVerdict PlateStrengthVerdict(double displayedStress, double strengthLimit = kStressLimit);

/// Plate deflection: spacing / δ (mm / mm) of 150 or less fails. Throws when δ is 0.
DeflectionVerdict PlateDeflectionVerdict(double spacing, double deflection);

}  // namespace deckplate
