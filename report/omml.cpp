#include "report/omml.h"

#include <cstdlib>

namespace deckplate::report::math {
namespace {

enum class Style {
    Math,     ///< as Word sets an equation's characters: a letter italic, a digit upright
    Upright,  ///< a symbol that is a word ("max", "sin"), upright as MathML sets it
    Words,    ///< text and units
};

bool OneCharacter(std::string_view text) {
    std::size_t characters = 0;
    for (const char c : text) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return characters == 1;
}

// Words in a formula are set as the text around it is: Latin in Times New Roman, Chinese in
// 宋体; symbols in the equation font.
void Run(XmlWriter& xml, std::string_view text, Style style = Style::Math) {
    const bool words = style == Style::Words;
    xml.Open("m:r");
    if (style != Style::Math) {
        xml.Open("m:rPr");
        if (words)
            xml.Empty("m:nor");
        else
            xml.Empty("m:sty", {{"m:val", "p"}});
        xml.Close();
    }
    xml.Open("w:rPr");
    if (words) {
        xml.Empty("w:rFonts", {{"w:ascii", "Times New Roman"},
                               {"w:hAnsi", "Times New Roman"},
                               {"w:eastAsia", "宋体"}});
    } else {
        xml.Empty("w:rFonts", {{"w:ascii", "Cambria Math"}, {"w:hAnsi", "Cambria Math"}});
    }
    xml.Close();
    xml.Leaf("m:t", text, {{"xml:space", "preserve"}});
    xml.Close();
}

void Write(XmlWriter& xml, const Expr& row);

void Part(XmlWriter& xml, std::string_view name, const Expr& row) {
    xml.Open(name);
    Write(xml, row);
    xml.Close();
}

void Number(XmlWriter& xml, const Figure& number) {
    Run(xml, number.digits);
    if (number.tenPower == 0) return;
    Run(xml, "×");
    xml.Open("m:sSup");
    xml.Open("m:e");
    Run(xml, "10");
    xml.Close();
    xml.Open("m:sup");
    Run(xml, (number.tenPower < 0 ? std::string("−") : std::string()) +
                 std::to_string(std::abs(number.tenPower)));
    xml.Close();
    xml.Close();
}

void Two(XmlWriter& xml, std::string_view name, std::string_view first, std::string_view second,
         const Node& node) {
    xml.Open(name);
    Part(xml, first, node.parts[0]);
    Part(xml, second, node.parts[1]);
    xml.Close();
}

void Write(XmlWriter& xml, const Node& node) {
    switch (node.kind) {
        case NodeKind::Identifier:
            Run(xml, node.text, OneCharacter(node.text) ? Style::Math : Style::Upright);
            return;
        case NodeKind::Operator:
            Run(xml, node.text);
            return;
        case NodeKind::Text:
            Run(xml, node.text, Style::Words);
            return;
        case NodeKind::Number:
            Number(xml, node.number);
            return;
        case NodeKind::Row:
            Write(xml, node.parts[0]);
            return;
        case NodeKind::Fraction:
            Two(xml, "m:f", "m:num", "m:den", node);
            return;
        case NodeKind::Superscript:
            Two(xml, "m:sSup", "m:e", "m:sup", node);
            return;
        case NodeKind::Subscript:
            Two(xml, "m:sSub", "m:e", "m:sub", node);
            return;
        case NodeKind::Under:
            Two(xml, "m:limLow", "m:e", "m:lim", node);
            return;
        case NodeKind::Parenthesised:
            xml.Open("m:d");
            Part(xml, "m:e", node.parts[0]);
            xml.Close();
            return;
    }
}

void Write(XmlWriter& xml, const Expr& row) {
    for (const Node& node : row.Nodes()) Write(xml, node);
}

}  // namespace

void WriteOmml(XmlWriter& xml, const Expr& formula) {
    xml.Open("m:oMath");
    // LibreOffice reads a formula that starts with an operator ("= 3240 + …", a continuation
    // line) as one whose left side is missing and marks the gap; a zero-width space gives the
    // operator its left side, and shows nothing in Word.
    if (!formula.Empty() && formula.Nodes().front().kind == NodeKind::Operator) Run(xml, "\u200b");
    Write(xml, formula);
    xml.Close();
}

}  // namespace deckplate::report::math
