#pragma once
// Verdicts: a limit is either kept or exceeded, and the window shows one fixed sentence for each.

#include <string>
#include <string_view>

#include "calc/checked.h"
#include "calc/code_values.h"

namespace deckplate {

/// Ratios and lengths meet their limits as the rules mean them, not as binary fractions do: a
/// flat bar 84 × 5.6 has h / t = 15 by the rule and 15.000000000000002 in double arithmetic. A
/// value within one part in 10⁹ of its limit counts as at the limit.
inline constexpr double kLimitTolerance = 1e-9;

/// Whether `value` is above `limit` by more than the tolerance.
bool Exceeds(double value, double limit);
/// Whether `value` reaches `limit`: at it within the tolerance, or above it.
bool Reaches(double value, double limit);

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

/// `judged`: the stress as displayed (rounded to its decimals), N/mm².
StrengthVerdict JudgeStrength(double judged, double strengthLimit, const VerdictTexts& texts);

DeflectionVerdict JudgeDeflection(Checked span, Checked deflection, double limit,
                                  Quantity ratioQuantity, const VerdictTexts& texts);

}  // namespace detail
}  // namespace deckplate
