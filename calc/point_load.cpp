#include "calc/point_load.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "calc/code_values.h"
#include "calc/number_text.h"
#include "calc/plate_formulas.h"

namespace deckplate {
namespace {

// The centre of the plate under a patch u × v of unit pressure-resultant, term m of Lévy's
// series in the x direction (across, span a) with the y direction (along, span b) solved
// exactly: the infinite strip's solution plus the homogeneous part that makes the edges
// y = ±b/2 simply supported. Returns w_m(0) and w_m''(0) times the plate rigidity D.
struct LevyTerm {
    double w;    // D·w_m at the centre
    double wyy;  // D·∂²w_m/∂y² at the centre
};

LevyTerm Term(int m, double a, double b, double u, double v, double pressure) {
    const double al = m * std::numbers::pi / a, al2 = al * al;
    const double h = b / 2.0, c = v / 2.0;
    // Fourier coefficient of the patch, with sin(mπ/2) of the centre.
    const double p = 4.0 * pressure / (m * std::numbers::pi) * std::sin(al * u / 2.0);
    const double near = std::exp(-al * c);
    // The infinite strip loaded over |y| < c: its Green's function (1 + α|y|)·e^(−α|y|)/(4α³).
    const double stripCentre = p / (2.0 * al2 * al2) * (2.0 - (2.0 + al * c) * near);
    const double stripCentreYy = -p * c * near / (2.0 * al);
    // Where the strip's solution has died away at the edges (to e^−36 of its centre value), the
    // edges' correction would change no digit of the sum.
    if (al * (h - c) > 36.0) return {stripCentre, stripCentreYy};
    const double inner = std::exp(-al * (h - c)), outer = std::exp(-al * (h + c));
    const double stripEdge =
        p / (4.0 * al2 * al2) * ((2.0 + al * (h - c)) * inner - (2.0 + al * (h + c)) * outer);
    const double stripEdgeYy = p / (4.0 * al) * ((h - c) * inner - (h + c) * outer);
    // A·cosh(αy) + B·αy·sinh(αy) with w = w'' = 0 at y = h, in A·cosh(αh) and B·cosh(αh)
    // so that nothing overflows for a long panel.
    const double e2 = std::exp(-2.0 * al * h);
    const double b1 = (al2 * stripEdge - stripEdgeYy) / (2.0 * al2);
    const double a1 = -stripEdge - b1 * al * h * (1.0 - e2) / (1.0 + e2);
    const double sech = 2.0 * std::sqrt(e2) / (1.0 + e2);
    return {stripCentre + a1 * sech, stripCentreYy + al2 * (a1 + 2.0 * b1) * sech};
}

}  // namespace

PatchInfluence PatchLoadInfluence(double spacing, double span, double across, double along) {
    return Compute(Quantity::PointLoadPatch, [&] {
        const Checked a = InputNumber(spacing), b = InputNumber(span);
        const Checked u = a < Checked(across) ? a : Checked(across);
        const Checked v = b < Checked(along) ? b : Checked(along);
        // The pressure of a unit force: a patch, spacing or span of 0 divides by zero here.
        const Checked pressure = 1.0 / (u * v);
        const double nu = kPoissonRatio;
        const double rigidity = 1.0 / (12.0 * (1.0 - nu * nu));  // D of E·t³ = 1
        double w = 0, mx = 0, my = 0;
        std::array<PatchSeriesTerm, kFirstSeriesTerms> firstTerms{};
        // Term m's share of the moment is at most 4·a²·p/(π³·m³) for the pressure p: the odd
        // terms beyond m add up to at most a²·p/(π³·m²), and summing stops when that is under
        // 0.05 % of the sum. A small patch needs many terms (about 15·a/u); a sum short of its
        // bound is never reported.
        for (int m = 1;; m += 2) {
            if (m > 2 * kMostSeriesTerms) throw ArithmeticError(ArithmeticFault::NoConvergence);
            const LevyTerm t =
                Term(m, a.value(), b.value(), u.value(), v.value(), pressure.value());
            const double al = m * std::numbers::pi / a.value(), al2 = al * al;
            const PatchSeriesTerm term{.m = m,
                                       .deflection = t.w / rigidity,
                                       .momentAcross = al2 * t.w - nu * t.wyy,
                                       .momentAlong = nu * al2 * t.w - t.wyy};
            if (const std::size_t index = static_cast<std::size_t>(m / 2);
                index < firstTerms.size())
                firstTerms[index] = term;
            w += t.w;
            mx += term.momentAcross;
            my += term.momentAlong;
            const double tail = a.value() * a.value() * pressure.value() /
                                (std::numbers::pi * std::numbers::pi * std::numbers::pi * m * m);
            if (m > 1 && tail < 5e-4 * std::max(mx, my)) {
                const Checked moment = std::max(mx, my);
                const Checked deflection = w / rigidity;
                return PatchInfluence{.across = u.value(),
                                      .along = v.value(),
                                      .moment = moment.value(),
                                      .deflection = deflection.value(),
                                      .momentAcross = mx,
                                      .momentAlong = my,
                                      .terms = (m + 1) / 2,
                                      .firstTerms = firstTerms};
            }
        }
    });
}

const PatchInfluence& PatchInfluenceMemo::Of(double spacing, double span, double across,
                                             double along) {
    const std::array<double, 4> key{spacing, span, across, along};
    for (const Entry& entry : entries_)
        if (entry.key == key) return entry.influence;
    Entry entry{key, PatchLoadInfluence(spacing, span, across, along)};
    if (entries_.size() < kRemembered) return entries_.emplace_back(std::move(entry)).influence;
    Entry& oldest = entries_[next_];
    next_ = (next_ + 1) % kRemembered;
    oldest = std::move(entry);
    return oldest.influence;
}

double PointLoadFactor(DesignBasis basis) {
    return basis == DesignBasis::Current ? kCurrentLiveFactor : kLegacyLiveFactor;
}

PointLoadPlateResult PointLoadPlate(const PointLoad& load, double dead, double thickness,
                                    double spacing, const DeckPlateResult& plate,
                                    const PatchInfluence& influence) {
    const Checked D = InputNumber(dead), F = InputNumber(load.force), t = InputNumber(thickness),
                  a = InputNumber(spacing);
    const Checked gammaQ = PointLoadFactor(plate.basis), gamma0 = plate.gamma0;
    const bool envelope = plate.coefficients.source == CoefficientSource::ContinuousEnvelope;
    PointLoadPlateResult r;
    r.across = influence.across;
    r.along = influence.along;
    r.influence = influence;
    r.f = plate.f;
    // The dead load's part as the uniform check takes it: α of the panel, or under a continuous
    // plate of the current basis the envelope's dead-load coefficients; γ0 is 1 under the legacy
    // basis, which never took it.
    const Checked momentDead = Compute(Quantity::PointLoadPlateMoment, [&] {
        return envelope ? EnvelopeMoment(plate.coefficients, plate.factors.dead, D, gammaQ, 0.0,
                                         gamma0, a)
                        : PlateMoment(plate.alpha, gamma0 * plate.factors.dead * D, a);
    });
    // The influence is per unit force in N·mm/mm; the force in kN gives kN·m per m.
    const Checked momentPoint = Compute(Quantity::PointLoadPlateMoment,
                                        [&] { return gamma0 * gammaQ * F * influence.moment; });
    const Checked moment =
        Compute(Quantity::PointLoadPlateMoment, [&] { return momentDead + momentPoint; });
    const Checked stress =
        Compute(Quantity::PointLoadPlateStress, [&] { return PlateStress(moment, t); });
    const Checked deflectionDead = Compute(Quantity::PointLoadPlateDeflection, [&] {
        return envelope ? EnvelopeDeflection(plate.coefficients, D, 0.0, a, t)
                        : PlateDeflection(plate.beta, D, a, t);
    });
    const Checked deflectionPoint = Compute(Quantity::PointLoadPlateDeflection, [&] {
        return F * 1000.0 * influence.deflection / (kSteelModulus * Power(t, 3));
    });
    const Checked deflection = Compute(Quantity::PointLoadPlateDeflection,
                                       [&] { return deflectionDead + deflectionPoint; });
    const double limit =
        std::min(spacing / kPointLoadPlateDeflectionLimit, kPointLoadPlateStepLimit);
    r.momentDead = momentDead.value();
    r.momentPoint = momentPoint.value();
    r.moment = moment.value();
    r.stress = stress.value();
    r.deflectionDead = deflectionDead.value();
    r.deflectionPoint = deflectionPoint.value();
    r.deflection = deflection.value();
    r.deflectionLimit = limit;
    r.shown = {{r.moment}, {r.stress}, {r.deflection}};
    return r;
}

PointLoadStiffenerResult PointLoadStiffener(const PointLoad& load, double dead, double thickness,
                                            double spacing, double span,
                                            const DeckPlateResult& plate,
                                            const StiffenerResult& section, double supportDead) {
    const Checked D = InputNumber(dead), F = InputNumber(load.force), t = InputNumber(thickness),
                  a = InputNumber(spacing), L = InputNumber(span), Yo = section.Yo, Ix = section.Ix,
                  kD = supportDead;
    const Checked gammaG = plate.factors.dead, gammaQ = PointLoadFactor(plate.basis),
                  gamma0 = plate.gamma0;
    const Checked Ms = Compute(Quantity::PointLoadStiffenerMoment, [&] {
        return Power(L, 2) * (a / 1000.0 * (gamma0 * gammaG * kD * D)) / 8.0 +
               gamma0 * gammaQ * F * 1000.0 * L / 4.0;
    });
    const Checked deflection = Compute(Quantity::PointLoadStiffenerDeflection, [&] {
        const Checked modulus = kSteelModulus;
        return Power(L, 4) * (a * (kD * D) / 1000.0 * 5.0) / (384.0 * modulus * Ix) +
               F * 1000.0 * Power(L, 3) / (48.0 * modulus * Ix);
    });
    const Checked top = Compute(Quantity::PointLoadStiffenerStress,
                                [&] { return Yo * Ms / section.topGamma / Ix; });
    const Checked bottom = Compute(Quantity::PointLoadStiffenerStress, [&] {
        return (t + section.depth - Yo) * Ms / section.bottomGamma / Ix;
    });
    const Checked stress = RoundDecimals(MaxOfThree(top, bottom, 0.0).value(), 2);
    PointLoadStiffenerResult r;
    r.Ms = Ms.value();
    r.stressTop = top.value();
    r.stressBottom = bottom.value();
    r.stress = stress.value();
    r.deflection = deflection.value();
    r.f = section.f;
    r.shown = {{(Ms / 1000.0 / 1000.0).value()}, {r.stress}, {r.deflection}};
    return r;
}

StrengthVerdict PointLoadPlateStrengthVerdict(double displayedStress, double strengthLimit) {
    return detail::JudgeStrength(
        displayedStress, strengthLimit,
        {"★钢铺板集中荷载强度超出限值<", "N/mm2>,须重新计算", "钢铺板集中荷载强度满足要求"});
}

DeflectionLimitVerdict PointLoadPlateDeflectionVerdict(double deflection, double limit) {
    if (!Reaches(deflection, limit)) return {false, "钢铺板集中荷载挠度满足要求"};
    return {true, "★钢铺板集中荷载挠度" + DisplayText(deflection) + "mm超出限值<" +
                      DisplayText(limit) + "mm>,须重新计算"};
}

StrengthVerdict PointLoadStiffenerStrengthVerdict(double displayedStress, double strengthLimit) {
    return detail::JudgeStrength(
        displayedStress, strengthLimit,
        {"★加劲肋集中荷载强度超出限值<", "N/mm2>,须重新计算", "加劲肋集中荷载强度满足要求"});
}

DeflectionVerdict PointLoadStiffenerDeflectionVerdict(double span, double deflection,
                                                      DesignBasis basis) {
    return detail::JudgeDeflection(span, deflection, StiffenerDeflectionLimit(basis),
                                   Quantity::PointLoadStiffenerDeflectionRatio,
                                   {"★加劲肋集中荷载挠度", StiffenerDeflectionExceededSuffix(basis),
                                    "加劲肋集中荷载挠度满足要求"});
}

}  // namespace deckplate
