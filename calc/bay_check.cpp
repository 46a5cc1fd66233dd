#include "bay_check.h"

namespace deckplate {

BayCheck CheckBay(const BayInput& bay) {
    BayCheck c;
    c.plate =
        CheckDeckPlate(bay.dead, bay.live, bay.thickness, bay.span, bay.spacing, bay.continuous);
    c.stiffener =
        CheckStiffener(bay.thickness, c.plate.q, c.plate.qk, bay.span, bay.spacing, bay.stiffener);
    c.plateStrength = PlateStrengthVerdict(c.plate.display.stress);
    c.stiffenerStrength = StiffenerStrengthVerdict(c.stiffener.display.stress);
    c.plateDeflection = PlateDeflectionVerdict(bay.spacing, c.plate.deflection);
    c.stiffenerDeflection = StiffenerDeflectionVerdict(bay.span, c.stiffener.deflection);
    return c;
}

}  // namespace deckplate
