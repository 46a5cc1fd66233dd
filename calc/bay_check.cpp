#include "calc/bay_check.h"

#include "calc/code_values.h"

namespace deckplate {
namespace {

// The loads the checks take. Under the current basis the dead load has the floor's self-weight
// added (unless the dead load given includes it), every design load takes γ0, and a stiffener
// under a continuous plate carries the first interior support's share of the spans beside it.
BayLoads LoadsOf(const BayInput& bay, const Stiffener& section) {
    BayLoads loads{.dead = bay.dead,
                   .live = bay.live,
                   .deadTotal = bay.dead,
                   .safetyClass = bay.safetyClass,
                   .gamma0 = ImportanceFactor(bay.basis, bay.safetyClass)};
    if (bay.basis != DesignBasis::Current) return loads;
    if (!bay.deadIncludesSelfWeight) {
        const double area =
            std::visit(
                [](const auto& kind) {
                    if constexpr (std::is_same_v<std::decay_t<decltype(kind)>, FlatBar>)
                        return Checked(kind.height) * kind.thickness;
                    else
                        return 100.0 * Checked(kind.A);
                },
                section)
                .value();
        loads.addedSelfWeight = SelfWeight(bay.thickness.mm, bay.spacing, area);
        loads.deadTotal = Compute(Quantity::SelfWeight, [&] {
                              return Checked(bay.dead) + loads.addedSelfWeight;
                          }).value();
    }
    if (bay.boundary.continuous) {
        loads.supportDead = kContinuousEnvelope.supportDead;
        loads.supportLive = kContinuousEnvelope.supportLive;
    }
    return loads;
}

// One stiffener's loads over its spacing: the plate's own design and standard loads under the
// legacy basis; under the current one with γ0 and the support's shares.
StiffenerLoads StiffenerLoadsOf(const BayLoads& loads, const DeckPlateResult& plate) {
    if (plate.basis != DesignBasis::Current) return {plate.q, plate.qk, loads.live};
    const Checked D = loads.deadTotal, P = loads.live, kD = loads.supportDead,
                  kP = loads.supportLive, gammaG = plate.factors.dead, gammaQ = plate.factors.live,
                  gamma0 = loads.gamma0;
    return {
        Compute(Quantity::DesignLoad, [&] { return gamma0 * (gammaG * kD * D + gammaQ * kP * P); })
            .value(),
        Compute(Quantity::StandardLoad, [&] { return kD * D + kP * P; }).value(),
        Compute(Quantity::StandardLoad, [&] { return kP * P; }).value()};
}

PointLoadPlateResult PointLoadPlateOf(const BayInput& bay, const BayLoads& loads,
                                      const DeckPlateResult& plate, const PlateChecks* known) {
    const PointLoad& load = *bay.pointLoad;
    const PatchInfluence influence =
        known && known->influence
            ? *known->influence
            : PatchLoadInfluence(bay.spacing, bay.span, load.across, load.along);
    return PointLoadPlate(load, loads.deadTotal, bay.thickness.mm, bay.spacing, plate, influence);
}

DeckPlateResult PlateCheck(const BayInput& bay, const BayLoads& loads) {
    return CheckDeckPlate(loads.deadTotal, bay.live, bay.thickness.mm, bay.span, bay.spacing,
                          bay.boundary.continuous, bay.basis, bay.steel, loads.gamma0);
}

// The point load's support shear: γ0·(γG·kD·D·a·L/2 + γQ·F), the dead load's share and the whole
// force at the support.
double PointLoadShear(const BayInput& bay, const BayLoads& loads, const PointLoadCheck& p,
                      const DeckPlateResult& plate) {
    return Compute(Quantity::PointLoadStiffenerShear,
                   [&] {
                       const Checked dead = Checked(loads.supportDead) * loads.deadTotal;
                       return Checked(loads.gamma0) *
                              (Checked(plate.factors.dead) *
                                   SupportShear(dead.value(), bay.spacing, bay.span) +
                               Checked(p.factor) * bay.pointLoad->force);
                   })
        .value();
}

// Tells the observer of each stage as it completes, with the check so far.
class StageReport {
  public:
    StageReport(const BayStageObserver& observer, const BayCheck& check)
        : observer_(observer), check_(check) {}
    void Done(BayStage stage) const {
        if (observer_) observer_({stage}, check_);
    }
    void Judged(Check check) const {
        if (observer_) observer_({BayStage::Verdict, check}, check_);
    }

