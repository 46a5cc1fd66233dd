#include "calc/stiffener.h"

#include "calc/code_values.h"
#include "calc/number_text.h"
#include "calc/plate_formulas.h"

namespace deckplate {
namespace {

// The stiffener alone, in mm units, positioned below the plate of thickness t.
struct Section {
    Checked As, Is;
    Checked H;           // depth below the plate
    Checked ys;          // centroid below the plate's top face
    Checked gamma;       // plastic adaptation factor at the lower edge
    Checked centroidCm;  // as displayed: from the flat bar's edge, or the angle's short leg
    Checked y0;          // angle: centroid above the outer face of the short leg

    // Distance from the composite centroid Yo down to the stiffener's centroid.
    Checked LeverBelow(Checked Yo, Checked t, bool flatBar) const {
        return flatBar ? H / 2.0 + t - Yo : t + H - Yo - y0;
    }
};

Section FlatBarSection(const FlatBar& bar, Checked t) {
    const Checked h = bar.height, tb = bar.thickness;
    return {tb * h, Power(h, 3) * tb / 12.0, h, h / 2.0 + t, kFlatBarTipGamma, h / 20.0, 0.0};
}

// "超出限值<1/250>，须重新计算": the end of an exceeded deflection verdict against L/limit.
std::string RatioExceededSuffix(double limit) {
    return "超出限值<1/" + PlainNumberText(limit) + ">，须重新计算";
}

// 30·t·εk, capped at the spacing: the plate between two stiffeners is shared, never counted
// twice. εk of 1 multiplies nothing, so Q235 and the legacy basis keep 30 t to the last bit.
Checked StripWidth(Checked t, Checked a, double epsilonK) {
    const Checked thirtyT =
        epsilonK == 1.0 ? kStripThicknesses * t : kStripThicknesses * t * epsilonK;
    return a < thirtyT ? a : thirtyT;
}

Section AngleSectionMm(const AngleValues& angle, Checked t) {
    const Checked H = angle.H, y0 = 10.0 * Checked(angle.y0);
    return {100.0 * Checked(angle.A),
            10000.0 * Checked(angle.Ix),
            H,
            t + H - y0,
            kAngleLegGamma,
            y0 / 10.0,
            y0};
}

// The composite section in mm units: the plate strip that works with the stiffener, the
// stiffener below it, and their centroid Yo below the plate's top face and inertia Ix.
struct Composite {
    bool flatBar;
    Checked be, Ap, Ip;
    Section stiffener;
    Checked Yo, Ix;
};

Composite CompositeSection(Checked t, Checked a, double epsilonK, const Stiffener& stiffener) {
    const Checked be = Compute(Quantity::PlateStrip, [&] { return StripWidth(t, a, epsilonK); });
    const Checked Ap = Compute(Quantity::PlateStrip, [&] { return t * be; });
    const Checked Ip = Compute(Quantity::PlateStrip, [&] { return Power(t, 3) * be / 12.0; });
    const Section s = Compute(Quantity::StiffenerSection, [&] {
        return std::visit(
            [&](const auto& kind) {
                if constexpr (std::is_same_v<std::decay_t<decltype(kind)>, FlatBar>)
                    return FlatBarSection(kind, t);
                else
                    return AngleSectionMm(kind, t);
            },
            stiffener);
    });

    const Checked Yo = Compute(Quantity::CompositeCentroid,
                               [&] { return (s.ys * s.As + t * Ap / 2.0) / (Ap + s.As); });
    const bool flatBar = std::holds_alternative<FlatBar>(stiffener);
    const Checked Ix = Compute(Quantity::CompositeInertia, [&] {
        const Checked lever = s.LeverBelow(Yo, t, flatBar);
        return (Power(Yo - t / 2.0, 2) * Ap + Ip + s.Is) + Power(lever, 2) * s.As;
    });
    return {flatBar, be, Ap, Ip, s, Yo, Ix};
}

// The beam's moment and deflections, simply supported on the span under one spacing of load.
struct BeamActions {
    Checked Ms, deflection, liveDeflection;
};

// The loads as surface loads, kN/m²: design, standard, live alone.
struct SurfaceLoads {
    Checked design, standard, live;
};

BeamActions Actions(const Composite& section, Checked L, Checked a, const SurfaceLoads& loads,
                    DesignBasis basis) {
    const Checked Ms = Compute(Quantity::StiffenerMoment,
                               [&] { return Power(L, 2) * (a / 1000.0 * loads.design) / 8.0; });
    // 5·q·a·L⁴ / (384·E·Ix) under a surface load on one spacing.
    const Checked spanFourth = Compute(Quantity::StiffenerDeflection, [&] { return Power(L, 4); });
    const auto beamDeflection = [&](Checked load) {
        return spanFourth * (a * load / 1000.0 * 5.0) / 384.0 / (kSteelModulus / 1000.0) / 1000.0 /
               section.Ix;
    };
    const Checked deflection =
        Compute(Quantity::StiffenerDeflection, [&] { return beamDeflection(loads.standard); });
    // The live load's own deflection is a check of the current basis only.
    const Checked liveDeflection =
        basis == DesignBasis::Current
            ? Compute(Quantity::StiffenerLiveDeflection, [&] { return beamDeflection(loads.live); })
            : Checked(0.0);
    return {Ms, deflection, liveDeflection};
}

// The stresses at the extreme fibres, the plate's top face and the stiffener's lower edge, each
// with its γx, and the larger as the stiffener's stress.
struct FibreStresses {
    bool slender;
    double topGamma;
    Checked bottomGamma, top, bottom, stress;
};

FibreStresses Stresses(const Composite& section, Checked Ms, Checked t, bool slender) {
    const Checked Yo = section.Yo, Ix = section.Ix;
    // A plate beyond S3 beside the stiffener leaves the section no plastic adaptation.
    const double topGamma = slender ? kNoPlasticAdaptation : kTopFaceGamma;
    const Checked bottomGamma = slender ? Checked(kNoPlasticAdaptation) : section.stiffener.gamma;
    const Checked top = Compute(Quantity::StiffenerStress, [&] { return Yo * Ms / topGamma / Ix; });
    const Checked bottom = Compute(Quantity::StiffenerStress, [&] {
        return (t + section.stiffener.H - Yo) * Ms / bottomGamma / Ix;
    });
    const Checked stress = RoundDecimals(MaxOfThree(top, bottom, 0.0).value(), 2);
    return {slender, topGamma, bottomGamma, top, bottom, stress};
}

// The results as the window shows them, in its units.
StiffenerShown ShownOf(const Composite& section, const BeamActions& actions,
                       const FibreStresses& stresses) {
    const Section& s = section.stiffener;
    return {.moment = {(actions.Ms / 1000.0 / 1000.0).value()},
            .deflection = {actions.deflection.value()},
            .stress = {stresses.stress.value()},
            .centroid = {s.centroidCm.value()},
            .inertia = {(s.Is / 10000.0).value()},
            .area = {(s.As / 100.0).value()},
            .compositeCentroid = {(section.Yo / 10.0).value()},
            .compositeInertia = {(section.Ix / 10000.0).value()},
            .selfWeight = {0, 1},
            .liveDeflection = {actions.liveDeflection.value()}};
}

// The results in their units, with the stiffener's strengths; the self-weight follows in
// AddSelfWeight.
StiffenerResult ResultOf(const Composite& section, const BeamActions& actions,
                         const FibreStresses& stresses, const PartStrength& strength,
                         double epsilonK) {
    const Section& s = section.stiffener;
    std::optional<FlatBarStored> flatBar;
    if (section.flatBar) {
        flatBar = FlatBarStored{RoundDecimals((s.As / 100.0).value(), 2),
                                RoundDecimals((s.Is / 10000.0).value(), 2)};
    }
    return {.be = section.be.value(),
            .Ap = section.Ap.value(),
            .Ip = section.Ip.value(),
            .As = s.As.value(),
            .Is = s.Is.value(),
            .ys = s.ys.value(),
            .Yo = section.Yo.value(),
            .Ix = section.Ix.value(),
            .depth = s.H.value(),
            .slenderFlange = stresses.slender,
            .topGamma = stresses.topGamma,
            .bottomGamma = stresses.bottomGamma.value(),
            .Ms = actions.Ms.value(),
            .deflection = actions.deflection.value(),
            .liveDeflection = actions.liveDeflection.value(),
            .stressTop = stresses.top.value(),
            .stressBottom = stresses.bottom.value(),
            .stress = stresses.stress.value(),
            .f = strength.f,
            .fv = strength.fv,
            .epsilonK = epsilonK,
            .selfWeight = 0,
            .shown = ShownOf(section, actions, stresses),
            .flatBar = flatBar};
}

}  // namespace

double PlateStripWidth(double thickness, double spacing, double epsilonK) {
    return Compute(Quantity::PlateStrip,
                   [&] {
                       const Checked t = InputNumber(thickness), a = InputNumber(spacing);
                       return StripWidth(t, a, epsilonK);
                   })
        .value();
}

double StiffenerThickness(const Stiffener& stiffener) {
    if (const auto* bar = std::get_if<FlatBar>(&stiffener)) return bar->thickness;
    return std::get<AngleValues>(stiffener).legThickness;
}

bool SlenderPlateFlange(double thickness, double spacing, double epsilonK, DesignBasis basis) {
    return basis == DesignBasis::Current &&
           Exceeds(spacing, 2.0 * kCompactOutstandLimit * thickness * epsilonK);
}

StiffenerResult StiffenerBeam(double thickness, const StiffenerLoads& loads, double span,
                              double spacing, const Stiffener& stiffener, DesignBasis basis,
                              SteelGrade steel) {
    const Checked t = InputNumber(thickness), Q = InputNumber(loads.design),
                  Qk = InputNumber(loads.standard), QL = InputNumber(loads.live),
                  L = InputNumber(span), a = InputNumber(spacing);
    const double epsilonK = EpsilonK(basis, steel);
    const Composite section = CompositeSection(t, a, epsilonK, stiffener);
    const BeamActions actions = Actions(section, L, a, {Q, Qk, QL}, basis);
    const FibreStresses stresses =
        Stresses(section, actions.Ms, t, SlenderPlateFlange(thickness, spacing, epsilonK, basis));

    return ResultOf(section, actions, stresses,
                    StrengthOf(basis, steel, StiffenerThickness(stiffener)), epsilonK);
}

double SelfWeight(double thickness, double spacing, double stiffenerArea) {
    return Compute(Quantity::SelfWeight,
                   [&] {
                       const Checked t = thickness, a = spacing, As = stiffenerArea;
                       // The stiffeners spread over their spacing: a plate As / a mm thick.
                       const Checked spread = As / a;
                       return (spread + t) * (kSteelUnitWeight / 1000.0);
                   })
        .value();
}

void AddSelfWeight(StiffenerResult& r, double thickness, double spacing) {
    r.selfWeight = SelfWeight(thickness, spacing, r.As);
    r.shown.selfWeight = {r.selfWeight, 1};
}

StiffenerResult CheckStiffener(double thickness, double q, double qk, double span, double spacing,
                               const Stiffener& stiffener, DesignBasis basis, SteelGrade steel) {
    StiffenerResult r =
        StiffenerBeam(thickness, {q, qk, 0.0}, span, spacing, stiffener, basis, steel);
    AddSelfWeight(r, thickness, spacing);
    return r;
}

StrengthVerdict StiffenerStrengthVerdict(double displayedStress, double strengthLimit) {
    return detail::JudgeStrength(
        displayedStress, strengthLimit,
        {"★加劲肋强度超出限值<", "N/mm2>,须重新计算", "加劲肋强度满足要求"});
}

double StiffenerDeflectionLimit(DesignBasis basis) {
    return basis == DesignBasis::Current ? kCurrentStiffenerDeflectionLimit
                                         : kStiffenerDeflectionLimit;
}

std::string_view StiffenerDeflectionExceededSuffix(DesignBasis basis) {
    // Formed once for each basis: `design` judges a verdict for every candidate it tries.
    static const std::string legacy = RatioExceededSuffix(kStiffenerDeflectionLimit),
                             current = RatioExceededSuffix(kCurrentStiffenerDeflectionLimit);
    return basis == DesignBasis::Current ? current : legacy;
}

DeflectionVerdict StiffenerDeflectionVerdict(double span, double deflection, DesignBasis basis) {
    return detail::JudgeDeflection(
        span, deflection, StiffenerDeflectionLimit(basis), Quantity::StiffenerDeflectionRatio,
        {"★加劲肋挠度", StiffenerDeflectionExceededSuffix(basis), "加劲肋挠度满足要求"});
}

DeflectionVerdict StiffenerLiveDeflectionVerdict(double span, double deflection) {
    constexpr double kLimit = kStiffenerLiveDeflectionLimit;
    // Without a live load the stiffener has no live-load deflection: nothing to judge, no ratio.
    if (deflection == 0.0) return {false, 0.0, "加劲肋活载挠度满足要求", kLimit, span / kLimit};
    static const std::string suffix = RatioExceededSuffix(kLimit);
    return detail::JudgeDeflection(span, deflection, kLimit, Quantity::StiffenerLiveDeflectionRatio,
                                   {"★加劲肋活载挠度", suffix, "加劲肋活载挠度满足要求"});
}

}  // namespace deckplate
