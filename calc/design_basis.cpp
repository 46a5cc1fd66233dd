#include "calc/design_basis.h"

#include "calc/code_values.h"
#include "calc/number_text.h"

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

double ImportanceFactor(DesignBasis basis, SafetyClass safetyClass) {
    if (basis == DesignBasis::Legacy) return 1.0;
    return kImportanceFactors[static_cast<std::size_t>(safetyClass)];
}

std::string_view SafetyClassNameZh(SafetyClass safetyClass) {
    constexpr std::string_view kNames[] = {"一级", "二级", "三级"};
    return kNames[static_cast<std::size_t>(safetyClass)];
}

std::string_view ImportanceFactorText(SafetyClass safetyClass) {
    constexpr std::string_view kTexts[] = {"1.1", "1.0", "0.9"};
    return kTexts[static_cast<std::size_t>(safetyClass)];
}

std::string_view LegacyBasisNoteZh() {
    return "按 GB 50009-2012 的荷载分项系数复核原有计算；该规范的分项系数自 2022-01-01 起已由 "
           "GB 55001-2021 取代，新设计应按现行规范计算。";
}

int SafetyClassNumber(SafetyClass safetyClass) { return static_cast<int>(safetyClass) + 1; }

LoadFactors DesignLoadFactors(DesignBasis basis, double live) {
    if (basis == DesignBasis::Legacy) return {kLegacyDeadFactor, kLegacyLiveFactor, false};
    const bool heavy = live > kHeavyFloorLiveLoad;
    return {kCurrentDeadFactor, heavy ? kHeavyFloorLiveFactor : kCurrentLiveFactor, heavy};
}

std::string LoadCombinationText(DesignBasis basis, const LoadFactors& factors) {
    return PlainNumberText(factors.dead) + "×恒+" + PlainNumberText(factors.live) + "×活（" +
           std::string(LoadCode(basis)) + "）";
}

}  // namespace deckplate