  private:
    const BayStageObserver& observer_;
    const BayCheck& check_;
};

// The uniform load's computations after the plate strip: the loads, the plate, the stiffener and
// the self-weight.
void CheckMembers(const BayInput& bay, const Stiffener& section, const PlateChecks* known,
                  BayCheck& c, const StageReport& report) {
    const double t = bay.thickness.mm;
    c.loads = LoadsOf(bay, section);
    c.plate = known && known->plate ? *known->plate : PlateCheck(bay, c.loads);
    report.Done(BayStage::Plate);
    c.loads.stiffener = StiffenerLoadsOf(c.loads, c.plate);
    c.stiffener =
        StiffenerBeam(t, c.loads.stiffener, bay.span, bay.spacing, section, bay.basis, bay.steel);
    report.Done(BayStage::Stiffener);
    AddSelfWeight(c.stiffener, t, bay.spacing);
    report.Done(BayStage::SelfWeight);
}

// The four verdicts every basis makes: strength and deflection of the plate and the stiffener.
void JudgeMembers(const BayInput& bay, BayCheck& c, const StageReport& report) {
    c.plateStrength = PlateStrengthVerdict(c.plate.shown.stress.Rounded(), c.plate.f);
    report.Judged(Check::PlateStrength);
    c.stiffenerStrength =
        StiffenerStrengthVerdict(c.stiffener.shown.stress.Rounded(), c.stiffener.f);
    report.Judged(Check::StiffenerStrength);
    c.plateDeflection = PlateDeflectionVerdict(bay.spacing, c.plate.deflection);
    report.Judged(Check::PlateDeflection);
    c.stiffenerDeflection = StiffenerDeflectionVerdict(bay.span, c.stiffener.deflection, bay.basis);
    report.Judged(Check::StiffenerDeflection);
}

// The current basis' own checks: the stiffener's live-load deflection, shear and outstand, the
// weld and its detailing.
void JudgeCurrentBasis(const BayInput& bay, const Stiffener& section, BayCheck& c,
                       const StageReport& report) {
    const double t = bay.thickness.mm;
    c.stiffenerLiveDeflection =
        StiffenerLiveDeflectionVerdict(bay.span, c.stiffener.liveDeflection);
    report.Judged(Check::StiffenerLiveDeflection);
    c.shear = StiffenerShear(SupportShear(c.loads.stiffener.design, bay.spacing, bay.span), t,
                             section, c.stiffener);
    report.Judged(Check::StiffenerShear);
    c.outstand = CheckOutstand(section, c.stiffener.epsilonK);
    report.Judged(Check::StiffenerOutstand);
    c.weld =
        CheckWeld(bay.weld, c.shear->force, t, c.stiffener, StiffenerThickness(section), bay.steel);
    report.Judged(Check::WeldStrength);
    c.weldDetailing = CheckWeldDetailing(*c.weld, t, StiffenerThickness(section));
    report.Judged(Check::WeldDetail);
}

// The point load's case: its plate, its stiffener (under the current basis with its shear and
// weld), then its verdicts in the order of the table of checks.
void CheckPointLoad(const BayInput& bay, const Stiffener& section, const PlateChecks* known,
                    BayCheck& c, const StageReport& report) {
    const double t = bay.thickness.mm;
    const PointLoad& load = *bay.pointLoad;
    PointLoadCheck& p = c.pointLoad.emplace();
    p.load = load;
    p.factor = PointLoadFactor(bay.basis);
    p.plate = known && known->pointLoad ? *known->pointLoad
                                        : PointLoadPlateOf(bay, c.loads, c.plate, known);
    report.Done(BayStage::PointLoadPlate);
    p.stiffener = PointLoadStiffener(load, c.loads.deadTotal, t, bay.spacing, bay.span, c.plate,
                                     c.stiffener, c.loads.supportDead);
    if (bay.basis == DesignBasis::Current) {
        p.shear = StiffenerShear(PointLoadShear(bay, c.loads, p, c.plate), t, section, c.stiffener,
                                 /*pointLoad=*/true);
        p.weld = CheckWeld(bay.weld, p.shear->force, t, c.stiffener, StiffenerThickness(section),
                           bay.steel, /*pointLoad=*/true);
    }
    report.Done(BayStage::PointLoadStiffener);
    p.plateStrength = PointLoadPlateStrengthVerdict(p.plate.shown.stress.Rounded(), p.plate.f);
    report.Judged(Check::PointLoadPlateStrength);
    p.plateDeflection =
        PointLoadPlateDeflectionVerdict(p.plate.deflection, p.plate.deflectionLimit);
    report.Judged(Check::PointLoadPlateDeflection);
    p.stiffenerStrength =
        PointLoadStiffenerStrengthVerdict(p.stiffener.shown.stress.Rounded(), p.stiffener.f);
    report.Judged(Check::PointLoadStiffenerStrength);
    p.stiffenerDeflection =
        PointLoadStiffenerDeflectionVerdict(bay.span, p.stiffener.deflection, bay.basis);
    report.Judged(Check::PointLoadStiffenerDeflection);
    if (p.shear) report.Judged(Check::PointLoadStiffenerShear);
    if (p.weld) report.Judged(Check::PointLoadWeldStrength);
}

BayCheck CheckStages(const BayInput& bay, const PlateChecks* known,
                     const BayStageObserver& observer) {
    BayCheck c;
    const StageReport report(observer, c);
    // The strip comes first: a fault in sizing it is named before any result is shown.
    c.stiffener.be = PlateStripWidth(bay.thickness.mm, bay.spacing, EpsilonK(bay.basis, bay.steel));
    report.Done(BayStage::PlateStrip);
    const Stiffener section = StiffenerSection(bay.stiffener);
    CheckMembers(bay, section, known, c, report);
    JudgeMembers(bay, c, report);
    if (bay.basis == DesignBasis::Current) JudgeCurrentBasis(bay, section, c, report);
    if (bay.pointLoad) CheckPointLoad(bay, section, known, c, report);
    return c;
}

}  // namespace

BayCheck CheckBay(const BayInput& bay, const BayStageObserver& observer) {
    return CheckStages(bay, nullptr, observer);
}

PlateChecks CheckPlates(const BayInput& bay, PatchInfluenceMemo* memo) {
    PlateChecks checks;
    if (const auto& load = bay.pointLoad) {
        checks.influence =
            memo ? memo->Of(bay.spacing, bay.span, load->across, load->along)
                 : PatchLoadInfluence(bay.spacing, bay.span, load->across, load->along);
    }
    // The dead load as given: no self-weight of a stiffener is added to it.
    if (bay.basis == DesignBasis::Legacy || bay.deadIncludesSelfWeight) {
        const BayLoads loads = LoadsOf(bay, FlatBar{});
        checks.plate = PlateCheck(bay, loads);
        if (bay.pointLoad) checks.pointLoad = PointLoadPlateOf(bay, loads, *checks.plate, &checks);
    }
    return checks;
}

BayCheck CheckBay(const BayInput& bay, const PlateChecks& plates) {
    return CheckStages(bay, &plates, {});
}

}  // namespace deckplate
