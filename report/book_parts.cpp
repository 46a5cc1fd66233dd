#include "report/book_parts.h"

#include "calc/number_text.h"
#include "report/html_text.h"
#include "report/mathml.h"

namespace deckplate::report {

using namespace mathml;

namespace {

// The stiffener's depth below the plate, mm: a flat bar's height, an angle's long leg.
double StiffenerDepth(const Stiffener& stiffener) {
    if (const auto* bar = std::get_if<FlatBar>(&stiffener)) return bar->height;
    return std::get<AngleValues>(stiffener).H;
}

}  // namespace

BookContext ContextOf(const BookInput& input, const BayCheck& check, std::string idPrefix) {
    return {.input = input,
            .check = check,
            .utilisation = Utilisations(check),
            .figures = FiguresOf(input.bay, check),
            .idPrefix = std::move(idPrefix)};
}

std::string BookSection(const BookContext& book, std::string_view id, std::string_view title,
                        std::string_view content, std::string_view classes) {
    const std::string classAttribute =
        classes.empty() ? std::string() : Cat(" class=\"", classes, "\"");
    return Cat("<section id=\"", book.idPrefix, id, "\"", classAttribute, ">\n<h2>", title,
               "</h2>\n", content, "</section>\n");
}

std::string FormulaBlock(std::string_view math, std::string_view continued) {
    std::string block = Cat("<div class=\"formula\">", math);
    if (!continued.empty()) block += Cat("<div class=\"continued\">", continued, "</div>");
    return block + "</div>\n";
}

std::string VerdictLine(bool exceeded, std::string_view text) {
    return Cat("<p class=\"verdict ", exceeded ? "exceeded" : "pass", "\">", EscapeHtml(text),
               "</p>\n");
}

std::string_view StiffenerKind(const BookContext& book) { return book.FlatBar() ? "扁钢" : "角钢"; }

std::string StiffenerTitle(const BookContext& book) {
    const std::string name = StiffenerName(book.input.bay.stiffener);
    return Cat(book.FlatBar() ? "扁钢 " : "不等边角钢 ",
               name.empty() ? std::string("（未选规格）") : EscapeHtml(name));
}

std::string_view Relation(bool exceeded) { return exceeded ? "≥" : "<"; }

Figure SteelModulus() {
    Figure e = Exact(kSteelModulus / 1e5);
    e.tenPower = 5;
    return e;
}

std::string FibreStressFormulas(const BookContext& book, const FibreStresses& stresses) {
    const BayInput& bay = book.input.bay;
    const BookFigures& figures = book.figures;
    const std::string Ms = SubscriptedSymbol("M", "s"), Ix = SubscriptedSymbol("I", "x"),
                      Yo = SubscriptedSymbol("Y", "o");
    const double lowerGamma = book.FlatBar() ? kFlatBarTipGamma : kAngleLegGamma;
    const double depth = StiffenerDepth(StiffenerSection(bay.stiffener));
    const auto fibre = [&](std::string_view name, std::string_view lever, double gamma,
                           std::string_view leverNumbers, const Figure& stress,
                           std::string_view where) {
        return Math(Cat(SubscriptedSymbol("σ", name), Mo("="),
                        Mfrac(Cat(Ms, Mo("·"), lever), Cat(GammaX(Cat("x", name)), Mo("·"), Ix)),
                        Mo("="),
                        Mfrac(Cat(Mn(stresses.Ms), Mo("×"), leverNumbers),
                              Cat(Mn(Exact(gamma)), Mo("×"), Mn(figures.Ix))),
                        Mo("="), Mn(stress), Unit("N/mm²"), Mtext(Cat("（", where, "）"))));
    };
    const std::string top =
        fibre("1", Yo, kTopFaceGamma, Mn(figures.Yo), stresses.top, "上缘，铺板顶面");
    // The lever below the axis with its parts, so that it is worked from Yo as shown.
    const std::string bottomLever = Parenthesised(
        Cat(Mn(Exact(bay.thickness.mm)), Mo("+"), Mn(Exact(depth)), Mo("−"), Mn(figures.Yo)));
    const std::string bottom = fibre(
        "2", Parenthesised(Cat(Mi("t"), Mo("+"), Mi("h"), Mo("−"), Yo)), lowerGamma, bottomLever,
        stresses.bottom, book.FlatBar() ? "下缘，扁钢肋端" : "下缘，角钢短肢外缘");
    const std::string governing = Math(
        Cat(SubscriptedSymbol("σ", "s"), Mo("="), Mi("max"),
            Parenthesised(Cat(SubscriptedSymbol("σ", "1"), Mo(","), SubscriptedSymbol("σ", "2"))),
            Mo("="), Mn(stresses.shown), Unit("N/mm²"), Mo(Relation(stresses.exceeded)), Mi("f"),
            Mo("="), Mn(Exact(stresses.f)), Unit("N/mm²")));
    return Cat(FormulaBlock(top), FormulaBlock(bottom), FormulaBlock(governing));
}

std::string PlateStressFormula(const Figure& moment, double thickness, const Figure& stress,
                               bool exceeded, double f) {
    // Per millimetre of plate width: 1 kN·m/m is 10³ N·mm/mm.
    const Figure perMillimetre = Scaled(moment, 3);
    return Math(
        Cat(Mi("σ"), Mo("="),
            Mfrac(Cat(Mn(Exact(6)), Mo("·"), Mi("M")),
                  Cat(GammaX(), Mo("·"), Msup(Mi("t"), Mn(Exact(2))))),
            Mo("="),
            Mfrac(Cat(Mn(Exact(6)), Mo("×"), Mn(perMillimetre)),
                  Cat(Mn(Exact(kPlateGamma)), Mo("×"), Msup(Mn(Exact(thickness)), Mn(Exact(2))))),
            Mo("="), Mn(stress), Unit("N/mm²"), Mo(Relation(exceeded)), Mi("f"), Mo("="),
            Mn(Exact(f)), Unit("N/mm²")));
}

StiffenerDeflectionLines StiffenerDeflectionLimit(const Figure& deflection,
                                                  const DeflectionVerdict& verdict) {
    return {Math(Cat(Mo("="), Mn(deflection), Unit("mm"), Mo(Relation(verdict.exceeded)),
                     Mfrac(Mi("L"), Mn(Exact(verdict.limit))), Mo("="),
                     Mn(Significant(verdict.allowed)), Unit("mm"))),
            InlineMath(Cat(Mi("L"), Mo("/"), SubscriptedSymbol("δ", "s"), Mo("="),
                           Mn(Fixed(RoundDecimals(verdict.ratio, 1), 1)),
                           Mo(verdict.exceeded ? "≤" : ">"), Mn(Exact(verdict.limit))))};
}

std::string GammaX(std::string_view subscript) { return SubscriptedSymbol("γ", subscript); }

std::string SubscriptedSymbol(std::string_view symbol, std::string_view subscript) {
    return Msub(Mi(symbol), Mi(subscript));
}

std::string ShearStressFormula(const BookContext& book, const ShearCheck& shear,
                               const ShearFigures& figures) {
    const bool plate = shear.cut == AxisCut::Plate;
    const std::string w = plate                            ? SubscriptedSymbol("b", "e")
                          : shear.cut == AxisCut::ShortLeg ? Mi("b")
                                                           : SubscriptedSymbol("t", "w");
    const Figure width = plate ? book.figures.be : Exact(shear.width);
    return FormulaBlock(Math(
        Cat(Mi("τ"), Mo("="),
            Mfrac(Cat(Mi("V"), Mo("·"), Mi("S")), Cat(SubscriptedSymbol("I", "x"), Mo("·"), w)),
            Mo("="),
            Mfrac(Cat(Mn(Scaled(figures.V, 3)), Mo("×"), Mn(book.figures.current->S)),
                  Cat(Mn(book.figures.Ix), Mo("×"), Mn(width))),
            Mo("="), Mn(figures.tau), Unit("N/mm²"), Mo(Relation(shear.verdict.exceeded)),
            SubscriptedSymbol("f", "v"), Mo("="), Mn(Exact(shear.fv)), Unit("N/mm²"))));
}

}  // namespace deckplate::report
