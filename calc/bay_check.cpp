#include "calc/bay_check.h"

#include <algorithm>
#include <vector>

#include "calc/number_text.h"

namespace deckplate {
namespace {

PointLoadPlateResult PointLoadPlateOf(const BayInput& bay, const DeckPlateResult& plate,
                                      DisplayTexts texts) {
    const PointLoad& load = *bay.pointLoad;
    return PointLoadPlate(load, bay.dead, bay.thickness, bay.spacing, plate,
                          PatchLoadInfluence(bay.spacing, bay.span, load.across, load.along),
                          texts);
}

BayCheck CheckStages(const BayInput& bay, const PlateChecks* known, DisplayTexts texts,
                     const BayStageObserver& observer) {
    BayCheck c;
    const auto done = [&](BayStage stage) {
        if (observer) observer(stage, c);
    };
    // The strip comes first: a fault in sizing it is named before any result is shown.
    c.stiffener.be = PlateStripWidth(bay.thickness, bay.spacing);
    done(BayStage::PlateStrip);
    c.plate = known ? known->plate
                    : CheckDeckPlate(bay.dead, bay.live, bay.thickness, bay.span, bay.spacing,
                                     bay.continuous, bay.basis);
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
    if (!bay.pointLoad) return c;

    const PointLoad& load = *bay.pointLoad;
    PointLoadCheck& p = c.pointLoad.emplace();
    p.load = load;
    p.factor = PointLoadFactor(bay.basis);
    p.plate = known && known->pointLoad ? *known->pointLoad : PointLoadPlateOf(bay, c.plate, texts);
    done(BayStage::PointLoadPlate);
    p.stiffener = PointLoadStiffener(load, bay.dead, bay.thickness, bay.spacing, bay.span, c.plate,
                                     c.stiffener, texts);
    done(BayStage::PointLoadStiffener);
    p.plateStrength = PointLoadPlateStrengthVerdict(p.plate.display.stress, p.plate.f);
    p.plateDeflection =
        PointLoadPlateDeflectionVerdict(p.plate.deflection, p.plate.deflectionLimit);
    p.stiffenerStrength =
        PointLoadStiffenerStrengthVerdict(p.stiffener.display.stress, p.stiffener.f);
    p.stiffenerDeflection = PointLoadStiffenerDeflectionVerdict(bay.span, p.stiffener.deflection);
    done(BayStage::PointLoadVerdicts);
    return c;
}

}  // namespace

BayCheck CheckBay(const BayInput& bay, const BayStageObserver& observer) {
    return CheckStages(bay, nullptr, DisplayTexts::All, observer);
}

PlateChecks CheckPlates(const BayInput& bay, DisplayTexts texts) {
    PlateChecks checks{CheckDeckPlate(bay.dead, bay.live, bay.thickness, bay.span, bay.spacing,
                                      bay.continuous, bay.basis),
                       std::nullopt};
    if (bay.pointLoad) checks.pointLoad = PointLoadPlateOf(bay, checks.plate, texts);
    return checks;
}

BayCheck CheckBay(const BayInput& bay, const PlateChecks& plates, DisplayTexts texts) {
    return CheckStages(bay, &plates, texts, {});
}

Utilisation Utilisations(const BayCheck& check) {
    // A span of 0 gives a ratio of 0: its utilisation is a division by zero, named as such.
    const auto deflection = [](double limit, double ratio, Quantity quantity) {
        return Compute(quantity, [&] { return Checked(limit) / ratio; }).value();
    };
    Utilisation u{ParseNumber(check.plate.display.stress) / check.plate.f,
                  deflection(kPlateDeflectionLimit, check.plateDeflection.ratio,
                             Quantity::PlateDeflectionRatio),
                  check.stiffener.stress / check.stiffener.f,
                  deflection(kStiffenerDeflectionLimit, check.stiffenerDeflection.ratio,
                             Quantity::StiffenerDeflectionRatio),
                  std::nullopt};
    if (const auto& p = check.pointLoad) {
        u.pointLoad = Utilisation::PointLoad{
            ParseNumber(p->plate.display.stress) / p->plate.f,
            p->plate.deflection / p->plate.deflectionLimit, p->stiffener.stress / p->stiffener.f,
            deflection(kStiffenerDeflectionLimit, p->stiffenerDeflection.ratio,
                       Quantity::PointLoadStiffenerDeflectionRatio)};
    }
    return u;
}

namespace {

struct NamedUtilisation {
    const char* name;
    double value;
};

// Every utilisation of the bay with its name, in the order of the checks.
std::vector<NamedUtilisation> Named(const Utilisation& u) {
    std::vector<NamedUtilisation> all{{"plate_strength", u.plateStrength},
                                      {"plate_deflection", u.plateDeflection},
                                      {"stiffener_strength", u.stiffenerStrength},
                                      {"stiffener_deflection", u.stiffenerDeflection}};
    if (const auto& p = u.pointLoad) {
        all.insert(all.end(), {{"point_load_plate_strength", p->plateStrength},
                               {"point_load_plate_deflection", p->plateDeflection},
                               {"point_load_stiffener_strength", p->stiffenerStrength},
                               {"point_load_stiffener_deflection", p->stiffenerDeflection}});
    }
    return all;
}

}  // namespace

double Utilisation::Governing() const {
    double largest = plateStrength;
    for (const NamedUtilisation& n : Named(*this)) largest = std::max(largest, n.value);
    return largest;
}

const char* Utilisation::GoverningCheck() const {
    const double g = Governing();
    for (const NamedUtilisation& n : Named(*this))
        if (n.value == g) return n.name;
    return "stiffener_deflection";
}

}  // namespace deckplate
