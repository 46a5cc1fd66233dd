// Every substitution in the calculation book reproduces: a reviewer who works a formula by hand
// from the numbers the book puts into it gets the result the book shows, to its last digit. The
// book's MathML is read back as a reader sees it — a fraction as (numerator)/(denominator), a
// power as ^, "1.075 × 10⁶" as one number — and every "numbers with operators = number" in it
// is worked out again.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "report/calculation_book.h"
#include "report/html_writer.h"
#include "report/tests/catalogue_angles.h"

namespace deckplate::report {
namespace {

// What a formula reads as, token by token.
struct Token {
    enum Kind { Number, Operator, Relation, Symbol } kind;
    std::string text;
    double value = 0;
    double lastDigit = 0;  ///< one unit of a number's last digit
};
using Tokens = std::vector<Token>;

struct Node {
    std::string tag, text;
    std::vector<Node> children;
};

std::string Decoded(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t end = text[i] == '&' ? text.find(';', i) : std::string_view::npos;
        if (end == std::string_view::npos) {
            out += text[i];
            continue;
        }
        const std::string_view entity = text.substr(i, end - i + 1);
        out += entity == "&lt;" ? "<" : entity == "&gt;" ? ">" : entity == "&amp;" ? "&" : "?";
        i = end;
    }
    return out;
}

// One element of the book's own MathML, which is well formed: <tag …>children or text</tag>.
Node Parse(std::string_view& s) {
    const std::size_t close = s.find('>');
    Node node;
    node.tag = std::string(s.substr(1, s.find_first_of(" >") - 1));
    s.remove_prefix(close + 1);
    while (!s.starts_with("</")) {
        if (s.front() == '<') {
            node.children.push_back(Parse(s));
        } else {
            const std::size_t next = s.find('<');
            node.text += Decoded(s.substr(0, next));
            s.remove_prefix(next);
        }
    }
    s.remove_prefix(s.find('>') + 1);
    return node;
}

Token NumberToken(std::string_view written, int tenPower = 0) {
    std::string text;  // the minus sign "−" as stod reads it
    for (std::size_t i = 0; i < written.size(); ++i) {
        const bool minus = written.substr(i).starts_with("−");
        text += minus ? '-' : written[i];
        if (minus) i += 2;
    }
    const std::size_t point = text.find('.');
    const int decimals = point == std::string::npos ? 0 : int(text.size() - point - 1);
    const std::string shown = tenPower == 0 ? text : text + "e" + std::to_string(tenPower);
    return {Token::Number, shown, std::stod(text) * std::pow(10.0, tenPower),
            std::pow(10.0, tenPower - decimals)};
}

void Read(const Node& node, Tokens& out) {
    const auto all = [&](const Node& n) {
        for (const Node& child : n.children) Read(child, out);
    };
    const auto op = [&](std::string_view text) {
        out.push_back({Token::Operator, std::string(text)});
    };
    if (node.tag == "mn") {
        out.push_back(NumberToken(node.text));
    } else if (node.tag == "mo") {
        static const std::vector<std::string> relations = {"=", "<", ">", "≤", "≥", "≈", ","};
        static const std::vector<std::string> operators = {"+", "−", "×", "·", "/", "(", ")"};
        const bool relation = std::ranges::find(relations, node.text) != relations.end();
        const bool arithmetic = std::ranges::find(operators, node.text) != operators.end();
        out.push_back({relation     ? Token::Relation
                       : arithmetic ? Token::Operator
                                    : Token::Symbol,
                       node.text});
    } else if (node.tag == "mi" || node.tag == "msub" || node.tag == "munder") {
        out.push_back({Token::Symbol, node.text});
    } else if (node.tag == "mrow" && node.children.size() == 3 && node.children[0].tag == "mn" &&
               node.children[1].text == "×" && node.children[2].tag == "msup") {
        // "1.075 × 10⁶" is one number.
        const Node& exponent = node.children[2].children[1].children[0];
        out.push_back(
            NumberToken(node.children[0].text, static_cast<int>(NumberToken(exponent.text).value)));
    } else if (node.tag == "mfrac") {
        op("(");
        all(node.children[0]);
        op(")");
        op("/");
        op("(");
        all(node.children[1]);
        op(")");
    } else if (node.tag == "msup") {
        all(node.children[0]);
        op("^");
        op("(");
        all(node.children[1]);
        op(")");
    } else if (node.tag != "mtext") {  // words and units are no part of the arithmetic
        all(node);
    }
}

// Arithmetic over a segment of numbers and operators: + −, × · /, ^, parentheses.
class Arithmetic {
  public:
    explicit Arithmetic(const Tokens& tokens) : t_(tokens) {}
    double Evaluate() {
        const double x = Sum();
        if (at_ != t_.size()) throw std::invalid_argument("left over");
        return x;
    }

