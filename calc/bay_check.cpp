#include "calc/bay_check.h"

#include <algorithm>

#include "calc/number_text.h"

namespace deckplate {
namespace {

BayCheck CheckStages(const BayInput& bay, const DeckPlateResult* knownPlate, DisplayTexts texts,
                     const BayStageObserver& observer) {
    BayCheck c;
    const auto done = [&](BayStage stage) {
        if (observer) observer(stage, c);
    };
    // The strip comes first: a fault in sizing it is named before any result is shown.
    c.stiffener.be = PlateStripWidth(bay.thickness, bay.spacing);
    done(BayStage::PlateStrip);
    c.plate = knownPlate ? *knownPlate
                         : CheckDeckPlate(bay.dead, bay.live, bay.thickness, bay.span,
                                          bay.spacing, bay.continuous, bay.basis);
    done(BayStage::Plate);
    c.stiffener = StiffenerBeam(bay.thickness, c.plate.q, c.plate.qk, bay.span, bay.spacing,
                                bay.stiffener, bay.basis, texts);
    done(BayStage::Stiffener);
    AddSelfWeight(c.stiffener, bay.thickness, bay.spacing, texts);
    done(BayStage::SelfWeight);
    c.plateStrength = PlateStrengthVerdict(c.plate.display.stress, c.plate.f);
    done(BayStage::PlateStrength);
    c.stiffenerStrength = StiffenerStrengthVerdict(c.stiffener.display.stress, c.stiffener.f);
    done(BayStage::StiffenerStrength);
    c.plateDeflection = PlateDeflectionVerdict(bay.spacing, c.plate.deflection);
    done(BayStage::PlateDeflection);
    c.stiffenerDeflection = StiffenerDeflectionVerdict(bay.span, c.stiffener.deflection);
    done(BayStage::StiffenerDeflection);
    return c;
}

}  // namespace

BayCheck CheckBay(const BayInput& bay, const BayStageObserver& observer) {
    return CheckStages(bay, nullptr, DisplayTexts::All, observer);
}

BayCheck CheckBay(const BayInput& bay, const DeckPlateResult& plate, DisplayTexts texts) {
    return CheckStages(bay, &plate, texts, {});
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
