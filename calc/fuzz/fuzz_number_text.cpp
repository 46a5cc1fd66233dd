// The number text rules on arbitrary input: they never crash, never write "inf" or "nan", and a
// displayed number reads back as the value it shows.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "calc/checked.h"
#include "calc/number_text.h"

namespace {

using deckplate::NumberText;
using deckplate::ParseNumber;
using deckplate::PlainNumberText;
using deckplate::RoundDecimals;

void Require(bool condition) {
    if (!condition) std::abort();
}

// An independent writing of the display rule from printf's exact 15-digit rounding.
std::string Reference(double x) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(x));
    std::string digits;
    const char* p = buf;
    for (; *p != 'e'; ++p)
        if (*p != '.') digits.push_back(*p);
    const int exponent = std::atoi(p + 1);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    std::string out = x < 0 ? "-" : " ";
    if (exponent >= -3 && exponent < 15) {
        if (exponent < 0) return out + "." + std::string(-exponent - 1, '0') + digits;
        const std::size_t whole = exponent + 1;
        if (digits.size() <= whole) return out + digits + std::string(whole - digits.size(), '0');
        return out + digits.substr(0, whole) + "." + digits.substr(whole);
    }
    out += digits.substr(0, 1);
    if (digits.size() > 1) out += "." + digits.substr(1);
    char e[8];
    std::snprintf(e, sizeof e, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    return out + e;
}

bool HasNonFiniteWord(const std::string& text) {
    return text.find("inf") != std::string::npos || text.find("nan") != std::string::npos ||
           text.find("INF") != std::string::npos || text.find("NAN") != std::string::npos;
}

void CheckValue(double x) {
    if (!std::isfinite(x)) return;
    for (int n : {0, 1, 2}) {
        const double r = RoundDecimals(x, n);
        Require(std::isfinite(r));
        Require(std::fabs(r - x) <= std::fabs(x) * 1e-15 + 0.5 / std::pow(10.0, n) + 1e-300);
    }
    const std::string display = NumberText(x);
    const std::string plain = PlainNumberText(x);
    Require(!HasNonFiniteWord(display) && !HasNonFiniteWord(plain));
    Require(display[0] == ' ' || display[0] == '-');
    Require(x == 0 || display == Reference(x));
    const double shown = RoundDecimals(x, 2);  // the path every displayed value takes
    Require(shown == 0 || NumberText(shown) == Reference(shown));
    // The text is x to 15 significant digits: reading it back and writing it again changes
    // nothing, and a value that has at most 15 significant digits reads back exactly.
    // Above the largest 15-digit decimal below the double range, the rounded text lies beyond
    // that range and reads back as an overflow.
    if (std::fabs(x) > 1.79769313486231e308) return;
    const double back = ParseNumber(display);
    Require(ParseNumber(plain) == back);
    Require(NumberText(back) == display);
    const double magnitude = std::fabs(x);
    if (magnitude >= 1e-3 && magnitude < 1e14) {
        Require(display.find('E') == std::string::npos);
        char fifteen[40];
        std::snprintf(fifteen, sizeof fifteen, "%.14e", x);
        if (std::strtod(fifteen, nullptr) == x) Require(back == x);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        CheckValue(ParseNumber(text));
    } catch (const deckplate::ArithmeticError& e) {
        Require(e.fault() == deckplate::ArithmeticFault::Overflow);
    }
    if (size >= sizeof(double)) {
        double x;
        std::memcpy(&x, data, sizeof x);
        CheckValue(x);
    }
    return 0;
}
