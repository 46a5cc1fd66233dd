#include "report/mathml.h"

#include <cstdlib>

namespace deckplate::report::mathml {

std::string Math(std::string_view content) {
    return Cat("<math display=\"block\">", content, "</math>");
}

std::string InlineMath(std::string_view content) { return Cat("<math>", content, "</math>"); }

std::string Mi(std::string_view identifier) { return Element("mi", EscapeHtml(identifier)); }

std::string Mo(std::string_view op) { return Element("mo", EscapeHtml(op)); }

std::string Mtext(std::string_view text) { return Element("mtext", EscapeHtml(text)); }

std::string Mn(const Figure& number) {
    const std::string digits = Element("mn", EscapeHtml(number.digits));
    if (number.tenPower == 0) return digits;
    const std::string exponent =
        Cat(number.tenPower < 0 ? "−" : "", std::to_string(std::abs(number.tenPower)));
    return Mrow(Cat(digits, Mo("×"), Msup(Element("mn", "10"), Element("mn", exponent))));
}

std::string Mrow(std::string_view content) { return Element("mrow", content); }

std::string Mfrac(std::string_view numerator, std::string_view denominator) {
    return Element("mfrac", Cat(Mrow(numerator), Mrow(denominator)));
}

std::string Msup(std::string_view base, std::string_view exponent) {
    return Element("msup", Cat(Mrow(base), Mrow(exponent)));
}

std::string Msub(std::string_view base, std::string_view subscript) {
    return Element("msub", Cat(Mrow(base), Mrow(subscript)));
}

std::string Munder(std::string_view base, std::string_view under) {
    return Element("munder", Cat(Mrow(base), Mrow(under)));
}

std::string Parenthesised(std::string_view content) { return Mrow(Cat(Mo("("), content, Mo(")"))); }

std::string Unit(std::string_view unit) { return Mtext(Cat("\u2009", unit)); }

}  // namespace deckplate::report::mathml
