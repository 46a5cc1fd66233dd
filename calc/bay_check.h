#pragma once
// One bay checked from start to end: plate, stiffener and the four verdicts, in the order the
// window forms them (plate strength, stiffener strength, plate deflection, stiffener
// deflection). Used where no window stands in between: the command line, schedules, sizing.

#include "deck_plate.h"
#include "stiffener.h"

namespace deckplate {

struct BayInput {
    double dead = 0;       ///< kN/m²
    double live = 0;       ///< kN/m²
    double thickness = 0;  ///< plate, mm
    double span = 0;       ///< stiffener span, mm
    double spacing = 0;    ///< stiffener spacing, mm
    bool continuous = false;
    Stiffener stiffener;
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

/// Throws ArithmeticError naming the quantity where a fault arose.
BayCheck CheckBay(const BayInput& bay);

}  // namespace deckplate
