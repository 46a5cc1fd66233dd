#include "calc/deck_plate.h"

#include "calc/code_values.h"
#include "calc/number_text.h"
#include "calc/plate_formulas.h"

namespace deckplate {

DeckPlateResult CheckDeckPlate(double dead, double live, double thickness, double span,
                               double spacing, bool continuous, DesignBasis basis,
                               SteelGrade steel) {
    const Checked D = InputNumber(dead), P = InputNumber(live), t = InputNumber(thickness),
                  b = InputNumber(span), a = InputNumber(spacing);
    DeckPlateResult r;
    r.basis = basis;
    r.steel = steel;
    r.factors = DesignLoadFactors(basis, live);
    r.f = StrengthOf(basis, steel, thickness).f;
    const Checked q =
        Compute(Quantity::DesignLoad, [&] { return P * r.factors.live + D * r.factors.dead; });
    const Checked qk = Compute(Quantity::StandardLoad, [&] { return D + P; });
    r.q = q.value();
    r.qk = qk.value();

    if (continuous) {
        r.coefficients = {kContinuousPlate.alpha, kContinuousPlate.beta,
                          CoefficientSource::Continuous, 0.0};
    } else {
        r.coefficients =
            Compute(Quantity::PlateAspectRatio, [&] { return PlateCoefficients(b, a, basis); });
    }
    r.alpha = r.coefficients.alpha;
    r.beta = r.coefficients.beta;
    const Checked M = Compute(Quantity::PlateMoment, [&] { return PlateMoment(r.alpha, q, a); });
    const Checked sigma = Compute(Quantity::PlateStress, [&] { return PlateStress(M, t); });
    const Checked delta =
        Compute(Quantity::PlateDeflection, [&] { return PlateDeflection(r.beta, qk, a, t); });
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
