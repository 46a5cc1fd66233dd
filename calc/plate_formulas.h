#pragma once
// The deck plate formulas: the coefficients of a panel simply supported on four edges and the
// plate's moment, stress and deflection, each evaluated in the order the design basis writes
// it, so that every digit is reproducible.

#include "calc/checked.h"
#include "calc/design_basis.h"

namespace deckplate {

/// The largest of three numbers; on equal values the later one is kept.
Checked MaxOfThree(Checked first, Checked second, Checked third);

/// Where a plate's α and β come from.
enum class CoefficientSource {
    Table,        ///< the four-edge table, the row of the rounded aspect ratio
    OneWayStrip,  ///< four edges, but a ratio outside the table: the one-way strip
    Continuous,   ///< continuous over three or more spans (legacy basis: α = 0.1, β = 0.11)
    /// Continuous over three or more spans under the current basis: the envelope of equal spans,
    /// the dead and the live load each with its own coefficients (kContinuousEnvelope).
    ContinuousEnvelope,
};

/// A plate's moment and deflection coefficients and how they were found. For the continuous
/// envelope α and β are the dead load's (0.107, and the beam's 0.00677, which 12·(1 − ν²) = 10.92
/// makes a plate strip's) and αLive, βLive the live load's (0.121, 0.00990); otherwise both loads
/// take α and β.
struct PlateCoefficientChoice {
    double alpha = 0;
    double beta = 0;
    CoefficientSource source = CoefficientSource::Continuous;
    /// b/a rounded to one decimal (halves to the even tenth); 0 for a continuous plate.
    double aspectRatio = 0;
    double alphaLive = alpha;
    double betaLive = beta;
};

/// The continuous envelope's coefficients under the current basis.
PlateCoefficientChoice ContinuousEnvelopeCoefficients();

/// Moment coefficient α and deflection coefficient β of a panel simply supported on four edges,
/// from the aspect ratio span / spacing rounded to one decimal (rows 1.0 to 2.0, otherwise
/// the one-way strip). span, spacing in mm. β of the square panel (row 1.0) is 0.0433 under the
/// legacy basis and 0.0443 under the current one. Throws on a spacing of 0.
PlateCoefficientChoice PlateCoefficients(Checked span, Checked spacing,
                                         DesignBasis basis = DesignBasis::Legacy);

/// Maximum plate moment α·q·(a/1000)², kN·m per metre; q in kN/m², spacing a in mm.
Checked PlateMoment(Checked alpha, Checked designLoad, Checked spacing);

/// The continuous envelope's moment (αD·γG·D + αL·γQ·P)·γ0·(a/1000)², kN·m per metre; D, P in
/// kN/m², a in mm.
Checked EnvelopeMoment(const PlateCoefficientChoice& c, Checked gammaG, Checked dead,
                       Checked gammaQ, Checked live, Checked gamma0, Checked spacing);

/// The continuous envelope's deflection 10.92·(βD·D + βL·P)·a⁴ / (E·t³) / 1000, mm, with βD and βL
/// the beams' coefficients and 10.92 = 12·(1 − ν²).
Checked EnvelopeDeflection(const PlateCoefficientChoice& c, Checked dead, Checked live,
                           Checked spacing, Checked thickness);

/// Maximum plate stress 6000·M / (1.2·t²), N/mm²; M in kN·m per metre, t in mm.
Checked PlateStress(Checked moment, Checked thickness);

/// Maximum plate deflection β·qk·a⁴ / (206000·t³) / 1000, mm; qk in kN/m², a and t in mm.
Checked PlateDeflection(Checked beta, Checked standardLoad, Checked spacing, Checked thickness);

}  // namespace deckplate
