#include "calc/plate_formulas.h"

#include "calc/code_values.h"
#include "calc/number_text.h"

namespace deckplate {

Checked MaxOfThree(Checked first, Checked second, Checked third) {
    Checked m = first > second ? first : second;
    if (m < third) m = third;
    return m;
}

PlateCoefficientChoice PlateCoefficients(Checked span, Checked spacing, DesignBasis basis) {
    const double ratio = RoundDecimals((span / spacing).value(), 1);
    // The rounded ratio is a whole number of tenths; selecting the row by that whole number
    // keeps 1.2 in the row 1.2 however the tenth is represented in binary.
    const double tenths = RoundDecimals(ratio * 10.0, 0);
    const bool inTable = tenths >= kTableFirstTenths && tenths <= kTableLastTenths;
    const CoefficientRow& row =
        inTable ? kFourEdgeRows[static_cast<std::size_t>(tenths - kTableFirstTenths)]
                : kOneWayStrip;
    const bool currentSquare = tenths == kTableFirstTenths && basis == DesignBasis::Current;
    return {row.alpha, currentSquare ? kCurrentSquareBeta : row.beta,
            inTable ? CoefficientSource::Table : CoefficientSource::OneWayStrip, ratio};
}

PlateCoefficientChoice ContinuousEnvelopeCoefficients() {
    const ContinuousEnvelope& e = kContinuousEnvelope;
    return {.alpha = e.momentDead,
            .beta = e.deflectionDead,
            .source = CoefficientSource::ContinuousEnvelope,
            .aspectRatio = 0,
            .alphaLive = e.momentLive,
            .betaLive = e.deflectionLive};
}

Checked EnvelopeMoment(const PlateCoefficientChoice& c, Checked gammaG, Checked dead,
                       Checked gammaQ, Checked live, Checked gamma0, Checked spacing) {
    const Checked loads = Checked(c.alpha) * gammaG * dead + Checked(c.alphaLive) * gammaQ * live;
    return loads * gamma0 * Power(spacing / 1000.0, 2);
}

Checked EnvelopeDeflection(const PlateCoefficientChoice& c, Checked dead, Checked live,
                           Checked spacing, Checked thickness) {
    const Checked modulus = kSteelModulus;
    const Checked loads =
        kPlateRigidityFactor * (Checked(c.beta) * dead + Checked(c.betaLive) * live);
    return loads * Power(spacing, 4) / (modulus * Power(thickness, 3)) / 1000.0;
}

Checked PlateMoment(Checked alpha, Checked designLoad, Checked spacing) {
    const Checked alphaQ = alpha * designLoad;
    const Checked spacingSquared = Power(spacing / 1000.0, 2);
    return alphaQ * spacingSquared;
}

Checked PlateStress(Checked moment, Checked thickness) {
    const Checked numerator = 6000.0 * moment;
    const Checked denominator = kPlateGamma * Power(thickness, 2);
    return numerator / denominator;
}

Checked PlateDeflection(Checked beta, Checked standardLoad, Checked spacing, Checked thickness) {
    const Checked modulus = kSteelModulus;
    const Checked numerator = beta * standardLoad * Power(spacing, 4);
    return numerator / (modulus * Power(thickness, 3)) / 1000.0;
}

}  // namespace deckplate
