#include "calc/verdict.h"

#include <cmath>

#include "calc/number_text.h"

namespace deckplate {

bool Exceeds(double value, double limit) {
    return value > limit + std::abs(limit) * kLimitTolerance;
}

bool Reaches(double value, double limit) {
    return value >= limit - std::abs(limit) * kLimitTolerance;
}

namespace detail {

StrengthVerdict JudgeStrength(double judged, double strengthLimit, const VerdictTexts& texts) {
    // The stress is judged as displayed: 214.996 shows as 215 and fails.
    if (judged < strengthLimit) return {false, std::string(texts.passText), judged};
    std::string text(texts.exceededPrefix);
    text += PlainNumberText(strengthLimit);
    text += texts.exceededSuffix;
    return {true, std::move(text), judged};
}

DeflectionVerdict JudgeDeflection(Checked span, Checked deflection, double limit,
                                  Quantity ratioQuantity, const VerdictTexts& texts) {
    const double ratio = Compute(ratioQuantity, [&] { return span / deflection; }).value();
    const double allowed = span.value() / limit;
    // At the limit fails: a ratio a rounding above it is at it.
    if (Exceeds(ratio, limit)) return {false, ratio, std::string(texts.passText), limit, allowed};
    std::string text(texts.exceededPrefix);
    text += "1/";
    text += NumberText(RoundDecimals(ratio, 1));
    text += texts.exceededSuffix;
    return {true, ratio, std::move(text), limit, allowed};
}

}  // namespace detail
}  // namespace deckplate