  private:
    bool Next(std::string_view text) {
        if (at_ < t_.size() && t_[at_].kind == Token::Operator && t_[at_].text == text) {
            ++at_;
            return true;
        }
        return false;
    }
    double Sum() {
        double x = Product();
        for (;;) {
            if (Next("+"))
                x += Product();
            else if (Next("−"))
                x -= Product();
            else
                return x;
        }
    }
    double Product() {
        double x = Power();
        for (;;) {
            if (Next("×") || Next("·"))
                x *= Power();
            else if (Next("/"))
                x /= Power();
            else
                return x;
        }
    }
    double Power() {
        const double x = Primary();
        return Next("^") ? std::pow(x, Primary()) : x;
    }
    double Primary() {
        if (Next("(")) {
            const double x = Sum();
            if (!Next(")")) throw std::invalid_argument("no )");
            return x;
        }
        if (at_ < t_.size() && t_[at_].kind == Token::Number) return t_[at_++].value;
        throw std::invalid_argument("not a number");
    }
    const Tokens& t_;
    std::size_t at_ = 0;
};

struct Worked {
    std::string formula;
    double byHand, shown, lastDigit;
};

// Each "numbers with an operator = one number" of a formula, worked by hand.
void WorkOut(const Tokens& tokens, std::vector<Worked>& worked) {
    std::vector<Tokens> segments(1);
    for (const Token& token : tokens) {
        if (token.kind == Token::Relation)
            segments.emplace_back();
        else
            segments.back().push_back(token);
    }
    for (std::size_t i = 0; i + 1 < segments.size(); ++i) {
        const Tokens& numbers = segments[i];
        const Tokens& result = segments[i + 1];
        const bool arithmetic =
            std::ranges::none_of(numbers, [](const Token& t) { return t.kind == Token::Symbol; }) &&
            std::ranges::any_of(numbers, [](const Token& t) {
                return t.kind == Token::Operator && t.text != "(" && t.text != ")";
            });
        if (!arithmetic || result.size() != 1 || result[0].kind != Token::Number) continue;
        std::string text;
        for (const Token& t : numbers) text += t.text + " ";
        worked.push_back({text + "= " + result[0].text, Arithmetic(numbers).Evaluate(),
                          result[0].value, result[0].lastDigit});
    }
}

// Every formula of the book: each formula block's formulas read as one, then each formula within
// a line of text on its own.
std::vector<Worked> Substitutions(const std::string& html) {
    std::vector<Worked> worked;
    const std::string block = "<div class=\"formula\">";
    for (std::size_t at = 0;;) {
        const std::size_t math = html.find("<math", at), formula = html.find(block, at);
        if (math == std::string::npos) break;
        const std::size_t end =
            formula < math ? html.find("</div>\n", formula) : html.find("</math>", math) + 7;
        Tokens tokens;
        std::string_view rest(html.data() + math, end - math);
        while ((rest = rest.substr(std::min(rest.size(), rest.find("<math")))).size() > 0)
            Read(Parse(rest), tokens);
        WorkOut(tokens, worked);
        at = end;
    }
    return worked;
}

struct BayCase {
    const char* name;
    BayInput bay;
    std::size_t substitutions;  ///< how many the book holds
};

TEST(BookSubstitution, EveryOneReproducesToItsLastDigit) {
    const BayCase cases[] = {
        {"flat bar, four edges, legacy",
         {.dead = 1,
          .live = 2,
          .thickness = ThicknessOf(6),
          .span = 2000,
          .spacing = 500,
          .stiffener = FlatBar{80, 8}},
         12},
        {"angle, continuous, current",
         {.dead = 1.5,
          .live = 3.5,
          .thickness = ThicknessOf(6),
          .span = 2400,
          .spacing = 600,
          .boundary = BoundaryOf(true),
          .stiffener = Angle("L50x32x4"),
          .basis = DesignBasis::Current},
         27},
        // M = 0.134375 shown as 0.134 gave 6 × 0.134 × 10³ / (1.2 × 4²) = 41.88 for 41.99.
        {"walkway, point load, current",
         {.dead = 1,
          .live = 2,
          .thickness = ThicknessOf(4),
          .span = 2000,
          .spacing = 500,
          .stiffener = Angle("L45x28x3"),
          .basis = DesignBasis::Current,
          .pointLoad = PointLoad{}},
         41},
        // The neutral axis in the plate: S = be·Yo²/2 and w = be.
        {"thick plate, small bar, Q355",
         {.dead = 1,
          .live = 2,
          .thickness = ThicknessOf(12),
          .span = 1500,
          .spacing = 600,
          .stiffener = FlatBar{40, 4},
          .basis = DesignBasis::Current,
          .steel = SteelGrade::Q355},
         25},
        {"uneven numbers, continuous, point load on its own patch",
         {.dead = 1.25,
          .live = 3.33,
          .thickness = ThicknessOf(4.5),
          .span = 1850,
          .spacing = 620,
          .boundary = BoundaryOf(true),
          .stiffener = FlatBar{63, 5},
          .pointLoad = PointLoad{.force = 2, .across = 150, .along = 250}},
         23},
        {"spacing wider than the span, one-way strip, point load",
         {.dead = 0.8,
          .live = 4.2,
          .thickness = ThicknessOf(8),
          .span = 900,
          .spacing = 1200,
          .stiffener = Angle("L63x40x5"),
          .pointLoad = PointLoad{.force = 1.5}},
         24},
        // The current basis' own formulas: w and D + w, γ0, the envelope, the stiffener's support
        // share, δQ, 2·13·t·εk and the weld's Sp, he, lw, v and τf.
        {"first class, self-weight added, single weld",
         {.dead = 1.2,
          .live = 2.5,
          .thickness = ThicknessOf(6),
          .span = 2100,
          .spacing = 700,
          .stiffener = FlatBar{70, 6},
          .basis = DesignBasis::Current,
          .safetyClass = SafetyClass::First,
          .weld = {.arrangement = WeldArrangement::Single, .size = 4}},
         25},
        {"continuous, support share, intermittent weld, third class",
         {.dead = 1.35,
          .live = 3.5,
          .thickness = ThicknessOf(5),
          .span = 1900,
          .spacing = 550,
          .boundary = BoundaryOf(true),
          .stiffener = FlatBar{75, 6},
          .basis = DesignBasis::Current,
          .safetyClass = SafetyClass::Third,
          .weld = {.arrangement = WeldArrangement::Intermittent,
                   .size = 5,
                   .segments = WeldSegments{60, 150}}},
         28},
        {"continuous angle, point load, D with its self-weight, Q355",
         {.dead = 1.1,
          .live = 4.5,
          .thickness = ThicknessOf(6),
          .span = 2250,
          .spacing = 650,
          .boundary = BoundaryOf(true),
          .stiffener = Angle("L63x40x5"),
          .basis = DesignBasis::Current,
          .steel = SteelGrade::Q355,
          .pointLoad = PointLoad{.force = 2.5},
          .deadIncludesSelfWeight = true,
          .weld = {.arrangement = WeldArrangement::Intermittent,
                   .segments = WeldSegments{50, 200}}},
         42},
    };
    for (const BayCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<Worked> worked = Substitutions(
            doc::HtmlOf(CalculationBook({.bay = c.bay, .version = "1.0.0"}, CheckBay(c.bay))));
        EXPECT_EQ(worked.size(), c.substitutions);
        for (const Worked& w : worked) {
            EXPECT_LE(std::fabs(w.byHand - w.shown), 0.5 * w.lastDigit * (1 + 1e-9))
                << w.formula << " works out to " << w.byHand;
        }
    }
}

}  // namespace
}  // namespace deckplate::report
