#include "calc/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <limits>
#include <optional>

#include "calc/checked.h"

namespace deckplate {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsIgnoredSpace(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// The leading number of `text` with blanks, tabs and line feeds removed, in the form
// [-]digits[.digits][e[-]digits] that from_chars reads.
struct Scanned {
    std::string_view chars;       // a view into the scanned text
    long long magnitudeHint = 0;  // decimal exponent of the first significant digit
    bool anyNonZeroDigit = false;
};

Scanned Scan(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    const std::size_t digitsStart = i;
    while (i < s.size() && IsDigit(s[i])) ++i;
    const std::size_t point = i;
    if (i < s.size() && s[i] == '.')
        for (++i; i < s.size() && IsDigit(s[i]);) ++i;
    const std::size_t mantissaEnd = i;
    const std::size_t digitCount = mantissaEnd - digitsStart - (point < mantissaEnd ? 1 : 0);
    Scanned out;
    if (digitCount == 0) return out;  // no digit read: the number is 0

    long long exponent = 0;
    std::size_t end = mantissaEnd;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        const bool negative = j < s.size() && s[j] == '-';
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        const std::size_t exponentStart = j;
        for (; j < s.size() && IsDigit(s[j]); ++j)
            if (exponent < 1'000'000'000) exponent = exponent * 10 + (s[j] - '0');
        if (j > exponentStart) end = j;  // "1e" or "1e+": the letter is not part of the number
        if (negative) exponent = -exponent;
        if (j == exponentStart) exponent = 0;
    }

    // from_chars takes no leading "+".
    const std::size_t start = s[0] == '+' ? 1 : 0;
    out.chars = s.substr(start, end - start);

    const std::size_t firstSignificant = s.find_first_not_of("0.", digitsStart);
    out.anyNonZeroDigit = firstSignificant < mantissaEnd;
    if (out.anyNonZeroDigit) {
        const auto position = static_cast<long long>(firstSignificant);
        // Digits between the first significant one and the point set its decimal place.
        const long long place = position < static_cast<long long>(point)
                                    ? static_cast<long long>(point) - position - 1
                                    : static_cast<long long>(point) - position;
        out.magnitudeHint = place + exponent;
    }
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

// Fixed notation straight from the shortest text that reads back as x, when that text has at
// most 15 significant digits (then it is the 15-digit rounding, as above). The common case:
// every displayed value has been rounded to two decimals first.
std::optional<std::string> FastFixed(double x, Style style) {
    const double magnitude = std::fabs(x);
    if (!(magnitude >= 1e-3 && magnitude < 1e15)) return std::nullopt;
    std::array<char, 48> text;
    char* const first = text.data() + 1;
    char* const end =
        std::to_chars(first, text.data() + text.size(), magnitude, std::chars_format::fixed).ptr;
    int significant = 0;
    bool leading = true;
    for (const char* p = first; p != end; ++p) {
        if (*p == '.' || (leading && *p == '0')) continue;
        leading = false;
        ++significant;
    }
    if (significant > 15) return std::nullopt;
    char* start = first;
    if (style == Style::Display && first[0] == '0') ++start;  // " .14", not " 0.14"
    if (x < 0)
        *--start = '-';
    else if (style == Style::Display)
        *--start = ' ';
    return std::string(start, end);
}

// Values that are the nearest double to a decimal of at most `places` places and 15 digits (every
// display value, which is rounded to two decimals first, and a utilisation rounded to three) are
// written from that decimal's whole number of hundredths or thousandths: it is their 15-digit
// rounding, as above.
std::optional<std::string> FewDecimalsFixed(double x, Style style, int places) {
    const double scale = places == 2 ? 100.0 : 1000.0;
    const double scaled = std::nearbyint(x * scale);
    if (!(std::fabs(scaled) < 1e15) || scaled / scale != x) return std::nullopt;
    auto k = static_cast<std::uint64_t>(std::fabs(scaled));
    std::array<char, 24> text;
    char* p = text.data() + text.size();
    int fraction = places;
    while (fraction > 0 && k % 10 == 0) {  // trailing zeros of the fraction are dropped
        k /= 10;
        --fraction;
    }
    for (int place = 0; place < fraction; ++place, k /= 10) *--p = static_cast<char>('0' + k % 10);
    if (fraction > 0) *--p = '.';
    if (k > 0 || fraction == 0) {
        do {
            *--p = static_cast<char>('0' + k % 10);
            k /= 10;
        } while (k > 0);
    } else if (style == Style::Plain) {
        *--p = '0';
    }
    if (x < 0)
        *--p = '-';
    else if (style == Style::Display)
        *--p = ' ';
    return std::string(p, text.data() + text.size());
}

std::string Format(double x, Style style) {
    if (x == 0.0) return style == Style::Display ? " 0" : "0";
    // A decimal of two places is one of three places too; only beyond 10¹² does the 15-digit
    // limit leave room for the hundredths alone.
    if (auto fixed = FewDecimalsFixed(x, style, 3)) return std::move(*fixed);
    if (std::fabs(x) >= 1e12)
        if (auto fixed = FewDecimalsFixed(x, style, 2)) return std::move(*fixed);
    if (auto fixed = FastFixed(x, style)) return std::move(*fixed);
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
    // Blanks, tabs and line feeds are ignored wherever they stand; leading ones (the sign
    // position of a displayed number) are simply skipped, others need a cleaned copy.
    while (!text.empty() && IsIgnoredSpace(text.front())) text.remove_prefix(1);
    std::string cleaned;
    if (std::any_of(text.begin(), text.end(), IsIgnoredSpace)) {
        std::copy_if(text.begin(), text.end(), std::back_inserter(cleaned),
                     [](char c) { return !IsIgnoredSpace(c); });
        text = cleaned;
    }
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

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsIgnoredSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsIgnoredSpace(text.back())) text.remove_suffix(1);
    return text;
}

bool IsPlainNumber(std::string_view text) {
    text = Trimmed(text);
    std::size_t i = 0;
    const auto digits = [&] {
        const std::size_t start = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
        return i - start;
    };
    const auto sign = [&] {
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    };
    sign();
    std::size_t mantissa = digits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0) return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        sign();
        if (digits() == 0) return false;
    }
    return i == text.size();
}

double RoundDecimals(double x, int n) {
    constexpr double kScales[] = {1.0, 10.0, 100.0, 1000.0};
    const double scale = n >= 0 && n < 4 ? kScales[n] : std::pow(10.0, n);
    const double scaled = x * scale;
    if (!std::isfinite(scaled)) return x;  // so large that it has no decimals to round
    return std::nearbyint(scaled) / scale;
}

std::string NumberText(double x) { return Format(x, Style::Display); }

std::string DisplayText(double x) { return NumberText(RoundDecimals(x, 2)); }

std::string PlainNumberText(double x) { return Format(x, Style::Plain); }

std::string DisplayText(const ShownValue& shown) { return NumberText(shown.Rounded()); }

std::string PrintText(const ShownValue& shown) { return PlainNumberText(shown.Rounded()); }

}  // namespace deckplate
