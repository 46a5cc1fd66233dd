#pragma once
// Verdicts: a limit is either kept or exceeded, and the window shows one fixed sentence for each.

#include <string>
#include <string_view>

#include "checked.h"

namespace deckplate {

/// Stress limit of Q235 steel, N/mm²: a displayed stress of 215 or more fails.
inline constexpr double kStressLimit = 215.0;
/// Deflection limits as span / deflection: a ratio at or below the limit fails.
inline constexpr double kPlateDeflectionLimit = 150.0;
inline constexpr double kStiffenerDeflectionLimit = 200.0;

struct StrengthVerdict {
    bool exceeded = false;
    std::string text;
};

struct DeflectionVerdict {
    bool exceeded = false;
    double ratio = 0.0;  ///< span / deflection, unrounded
    std::string text;
};

namespace detail {

StrengthVerdict JudgeStrength(std::string_view displayedStress, std::string_view exceededText,
                              std::string_view passText);

struct DeflectionTexts {
    std::string_view exceededPrefix;  ///< "★平台铺板挠度"
    std::string_view exceededSuffix;  ///< "超出限值<1/150>，须重新计算"
    std::string_view passText;
};

DeflectionVerdict JudgeDeflection(Checked span, Checked deflection, double limit,
                                  Quantity ratioQuantity, const DeflectionTexts& texts);

}  // namespace detail
}  // namespace deckplate
