#include "calc/verdict.h"

#include "calc/number_text.h"

namespace deckplate::detail {

StrengthVerdict JudgeStrength(std::string_view displayedStress, double strengthLimit,
                              const VerdictTexts& texts) {
    // The stress is judged as displayed: 214.996 shows as 215 and fails.
    const double judged = ParseNumber(displayedStress);
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
    if (ratio > limit) return {false, ratio, std::string(texts.passText), limit, allowed};
    std::string text(texts.exceededPrefix);
    text += "1/";
    text += NumberText(RoundDecimals(ratio, 1));
    text += texts.exceededSuffix;
    return {true, ratio, std::move(text), limit, allowed};
}

}  // namespace deckplate::detail
