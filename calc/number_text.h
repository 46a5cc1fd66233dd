#pragma once
// The rules that turn typed text into numbers and numbers into displayed text. Every value the
// window shows, the report prints or the command-line tool writes passes through them, so they
// decide the last digit an engineer reads. They never depend on the process locale: the decimal
// separator is always the period.

#include <string>
#include <string_view>

namespace deckplate {

/// Reads the number at the start of `text`, ignoring every blank, tab and line feed: an optional
/// sign, digits, an optional fraction and an optional exponent (E or e). Reading stops at the
/// first character that does not fit; text without a leading number gives 0 ("12mm" → 12,
/// "1,5" → 1, "abc" → 0). Throws ArithmeticError(Overflow) beyond the double range; numbers
/// too small for a double read as 0.
double ParseNumber(std::string_view text);

/// `text` without the blanks, tabs and line feeds around it.
std::string_view Trimmed(std::string_view text);

/// Whether `text`, blanks around it aside, is a plain decimal number as the command line reads
/// one: an optional sign, digits with an optional point and fraction, an optional exponent.
/// "1,5", "1 5", "8.0inf", "nan", "inf", "0x10" and "" are not.
bool IsPlainNumber(std::string_view text);

/// Rounds x to n decimals (0, 1 or 2 in this system): x·10ⁿ is formed as a double, rounded to
/// the nearest whole number with halves to the even neighbour, then divided by 10ⁿ.
/// So RoundDecimals(1.15, 1) = 1.2 and RoundDecimals(0.125, 2) = 0.12.
double RoundDecimals(double x, int n);

/// Display text: a sign position ("-" or a blank), then the magnitude to 15 significant digits
/// with trailing zeros dropped and no "0" before the decimal point: 0.14 → " .14", 20 → " 20",
/// -0.25 → "-.25", 0 → " 0". Magnitudes from 0.001 up to (not including) 10¹⁵ are written in
/// fixed notation, others as " 1.5E+20".
std::string NumberText(double x);

/// A result as the window displays it: NumberText of the value rounded to 2 decimals.
std::string DisplayText(double x);

/// A result as it is shown: its value, unrounded, in the unit it is shown in, and the decimals it
/// is rounded to (halves to the even neighbour). The calculation hands results over as numbers;
/// each front end writes them in its own way (the window's DisplayText, print's PrintText).
struct ShownValue {
    double value = 0;
    int decimals = 2;

    /// The value as shown, which a verdict on the displayed value judges.
    double Rounded() const { return RoundDecimals(value, decimals); }
    friend bool operator==(const ShownValue&, const ShownValue&) = default;
};

/// The window's text of a shown value: NumberText of it rounded (" .6", " 17.36").
std::string DisplayText(const ShownValue& shown);

/// A shown value as print writes it: PlainNumberText of it rounded ("0.6", "17.36").
std::string PrintText(const ShownValue& shown);

/// As NumberText, but with no sign position for non-negative values and a "0" before the point
/// of a magnitude below 1: 0.5 → "0.5", -0.25 → "-0.25".
std::string PlainNumberText(double x);

}  // namespace deckplate
