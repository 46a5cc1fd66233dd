#include "calc/bay_check.h"

namespace deckplate {
namespace {

PointLoadPlateResult PointLoadPlateOf(const BayInput& bay, const DeckPlateResult& plate,
                                      PatchInfluenceMemo* memo = nullptr) {
    const PointLoad& load = *bay.pointLoad;
    const PatchInfluence influence =
        memo ? memo->Of(bay.spacing, bay.span, load.across, load.along)
             : PatchLoadInfluence(bay.spacing, bay.span, load.across, load.along);
    return PointLoadPlate(load, bay.dead, bay.thickness.mm, bay.spacing, plate, influence);
}

DeckPlateResult PlateCheck(const BayInput& bay) {
    return CheckDeckPlate(bay.dead, bay.live, bay.thickness.mm, bay.span, bay.spacing,
                          bay.boundary.continuous, bay.basis, bay.steel);
}

// The point load's support shear: the dead load's and the whole force at the support.
double PointLoadShear(const BayInput& bay, const PointLoadCheck& p, const DeckPlateResult& plate) {
    return Compute(Quantity::PointLoadStiffenerShear,
                   [&] {
                       return Checked(plate.factors.dead) *
                                  SupportShear(bay.dead, bay.spacing, bay.span) +
                              Checked(p.factor) * bay.pointLoad->force;
                   })
        .value();
}

BayCheck CheckStages(const BayInput& bay, const PlateChecks* known,
                     const BayStageObserver& observer) {
    BayCheck c;
    const auto done = [&](BayStage stage) {
        if (observer) observer({stage}, c);
    };
    const auto judged = [&](Check check) {
        if (observer) observer({BayStage::Verdict, check}, c);
    };
    // The strip comes first: a fault in sizing it is named before any result is shown.
    const double t = bay.thickness.mm;
    c.stiffener.be = PlateStripWidth(t, bay.spacing, EpsilonK(bay.basis, bay.steel));
    done(BayStage::PlateStrip);
    c.plate = known ? known->plate : PlateCheck(bay);
    done(BayStage::Plate);
    const Stiffener section = StiffenerSection(bay.stiffener);
    c.stiffener = StiffenerBeam(t, c.plate.q, c.plate.qk, bay.span, bay.spacing, section, bay.basis,
                                bay.steel);
    done(BayStage::Stiffener);
    AddSelfWeight(c.stiffener, t, bay.spacing);
    done(BayStage::SelfWeight);
    c.plateStrength = PlateStrengthVerdict(c.plate.shown.stress.Rounded(), c.plate.f);
    judged(Check::PlateStrength);
    c.stiffenerStrength =
        StiffenerStrengthVerdict(c.stiffener.shown.stress.Rounded(), c.stiffener.f);
    judged(Check::StiffenerStrength);
    c.plateDeflection = PlateDeflectionVerdict(bay.spacing, c.plate.deflection);
    judged(Check::PlateDeflection);
    c.stiffenerDeflection = StiffenerDeflectionVerdict(bay.span, c.stiffener.deflection);
    judged(Check::StiffenerDeflection);
    const bool current = bay.basis == DesignBasis::Current;
    if (current) {
        c.shear =
            StiffenerShear(SupportShear(c.plate.q, bay.spacing, bay.span), t, section, c.stiffener);
        judged(Check::StiffenerShear);
        c.outstand = CheckOutstand(section, c.stiffener.epsilonK);
        judged(Check::StiffenerOutstand);
    }
    if (!bay.pointLoad) return c;

    const PointLoad& load = *bay.pointLoad;
    PointLoadCheck& p = c.pointLoad.emplace();
    p.load = load;
    p.factor = PointLoadFactor(bay.basis);
    p.plate = known && known->pointLoad ? *known->pointLoad : PointLoadPlateOf(bay, c.plate);
    done(BayStage::PointLoadPlate);
    p.stiffener =
        PointLoadStiffener(load, bay.dead, t, bay.spacing, bay.span, c.plate, c.stiffener);
    if (current) {
        p.shear = StiffenerShear(PointLoadShear(bay, p, c.plate), t, section, c.stiffener,
                                 /*pointLoad=*/true);
    }
    done(BayStage::PointLoadStiffener);
    p.plateStrength = PointLoadPlateStrengthVerdict(p.plate.shown.stress.Rounded(), p.plate.f);
    judged(Check::PointLoadPlateStrength);
    p.plateDeflection =
        PointLoadPlateDeflectionVerdict(p.plate.deflection, p.plate.deflectionLimit);
    judged(Check::PointLoadPlateDeflection);
    p.stiffenerStrength =
        PointLoadStiffenerStrengthVerdict(p.stiffener.shown.stress.Rounded(), p.stiffener.f);
    judged(Check::PointLoadStiffenerStrength);
    p.stiffenerDeflection = PointLoadStiffenerDeflectionVerdict(bay.span, p.stiffener.deflection);
    judged(Check::PointLoadStiffenerDeflection);
    if (p.shear) judged(Check::PointLoadStiffenerShear);
    return c;
}

}  // namespace

BayCheck CheckBay(const BayInput& bay, const BayStageObserver& observer) {
    return CheckStages(bay, nullptr, observer);
}

PlateChecks CheckPlates(const BayInput& bay, PatchInfluenceMemo* memo) {
    PlateChecks checks{PlateCheck(bay), std::nullopt};
    if (bay.pointLoad) checks.pointLoad = PointLoadPlateOf(bay, checks.plate, memo);
    return checks;
}

BayCheck CheckBay(const BayInput& bay, const PlateChecks& plates) {
    return CheckStages(bay, &plates, {});
}

}  // namespace deckplate
