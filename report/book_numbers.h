#pragma once
// How the calculation book writes a number: as numbers are written in print (0.13, not the
// window's " .13"). Every number in the book is the check's own value: a result the window shows
// to two decimals, an input as it was given, and any other value of the check (q, y, Ms, the
// section's parts) to three or four significant digits, or to as many more as working its
// formulas by hand needs (book_figures.h).

#include <string>
#include <string_view>

#include "calc/number_text.h"

namespace deckplate::report {

/// A number as the book writes it: its digits, times a power of ten when that is not 0
/// (1.088 × 10⁶).
struct Figure {
    std::string digits;
    int tenPower = 0;
};

/// A value as the window shows it, written as print writes it to the same decimals (the window's
/// two, one for the self-weight): "17.36", "0.13", "20.00".
Figure Shown(const ShownValue& value);

/// An input or a coefficient as it stands: 1.2, 4.5, 0.0433.
Figure Exact(double x);

/// x with a fixed number of decimals: Fixed(4, 1) is "4.0".
Figure Fixed(double x, int decimals);

/// A value of the check that the window does not show: two decimals from 1 to 100 (4.00,
/// 13.72), one from 100 to 1000 (337.6), none from 1000 to 10⁴, three significant digits below
/// 1 (0.125, 0.0433), and four significant digits times a power of ten from 10⁴ or below 10⁻³;
/// with `moreDigits`, that many digits more (13.7163, 1.08765 × 10⁶).
Figure Significant(double x, int moreDigits = 0);

/// x as digits with `decimals` decimals times a power of ten: Scientific(0.003324, 3) is
/// 3.324 × 10⁻³, Scientific(0.1802, 3) 1.802 × 10⁻¹.
Figure Scientific(double x, int decimals);

/// The figure times 10ⁿ: a load in kN/m² written in N/mm² is Scaled(q, −3).
Figure Scaled(Figure figure, int tenPowers);

/// The number a figure stands for.
double ValueOf(const Figure& figure);

/// One unit of its last digit: 0.01 for "17.36", 10³ for "1.088 × 10⁶".
double LastDigit(const Figure& figure);

/// A utilisation (1 is the limit) to three decimals, rounded as the schedule results round it,
/// the zeros kept so that a column of them lines up: 0.239, 1.500.
Figure ThreeDecimals(double x);

/// The figure as plain text, the power of ten in superscript digits: "1.088×10⁶".
std::string Text(const Figure& figure);

}  // namespace deckplate::report
