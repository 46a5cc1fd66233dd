#include "number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "checked.h"

namespace deckplate {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsIgnoredSpace(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// The leading number of `text` in canonical form: [-]digits[.digits][e[-]digits], spaces removed.
struct Scanned {
    std::string chars;            // what from_chars reads
    long long magnitudeHint = 0;  // decimal exponent of the first significant digit
    bool anyNonZeroDigit = false;
};

Scanned Scan(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (!IsIgnoredSpace(c)) s.push_back(c);

    Scanned out;
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';

    std::string mantissa;
    for (; i < s.size() && IsDigit(s[i]); ++i) mantissa.push_back(s[i]);
    const std::size_t wholeDigits = mantissa.size();
    if (i < s.size() && s[i] == '.') {
        for (++i; i < s.size() && IsDigit(s[i]); ++i) mantissa.push_back(s[i]);
    }
    if (mantissa.empty()) return out;  // no digit read: the number is 0

    long long exponent = 0;
    std::string exponentText;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        bool exponentNegative = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponentNegative = s[j++] == '-';
        std::size_t digitsStart = j;
        for (; j < s.size() && IsDigit(s[j]); ++j) {
            if (exponent < 1'000'000'000) exponent = exponent * 10 + (s[j] - '0');
        }
        if (j > digitsStart) {
            exponentText = std::string(exponentNegative ? "e-" : "e") +
                           std::string(s.substr(digitsStart, j - digitsStart));
            if (exponentNegative) exponent = -exponent;
        } else {
            exponent = 0;  // "1e" or "1e+": the letter is not part of the number
        }
    }

    out.chars = negative ? "-" : "";
    out.chars += wholeDigits == 0 ? std::string("0") : mantissa.substr(0, wholeDigits);
    if (wholeDigits < mantissa.size()) out.chars += "." + mantissa.substr(wholeDigits);
    out.chars += exponentText;
    const std::size_t leadingZeros = std::min(mantissa.find_first_not_of('0'), mantissa.size());
    out.anyNonZeroDigit = leadingZeros < mantissa.size();
    out.magnitudeHint =
        static_cast<long long>(wholeDigits) - 1 - static_cast<long long>(leadingZeros) + exponent;
    return out;
}

// The decimal digits of |x| rounded to 15 significant digits, trailing zeros dropped, and the
// decimal exponent of the first digit: 12.35 → {"1235", 1}.
struct Digits {
    std::array<char, 32> buf{};
    int count = 0;
    int exponent = 0;
};

Digits SignificantDigits(double x) {
    double magnitude = std::fabs(x);
    std::array<char, 40> text{};
    // For a normal double, the shortest text that reads back as x is already the 15-digit
    // rounding whenever it has 15 digits or fewer (no two 15-digit decimals share a normal
    // double); longer ones and subnormals, which carry fewer bits, need the exact, slower
    // rounding.
    char* end = std::to_chars(text.data(), text.data() + text.size(), magnitude,
                              std::chars_format::scientific)
                    .ptr;
    std::string_view shortest(text.data(), end - text.data());
    std::size_t ePos = shortest.find('e');
    std::size_t mantissaDigits = ePos - (ePos > 1 ? 1 : 0);
    if (mantissaDigits > 15 || magnitude < std::numeric_limits<double>::min()) {
        end = std::to_chars(text.data(), text.data() + text.size(), magnitude,
                            std::chars_format::scientific, 14)
                  .ptr;
        shortest = std::string_view(text.data(), end - text.data());
        ePos = shortest.find('e');
    }
    Digits d;
    for (std::size_t k = 0; k < ePos; ++k)
        if (shortest[k] != '.') d.buf[d.count++] = shortest[k];
    while (d.count > 1 && d.buf[d.count - 1] == '0') --d.count;
    std::from_chars(shortest.data() + ePos + 1 + (shortest[ePos + 1] == '+'),
                    shortest.data() + shortest.size(), d.exponent);
    return d;
}

enum class Style { Display, Plain };

std::string Format(double x, Style style) {
    if (x == 0.0) return style == Style::Display ? " 0" : "0";
    const Digits d = SignificantDigits(x);
    std::string out;
    if (x < 0)
        out.push_back('-');
    else if (style == Style::Display)
        out.push_back(' ');

    const std::string_view digits(d.buf.data(), d.count);
    if (d.exponent >= -3 && d.exponent < 15) {
        if (d.exponent < 0) {
            if (style == Style::Plain) out.push_back('0');
            out.push_back('.');
            out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
            out.append(digits);
        } else {
            const auto whole = static_cast<std::size_t>(d.exponent) + 1;
            if (digits.size() <= whole) {
                out.append(digits);
                out.append(whole - digits.size(), '0');
            } else {
                out.append(digits.substr(0, whole));
                out.push_back('.');
                out.append(digits.substr(whole));
            }
        }
        return out;
    }
    out.push_back(digits[0]);
    if (digits.size() > 1) {
        out.push_back('.');
        out.append(digits.substr(1));
    }
    out.push_back('E');
    out.push_back(d.exponent < 0 ? '-' : '+');
    const int e = std::abs(d.exponent);
    if (e < 10) out.push_back('0');
    out += std::to_string(e);
    return out;
}

}  // namespace

double ParseNumber(std::string_view text) {
    const Scanned scanned = Scan(text);
    if (scanned.chars.empty()) return 0.0;
    double value = 0.0;
    const char* first = scanned.chars.data();
    if (std::from_chars(first, first + scanned.chars.size(), value).ec ==
        std::errc::result_out_of_range) {
        // Too large for a double is an overflow; too small reads as zero.
        if (scanned.anyNonZeroDigit && scanned.magnitudeHint > 0)
            throw ArithmeticError(ArithmeticFault::Overflow, Quantity::InputNumber);
        return 0.0;
    }
    return value;
}

double RoundDecimals(double x, int n) {
    const double scale = n == 0 ? 1.0 : n == 1 ? 10.0 : n == 2 ? 100.0 : std::pow(10.0, n);
    const double scaled = x * scale;
    if (!std::isfinite(scaled)) return x;  // so large that it has no decimals to round
    return std::nearbyint(scaled) / scale;
}

std::string NumberText(double x) { return Format(x, Style::Display); }

std::string PlainNumberText(double x) { return Format(x, Style::Plain); }

}  // namespace deckplate
