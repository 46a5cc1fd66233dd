#include "calc/bay_check.h"

#include <algorithm>

#include "calc/number_text.h"

namespace deckplate {

BayCheck CheckBay(const BayInput& bay) {
    return CheckBay(bay, CheckDeckPlate(bay.dead, bay.live, bay.thickness, bay.span, bay.spacing,
                                        bay.continuous, bay.basis));
}

BayCheck CheckBay(const BayInput& bay, const DeckPlateResult& plate, DisplayTexts texts) {
    BayCheck c;
    c.plate = plate;
    c.stiffener = CheckStiffener(bay.thickness, c.plate.q, c.plate.qk, bay.span, bay.spacing,
                                 bay.stiffener, bay.basis, texts);
    c.plateStrength = PlateStrengthVerdict(c.plate.display.stress, c.plate.f);
    c.stiffenerStrength = StiffenerStrengthVerdict(c.stiffener.display.stress, c.stiffener.f);
    c.plateDeflection = PlateDeflectionVerdict(bay.spacing, c.plate.deflection);
    c.stiffenerDeflection = StiffenerDeflectionVerdict(bay.span, c.stiffener.deflection);
    return c;
}

Utilisation Utilisations(const BayCheck& check) {
    // A span of 0 gives a ratio of 0: its utilisation is a division by zero, named as such.
    const auto deflection = [](double limit, double ratio, Quantity quantity) {
        return Compute(quantity, [&] { return Checked(limit) / ratio; }).value();
    };
    return {ParseNumber(check.plate.display.stress) / check.plate.f,
            deflection(kPlateDeflectionLimit, check.plateDeflection.ratio,
                       Quantity::PlateDeflectionRatio),
            check.stiffener.stress / check.stiffener.f,
            deflection(kStiffenerDeflectionLimit, check.stiffenerDeflection.ratio,
                       Quantity::StiffenerDeflectionRatio)};
}

double Utilisation::Governing() const {
    return std::max({plateStrength, plateDeflection, stiffenerStrength, stiffenerDeflection});
}

const char* Utilisation::GoverningCheck() const {
    const double g = Governing();
    if (g == plateStrength) return "plate_strength";
    if (g == plateDeflection) return "plate_deflection";
    if (g == stiffenerStrength) return "stiffener_strength";
    return "stiffener_deflection";
}

}  // namespace deckplate
