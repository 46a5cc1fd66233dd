#include "report/substitution.h"

#include <cmath>

namespace deckplate::report {
namespace {

// Beyond this a value is shown to about 15 significant digits: as exact as the check's own.
constexpr int kMostMoreDigits = 10;

}  // namespace

Substitution::Id Substitution::Given(Figure figure) {
    quantities_.push_back({.value = ValueOf(figure), .figure = std::move(figure)});
    return quantities_.size() - 1;
}

Substitution::Id Substitution::Value(double value) {
    return Value(value, [](double x, int moreDigits) { return Significant(x, moreDigits); });
}

Substitution::Id Substitution::Value(double value, Format format) {
    Figure figure = format(value, 0);
    quantities_.push_back(
        {.value = value, .format = std::move(format), .figure = std::move(figure)});
    return quantities_.size() - 1;
}

void Substitution::Formula(Id result, std::vector<Id> inputs, Working working) {
    steps_.push_back({result, std::move(inputs), std::move(working)});
}

double Substitution::ByHand(const Step& step, std::optional<Id> exact) const {
    std::vector<double> shown;
    shown.reserve(step.inputs.size());
    for (const Id input : step.inputs) {
        const Quantity& q = quantities_[input];
        shown.push_back(input == exact ? q.value : ValueOf(q.figure));
    }
    return step.working(shown);
}

bool Substitution::Reproduces(const Step& step) const {
    const Figure& result = quantities_[step.result].figure;
    // Half the last digit either way: a hand's rounding of an exact half may go up or down.
    const double tolerance = 0.5 * LastDigit(result) * (1 + 1e-9);
    return std::fabs(ByHand(step) - ValueOf(result)) <= tolerance;
}

std::optional<Substitution::Id> Substitution::MostRounded(const Step& step) const {
    // The input whose rounding moves the hand's result most, among those that may have more
    // digits: taken as the check has it, the others as shown.
    const double byHand = ByHand(step);
    std::optional<Id> most;
    double largest = 0;
    for (const Id input : step.inputs) {
        const Quantity& q = quantities_[input];
        if (!q.format || q.moreDigits >= kMostMoreDigits) continue;
        const double moved = std::fabs(ByHand(step, input) - byHand);
        if (!most || moved > largest) {
            most = input;
            largest = moved;
        }
    }
    return most;
}

void Substitution::Solve() {
    for (bool raised = true; raised;) {
        raised = false;
        for (const Step& step : steps_) {
            if (Reproduces(step)) continue;
            if (const std::optional<Id> input = MostRounded(step)) {
                Quantity& q = quantities_[*input];
                q.figure = q.format(q.value, ++q.moreDigits);
                raised = true;
            }
        }
    }
}

}  // namespace deckplate::report
