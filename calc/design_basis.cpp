#include "calc/design_basis.h"

#include "calc/number_text.h"
#include "calc/verdict.h"

namespace deckplate {

std::string_view BasisName(DesignBasis basis) {
    return basis == DesignBasis::Current ? "current" : "legacy";
}

std::string_view BasisNameZh(DesignBasis basis) {
    return basis == DesignBasis::Current ? "现行规范" : "原规范";
}

std::string_view LoadCode(DesignBasis basis) {
    return basis == DesignBasis::Current ? "GB 55001-2021" : "GB 50009-2012";
}

LoadFactors DesignLoadFactors(DesignBasis basis, double live) {
    if (basis == DesignBasis::Legacy) return {1.2, 1.4, false};
    // GB 55001-2021 §3.1.13: γQ not less than 1.4 for an industrial floor's live load whose
    // standard value exceeds 4 kN/m²; a work platform is such a floor.
    const bool heavy = live > kHeavyFloorLiveLoad;
    return {1.3, heavy ? 1.4 : 1.5, heavy};
}

std::string LoadCombinationText(DesignBasis basis, const LoadFactors& factors) {
    return PlainNumberText(factors.dead) + "×恒+" + PlainNumberText(factors.live) + "×活（" +
           std::string(LoadCode(basis)) + "）";
}

double StrengthLimit(DesignBasis basis, double thickness) {
    if (basis == DesignBasis::Legacy) return kStressLimit;
    // GB 50017-2017 Table 4.4.1, Q235, by the thickness of the part.
    if (thickness <= 16.0) return kStressLimit;
    if (thickness <= 40.0) return 205.0;
    return 200.0;
}

}  // namespace deckplate
