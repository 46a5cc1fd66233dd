#pragma once
// How many digits the numbers put into a formula need. A reviewer works each formula of the book
// by hand from the numbers it shows; the result must come out as the book shows it, to its last
// digit. A value shown rounded (M = 0.134 for 0.134375) may miss that (6 × 0.134 × 10³ /
// (1.2 × 4²) = 41.88 where σ = 41.99), so each value of the check is shown with as many more
// digits as the formulas it enters need. A value that is also a formula's result (M is α·q·a²)
// keeps one figure everywhere, and its own formula then needs its inputs to that many digits.
//
//   Given / Result / Value → Formula(result, inputs, how it is worked) … → Solve() → each Figure

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "report/book_numbers.h"

namespace deckplate::report {

class Substitution {
  public:
    using Id = std::size_t;
    /// The shown numbers of a formula's inputs, in the order it names them.
    using Working = std::function<double(std::span<const double> inputs)>;
    /// A value written with `moreDigits` more digits than its plain figure.
    using Format = std::function<Figure(double value, int moreDigits)>;

    /// A number shown as it stands, never with more digits: an input, a code value, or a result
    /// the window shows to two decimals.
    Id Given(Figure figure);
    /// A value of the check: Significant at first, with more digits when a formula needs them.
    Id Value(double value);
    Id Value(double value, Format format);

    /// `result` is worked from `inputs` by `working`.
    void Formula(Id result, std::vector<Id> inputs, Working working);

    /// Gives the values more digits, one at a time where it moves a formula's result most, until
    /// every formula, worked from the figures shown, gives its result's figure to within half
    /// its last digit.
    void Solve();

    const Figure& operator[](Id id) const { return quantities_[id].figure; }

  private:
    struct Quantity {
        double value = 0;
        Format format{};  ///< empty for a number shown as it stands
        int moreDigits = 0;
        Figure figure{};
    };
    struct Step {
        Id result;
        std::vector<Id> inputs;
        Working working;
    };
    /// The step worked from the figures shown, but for `exact`, taken as the check has it.
    double ByHand(const Step& step, std::optional<Id> exact = std::nullopt) const;
    bool Reproduces(const Step& step) const;
    /// The input to give one more digit, or none when no input may have more.
    std::optional<Id> MostRounded(const Step& step) const;

    std::vector<Quantity> quantities_;
    std::vector<Step> steps_;
};

}  // namespace deckplate::report
