#pragma once
// One bay checked from start to end: plate, stiffener and the four verdicts, in the order the
// window forms them (plate strength, stiffener strength, plate deflection, stiffener
// deflection). Used where no window stands in between: the command line, schedules, sizing.

#include "calc/deck_plate.h"
#include "calc/stiffener.h"

namespace deckplate {

struct BayInput {
    double dead = 0;       ///< kN/m²
    double live = 0;       ///< kN/m²
    double thickness = 0;  ///< plate, mm
    double span = 0;       ///< stiffener span, mm
    double spacing = 0;    ///< stiffener spacing, mm
    bool continuous = false;
    Stiffener stiffener;
    DesignBasis basis = DesignBasis::Legacy;
};

struct BayCheck {
    DeckPlateResult plate;
    StiffenerResult stiffener;
    StrengthVerdict plateStrength;
    StrengthVerdict stiffenerStrength;
    DeflectionVerdict plateDeflection;
    DeflectionVerdict stiffenerDeflection;

    bool AllPass() const {
        return !plateStrength.exceeded && !stiffenerStrength.exceeded &&
               !plateDeflection.exceeded && !stiffenerDeflection.exceeded;
    }
};

/// How much of each limit a bay uses: 1 or more fails. Strengths are the displayed stress over
/// the part's strength limit f; deflections the limit ratio over the actual (150 / (a/δ),
/// 200 / (L/δs)).
struct Utilisation {
    double plateStrength = 0;
    double plateDeflection = 0;
    double stiffenerStrength = 0;
    double stiffenerDeflection = 0;

    /// The largest of the four.
    double Governing() const;
    /// "plate_strength", "plate_deflection", "stiffener_strength" or "stiffener_deflection".
    const char* GoverningCheck() const;
};

/// Throws ArithmeticError naming the quantity where a fault arose.
BayCheck CheckBay(const BayInput& bay);

/// The same, with the plate check of this bay's loads, thickness, span, spacing, boundary and
/// basis already done (it does not depend on the stiffener): for trying many stiffeners on one
/// plate.
BayCheck CheckBay(const BayInput& bay, const DeckPlateResult& plate,
                  DisplayTexts texts = DisplayTexts::All);

Utilisation Utilisations(const BayCheck& check);

}  // namespace deckplate
