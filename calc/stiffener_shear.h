#pragma once
// Two checks of the stiffener under the current basis that a drawing reviewer asks for:
//
//   Shear at the support, on the composite section: V = q·a·L/2, τ = V·S / (Ix·w) at the neutral
//   axis Yo, with S the first moment about that axis of the area on the stiffener's side and w
//   the width cut there (the bar's or the angle's leg thickness; when the axis lies in the plate,
//   the strip width be and S = be·Yo²/2). An angle's area is taken as two rectangles: the long
//   leg H × t from the plate down and the short leg (b − t) × t at its bottom, radii ignored.
//   Judged as displayed (two decimals) against fv: reaching it fails.
//
//   The outstand of its flange: a flat bar's h / t, an angle's short leg b / t, against 15·εk
//   (GB 50017-2017 Table 3.5.1, S4); only a ratio above the limit fails.

#include <string>

#include "calc/stiffener.h"
#include "calc/verdict.h"

namespace deckplate {

/// Where the neutral axis crosses the composite section, which decides how S is formed.
enum class AxisCut {
    Plate,     ///< in the plate: S = be·Yo²/2
    Web,       ///< in the flat bar, or in the angle's long leg above its short leg
    ShortLeg,  ///< in the angle's short leg, both legs cut
};

struct ShearCheck {
    double force = 0;  ///< V, kN
    AxisCut cut = AxisCut::Plate;
    double S = 0;       ///< first moment about the neutral axis, mm³
    double width = 0;   ///< w, the width cut at the neutral axis, mm
    double stress = 0;  ///< τ, N/mm², rounded to 2 decimals as displayed
    double fv = 0;      ///< the stiffener's shear strength, N/mm²
    ShownValue shown;   ///< τ as the window shows it
    StrengthVerdict verdict;
};

/// The support's shear under a uniform design load q (kN/m²) on one spacing a over the span L
/// (mm): q·(a/1000)·(L/1000)/2, kN.
double SupportShear(double q, double spacing, double span);

/// τ of `force` kN at the support of the stiffener of `section` (StiffenerBeam's, on a plate
/// `thickness` mm thick), judged against its fv. `pointLoad` words the point load's verdict.
/// Throws ArithmeticError.
ShearCheck StiffenerShear(double force, double thickness, const Stiffener& stiffener,
                          const StiffenerResult& section, bool pointLoad = false);

struct OutstandCheck {
    double ratio = 0;  ///< h / t or b / t; 0 for a stiffener with nothing standing out
    double limit = 0;  ///< 15·εk
    bool exceeded = false;
    std::string text;
};

/// The stiffener's outstand against 15·εk.
OutstandCheck CheckOutstand(const Stiffener& stiffener, double epsilonK);

}  // namespace deckplate
