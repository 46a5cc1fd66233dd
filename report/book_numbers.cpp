#include "report/book_numbers.h"

#include <array>
#include <charconv>
#include <cmath>

#include "calc/number_text.h"

namespace deckplate::report {
namespace {

// Locale-free fixed or scientific digits: a window may have set a locale whose decimal
// separator is a comma, and to_chars ignores it. The room is enough for any double: 309 digits
// before the point (1e300 N·mm is 301) and the decimals asked for (a load of 1e-300 worked to
// its last digit asks for some 300).
std::string Chars(double x, std::chars_format format, int precision) {
    std::string digits(static_cast<std::size_t>(precision) + 320, '\0');
    const auto end =
        std::to_chars(digits.data(), digits.data() + digits.size(), x, format, precision).ptr;
    digits.resize(static_cast<std::size_t>(end - digits.data()));
    return digits;
}

}  // namespace

Figure Scientific(double x, int decimals) {
    // "1.088e+06": the mantissa rounds first, so 9.9996e5 becomes 1.000e+06, not 10.00 × 10⁵.
    const std::string text = Chars(x, std::chars_format::scientific, decimals);
    const std::size_t e = text.find('e');
    int exponent = 0;
    const char* first = text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0);
    std::from_chars(first, text.data() + text.size(), exponent);
    return {text.substr(0, e), exponent};
}

Figure Shown(const ShownValue& value) { return Fixed(value.Rounded(), value.decimals); }

Figure Exact(double x) { return {PlainNumberText(x), 0}; }

Figure Fixed(double x, int decimals) { return {Chars(x, std::chars_format::fixed, decimals), 0}; }

Figure Significant(double x, int moreDigits) {
    const double magnitude = std::fabs(x);
    if (magnitude == 0.0) return {"0", 0};
    if (magnitude >= 1e4 || magnitude < 1e-3) return Scientific(x, 3 + moreDigits);
    const int exponent = static_cast<int>(std::floor(std::log10(magnitude)));
    const int decimals = exponent >= 3 ? 0 : exponent == 2 ? 1 : exponent >= 0 ? 2 : 2 - exponent;
    return Fixed(x, decimals + moreDigits);
}

Figure Scaled(Figure figure, int tenPowers) {
    figure.tenPower += tenPowers;
    return figure;
}

double ValueOf(const Figure& figure) {
    return ParseNumber(figure.digits) * std::pow(10.0, figure.tenPower);
}

double LastDigit(const Figure& figure) {
    const std::size_t point = figure.digits.find('.');
    const int decimals =
        point == std::string::npos ? 0 : static_cast<int>(figure.digits.size() - point - 1);
    return std::pow(10.0, figure.tenPower - decimals);
}

Figure ThreeDecimals(double x) { return Fixed(RoundDecimals(x, 3), 3); }

std::string Text(const Figure& figure) {
    if (figure.tenPower == 0) return figure.digits;
    static constexpr std::array<std::string_view, 10> kSuperscript = {"⁰", "¹", "²", "³", "⁴",
                                                                      "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string text = figure.digits + "×10";
    if (figure.tenPower < 0) text += "⁻";
    for (char c : std::to_string(std::abs(figure.tenPower))) text += kSuperscript[c - '0'];
    return text;
}

}  // namespace deckplate::report
