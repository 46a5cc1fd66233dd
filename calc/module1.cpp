#include "calc/module1.h"

#include <array>

#include "calc/number_text.h"

namespace deckplate {
namespace {

struct CoefficientRow {
    double alpha;
    double beta;
};

// Rows for the rounded aspect ratios 1.0, 1.1, … 2.0. β is the elastic value for ν = 0.3
// (Timoshenko's w·D / (q·a⁴) times 12·(1 − ν²)); α from 1.0 to 1.5 is larger than the elastic
// moment coefficient, on the safe side. β of row 1.0 is the legacy basis' 0.0433; the elastic
// 0.0443 is kCurrentSquareBeta.
constexpr std::array<CoefficientRow, 11> kFourEdgeRows{{
    {0.065, 0.0433},
    {0.07, 0.053},
    {0.074, 0.0616},
    {0.079, 0.0697},
    {0.083, 0.077},
    {0.085, 0.0843},
    {0.0862, 0.0906},
    {0.0908, 0.0964},
    {0.0948, 0.1017},
    {0.0985, 0.1064},
    {0.1017, 0.1106},
}};
// Every ratio outside 1.0 … 2.0: a long narrow panel behaves as a one-way strip.
constexpr CoefficientRow kOutsideTable{0.125, 0.1422};
constexpr double kCurrentSquareBeta = 0.0443;

}  // namespace

Checked MaxOfThree(Checked first, Checked second, Checked third) {
    Checked m = first > second ? first : second;
    if (m < third) m = third;
    return m;
}

void PlateCoefficients(Checked span, Checked spacing, double& alpha, double& beta,
                       DesignBasis basis) {
    const double ratio = RoundDecimals((span / spacing).value(), 1);
    // The rounded ratio is a whole number of tenths; selecting the row by that whole number
    // keeps 1.2 in the row 1.2 however the tenth is represented in binary.
    const double tenths = RoundDecimals(ratio * 10.0, 0);
    const CoefficientRow& row = tenths >= 10.0 && tenths <= 20.0
                                    ? kFourEdgeRows[static_cast<std::size_t>(tenths) - 10]
                                    : kOutsideTable;
    alpha = row.alpha;
    beta = tenths == 10.0 && basis == DesignBasis::Current ? kCurrentSquareBeta : row.beta;
}

Checked PlateMoment(Checked alpha, Checked designLoad, Checked spacing) {
    const Checked alphaQ = alpha * designLoad;
    const Checked spacingSquared = Power(spacing / 1000.0, 2);
    return alphaQ * spacingSquared;
}

Checked PlateStress(Checked moment, Checked thickness) {
    const Checked numerator = 6000.0 * moment;
    const Checked denominator = 1.2 * Power(thickness, 2);
    return numerator / denominator;
}

Checked PlateDeflection(Checked beta, Checked standardLoad, Checked spacing, Checked thickness) {
    const Checked modulus = kSteelModulus;
    const Checked numerator = beta * standardLoad * Power(spacing, 4);
    return numerator / (modulus * Power(thickness, 3)) / 1000.0;
}

}  // namespace deckplate
