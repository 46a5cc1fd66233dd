#include "calc/deck_plate.h"

#include "calc/code_values.h"
#include "calc/number_text.h"
#include "calc/plate_formulas.h"

namespace deckplate {

DeckPlateResult CheckDeckPlate(double dead, double live, double thickness, double span,
                               double spacing, bool continuous, DesignBasis basis, SteelGrade steel,
                               double gamma0) {
    const Checked D = InputNumber(dead), P = InputNumber(live), t = InputNumber(thickness),
                  b = InputNumber(span), a = InputNumber(spacing), g0 = InputNumber(gamma0);
    const bool current = basis == DesignBasis::Current;
    DeckPlateResult r;
    r.basis = basis;
    r.steel = steel;
    r.gamma0 = gamma0;
    r.factors = DesignLoadFactors(basis, live);
    r.f = StrengthOf(basis, steel, thickness).f;
    const Checked gammaG = r.factors.dead, gammaQ = r.factors.live;
    // The legacy basis forms q as it always did; the current one as GB 55001-2021 writes it.
    const Checked q = Compute(Quantity::DesignLoad, [&] {
        return current ? g0 * (gammaG * D + gammaQ * P) : P * gammaQ + D * gammaG;
    });
    const Checked qk = Compute(Quantity::StandardLoad, [&] { return D + P; });
    r.q = q.value();
    r.qk = qk.value();

    if (continuous) {
        r.coefficients = current
                             ? ContinuousEnvelopeCoefficients()
                             : PlateCoefficientChoice{kContinuousPlate.alpha, kContinuousPlate.beta,
                                                      CoefficientSource::Continuous, 0.0};
    } else {
        r.coefficients =
            Compute(Quantity::PlateAspectRatio, [&] { return PlateCoefficients(b, a, basis); });
    }
    r.alpha = r.coefficients.alpha;
    r.beta = r.coefficients.beta;
    const bool envelope = r.coefficients.source == CoefficientSource::ContinuousEnvelope;
    const Checked M = Compute(Quantity::PlateMoment, [&] {
        return envelope ? EnvelopeMoment(r.coefficients, gammaG, D, gammaQ, P, g0, a)
                        : PlateMoment(r.alpha, q, a);
    });
    const Checked sigma = Compute(Quantity::PlateStress, [&] { return PlateStress(M, t); });
    const Checked delta = Compute(Quantity::PlateDeflection, [&] {
        return envelope ? EnvelopeDeflection(r.coefficients, D, P, a, t)
                        : PlateDeflection(r.beta, qk, a, t);
    });
    r.moment = M.value();
    r.stress = sigma.value();
    r.deflection = delta.value();
    r.shown = {{r.moment}, {r.deflection}, {r.stress}};
    return r;
}

StrengthVerdict PlateStrengthVerdict(double displayedStress, double strengthLimit) {
    return detail::JudgeStrength(
        displayedStress, strengthLimit,
        {"★钢铺板强度超出限值<", "N/mm2>,须重新计算", "钢铺板强度满足要求"});
}

DeflectionVerdict PlateDeflectionVerdict(double spacing, double deflection) {
    return detail::JudgeDeflection(
        spacing, deflection, kPlateDeflectionLimit, Quantity::PlateDeflectionRatio,
        {"★平台铺板挠度", "超出限值<1/150>，须重新计算", "钢铺板挠度满足要求"});
}

}  // namespace deckplate
