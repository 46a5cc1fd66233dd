#pragma once
// Verdicts: a limit is either kept or exceeded, and the window shows one fixed sentence for each.

#include <string>
#include <string_view>

#include "calc/checked.h"
#include "calc/code_values.h"

namespace deckplate {

struct StrengthVerdict {
    bool exceeded = false;
    std::string text;
    double judged = 0.0;  ///< the stress as displayed, which the verdict judges, N/mm²
};

struct DeflectionVerdict {
    bool exceeded = false;
    double ratio = 0.0;  ///< span / deflection, unrounded
    std::string text;
    double limit = 0.0;    ///< the limit as span / deflection (150, 200)
    double allowed = 0.0;  ///< the largest deflection kept, span / limit, mm
};

namespace detail {

/// The sentences of a verdict. An exceeded strength puts the limit between prefix and suffix
/// ("★钢铺板强度超出限值<" 215 "N/mm2>,须重新计算"), an exceeded deflection the ratio
/// ("★平台铺板挠度" "1/ 78" "超出限值<1/150>，须重新计算").
struct VerdictTexts {
    std::string_view exceededPrefix;
    std::string_view exceededSuffix;
    std::string_view passText;
};

StrengthVerdict JudgeStrength(std::string_view displayedStress, double strengthLimit,
                              const VerdictTexts& texts);

DeflectionVerdict JudgeDeflection(Checked span, Checked deflection, double limit,
                                  Quantity ratioQuantity, const VerdictTexts& texts);

}  // namespace detail
}  // namespace deckplate
